#pragma once

// The shared helper functions, gathered for callers that use several of them.
#include "core/util/DNAspect.h"
#include "core/util/DNDigest.h"
#include "core/util/DNFileTypes.h"
#include "core/util/DNFormat.h"
#include "core/util/DNPaths.h"
#include "core/util/DNSystemActions.h"
#include "core/util/DNSystemInfo.h"
#include "core/util/DNTimeText.h"
#include "core/util/DNVersion.h"
