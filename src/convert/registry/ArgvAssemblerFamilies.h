#pragma once

#include "convert/registry/ArgvAssemblerRow.h"

// The entries of each builder family, one function per family, each defined in its own file
// under families/ and owned by that family (see README.md). A family whose builders do not
// exist yet returns an empty list.
std::span<const ArgvAssemblerRow> H264AVCAVIArgvAssemblerRows();        // H.264, AVC, PS H.264, AVI
std::span<const ArgvAssemblerRow> DeviceForwarderArgvAssemblerRows();   // device wrappers and forwarders
std::span<const ArgvAssemblerRow> MPEG2ArgvAssemblerRows();             // MPEG-2 program stream
std::span<const ArgvAssemblerRow> TransportStreamArgvAssemblerRows();   // TS / MTS / M2TS
std::span<const ArgvAssemblerRow> WMVArgvAssemblerRows();
std::span<const ArgvAssemblerRow> FLVArgvAssemblerRows();
std::span<const ArgvAssemblerRow> MPEG4ArgvAssemblerRows();             // MPEG-4 and its container choices
std::span<const ArgvAssemblerRow> PSMPEG4ArgvAssemblerRows();
std::span<const ArgvAssemblerRow> MergeGroupArgvAssemblerRows();        // merge and group builders
std::span<const ArgvAssemblerRow> AudioOnlyArgvAssemblerRows();
std::span<const ArgvAssemblerRow> BackupArgvAssemblerRows();
std::span<const ArgvAssemblerRow> FamilyWrapperArgvAssemblerRows();     // general, web and tablet entries
std::span<const ArgvAssemblerRow> FileArgvAssemblerRows();              // AV-encoder builders for files

// Every family's list, in the order above.
using ArgvAssemblerFamily = std::span<const ArgvAssemblerRow> (*)();
std::span<const ArgvAssemblerFamily> AllArgvAssemblerFamilies();
