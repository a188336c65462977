#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// The shape of every builder the registry can name: the item being converted (a DVD node with a
// title index; a file item; a group item with title index -1 for a merge pass), the title index
// and the pass's option record copied whole. The result is a new vector owned by the caller, or
// nullptr when no vector can be made (the pass then fails with a log line; nothing aborts).
using ArgvAssemblerFunction = Argument *(*)(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
