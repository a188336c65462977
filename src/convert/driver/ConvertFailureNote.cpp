#include "convert/driver/ConvertFailureNote.h"

#include "enginekit/OutputCheckLine.h"
#include "enginekit/SignalEnd.h"

#include <QRegularExpression>
#include <QStringList>

#include <mutex>

namespace {
constexpr int kKeptEngineLines = 24;

std::mutex noteLock;
ConvertFailureReason firstReason;
QStringList engineLines;
// The last line a backup tool wrote in its own name in the pass (see isToolStatement).
QString toolStatement;

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

// The ISO backup tool speaks in its own name only to say why it failed, in its last line (the
// image maker's lines it quotes go under "image maker:"): that line is its whole account, even
// where it names no error in so many words ("the image maker wrote no ISO 9660 volume
// descriptor").
bool isToolStatement(const QString &line)
{
    static const QLatin1String tool("HVDVDISOBackup: ");
    return line.startsWith(tool) && !line.mid(tool.size()).startsWith(QLatin1String("image maker:"));
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
    toolStatement.clear();
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
    if (isToolStatement(line.trimmed()))
        toolStatement = text;
    engineLines.append(text);
    if (engineLines.size() > kKeptEngineLines)
        engineLines.removeFirst();
}

void beginEnginePass()
{
    std::lock_guard<std::mutex> guard(noteLock);
    engineLines.clear();
    toolStatement.clear();
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

// What it means that a signal ended one of the engine's processes, from the first line of the
// pass that tells it (a process that fails after it, such as its reader, only follows from it);
// empty when no signal ended one.
ConvertFailureReason signalEndReason(const QString &engineName)
{
    std::lock_guard<std::mutex> guard(noteLock);
    for (const QString &line : std::as_const(engineLines)) {
        const QByteArray text = line.toUtf8();
        const auto fact = parseSignalEndLine(std::string_view(text.constData(), size_t(text.size())));
        if (!fact)
            continue;
        const QString program = QString::fromStdString(fact->program);
        const QString signal = QString::fromStdString(signalName(fact->end.signal));
        switch (fact->end.kind) {
        case SignalEndKind::FileSizeLimit:
            return ConvertFailureReason(ConvertFailureKind::EngineFileSizeLimit, {engineName, program});
        case SignalEndKind::Crash:
            return ConvertFailureReason(ConvertFailureKind::EngineCrashed, {engineName, program, signal});
        case SignalEndKind::Kill:
            return ConvertFailureReason(ConvertFailureKind::EngineKilled, {engineName, program});
        default:
            return ConvertFailureReason(ConvertFailureKind::EngineEndedBySignal, {engineName, program, signal});
        }
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
    if (ConvertFailureReason bySignal = signalEndReason(engineName); !bySignal.isEmpty())
        return bySignal;
    if (const QString why = engineFailureReason(); !why.isEmpty())
        return ConvertFailureReason(ConvertFailureKind::EngineFailed, {engineName, why});
    return ConvertFailureReason(ConvertFailureKind::EngineFailedWithResult, {engineName, ConvertFailureDetail::number(result)});
}

QString engineFailureReason()
{
    std::lock_guard<std::mutex> guard(noteLock);
    if (!toolStatement.isEmpty() && !engineLines.isEmpty() && engineLines.last() == toolStatement)
        return toolStatement;
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
