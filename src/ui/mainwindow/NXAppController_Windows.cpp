// The output folder field's buttons and the windows the main window opens: preferences,
// about box, update wizard, and the hand-back of a tool window that closes.
#include "NXAppController.h"

#include "DNWindow.h"

#include "core/action/NXAction.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemActions.h"
#include "ui/about/NXAboutInfoController.h"
#include "ui/prefs/NXFolderChoice.h"
#include "ui/prefs/NXMainSettingController.h"
#include "ui/transition/NXWindowTransition.h"
#include "ui/update/DNYTBUpdateController.h"

#include <QApplication>

namespace {
QObject *windowOrSelf(NXAppController *c)
{
    return c->mainWindow ? static_cast<QObject *>(c->mainWindow.data()) : c;
}
} // namespace

void NXAppController::browseToSelectOutputFolder()
{
    NXBeginFolderPanel(mainWindow, DNSetting::shareSetting().appSetting()->videoOutputDirectory(),
                       [this](int returnCode, const QString &path) { openBrowseOutputPanelDidEnd(returnCode, path); });
}

void NXAppController::openBrowseOutputPanelDidEnd(int returnCode, const QString &path)
{
    if (returnCode != 1 || !NXAcceptChosenFolder(mainWindow, path))
        return;
    if (outputFolderField)
        outputFolderField->setText(path);
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(path);
}

void NXAppController::openOutputFolder()
{
    if (outputFolderField)
        DNOpenFolderInFinder(outputFolderField->text());
}

void NXAppController::onAbout()
{
    // The sheets live as long as the window they hang on.
    if (!aboutInfoController)
        aboutInfoController = new NXAboutInfoController(windowOrSelf(this));
    aboutInfoController->showWithInWindow(mainWindow);
}

void NXAppController::setting()
{
    if (!mainSettingController)
        mainSettingController = new NXMainSettingController(windowOrSelf(this));
    mainSettingController->setDelegate(this);
    mainSettingController->showSettingPanelAttench2Window(mainWindow);
}

void NXAppController::checkNewVersion()
{
    if (!u2bUpdateController)
        u2bUpdateController = new DNYTBUpdateController(windowOrSelf(this));
    u2bUpdateController->showUpgradePanel(mainWindow);
}

void NXAppController::checkAppNewVersion()
{
    // Runs on a thread of its own: the controller is only looked at again on the main thread.
    const QPointer<NXAppController> controller(this);
    if (!DNYTBUpdateController::hasNewVersion())
        return;
    QMetaObject::invokeMethod(
        qApp,
        [controller] {
            if (controller)
                controller->checkNewVersion();
        },
        Qt::QueuedConnection);
}

void NXAppController::onNXYoutubeWindowWillCloseNotification()
{
    handBackToolWindow(youtube);
}

void NXAppController::handBackToolWindow(std::unique_ptr<NXToolWindowController> &field)
{
    QWidget *closing = field ? field->window() : nullptr;
    const QRect frame = closing ? closing->frameGeometry() : QRect();
    if (mainWindow) {
        const QSize size = mainWindow->frameGeometry().size();
        mainWindow->move(frame.x() + frame.width() / 2 - size.width() / 2,
                         frame.y() + frame.height() / 2 - size.height() / 2);
    }
    const QStringList recordings = field ? field->fileListNeedToConvert() : QStringList();
    const auto addRecordings = NXAction::actionWithTarget(this, [this, recordings](const QVariant &, const QVariant &) {
        if (!recordings.isEmpty())
            addFilesFromContentOfFiles(recordings);
    });
    NXWindowTransition::transition().flipWindow(closing, mainWindow, false, addRecordings);
    field.reset();
}
