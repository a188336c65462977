// probe FILE: the file item the loader makes of a media file, as JSON.
#include "DevtoolCommand.h"
#include "DevtoolItems.h"

#include "convert/files/DNMediaFileProbe.h"
#include "profiles/DNProfile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <exception>

namespace {

QJsonObject videoJson(const DNTVideo &v)
{
    return {{"id", v.vid},
            {"width", v.width},
            {"height", v.height},
            {"rotation", v.rotation},
            {"duration", double(v.duration)},
            {"fps", double(v.fps)},
            {"bitRateMode", v.bitRateMode},
            {"bitRate", v.bitRate},
            {"pixelAspect", double(v.pixelAspect)},
            {"aspect", QJsonArray{double(v.aw), double(v.ah)}},
            {"aspectRatio", v.aspectRatio},
            {"codec", v.codec},
            {"codecCC", v.codecCC},
            {"durationString", v.durationString}};
}

QJsonObject audioJson(const DNTAudio &a)
{
    return {{"id", a.aid},
            {"samplingRate", a.samplingRate},
            {"bitRate", a.bitRate},
            {"channels", a.channel},
            {"duration", double(a.duration)},
            {"codec", a.codec},
            {"codecCC", a.codecCC},
            {"language", a.language},
            {"durationString", a.durationString}};
}

QJsonObject subtitleJson(const DNTSubtitle &s)
{
    if (const auto *ext = dynamic_cast<const DNTExtSubtitle *>(&s))
        return {{"external", true}, {"path", ext->path()}, {"codePage", ext->codePage()},
                {"fontSize", int(ext->fontSize())}};
    return {{"external", false}, {"id", s.sid}, {"codecID", s.codecID}, {"format", s.format},
            {"language", s.language}, {"textFormat", s.isTextformat()}};
}

QJsonObject nodeJson(const DNFileNode &node)
{
    QJsonArray videos, audios, subtitles;
    for (const auto &v : node.videoTracks())
        videos.append(videoJson(*v));
    for (const auto &a : node.audioTracks())
        audios.append(audioJson(*a));
    for (const auto &s : node.subtitleTracks())
        subtitles.append(subtitleJson(*s));
    const auto info = node.nodeInfo();
    QJsonObject object{{"path", node.path()},
                       {"fileFormat", node.fileFormat()},
                       {"tags", QJsonObject{{"movie", node.movie()},
                                            {"performer", node.performer()},
                                            {"comment", node.comment()}}},
                       {"output", QJsonObject{{"displayName", info->displayName()},
                                              {"outputName", info->outputName()},
                                              {"genre", info->genre()},
                                              {"artist", info->artist()},
                                              {"comments", info->comments()}}},
                       {"sameStreams", node.sameStreams()},
                       {"defaultAudio", node.setting()->audioIndex()},
                       {"videoTracks", videos},
                       {"audioTracks", audios},
                       {"subtitleTracks", subtitles}};
    if (const auto profile = node.profile())
        object.insert("profile", QJsonObject{{"path", profile->profilePath()},
                                             {"videoBitrate", profile->videoQuality() ? profile->videoQuality()->currentValue() : QString()}});
    return object;
}

} // namespace

int probeCommand(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return devtoolFail("probe", QStringLiteral("usage: probe FILE"));
    if (const QString problem = devtoolSourceProblem(arguments.first()); !problem.isEmpty())
        return devtoolFail("probe", problem);
    const QString path = QFileInfo(arguments.first()).absoluteFilePath();
    try {
        QString why;
        const auto node = fileNodeWithFile(path, false, &why);
        if (!node)
            return devtoolFail("probe", why.isEmpty() ? QStringLiteral("%1 is no usable media file").arg(path) : why);
        devtoolPrint(QString::fromUtf8(QJsonDocument(nodeJson(*node)).toJson(QJsonDocument::Indented)));
        return 0;
    } catch (const std::exception &e) {
        return devtoolFail("probe", QString::fromUtf8(e.what()));
    }
}
