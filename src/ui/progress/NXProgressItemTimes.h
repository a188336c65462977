#pragma once

#include "core/model/NXBasicMediaNode.h"

#include <QString>

#include <optional>

// What the progress sheet shows for the item now converting: the title text, the output file
// name and the three time texts. Unset fields leave the sheet's text as it is.
struct NXProgressItemTimes
{
    std::optional<QString> currentTitle;
    std::optional<QString> currentTargetName;
    std::optional<QString> startTime;
    std::optional<QString> endTime;
    std::optional<QString> duration;
    // The converted-time text is fixed too (the ISO backup copies, it has no timeline).
    std::optional<QString> convertedTime;
};

// The texts for a DVD title (its source name and number, trim-aware times), a DVD group title
// (its source name and title numbers, the summed trimmed length), a file item (its name and its
// selected video track's trim-aware times) or a file group (its name, zero times); nothing for
// other items.
NXProgressItemTimes NXProgressTimesForNode(const NXBasicMediaNode *node);

// The global id of the DVD-to-ISO backup profile, whose progress has no times to show.
constexpr int kNXISOBackupProfileGlobalID = 1000002;
