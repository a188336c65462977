#pragma once

#include "enginekit/LineSplitter.h"

#include <functional>
#include <string>
#include <string_view>

// mencoder reports its progress on standard output as status lines such as
//   Pos:   3.0s     83f (63%)  0.00fps Trem:   0min   0mb  A-V:-0.040 [745:448]
// separated by "\r" (its other messages end with "\n"), and a pipe hands them over in chunks cut
// anywhere. Standard library only: the MEncoder companion builds this file too.

struct MEncoderStatus
{
    double seconds = 0;     // output time written, counted from the -ss start
    long frames = 0;        // frames written
    int percent = 0;        // mencoder's own figure: the byte position in the whole input
    double fps = 0;         // encoding speed
};

// Reads one status line; the "Pos:" word may follow other text on the same line (a message that
// ended without a line break). False for any other line.
bool parseMEncoderStatusLine(std::string_view line, MEncoderStatus &status);

// Splits output chunks into lines at "\n" or "\r" (keeping an unfinished line for the next chunk,
// each line held to the splitter's bound), hands status lines to onStatus and every other
// non-empty line to onMessage.
class MEncoderOutputReader
{
public:
    std::function<void(const MEncoderStatus &)> onStatus;
    std::function<void(std::string_view)> onMessage;

    void feed(std::string_view chunk);
    void finish();   // the last line, when the output did not end with a line break

private:
    void line(std::string_view text);
    OutputLineSplitter m_lines;
};

// Percent done of the part being converted: the status time against the length of that part
// (the -endpos length, or the input length after the -ss start). With no known length, mencoder's
// own figure. Always within 0..100.
int percentOfPart(const MEncoderStatus &status, double partSeconds);
