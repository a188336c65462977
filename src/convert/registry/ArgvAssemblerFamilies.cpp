#include "convert/registry/ArgvAssemblerFamilies.h"

std::span<const ArgvAssemblerFamily> AllArgvAssemblerFamilies()
{
    static constexpr ArgvAssemblerFamily families[] = {
        H264AVCAVIArgvAssemblerRows,
        DeviceForwarderArgvAssemblerRows,
        MPEG2ArgvAssemblerRows,
        TransportStreamArgvAssemblerRows,
        WMVArgvAssemblerRows,
        FLVArgvAssemblerRows,
        MPEG4ArgvAssemblerRows,
        PSMPEG4ArgvAssemblerRows,
        MergeGroupArgvAssemblerRows,
        AudioOnlyArgvAssemblerRows,
        BackupArgvAssemblerRows,
        FamilyWrapperArgvAssemblerRows,
        FileArgvAssemblerRows,
    };
    return families;
}
