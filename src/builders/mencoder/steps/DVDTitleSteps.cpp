#include "builders/mencoder/steps/DVDTitleSteps.h"

#include "builders/common/FrameRate.h"
#include "builders/mencoder/common/DVDBuilderHelpers.h"
#include "core/lang/SubtitleFonts.h"
#include "core/log/DNLogger.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDTExtSubtitle.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <typeinfo>

namespace {

void logBuildFailure(const char *builderName, const QString &why)
{
    DNRoughLog(QStringLiteral("%@"), QStringLiteral("%1: %2, no vector made").arg(QLatin1String(builderName), why));
}

void put(DVDTitleBuild &build, const QString &text)
{
    AppendArgument(build.argument.get(), text);
}

void put(DVDTitleBuild &build, const char *text)
{
    AppendArgument(build.argument.get(), text);
}

void putNumber(DVDTitleBuild &build, int value)
{
    AppendArgumentFormat(build.argument.get(), "%d", value);
}

bool isTrimmed(const DVDTitleBuild &build)
{
    return build.setting->trimEnable() && build.title->length() > 0;
}

// The sub-picture options of a disc subtitle chosen from the list.
void writeDiscSubtitle(DVDTitleBuild &build, int sid)
{
    put(build, "-sid");
    putNumber(build, sid);
    put(build, "-spualign");
    putNumber(build, 0);
    put(build, "-subpos");
    putNumber(build, int(build.setting->position()));
}

void writeSubtitleFile(DVDTitleBuild &build, const DNDVDTExtSubtitle &file)
{
    put(build, "-sub");
    put(build, file.path());
    put(build, "-subfont-text-scale");
    AppendArgumentFormat(build.argument.get(), "%.1f", 3.3);
    put(build, "-subpos");
    putNumber(build, int(build.setting->position()));
    put(build, "-subwidth");
    putNumber(build, 90);
    put(build, "-subcp");
    put(build, file.codePage());
    put(build, "-font");
    put(build, SubtitleFontPathForLanguage(file.language()));
    put(build, "-subfont-text-scale");
    AppendArgumentFormat(build.argument.get(), "%.1f", 4.0);
    put(build, "-subfont-blur");
    putNumber(build, 1);
    put(build, "-subfont-outline");
    AppendArgumentFormat(build.argument.get(), "%.1f", 1.5);
    put(build, "-ffactor");
    putNumber(build, 3);
}

bool isDiscSubtitle(const DNDVDTSubtitle &track)
{
    return typeid(track) == typeid(DNDVDTSubtitle);
}

} // namespace

bool isDVDGroupSource(const NXBasicMediaNode *node)
{
    return node != nullptr && typeid(*node) == typeid(DNDVDGroupTitle);
}

DNDVDNode *dvdSourceOf(NXBasicMediaNode *node, const char *builderName)
{
    if (node == nullptr) {
        logBuildFailure(builderName, QStringLiteral("no DVD source"));
        return nullptr;
    }
    auto *dvdNode = dynamic_cast<DNDVDNode *>(node);
    if (dvdNode == nullptr)
        logBuildFailure(builderName, QStringLiteral("the item is not a DVD source"));
    return dvdNode;
}

bool beginTitleBuild(DVDTitleBuild &build, DNDVDNode *node, int titleIndex,
                     const VideoConvertOptions &options, const char *builderName)
{
    build.node = node;
    build.titleIndex = titleIndex;
    build.options = options;
    build.argument.reset(CreateArgument());
    if (!build.argument) {
        logBuildFailure(builderName, QStringLiteral("out of memory"));
        return false;
    }
    build.title = node->titleAt(titleIndex);
    if (!build.title) {
        logBuildFailure(builderName, QStringLiteral("title %1 does not exist").arg(titleIndex + 1));
        return false;
    }
    build.setting = build.title->setting();
    build.profile = node->profile();
    if (!build.setting || !build.profile) {
        logBuildFailure(builderName, QStringLiteral("title %1 has no edit setting or the source no profile")
                                         .arg(titleIndex + 1));
        return false;
    }
    return true;
}

bool openTitleBuild(DVDTitleBuild &build, NXBasicMediaNode *node, int titleIndex,
                    const VideoConvertOptions &options, const char *builderName)
{
    DNDVDNode *dvdNode = dvdSourceOf(node, builderName);
    return dvdNode != nullptr && beginTitleBuild(build, dvdNode, titleIndex, options, builderName);
}

bool lookUpAudioTrack(DVDTitleBuild &build, const char *builderName)
{
    build.audioTrack.reset();
    const int audioIndex = build.setting->audioIndex();
    const auto &tracks = build.title->audioTracks();
    if (audioIndex < 0 || tracks.isEmpty())
        return true;
    if (audioIndex >= tracks.size()) {
        logBuildFailure(builderName, QStringLiteral("audio track %1 of title %2 does not exist")
                                         .arg(audioIndex + 1)
                                         .arg(build.titleIndex + 1));
        return false;
    }
    build.audioTrack = tracks.at(audioIndex);
    return true;
}

Argument *finishTitleBuild(DVDTitleBuild &build)
{
    Argument *argument = build.argument.release();
    argument->endpos = build.expectedLength;
    return argument;
}

void writeEncoderWord(DVDTitleBuild &build)
{
    put(build, "encoder");
}

void writeInput(DVDTitleBuild &build)
{
    AppendArgumentFormat(build.argument.get(), build.options.useDVDNav ? "dvdnav://%d" : "dvd://%d",
                         build.titleIndex + 1);
}

void writeDevice(DVDTitleBuild &build)
{
    put(build, "-dvd-device");
    const NXDVDSourceInfoPtr &source = build.node->sourceInfo();
    if (!source)
        put(build, "");
    else
        put(build, source->sourceType() == NXDVDSourceInfo::SourceDisc ? source->devicePath() : source->path());
}

void writeStart(DVDTitleBuild &build)
{
    int start = 0;
    if (isTrimmed(build))
        start = trimSeconds(float(build.title->length()) * build.setting->trimStartPercent());
    put(build, "-ss");
    putNumber(build, start);
}

void writeFilterChain(DVDTitleBuild &build)
{
    put(build, "-vf");
    put(build, buildVideoFilterChain(*build.node, build.titleIndex, build.options));
}

void writeFrameRate(DVDTitleBuild &build)
{
    const QString rate = profileValue(build.profile->videoFrameRate());
    if (rate.isNull() || IsKeepOriginFrameRate(rate))
        return;
    put(build, "-ofps");
    put(build, GetFrameRateString(rate));
}

void writeTags(DVDTitleBuild &build)
{
    const DNNodeInfoPtr &info = build.node->nodeInfo();
    QString name, artist, genre;
    if (info) {
        name = info->displayName().isNull() ? info->outputName() : info->displayName();
        artist = info->artist();
        genre = info->genre();
    }
    if (artist.isNull())
        artist = QStringLiteral("unknown");
    if (genre.isNull())
        genre = QStringLiteral("unknown");
    put(build, "-info");
    put(build, QStringLiteral("name=\"%1\":artist=\"%2\":genre=\"%3\"")
                   .arg(sanitizeInfoText(name), sanitizeInfoText(artist), sanitizeInfoText(genre)));
}

bool writeAudioStream(DVDTitleBuild &build, const char *builderName)
{
    if (!build.audioTrack && !lookUpAudioTrack(build, builderName))
        return false;
    build.audioLanguage.clear();
    if (build.audioTrack) {
        put(build, "-aid");
        putNumber(build, build.audioTrack->index());
        build.audioLanguage = build.audioTrack->audioLang();
    } else {
        put(build, "-nosound");
    }
    return true;
}

void writeSubtitles(DVDTitleBuild &build)
{
    const DNDVDTitleSetting &setting = *build.setting;
    if (!setting.subtitleEnable())
        return;
    const auto &tracks = build.title->subtitleTracks();
    const int subtitleIndex = setting.subtitleIndex();
    if (subtitleIndex >= 0) {
        // A choice beyond the list drops the subtitle options and nothing else.
        if (subtitleIndex >= tracks.size() || !tracks.at(subtitleIndex))
            return;
        const DNDVDTSubtitle &track = *tracks.at(subtitleIndex);
        if (isDiscSubtitle(track)) {
            writeDiscSubtitle(build, subtitleIndex);
        } else if (const auto *file = dynamic_cast<const DNDVDTExtSubtitle *>(&track)) {
            writeSubtitleFile(build, *file);
        }
        return;
    }
    if (!setting.forceSubOnly() || build.audioLanguage.isNull())
        return;
    const QString language = build.audioLanguage.toLower();
    for (const DNDVDTSubtitlePtr &track : tracks) {
        if (track && isDiscSubtitle(*track) && track->subtitleName().toLower() == language) {
            writeDiscSubtitle(build, track->index());
            put(build, "-forcedsubsonly");
            return;
        }
    }
}

void writeOutput(DVDTitleBuild &build, bool twoPassAware)
{
    const QString folder = OptionText(build.options.outputDirectory);
    const DNNodeInfoPtr &info = build.node->nodeInfo();
    const QString base = info ? info->outputName() : QString();
    build.outputPath = makeOutputPath(folder, base, QStringLiteral("_T%1").arg(build.titleIndex + 1),
                                      outputExtension(build));
    build.title->setOutputName(build.outputPath);
    put(build, "-o");
    if (twoPassAware && build.options.twoPass && build.options.passIndex == 0)
        put(build, "/dev/null");
    else
        put(build, build.outputPath);
}

void writeEnd(DVDTitleBuild &build)
{
    if (!isTrimmed(build)) {
        build.expectedLength = 0;
        return;
    }
    const float span = build.setting->trimEndPercent() - build.setting->trimStartPercent();
    build.expectedLength = trimSeconds(span * float(build.title->length()));
    put(build, "-endpos");
    putNumber(build, build.expectedLength);
}

void writeSafeMode(DVDTitleBuild &build)
{
    if (!build.options.safeMode)
        return;
    put(build, "-mc");
    putNumber(build, 0);
}

void writeAspect(DVDTitleBuild &build)
{
    const QString aspect = profileValue(build.profile->videoAspect());
    if (aspect.isNull() || IsKeepOriginAspect(aspect))
        return;
    put(build, "-aspect");
    put(build, FormatAspectString(aspect, QStringLiteral(":")));
}

void writePassLogFile(DVDTitleBuild &build)
{
    if (!build.options.twoPass)
        return;
    put(build, "-passlogfile");
    put(build, OptionText(build.options.passLogFile));
}

QString passSuffix(const DVDTitleBuild &build)
{
    if (!build.options.twoPass)
        return QString();
    return QStringLiteral(":vpass=%1").arg(build.options.passIndex + 1);
}

QString profileValue(const std::shared_ptr<NXProfileInfoBase> &field)
{
    return field ? field->currentValue() : QString();
}

int leadingInteger(const QString &text)
{
    int end = 0;
    const QString trimmed = text.trimmed();
    if (end < trimmed.size() && (trimmed[end] == u'-' || trimmed[end] == u'+'))
        ++end;
    while (end < trimmed.size() && trimmed[end].isDigit())
        ++end;
    bool ok = false;
    const int value = trimmed.left(end).toInt(&ok);
    return ok ? value : 0;
}

QString outputExtension(const DVDTitleBuild &build)
{
    return build.profile ? build.profile->fileNameSuffix() : QString();
}

bool isTransportStreamExtension(const QString &extension)
{
    const QString lower = extension.toLower();
    return lower == u"ts" || lower == u"mts" || lower == u"m2ts";
}

QString ContainerWordForFileSuffix(const NXBasicMediaNode *node)
{
    const auto *dvdNode = dynamic_cast<const DNDVDNode *>(node);
    const bool mov = dvdNode && dvdNode->profile()
                     && dvdNode->profile()->fileNameSuffix().toLower() == QLatin1String("mov");
    return mov ? QStringLiteral("mov") : QStringLiteral("ipod");
}
