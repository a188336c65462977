#include "HVPlayerStatus.h"

#include "enginekit/EngineFigures.h"
#include "core/regex/DNRegex.h"

namespace HVPlayerStatus {
namespace {
// LF, VT, FF, CR, NEL and the line and paragraph separators (the whole of Unicode's Zl and Zp).
constexpr std::u16string_view kLineBreaks = u"\n\v\f\r\u0085\u2028\u2029";
const QString kTag = QStringLiteral("[HVPlayer]:");
// No picture is wider or higher.
constexpr double kLargestSide = 65536;

// A time of the player's output, within what it can mean (a garbled "inf" reads as 0, 8.9e89 as
// the limit), so that it may be turned into a float or an int where it is used.
double numberOf(const QString &text)
{
    return engineFigure(text.trimmed().toDouble(), kMostEngineSeconds);
}

QString captureOf(const QString &line, const char *expression)
{
    return DNRegex::stringByMatching(line, QString::fromLatin1(expression), 1);
}

void appendTo(QStringList &lines, std::u16string_view line)
{
    lines.append(QString(reinterpret_cast<const QChar *>(line.data()), qsizetype(line.size())));
}

// A picture's width or height, within the same care.
int sideOf(const QString &text)
{
    return int(engineFigure(text.trimmed().toDouble(), kLargestSide));
}
} // namespace

const QString kStatusExpression = QStringLiteral(
    "^(?:A:\\s*([0-9.-]+)(?:\\s*\\([0-9.-]+\\) of [0-9.-]+ \\([ 0-9.-:]+\\))?\\s*)?(?:V:\\s*([0-9.-]+)\\s*)?"
    "(?:A-V:\\s*([0-9.-]+)\\s*)?(?:ct:\\s*[0-9.-]+\\s*)?(?:\\d+\\/\\s*\\d+\\s*)?"
    "(?:([0-9.-?]+)%(?:\\s*([0-9.-?]+)%)?(?:\\s*([0-9.-?,]+)?%)?\\s*)?(?:(\\d+)\\s*\\d+\\s*)?(?:(\\d+)%\\s*)?"
    "(?:[0-9.-]+x\\s*)?");

const qsizetype OutputLines::kMostLineCharacters = qsizetype(OutputLineSplitter::kMostLineBytes);

OutputLines::OutputLines() : lines_(std::size_t(kMostLineCharacters), kLineBreaks)
{
}

QStringList OutputLines::take(const QString &chunk)
{
    QStringList lines;
    lines_.feed(std::u16string_view(reinterpret_cast<const char16_t *>(chunk.utf16()), std::size_t(chunk.size())),
                [&lines](std::u16string_view line) { appendTo(lines, line); });
    return lines;
}

QStringList OutputLines::finish()
{
    QStringList last;
    lines_.finish([&last](std::u16string_view line) { appendTo(last, line); });
    return last;
}

QStringList statusComponents(const QString &line)
{
    return DNRegex::captureComponentsMatchedByRegex(line, kStatusExpression);
}

Line classifyLine(const QString &given, bool editorKeys)
{
    Line result;
    const QString line = given.startsWith(kTag) ? given.mid(kTag.size()) : given;
    if (line.trimmed().isEmpty())
        return result;
    if (line.startsWith(QLatin1Char('A')) || line.startsWith(QLatin1Char('V'))) {
        result.kind = LineKind::Status;
        result.components = statusComponents(line);
        if (result.components.size() >= 2)
            result.value = numberOf(result.components.value(2));
        return result;
    }
    if (line.startsWith(QLatin1String("ID_PAUSED"))) {
        result.kind = LineKind::Paused;
    } else if (line.startsWith(QLatin1String("ID_LENGTH"))) {
        result.kind = LineKind::Length;
        result.value = numberOf(captureOf(line, "^ID_LENGTH=(.*)$"));
    } else if (editorKeys && line.startsWith(QLatin1String("ID_VIDEO_WIDTH"))) {
        result.kind = LineKind::VideoWidth;
        result.value = sideOf(captureOf(line, "^ID_VIDEO_WIDTH=(.*)$"));
    } else if (editorKeys && line.startsWith(QLatin1String("ID_VIDEO_HEIGHT"))) {
        result.kind = LineKind::VideoHeight;
        result.value = sideOf(captureOf(line, "^ID_VIDEO_HEIGHT=(.*)$"));
    } else if (line.startsWith(QLatin1String("Starting playback..."))) {
        result.kind = LineKind::StartingPlayback;
    }
    return result;
}

OnlineChunk readOnlineChunk(const QString &chunk)
{
    OnlineChunk result;
    if (DNRegex::isMatchedByRegex(chunk, QStringLiteral("^A:.*V:.*A-V:"))) {
        result.isStatus = true;
        const QStringList components = statusComponents(chunk);
        if (components.size() >= 2) {
            result.currentTime = numberOf(components.value(2));
            result.cacheFill = components.last().trimmed().toInt();
        }
        return result;
    }
    const QString match = DNRegex::stringByMatching(chunk, QStringLiteral("ID_LENGTH=.*\\n"));
    const QStringList pieces = match.split(QLatin1Char('='));
    if (pieces.size() >= 2) {
        result.hasLength = true;
        result.length = numberOf(pieces.at(1));
    }
    return result;
}

} // namespace HVPlayerStatus
