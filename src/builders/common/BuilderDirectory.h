#pragma once

#include "builders/common/ArgvAssembler.h"

// Some builders hand their job to a builder of another family (a group source goes to its merge
// builder). They find it by name here rather than by a link-time reference, so a family can be
// built and tested before the other lands. The builder registry installs the lookup when its
// tables are first used; without it, or for an unknown name, the answer is nullptr.
using BuilderLookupFunction = ArgvAssemblerFunction (*)(const char *name);

void SetBuilderLookup(BuilderLookupFunction lookup);
ArgvAssemblerFunction FindBuilderByName(const char *name);

// Calls the named builder, or logs that it is missing and returns nullptr (the pass fails).
Argument *CallBuilderByName(const char *name, NXBasicMediaNode *node, int titleIndex,
                            const VideoConvertOptions &options, const char *callerName);
