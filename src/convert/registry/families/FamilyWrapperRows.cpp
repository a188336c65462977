#include "convert/registry/ArgvAssemblerFamilies.h"

// The Windows 8 tablet rows and the general-video (PC, Mac) and web-video rows. Each hands its
// three arguments unchanged to a core builder or a choice in front of one; none builds a vector
// of its own, so they are forwards. A missing node reaches the callee, which refuses it.
namespace {

// The container choices: "mov" for a profile whose suffix is mov, else "ipod".
constexpr const char *H264ByFileSuffix = "DVD_To_H264_ByFileSuffix_With_MEncoder";
constexpr const char *MPEG4ByFileSuffix = "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder";
// The DivX or Xvid AVI builder, chosen by the profile's video codec; any other codec fails.
constexpr const char *AVIByVideoCodec = "DVD_To_AVI_ByVideoCodec_With_MEncoder";
// The tablet wrappers of the Microsoft family.
constexpr const char *TabletWMV = "DVD_To_Win8_Pad_WMV_With_MEncoder";
constexpr const char *TabletAVI = "DVD_To_Microsoft_AVI_With_MEncoder";

} // namespace

std::span<const ArgvAssemblerRow> FamilyWrapperArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        ForwardRow("DVD_To_WP8Pad_General_WMV_With_MEncoder", TabletWMV),
        ForwardRow("DVD_To_WP8_Microsoft_SurfaceRT_AVI_With_MEncoder", TabletAVI),
        ForwardRow("DVD_To_WP8_Microsoft_SurfaceRT_WMV_With_MEncoder", TabletWMV),
        ForwardRow("DVD_To_WP8_Microsoft_SurfacePro_AVI_With_MEncoder", TabletAVI),
        ForwardRow("DVD_To_WP8_Microsoft_SurfacePro_WMV_With_MEncoder", TabletWMV),
        ForwardRow("DVD_To_WP8_Acer_Aspire_AVI_With_MEncoder", TabletAVI),
        ForwardRow("DVD_To_WP8_Acer_Aspire_WMV_With_MEncoder", TabletWMV),
        ForwardRow("DVD_To_WP8_Acer_IconiaTabW700_AVI_With_MEncoder", TabletAVI),
        ForwardRow("DVD_To_WP8_Acer_IconiaTabW700_WMV_With_MEncoder", TabletWMV),
        ForwardRow("DVD_To_WP8_Acer_IconiaTabW510_AVI_With_MEncoder", TabletAVI),
        ForwardRow("DVD_To_WP8_Acer_IconiaTabW510_WMV_With_MEncoder", TabletWMV),
        ForwardRow("DVD_To_WP8_Asus_Taochi_AVI_With_MEncoder", TabletAVI),
        ForwardRow("DVD_To_WP8_Asus_Taochi_WMV_With_MEncoder", TabletWMV),
        ForwardRow("DVD_To_WP8_Asus_EeeSlate_AVI_With_MEncoder", TabletAVI),
        ForwardRow("DVD_To_WP8_Asus_EeeSlate_WMV_With_MEncoder", TabletWMV),
        ForwardRow("DVD_To_WP8_Samsung_ATIVTab_AVI_With_MEncoder", TabletAVI),
        ForwardRow("DVD_To_WP8_Samsung_ATIVTab_WMV_With_MEncoder", TabletWMV),
        ForwardRow("DVD_To_WP8_Lenovo_ThinkPadTab_AVI_With_MEncoder", TabletAVI),
        ForwardRow("DVD_To_WP8_Lenovo_ThinkPadTab_WMV_With_MEncoder", TabletWMV),

        // The MP3-audio and copied-audio AVI rows are the same choice under two names.
        ForwardRow("DVD_To_PCGen_AVI_MP3_Audio_With_MEncoder", AVIByVideoCodec),
        ForwardRow("DVD_To_PCGen_AVI_Copy_Audio_With_MEncoder", AVIByVideoCodec),
        ForwardRow("DVD_To_PCGen_MP4_MPEG4_With_MEncoder", MPEG4ByFileSuffix),
        ForwardRow("DVD_To_PCGen_AVC_With_MEncoder", "DVD_To_AVC_Default_With_MEncoder"),
        ForwardRow("DVD_To_PCGen_MPEG_MPEG2_With_MEncoder", "DVD_To_PCGen_MPEG2_AC3Copy_With_MEncoder"),
        ForwardRow("DVD_To_PCGen_MPEG2_AC3Copy_With_MEncoder", "DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder"),
        ForwardRow("DVD_To_PCGen_MPEG2_MP2_With_MEncoder", "DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder"),
        ForwardRow("DVD_To_PCGen_WMV_MP3_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"),
        ForwardRow("DVD_To_PCGen_MOV_MPEG4_With_MEncoder", MPEG4ByFileSuffix),

        ForwardRow("DVD_To_MacGen_MP4_H264_With_MEncoder", H264ByFileSuffix),
        ForwardRow("DVD_To_MacGen_MP4_MPEG4_With_MEncoder", MPEG4ByFileSuffix),
        ForwardRow("DVD_To_MacGen_MOV_H264_With_MEncoder", H264ByFileSuffix),
        ForwardRow("DVD_To_MacGen_MOV_MPEG4_With_MEncoder", MPEG4ByFileSuffix),
        ForwardRow("DVD_To_MacGen_M4V_H264_With_MEncoder", H264ByFileSuffix),
        ForwardRow("DVD_To_MacGen_M4V_MPEG4_With_MEncoder", MPEG4ByFileSuffix),

        ForwardRow("DVD_To_Video_Youtube_MP4_MPEG4_With_MEncoder", MPEG4ByFileSuffix),
        ForwardRow("DVD_To_Video_Youtube_MP4_H264_With_MEncoder", H264ByFileSuffix),
        ForwardRow("DVD_To_Video_Youtube_FLV_With_MEncoder", "DVD_To_FLV_With_MEncoder"),
        ForwardRow("DVD_To_Video_Facebook_MP4_MPEG4_With_MEncoder", MPEG4ByFileSuffix),
        ForwardRow("DVD_To_Video_Facebook_MOV_MPEG4_With_MEncoder", MPEG4ByFileSuffix),
        // DivX whatever codec the profile names.
        ForwardRow("DVD_To_Video_Facebook_AVI_DIVX_With_MEncoder", "DVD_To_AVI_DIVX_Default_With_MEncoder"),
        ForwardRow("DVD_To_Video_Facebook_FLV_With_MEncoder", "DVD_To_FLV_With_MEncoder"),
        ForwardRow("DVD_To_Video_Vimeo_MP4_H264_With_MEncoder", H264ByFileSuffix),
        ForwardRow("DVD_To_Video_Other_WMV_MP3_With_MEncoder", "DVD_To_WMV_MP3_Default_With_MEncoder"),
        ForwardRow("DVD_To_Video_Other_AVI_DIVX_With_MEncoder", "DVD_To_AVI_DIVX_Default_With_MEncoder"),
        ForwardRow("DVD_To_Video_Other_MOV_MPEG4_With_MEncoder", MPEG4ByFileSuffix),
        ForwardRow("DVD_To_Video_Other_MP4_MPEG4_With_MEncoder", MPEG4ByFileSuffix),
    };
    return rows;
}
