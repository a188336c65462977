#pragma once

#include "builders/common/ArgvAssembler.h"
#include "builders/common/TemplateText.h"

#include <cstddef>
#include <span>

// One entry a builder family offers the registry: a name with either the function that builds
// under it, or the name it forwards to unchanged (a plain forward adds nothing, so it is data,
// not a function). Names are compared byte for byte.
struct ArgvAssemblerRow
{
    const char *name;
    ArgvAssemblerFunction function;  // null for a forward
    const char *forwardsTo;          // null for a builder
    bool pending = false;            // the function is PendingBuilder: the builder is not built yet
};

constexpr ArgvAssemblerRow BuilderRow(const char *name, ArgvAssemblerFunction function)
{
    return {name, function, nullptr};
}

constexpr ArgvAssemblerRow ForwardRow(const char *name, const char *target)
{
    return {name, nullptr, target};
}

// "<name>: the builder is not built yet, no vector made", in the run's log.
void logPendingBuilder(const char *name);

// The stand-in of a table row whose builder is not built yet: every call makes no vector and
// logs why, so the pass fails with a clear line instead of the profile finding no builder.
template <TemplateText Name>
Argument *PendingBuilder(NXBasicMediaNode *, int, VideoConvertOptions)
{
    logPendingBuilder(Name.text);
    return nullptr;
}

// A table row whose builder is not built yet; replace it by BuilderRow once the builder exists.
template <TemplateText Name>
constexpr ArgvAssemblerRow PendingRow()
{
    return {Name.text, PendingBuilder<Name>, nullptr, true};
}

// A row of the two lookup tables: a table name and the function it leads to.
struct ArgvAssemblerTableRow
{
    const char *name;
    ArgvAssemblerFunction function;
};
