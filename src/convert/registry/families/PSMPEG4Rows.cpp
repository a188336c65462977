#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvMPEG4.h"

// The PS MPEG-4 builder: no table row names it; it is offered for a profile that names it.
std::span<const ArgvAssemblerRow> PSMPEG4ArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_PS_MPEG4_With_MEncoder", DVD_To_PS_MPEG4_With_MEncoder),
    };
    return rows;
}
