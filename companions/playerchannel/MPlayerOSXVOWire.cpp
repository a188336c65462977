#include "MPlayerOSXVOWire.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

namespace MPlayerOSXVOWire {
namespace {
constexpr std::string_view kStartWord = "startWithWidth:withHeight:withBytes:withAspect:";

const struct
{
    Method method;
    std::string_view word;
} kWords[] = {
    {Method::Start, kStartWord},
    {Method::Stop, "stop"},
    {Method::Render, "render"},
    {Method::ToggleFullscreen, "toggleFullscreen"},
    {Method::Ontop, "ontop"},
};

std::vector<std::string> words(std::string_view line)
{
    std::istringstream in{std::string(line)};
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

bool toInt(const std::string &text, int &value)
{
    try {
        std::size_t used = 0;
        const long parsed = std::stol(text, &used);
        if (used != text.size() || parsed < 0 || parsed > 1000000)
            return false;
        value = int(parsed);
        return true;
    } catch (...) {
        return false;
    }
}
} // namespace

std::string format(const Message &message)
{
    for (const auto &entry : kWords) {
        if (entry.method != message.method)
            continue;
        std::string line(entry.word);
        if (message.method == Method::Start) {
            char numbers[64];
            std::snprintf(numbers, sizeof numbers, " %d %d %d %d", message.width, message.height,
                          message.bytesPerPixel, message.aspect);
            line += numbers;
        }
        return line + "\n";
    }
    return {};
}

std::optional<Message> parse(std::string_view line)
{
    const std::vector<std::string> parts = words(line);
    if (parts.empty())
        return std::nullopt;
    for (const auto &entry : kWords) {
        if (parts[0] != entry.word)
            continue;
        Message message;
        message.method = entry.method;
        if (entry.method != Method::Start)
            return parts.size() == 1 ? std::optional<Message>(message) : std::nullopt;
        if (parts.size() != 5 || !toInt(parts[1], message.width) || !toInt(parts[2], message.height) ||
            !toInt(parts[3], message.bytesPerPixel) || !toInt(parts[4], message.aspect))
            return std::nullopt;
        if (message.width <= 0 || message.height <= 0 || message.bytesPerPixel <= 0)
            return std::nullopt;
        return message;
    }
    return std::nullopt;
}

std::string fourCCText(std::uint32_t code)
{
    std::string text(4, ' ');
    for (int i = 0; i < 4; ++i)
        text[std::size_t(i)] = char((code >> (24 - 8 * i)) & 0xff);
    return text;
}

std::string formatStartReply(bool mapped, std::uint32_t pixelFormat)
{
    return mapped ? "1 " + fourCCText(pixelFormat) + "\n" : "0\n";
}

bool parseStartReply(std::string_view line, std::uint32_t &pixelFormat)
{
    const std::vector<std::string> parts = words(line);
    pixelFormat = kPixelFormatYUVS;
    if (parts.empty() || parts[0] != "1")
        return false;
    if (parts.size() > 1 && parts[1] == fourCCText(kPixelFormat2VUY))
        pixelFormat = kPixelFormat2VUY;
    return true;
}

void LineReader::append(const char *data, std::size_t size)
{
    m_splitter.feed(std::string_view(data, size), [this](std::string_view line) {
        m_lines.emplace_back(line);
        m_linesBytes += line.size();
    });
}

std::optional<std::string> LineReader::nextLine()
{
    if (m_lines.empty())
        return std::nullopt;
    std::string line = std::move(m_lines.front());
    m_lines.pop_front();
    m_linesBytes -= line.size();
    return line;
}

} // namespace MPlayerOSXVOWire
