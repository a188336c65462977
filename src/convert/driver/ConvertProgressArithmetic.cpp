#include "convert/driver/ConvertProgressArithmetic.h"

#include "convert/driver/ConvertState.h"

#include <algorithm>
#include <cmath>

namespace {
// Share of the bar the members of a merge group take before the joining pass.
float memberShare(int engineKind)
{
    return engineKind == ConvertEngineAVEncoder ? 98.0f : 90.0f;
}
} // namespace

float jobPercent(const ConvertProgressInputs &in)
{
    const float p = in.passPercent;
    if (in.jobKind == ConvertJobGroup && in.totalWork > 0) {
        const float share = memberShare(in.engineKind);
        const double own = in.passLive ? p : 0.0;
        if (in.joining)
            return float(share + (100.0 - share) * own / 100.0);
        const double done = in.doneWork + in.passWork * own / 100.0;
        return float(std::min<double>(share, share * done / in.totalWork));
    }
    const int n = in.totalPasses;
    if (n < 2 || in.startedPasses < 1)
        return p;
    // The running pass is the last one that started; never beyond the job's last pass.
    const int k = std::min(in.startedPasses, n) - 1;
    if (in.jobKind == ConvertJobGroup) {
        const int memberPasses = n - 1;
        const float share = memberShare(in.engineKind);
        if (k < memberPasses)
            return share * (float(k) * 100.0f + p) / (float(memberPasses) * 100.0f);
        return share + (100.0f - share) * p / 100.0f;
    }
    return (float(k) * 100.0f + p) / float(n);
}

float keepValidPercent(float percent, float &lastPercent)
{
    if (!std::isnan(percent) && percent >= 0.0f && percent <= 100.0f) {
        lastPercent = percent;
        return percent;
    }
    return lastPercent;
}
