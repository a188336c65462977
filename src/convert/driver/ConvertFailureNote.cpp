#include "convert/driver/ConvertFailureNote.h"

#include "enginekit/OutputCheckLine.h"

#include <QRegularExpression>
#include <QStringList>

#include <mutex>

namespace {
constexpr int kKeptEngineLines = 24;

std::mutex noteLock;
ConvertFailureReason firstReason;
QStringList engineLines;

// The lines every failing run ends with, which name no cause.
bool isClosingLine(const QString &line)
{
    static const QRegularExpression closing(QStringLiteral(
        "^(Conversion failed!?|(ffmpeg|HandBrakeCLI) failed with status|pass failed: (mencoder|ffmpeg) ended with status|"
        "encoder stopped|Exiting\\.\\.\\.)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return closing.match(line).hasMatch();
}

// The vectors and commands the engines log before they run.
bool isCommandLine(const QString &line)
{
    static const QRegularExpression command(
        QStringLiteral("^(encoder vector|engine command|pass vector|backup vector|translated |mencoder: |ffmpeg: |"
                       "ffmpeg, reading)"));
    return command.match(line).hasMatch();
}

bool namesAProblem(const QString &line)
{
    static const QRegularExpression problem(
        QStringLiteral("error|no space|invalid|denied|no such|not found|no \\w+ found|cannot|can't|could not|unable|"
                       "failed|corrupt|truncated|unsupported|not supported"),
        QRegularExpression::CaseInsensitiveOption);
    return problem.match(line).hasMatch();
}

// "[out#0/mp4 @ 0x55d...] Error ..." reads "Error ..."; the companions' own prefixes go too.
QString plainLine(QString line)
{
    static const QRegularExpression prefixes(
        QStringLiteral("^(hvvideocore: |HVDVDISOBackup: |dvd2mkv: |(\\[[^\\]]*\\] ?)+)"));
    line = line.trimmed();
    for (int i = 0; i < 3; ++i) {
        const QString stripped = line.remove(prefixes).trimmed();
        if (stripped == line)
            break;
        line = stripped;
    }
    return line;
}
} // namespace

void beginConvertFailureNote()
{
    std::lock_guard<std::mutex> guard(noteLock);
    firstReason = {};
    engineLines.clear();
}

void noteConvertFailure(const ConvertFailureReason &reason)
{
    // A text of its own that says nothing is no reason.
    if (reason.kind() == ConvertFailureKind::Unexplained && reason.text().trimmed().isEmpty())
        return;
    std::lock_guard<std::mutex> guard(noteLock);
    if (firstReason.isEmpty())
        firstReason = reason;
}

void noteConvertFailure(ConvertFailureKind kind, QList<ConvertFailureDetail> details)
{
    noteConvertFailure(ConvertFailureReason(kind, std::move(details)));
}

ConvertFailureReason convertFailureNote()
{
    std::lock_guard<std::mutex> guard(noteLock);
    return firstReason;
}

void noteEngineLine(const QString &line)
{
    const QString text = plainLine(line);
    if (text.isEmpty() || isCommandLine(text))
        return;
    std::lock_guard<std::mutex> guard(noteLock);
    engineLines.append(text);
    if (engineLines.size() > kKeptEngineLines)
        engineLines.removeFirst();
}

void beginEnginePass()
{
    std::lock_guard<std::mutex> guard(noteLock);
    engineLines.clear();
}

namespace {
// The output check's finding among the pass's lines, the last one; empty when there is none.
QString outputCheckFinding()
{
    std::lock_guard<std::mutex> guard(noteLock);
    for (auto it = engineLines.crbegin(); it != engineLines.crend(); ++it) {
        const QByteArray line = it->toUtf8();
        const std::string_view problem = outputCheckProblem(std::string_view(line.constData(), size_t(line.size())));
        if (!problem.empty())
            return QString::fromUtf8(problem.data(), qsizetype(problem.size()));
    }
    return {};
}
} // namespace

ConvertFailureReason engineFailure(const QString &engineName, int result)
{
    if (const QString finding = outputCheckFinding(); !finding.isEmpty()) {
        const QByteArray text = finding.toUtf8();
        if (const auto lengths = parseOutputTooShortProblem(std::string_view(text.constData(), size_t(text.size()))))
            return ConvertFailureReason(ConvertFailureKind::OutputTooShort,
                                        {ConvertFailureDetail::seconds(lengths->lastsSeconds),
                                         ConvertFailureDetail::seconds(lengths->expectedSeconds)});
        return ConvertFailureReason(ConvertFailureKind::OutputNotWhole, {finding});
    }
    if (const QString why = engineFailureReason(); !why.isEmpty())
        return ConvertFailureReason(ConvertFailureKind::EngineFailed, {engineName, why});
    return ConvertFailureReason(ConvertFailureKind::EngineFailedWithResult, {engineName, ConvertFailureDetail::number(result)});
}

QString engineFailureReason()
{
    std::lock_guard<std::mutex> guard(noteLock);
    QString closing;
    for (auto it = engineLines.crbegin(); it != engineLines.crend(); ++it) {
        if (isClosingLine(*it)) {
            if (closing.isEmpty())
                closing = *it;
            continue;
        }
        if (namesAProblem(*it))
            return *it;
    }
    return closing;
}
