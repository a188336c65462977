#pragma once

#include <cstddef>
#include <cstdint>

// The boundary between the AV encoder bridge and the encoder companion library (fws/avencoder.so),
// which exports one C function, GetAVEncoder, returning this table. Both sides build from this
// header, so the slot order and the record layout cannot drift apart.
extern "C" {

struct AVEncoderStatus
{
    // Expected length of the running pass in whole seconds when the library could tell it from
    // its input (0: unknown); the bridge uses it when the pass was started without a length.
    int32_t expectedSeconds;
    float framesPerSecond;   // measured encoding speed; 0 while none is known
    int32_t secondsDone;     // media seconds written so far
    int32_t framesDone;      // pictures written so far (0 for an output without pictures)
};

using AVEncoderLogFunction = void (*)(const char *line);

struct AVEncoderTable
{
    void (*begin)();
    int (*run)(int argc, char *argv[]);
    void (*end)();
    void (*stop)();
    const AVEncoderStatus *(*status)();
    void (*setLogCallback)(AVEncoderLogFunction log);
    int (*mediaInformation)(const char *path, void *record);
};

// The media-information record: 1048 bytes; the two stream counts sit at fixed offsets that the
// callers read. Text fields are NUL-terminated UTF-8.
struct AVMediaInformation
{
    char formatName[1000];       // libavformat's short container name(s), e.g. "matroska,webm"
    char reserved[8];
    int64_t durationMicroseconds;  // 0 when unknown
    int64_t bitRate;             // bits per second, 0 when unknown
    int32_t subtitleStreams;
    int32_t videoStreams;        // offset 1028
    int32_t audioStreams;        // offset 1032
    int32_t width;               // of the first video stream, 0 without one
    int32_t height;
    int32_t reserved2;
};

using GetAVEncoderFunction = AVEncoderTable *(*)();
}

inline constexpr size_t kAVMediaInformationSize = 1048;
static_assert(sizeof(AVMediaInformation) == kAVMediaInformationSize);
static_assert(offsetof(AVMediaInformation, videoStreams) == 1028);
static_assert(offsetof(AVMediaInformation, audioStreams) == 1032);
