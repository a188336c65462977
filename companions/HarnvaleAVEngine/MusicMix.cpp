#include "MusicMix.h"

#include <QFile>

#include <cstdio>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

// The length of the audio in path in seconds; negative when it holds no audio.
double audioSeconds(const QString &path)
{
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return -1;
    double seconds = -1;
    if (avformat_find_stream_info(context, nullptr) >= 0
        && av_find_best_stream(context, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0) >= 0 && context->duration > 0)
        seconds = double(context->duration) / AV_TIME_BASE;
    avformat_close_input(&context);
    return seconds;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

} // namespace

std::vector<MusicTrack> readableMusic(const QStringList &paths)
{
    std::vector<MusicTrack> tracks;
    for (const QString &path : paths) {
        const double seconds = audioSeconds(path);
        if (seconds > 0)
            tracks.push_back({path, seconds});
        else
            std::fprintf(stderr, "HarnvaleAVEngine: no music in %s, left out\n", QFile::encodeName(path).constData());
    }
    return tracks;
}

MusicMix musicMix(const std::vector<MusicTrack> &tracks, double seconds, int firstInput)
{
    MusicMix mix;
    if (tracks.empty() || seconds <= 0)
        return mix;
    double total = 0;
    std::string labels;
    for (size_t i = 0; i < tracks.size(); ++i) {
        mix.inputs.insert(mix.inputs.end(), {"-i", QFile::encodeName(tracks[i].path).toStdString()});
        const std::string label = "[m" + std::to_string(i) + "]";
        // concat wants one sample rate and layout from every file.
        mix.graph += "[" + std::to_string(firstInput + int(i)) + ":a:0]aresample=48000,"
                     "aformat=sample_fmts=fltp:sample_rates=48000:channel_layouts=stereo" + label + ";";
        labels += label;
        total += tracks[i].seconds;
    }
    if (tracks.size() > 1)
        mix.graph += labels + "concat=n=" + std::to_string(tracks.size()) + ":v=0:a=1";
    else
        mix.graph += labels + "anull";
    // aloop keeps what it has heard; only music shorter than the movie needs it, and that is
    // short enough to keep.
    if (total < seconds)
        mix.graph += ",aloop=loop=-1:size=2147483647";
    mix.graph += ",atrim=duration=" + number(seconds) + "[music]";
    return mix;
}
