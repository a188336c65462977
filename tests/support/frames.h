#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Pictures and whole decodes of converted media, read back with ffmpeg.
namespace testsupport {
struct Rgb {
    int red = 0, green = 0, blue = 0;
};

// One decoded frame as 8-bit RGB, as a player shows it (display turns applied).
struct Frame {
    int width = 0;
    int height = 0;
    QByteArray rgb;  // width * height * 3 bytes, rows top first

    Rgb pixel(int x, int y) const;
    // The mean colour of a rectangle (clipped to the frame).
    Rgb mean(int x, int y, int w, int h) const;
};

// The frame shown at `seconds`; empty when nothing decodes there.
std::optional<Frame> grabFrame(const QString &path, double seconds);

// One decoded frame of a YUV 4:2:0 stream as it is stored, no colour conversion: the luma plane
// (width x height) and the two chroma planes ((width + 1) / 2 x (height + 1) / 2), rows top first.
struct Planes {
    int width = 0;
    int height = 0;
    QByteArray y, u, v;
};

// The planes of the frame shown at `seconds`; empty when nothing decodes there.
std::optional<Planes> grabPlanes(const QString &path, double seconds);

// True when every stream of path decodes to its end without an error.
bool decodesToEnd(const QString &path, QString *errors = nullptr);

// The mean level of audio stream audioIndex in dBFS (ffmpeg's volumedetect); empty when there is
// no such stream.
std::optional<double> meanVolumeDb(const QString &path, int audioIndex = 0);
} // namespace testsupport
