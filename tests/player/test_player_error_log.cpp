// What a player writes on its standard error goes into the program's log as the engines' lines
// do: one indented line each, whatever pieces the reads cut it into, the last line also when the
// player ends in the middle of it, a line without end cut at the engines' line bound; its standard
// output stays out of the log.
#include "player/HVPlayerProcess.h"

#include "core/log/DNLogger.h"

#include "support/eventloop.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
// The stand-in player's standard error as the log keeps it: the engines' lines are the indented
// ones (the log's own entries are stamped).
QString playerErrorLines(const QString &script)
{
    testsupport::application();
    QTemporaryDir home;
    if (!QDir().mkpath(home.filePath(QStringLiteral("log"))))
        return QStringLiteral("no log folder");
    DNLogger::shareRoughLog().redirect(home.filePath(QStringLiteral("log")));
    HVPlayerProcess process;
    bool ended = false;
    QObject::connect(&process, &HVPlayerProcess::terminated, [&] { ended = true; });
    if (!process.launch(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}, home.path(), home.path()))
        return QStringLiteral("the stand-in did not start");
    testsupport::spinUntil([&] { return ended; });
    if (!ended)
        return QStringLiteral("the stand-in did not end");

    QFile log(DNLogger::shareRoughLog().roughLogFile());
    if (!log.open(QIODevice::ReadOnly))
        return QStringLiteral("no log");
    QString engineLines;
    for (const QString &line : QString::fromUtf8(log.readAll()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1Char('\t')))
            engineLines += line + QLatin1Char('\n');
    return engineLines;
}
} // namespace

TEST(PlayerErrorLog, EveryErrorLineOfThePlayerIsInTheLog)
{
    // A stand-in player: errors in pieces across reads, a carriage return between two messages,
    // an empty line, bytes that are not UTF-8, and a last line without its end; a status line on
    // standard output.
    const QString script = QStringLiteral(
        "printf 'Too many video packets in the buffer: (4096 in 8 packets)\\nMaybe you are playing a non-' >&2; "
        "sleep 0.3; "
        "printf 'interleaved stream/file\\rVO: draw error\\n\\n' >&2; "
        "printf 'A:   1.0 V:   1.0 A-V:  0.000\\n'; "
        "printf 'caf\\351 unreadable\\n' >&2; "
        "printf 'Exiting... (Quit)' >&2");
    EXPECT_EQ(playerErrorLines(script).toStdString(), QStringLiteral("\tToo many video packets in the buffer: (4096 in 8 packets)\n"
                                   "\tMaybe you are playing a non-interleaved stream/file\n"
                                   "\tVO: draw error\n"
                                   "\tcaf\uFFFD unreadable\n"
                                   "\tExiting... (Quit)\n").toStdString());
}

// A player that writes megabytes on its standard error without a line break: the log gets that
// line cut at the engines' line bound, and the next line whole.
TEST(PlayerErrorLog, AnEndlessErrorLineComesCutAtTheBound)
{
    const QString script = QStringLiteral("head -c 8388608 /dev/zero | tr '\\0' x >&2; printf '\\nVO: draw error\\n' >&2");
    const QString expected = QStringLiteral("\t") + QString(qsizetype(OutputLineSplitter::kMostLineBytes), QLatin1Char('x'))
                             + QStringLiteral("\n\tVO: draw error\n");
    const QString lines = playerErrorLines(script);
    EXPECT_TRUE(lines == expected) << lines.size() << " characters: " << lines.left(200).toStdString();
}
