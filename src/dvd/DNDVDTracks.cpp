#include "dvd/DNDVDTAudio.h"
#include "dvd/DNDVDTSubtitle.h"
#include "dvd/DNDVDTVideo.h"

QString DNDVDTVideo::description() const
{
    return QStringLiteral("index:%1-->codec:%2").arg(index_).arg(videoCodec_);
}

int DNDVDTAudio::audioCodecPriority() const
{
    const QString codec = audioCodec_.toUpper();
    if (codec.startsWith(QLatin1String("AC")) || codec.startsWith(QLatin1String("DT")))
        return 100;
    if (codec == QLatin1String("MPEG2"))
        return 99;
    if (codec == QLatin1String("MPEG1"))
        return 98;
    if (codec == QLatin1String("LPCM"))
        return -1;
    return 0;
}

QString DNDVDTAudio::description() const
{
    return QStringLiteral("%1: lang-->%2 ID-->%3").arg(index_).arg(audioLang_).arg(audioID_);
}

QString DNDVDTSubtitle::description() const
{
    return QStringLiteral("index:%1-->lang:%2").arg(index_).arg(subtitleName_);
}
