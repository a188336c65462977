#pragma once

#include <string>

// What reading a written media file packet by packet to its end found. Only the packets count:
// a container header may claim a length the file no longer holds (an AVI cut short by a full disk
// still says how long it was meant to be), so lengths here come from the timestamps of the last
// packets actually read. Packets are not decoded, which keeps the reading cheap.
//
// Plain C++ and libavformat only, so that the companions can build this file too.
struct OutputReading
{
    bool readable = false;       // the file opened as media and was read to its end
    std::string why;             // when not readable: what went wrong
    long long videoPackets = 0;  // of the video streams (cover pictures not counted)
    long long audioPackets = 0;
    // From the file's first timestamp to the end of the last packet of the kind; -1 with no packet.
    double videoSeconds = -1;
    double audioSeconds = -1;
};

OutputReading readOutputToEnd(const std::string &path);

// What a pass's output must hold to count as whole.
struct OutputExpectation
{
    double seconds = 0;        // the length converted; 0 when not known (then only readability counts)
    bool video = false;        // a video stream is required
    bool audio = false;        // an audio stream is required
};

// Empty when reading shows a whole output: readable to its end, the required streams present, and
// every video and audio stream it holds reaching the expected length, less what encoders lose at the
// ends of a part (whole frames and audio blocks). Otherwise why not, for the log.
std::string wholeOutputProblem(const OutputReading &reading, const OutputExpectation &expected);

// How much shorter than expected a stream may end: encoders round the ends of a part to frames and
// audio blocks, and a DVD title's stated length is rounded to whole seconds.
double allowedShortfallSeconds(double expectedSeconds);
