#pragma once

class NXMPlayerView;

// What the full-screen playback view asks of its delegate (the preview player control): the
// view shows the bar and reads the keys, the delegate does everything to the player.
class NXMPlayerViewDelegate
{
public:
    virtual ~NXMPlayerViewDelegate() = default;

    virtual double fullScreenModeRequestVideoDuration() = 0;
    virtual double fullScreenModeRequestVideoVolume() = 0;
    virtual double fullScreenModeRequestVideoCurrentPlaybackTime() = 0;
    virtual void fullScreenModeRequestPauseOrContinue(NXMPlayerView *view) = 0;
    virtual void fullScreenModeRequestSeek(NXMPlayerView *view, double seconds) = 0;
    virtual void fullScreenModeRequestLouderVolume(NXMPlayerView *view) = 0;
    virtual void fullScreenModeRequestLowerVolume(NXMPlayerView *view) = 0;
    virtual void fullScreenModeRequestSetVolume(NXMPlayerView *view, float volume) = 0;
    virtual void fullScreenModeRequestExite(NXMPlayerView *view) = 0;
    // The bar is about to show: make room for it at the bottom.
    virtual void fullScreenModeWillShowControlBar() = 0;
    // The bar is gone: the picture may take the whole screen again.
    virtual void fullScreenModeDidHiddenControlBar() = 0;
};
