#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvMPEG4.h"

// The container choices in front of the MPEG-4 builder. The device forwards name the first two
// by the H.264 family's spelling as well, so those names lead to the same choices.
std::span<const ArgvAssemblerRow> MPEG4ArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder),
        BuilderRow("DVD_To_PSP_MPEG4_With_MEncoder", DVD_To_PSP_MPEG4_With_MEncoder),
        BuilderRow("DVD_To_MP4_MPEG4_With_MEncoder", DVD_To_MP4_MPEG4_With_MEncoder),
        ForwardRow("DVD_To_MPEG4_ByFileSuffix_With_MEncoder", "DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder"),
        ForwardRow("DVD_To_MPEG4_PSP_With_MEncoder", "DVD_To_PSP_MPEG4_With_MEncoder"),
    };
    return rows;
}
