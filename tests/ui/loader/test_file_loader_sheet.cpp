#include "convert/files/DNCaptureController.h"
#include "core/notify/DNNotificationCenter.h"
#include "ui/loader/DNFileLoaderController.h"
#include "ui/loader/DNFileLoaderSheet.h"
#include "ui/ui_test_support.h"

#include "core/platform/DNBundle.h"
#include "support/rawnames.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

QString media(const QString &name)
{
    return testsupport::fixturePath(QStringLiteral("media/") + name);
}

// Made once and never destroyed: destroying the application among the exit handlers, after Qt
// Gui's own statics, crashes in the input-device clean-up.
void app()
{
    static int argc = 1;
    static char name[] = "test_file_loader_sheet";
    static char *argv[] = {name, nullptr};
    static QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application);
}

QString outputFolder()
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/test-output/ui_loader_file_loader_sheet");
    QDir().mkpath(dir);
    return dir;
}

// A video load of paths handed over as a drop hands them, on window: the items it adds, and the
// alert that names what it did not add.
struct RefusingLoad
{
    QList<NXMediaNodePtr> items;
    DNFileLoaderController controller;

    // The alert once it shows; null when none came.
    QMessageBox *run(QWidget &window, const QStringList &paths)
    {
        controller.loader().setPauseBetweenFiles(0);
        const auto collect = [this](const QVariant &item, const QVariant &) { items << item.value<NXMediaNodePtr>(); };
        controller.showVideoLoaderWithoutOpenPanel(&window, paths, NXAction::actionWithTarget(&window, collect));
        QMessageBox *alert = nullptr;
        const bool shown = uitest::waitFor([&] {
            alert = window.findChild<QMessageBox *>(QStringLiteral("filesRefusedAlert"));
            return alert && alert->isVisible();
        });
        return shown ? alert : nullptr;
    }
};

} // namespace

TEST(FileLoaderSheet, ShowsProgressOnTheWindowAndCancels)
{
    app();
    QMainWindow window;
    window.resize(640, 420);
    window.show();

    int finished = 0;
    const auto observer = DNNotificationCenter::defaultCenter().addObserver(
        QStringLiteral("NXMediaFileLoadFinished o.o"), [&](const DNNotification &) { ++finished; });
    QList<NXMediaNodePtr> items;
    DNFileLoaderController controller;
    // A long pause between files keeps the sheet up while it is looked at and cancelled.
    controller.loader().setPauseBetweenFiles(1500);
    QStringList files;
    for (int i = 0; i < 4; ++i)
        files << media(QStringLiteral("clip.mp4"));
    controller.showVideoLoaderWithoutOpenPanel(
        &window, files, NXAction::actionWithTarget(&window, [&](const QVariant &item, const QVariant &) {
            items << item.value<NXMediaNodePtr>();
        }));

    DNFileLoaderSheet *sheet = controller.panel();
    ASSERT_TRUE(uitest::waitFor([&] { return !items.isEmpty(); }));
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet->parentWidget(), &window);
    EXPECT_EQ(sheet->textfield()->text(), QStringLiteral("Loading clip.mp4"));
    EXPECT_EQ(sheet->indicator()->maximum(), 0) << "busy";
    EXPECT_EQ(sheet->cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(sheet->grab().save(outputFolder() + QStringLiteral("/loading_sheet.png")));
    EXPECT_TRUE(window.grab().save(outputFolder() + QStringLiteral("/window_with_sheet.png")));

    QTest::mouseClick(sheet->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet->cancelButton()->isEnabled());
    ASSERT_TRUE(uitest::waitFor([&] { return finished > 0; }));
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(items.size(), 1);
    EXPECT_EQ(finished, 1);
    DNNotificationCenter::defaultCenter().removeObserver(observer);
    DNCaptureController::shareCaptureQueue().waitForDone();
}

TEST(FileLoaderSheet, PhotoFailureAlertsOnTheWindow)
{
    app();
    QMainWindow window;
    window.resize(640, 420);
    window.show();
    DNFileLoaderController controller;
    controller.loader().setPauseBetweenFiles(0);
    // A folder without photos.
    QTemporaryDir empty;
    controller.showPhotoLoaderWithoutOpenPanel(&window, {empty.path()}, NXAction::action());
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(uitest::waitFor([&] {
        alert = window.findChild<QMessageBox *>(QStringLiteral("loadPhotoFailedAlert"));
        return alert && alert->isVisible();
    }));
    EXPECT_EQ(alert->text(), QStringLiteral("Load Photo Failed!"));
    EXPECT_EQ(alert->informativeText(), QStringLiteral("There is no photo found at %1.").arg(empty.path()));
    EXPECT_EQ(alert->icon(), QMessageBox::Critical);
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    EXPECT_FALSE(controller.panel()->isVisible());
    EXPECT_TRUE(alert->grab().save(outputFolder() + QStringLiteral("/load_photo_failed.png")));
    alert->buttons().first()->click();
}

// Files a video load leaves out are named in one alert on the window, each with its reason;
// the files that can be used are added all the same.
TEST(FileLoaderSheet, FilesThatCannotBeAddedAreNamedWithTheirReasons)
{
    app();
    QMainWindow window;
    window.resize(640, 420);
    window.show();
    QTemporaryDir dir;
    const QString notVideo = dir.filePath(QStringLiteral("notes.mp4"));
    {
        QFile out(notVideo);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("these are words, not a video\n");
    }
    // A movie cut off after its first kilobytes: nothing in it can be read as media.
    const QString truncated = dir.filePath(QStringLiteral("cut.mkv"));
    {
        QFile source(media(QStringLiteral("clip.mkv")));
        QFile out(truncated);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
        out.write(source.read(300));
    }
    RefusingLoad load;
    QMessageBox *alert = load.run(window, {media(QStringLiteral("clip.mp4")), media(QStringLiteral("audio.m4a")), notVideo, truncated});
    ASSERT_TRUE(alert);
    EXPECT_EQ(load.items.size(), 1);
    EXPECT_EQ(alert->text(), QStringLiteral("These files could not be added:"));
    const QStringList lines = alert->informativeText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << alert->informativeText().toStdString();
    EXPECT_EQ(lines.at(0), QStringLiteral("audio.m4a has no video stream"));
    EXPECT_TRUE(lines.at(1).contains(QStringLiteral("notes.mp4"))) << lines.at(1).toStdString();
    EXPECT_TRUE(lines.at(2).contains(QStringLiteral("cut.mkv"))) << lines.at(2).toStdString();
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    EXPECT_FALSE(load.controller.panel()->isVisible());
    EXPECT_TRUE(alert->grab().save(outputFolder() + QStringLiteral("/files_refused.png")));
    alert->buttons().first()->click();
    DNCaptureController::shareCaptureQueue().waitForDone();
}

// A file whose name is not UTF-8 text, handed over as an open panel or a drop reads it (U+FFFD for
// its bytes), is refused with its reason and the name to rename, in the interface's language,
// and not as a file that does not exist; the others are added all the same.
TEST(FileLoaderSheet, AFileNamedNotTextIsRefusedForItsName)
{
    app();
    const struct
    {
        const char *language;
        const char *line; // "DIR" stands for the folder
    } cases[] = {
        {"", "clip\uFFFD.mp4: the name \"clip\\xe9.mp4\" in DIR is not UTF-8 text, so the source cannot be read: rename it"},
        {"ja", "clip\uFFFD.mp4：DIR にある名前「clip\\xe9.mp4」は UTF-8 のテキストではないため、ソースを読み込めません：名前を変更してください"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        QTranslator translator;
        if (*c.language) {
            ASSERT_TRUE(translator.load(DNBundle::pathForResource(QStringLiteral("translations/talvane_%1.qm")
                                                                      .arg(QString::fromLatin1(c.language)))));
            QCoreApplication::installTranslator(&translator);
        }
        QMainWindow window;
        window.show();
        testsupport::RawNameFolder dir;
        ASSERT_TRUE(QFile::copy(media(QStringLiteral("clip.mp4")), dir.path() + QStringLiteral("/clip.mp4")));
        ASSERT_TRUE(testsupport::renameToRaw(dir.path() + QStringLiteral("/clip.mp4"), dir.bytesOf("clip\xe9.mp4")));
        RefusingLoad load;
        QMessageBox *alert =
            load.run(window, {testsupport::lossyReading(dir.bytesOf("clip\xe9.mp4")), media(QStringLiteral("clip.mp4"))});
        ASSERT_TRUE(alert);
        EXPECT_EQ(load.items.size(), 1);
        EXPECT_EQ(alert->informativeText(), QString::fromUtf8(c.line).replace(QStringLiteral("DIR"), dir.path()));
        EXPECT_TRUE(alert->grab().save(outputFolder() + QStringLiteral("/file_named_not_text_%1.png")
                                                            .arg(*c.language ? c.language : "en")));
        alert->buttons().first()->click();
        QCoreApplication::removeTranslator(&translator);
    }
    DNCaptureController::shareCaptureQueue().waitForDone();
}

// The photo panel hands over every folder the user selects in it.
TEST(FileLoaderSheet, PhotoPanelTakesSeveralFolders)
{
    app();
    QTemporaryDir settingsHome;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    QTemporaryDir albums;
    for (const char *name : {"summer", "winter"})
        ASSERT_TRUE(QDir(albums.path()).mkdir(QString::fromLatin1(name)));
    QMainWindow window;
    window.resize(640, 420);
    window.show();
    DNFileLoaderController controller;
    controller.showPhotoLoaderWithOpenPanel(&window, NXAction::action());
    QFileDialog *panel = window.findChild<QFileDialog *>();
    ASSERT_TRUE(panel);
    ASSERT_EQ(panel->fileMode(), QFileDialog::Directory);
    panel->setDirectory(albums.path());
    QStringList chosen;
    QObject::connect(panel, &QFileDialog::filesSelected, [&chosen](const QStringList &folders) { chosen = folders; });

    auto *list = panel->findChild<QAbstractItemView *>(QStringLiteral("listView"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    auto *model = panel->findChild<QFileSystemModel *>();
    ASSERT_TRUE(model);
    ASSERT_TRUE(uitest::waitFor([&] { return model->rowCount(model->index(albums.path())) == 2; }));
    list->selectAll();
    QMetaObject::invokeMethod(panel, "accept");
    chosen.sort();
    EXPECT_EQ(chosen, (QStringList{albums.filePath(QStringLiteral("summer")), albums.filePath(QStringLiteral("winter"))}));
}
