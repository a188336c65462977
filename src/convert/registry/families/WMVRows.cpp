#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvWMV.h"

// The WMV builder. Only wrappers and forwards lead to it.
std::span<const ArgvAssemblerRow> WMVArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_WMV_MP3_Default_With_MEncoder", DVD_To_WMV_MP3_Default_With_MEncoder),
    };
    return rows;
}
