#pragma once

#include "builders/avencoder/frame/AVFileBuild.h"

// A recipe whose container does not change with the profile (Matroska, WebM, ASF, 3GP, 3G2).
struct AVFileContainerRecipe : AVFileRecipe
{
    const char *container;  // the "-f" value
};

// [B20] "-f" and the recipe's container; only an AVFileContainerRecipe lists it.
void stepFixedContainer(AVFileBuild &build);
