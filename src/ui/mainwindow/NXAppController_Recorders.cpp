// The main window's part for the recorder windows: its two buttons open them (one of each at a
// time), and when one closes, the main window comes back and the recording it hands back goes
// into the media list.
#include "NXAppController.h"

#include "DNWindow.h"

#include <QCoreApplication>

#include "core/action/NXAction.h"
#include "ui/controls/DNButton.h"
#include "ui/recorder/DNSRWindowController.h"
#include "ui/recorder/DNToolWindow.h"
#include "ui/recorder/NXCameraRecorderController.h"
#include "ui/transition/NXWindowTransition.h"

namespace {

// A window's frame; a missing window counts as the zero frame.
QRect frameOf(const QWidget *window)
{
    return window ? window->frameGeometry() : QRect();
}

// Moves window so that its centre lies on the centre of frame.
void centreOn(QWidget *window, const QRect &frame)
{
    if (!window)
        return;
    const QSize size = window->frameGeometry().size();
    window->move(frame.x() + frame.width() / 2 - size.width() / 2, frame.y() + frame.height() / 2 - size.height() / 2);
}

} // namespace

void NXAppController::setupRecorderWindows()
{
    const struct
    {
        QPointer<DNButton> NXAppController::*button;
        const char *highlight;
        void (NXAppController::*command)();
    } rows[] = {
        {&NXAppController::recordBUtton, "screen_recorder_on.png", &NXAppController::screenRecordCommand},
        {&NXAppController::cameraButton, "camera_recorder_on.png", &NXAppController::cameraRecord},
    };
    for (const auto &row : rows) {
        if (DNButton *button = this->*row.button) {
            button->setHighlightImage(QString::fromLatin1(row.highlight));
            connect(button, &QPushButton::clicked, this, row.command);
        }
    }
    // A recording still going when the program quits is finished under its name, not cut off
    // with the program: the controllers end their sessions as they go.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        delete screenRecord.data();
        delete cameraRecorderController.data();
    });
    auto &center = DNNotificationCenter::defaultCenter();
    center.addObserver(this, QStringLiteral("DNScreenRecorderWillDisappear_"),
                       [this](const DNNotification &n) { onDNScreenRecorderWillDisappear(n); });
    center.addObserver(this, QStringLiteral("NXCameraRecorderWindowWillCloseNotification"),
                       [this](const DNNotification &n) { onNXCamerraRecorderWindowWillCloseNotification(n); });
}

void NXAppController::screenRecordCommand()
{
    if (screenRecord) {
        screenRecord->window()->raise();
        screenRecord->window()->activateWindow();
        return;
    }
    screenRecord = new DNSRWindowController(this);
    flipRecorderWindow(mainWindow, screenRecord->window(), true, {});
}

void NXAppController::cameraRecord()
{
    if (cameraRecorderController) {
        cameraRecorderController->window()->raise();
        cameraRecorderController->window()->activateWindow();
        return;
    }
    cameraRecorderController = new NXCameraRecorderController(nullptr, this);
    flipRecorderWindow(mainWindow, cameraRecorderController->window(), true, {});
}

// Both recorders hand back alike: the main window centred on the closing window, the flip back,
// then the recordings added; the closing controller goes.
template <typename Controller>
static void handBack(NXAppController *app, QPointer<Controller> &field)
{
    Controller *closing = field.data();
    if (!closing)
        return;
    QWidget *window = closing->window();
    centreOn(app->mainWindow, frameOf(window));
    const QStringList files = closing->fileListNeedToConvert();
    app->flipRecorderWindow(window, app->mainWindow, false, [app, files] { app->addFilesFromContentOfFiles(files); });
    field = nullptr;
    closing->deleteLater();
}

void NXAppController::onDNScreenRecorderWillDisappear(const DNNotification &)
{
    handBack(this, screenRecord);
}

void NXAppController::onNXCamerraRecorderWindowWillCloseNotification(const DNNotification &)
{
    handBack(this, cameraRecorderController);
}

void NXAppController::flipRecorderWindow(QWidget *from, QWidget *to, bool forward, const std::function<void()> &endAction)
{
    // The shared card flip: the second window appears centred where the first was, then the end
    // action runs (the closing controller may already be gone by then; the flip keeps pictures).
    const auto action = endAction ? NXAction::actionWithTarget(this, [endAction](const QVariant &, const QVariant &) {
        endAction();
    })
                                  : nullptr;
    NXWindowTransition::transition().flipWindow(from, to, forward, action);
}
