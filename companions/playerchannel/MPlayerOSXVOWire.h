#pragma once

#include "enginekit/LineSplitter.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

// The messages of MPlayerOSXVOProto on the local socket between the player executable and a
// frame receiver: one line of text each, the method name first, as the player would call the
// methods on the receiver.
//
//   player -> receiver                                  receiver -> player
//   "startWithWidth:withHeight:withBytes:withAspect: W H B A"   "1 <fourcc>" or "0"
//   "render"                                            "done" (after the frame was copied)
//   "stop", "toggleFullscreen", "ontop"                 nothing
//
// The start reply names the pixel format the receiver expects ("yuvs" or "2vuy"); the player packs
// its frames that way. The render reply lets the player write the next frame into the buffer only
// after the receiver has copied the last one.
//
// Plain standard library (and the engine kit): the player executable builds this same file.
namespace MPlayerOSXVOWire {

constexpr std::uint32_t fourCC(char a, char b, char c, char d)
{
    return (std::uint32_t(std::uint8_t(a)) << 24) | (std::uint32_t(std::uint8_t(b)) << 16) |
           (std::uint32_t(std::uint8_t(c)) << 8) | std::uint32_t(std::uint8_t(d));
}
// 4:2:2 Y'CbCr, two bytes a pixel: 'yuvs' is Y0 Cb Y1 Cr, '2vuy' is Cb Y0 Cr Y1.
constexpr std::uint32_t kPixelFormatYUVS = fourCC('y', 'u', 'v', 's');
constexpr std::uint32_t kPixelFormat2VUY = fourCC('2', 'v', 'u', 'y');

enum class Method { Start, Stop, Render, ToggleFullscreen, Ontop };

struct Message
{
    Method method = Method::Stop;
    // Start only: frame width and height in pixels, bytes per pixel, aspect in hundredths.
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    int aspect = 0;
};

// The line for a message, ending in "\n".
std::string format(const Message &message);
// The message of one line (without its "\n"); nothing for an unknown or malformed line, or for a
// start whose numbers are not all positive.
std::optional<Message> parse(std::string_view line);

std::string formatStartReply(bool mapped, std::uint32_t pixelFormat);
// Whether the receiver mapped the buffer, and the pixel format it expects ('yuvs' when the reply
// names none it knows).
bool parseStartReply(std::string_view line, std::uint32_t &pixelFormat);
constexpr std::string_view kRenderReply = "done";

std::string fourCCText(std::uint32_t code);

// Collects bytes from a stream socket and hands out complete lines, cut as the engines' output is
// (LineSplitter: at "\n" or "\r", empty lines left out). No message is nearly as long as
// kMostLineBytes: a peer that writes on without a line break has the first kMostLineBytes of that
// line handed out as one (unknown) line and the rest of it, up to its line break, dropped, so that
// what is kept stays bounded.
class LineReader
{
public:
    static constexpr std::size_t kMostLineBytes = 4096;

    void append(const char *data, std::size_t size);
    // The next complete line without its line break, or nothing when no complete line is buffered.
    std::optional<std::string> nextLine();

    // The memory held for the lines not handed out yet.
    std::size_t bufferedBytes() const { return m_splitter.bufferedBytes() + m_linesBytes; }

private:
    OutputLineSplitter m_splitter{kMostLineBytes};
    std::deque<std::string> m_lines;
    std::size_t m_linesBytes = 0;
};

} // namespace MPlayerOSXVOWire
