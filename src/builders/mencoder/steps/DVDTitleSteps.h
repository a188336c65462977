#pragma once

#include "builders/common/Argument.h"
#include "builders/common/TrimSeconds.h"
#include "dvd/DNDVDNode.h"

#include <QString>

#include <memory>

class DNDVDTAudio;
class DNProfile;
class NXBasicMediaNode;
class NXProfileInfoBase;

// The steps every single-title MEncoder builder for DVD sources takes, shared by all families.
// A family builder opens a DVDTitleBuild, writes its arguments through the step functions and
// its own constants, and closes it with finishTitleBuild. The families differ only in the order
// of the steps and in their codec and container words.

// What one build reads and what it has written so far. The vector is owned until finish.
struct DVDTitleBuild
{
    DNDVDNode *node = nullptr;
    int titleIndex = 0;
    VideoConvertOptions options{};
    DNDVDTitlePtr title;
    std::shared_ptr<DNDVDTitleSetting> setting;
    std::shared_ptr<DNProfile> profile;
    ArgumentPtr argument;
    std::shared_ptr<DNDVDTAudio> audioTrack;  // the chosen audio track, null for none
    QString audioLanguage;                    // remembered by the audio step for forced subtitles
    int expectedLength = 0;                   // the trimmed duration, 0 for the whole title
    QString outputPath;                       // the real output path once the output step ran
};

// True when node is exactly a group of joined titles (not merely a subclass of one).
bool isDVDGroupSource(const NXBasicMediaNode *node);

// The entry checks and the group hand-over. Returns the DVD node for a single-title build, or
// null with a log line naming the builder when there is no node or it is not a DVD source.
DNDVDNode *dvdSourceOf(NXBasicMediaNode *node, const char *builderName);

// Opens a build for one title: creates the vector and looks up the title, its setting and the
// profile. A title index outside the node's titles, a title without setting or a node without
// profile gives false with a log line (the pass then fails instead of the process).
bool beginTitleBuild(DVDTitleBuild &build, DNDVDNode *node, int titleIndex,
                     const VideoConvertOptions &options, const char *builderName);

// The opening of a single-title builder: dvdSourceOf, then beginTitleBuild; false (with the log
// line of the step that refused) when node is no DVD source or the title cannot be built.
bool openTitleBuild(DVDTitleBuild &build, NXBasicMediaNode *node, int titleIndex,
                    const VideoConvertOptions &options, const char *builderName);

// The chosen audio track, or null ("no audio"). An index beyond the title's tracks is a
// broken setting: it gives false with a log line so the pass fails.
bool lookUpAudioTrack(DVDTitleBuild &build, const char *builderName);

// Closes the build: stores the count and the expected length and hands the vector over.
Argument *finishTitleBuild(DVDTitleBuild &build);

// --- the steps, in their usual order
void writeEncoderWord(DVDTitleBuild &build);
void writeInput(DVDTitleBuild &build);
void writeDevice(DVDTitleBuild &build);
void writeStart(DVDTitleBuild &build);
void writeFilterChain(DVDTitleBuild &build);
void writeFrameRate(DVDTitleBuild &build);
void writeTags(DVDTitleBuild &build);
// Looks the audio track up first when lookUpAudioTrack has not run; false as it says.
bool writeAudioStream(DVDTitleBuild &build, const char *builderName);
void writeSubtitles(DVDTitleBuild &build);
// "-o" and the path; twoPassAware families send the first of two passes to /dev/null. The
// title's output name is the real path in every case.
void writeOutput(DVDTitleBuild &build, bool twoPassAware);
void writeEnd(DVDTitleBuild &build);
void writeSafeMode(DVDTitleBuild &build);

// --- shared pieces of the family options
// "-aspect" and the ratio, only when the profile's aspect is not "keep origin".
void writeAspect(DVDTitleBuild &build);
// "-passlogfile" and the log path, only during a two-pass run.
void writePassLogFile(DVDTitleBuild &build);
// The codec options' pass ending (":vpass=N") during a two-pass run, else "".
QString passSuffix(const DVDTitleBuild &build);

// The current value of a profile field; null when the profile lacks the field.
QString profileValue(const std::shared_ptr<NXProfileInfoBase> &field);
// The integer at the start of a text (0 when it starts with none), as the MPEG-2 vectors write
// their channel count.
int leadingInteger(const QString &text);

// The output file's extension as the profile names it.
QString outputExtension(const DVDTitleBuild &build);
// True when a file of that extension holds an MPEG transport stream (ts, mts, m2ts).
bool isTransportStreamExtension(const QString &extension);
// The MP4-family muxer word chosen by the profile's file suffix: "mov" when the node is a DVD
// source whose profile suffix is mov in any letter case, else "ipod".
QString ContainerWordForFileSuffix(const NXBasicMediaNode *node);
