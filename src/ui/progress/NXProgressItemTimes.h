#pragma once

#include "core/model/NXBasicMediaNode.h"

#include <QString>

#include <optional>

// What the progress sheet shows of the item now converting. Unset fields leave the sheet's text
// as it is.

// The item's times, taken once when the item is handed to the sheet (on the batch's thread,
// before the driver works on it: a group's members are dressed for their own conversions
// meanwhile): the three time texts, and the texts that stand for figures an item has none of.
struct NXProgressItemTimes
{
    std::optional<QString> startTime;
    std::optional<QString> endTime;
    std::optional<QString> duration;
    // The converted-time and frame texts are fixed too where the item has no timeline (the ISO
    // backup copies the disc).
    std::optional<QString> convertedTime;
    std::optional<QString> frames;
    // The output a slideshow's conversion will write, shown while its movie is rendered.
    std::optional<QString> plannedTargetName;
};

// The item's names, read on every poll: the conversion names its output as it goes (the builder,
// a " (n)" when the name was taken), and a file group names the member under way.
struct NXProgressItemNames
{
    std::optional<QString> currentTitle;
    std::optional<QString> currentTargetName;
};

// The times for a DVD title (trim-aware; none for the ISO backup), a DVD group title (the summed
// trimmed length), a file item (its selected video track, trim-aware), a file group (the summed
// trimmed length of its members, as the driver expects of the join) or a slideshow (its movie's
// length); nothing for other items.
NXProgressItemTimes NXProgressTimesForNode(const NXBasicMediaNode *node);

// The names for a DVD title (its source name and number), a DVD group title (its source name and
// title numbers), a file item (its name), a file group (the member under way) or a slideshow (its
// folder's name); the target is the file the item's conversion writes, once it is named.
NXProgressItemNames NXProgressNamesForNode(const NXBasicMediaNode *node);

// The global id of the DVD-to-ISO backup profile, whose progress has no times to show.
constexpr int kNXISOBackupProfileGlobalID = 1000002;
