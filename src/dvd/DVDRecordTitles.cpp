#include "discrecords/DVDInfoRecord.h"
#include "dvd/NXDVDUtilities.h"

#include "core/lang/LanguageNames.h"

#include <cstdio>
#include <cstring>

namespace {

QString codecOfVideo(int code)
{
    switch (code) {
    case 0: return QStringLiteral("mpeg1");
    case 1: return QStringLiteral("mpeg2");
    default: return QStringLiteral("unknown codec");
    }
}

QString standardOfVideo(int code)
{
    switch (code) {
    case 0: return QStringLiteral("ntsc");
    case 1: return QStringLiteral("pal");
    default: return QStringLiteral("unknown standard");
    }
}

QSizeF aspectOfVideo(int code)
{
    switch (code) {
    case 0: return QSizeF(4, 3);
    case 3: return QSizeF(16, 9);
    default:
        std::perror("Cannot parse DVD video aspect!!!");
        return QSizeF(1, 1);
    }
}

QSizeF resolutionOfVideo(int standard, int code)
{
    static const int widths[] = {720, 704, 352, 352};
    if (code < 0 || code > 3 || (standard != 0 && standard != 1))
        return QSizeF();
    const int fullHeight = standard == 0 ? 480 : 576;
    return QSizeF(widths[code], code == 3 ? fullHeight / 2 : fullHeight);
}

QString codecOfAudio(int code)
{
    switch (code) {
    case 0: return QStringLiteral("ac3");
    case 2: return QStringLiteral("mpeg1");
    case 3: return QStringLiteral("mpeg2");
    case 4: return QStringLiteral("lpcm");
    case 6: return QStringLiteral("dts");
    default: return QStringLiteral("unknown codec");
    }
}

// The code is read up to its NUL or the end of its field, whichever comes first, so a field
// the companion left unterminated cannot run past it.
QString languageNameOfField(const char *field, size_t width)
{
    const QByteArray code = QByteArray(field, int(strnlen(field, width))).trimmed();
    const char *name = code.isEmpty() ? nullptr : LanguageNameForCode(code.constData());
    return name ? QString::fromUtf8(name) : QStringLiteral("??");
}

float fpsOfRate(int code)
{
    return code == 3 ? 29.97f : code == 1 ? 25.0f : 0.0f;
}

DNDVDTitlePtr titleOfEntry(const DVDInfoTitleEntry &entry, int index)
{
    auto title = std::make_shared<DNDVDTitle>();
    title->setIndex(index);
    // A disc's playing time is at most 99:59:59; anything else is damage, and an unknown length.
    const bool sensible = entry.hours >= 0 && entry.hours <= 99 && entry.minutes >= 0 && entry.minutes <= 59
        && entry.seconds >= 0 && entry.seconds <= 59;
    title->setLength(sensible ? entry.hours * 3600 + entry.minutes * 60 + entry.seconds : 0);
    title->setFrames(float(entry.frames));
    title->setDiscBytes(qint64(entry.sectors) * 2048);
    title->setFps(fpsOfRate(entry.frame_rate));
    if (entry.main_title == 1) {
        title->setIsMainTitle(true);
        title->setIsSelected(true);
    }

    for (unsigned j = 0; entry.videos && j < entry.video_count; ++j) {
        const DVDInfoVideoEntry &v = entry.videos[j];
        auto video = std::make_shared<DNDVDTVideo>();
        video->setVideoCodec(codecOfVideo(v.codec));
        video->setVideoStandard(standardOfVideo(v.standard));
        video->setVideoAspect(aspectOfVideo(v.aspect));
        video->setVideoResolution(resolutionOfVideo(v.standard, v.picture_size));
        video->setIndex(int(j) + 1);
        title->videoTracks().append(video);
    }

    const unsigned audioCount = qMin<unsigned>(entry.audio_count, DVDInfoMaxAudioTracks);
    for (unsigned j = 0; entry.audios && j < audioCount; ++j) {
        const DVDInfoAudioEntry &a = entry.audios[j];
        auto audio = std::make_shared<DNDVDTAudio>();
        audio->setChannel(a.channels);
        audio->setAudioCodec(codecOfAudio(a.codec));
        audio->setAudioLang(languageNameOfField(a.language, sizeof a.language));
        audio->setIndex(int(j));
        audio->setAudioID(a.stream_id);
        title->audioTracks().append(audio);
    }

    const unsigned subtitleCount = qMin<unsigned>(entry.subtitle_count, DVDInfoMaxSubtitleTracks);
    for (unsigned j = 0; entry.subtitles && j < subtitleCount; ++j) {
        const DVDInfoSubtitleEntry &s = entry.subtitles[j];
        auto subtitle = std::make_shared<DNDVDTSubtitle>();
        subtitle->setIndex(int(j));
        subtitle->setSubtitleName(languageNameOfField(s.language, sizeof s.language));
        subtitle->setSubtitleID(s.stream_id);
        title->subtitleTracks().append(subtitle);
    }

    title->initializeTracksIndexOnDidLoadDVDTitleInfo();
    return title;
}

} // namespace

QList<DNDVDTitlePtr> NXDVDUtilities::titlesFromRecord(const DVDInfoRecord &record)
{
    QList<DNDVDTitlePtr> titles;
    for (unsigned i = 0; record.titles && i < record.title_count; ++i)
        titles.append(titleOfEntry(record.titles[i], int(i)));
    return titles;
}
