#pragma once

#include "builders/common/Argument.h"
#include "core/model/file/DNTVideo.h"

#include <QString>

#include <climits>
#include <memory>
#include <span>

class DNFileNode;
class DNNodeSetting;
class DNProfile;
class NXBasicMediaNode;
struct AVFileRecipe;

// The frame every AV-encoder builder for files follows. A builder is a recipe: the list of its
// steps in order (shared step functions, AVFileSteps.h, and any of its own) and the constants its
// steps read. BuildAVFileArgument runs it: a file group goes whole to the join builder; for a
// media file it opens the build (vector, setting, profile, selected video track, expected length,
// selection flag), runs the steps, and hands the vector over. See README.md.

// What one build reads and what it has written so far.
struct AVFileBuild
{
    const AVFileRecipe *recipe = nullptr;
    DNFileNode *item = nullptr;
    int titleIndex = 0;
    VideoConvertOptions options{};
    std::shared_ptr<DNNodeSetting> setting;
    std::shared_ptr<DNProfile> profile;
    DNTVideoPtr video;           // the selected video track
    ArgumentPtr argument;
    int endpos = 0;              // the expected length in whole seconds
    bool selection = false;      // explicit stream mapping is needed
    bool graphWritten = false;   // a "-filter_complex" graph was written
    double flaggedAspect = 0.0;  // the display aspect an "-aspect" word flags; 0 when none was written
    bool squarePixels = false;   // the output's pixels are shown square, whatever is flagged
    bool inputTrimmed = false;   // the trim words stand before the input: they cut the input alone
    bool failed = false;         // a step could not write what it must: no vector is made
};

using AVFileStep = void (*)(AVFileBuild &build);

// One option and its value as text ("-g", "250").
struct AVOptionWord
{
    const char *option;
    const char *value;
};

// The rate-control words of one quality phase; the row of AnyOtherPhase serves every phase no
// other row names.
inline constexpr int AnyOtherPhase = INT_MIN;
struct AVQualityPhaseRow
{
    int qualityPhase;
    std::span<const AVOptionWord> words;
};

// A builder's constants. A step reads the fields it needs; a builder whose step differs from
// the shared one writes its own step function (reading its own constants) and lists it instead.
struct AVFileRecipe
{
    const char *builderName;
    std::span<const AVFileStep> steps;
    std::span<const AVOptionWord> videoCodecWords;  // stepVideoCodec
    std::span<const AVQualityPhaseRow> vbrRows;     // stepRateControl, for a VBR profile
    const char *audioCodec = nullptr;               // stepAudio: the "-c:a" value
    // The video codec flags no pixel aspect (Sorenson H.263, RealVideo): the picture is given
    // square pixels.
    bool squarePixels = false;
    // For a container whose packets the engine cannot copy from one file into another (SWF,
    // RealMedia), the steps that encode a group's joined parts into it; empty: the join copies.
    std::span<const AVFileStep> joinSteps = {};
};

// Runs recipe for node (a media file or a file group). nullptr, with a log line naming the
// builder, when no vector can be made: no item, an item of another kind, no profile or setting,
// no video track at the selected index, or a step that failed.
Argument *BuildAVFileArgument(const AVFileRecipe &recipe, NXBasicMediaNode *node, int titleIndex,
                              const VideoConvertOptions &options);

// The join of a file group whose parts cannot be copied into the recipe's container: the parts,
// read as one by the concat input, encoded by the recipe's joinSteps. nullptr, with a log line,
// as Video_Concat_With_AVEncoder.
Argument *JoinAVFileGroupEncoding(const AVFileRecipe &recipe, NXBasicMediaNode *group, int titleIndex,
                                  const VideoConvertOptions &options);

// For steps: marks the build failed with a log line naming the builder.
void failAVFileBuild(AVFileBuild &build, const QString &why);
