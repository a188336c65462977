// The main window's part for the online-video window: its button opens the window with the
// flip, and when the window closes the main window flips back in its place.
#include "NXAppController.h"

#include "DNWindow.h"

#include "ui/controls/DNButton.h"
#include "ui/onlinevideo/NXYoutubeControlller.h"
#include "ui/transition/NXWindowTransition.h"

void NXAppController::setupOnlineVideoWindow()
{
    if (youtubeDownloadButton) {
        youtubeDownloadButton->setHighlightImage(QStringLiteral("online_video_on.png"));
        connect(youtubeDownloadButton, &QPushButton::clicked, this, &NXAppController::youtubeDownloader);
    }
    DNNotificationCenter::defaultCenter().addObserver(
        this, NXYoutubeControlller::windowWillCloseNotification, [this](const DNNotification &notification) {
            // Only the window this controller opened comes back here.
            if (youtube && notification.object.value<QObject *>() == dynamic_cast<QObject *>(youtube.get()))
                onNXYoutubeWindowWillCloseNotification();
        });
}

void NXAppController::youtubeDownloader()
{
    if (youtube) {
        youtube->window()->raise();
        youtube->window()->activateWindow();
        return;
    }
    auto controller = std::make_unique<NXYoutubeControlller>();
    QWidget *window = controller->window();
    youtube = std::move(controller);
    NXWindowTransition::transition().flipWindow(mainWindow, window, true);
}
