#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvAudio.h"

// The audio-only builders; the "DVD_To_Music_..." table rows forward to them.
std::span<const ArgvAssemblerRow> AudioOnlyArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_MP3_Default_With_MEncoder", DVD_To_MP3_Default_With_MEncoder),
        BuilderRow("DVD_To_AAC_Default_With_MEncoder", DVD_To_AAC_Default_With_MEncoder),
        BuilderRow("DVD_To_AC3_Default_With_MEncoder", DVD_To_AC3_Default_With_MEncoder),
    };
    return rows;
}
