#pragma once

#include "builders/avencoder/frame/AVFileBuild.h"

// The constant-quality words of libx264 per quality phase (low, high, and normal for any other
// phase), which the H.264 and Flash builders share.

inline constexpr AVOptionWord X264LowQuality[] = {{"-crf", "24"}, {"-qmin", "2"}, {"-qmax", "41"}};
inline constexpr AVOptionWord X264HighQuality[] = {{"-crf", "15"}, {"-qmin", "2"}, {"-qmax", "15"}};
inline constexpr AVOptionWord X264NormalQuality[] = {{"-crf", "22"}, {"-qmin", "2"}, {"-qmax", "30"}};

inline constexpr AVQualityPhaseRow X264QualityRows[] = {
    {0, X264LowQuality},
    {2, X264HighQuality},
    {AnyOtherPhase, X264NormalQuality},
};
