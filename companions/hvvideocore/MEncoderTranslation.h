#pragma once

#include <functional>
#include <string>
#include <vector>

// The DVD builders write mencoder's vocabulary of its day; the mencoder 1.5 installed here has lost
// or changed some of it, and some words it accepts make it write a broken file while it exits 0.
// This turns one builder vector into the steps that give the output the builder meant: one
// mencoder run, possibly followed by one ffmpeg run (audio encoders mencoder lost, joins mencoder
// can no longer write) or run beside it, and says what each rule changed so the log shows both
// forms.
// Standard library only: the MEncoder companion builds this file.

// What the DVD tells about one title (read with libdvdread by the companion).
struct MEncoderDvdTitle
{
    bool known = false;
    std::vector<int> audioStreamIds;   // by track position: the id mencoder's -aid wants
    std::vector<int> subtitleStreams;  // by track position: the sub-picture stream -sid wants
    double seconds = 0;                // title length, 0 when unknown
    std::string displayAspect;         // "4:3" or "16:9", empty when unknown
    std::string unreadable;            // why the disc could not be read at all (damaged), else empty
};

// What libavformat tells about an input file of a join.
struct MEncoderInputFacts
{
    bool readable = false;
    double seconds = 0;
    bool hasAudio = false;
    bool hasVideo = false;
};

struct MEncoderEnvironment
{
    std::function<MEncoderDvdTitle(const std::string &device, int title)> dvdTitle;
    std::function<MEncoderInputFacts(const std::string &path)> inputFacts;
    // A fresh path for an intermediate file with the given extension (".nut"); empty: none can be made.
    std::function<std::string(const std::string &extension)> temporaryPath;
    // The machine's processors, 0 when unknown: how many threads may decode a DVD's picture.
    unsigned processors = 0;
};

struct MEncoderPlan
{
    // The mencoder run, program word excluded; empty when the pass needs no mencoder run.
    std::vector<std::string> mencoder;
    // The ffmpeg run after it, program word excluded; empty when none. Its progress comes on
    // standard output ("-progress pipe:1").
    std::vector<std::string> ffmpeg;
    // The text of a concat list the ffmpeg run reads (written to concatListPath first).
    std::string concatList;
    std::string concatListPath;
    // Links made before the ffmpeg run, each {link, file it names}: the list stands for an input
    // whose path holds a line break by a link in the temporary folder, as the list is read a line
    // at a time. The links are among the temporaries.
    std::vector<std::pair<std::string, std::string>> links;

    // Not empty: the mencoder run writes its intermediate into this FIFO (made before either
    // starts) and the ffmpeg run reads it as it is written, so the two run at the same time.
    std::string streamPath;

    std::string output;          // the file the builder asked for ("-o"); "/dev/null" for a first pass
    std::vector<std::string> temporaries;   // files to remove when the pass ends
    std::string passLogFile;     // "-passlogfile" of a two-pass run

    bool expectVideo = false;    // the output must hold a video stream
    bool expectAudio = false;    // ... and an audio stream as long as the part
    double startSeconds = 0;     // -ss
    double endposSeconds = 0;    // -endpos, 0 when none
    double partSeconds = 0;      // the length the output should have, 0 when unknown

    std::vector<std::string> notes;   // one line per rule that fired: "rule: before -> after"
    std::string error;                // not empty: the vector cannot run (the pass fails)
};

// argv[0] is the builder's program word ("encoder"), which is dropped. endpos is the argument
// record's length in seconds (0: the whole input); a vector without "-endpos" gets it.
MEncoderPlan planMEncoderPass(const std::vector<std::string> &argv, const MEncoderEnvironment &environment,
                              int endpos = 0);

// Helpers on mencoder words, shared with the tests.
// The value after the last occurrence of option (mencoder takes the last), empty when absent.
std::string mencoderOptionValue(const std::vector<std::string> &words, const std::string &option);
// Seconds of a -ss / -endpos value ("90", "1:30", "00:01:30.5"); -1 when it is not a time
// ("10mb" is a size).
double mencoderTimeValue(const std::string &value);
