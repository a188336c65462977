#include "builders/avencoder/SubtitleCueStart.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

constexpr qint64 kMillisecondsPerSecond = 1000;

// Milliseconds of a time whose hours, minutes, seconds and milliseconds are the given groups of
// match (the hours may be absent).
qint64 cueTime(const QRegularExpressionMatch &match, int hours, int minutes, int seconds, int milliseconds)
{
    return ((match.captured(hours).toLongLong() * 60 + match.captured(minutes).toLongLong()) * 60
            + match.captured(seconds).toLongLong())
               * kMillisecondsPerSecond
           + match.captured(milliseconds).toLongLong();
}

QString srtTime(qint64 seconds, QChar separator)
{
    return QStringLiteral("%1:%2:%3%4")
               .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
               .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
               .arg(seconds % 60, 2, 10, QLatin1Char('0'))
               .arg(separator)
           + QStringLiteral("000");
}

// "h:mm:ss.cc" (ASS and SSA) in milliseconds.
qint64 assTime(const QString &text)
{
    static const QRegularExpression time(QStringLiteral("^(\\d+):(\\d{2}):(\\d{2})\\.(\\d{2})$"));
    const QRegularExpressionMatch match = time.match(text);
    if (!match.hasMatch())
        return -1;
    return ((match.captured(1).toLongLong() * 60 + match.captured(2).toLongLong()) * 60 + match.captured(3).toLongLong())
               * kMillisecondsPerSecond
           + match.captured(4).toLongLong() * 10;
}

// SRT and WebVTT: the start of each timing line.
QString cutTimedLines(const QString &text, qint64 startMs, qint64 startSeconds)
{
    static const QRegularExpression timing(QStringLiteral(
        "^(?:(\\d+):)?(\\d{2}):(\\d{2})([,.])(\\d{3})(\\s*-->\\s*)(?:(\\d+):)?(\\d{2}):(\\d{2})[,.](\\d{3})"),
        QRegularExpression::MultilineOption);
    QString result;
    qsizetype copied = 0;
    QRegularExpressionMatchIterator it = timing.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const qint64 begin = cueTime(match, 1, 2, 3, 5);
        const qint64 end = cueTime(match, 7, 8, 9, 10);
        if (begin >= startMs || end <= startMs)
            continue;
        result += text.mid(copied, match.capturedStart(0) - copied);
        result += srtTime(startSeconds, match.captured(4).at(0)) + match.captured(6);
        copied = match.capturedEnd(6);
    }
    return result + text.mid(copied);
}

// ASS and SSA: the Start field of each Dialogue line (the second and third fields are Start and
// End in every script's event format).
QString cutDialogueLines(const QString &text, qint64 startMs, qint64 startSeconds)
{
    static const QRegularExpression dialogue(QStringLiteral("^(Dialogue:\\s*[^,\\n]*,)([^,\\n]*),([^,\\n]*),"),
                                             QRegularExpression::MultilineOption);
    QString result;
    qsizetype copied = 0;
    QRegularExpressionMatchIterator it = dialogue.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const qint64 begin = assTime(match.captured(2).trimmed());
        const qint64 end = assTime(match.captured(3).trimmed());
        if (begin < 0 || end < 0 || begin >= startMs || end <= startMs)
            continue;
        result += text.mid(copied, match.capturedStart(2) - copied);
        result += QStringLiteral("%1:%2:%3.00")
                      .arg(startSeconds / 3600)
                      .arg(startSeconds / 60 % 60, 2, 10, QLatin1Char('0'))
                      .arg(startSeconds % 60, 2, 10, QLatin1Char('0'));
        copied = match.capturedEnd(2);
    }
    return result + text.mid(copied);
}

} // namespace

bool startCuesAt(const QString &path, int startSeconds)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool timed = suffix == QLatin1String("srt") || suffix == QLatin1String("vtt");
    const bool dialogue = suffix == QLatin1String("ass") || suffix == QLatin1String("ssa");
    if (startSeconds <= 0 || (!timed && !dialogue))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    const qint64 startMs = qint64(startSeconds) * kMillisecondsPerSecond;
    const QString cut = timed ? cutTimedLines(text, startMs, startSeconds) : cutDialogueLines(text, startMs, startSeconds);
    if (cut == text)
        return true;
    QSaveFile target(path);
    return target.open(QIODevice::WriteOnly) && target.write(cut.toUtf8()) >= 0 && target.commit();
}
