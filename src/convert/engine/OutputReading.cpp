#include "convert/engine/OutputReading.h"

#include <algorithm>
#include <cstdio>
#include <limits>
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

// Timing of one stream over the packets read so far.
struct StreamSpan
{
    double start = std::numeric_limits<double>::infinity();
    double end = -std::numeric_limits<double>::infinity();
    long long packets = 0;
};

enum class Kind { Other, Video, Audio };

Kind kindOf(const AVStream *stream)
{
    if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
        return Kind::Other;   // a cover picture is one still packet, not a stream that plays
    switch (stream->codecpar->codec_type) {
    case AVMEDIA_TYPE_VIDEO: return Kind::Video;
    case AVMEDIA_TYPE_AUDIO: return Kind::Audio;
    default: return Kind::Other;
    }
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
                span.start = std::min(span.start, at);
                span.end = std::max(span.end, at + duration);
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

    double origin = std::numeric_limits<double>::infinity();
    for (unsigned i = 0; i < spans.size(); ++i)
        if (kindOf(input.context->streams[i]) != Kind::Other && spans[i].packets > 0)
            origin = std::min(origin, spans[i].start);
    for (unsigned i = 0; i < spans.size(); ++i) {
        const Kind kind = kindOf(input.context->streams[i]);
        const StreamSpan &span = spans[i];
        if (kind == Kind::Other || span.packets == 0)
            continue;
        const double seconds = span.end > span.start ? span.end - origin : 0;
        if (kind == Kind::Video) {
            reading.videoPackets += span.packets;
            reading.videoSeconds = std::max(reading.videoSeconds, seconds);
        } else {
            reading.audioPackets += span.packets;
            reading.audioSeconds = std::max(reading.audioSeconds, seconds);
        }
    }
    if (reading.videoPackets + reading.audioPackets == 0) {
        reading.why = path + " holds no video or audio packet";
        return reading;
    }
    reading.readable = true;
    return reading;
}

double allowedShortfallSeconds(double expectedSeconds)
{
    return std::max(1.5, expectedSeconds * 0.02);
}

std::string wholeOutputProblem(const OutputReading &reading, const OutputExpectation &expected)
{
    if (!reading.readable)
        return reading.why;
    if (expected.video && reading.videoPackets == 0)
        return "the output holds no video";
    if (expected.audio && reading.audioPackets == 0)
        return "the output holds no audio";
    if (expected.seconds <= 0)
        return {};
    const double shortest = expected.seconds - allowedShortfallSeconds(expected.seconds);
    const auto cut = [&](const char *kind, double seconds) {
        return std::string("its ") + kind + " ends at " + secondsText(seconds) + " of the " + secondsText(expected.seconds)
            + " converted";
    };
    if (reading.videoPackets > 0 && reading.videoSeconds < shortest)
        return cut("video", reading.videoSeconds);
    if (reading.audioPackets > 0 && reading.audioSeconds < shortest)
        return cut("audio", reading.audioSeconds);
    return {};
}
