#include "convert/engine/OutputReading.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

#include <sys/stat.h>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

namespace {

std::string errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

std::string secondsText(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

// A stretch of one stream's timestamps without a break.
struct Run
{
    double start = 0;
    double end = 0;

    bool holds(double at) const { return at >= start - kTimestampJumpSeconds && at <= end + kTimestampJumpSeconds; }
    void take(double at, double until)
    {
        start = std::min(start, at);
        end = std::max(end, until);
    }
};

// Timing of one stream over the packets read so far: its whole span, and the runs its timestamps
// make between breaks. Packets come in decoding order, so a frame shown just before a break may
// come just after it: it belongs to the run before.
struct StreamSpan
{
    double start = std::numeric_limits<double>::infinity();
    double end = -std::numeric_limits<double>::infinity();
    double lastStart = -std::numeric_limits<double>::infinity();
    long long packets = 0;
    long long timed = 0;       // packets with a timestamp
    int runs = 0;
    Run current;
    Run previous;
    double olderRuns = 0;      // the seconds of the runs before those two
    double firstRunStart = 0;  // later runs may begin before the first one
    OutputReading::Jump worst;

    void add(double at, double until)
    {
        start = std::min(start, at);
        end = std::max(end, until);
        lastStart = std::max(lastStart, at);
        if (timed++ == 0) {
            current = {at, until};
            runs = 1;
        } else if (current.holds(at)) {
            current.take(at, until);
        } else if (runs > 1 && previous.holds(at)) {
            previous.take(at, until);
        } else {
            if (const OutputReading::Jump seen{current.end, at}; seen.worseThan(worst))
                worst = seen;
            if (runs > 1)
                olderRuns += previous.end - previous.start;
            previous = current;
            current = {at, until};
            ++runs;
        }
        if (runs <= 2)
            firstRunStart = runs == 1 ? current.start : previous.start;
    }

    // From origin to the end of its last packet.
    double seconds(double origin) const { return end > start ? end - origin : 0; }
    // What its runs cover, after the gap between origin and the first.
    double playedSeconds(double origin) const
    {
        if (end <= start)
            return 0;
        return firstRunStart - origin + olderRuns + (runs > 1 ? previous.end - previous.start : 0) + current.end - current.start;
    }
};

enum class Kind { Other, Video, Audio, Subtitle };

Kind kindOf(const AVStream *stream)
{
    if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
        return Kind::Other;   // a cover picture is one still packet, not a stream that plays
    switch (stream->codecpar->codec_type) {
    case AVMEDIA_TYPE_VIDEO: return Kind::Video;
    case AVMEDIA_TYPE_AUDIO: return Kind::Audio;
    case AVMEDIA_TYPE_SUBTITLE: return Kind::Subtitle;
    default: return Kind::Other;
    }
}

bool plays(Kind kind)
{
    return kind == Kind::Video || kind == Kind::Audio;
}

struct InputCloser
{
    AVFormatContext *context = nullptr;
    ~InputCloser()
    {
        if (context)
            avformat_close_input(&context);
    }
};

} // namespace

OutputReading readOutputToEnd(const std::string &path)
{
    OutputReading reading;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        reading.why = "no output was written at " + path;
        return reading;
    }
    if (info.st_size == 0) {
        reading.why = "the output " + path + " is empty";
        return reading;
    }

    InputCloser input;
    int rc = avformat_open_input(&input.context, path.c_str(), nullptr, nullptr);
    if (rc < 0) {
        reading.why = path + " is not readable media (" + errorText(rc) + ")";
        return reading;
    }

    std::vector<StreamSpan> spans;
    AVPacket *packet = av_packet_alloc();
    if (!packet) {
        reading.why = "out of memory reading " + path;
        return reading;
    }
    double lastGood = 0;
    for (;;) {
        rc = av_read_frame(input.context, packet);
        if (rc < 0)
            break;
        const unsigned index = unsigned(packet->stream_index);
        if (index < input.context->nb_streams) {
            if (spans.size() <= index)
                spans.resize(index + 1);
            const AVStream *stream = input.context->streams[index];
            StreamSpan &span = spans[index];
            ++span.packets;
            const int64_t ts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (ts != AV_NOPTS_VALUE) {
                const double base = av_q2d(stream->time_base);
                const double at = double(ts) * base;
                const double duration = packet->duration > 0 ? double(packet->duration) * base : 0;
                span.add(at, at + duration);
                lastGood = std::max(lastGood, at + duration);
            }
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    if (rc != AVERROR_EOF) {
        reading.why = path + " cannot be read past " + secondsText(lastGood) + " (" + errorText(rc) + ")";
        return reading;
    }

    reading.timestampsMayRestart = (input.context->iformat->flags & AVFMT_TS_DISCONT) != 0;
    // Opened without a look at the streams, a container's duration is the one its header states.
    if (input.context->duration != AV_NOPTS_VALUE && input.context->duration > 0)
        reading.statedSeconds = double(input.context->duration) / AV_TIME_BASE;
    double origin = std::numeric_limits<double>::infinity(), playedOrigin = origin;
    for (unsigned i = 0; i < spans.size(); ++i) {
        if (plays(kindOf(input.context->streams[i])) && spans[i].timed > 0) {
            origin = std::min(origin, spans[i].start);
            playedOrigin = std::min(playedOrigin, spans[i].firstRunStart);
        }
    }
    const auto keepWorst = [&origin](OutputReading::Jump &kept, const OutputReading::Jump &seen) {
        const OutputReading::Jump fromOrigin{seen.from - origin, seen.to - origin};
        if (seen.found() && fromOrigin.worseThan(kept))
            kept = fromOrigin;
    };
    for (unsigned i = 0; i < spans.size(); ++i) {
        const Kind kind = kindOf(input.context->streams[i]);
        const StreamSpan &span = spans[i];
        if (kind == Kind::Other || span.packets == 0)
            continue;
        const double seconds = span.seconds(origin), played = span.playedSeconds(playedOrigin);
        if (kind == Kind::Subtitle) {
            if (span.timed > 0) {
                reading.subtitleSeconds = std::max(reading.subtitleSeconds, seconds);
                reading.subtitleStartSeconds = std::max(reading.subtitleStartSeconds, span.lastStart - origin);
            }
        } else if (kind == Kind::Video) {
            reading.videoPackets += span.packets;
            reading.videoSeconds = std::max(reading.videoSeconds, seconds);
            reading.videoPlayedSeconds = std::max(reading.videoPlayedSeconds, played);
            keepWorst(reading.videoJump, span.worst);
        } else {
            reading.audioPackets += span.packets;
            reading.audioSeconds = std::max(reading.audioSeconds, seconds);
            reading.audioPlayedSeconds = std::max(reading.audioPlayedSeconds, played);
            keepWorst(reading.audioJump, span.worst);
        }
    }
    if (reading.videoPackets + reading.audioPackets == 0) {
        reading.why = path + " holds no video or audio packet";
        return reading;
    }
    reading.readable = true;
    return reading;
}

std::string wholeOutputProblem(const OutputReading &reading, const OutputExpectation &expected)
{
    if (!reading.readable)
        return reading.why;
    if (expected.video && reading.videoPackets == 0)
        return "the output holds no video";
    if (expected.audio && reading.audioPackets == 0)
        return "the output holds no audio";
    constexpr const char *tooLong = "the output is longer than its title: the disc's data is damaged";
    if (expected.bounded && !reading.timestampsMayRestart) {
        // A step back is damage; a step ahead may be a still picture, unless it lands past the end.
        const auto broken = [&](const OutputReading::Jump &jump) {
            return jump.back() || (expected.seconds > 0 && jump.to > expected.seconds + kOutputLengthMarginSeconds);
        };
        for (const auto &[kind, jump] : {std::pair{"video", reading.videoJump}, std::pair{"audio", reading.audioJump}})
            if (jump.found() && broken(jump))
                return std::string(tooLong) + " (its " + kind + " timestamps jump from " + secondsText(jump.from) + " to "
                    + secondsText(jump.to) + ")";
    }
    if (expected.seconds <= 0)
        return {};
    if (expected.bounded && !reading.timestampsMayRestart) {
        // What players show as the length, and subtitles shown past the end, count as well; a
        // subtitle that starts before the end may finish its showing (the stated length with it).
        const double longest = expected.seconds + kOutputLengthMarginSeconds;
        const bool subtitleOverhangs = reading.subtitleStartSeconds >= 0 && reading.subtitleStartSeconds <= longest;
        const double shownLongest = subtitleOverhangs ? std::max(longest, std::min(reading.subtitleSeconds + kOutputLengthMarginSeconds,
                                                                                   longest + kSubtitleOverhangSeconds))
                                                      : longest;
        if (reading.statedSeconds > shownLongest)
            return std::string(tooLong) + " (it says it lasts " + secondsText(reading.statedSeconds) + ", the title "
                + secondsText(expected.seconds) + ")";
        if (reading.subtitleSeconds > shownLongest)
            return std::string(tooLong) + " (its subtitles last " + secondsText(reading.subtitleSeconds) + ", the title "
                + secondsText(expected.seconds) + ")";
    }
    const auto measure = [&](const char *kind, long long packets, double seconds, double wanted) -> std::string {
        if (packets == 0)
            return {};
        if (seconds < wanted - kOutputLengthMarginSeconds)
            return std::string("its ") + kind + " ends at " + secondsText(seconds) + " of the " + secondsText(wanted)
                + " converted: " + secondsText(wanted - seconds) + " are missing";
        if (expected.bounded && seconds > expected.seconds + kOutputLengthMarginSeconds)
            return std::string(tooLong) + " (its " + kind + " lasts " + secondsText(seconds) + ", the title "
                + secondsText(expected.seconds) + ")";
        return {};
    };
    // A title's output whose timestamps may start again is as long as what its runs play.
    const bool byRuns = expected.bounded && reading.timestampsMayRestart;
    const double audioWanted = expected.audioSeconds > 0 ? std::min(expected.audioSeconds, expected.seconds) : expected.seconds;
    std::string problem = measure("video", reading.videoPackets, byRuns ? reading.videoPlayedSeconds : reading.videoSeconds,
                                  expected.seconds);
    if (problem.empty())
        problem = measure("audio", reading.audioPackets, byRuns ? reading.audioPlayedSeconds : reading.audioSeconds,
                          audioWanted);
    return problem;
}
