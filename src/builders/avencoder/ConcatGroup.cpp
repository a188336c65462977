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

Argument *Video_Concat_With_AVEncoder(NXBasicMediaNode *node, int, VideoConvertOptions options)
{
    auto *group = dynamic_cast<DNFileGroupNode *>(node);
    if (!group || group->className() != QLatin1String("DNFileGroupNode")) {
        logNoJoin(QStringLiteral("the item is not a file group"));
        return nullptr;
    }
    int total = 0;
    QString list;
    for (const NXMediaNodePtr &child : group->children()) {
        const auto member = std::dynamic_pointer_cast<DNFileNode>(child);
        if (!member || !member->isExactlyFileNode()) {
            logNoJoin(QStringLiteral("a member of the group is not a media file"));
            return nullptr;
        }
        const DNTVideoPtr video = selectedVideo(*member);
        if (!video)
            continue;
        if (member->outputName().isEmpty()) {
            logNoJoin(QStringLiteral("%1 has not been converted").arg(member->path()));
            return nullptr;
        }
        // Whole seconds at each step, as each member's own length is counted.
        total = int(float(total) + video->duration);
        list += concatListLine(member->outputName());
    }
    const QString listPath = DNTemporaryFolder::uniqueFilePath(QStringLiteral("qvfl"));
    if (listPath.isEmpty() || !writeList(listPath, list)) {
        argumentLogLine(QStringLiteral("can not write concat file list to temp directory!"));
        return nullptr;
    }

    ArgumentPtr argument(CreateArgument());
    if (!argument)
        return nullptr;
    AppendArguments(argument.get(), {"encoder", "-d", "-y", "-f", "concat", "-i"});
    AppendArgument(argument.get(), listPath);
    AppendArguments(argument.get(), {"-c", "copy"});
    appendTagArguments(argument.get(), group->nodeInfo().get());
    appendOutputArgument(argument.get(), *group, options);
    argument->endpos = total;
    return argument.release();
}
