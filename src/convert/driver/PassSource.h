#pragma once

#include "convert/driver/ConvertFailureReason.h"

#include <QString>

class DNDVDTitle;
class NXBasicMediaNode;

// What the disc under a DVD pass holds when the pass starts. Read before the engine runs, so that
// a pass over data that is gone or cut fails with what is missing instead of writing a short
// file, and so that its output is measured against the length the title's data really has.
struct PassSource
{
    // Empty when everything the pass reads is there; otherwise what is missing (for the log).
    QString problem;
    // The same for the user: what is missing, or, where the IFO's own records are damaged, which
    // records (their figures mean nothing then).
    ConvertFailureReason reason;
    // The whole title's length to expect; 0 when the pass reads no DVD title or it is not known.
    double titleSeconds = 0;
    // Records of the disc that are damaged although the engines may get past them (an IFO that
    // disagrees with its backup, a figure players skip): the IFO's name, else empty. The title
    // they concern: its number, 0 for the whole disc.
    QString suspectRecords;
    int titleNumber = 0;
};

// The ISO backup reads the whole disc, every other engine one title; items that are not a title
// of a DVD node (a group's joining pass, files) read no disc.
PassSource checkPassSource(NXBasicMediaNode *node, int titleIndex, int engineKind);

// Why a pass over source failed, when failure is how it ended: where the disc's records the
// pass read are damaged, that comes first (an engine led astray by them blames the output, its
// input or itself), then how the pass failed; on a sound disc, failure alone.
ConvertFailureReason failureOverSource(const PassSource &source, const ConvertFailureReason &failure);

// The title's length as it was read when the disc was loaded, to the frame when the IFO's time
// gave its frames; 0 when unknown.
double loadedTitleSeconds(const DNDVDTitle &title);

// The length to expect of a title that was loadedSeconds long when the disc was loaded, whose
// program chain now states ifoSeconds and whose cells' own data span dataSeconds (-1: unknown).
// The IFO's time holds unless the data disagree with it; a title the IFO now gives another
// length than when it was loaded keeps its loaded one, so that an engine led to other data by a
// damaged IFO is found out by its output's length.
double titleSecondsToExpect(double loadedSeconds, double ifoSeconds, double dataSeconds);
