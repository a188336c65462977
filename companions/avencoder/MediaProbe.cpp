#include "MediaProbe.h"

#include "enginekit/OutputCheckLine.h"

#include <algorithm>
#include <sys/stat.h>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

bool probeMedia(const std::string &path, MediaProbeResult &result, std::string &why)
{
    AVFormatContext *context = nullptr;
    int rc = avformat_open_input(&context, path.c_str(), nullptr, nullptr);
    if (rc < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(rc, text, sizeof text);
        why = "cannot open " + path + ": " + text;
        return false;
    }
    rc = avformat_find_stream_info(context, nullptr);
    if (rc < 0) {
        why = "cannot read the streams of " + path;
        avformat_close_input(&context);
        return false;
    }
    result = {};
    result.formatName = context->iformat && context->iformat->name ? context->iformat->name : "";
    if (context->duration > 0 && context->duration != AV_NOPTS_VALUE)
        result.durationSeconds = double(context->duration) / AV_TIME_BASE;
    result.bitRate = context->bit_rate > 0 ? context->bit_rate : 0;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVCodecParameters *p = context->streams[i]->codecpar;
        switch (p->codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            // A cover picture in an audio file is not a video stream.
            if (context->streams[i]->disposition & AV_DISPOSITION_ATTACHED_PIC)
                break;
            if (result.videoStreams++ == 0) {
                result.width = p->width;
                result.height = p->height;
            }
            break;
        case AVMEDIA_TYPE_AUDIO:
            ++result.audioStreams;
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            ++result.subtitleStreams;
            break;
        default:
            break;
        }
    }
    avformat_close_input(&context);
    return true;
}

bool outputIsCompleteMedia(const std::string &path, double expectedSeconds, std::string &why)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        why = "no output was written at " + path;
        return false;
    }
    if (st.st_size == 0) {
        why = "the output " + path + " is empty";
        return false;
    }
    MediaProbeResult probe;
    if (!probeMedia(path, probe, why))
        return false;
    if (probe.videoStreams + probe.audioStreams + probe.subtitleStreams == 0) {
        why = "the output " + path + " holds no stream";
        return false;
    }
    if (expectedSeconds > 0 && probe.durationSeconds > 0) {
        const double tolerance = std::max(1.0, expectedSeconds * 0.05);
        if (probe.durationSeconds + tolerance < expectedSeconds) {
            why = outputTooShortProblem(probe.durationSeconds, expectedSeconds);
            return false;
        }
    }
    return true;
}
