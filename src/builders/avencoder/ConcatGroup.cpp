#include "builders/avencoder/DNAVVideoArgvPublic.h"

#include "builders/avencoder/frame/AVFileSteps.h"
#include "builders/common/ArgumentLog.h"
#include "core/platform/DNTemporaryFolder.h"
#include "dvd/file/DNFileGroupNode.h"

#include <QSaveFile>

namespace {

void logNoJoin(const QString &why)
{
    argumentLogLine(QStringLiteral("Video_Concat_With_AVEncoder: %1, no vector made").arg(why));
}

DNTVideoPtr selectedVideo(const DNFileNode &member)
{
    const int index = member.setting() ? member.setting()->videoIndex() : 0;
    return index >= 0 && index < member.videoTracks().size() ? member.videoTracks().at(index) : nullptr;
}

bool writeList(const QString &path, const QString &list)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(list.toUtf8()) >= 0 && file.commit();
}

} // namespace

QString concatListLine(const QString &path)
{
    // Inside the format's single quotes everything is plain except the quote itself, which
    // closes the quoted part, stands escaped, and opens the next one.
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QStringLiteral("file '%1'\n").arg(quoted);
}

namespace {

// The list of the group's converted members and their whole length, written to the temporary
// folder; the list's path is null (after a log line) when there is none.
struct ConcatList
{
    QString path;
    int total = 0;
};

ConcatList writeConcatList(NXBasicMediaNode *node)
{
    auto *group = dynamic_cast<DNFileGroupNode *>(node);
    if (!group || group->className() != QLatin1String("DNFileGroupNode")) {
        logNoJoin(QStringLiteral("the item is not a file group"));
        return {};
    }
    int total = 0;
    QString list;
    for (const NXMediaNodePtr &child : group->children()) {
        const auto member = std::dynamic_pointer_cast<DNFileNode>(child);
        if (!member || !member->isExactlyFileNode()) {
            logNoJoin(QStringLiteral("a member of the group is not a media file"));
            return {};
        }
        const DNTVideoPtr video = selectedVideo(*member);
        if (!video)
            continue;
        if (member->outputName().isEmpty()) {
            logNoJoin(QStringLiteral("%1 has not been converted").arg(member->path()));
            return {};
        }
        // Whole seconds at each step, as each member's own length is counted; a trimmed member's
        // part lasts its trim.
        const std::optional<AVTrim> trim =
            member->setting() ? trimOf(*member->setting(), video->duration) : std::nullopt;
        total = trim ? total + trim->length : int(float(total) + video->duration);
        list += concatListLine(member->outputName());
    }
    const QString listPath = DNTemporaryFolder::uniqueFilePath(QStringLiteral("qvfl"));
    if (listPath.isEmpty() || !writeList(listPath, list)) {
        argumentLogLine(QStringLiteral("can not write concat file list to temp directory!"));
        return {};
    }
    return {listPath, total};
}

void appendConcatInput(Argument *argument, const QString &listPath)
{
    AppendArguments(argument, {"encoder", "-d", "-y", "-f", "concat", "-i"});
    AppendArgument(argument, listPath);
}

Argument *finishJoin(ArgumentPtr argument, DNFileNode &group, const VideoConvertOptions &options, int total)
{
    appendTagArguments(argument.get(), group.nodeInfo().get());
    appendOutputArgument(argument.get(), group, options);
    argument->endpos = total;
    return argument.release();
}

} // namespace

Argument *Video_Concat_With_AVEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    const ConcatList list = writeConcatList(node);
    if (list.path.isNull())
        return nullptr;
    ArgumentPtr argument(CreateArgument());
    if (!argument)
        return nullptr;
    appendConcatInput(argument.get(), list.path);
    AppendArguments(argument.get(), {"-c", "copy"});
    return finishJoin(std::move(argument), *dynamic_cast<DNFileNode *>(node), options, list.total);
}

Argument *JoinAVFileGroupEncoding(const AVFileRecipe &recipe, NXBasicMediaNode *node, int titleIndex,
                                  const VideoConvertOptions &options)
{
    const ConcatList list = writeConcatList(node);
    if (list.path.isNull())
        return nullptr;
    AVFileBuild build;
    build.recipe = &recipe;
    build.item = dynamic_cast<DNFileNode *>(node);
    build.titleIndex = titleIndex;
    build.options = options;
    build.setting = build.item->setting();
    build.profile = build.item->profile();
    build.argument.reset(CreateArgument());
    if (!build.profile || !build.argument) {
        logNoJoin(QStringLiteral("the group has no profile"));
        return nullptr;
    }
    appendConcatInput(build.argument.get(), list.path);
    for (const AVFileStep step : recipe.joinSteps) {
        step(build);
        if (build.failed)
            return nullptr;
    }
    return finishJoin(std::move(build.argument), *build.item, options, list.total);
}
