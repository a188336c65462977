#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgv_AVC.h"
#include "builders/mencoder/DNMEDVDArgv_AVI.h"
#include "builders/mencoder/DNMEDVDArgv_H264.h"

// The H.264 container choices, the Baseline and High-profile builders and the AVI builders
// with their codec choice. None of them is a table row by itself: rows forward to them.
std::span<const ArgvAssemblerRow> H264AVCAVIArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_H264_ByFileSuffix_With_MEncoder", DVD_To_H264_ByFileSuffix_With_MEncoder),
        BuilderRow("DVD_To_H264_PSP_With_MEncoder", DVD_To_H264_PSP_With_MEncoder),
        BuilderRow("DVD_To_H264_MP4_With_MEncoder", DVD_To_H264_MP4_With_MEncoder),
        BuilderRow("DVD_To_PS_H264_With_MEncoder", DVD_To_PS_H264_With_MEncoder),
        BuilderRow("DVD_To_AVC_Default_With_MEncoder", DVD_To_AVC_Default_With_MEncoder),
        BuilderRow("DVD_To_AVI_DIVX_Default_With_MEncoder", DVD_To_AVI_DIVX_Default_With_MEncoder),
        BuilderRow("DVD_To_AVI_XVID_Default_With_MEncoder", DVD_To_AVI_XVID_Default_With_MEncoder),
        BuilderRow("DVD_To_AVI_ByVideoCodec_With_MEncoder", DVD_To_AVI_ByVideoCodec_With_MEncoder),
    };
    return rows;
}
