#include "builders/avencoder/AudioOnlyRecipe.h"

#include "builders/avencoder/frame/AVFileSteps.h"
#include "builders/common/ArgumentLog.h"
#include "dvd/file/DNFileGroupNode.h"

namespace {

DNTAudioPtr chosenAudio(const DNFileNode &member)
{
    const int index = member.setting() ? member.setting()->audioIndex() : -1;
    return index >= 0 && index < member.audioTracks().size() ? member.audioTracks().at(index) : nullptr;
}

} // namespace

Argument *AVEncoderAudioConcat(const AudioOnlyRecipe &format, DNFileGroupNode &group,
                               const VideoConvertOptions &options)
{
    const auto fail = [&](const QString &why) {
        argumentLogLine(QStringLiteral("%1: %2, no vector made").arg(QLatin1String(format.builderName), why));
        return nullptr;
    };
    if (!group.profile())
        return fail(QStringLiteral("the group has no profile"));
    ArgumentPtr argument(CreateArgument());
    if (!argument)
        return fail(QStringLiteral("out of memory"));
    AppendArguments(argument.get(), {"encoder", "-d", "-y"});

    int total = 0;
    int count = 0;
    QString labels;
    for (const NXMediaNodePtr &child : group.children()) {
        const auto member = std::dynamic_pointer_cast<DNFileNode>(child);
        if (!member)
            return fail(QStringLiteral("a member of the group is not a media file"));
        const DNTAudioPtr audio = chosenAudio(*member);
        if (!audio)
            return fail(QStringLiteral("%1 has no audio track to join").arg(member->path()));
        if (member->outputName().isEmpty())
            return fail(QStringLiteral("%1 has not been converted").arg(member->path()));
        // Whole seconds at each step, as each member's own length is counted.
        total = int(float(total) + audio->duration);
        AppendArgument(argument.get(), "-i");
        AppendArgument(argument.get(), member->outputName());
        labels += QStringLiteral("[%1:0] ").arg(count++);
    }
    const QString filter = QStringLiteral("%1concat=n=%2:v=0:a=1").arg(labels).arg(count);
    const auto appendFilter = [&] {
        AppendArgument(argument.get(), "-filter_complex");
        AppendArgument(argument.get(), filter);
    };
    if (format.groupFilterFirst)
        appendFilter();
    appendAudioOnlyEncoding(argument.get(), format, *group.profile(), format.groupSampleRate);
    if (!format.groupFilterFirst)
        appendFilter();
    appendTagArguments(argument.get(), group.nodeInfo().get());
    if (format.groupFileFormat) {
        AppendArgument(argument.get(), "-f");
        AppendArgument(argument.get(), format.groupFileFormat);
    }
    appendOutputArgument(argument.get(), group, options);
    argument->endpos = total;
    return argument.release();
}
