// The Convert command's checks: the list must end with a DVD source with a title selected
// (unless the whole disc is backed up as an image), or hold media files, and the output folder
// must exist; each failure shows its alert on the main window and starts nothing.
#include "shell_test_support.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"

#include "core/settings/DNSetting.h"
#include "ui/progress/NXProgressController.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/file/DNFileNode.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"
#include "support/smallfs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

using dvdbuildertest::loadDisc;

enum class ListShape { Empty, DVD, DVDThenOtherMedia, DVDThenGroupTitle, MediaFile, OtherMediaOnly };
enum class Folder { Exists, Missing, IsAFile, PathTooLong };

struct CheckCase
{
    const char *name;
    ListShape list;
    bool titleSelected;
    const char *profile;
    Folder folder;
    const char *alert;        // message text of the expected alert
    QMessageBox::Icon icon;
};

const char *const kNoSource = "No video source!";
const char *const kBadFolder = "Invalid Output Directory!";

class ConvertChecks : public ::testing::TestWithParam<CheckCase>
{
};

// The main window with its controller started, as after launch.
struct ShownMainWindow
{
    NXAppController controller;
    std::unique_ptr<DNWindow> window;

    ShownMainWindow()
    {
        shelltest::app();
        window.reset(NXBuildMainWindow(&controller).window);
        controller.onApplicationDidFinishLaunching();
        window->show();
    }
};

TEST_P(ConvertChecks, RefusesWithTheAlertOfTheFirstFailedCheck)
{
    const CheckCase &c = GetParam();
    ShownMainWindow shown;
    NXAppController &controller = shown.controller;
    const std::unique_ptr<DNWindow> &window = shown.window;

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("not-a-folder"));
    QFile(file).open(QIODevice::WriteOnly);
    QString deep = dir.path();
    while (deep.toUtf8().size() < 2048)
        deep += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    if (c.folder == Folder::PathTooLong) {
        ASSERT_TRUE(QDir().mkpath(deep));
    }
    const QString folder = c.folder == Folder::Exists    ? dir.path()
                         : c.folder == Folder::IsAFile     ? file
                         : c.folder == Folder::PathTooLong ? deep
                                                           : dir.filePath(QStringLiteral("gone"));
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(folder);

    if (c.list == ListShape::MediaFile)
        controller.mediaFiles->append(std::make_shared<DNFileNode>());
    if (c.list == ListShape::OtherMediaOnly)
        controller.mediaFiles->append(std::make_shared<NXBasicMediaNode>());
    if (c.list == ListShape::DVD || c.list == ListShape::DVDThenOtherMedia || c.list == ListShape::DVDThenGroupTitle) {
        DNDVDNodePtr dvd = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(c.profile));
        ASSERT_TRUE(dvd);
        for (const DNDVDTitlePtr &title : dvd->titles())
            title->setIsSelected(c.titleSelected && title->index() == 2);
        controller.mediaFiles->append(dvd);
        if (c.list == ListShape::DVDThenOtherMedia)
            controller.mediaFiles->append(std::make_shared<NXBasicMediaNode>());
        if (c.list == ListShape::DVDThenGroupTitle) {
            dvd->setMergeIntoOne(true);
            controller.mediaFiles->append(DNDVDGroupTitle::dvdGroupTitleWithDVDNode(dvd));
        }
    }

    controller.onStartConvertClick();

    const QList<QMessageBox *> alerts = window->findChildren<QMessageBox *>();
    ASSERT_EQ(alerts.size(), 1);
    QMessageBox *alert = alerts.first();
    EXPECT_EQ(alert->text(), QString::fromLatin1(c.alert));
    EXPECT_EQ(alert->icon(), c.icon);
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->informativeText(),
              QString::fromLatin1(c.alert) == QLatin1String(kNoSource)
                  ? QStringLiteral("Please load a DVD disc, add video clips or photos folder.")
                  : QStringLiteral("The destination folder you specified is an invalid path! You must "
                                   "specify a valid directory name."));
    EXPECT_EQ(alert->buttons().size(), 1);
    // Nothing started.
    EXPECT_EQ(controller.progressController, nullptr);
    EXPECT_FALSE(controller.isConverting());
    alert->close();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertChecks,
    ::testing::Values(
        CheckCase{"EmptyList", ListShape::Empty, false, "", Folder::Exists, kNoSource, QMessageBox::Warning},
        CheckCase{"LastEntryIsOtherMedia", ListShape::DVDThenOtherMedia, true, "MacGen_MP4_H264.plist",
                  Folder::Exists, kNoSource, QMessageBox::Warning},
        CheckCase{"LastEntryIsAGroupTitle", ListShape::DVDThenGroupTitle, true, "MacGen_MP4_H264.plist",
                  Folder::Exists, kNoSource, QMessageBox::Warning},
        CheckCase{"NoTitleSelected", ListShape::DVD, false, "MacGen_MP4_H264.plist", Folder::Exists,
                  kNoSource, QMessageBox::Warning},
        // The image backup needs no title: the check after it speaks.
        CheckCase{"ImageBackupNeedsNoTitle", ListShape::DVD, false, "DVDBackupISO.plist", Folder::Missing,
                  kBadFolder, QMessageBox::Critical},
        // A list of media files has no titles to select: the folder check after it speaks.
        CheckCase{"MediaFilesNeedNoTitle", ListShape::MediaFile, false, "", Folder::Missing, kBadFolder,
                  QMessageBox::Critical},
        CheckCase{"OtherMediaOnly", ListShape::OtherMediaOnly, false, "", Folder::Exists, kNoSource,
                  QMessageBox::Warning},
        CheckCase{"MissingFolder", ListShape::DVD, true, "MacGen_MP4_H264.plist", Folder::Missing,
                  kBadFolder, QMessageBox::Critical},
        CheckCase{"FolderIsAFile", ListShape::DVD, true, "MacGen_MP4_H264.plist", Folder::IsAFile,
                  kBadFolder, QMessageBox::Critical},
        // A folder whose path the engines cannot take is refused, not replaced by another one.
        CheckCase{"FolderPathTooLongForTheEngines", ListShape::DVD, true, "MacGen_MP4_H264.plist",
                  Folder::PathTooLong, kBadFolder, QMessageBox::Critical}),
    [](const ::testing::TestParamInfo<CheckCase> &info) { return std::string(info.param.name); });

// A batch that may not fit the output folder's disk asks first; the user may convert all the same.
TEST(ConvertOutputSpace, TooLittleRoomAsksAndTheUserDecides)
{
    testsupport::SmallFileSystem disk(64 * 1024);
    if (!disk.isMounted())
        GTEST_SKIP() << "a small file system needs the right to mount here";
    for (const bool convertAnyway : {false, true}) {
        SCOPED_TRACE(convertAnyway ? "Convert Anyway" : "Cancel");
        ShownMainWindow shown;
        NXAppController &controller = shown.controller;
        const std::unique_ptr<DNWindow> &window = shown.window;
        DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(disk.path());
        DNDVDNodePtr dvd = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("MacGen_MP4_H264.plist"));
        ASSERT_TRUE(dvd);
        controller.mediaFiles->append(dvd);

        controller.onStartConvertClick();
        const QList<QMessageBox *> questions = window->findChildren<QMessageBox *>();
        ASSERT_EQ(questions.size(), 1);
        QMessageBox *question = questions.first();
        EXPECT_EQ(question->text(), QStringLiteral("The output folder may not have enough free space."));
        EXPECT_TRUE(question->informativeText().contains(disk.path()));
        EXPECT_EQ(question->windowModality(), Qt::WindowModal);
        EXPECT_EQ(controller.progressController, nullptr);
        QAbstractButton *answer = nullptr;
        for (QAbstractButton *button : question->buttons())
            if (button->text() == (convertAnyway ? QStringLiteral("Convert Anyway") : QStringLiteral("Cancel")))
                answer = button;
        ASSERT_TRUE(answer);
        answer->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(controller.progressController != nullptr, convertAnyway);
        if (controller.progressController) {
            controller.interruptConvert();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !controller.isConverting(); }, 60000));
        }
    }
}

TEST(MediaLibraryOutputs, OnlyExistingMp4AndM4vFilesAreHandedOn)
{
    QTemporaryDir dir;
    const QStringList names{"a.mp4", "b.m4v", "c.MP4", "d.mkv", "e.mp4.part"};
    for (const QString &name : names)
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    QStringList outputs;
    for (const QString &name : names)
        outputs << dir.filePath(name);
    outputs << dir.filePath(QStringLiteral("missing.mp4")) << QString();
    EXPECT_EQ(NXAppController::outputsForMediaLibrary(outputs),
              (QStringList{dir.filePath(QStringLiteral("a.mp4")), dir.filePath(QStringLiteral("b.m4v"))}));
}

} // namespace
