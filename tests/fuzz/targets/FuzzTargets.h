#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The readers that take what the program does not control (disc structures, property lists the
// user may have edited, subtitle files, engines' and players' output), one entry per fuzz target. The
// libFuzzer programs (scripts/fuzz.sh) feed them generated inputs; the ordinary test
// FuzzCrashers feeds them every input that once crashed one, kept in tests/fuzz/crashers/<name>.

// Input: a 4-byte little-endian length n, n bytes of VIDEO_TS.IFO, then VTS_01_0.IFO; read by the
// structure reader as the reading process does (in this process, so that the fuzzer sees crashes).
void fuzzIfoReading(const uint8_t *data, size_t size);
// The same disc read the program's way, in the isolated reading process: libdvdread's own crashes
// cost the read only. The crashers kept for the IFO reader are libdvdread's; they are replayed so.
void replayIfoReading(const uint8_t *data, size_t size);
// The frames the reading process sends back, as the program rebuilds the record and its titles.
void fuzzIfoFrames(const uint8_t *data, size_t size);
// A profile property list, read as a profile file and as an archive, then summarised and copied.
void fuzzProfileReader(const uint8_t *data, size_t size);
// The settings archive as it is stored in the user defaults.
void fuzzSettingsArchive(const uint8_t *data, size_t size);
// A side-car subtitle file whose character set is detected.
void fuzzSubtitleReader(const uint8_t *data, size_t size);
// Output of the engines and the player, split at random into chunks, through their status-line
// parsers; the first byte chooses the parser.
void fuzzStatusLines(const uint8_t *data, size_t size);
// mplayer's output as the players read it, split at random into chunks: the first byte chooses
// the preview's, the editor's or the online player's reading.
void fuzzPlayerStatus(const uint8_t *data, size_t size);
// The frame socket's lines, split at random into chunks, as the receiver and the player read them.
void fuzzPlayerWire(const uint8_t *data, size_t size);
// A yuv4mpeg stream, split at random into chunks, read and packed into the receiver's buffer as
// the player does; the first byte chooses the packed byte order.
void fuzzY4MStream(const uint8_t *data, size_t size);

struct FuzzTarget
{
    const char *name;   // the folder of its crashers and seeds
    void (*replay)(const uint8_t *data, size_t size);   // how the ordinary test feeds a kept input
};

inline constexpr FuzzTarget kFuzzTargets[] = {
    {"ifo_reading", replayIfoReading},       {"ifo_frames", fuzzIfoFrames},
    {"profile_reader", fuzzProfileReader},   {"settings_archive", fuzzSettingsArchive},
    {"subtitle_reader", fuzzSubtitleReader}, {"status_lines", fuzzStatusLines},
    {"player_status", fuzzPlayerStatus},     {"player_wire", fuzzPlayerWire},
    {"y4m_stream", fuzzY4MStream},
};

// A folder of this process's own for inputs that must be files (on /dev/shm when there is one),
// removed when the process ends.
const char *fuzzScratchFolder();
// Writes data to the file relativePath inside it (its folder must exist); the file's path.
std::string writeFuzzScratchFile(const std::string &relativePath, const uint8_t *data, size_t size);
