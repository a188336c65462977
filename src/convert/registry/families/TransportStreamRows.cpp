#include "convert/registry/ArgvAssemblerFamilies.h"

#include "builders/mencoder/DNMEDVDArgvMPEG4.h"
#include "builders/mencoder/DNMEDVDArgvTS.h"

// The three transport-stream builders. The nine M2TS, MTS and TS table rows forward to them.
std::span<const ArgvAssemblerRow> TransportStreamArgvAssemblerRows()
{
    static constexpr ArgvAssemblerRow rows[] = {
        BuilderRow("DVD_To_TS_H264_Default_With_MEncoder", DVD_To_TS_H264_Default_With_MEncoder),
        BuilderRow("DVD_To_TS_MPEG2_Default_With_MEncoder", DVD_To_TS_MPEG2_Default_With_MEncoder),
        BuilderRow("DVD_To_TS_MPEG4_Default_With_MEncoder", DVD_To_TS_MPEG4_Default_With_MEncoder),
    };
    return rows;
}
