#include "MediaFacts.h"

#include <cstdio>

#include <sys/stat.h>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {
double streamSeconds(const AVStream *stream)
{
    if (stream->duration == AV_NOPTS_VALUE || stream->duration <= 0)
        return 0;
    return double(stream->duration) * av_q2d(stream->time_base);
}

// Whether the container's header already names every stream's codec and gives the length (MP4,
// Matroska, AVI, NUT with its index): then the streams need not be probed by decoding their first
// packets, which starts decoder threads and costs more than the rest of the reading. A stream-only
// container (MPEG-PS, elementary streams) names its streams only once probed.
bool headerTellsAll(const AVFormatContext *context)
{
    if (context->nb_streams == 0 || (context->ctx_flags & AVFMTCTX_NOHEADER))
        return false;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (stream->codecpar->codec_id == AV_CODEC_ID_NONE)
            return false;
        if (context->duration <= 0 && streamSeconds(stream) <= 0)
            return false;
    }
    return true;
}

std::string secondsText(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}
} // namespace

MediaFacts readMediaFacts(const std::string &path)
{
    MediaFacts facts;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        facts.why = "no file at " + path;
        return facts;
    }
    if (info.st_size <= 0) {
        facts.why = path + " is empty";
        return facts;
    }
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, path.c_str(), nullptr, nullptr) != 0) {
        facts.why = path + " is not readable media";
        return facts;
    }
    if ((!headerTellsAll(context) && avformat_find_stream_info(context, nullptr) < 0) || context->nb_streams == 0) {
        facts.why = path + " holds no readable stream";
        avformat_close_input(&context);
        return facts;
    }
    double longest = 0;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        const AVMediaType type = stream->codecpar->codec_type;
        const double s = streamSeconds(stream);
        longest = std::max(longest, s);
        if (type == AVMEDIA_TYPE_VIDEO && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
            && stream->codecpar->codec_id != AV_CODEC_ID_NONE)
            facts.hasVideo = true;
        if (type == AVMEDIA_TYPE_AUDIO && !facts.hasAudio) {
            facts.hasAudio = true;
            facts.audioSeconds = s;
        }
    }
    facts.seconds = context->duration > 0 ? double(context->duration) / AV_TIME_BASE : longest;
    facts.readable = true;
    avformat_close_input(&context);
    return facts;
}

MEncoderInputFacts readInputFacts(const std::string &path)
{
    const MediaFacts facts = readMediaFacts(path);
    MEncoderInputFacts input;
    input.readable = facts.readable;
    input.seconds = facts.seconds;
    input.hasAudio = facts.hasAudio;
    input.hasVideo = facts.hasVideo;
    return input;
}

std::string checkPassOutput(const MEncoderPlan &plan)
{
    if (plan.output == "/dev/null") {
        // A first pass writes only its statistics.
        if (plan.passLogFile.empty())
            return {};
        struct stat info {};
        if (::stat(plan.passLogFile.c_str(), &info) != 0 || info.st_size <= 0)
            return "the first pass wrote no statistics to " + plan.passLogFile;
        return {};
    }
    const MediaFacts facts = readMediaFacts(plan.output);
    if (!facts.readable)
        return facts.why;
    if (plan.expectVideo && !facts.hasVideo)
        return plan.output + " has no video stream";
    if (plan.expectAudio && !facts.hasAudio)
        return plan.output + " has no audio stream";
    if (plan.partSeconds > 0) {
        // Encoders round the ends of a part to whole frames and audio blocks.
        const double shortest = plan.partSeconds * 0.9 - 1.0;
        if (facts.seconds > 0 && facts.seconds < shortest)
            return plan.output + " is " + secondsText(facts.seconds) + " long where " + secondsText(plan.partSeconds)
                + " were converted";
        if (plan.expectAudio && facts.audioSeconds > 0 && facts.audioSeconds < shortest)
            return "the audio of " + plan.output + " stops at " + secondsText(facts.audioSeconds) + " of "
                + secondsText(plan.partSeconds);
    }
    return {};
}
