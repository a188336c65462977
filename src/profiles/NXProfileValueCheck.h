#pragma once

#include <QStringList>

class NXProfileParser;

// The values a profile hands to the engines, checked where the profile is read: a profile file,
// an archive or a hand-edited list may hold a frame rate "abc", nine channels, a negative bitrate
// or an aspect 1x0, which an engine would reject halfway or, worse, take. Numbers must be numbers
// in the range an engine takes; "keep origin" is allowed where the builders resolve it.

// What is wrong with the current values ("its frame rate "abc" is not a valid value"); empty for
// a profile every engine can take.
QStringList profileValueProblems(const NXProfileParser &profile);

// Repairs what it can, each change with a log line: an invalid entry of a field's list is dropped,
// and an invalid current value takes the first valid value of the field's own list (for the video
// bitrate, the entry of the profile's quality phase first). Returns what could not be repaired:
// such a profile is refused by the conversion, with these texts in its log line.
QStringList repairProfileValues(NXProfileParser &profile);
