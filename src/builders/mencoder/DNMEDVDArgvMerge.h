#pragma once

#include "builders/common/ArgvAssembler.h"

#include <QString>

class DNDVDGroupTitle;

// The joining pass of a merged DVD conversion: one MEncoder run that reads the parts the
// single-title builders already wrote (one per member title, in the group's order, each found
// in the member's outputName) and writes them one after the other into one file named after
// the DVD. The video is copied; the audio is copied too, except where the parts are joined into
// MP4, which encodes the audio once more to AAC. The container is the joining builder's own,
// whatever the profile's extension says.
//
// node must be exactly a DNDVDGroupTitle with at least one member that carries its part;
// anything else gives nullptr with a log line. titleIndex is passed along and never read.
// The group's own outputName is set to the joined file's path.
Argument *Merge_DVDTitle_To_H264_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *Merge_DVDTitle_To_AVC_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *Merge_DVDTitle_To_MPEG4_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *Group_DVDTitle_To_FLV_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *Group_DVDTitle_To_WMV_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *Group_DVDTitle_To_AVI_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *Group_DVDTitle_To_MPEG2_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
Argument *Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

// The joining builders by the names the single-title builders hand groups to.
struct DVDJoiningBuilder
{
    const char *name;
    ArgvAssemblerFunction function;
};
inline constexpr DVDJoiningBuilder DVDJoiningBuilders[] = {
    {"Merge_DVDTitle_To_H264_Default_With_MEncoder", Merge_DVDTitle_To_H264_Default_With_MEncoder},
    {"Merge_DVDTitle_To_AVC_Default_With_MEncoder", Merge_DVDTitle_To_AVC_Default_With_MEncoder},
    {"Merge_DVDTitle_To_MPEG4_Default_With_MEncoder", Merge_DVDTitle_To_MPEG4_Default_With_MEncoder},
    {"Group_DVDTitle_To_FLV_With_MEncoder", Group_DVDTitle_To_FLV_With_MEncoder},
    {"Group_DVDTitle_To_WMV_With_MEncoder", Group_DVDTitle_To_WMV_With_MEncoder},
    {"Group_DVDTitle_To_AVI_With_MEncoder", Group_DVDTitle_To_AVI_With_MEncoder},
    {"Group_DVDTitle_To_MPEG2_With_MEncoder", Group_DVDTitle_To_MPEG2_With_MEncoder},
    {"Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder", Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder},
};

// The file the joining pass of group writes into folder: named after the DVD's output name with
// the profile's suffix, or " (n)" when that is taken. The driver names the group's output with it
// before the member titles are converted, so that the joined file is known all along.
QString dvdJoinOutputPath(const DNDVDGroupTitle &group, const QString &folder);

// Makes every joining builder known to the single-title builders' group step
// (setDVDGroupBuilder). Idempotent; the builder registry calls it when it sets its tables up.
void installDVDJoiningBuilders();
