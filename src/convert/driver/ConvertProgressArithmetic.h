#pragma once

// The percent of the whole job from the running pass's own percent.
//
// A job of n passes (n = totalPasses) shows each pass as an equal share. A merge group shows
// its members' passes over the first part of the bar and the joining pass over the rest, since
// joining copies streams and is quick: members take 90 % on the MEncoder road and 98 % on the
// AV-encoder road. Where the members' lengths are known, each member's passes take the share of
// the members' part that its length is of theirs, so that the bar, the seconds converted and the
// time left tell the same of a group of long and short members; otherwise each pass takes an
// equal share. startedPasses counts the passes whose engine has started (the running one
// included); before the first start the pass's own percent is shown as it is.
struct ConvertProgressInputs
{
    int engineKind = 0;
    int jobKind = 0;
    int totalPasses = 0;
    int startedPasses = 0;
    float passPercent = 0;   // the engine's percent of the running pass, 0..100

    // A group's members by their lengths (ConvertJobFigures): the seconds all the members'
    // passes go over (0: not known), those of the passes that ended and of the running one,
    // whether passPercent is the running pass's own yet (an engine shows its pass before's until
    // then), and whether the running pass is the join.
    double totalWork = 0;
    double doneWork = 0;
    double passWork = 0;
    bool passLive = true;
    bool joining = false;
};

float jobPercent(const ConvertProgressInputs &inputs);

// The figure shown: percent when it lies in 0..100 (it then becomes the new lastPercent),
// otherwise (also not a number) the last valid one.
float keepValidPercent(float percent, float &lastPercent);
