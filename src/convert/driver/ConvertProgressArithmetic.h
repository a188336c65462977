#pragma once

// The percent of the whole job from the running pass's own percent.
//
// A job of n passes (n = totalPasses) shows each pass as an equal share. A merge group shows
// its members' passes over the first part of the bar and the joining pass over the rest, since
// joining copies streams and is quick: members take 90 % on the MEncoder road and 98 % on the
// AV-encoder road. startedPasses counts the passes whose engine has started (the running one
// included); before the first start the pass's own percent is shown as it is.
struct ConvertProgressInputs
{
    int engineKind = 0;
    int jobKind = 0;
    int totalPasses = 0;
    int startedPasses = 0;
    float passPercent = 0;   // the engine's percent of the running pass, 0..100
};

float jobPercent(const ConvertProgressInputs &inputs);

// The figure shown: percent when it lies in 0..100 (it then becomes the new lastPercent),
// otherwise (also not a number) the last valid one.
float keepValidPercent(float percent, float &lastPercent);
