#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvFLV.h"

// The FLV builder. The web-video rows forward to it.
std::span<const ArgvAssemblerRow> FLVArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_FLV_With_MEncoder", DVD_To_FLV_With_MEncoder),
    };
    return rows;
}
