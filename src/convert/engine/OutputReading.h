#pragma once

#include <string>

// What reading a written media file packet by packet to its end found. Only the packets count:
// a container header may claim a length the file no longer holds (an AVI cut short by a full disk
// still says how long it was meant to be), so lengths here come from the timestamps of the last
// packets actually read. Packets are not decoded, which keeps the reading cheap.
//
// Plain C++ and libavformat only, so that the companions can build this file too.
struct OutputReading
{
    bool readable = false;       // the file opened as media and was read to its end
    std::string why;             // when not readable: what went wrong
    long long videoPackets = 0;  // of the video streams (cover pictures not counted)
    long long audioPackets = 0;
    // From the file's first timestamp to the end of the last packet of the kind; -1 with no packet.
    double videoSeconds = -1;
    double audioSeconds = -1;
    // The same with the breaks left out: the runs between them added up. In a container whose
    // timestamps may start again (MPEG program and transport streams) this is what plays.
    double videoPlayedSeconds = -1;
    double audioPlayedSeconds = -1;
    // A break in a kind's timestamps: more than kTimestampJumpSeconds forward or back from the
    // packets before it, in seconds from the file's first timestamp; from == to when there is
    // none. The one kept is the widest step back, else the step ahead that lands furthest.
    struct Jump
    {
        double from = 0;
        double to = 0;
        bool found() const { return from != to; }
        bool back() const { return to < from; }
        bool worseThan(const Jump &other) const
        {
            if (!found() || !other.found())
                return found();
            if (back() != other.back())
                return back();
            return back() ? from - to > other.from - other.to : to > other.to;
        }
    };
    Jump videoJump;
    Jump audioJump;
    bool timestampsMayRestart = false;   // the container allows breaks (they are then no damage)
    double subtitleSeconds = -1;         // to the end of the last subtitle shown; -1 with none
    double subtitleStartSeconds = -1;    // when the last subtitle starts to show; -1 with none
    double statedSeconds = -1;           // the length the container's header states; -1 when it states none
};

// How far timestamps may step between packets of one stream before the step is a break.
constexpr double kTimestampJumpSeconds = 1.0;
// How long a subtitle that starts before a title's end may stay on screen after it: a trimmed
// title keeps the line being spoken at its end for the time the disc shows it.
constexpr double kSubtitleOverhangSeconds = 10.0;

OutputReading readOutputToEnd(const std::string &path);

// What a pass's output must hold to count as whole.
struct OutputExpectation
{
    double seconds = 0;        // the length converted; 0 when not known (then only readability counts)
    bool video = false;        // a video stream is required
    bool audio = false;        // an audio stream is required
    // The output must not run past seconds nor its timestamps break either: a DVD title's pass,
    // whose engine, led by damaged IFO or VOB data, may write another title or hours of nothing.
    bool bounded = false;
    double audioSeconds = 0;   // above 0: the source's audio ends before seconds, here
};

// How far a stream's length may fall short of the length converted, or (bounded) run past it:
// encoders round the ends of a part to frames and audio blocks. A fixed margin, not a share: a
// long title that lost its last minute is not whole.
constexpr double kOutputLengthMarginSeconds = 1.0;

// Empty when reading shows a whole output: readable to its end, the required streams present, and
// every video and audio stream it holds reaching the expected length (and, bounded, neither its
// streams, its subtitles nor its header running past it, nor its timestamps breaking). Otherwise
// why not, for the log.
std::string wholeOutputProblem(const OutputReading &reading, const OutputExpectation &expected);
