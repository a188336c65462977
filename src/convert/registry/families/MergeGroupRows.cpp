#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvMerge.h"

// The joining builders of merged DVD conversions. No table row names them: the single-title
// builders hand a group to them by these names.
std::span<const ArgvAssemblerRow> MergeGroupArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("Merge_DVDTitle_To_H264_Default_With_MEncoder", Merge_DVDTitle_To_H264_Default_With_MEncoder),
        BuilderRow("Merge_DVDTitle_To_AVC_Default_With_MEncoder", Merge_DVDTitle_To_AVC_Default_With_MEncoder),
        BuilderRow("Merge_DVDTitle_To_MPEG4_Default_With_MEncoder", Merge_DVDTitle_To_MPEG4_Default_With_MEncoder),
        BuilderRow("Group_DVDTitle_To_FLV_With_MEncoder", Group_DVDTitle_To_FLV_With_MEncoder),
        BuilderRow("Group_DVDTitle_To_WMV_With_MEncoder", Group_DVDTitle_To_WMV_With_MEncoder),
        BuilderRow("Group_DVDTitle_To_AVI_With_MEncoder", Group_DVDTitle_To_AVI_With_MEncoder),
        BuilderRow("Group_DVDTitle_To_MPEG2_With_MEncoder", Group_DVDTitle_To_MPEG2_With_MEncoder),
        BuilderRow("Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder", Group_DVDTitle_To_MainBackupMPEG2_With_MEncoder),
    };
    // The single-title builders' group step looks joining builders up in its own directory.
    static const bool installed = (installDVDJoiningBuilders(), true);
    (void)installed;
    return rows;
}
