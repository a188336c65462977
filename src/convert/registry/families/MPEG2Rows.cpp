#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvMPEG2.h"

// The MPEG-2 program-stream builders. Table rows forward to them (general PC video, PS3).
std::span<const ArgvAssemblerRow> MPEG2ArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder", DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder),
        BuilderRow("DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder", DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder),
        BuilderRow("DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder", DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder),
    };
    return rows;
}
