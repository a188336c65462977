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

QString tr(const char *text)
{
    return QCoreApplication::translate("NXFloatInfoWindowController", text);
}

// Labels of a file item go through the translation table; a DVD's stay as written except
// its "Title %d".
using Label = QString (*)(const char *);
QString asWritten(const char *text)
{
    return QString::fromLatin1(text);
}

QString languageText(const QString &language, Label label)
{
    return language.size() < 2 ? label("Unknown") : language;
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
    const Label label = tr;
    NXFloatInfoContent content;
    content.title = lastPathComponent(file.path());
    // An audio-only file has no video track to take the duration from: its first audio track's.
    QString duration;
    if (!file.videoTracks().isEmpty())
        duration = file.videoTracks().first()->durationString;
    else if (!file.audioTracks().isEmpty())
        duration = file.audioTracks().first()->durationString;
    content.rows << NXObjKV::group(label("General"),
                                   {NXObjKV::kvWithKey(label("Total Video Streams"), QString::number(file.videoTracks().size())),
                                    NXObjKV::kvWithKey(label("Total Audio Streams"), QString::number(file.audioTracks().size())),
                                    NXObjKV::kvWithKey(label("Total Subtitle Streams"), QString::number(file.subtitleTracks().size())),
                                    NXObjKV::kvWithKey(label("Duration"), duration)});
    int n = 0;
    for (const DNTVideoPtr &video : file.videoTracks())
        content.rows << NXObjKV::group(label("Video %1").arg(++n),
                                       {NXObjKV::kvWithKey(label("Video Codec"), video->codec),
                                        NXObjKV::kvWithKey(label("Stream BitRate"), kbps(video->bitRate)),
                                        NXObjKV::kvWithKey(label("Frame Size"), label("%1x%2 pixels").arg(video->width).arg(video->height)),
                                        NXObjKV::kvWithKey(label("Aspect Ratio"), video->aspectRatio),
                                        NXObjKV::kvWithKey(label("Frame Rate"), QString::asprintf("%.2f fps", video->fps))});
    n = 0;
    for (const DNTAudioPtr &audio : file.audioTracks())
        content.rows << NXObjKV::group(label("Audio %1").arg(++n),
                                       {NXObjKV::kvWithKey(label("Audio Codec"), audio->codec),
                                        NXObjKV::kvWithKey(label("Channels"), QString::number(audio->channel)),
                                        NXObjKV::kvWithKey(label("Stream BitRate"), kbps(audio->bitRate)),
                                        NXObjKV::kvWithKey(label("Language"), languageText(audio->language, label))});
    n = 0;
    for (const DNTSubtitlePtr &subtitle : file.subtitleTracks())
        content.rows << NXObjKV::group(label("Subtitle %1").arg(++n),
                                       {NXObjKV::kvWithKey(label("Format"), languageText(subtitle->format, label)),
                                        NXObjKV::kvWithKey(label("Language"), languageText(subtitle->language, label))});
    return content;
}

NXObjKV titleRow(const DNDVDTitle &title)
{
    const Label label = asWritten;
    QList<NXObjKV> rows;
    const DNDVDTVideoPtr video = title.selectedVideoTrack();
    rows << NXObjKV::kvWithKey(label("Codec"), video ? video->videoCodec() : QString())
         << NXObjKV::kvWithKey(label("Resolution"),
                               video ? QString::asprintf("%.0fx%.0f", video->videoResolution().width(),
                                                         video->videoResolution().height())
                                     : QString())
         << NXObjKV::kvWithKey(label("Duration"), DNTimeStringFromSeconds(title.length()));
    int n = 0;
    for (const DNDVDTAudioPtr &audio : title.audioTracks())
        rows << NXObjKV::group(label("Audio %1").arg(++n),
                               {NXObjKV::kvWithKey(label("Codec"), audio->audioCodec()),
                                NXObjKV::kvWithKey(label("Channels"), QString::number(audio->channel())),
                                NXObjKV::kvWithKey(label("Language"), languageText(audio->audioLang(), label))});
    n = 0;
    for (const DNDVDTSubtitlePtr &subtitle : title.subtitleTracks()) {
        // The user's own subtitle files are not part of the disc.
        if (std::dynamic_pointer_cast<DNDVDTExtSubtitle>(subtitle))
            continue;
        rows << NXObjKV::group(label("Subtitle %1").arg(++n),
                               {NXObjKV::kvWithKey(label("Index"), QString::number(subtitle->index())),
                                NXObjKV::kvWithKey(label("Language"), languageText(subtitle->subtitleName(), label))});
    }
    return NXObjKV::group(tr("Title %1").arg(title.index() + 1), rows);
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
