#pragma once

#include "builders/avencoder/frame/AVFileBuild.h"

#include <optional>

class DNNodeInfo;
struct AVPictureFrame;

// The shared steps of the AV-encoder builders, in the order the H.264 builder takes them. The
// label in brackets is the step's name in the frame every builder follows; a builder that
// leaves a step out does not list it, and one whose step differs writes its own.

void stepHead(AVFileBuild &build);              // [B3]  "encoder" "-d" "-y"
void stepTrimBeforeInput(AVFileBuild &build);   // [B4]  "-ss" start "-t" length, when no subtitle is burnt in
void stepInput(AVFileBuild &build);             // [B5]  "-i" path
void stepThreads(AVFileBuild &build);           // [B6]  "-threads" n, when n is not the machine's count
void stepTrimAfterInput(AVFileBuild &build);    // [B7]  the trim words, when a subtitle is burnt in
void stepFrameRate(AVFileBuild &build);         // [B8]  "-r" the profile's rate (keep origin: only a wild source rate)
void stepSourceFrameRate(AVFileBuild &build);   // [B8]  the same, but keep origin also writes the source's own rate
                                                //       when the engine's safe mode is on or the source is RealMedia
void stepVideoBitrate(AVFileBuild &build);      // [B9]  "-b:v" <kbps>k
void stepAspect(AVFileBuild &build);            // [B10] "-aspect" w:h, unless keep origin
void stepVideoCodec(AVFileBuild &build);        // [B11] the recipe's videoCodecWords
void stepRateControl(AVFileBuild &build);       // [B12] VBR: the recipe's row for the quality phase, then
                                                //       "-maxrate" "-bufsize"; CBR: "-minrate" "-maxrate" "-bufsize"
void stepVBRQualityWords(AVFileBuild &build);   // [B12] for encoders that take a quality instead of rate limits:
                                                //       VBR: the recipe's row for the quality phase alone; CBR: nothing
void stepFilterGraph(AVFileBuild &build);       // [B13] "-filter_complex" graph, a subtitle burnt in
void stepFilterGraphWithoutSubtitle(AVFileBuild &build);  // [B13] the same without the subtitle
void stepAudio(AVFileBuild &build);             // [B14] "-c:a" the recipe's audioCodec (none: the profile's), "-b:a" "-ar" "-ac"
void stepVolume(AVFileBuild &build);            // [B15] "-filter:a" volume, unless unchanged
void stepTags(AVFileBuild &build);              // [B16] "-metadata" title, artist, genre
void stepStreamMapping(AVFileBuild &build);     // [B17] "-map" video and audio (or "-an"), when needed
void stepNoSubtitles(AVFileBuild &build);       // [B18] "-sn"
void stepPixelFormat(AVFileBuild &build);       // [B19] "-pix_fmt" "yuv420p" for a 2vuy source
void stepPlayablePixelFormat(AVFileBuild &build);  // [B19] "-pix_fmt" "yuv420p" for every source: the players
                                                //       of MPEG, Flash and H.264 outputs take 8-bit 4:2:0, and an
                                                //       encoder that can write 4:2:2, 4:4:4 or 10-bit pictures
                                                //       (libx264, mpeg2video) keeps what a source has
void stepMP4Container(AVFileBuild &build);      // [B20] "-f" ipod, mov or mp4
void stepChapters(AVFileBuild &build);          // [B21] "-t" length again after the inputs, when the trim
                                                //       went before the input (so the chapters end with the output)
void stepOutput(AVFileBuild &build);            // [B22] the output path, last; the item's output name

// A trim in whole seconds of the selected video track.
struct AVTrim
{
    int start = 0;
    int length = 0;
};
// The item's trim; none when trimming is off or the track's length is unknown.
std::optional<AVTrim> trimOf(const AVFileBuild &build);
// The trim setting makes of a video track of duration seconds, as trimOf.
std::optional<AVTrim> trimOf(const DNNodeSetting &setting, float duration);

// "-filter_complex" and the item's picture graph, when there is one (frame: the frame a builder
// fixes in place of the profile's, see GenVideoFilterChainForFrame; else pictureFrameOf).
void writeFilterGraph(AVFileBuild &build, bool withSubtitle, const AVPictureFrame *frame = nullptr);
// "-aspect" and word; the build remembers the shape it flags, which the picture filters keep.
void writeAspectFlag(AVFileBuild &build, const QString &word);
// The profile's frame as this vector flags it: its resolution, the aspect written so far, the
// item's choice to pad, and whether the output shows only square pixels.
AVPictureFrame pictureFrameOf(const AVFileBuild &build);
// DVD-Video and DV flag their frames with one of two display aspects, 16:9 or 4:3; a player knows
// no other. The profile's aspect, or under "keep origin" the edited picture's shape as shown,
// taken to the nearer of the two.
double nearerStandardAspect(const AVFileBuild &build);
// A source rate below 0 or above 150 frames a second: a misread rate, or a timestamp clock,
// which is no rate to keep.
bool isWildSourceRate(float fps);

// Writers the join builder shares with the steps.
// "-metadata" "title=..." / "artist=..." / "genre=..." for each tag that is not null.
void appendTagArguments(Argument *argument, const DNNodeInfo *info);
// The output path for item's output name and profile suffix in the options' folder, written
// last and given to the item as its output name. Returns the path.
QString appendOutputArgument(Argument *argument, DNFileNode &item, const VideoConvertOptions &options);

// Each option and its value, in order.
void appendOptionWords(Argument *argument, std::span<const AVOptionWord> words);
// The words of rows for the profile's quality phase: its own row, else the AnyOtherPhase row;
// nothing when neither.
void appendQualityPhaseWords(Argument *argument, const DNProfile &profile, std::span<const AVQualityPhaseRow> rows);
// The rate words of stepRateControl for profile. False, writing nothing, when the profile has no
// video quality.
bool appendRateControl(Argument *argument, const DNProfile &profile, std::span<const AVQualityPhaseRow> vbrRows);
