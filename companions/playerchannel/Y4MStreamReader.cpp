#include "Y4MStreamReader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>

namespace {
constexpr std::size_t kLongestLine = 4096;
constexpr int kLargestSide = 16384;

bool readRatio(const std::string &text, int &num, int &den)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return false;
    try {
        num = std::stoi(text.substr(0, colon));
        den = std::stoi(text.substr(colon + 1));
    } catch (...) {
        return false;
    }
    return num >= 0 && den >= 0;
}

bool readChroma(const std::string &tag, Y4MStreamReader::Chroma &chroma)
{
    using C = Y4MStreamReader::Chroma;
    const struct
    {
        const char *tag;
        C chroma;
    } rows[] = {
        {"420jpeg", C::C420}, {"420paldv", C::C420}, {"420mpeg2", C::C420}, {"420", C::C420},
        {"422", C::C422},     {"444", C::C444},      {"411", C::C411},      {"mono", C::Mono},
    };
    for (const auto &row : rows) {
        if (tag == row.tag) {
            chroma = row.chroma;
            return true;
        }
    }
    return false;
}
} // namespace

int Y4MStreamReader::Format::displayAspectHundredths() const
{
    if (width <= 0 || height <= 0)
        return 0;
    double aspect = double(width) / double(height);
    if (sampleAspectNum > 0 && sampleAspectDen > 0)
        aspect *= double(sampleAspectNum) / double(sampleAspectDen);
    return int(std::lround(aspect * 100.0));
}

bool Y4MStreamReader::parseHeader(const std::string &line, Format &format, std::string &why)
{
    std::istringstream in(line);
    std::string word;
    if (!(in >> word) || word != "YUV4MPEG2") {
        why = "not a yuv4mpeg stream";
        return false;
    }
    Format f;
    while (in >> word) {
        const char tag = word[0];
        const std::string value = word.substr(1);
        try {
            if (tag == 'W')
                f.width = std::stoi(value);
            else if (tag == 'H')
                f.height = std::stoi(value);
            else if (tag == 'F' && !readRatio(value, f.frameRateNum, f.frameRateDen))
                f.frameRateNum = f.frameRateDen = 0;
            else if (tag == 'A' && !readRatio(value, f.sampleAspectNum, f.sampleAspectDen))
                f.sampleAspectNum = f.sampleAspectDen = 0;
            else if (tag == 'C' && !readChroma(value, f.chroma)) {
                why = "unsupported colour space " + value;
                return false;
            }
        } catch (...) {
            why = "unreadable header field " + word;
            return false;
        }
    }
    if (f.width <= 0 || f.height <= 0 || f.width > kLargestSide || f.height > kLargestSide) {
        why = "no frame size";
        return false;
    }
    const std::size_t luma = std::size_t(f.width) * std::size_t(f.height);
    switch (f.chroma) {
    case Chroma::C420:
        f.chromaWidth = (f.width + 1) / 2;
        f.chromaHeight = (f.height + 1) / 2;
        break;
    case Chroma::C422:
        f.chromaWidth = (f.width + 1) / 2;
        f.chromaHeight = f.height;
        break;
    case Chroma::C444:
        f.chromaWidth = f.width;
        f.chromaHeight = f.height;
        break;
    case Chroma::C411:
        f.chromaWidth = (f.width + 3) / 4;
        f.chromaHeight = f.height;
        break;
    case Chroma::Mono:
        break;
    }
    f.frameBytes = luma + 2 * std::size_t(f.chromaWidth) * std::size_t(f.chromaHeight);
    format = f;
    return true;
}

void Y4MStreamReader::feed(const std::uint8_t *data, std::size_t size)
{
    while (size > 0 && !failed()) {
        if (m_state == State::FrameData) {
            const std::size_t take = std::min(size, m_format.frameBytes - m_filled);
            std::memcpy(m_frame.data() + m_filled, data, take);
            m_filled += take;
            data += take;
            size -= take;
            if (m_filled == m_format.frameBytes) {
                m_state = State::FrameHeader;
                if (m_onFrame)
                    m_onFrame(m_format, m_frame.data());
            }
            continue;
        }
        const void *end = std::memchr(data, '\n', size);
        const std::size_t take = end ? std::size_t(static_cast<const std::uint8_t *>(end) - data) : size;
        m_line.append(reinterpret_cast<const char *>(data), take);
        if (m_line.size() > kLongestLine) {
            m_error = "header line too long";
            return;
        }
        data += take;
        size -= take;
        if (end) {
            ++data;
            --size;
            takeLine();
            m_line.clear();
        }
    }
}

void Y4MStreamReader::takeLine()
{
    if (m_line.rfind("YUV4MPEG2", 0) == 0) {
        Format format;
        if (!parseHeader(m_line, format, m_error))
            return;
        m_format = format;
        m_frame.resize(format.frameBytes + kFramePadding);
        m_state = State::FrameHeader;
        if (m_onHeader)
            m_onHeader(m_format);
        return;
    }
    if (m_state == State::FrameHeader && m_line.rfind("FRAME", 0) == 0) {
        m_filled = 0;
        m_state = State::FrameData;
        return;
    }
    m_error = m_state == State::StreamHeader ? "not a yuv4mpeg stream" : "lost frame boundary";
}
