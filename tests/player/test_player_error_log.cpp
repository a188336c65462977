// What a player writes on its standard error goes into the program's log as the engines' lines
// do: one indented line each, whatever pieces the reads cut it into, the last line also when the
// player ends in the middle of it; its standard output stays out of the log.
#include "player/HVPlayerProcess.h"

#include "core/log/DNLogger.h"

#include "support/eventloop.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(PlayerErrorLog, EveryErrorLineOfThePlayerIsInTheLog)
{
    testsupport::application();
    QTemporaryDir home;
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("log"))));
    DNLogger::shareRoughLog().redirect(home.filePath(QStringLiteral("log")));

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
    HVPlayerProcess process;
    bool ended = false;
    QObject::connect(&process, &HVPlayerProcess::terminated, [&] { ended = true; });
    ASSERT_TRUE(process.launch(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}, home.path(), home.path()));
    testsupport::spinUntil([&] { return ended; });
    ASSERT_TRUE(ended);

    QFile log(DNLogger::shareRoughLog().roughLogFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    // The engines' lines are the indented ones (the log's own entries are stamped).
    QString engineLines;
    for (const QString &line : QString::fromUtf8(log.readAll()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1Char('\t')))
            engineLines += line + QLatin1Char('\n');
    EXPECT_EQ(engineLines.toStdString(), QStringLiteral("\tToo many video packets in the buffer: (4096 in 8 packets)\n"
                                   "\tMaybe you are playing a non-interleaved stream/file\n"
                                   "\tVO: draw error\n"
                                   "\tcaf\uFFFD unreadable\n"
                                   "\tExiting... (Quit)\n").toStdString());
}
