#pragma once

#include "builders/common/ArgvAssembler.h"

// The joining builders that a single-title builder hands a group of titles to. They live with
// the joining family, which this layer must not depend on; they are found by name, so a family
// names its joining builder as data and the joining family provides it with setDVDGroupBuilder
// when the builder table is set up.

// Makes builder the joining builder of that name (nullptr removes it). Thread-safe.
void setDVDGroupBuilder(const char *name, ArgvAssemblerFunction builder);

// The joining builder of that name: one set here, else the one the builder directory names;
// nullptr when neither has it.
ArgvAssemblerFunction dvdGroupBuilder(const char *name);

// The group step of a single-title builder: the vector of the joining builder for the group
// (title index -1, the record unchanged). Without such a builder the pass fails with a log line.
Argument *handToGroupBuilder(NXBasicMediaNode *group, const VideoConvertOptions &options,
                             const char *groupBuilderName, const char *builderName);
