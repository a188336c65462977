#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Reads a yuv4mpeg stream (what mplayer's "-vo yuv4mpeg" writes) as it arrives in pieces of any
// size: a stream header, then frames of planar Y'CbCr. A new stream header may follow a frame
// (mplayer writes one each time it opens its output again). Malformed input stops the reader;
// the caller keeps draining its pipe so that the writer never blocks.
//
// Plain standard library: the player executable builds this same file.
class Y4MStreamReader
{
public:
    enum class Chroma { C420, C422, C444, C411, Mono };

    struct Format
    {
        int width = 0;
        int height = 0;
        int sampleAspectNum = 0;   // 0:0 when the stream leaves it unknown
        int sampleAspectDen = 0;
        int frameRateNum = 0;
        int frameRateDen = 0;
        Chroma chroma = Chroma::C420;
        int chromaWidth = 0;
        int chromaHeight = 0;
        std::size_t frameBytes = 0;

        // The display aspect (width x sample aspect / height) in hundredths, rounded; the frame's
        // own proportion when the sample aspect is unknown.
        int displayAspectHundredths() const;
        bool operator==(const Format &) const = default;
    };

    using HeaderHandler = std::function<void(const Format &)>;
    // The frame's planes one after the other: Y, then Cb and Cr (none for Chroma::Mono), followed
    // by kFramePadding bytes that belong to no plane: picture converters read whole vector blocks,
    // which may reach past the end of the last row.
    static constexpr std::size_t kFramePadding = 64;
    using FrameHandler = std::function<void(const Format &, const std::uint8_t *planes)>;

    Y4MStreamReader(HeaderHandler onHeader, FrameHandler onFrame)
        : m_onHeader(std::move(onHeader)), m_onFrame(std::move(onFrame)) {}

    void feed(const std::uint8_t *data, std::size_t size);

    bool failed() const { return !m_error.empty(); }
    const std::string &error() const { return m_error; }
    const Format &format() const { return m_format; }

    // Reads a stream header line (without its "\n"); false with why when it is no header this
    // reader can follow.
    static bool parseHeader(const std::string &line, Format &format, std::string &why);

private:
    enum class State { StreamHeader, FrameHeader, FrameData };
    void takeLine();

    HeaderHandler m_onHeader;
    FrameHandler m_onFrame;
    State m_state = State::StreamHeader;
    std::string m_line;
    std::vector<std::uint8_t> m_frame;
    std::size_t m_filled = 0;
    Format m_format;
    std::string m_error;
};
