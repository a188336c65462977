#include "hvvideocore/MEncoderStatus.h"

#include "enginekit/EngineFigures.h"

#include <cstdlib>
#include <cstring>

namespace {
// Reads a number at text[i] (after blanks); moves i past it. False when none is there.
bool readNumber(std::string_view text, size_t &i, double &value)
{
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '('))
        ++i;
    const std::string rest(text.substr(i, 32));
    char *end = nullptr;
    const double v = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str())
        return false;
    value = v;
    i += size_t(end - rest.c_str());
    return true;
}

bool expect(std::string_view text, size_t &i, char c)
{
    if (i < text.size() && text[i] == c) {
        ++i;
        return true;
    }
    return false;
}
} // namespace

bool parseMEncoderStatusLine(std::string_view line, MEncoderStatus &status)
{
    const size_t at = line.find("Pos:");
    if (at == std::string_view::npos)
        return false;
    size_t i = at + 4;
    double seconds = 0, frames = 0, percent = 0, fps = 0;
    if (!readNumber(line, i, seconds) || !expect(line, i, 's'))
        return false;
    if (!readNumber(line, i, frames) || !expect(line, i, 'f'))
        return false;
    if (!readNumber(line, i, percent) || !expect(line, i, '%'))
        return false;
    MEncoderStatus parsed;
    parsed.seconds = engineFigure(seconds, kMostEngineSeconds);
    parsed.frames = long(engineFigure(frames, kMostEngineFrames));
    parsed.percent = int(engineFigure(percent, 100));
    // The speed is optional: the first lines of a run can carry an empty figure.
    size_t j = i;
    if (expect(line, j, ')') && readNumber(line, j, fps) && line.substr(j, 3) == "fps")
        parsed.fps = engineFigure(fps, kMostEngineSpeed);
    status = parsed;
    return true;
}

void MEncoderOutputReader::feed(std::string_view chunk)
{
    m_lines.feed(chunk, [this](std::string_view text) { line(text); });
}

void MEncoderOutputReader::finish()
{
    m_lines.finish([this](std::string_view text) { line(text); });
}

void MEncoderOutputReader::line(std::string_view text)
{
    if (text.empty())
        return;
    MEncoderStatus status;
    if (parseMEncoderStatusLine(text, status)) {
        if (onStatus)
            onStatus(status);
        // A message printed without a line break sits in front of the status word.
        const std::string_view before = text.substr(0, text.find("Pos:"));
        if (!before.empty() && before.find_first_not_of(" \t") != std::string_view::npos && onMessage)
            onMessage(before);
    } else if (onMessage) {
        onMessage(text);
    }
}

int percentOfPart(const MEncoderStatus &status, double partSeconds)
{
    double p = partSeconds > 0 ? status.seconds * 100.0 / partSeconds : double(status.percent);
    if (!(p >= 0))
        p = 0;
    if (p > 100)
        p = 100;
    return int(p);
}
