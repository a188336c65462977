#pragma once

#include <QImage>
#include <QList>

class NXEffectManager;

// Where each moment of a slideshow movie lies. Every photo has a slot of (showDuration + 1)
// seconds: one second of transition from the photo before it (the blank frame before the
// first) into it, then showDuration seconds of the photo alone; a cut shows it at once. So n photos last
// n x (showDuration + 1) seconds, as the slideshow item counts its length.
class NXSlideshowTimeline
{
public:
    static constexpr double kTransitionSeconds = 1.0;

    NXSlideshowTimeline(int photoCount, double showDuration, double fps, QList<int> effects);

    double duration() const;
    // Frames in the movie: its length in frames, rounded.
    int totalFrames() const;
    double fps() const { return fps_; }

    struct Moment
    {
        int photo = 0;        // the photo shown or being brought in
        int previous = -1;    // the photo it comes from; -1: the blank frame
        int transition = 18;  // the transition type into photo
        double elapsed = 1.0; // how far the transition is, 0 to 1; 1 once the photo stands alone (and for a cut)
        bool inTransition() const { return elapsed < 1.0; }
    };
    Moment momentAtTime(double seconds) const;
    Moment momentOfFrame(int frame) const { return momentAtTime(frame / fps_); }
    // The transition type into photo: the effects in turn; a cut when there are none.
    int transitionInto(int photo) const;

private:
    int photoCount_;
    double slot_;
    double fps_;
    QList<int> effects_;
};

// The picture of a moment between the pictures of its previous photo (or the blank frame) and
// its photo: the transition's frame at the manager's timing curve over the elapsed second.
QImage NXSlideshowFrame(NXEffectManager &manager, const NXSlideshowTimeline::Moment &moment, const QImage &from,
                        const QImage &to);

// A frame as a movie shows it: size pixels, opaque, on black wherever the frame is see-through
// or does not reach (32-bit RGB).
QImage NXMovieFrame(const QImage &frame, QSize size);
