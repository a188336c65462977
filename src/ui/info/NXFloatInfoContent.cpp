#include "NXFloatInfoContent.h"

#include "core/model/NXMediaType.h"
#include "core/util/DNTimeText.h"
#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTExtSubtitle.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/file/DNFileNode.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <typeinfo>

namespace {

// Labels of a file item go through the translation table; a DVD's stay as written except
// its "Title %d".
struct Localised
{
    Q_DECLARE_TR_FUNCTIONS(NXFloatInfoWindowController)
};

QString languageText(const QString &language, const QString &unknown)
{
    return language.size() < 2 ? unknown : language;
}

QString kbps(int bitRate)
{
    return QString::asprintf("%.f Kbps", bitRate > 0 ? bitRate / 1000.0 : 0.0);
}

QString lastPathComponent(const QString &path)
{
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    return QFileInfo(trimmed).fileName();
}

NXFloatInfoContent fileContent(const DNFileNode &file)
{
    const QString unknown = Localised::tr("Unknown");
    NXFloatInfoContent content;
    content.title = lastPathComponent(file.path());
    // An audio-only file has no video track to take the duration from: its first audio track's.
    QString duration;
    if (!file.videoTracks().isEmpty())
        duration = file.videoTracks().first()->durationString;
    else if (!file.audioTracks().isEmpty())
        duration = file.audioTracks().first()->durationString;
    content.rows << NXObjKV::group(Localised::tr("General"),
                                   {NXObjKV::kvWithKey(Localised::tr("Total Video Streams"), QString::number(file.videoTracks().size())),
                                    NXObjKV::kvWithKey(Localised::tr("Total Audio Streams"), QString::number(file.audioTracks().size())),
                                    NXObjKV::kvWithKey(Localised::tr("Total Subtitle Streams"), QString::number(file.subtitleTracks().size())),
                                    NXObjKV::kvWithKey(Localised::tr("Duration"), duration)});
    int n = 0;
    for (const DNTVideoPtr &video : file.videoTracks())
        content.rows << NXObjKV::group(Localised::tr("Video %1").arg(++n),
                                       {NXObjKV::kvWithKey(Localised::tr("Video Codec"), video->codec),
                                        NXObjKV::kvWithKey(Localised::tr("Stream BitRate"), kbps(video->bitRate)),
                                        NXObjKV::kvWithKey(Localised::tr("Frame Size"), Localised::tr("%1x%2 pixels").arg(video->width).arg(video->height)),
                                        NXObjKV::kvWithKey(Localised::tr("Aspect Ratio"), video->aspectRatio),
                                        NXObjKV::kvWithKey(Localised::tr("Frame Rate"), QString::asprintf("%.2f fps", video->fps))});
    n = 0;
    for (const DNTAudioPtr &audio : file.audioTracks())
        content.rows << NXObjKV::group(Localised::tr("Audio %1").arg(++n),
                                       {NXObjKV::kvWithKey(Localised::tr("Audio Codec"), audio->codec),
                                        NXObjKV::kvWithKey(Localised::tr("Channels"), QString::number(audio->channel)),
                                        NXObjKV::kvWithKey(Localised::tr("Stream BitRate"), kbps(audio->bitRate)),
                                        NXObjKV::kvWithKey(Localised::tr("Language"), languageText(audio->language, unknown))});
    n = 0;
    for (const DNTSubtitlePtr &subtitle : file.subtitleTracks())
        content.rows << NXObjKV::group(Localised::tr("Subtitle %1").arg(++n),
                                       {NXObjKV::kvWithKey(Localised::tr("Format"), languageText(subtitle->format, unknown)),
                                        NXObjKV::kvWithKey(Localised::tr("Language"), languageText(subtitle->language, unknown))});
    return content;
}

NXObjKV titleRow(const DNDVDTitle &title)
{
    const QString unknown = QStringLiteral("Unknown");
    QList<NXObjKV> rows;
    const DNDVDTVideoPtr video = title.selectedVideoTrack();
    rows << NXObjKV::kvWithKey(QStringLiteral("Codec"), video ? video->videoCodec() : QString())
         << NXObjKV::kvWithKey(QStringLiteral("Resolution"),
                               video ? QString::asprintf("%.0fx%.0f", video->videoResolution().width(),
                                                         video->videoResolution().height())
                                     : QString())
         << NXObjKV::kvWithKey(QStringLiteral("Duration"), DNTimeStringFromSeconds(title.length()));
    int n = 0;
    for (const DNDVDTAudioPtr &audio : title.audioTracks())
        rows << NXObjKV::group(QStringLiteral("Audio %1").arg(++n),
                               {NXObjKV::kvWithKey(QStringLiteral("Codec"), audio->audioCodec()),
                                NXObjKV::kvWithKey(QStringLiteral("Channels"), QString::number(audio->channel())),
                                NXObjKV::kvWithKey(QStringLiteral("Language"), languageText(audio->audioLang(), unknown))});
    n = 0;
    for (const DNDVDTSubtitlePtr &subtitle : title.subtitleTracks()) {
        // The user's own subtitle files are not part of the disc.
        if (std::dynamic_pointer_cast<DNDVDTExtSubtitle>(subtitle))
            continue;
        rows << NXObjKV::group(QStringLiteral("Subtitle %1").arg(++n),
                               {NXObjKV::kvWithKey(QStringLiteral("Index"), QString::number(subtitle->index())),
                                NXObjKV::kvWithKey(QStringLiteral("Language"), languageText(subtitle->subtitleName(), unknown))});
    }
    return NXObjKV::group(Localised::tr("Title %1").arg(title.index() + 1), rows);
}

NXFloatInfoContent dvdContent(const DNDVDNode &dvd)
{
    NXFloatInfoContent content;
    const QString source = dvd.sourceInfo() ? dvd.sourceInfo()->path() : QString();
    content.title = lastPathComponent(source);
    int mainTitle = 0;
    for (const DNDVDTitlePtr &title : dvd.titles()) {
        if (title->isMainTitle())
            mainTitle = title->index();
        if (title->isSelected())
            content.rows << titleRow(*title);
    }
    content.rows.prepend(NXObjKV::group(QStringLiteral("General"),
                                        {NXObjKV::kvWithKey(QStringLiteral("Source"), source),
                                         NXObjKV::kvWithKey(QStringLiteral("Titles"), QString::number(dvd.children().size())),
                                         NXObjKV::kvWithKey(QStringLiteral("MainTitle"), QString::number(mainTitle + 1))}));
    return content;
}

} // namespace

NXFloatInfoContent NXFloatInfoContent::forNode(const NXMediaNodePtr &node)
{
    if (!node)
        return NXFloatInfoContent();
    const NXBasicMediaNode &entry = *node;
    if (typeid(entry) == typeid(DNFileNode))
        return fileContent(static_cast<const DNFileNode &>(entry));
    if (typeid(entry) == typeid(DNDVDNode))
        return dvdContent(static_cast<const DNDVDNode &>(entry));
    return NXFloatInfoContent();
}

bool NXFloatInfoHidesForMediaType(int mediaType)
{
    return mediaType == NXMediaTypeGraphics || mediaType == NXMediaTypeDVDTitle || mediaType == NXMediaTypeFileGroup;
}
