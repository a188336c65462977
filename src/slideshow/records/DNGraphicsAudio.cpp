#include "slideshow/records/DNGraphicsAudio.h"

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
}

qint32 DNGraphicsAudio::approximateDurationOfAudioFile(const QString &path)
{
    if (path.isEmpty())
        return 0;
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return 0;
    qint32 seconds = 0;
    bool hasAudio = false;
    if (avformat_find_stream_info(context, nullptr) >= 0) {
        for (unsigned i = 0; i < context->nb_streams; ++i)
            hasAudio = hasAudio || context->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
        if (hasAudio && context->duration > 0)
            seconds = static_cast<qint32>(context->duration / AV_TIME_BASE);
    }
    avformat_close_input(&context);
    return seconds;
}
