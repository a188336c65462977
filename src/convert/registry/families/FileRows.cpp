#include "convert/registry/ArgvAssemblerFamilies.h"

// The entries of the AV-encoder builders for files: BuilderRow(name, function) for each entry point that builds,
// ForwardRow(name, target) for each that only hands its arguments on.
std::span<const ArgvAssemblerRow> FileArgvAssemblerRows()
{
    return {};
}
