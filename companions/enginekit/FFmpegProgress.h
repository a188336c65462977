#pragma once

#include <string_view>

// Reads the "key=value" lines ffmpeg writes with "-progress pipe:1". A block ends with
// "progress=continue" or "progress=end". Values it cannot read ("N/A") leave the last figure.
class FFmpegProgress
{
public:
    void feedLine(std::string_view line);

    double secondsDone() const { return m_seconds; }
    double framesPerSecond() const { return m_fps; }
    // Frames written to the output so far ("frame="); 0 for an output without pictures.
    double framesDone() const { return m_frames; }
    bool hasFps() const { return m_hasFps; }
    bool ended() const { return m_ended; }       // "progress=end" seen
    int blocks() const { return m_blocks; }       // completed blocks

private:
    double m_seconds = 0;
    double m_fps = 0;
    double m_frames = 0;
    bool m_hasFps = false;
    bool m_ended = false;
    int m_blocks = 0;
};
