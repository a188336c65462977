#pragma once

#include <optional>
#include <string>
#include <string_view>

// The line an engine companion logs when its engine ended well but the output its own check read
// is not what the pass asked for: "ffmpeg reported success but the output lasts 6.1 s where
// 20.0 s were expected". The program takes such a line as the pass's reason, over whatever the
// engine printed on its way (a cut source makes ffmpeg complain of the input, and still end
// well), and reads the two lengths back to give them in the reader's own words.

// "<engine> reported success but <problem>".
std::string outputCheckLine(std::string_view engine, std::string_view problem);
// The problem of such a line; empty for any other line.
std::string_view outputCheckProblem(std::string_view line);

// The problem of an output that lasts less than expected: "the output lasts 6.1 s where 20.0 s
// were expected".
std::string outputTooShortProblem(double lastsSeconds, double expectedSeconds);

struct OutputLengths
{
    double lastsSeconds = 0;
    double expectedSeconds = 0;
};
// The two lengths of such a problem; nothing for any other text.
std::optional<OutputLengths> parseOutputTooShortProblem(std::string_view problem);
