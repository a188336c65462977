#pragma once

// What the editor player tests share: the two previews side by side in a window, the player
// control that feeds them, and a record of what the control tells the editor.
#include "ui/player/player_test_support.h"

#include "player/HVPlayerArguments.h"
#include "playerchannel/HVPlayerChannel.h"
#include "ui/editor/player/NXViewRenderControl.h"
#include "ui/editor/preview/NXEditMovieView.h"

#include <QFile>
#include <QHBoxLayout>
#include <QTest>

namespace editorplayertest {

using playertest::waitFor;

// Counts the messages the editor controller receives.
struct VideoControl : NXViewRenderControlDelegate
{
    void videoWillStartAction(NXViewRenderControl *control) override
    {
        ++willStart;
        // What the controller reads at this moment.
        originalSizeAtStart = QSize(control->originalVideoWidth(), control->originalVideoHeight());
    }
    void videoStarted() override { ++started; }
    void videoPaused() override { ++paused; }
    void videoContinus() override { ++continued; }
    void videoStopped() override { ++stopped; }
    int willStart = 0, started = 0, paused = 0, continued = 0, stopped = 0;
    QSize originalSizeAtStart;
};

// An editor window: the source preview and the processed one, 400 x 300 each, fed by one player.
struct Editor
{
    Editor()
    {
        auto *layout = new QHBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        original = new NXEditMovieView;
        effect = new NXEditMovieView;
        for (NXEditMovieView *view : {original, effect}) {
            view->setFixedSize(400, 300);
            layout->addWidget(view);
        }
        control.setOriginalView(original);
        control.setEffectView(effect);
        control.setVideoControl(&events);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Plays the item as the editor does: the receiver first, then the scale and the left limit,
    // then the item's player arguments.
    void play(const NXMediaNodePtr &item, QSizeF scaled, float factor, float leftLimit)
    {
        control.auto_detect_video_format_with_node(item);
        control.setScaleVideoSize(scaled);
        control.setScaleVideoSizeFactor(factor);
        control.setLimitedLeftTime(leftLimit);
        control.playVideoWidthParams(*HVPlayerArguments::playbackParametersOf(item));
    }

    // Both previews hold a frame of that size.
    bool framesShownAt(QSize size)
    {
        return waitFor([&] {
            return original->currentVideoFrame().size() == size && effect->currentVideoFrame().size() == size;
        }, 20000);
    }

    // The first playback time the player reports once it plays.
    float firstReportedTime()
    {
        waitFor([&] { return control.currentPlaybackTime() > 0; }, 60000);
        return control.currentPlaybackTime();
    }

    void stopAndWait()
    {
        control.stopPlay();
        waitFor([&] { return events.stopped >= 1; }, 60000);
    }

    playertest::Application application;
    QWidget window;
    NXEditMovieView *original = nullptr;
    NXEditMovieView *effect = nullptr;
    NXViewRenderControl control;
    VideoControl events;
};

// The shared-memory object of an editor buffer name still exists.
inline bool editorBufferLeft(const QString &bufferName)
{
    const std::string name = HVPlayerChannel::sharedMemoryName(
        QFile::encodeName(MPlayerFrameReceiver::channelDirectory()).toStdString(), bufferName.toStdString());
    return QFile::exists(QStringLiteral("/dev/shm") + QString::fromStdString(name));
}

} // namespace editorplayertest
