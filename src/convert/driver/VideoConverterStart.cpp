// The per-item driver: a DVD title (one or two passes, then the cover) or a DVD group title
// (its members into the temporary folder, then one joining pass).

#include "convert/driver/DVDCoverStep.h"
#include "convert/driver/DVDEngineChoice.h"
#include "convert/driver/PassExpectation.h"
#include "convert/driver/VideoConverterInternal.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNTemporaryFolder.h"
#include "dvd/DNDVDGroupTitle.h"
#include "profiles/DNProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <typeinfo>

namespace {

int fail(const char *message)
{
    std::fputs(message, stderr);
    DNRoughLog(QStringLiteral("%@"), QString::fromUtf8(message).trimmed());
    return ConvertResultFailed;
}

void setJobShape(int groupDepth, int jobKind, int passesPerItem, int totalPasses)
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    convertState().passesPerItem = passesPerItem;
    if (groupDepth == 0) {
        convertState().jobKind = jobKind;
        convertState().totalPasses = totalPasses;
    }
}

// The statistics files the encoders write beside the pass log name (x264 adds ".mbtree").
void removePassLogFiles(const QString &passLog)
{
    const QFileInfo info(passLog);
    QDir folder = info.absoluteDir();
    for (const QString &name : folder.entryList({info.fileName() + QLatin1Char('*')}, QDir::Files | QDir::Hidden))
        folder.remove(name);
}

// Two passes of one title. The first pass's own file (a builder without a two-pass form writes
// one) stays hidden: when the second pass's vector is the first one again, that file is the
// result and takes its final name without a second run; otherwise the second pass writes it.
int convertTwoPasses(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    const QString passLog = DNTemporaryFolder::uniqueFilePath(QStringLiteral("HV_"));
    if (passLog.isEmpty() || !SetOptionText(options.passLogFile, passLog))
        return fail("no place for the two-pass statistics file, the conversion fails... \n");
    options.twoPass = 1;
    options.passIndex = 0;
    PassRequest first;
    first.publish = false;
    int result = _VideoConverter(node, titleIndex, options, &first);
    if (result != 0 || convertStopped()) {
        removePassLogFiles(passLog);
        return result != 0 ? result : ConvertResultStopped;
    }

    options.passIndex = 1;
    PassRequest second;
    second.skipWhenVectorIs = &first.builtVector;
    result = _VideoConverter(node, titleIndex, options, &second);
    if (second.skipped && first.kept && first.kept->writesFile())
        result = publishPassOutput(*first.kept, node, titleIndex);
    removePassLogFiles(passLog);
    return result;
}

// One title of node. finalOutput is false for the members of a merge group, whose files are
// only the joining pass's input.
int convertDVDTitle(DNDVDNode *node, int titleIndex, VideoConvertOptions options, int groupDepth, bool finalOutput)
{
    const std::shared_ptr<DNProfile> profile = node->profile();
    if (!profile)
        return fail("the DVD item has no output profile... \n");
    const DNDVDTitlePtr title = node->titleAt(titleIndex);
    if (!title)
        return fail("the DVD item has no title at that index... \n");

    const int passes = passesForDVDProfile(*profile);
    setJobShape(groupDepth, ConvertJobDVDTitle, passes, passes);
    setConvertEngineKind(passes == 2 ? int(ConvertEngineMEncoder) : engineKindForDVDProfile(*profile));

    int result;
    if (passes == 2) {
        result = convertTwoPasses(node, titleIndex, options);
    } else {
        options.twoPass = 0;
        result = _VideoConverter(node, titleIndex, options);
    }

    if (result == 0 && finalOutput && node->dvdCover() && !convertStopped()) {
        try {
            addCoverToDVDOutput(title->outputName(), node->thumbnail(),
                                passCheckFor(node, titleIndex, ConvertEngineMEncoder).media);
        } catch (...) {
            DNRoughLog(QStringLiteral("The cover step failed; the output is kept without a cover."));
        }
    }
    return result;
}

int convertDVDGroup(DNDVDGroupTitle *group, ConvertState *state, VideoConvertOptions options, int groupDepth)
{
    DNDVDNode *original = group->originalDVDNode();
    const QList<DNDVDTitlePtr> titles = group->titles();
    const std::shared_ptr<DNProfile> profile = group->profile() ? group->profile() : (original ? original->profile() : nullptr);
    if (!original || titles.isEmpty() || !profile)
        return fail("the group has no DVD item, no title or no profile... \n");
    const int passes = passesForDVDProfile(*profile);

    if (titles.size() < 2) {
        setJobShape(groupDepth, ConvertJobDVDTitle, passes, passes);
        const int result = convertDVDTitle(original, titles.first()->index(), options, groupDepth + 1, true);
        if (result != 0) {
            std::fputs("Convert Group child failed, so exit merge...\n", stderr);
            return ConvertResultFailed;
        }
        group->setOutputName(titles.first()->outputName());
        return 0;
    }

    setJobShape(groupDepth, ConvertJobGroup, passes, int(titles.size()) * passes + 1);
    VideoConvertOptions memberOptions = options;
    if (!SetOptionText(memberOptions.outputDirectory, DNTemporaryFolder::path()))
        return fail("no temporary folder for the group's parts... \n");

    // The parts written by this run are only the joining pass's input: whatever becomes of the
    // group, they go. (A title not reached keeps the output name of an earlier conversion, which
    // must stay.)
    QStringList parts;
    const auto removeParts = [&parts] {
        for (const QString &part : parts)
            QFile::remove(part);
    };
    for (const DNDVDTitlePtr &title : titles) {
        const std::shared_ptr<DNDVDTitleSetting> setting = title->setting();
        const bool autoExpand = setting ? setting->autoExpandToProfile() : false;
        if (setting)
            setting->setAutoExpandToProfile(true);
        const int result = _VideoConverter_Start(original, title->index(), state, memberOptions, groupDepth + 1);
        if (setting)
            setting->setAutoExpandToProfile(autoExpand);
        if (result == 0)
            parts << title->outputName();
        if (convertStopped()) {
            removeParts();
            return ConvertResultStopped;
        }
        if (result != 0) {
            std::fputs("Convert Group child failed, so exit merge...\n", stderr);
            DNRoughLog(QStringLiteral("Convert Group child failed, so exit merge..."));
            removeParts();
            return ConvertResultFailed;
        }
    }

    // Every joining builder makes an MEncoder vector.
    setConvertEngineKind(ConvertEngineMEncoder);
    const int result = _VideoConverter(group, -1, options);
    removeParts();
    return result;
}

} // namespace

int _VideoConverter_Start(NXBasicMediaNode *node, int titleIndex, ConvertState *state, VideoConvertOptions options,
                          int groupDepth)
{
    if (!node)
        return fail("no item to convert... \n");
    setConvertEngineKind(ConvertEngineMEncoder);
    if (typeid(*node) == typeid(DNDVDGroupTitle))
        return convertDVDGroup(static_cast<DNDVDGroupTitle *>(node), state, options, groupDepth);
    if (typeid(*node) == typeid(DNDVDNode))
        return convertDVDTitle(static_cast<DNDVDNode *>(node), titleIndex, options, groupDepth, groupDepth == 0);
    // File items, slideshows and file groups convert through the AV encoder once their builders
    // exist; until then, and for any other kind, the item fails at once.
    return fail("not implement(check the type of input node), return... \n");
}
