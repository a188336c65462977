// The developer aid's convert: a signal stops it as the Stop button does, it logs where the
// program logs, and a run killed mid-pass leaves nothing the next start does not remove.

#include "DevtoolRunSupport.h"

#include <QRegularExpression>

#include <csignal>

#include <unistd.h>

namespace {

using namespace devtooltest;

QStringList convertArguments(const char *profile)
{
    return {QStringLiteral("convert"), testsupport::fixturePath(QStringLiteral("dvd/ntsc")), QStringLiteral("1"),
            QString::fromLatin1(profile), QStringLiteral("OUT")};
}

} // namespace

TEST(DevtoolConvert, SignalStopsTheConversionAndItsLogIsWritten)
{
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        DevtoolRun run;
        QProcess process;
        run.start(process, convertArguments("Video_Other_AVI_DIVX.plist"));
        ASSERT_TRUE(process.waitForStarted());
        QByteArray errors;
        ASSERT_TRUE(runUntil(process, errors, [&] { return errors.contains("pass started"); })) << errors.toStdString();
        expectStoppedBySignal(process, signal, errors, run);

        QFile log(run.data() + QStringLiteral("/Harnvale/Talvane/Talvane.log"));
        ASSERT_TRUE(log.open(QIODevice::ReadOnly)) << log.fileName().toStdString();
        EXPECT_TRUE(log.readAll().contains("The conversion was stopped by the user."));
    }
}

// A run killed in the middle of its pass leaves a hidden part in the output folder (the AVI, which
// mencoder writes, or the MP4, which ffmpeg writes while it reads mencoder's stream) and, for the
// MP4, the engine's temporary folder with the stream's FIFO; the next start removes them, and
// nothing else: not the folder of a process that still runs, nor a user's folders and files
// named like the program's.
TEST(DevtoolConvert, WhatAKilledRunLeftGoesAtTheNextStart)
{
    struct Case
    {
        const char *profile;
        bool leavesEngineFolder;
    } cases[] = {{"Video_Other_AVI_DIVX.plist", false}, {"MacGen_MP4_MPEG4.plist", true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.profile);
        DevtoolRun run;
        const QString living = run.temporary() + QStringLiteral("/talvane-%1-living").arg(::getpid());
        ASSERT_TRUE(QDir().mkpath(living));
        QStringList usersTemporary{QFileInfo(living).fileName(), QStringLiteral("hvvideocore-999999999-x1"),
                                   QStringLiteral("talvane-2024-notes")};
        for (const QString &name : usersTemporary)
            ASSERT_TRUE(QDir().mkpath(run.temporary() + QLatin1Char('/') + name + QStringLiteral("/inside")));
        QStringList usersOutputs{QStringLiteral(".backup.talvane-99999-1.tar"), QStringLiteral(".ntsc_T2.talvane-999999999-1.avi")};
        for (const QString &name : usersOutputs) {
            QFile file(run.output() + QLatin1Char('/') + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        const QRegularExpression engineFolder(QStringLiteral("^hvvideocore-\\d+-\\w{6}$"));

        QProcess killed;
        run.start(killed, convertArguments(c.profile));
        ASSERT_TRUE(killed.waitForStarted());
        ASSERT_TRUE(testsupport::waitFor(
            [&] { return killed.state() == QProcess::NotRunning || holdsWrittenFile(run.output()); }));
        ASSERT_EQ(killed.state(), QProcess::Running) << "the run ended before it could be killed";
        ::kill(pid_t(killed.processId()), SIGKILL);
        ASSERT_TRUE(killed.waitForFinished(30000));
        // The living folder, and the killed run's own engine folder where it used one.
        const QStringList leftInTemporary = entriesIn(run.temporary());
        EXPECT_EQ(leftInTemporary.filter(engineFolder).size(), c.leavesEngineFolder ? 1 : 0)
            << leftInTemporary.join(' ').toStdString();
        EXPECT_GT(entriesIn(run.output()).size(), usersOutputs.size()) << "the killed run left no part";
        EXPECT_TRUE(testsupport::waitFor([&] { return processesNaming(run.output()).isEmpty(); }, 10));

        QProcess next;
        run.start(next, convertArguments(c.profile));
        ASSERT_TRUE(next.waitForFinished(120000));
        ASSERT_EQ(next.exitCode(), 0) << next.readAllStandardError().toStdString();
        const QString output = QString::fromUtf8(next.readAllStandardOutput()).trimmed();
        usersOutputs << QFileInfo(output).fileName();
        usersOutputs.sort();
        usersTemporary.sort();
        EXPECT_EQ(entriesIn(run.output()), usersOutputs);
        EXPECT_EQ(entriesIn(run.temporary()), usersTemporary);
    }
}
