#pragma once

#include "convert/capture/DNCaptureSource.h"

#include <QRect>
#include <QString>

// What the screen recorder records: an X display (the whole of it, or a rectangle in its pixels,
// origin at the top left), at most framesPerSecond pictures a second, the pointer drawn into the
// picture, and sound from a PulseAudio source when one is named.
struct DNScreenCaptureInput
{
    QString display;        // an X display name such as ":0"
    QRect cropRect;         // empty: the whole display
    int framesPerSecond = 24;
    bool drawsPointer = true;
    QString audioSource;    // PulseAudio source name; empty: no sound
};

class DNScreenCaptureSource : public DNCaptureSource
{
public:
    explicit DNScreenCaptureSource(DNScreenCaptureInput input) : input_(std::move(input)) {}
    QStringList inputArguments() const override;
    bool hasAudio() const override { return !input_.audioSource.isEmpty(); }
    int framesPerSecond() const override { return qMax(1, input_.framesPerSecond); }
    QString describe() const override;
    const DNScreenCaptureInput &input() const { return input_; }

private:
    DNScreenCaptureInput input_;
};

// Whether this session's screen can be recorded: only an X11 session can (a Wayland compositor
// shows its windows to no X client), and only with a display to connect to.
enum class DNScreenCaptureAvailability { Available, WaylandSession, NoDisplay };
DNScreenCaptureAvailability DNScreenCaptureAvailable();
// The display this session runs on ($DISPLAY); empty when there is none.
QString DNSessionDisplayName();
