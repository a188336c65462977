// An idle window draws nothing: with the main window alone, with a list of files and with each
// sheet or window the list opens, once its opening has settled, a second passes without a single
// paint event. A widget that schedules its own next paint from inside a paint keeps a core busy
// for as long as the window is open.
#include "main_window_fixture.h"

#include "convert/files/DNCaptureController.h"
#include "dvd/NXDVDUtilities.h"
#include "dvd/cover/NXDVDInfoCapture.h"
#include "dvd/loading/NXDVDSourceLoading.h"
#include "ui/log/NXLogController.h"
#include "ui/medialist/DNCell.h"

#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfileController.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

namespace {

// Counts the paint events the whole application delivers while it runs its event loop.
class PaintCounter : public QObject
{
public:
    PaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    QMap<QString, int> byWidget;
    int total = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++total;
            const QString name = watched->objectName();
            ++byWidget[QString::fromLatin1(watched->metaObject()->className())
                       + (name.isEmpty() ? QString() : QLatin1Char(' ') + name)];
        }
        return false;
    }
};

// Serves the event loop for ms milliseconds.
void serve(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Serves what is already waiting (posted events, paints asked for, calls queued by other threads)
// until a pass over the event loop delivers nothing, however long a busy machine takes to get
// there: a window's first paint there may take most of a second. A window that keeps asking for
// paints never gets there; it is let go after a generous while, and the idle second then sees it.
void serveWhatWaits()
{
    struct Delivered : QObject
    {
        int events = 0;
        bool eventFilter(QObject *, QEvent *) override
        {
            ++events;
            return false;
        }
    } delivered;
    QCoreApplication::instance()->installEventFilter(&delivered);
    QElapsedTimer limit;
    limit.start();
    do {
        delivered.events = 0;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } while (delivered.events > 0 && limit.elapsed() < 60000);
    QCoreApplication::instance()->removeEventFilter(&delivered);
}

// Lets the opening settle (the timers it set for a moment later fire, and what it left to do is
// done), then names the widgets painted in the next second and how often.
std::string paintsOfAnIdleSecond()
{
    serve(1000);
    serveWhatWaits();
    PaintCounter counter;
    serve(1000);
    QString text;
    for (auto it = counter.byWidget.cbegin(); it != counter.byWidget.cend(); ++it)
        text += QStringLiteral("%1 x%2; ").arg(it.key()).arg(it.value());
    return text.toStdString();
}

// Counts while a window opened by open() is up (a modal one included), then closes every
// window but the main one.
std::string paintsWhileOpen(QWidget *mainWindow, const std::function<void()> &open)
{
    std::string paints;
    bool measured = false;
    QTimer::singleShot(0, [&] {
        paints = paintsOfAnIdleSecond();
        measured = true;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != mainWindow && top->isVisible())
                top->close();
        for (QDialog *dialog : mainWindow->findChildren<QDialog *>())
            if (dialog->isVisible())
                dialog->reject();
    });
    open();
    while (!measured)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return paints;
}

struct Window : shelltest::MainWindowFixture
{
    Window() : MainWindowFixture(QSize(1000, 700))
    {
        // The caret's blink is the platform's own, not a repaint of ours.
        QApplication::setCursorFlashTime(0);
    }
    void addFiles()
    {
        QStringList paths;
        for (const char *name : {"clip.mp4", "clip.mkv", "clip.avi"})
            paths << testsupport::fixturePath(QStringLiteral("media/") + QLatin1String(name));
        controller.private_flag.isNeedPreSelect = true;
        controller.addFilesFromContentOfFiles(paths);
        // A row's spinner turns until its thumbnail has come.
        DNCaptureController::shareCaptureQueue().waitForDone();
    }
    NXProfileChooserController *chooser() const
    {
        return controller.profileController ? controller.profileController->profileChooseController() : nullptr;
    }
};

TEST(IdleWindow, DrawsNothingEmptyOrWithTheChooserOrWithFiles)
{
    Window w;
    EXPECT_EQ(paintsOfAnIdleSecond(), "") << "the empty list";

    // The first load into an empty list opens the profile chooser.
    w.addFiles();
    ASSERT_TRUE(w.chooser() && w.chooser()->choosePanel() && w.chooser()->choosePanel()->isVisible());
    EXPECT_EQ(paintsOfAnIdleSecond(), "") << "the profile chooser";
    QTest::mouseClick(w.chooser()->doneButton(), Qt::LeftButton);
    EXPECT_EQ(paintsOfAnIdleSecond(), "") << "a list of files";
}

struct SheetCase
{
    const char *name;
    std::function<void(Window &)> open;
};

class IdleSheet : public ::testing::TestWithParam<SheetCase>
{
};

TEST_P(IdleSheet, DrawsNothingOverAListOfFiles)
{
    Window w;
    w.addFiles();
    QTest::mouseClick(w.chooser()->doneButton(), Qt::LeftButton);
    EXPECT_EQ(paintsWhileOpen(w.ui.window, [&] { GetParam().open(w); }), "");
}

const NXMediaPath kFirst(0, -1);

INSTANTIATE_TEST_SUITE_P(
    Sheets, IdleSheet,
    ::testing::Values(
        SheetCase{"ProfileSettings", [](Window &w) { w.controller.movieViewCellRequestChangeProfile(kFirst); }},
        SheetCase{"Tags", [](Window &w) { w.controller.movieViewCellRequestSetTag(kFirst); }},
        SheetCase{"Preferences", [](Window &w) { w.controller.setting(); }},
        SheetCase{"About", [](Window &w) { w.controller.onAbout(); }},
        SheetCase{"Update", [](Window &w) { w.controller.checkNewVersion(); }},
        SheetCase{"Log", [](Window &) { NXLogController::instance()->showLogView(); }},
        SheetCase{"Information",
                  [](Window &w) {
                      QTest::mouseClick(DNCell::cellOfNode(w.controller.mediaFiles->first().get()), Qt::LeftButton,
                                        {}, QPoint(4, 4));
                      w.controller.infoOfSelected();
                  }}),
    [](const ::testing::TestParamInfo<SheetCase> &info) { return std::string(info.param.name); });

TEST(IdleWindow, DrawsNothingWithADVDListed)
{
    Window w;
    w.controller.private_flag.isNeedPreSelect = true;
    QString error;
    const DNDVDNodePtr dvd = NXDVDSourceLoading::analysisDVDSource(
        NXDVDUtilities::sourceInfoForDVDPath(testsupport::fixturePath(QStringLiteral("dvd/pal"))), &error);
    ASSERT_TRUE(dvd) << error.toStdString();
    w.controller.actionForDVDScaner(dvd);
    // The row's spinner turns until the cover lookup has answered.
    ASSERT_TRUE(NXDVDInfoCapture::DVDInfoCapture().waitForDone(60000));
    EXPECT_EQ(paintsOfAnIdleSecond(), "") << "a DVD in the list";
}

} // namespace
