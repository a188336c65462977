// The per-item driver: a DVD title (one or two passes, then the cover) or a DVD group title
// (its members into the temporary folder, then one joining pass).

#include "convert/driver/DVDCoverStep.h"
#include "convert/driver/DVDEngineChoice.h"
#include "convert/driver/VideoConverterInternal.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNTemporaryFolder.h"
#include "core/util/DNPaths.h"
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

// Two passes of one title. The builder names the output afresh for each pass; the first pass's
// file is moved aside so that the second pass writes the same name instead of a " (1)" copy. A
// builder that makes the same vector again (it has no two-pass form) is not run twice: the
// first pass's output is the result.
int convertTwoPasses(DNDVDNode *node, int titleIndex, const DNDVDTitlePtr &title, VideoConvertOptions options)
{
    const QString passLog = DNTemporaryFolder::uniqueFilePath(QStringLiteral("HV_"));
    if (passLog.isEmpty() || !SetOptionText(options.passLogFile, passLog))
        return fail("no place for the two-pass statistics file, the conversion fails... \n");
    options.twoPass = 1;
    options.passIndex = 0;
    QStringList firstVector;
    int result = _VideoConverter(node, titleIndex, options, nullptr, nullptr, &firstVector);
    if (result != 0 || convertStopped()) {
        removePassLogFiles(passLog);
        return result;
    }

    options.passIndex = 1;
    const QString firstOutput = title->outputName();
    QString aside;
    if (!firstOutput.isEmpty() && QFileInfo(firstOutput).isFile()) {
        const QFileInfo output(firstOutput);
        aside = DNUniqueFilePath(output.absolutePath(), QStringLiteral(".") + output.fileName() + QStringLiteral(".pass1"), 0);
        if (!QFile::rename(firstOutput, aside)) {
            DNRoughLog(QStringLiteral("The first pass's output %@ cannot be moved aside."), firstOutput);
            aside.clear();
        }
    }
    bool skipped = false;
    result = _VideoConverter(node, titleIndex, options, &firstVector, &skipped);
    if (!aside.isEmpty()) {
        if (skipped) {
            QFile::rename(aside, firstOutput);
            title->setOutputName(firstOutput);
        } else {
            QFile::remove(aside);
        }
    }
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
        result = convertTwoPasses(node, titleIndex, title, options);
    } else {
        options.twoPass = 0;
        result = _VideoConverter(node, titleIndex, options);
    }

    if (result == 0 && finalOutput && node->dvdCover() && !convertStopped()) {
        try {
            addCoverToDVDOutput(title->outputName(), node->thumbnail());
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

    for (const DNDVDTitlePtr &title : titles) {
        const std::shared_ptr<DNDVDTitleSetting> setting = title->setting();
        const bool autoExpand = setting ? setting->autoExpandToProfile() : false;
        if (setting)
            setting->setAutoExpandToProfile(true);
        const int result = _VideoConverter_Start(original, title->index(), state, memberOptions, groupDepth + 1);
        if (setting)
            setting->setAutoExpandToProfile(autoExpand);
        if (convertStopped())
            return ConvertResultStopped;
        if (result != 0) {
            std::fputs("Convert Group child failed, so exit merge...\n", stderr);
            DNRoughLog(QStringLiteral("Convert Group child failed, so exit merge..."));
            return ConvertResultFailed;
        }
    }

    // Every joining builder makes an MEncoder vector.
    setConvertEngineKind(ConvertEngineMEncoder);
    const int result = _VideoConverter(group, -1, options);
    if (result == 0) {
        for (const DNDVDTitlePtr &title : titles)
            if (!title->outputName().isEmpty())
                QFile::remove(title->outputName());
    }
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
