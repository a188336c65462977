#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/avencoder/DNAVVideoArgv_3GP.h"
#include "builders/avencoder/DNAVVideoArgv_ASF.h"
#include "builders/avencoder/DNAVVideoArgv_AVI.h"
#include "builders/avencoder/DNAVVideoArgv_AudioOnly.h"
#include "builders/avencoder/DNAVVideoArgv_DV.h"
#include "builders/avencoder/DNAVVideoArgv_FLV.h"
#include "builders/avencoder/DNAVVideoArgv_H264.h"
#include "builders/avencoder/DNAVVideoArgv_MKV.h"
#include "builders/avencoder/DNAVVideoArgv_MPEG1.h"
#include "builders/avencoder/DNAVVideoArgv_MPEG2.h"
#include "builders/avencoder/DNAVVideoArgv_MPEG4.h"
#include "builders/avencoder/DNAVVideoArgv_ProRes.h"
#include "builders/avencoder/DNAVVideoArgv_RM.h"
#include "builders/avencoder/DNAVVideoArgv_SWF.h"
#include "builders/avencoder/DNAVVideoArgv_VOB.h"
#include "builders/avencoder/DNAVVideoArgv_WEBM.h"
#include "builders/avencoder/DNAVVideoArgv_WMV.h"

// The rows of the file builder table, one block per family of AV-encoder builders (the table's
// own order comes from ArgvAssemblerNames).
std::span<const ArgvAssemblerRow> FileArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        // H.264, MPEG-4, Windows Media, AVI, MPEG-1/2, VOB and DVD video
        BuilderRow("Video_To_H264_With_AVEncoder", Video_To_H264_With_AVEncoder),
        BuilderRow("Video_To_HD_H264_With_AVEncoder", Video_To_HD_H264_With_AVEncoder),
        BuilderRow("Video_To_MPEG4_With_AVEncoder", Video_To_MPEG4_With_AVEncoder),
        BuilderRow("Video_To_WMV2_With_AVEncoder", Video_To_WMV2_With_AVEncoder),
        BuilderRow("Video_To_AVI_With_AVEncoder", Video_To_AVI_With_AVEncoder),
        BuilderRow("Video_To_MP4_MP3Audio_With_AVEncoder", Video_To_MP4_MP3Audio_With_AVEncoder),
        BuilderRow("Video_To_MPEG2_With_AVEncoder", Video_To_MPEG2_With_AVEncoder),
        BuilderRow("Video_To_MPEG2AC3_With_AVEncoder", Video_To_MPEG2AC3_With_AVEncoder),
        BuilderRow("Video_To_MPEG1_With_AVEncoder", Video_To_MPEG1_With_AVEncoder),
        BuilderRow("Video_To_VOB_With_AVEncoder", Video_To_VOB_With_AVEncoder),
        BuilderRow("Video_To_NTSCDVD_With_AVEncoder", Video_To_NTSCDVD_With_AVEncoder),
        BuilderRow("Video_To_PALDVD_With_AVEncoder", Video_To_PALDVD_With_AVEncoder),

        // audio only
        BuilderRow("Video_To_AAC_With_AVEncoder", Video_To_AAC_With_AVEncoder),
        BuilderRow("Video_To_AC3_With_AVEncoder", Video_To_AC3_With_AVEncoder),
        BuilderRow("Video_To_AIFF_With_AVEncoder", Video_To_AIFF_With_AVEncoder),
        BuilderRow("Video_To_ALAC_With_AVEncoder", Video_To_ALAC_With_AVEncoder),
        BuilderRow("Video_To_AU_With_AVEncoder", Video_To_AU_With_AVEncoder),
        BuilderRow("Video_To_CAF_With_AVEncoder", Video_To_CAF_With_AVEncoder),
        BuilderRow("Video_To_DTS_With_AVEncoder", Video_To_DTS_With_AVEncoder),
        BuilderRow("Video_To_FLAC_With_AVEncoder", Video_To_FLAC_With_AVEncoder),
        BuilderRow("Video_To_M4R_With_AVEncoder", Video_To_M4R_With_AVEncoder),
        BuilderRow("Video_To_MP3_With_AVEncoder", Video_To_MP3_With_AVEncoder),
        BuilderRow("Video_To_OGG_With_AVEncoder", Video_To_OGG_With_AVEncoder),
        BuilderRow("Video_To_RA_With_AVEncoder", Video_To_RA_With_AVEncoder),
        BuilderRow("Video_To_WAV_With_AVEncoder", Video_To_WAV_With_AVEncoder),
        BuilderRow("Video_To_WMA_With_AVEncoder", Video_To_WMA_With_AVEncoder),

        // Matroska, WebM, ASF and 3GP/3G2
        BuilderRow("Video_To_MKV_With_AVEncoder", Video_To_MKV_With_AVEncoder),
        BuilderRow("Video_To_HD_MKV_With_AVEncoder", Video_To_HD_MKV_With_AVEncoder),
        BuilderRow("Video_To_WEBM_With_AVEncoder", Video_To_WEBM_With_AVEncoder),
        BuilderRow("Video_To_ASF_With_AVEncoder", Video_To_ASF_With_AVEncoder),
        BuilderRow("Video_To_3GP_With_AVEncoder", Video_To_3GP_With_AVEncoder),
        BuilderRow("Video_To_3G2_With_AVEncoder", Video_To_3G2_With_AVEncoder),

        // Flash, DV, SWF, RealMedia and ProRes
        BuilderRow("Video_To_FLV_With_AVEncoder", Video_To_FLV_With_AVEncoder),
        BuilderRow("Video_To_F4V_With_AVEncoder", Video_To_F4V_With_AVEncoder),
        BuilderRow("Video_To_DV_With_AVEncoder", Video_To_DV_With_AVEncoder),
        BuilderRow("Video_To_SWF_With_AVEncoder", Video_To_SWF_With_AVEncoder),
        BuilderRow("Video_To_RM_With_AVEncoder", Video_To_RM_With_AVEncoder),
        BuilderRow("Video_To_ProRes4444_With_AVEncoder", Video_To_ProRes4444_With_AVEncoder),
        BuilderRow("Video_To_ProRes422HQ_With_AVEncoder", Video_To_ProRes422HQ_With_AVEncoder),
        BuilderRow("Video_To_ProRes422_With_AVEncoder", Video_To_ProRes422_With_AVEncoder),
        BuilderRow("Video_To_ProRes422LT_With_AVEncoder", Video_To_ProRes422LT_With_AVEncoder),
        BuilderRow("Video_To_ProRes422Poxy_With_AVEncoder", Video_To_ProRes422Poxy_With_AVEncoder),
    };
    static_assert(std::size(rows) == 42, "one entry per row of the file builder table");
    return rows;
}
