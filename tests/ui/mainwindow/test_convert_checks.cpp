// The Convert command's checks: the list must end with a DVD source with a title selected
// (unless the whole disc is backed up as an image), or hold media files, and the output folder
// must exist; each failure shows its alert on the main window and starts nothing.
#include "shell_test_support.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"

#include "core/settings/DNSetting.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/file/DNFileNode.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

using dvdbuildertest::loadDisc;

enum class ListShape { Empty, DVD, DVDThenOtherMedia, DVDThenGroupTitle, MediaFile, OtherMediaOnly };
enum class Folder { Exists, Missing, IsAFile };

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

TEST_P(ConvertChecks, RefusesWithTheAlertOfTheFirstFailedCheck)
{
    const CheckCase &c = GetParam();
    shelltest::app();
    NXAppController controller;
    NXMainWindowInterface ui = NXBuildMainWindow(&controller);
    std::unique_ptr<DNWindow> window(ui.window);
    controller.onApplicationDidFinishLaunching();
    window->show();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("not-a-folder"));
    QFile(file).open(QIODevice::WriteOnly);
    const QString folder = c.folder == Folder::Exists ? dir.path()
                         : c.folder == Folder::IsAFile ? file
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
                  kBadFolder, QMessageBox::Critical}),
    [](const ::testing::TestParamInfo<CheckCase> &info) { return std::string(info.param.name); });

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
