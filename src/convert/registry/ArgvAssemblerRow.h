#pragma once

#include "builders/common/ArgvAssembler.h"

#include <span>

// One entry a builder family offers the registry: a name with either the function that builds
// under it, or the name it forwards to unchanged (a plain forward adds nothing, so it is data,
// not a function). Names are compared byte for byte.
struct ArgvAssemblerRow
{
    const char *name;
    ArgvAssemblerFunction function;  // null for a forward
    const char *forwardsTo;          // null for a builder
};

constexpr ArgvAssemblerRow BuilderRow(const char *name, ArgvAssemblerFunction function)
{
    return {name, function, nullptr};
}

constexpr ArgvAssemblerRow ForwardRow(const char *name, const char *target)
{
    return {name, nullptr, target};
}

// A row of the two lookup tables: a table name and the function it leads to.
struct ArgvAssemblerTableRow
{
    const char *name;
    ArgvAssemblerFunction function;
};
