// The per-item driver: a DVD title (one or two passes, then the cover) or a DVD group title
// (its members into the temporary folder, then one joining pass); file items and file groups
// take the file road (FileConversion.cpp), and so does a slideshow, through the file item of
// its rendered movie.

#include "builders/mencoder/DNMEDVDArgvMerge.h"
#include "convert/driver/DVDCoverStep.h"
#include "convert/driver/DVDEngineChoice.h"
#include "convert/driver/PassExpectation.h"
#include "convert/driver/VideoConverterInternal.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNTemporaryFolder.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/NXDVDSourceInfo.h"
#include "dvd/file/DNFileGroupNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"

#include <cstdio>
#include <typeinfo>

namespace {

// One title of node. finalOutput is false for the members of a merge group, whose files are
// only the joining pass's input.
int convertDVDTitle(DNDVDNode *node, int titleIndex, VideoConvertOptions options, int groupDepth, bool finalOutput)
{
    const std::shared_ptr<DNProfile> profile = node->profile();
    if (!profile)
        return failConversion("the DVD item has no output profile... \n");
    const DNDVDTitlePtr title = node->titleAt(titleIndex);
    if (!title)
        return failConversion("the DVD item has no title at that index... \n");
    if (node->sourceInfo() && refuseSourceNameNotText(node->sourceInfo()->path()) != 0)
        return ConvertResultFailed;

    const int passes = passesForDVDProfile(*profile);
    setJobShape(groupDepth, ConvertJobDVDTitle, passes, passes);
    setConvertEngineKind(passes == 2 ? int(ConvertEngineMEncoder) : engineKindForDVDProfile(*profile));

    int result;
    double titleSecondsRead = 0;
    if (passes == 2) {
        result = convertTwoPasses(node, titleIndex, options, {}, &titleSecondsRead);
    } else {
        options.twoPass = 0;
        PassRequest request;
        result = _VideoConverter(node, titleIndex, options, &request);
        titleSecondsRead = request.titleSecondsRead;
    }

    if (result == 0 && finalOutput && node->dvdCover() && !convertStopped()) {
        try {
            addCoverToDVDOutput(title->outputName(), node->thumbnail(),
                                passCheckFor(node, titleIndex, ConvertEngineMEncoder, titleSecondsRead).media);
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
        return failConversion("the group has no DVD item, no title or no profile... \n");
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

    setJobShape(groupDepth, ConvertJobGroup, passes, int(titles.size()) * passes + 1,
                passes * expectedOutputSeconds(group, -1));
    PlannedGroupOutput<DNDVDGroupTitle> planned(*group, dvdJoinOutputPath(*group, OptionText(options.outputDirectory)));
    VideoConvertOptions memberOptions = options;
    if (!SetOptionText(memberOptions.outputDirectory, DNTemporaryFolder::path()))
        return failConversion("no temporary folder for the group's parts... \n", ConvertFailureKind::NoTemporaryRoom);

    GroupParts parts;
    for (const DNDVDTitlePtr &title : titles) {
        const std::shared_ptr<DNDVDTitleSetting> setting = title->setting();
        const bool autoExpand = setting ? setting->autoExpandToProfile() : false;
        if (setting)
            setting->setAutoExpandToProfile(true);
        const int result = _VideoConverter_Start(original, title->index(), state, memberOptions, groupDepth + 1);
        if (setting)
            setting->setAutoExpandToProfile(autoExpand);
        if (result == 0)
            parts.add(title->outputName());
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
    return planned.settle(_VideoConverter(group, -1, options));
}

} // namespace

int _VideoConverter_Start(NXBasicMediaNode *node, int titleIndex, ConvertState *state, VideoConvertOptions options,
                          int groupDepth)
{
    if (!node)
        return failConversion("no item to convert... \n");
    setConvertEngineKind(ConvertEngineMEncoder);
    if (typeid(*node) == typeid(DNDVDGroupTitle))
        return convertDVDGroup(static_cast<DNDVDGroupTitle *>(node), state, options, groupDepth);
    if (typeid(*node) == typeid(DNDVDNode))
        return convertDVDTitle(static_cast<DNDVDNode *>(node), titleIndex, options, groupDepth, groupDepth == 0);
    if (typeid(*node) == typeid(DNFileGroupNode))
        return convertFileGroup(static_cast<DNFileGroupNode *>(node), titleIndex, state, options, groupDepth);
    if (typeid(*node) == typeid(DNFileNode))
        return convertFileItem(static_cast<DNFileNode *>(node), titleIndex, options, groupDepth);
    if (typeid(*node) == typeid(DNGraphicsNode)) {
        // The movie rendered of the slideshow stands in for it; none rendered, nothing to convert.
        const std::shared_ptr<DNFileNode> rendered = static_cast<DNGraphicsNode *>(node)->fileNode();
        if (!rendered)
            return failConversion("the slideshow has no rendered movie to convert... \n");
        return convertFileItem(rendered.get(), titleIndex, options, groupDepth);
    }
    return failConversion("not implement(check the type of input node), return... \n");
}
