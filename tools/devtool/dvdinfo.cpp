// dvdinfo SOURCE: the node the DVD reader makes of a source, as JSON.
#include "DevtoolCommand.h"
#include "DevtoolItems.h"

#include "dvd/NXDVDUtilities.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject videoJson(const DNDVDTVideo &video)
{
    return {{"index", video.index()},
            {"codec", video.videoCodec()},
            {"standard", video.videoStandard()},
            {"aspect", QJsonArray{video.videoAspect().width(), video.videoAspect().height()}},
            {"resolution", QJsonArray{video.videoResolution().width(), video.videoResolution().height()}}};
}

QJsonObject audioJson(const DNDVDTAudio &audio)
{
    return {{"index", audio.index()},
            {"codec", audio.audioCodec()},
            {"language", audio.audioLang()},
            {"streamId", audio.audioID()},
            {"channels", audio.channel()}};
}

QJsonObject subtitleJson(const DNDVDTSubtitle &subtitle)
{
    return {{"index", subtitle.index()}, {"name", subtitle.subtitleName()}, {"streamId", subtitle.subtitleID()}};
}

QJsonObject titleJson(const DNDVDTitle &title)
{
    QJsonArray videos, audios, subtitles;
    for (const auto &v : title.videoTracks())
        videos.append(videoJson(*v));
    for (const auto &a : title.audioTracks())
        audios.append(audioJson(*a));
    for (const auto &s : title.subtitleTracks())
        subtitles.append(subtitleJson(*s));
    return {{"index", title.index()},
            {"length", title.length()},
            {"fps", double(title.fps())},
            {"frames", double(title.frames())},
            {"discBytes", double(title.discBytes())},
            {"isMainTitle", title.isMainTitle()},
            {"isSelected", title.isSelected()},
            {"audioIndex", title.setting()->audioIndex()},
            {"subtitleIndex", title.setting()->subtitleIndex()},
            {"video", videos},
            {"audio", audios},
            {"subtitles", subtitles}};
}

} // namespace

int dvdinfoCommand(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return devtoolFail("dvdinfo", QStringLiteral("usage: talvane-devtool dvdinfo SOURCE"));
    if (const QString problem = devtoolSourceProblem(arguments.first()); !problem.isEmpty())
        return devtoolFail("dvdinfo", problem);
    const NXDVDSourceInfoPtr source = NXDVDUtilities::sourceInfoForDVDPath(arguments.first());
    QString error;
    const DNDVDNodePtr node = NXDVDUtilities::loadDVDNode(source, &error);
    if (!node)
        return devtoolFail("dvdinfo", error);

    QJsonArray titles;
    for (const DNDVDTitlePtr &title : node->titles())
        titles.append(titleJson(*title));
    const QJsonObject json{{"sourceType", source->sourceType()},
                           {"path", source->path()},
                           {"name", source->name()},
                           {"playbackPath", source->playbackPath()},
                           {"titleSelected", node->titleSelected()},
                           {"numberOfTitles", int(titles.size())},
                           {"titles", titles}};
    devtoolPrint(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)));
    return 0;
}
