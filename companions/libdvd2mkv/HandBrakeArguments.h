#pragma once

#include <string>
#include <vector>

// The Matroska backup's vector in the words HandBrakeCLI 1.6 accepts. The builder writes
// "encoder" first and "-E copy:aac", which passes AAC through but drops every AC-3 and DTS
// track; HandBrakeCLI wants a copy mask and a fallback encoder instead. endpos (seconds, 0 for
// the whole title) becomes "--stop-at duration:" unless the vector already bounds the job.
// Standard library only: the Matroska companion builds this file.
struct HandBrakeTranslation
{
    std::vector<std::string> arguments;  // without the program word; "--json" added
    std::vector<std::string> notes;      // "old -> new" per rule that fired
};

HandBrakeTranslation translateHandBrakeArguments(const std::vector<std::string> &argv, int endpos);
