#include "MovieCheck.h"

#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {
bool fail(std::string *why, const std::string &text)
{
    if (why)
        *why = text;
    return false;
}
} // namespace

bool movieIsComplete(const std::string &path, double seconds, double fps, bool wantAudio, std::string *why)
{
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, path.c_str(), nullptr, nullptr) < 0)
        return fail(why, "the movie cannot be opened");
    bool ok = avformat_find_stream_info(context, nullptr) >= 0;
    const int video = ok ? av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0) : -1;
    const int audio = ok ? av_find_best_stream(context, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0) : -1;
    double videoSeconds = -1;
    if (video >= 0) {
        const AVStream *stream = context->streams[video];
        if (stream->duration > 0)
            videoSeconds = double(stream->duration) * av_q2d(stream->time_base);
        else if (context->duration > 0)
            videoSeconds = double(context->duration) / AV_TIME_BASE;
    }
    avformat_close_input(&context);
    if (!ok || video < 0)
        return fail(why, "the movie has no video stream");
    if (wantAudio && audio < 0)
        return fail(why, "the movie has no audio stream");
    if (std::fabs(videoSeconds - seconds) > 1.0 / fps + 0.02)
        return fail(why, "the movie lasts " + std::to_string(videoSeconds) + " s instead of " + std::to_string(seconds));
    return true;
}
