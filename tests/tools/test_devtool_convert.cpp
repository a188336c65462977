// The developer aid's convert: a signal stops it as the Stop button does, it logs where the
// program logs, and a run killed mid-pass leaves nothing the next start does not remove.

#include "support/paths.h"
#include "support/process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <unistd.h>

namespace {

QString devtool()
{
    return testsupport::buildDir() + QStringLiteral("/bin/talvane-devtool");
}

// A devtool run with folders of its own: data (the log), temporary files, output.
struct DevtoolRun
{
    QTemporaryDir home;
    QString data() const { return home.filePath(QStringLiteral("data")); }
    QString temporary() const { return home.filePath(QStringLiteral("tmp")); }
    QString output() const { return home.filePath(QStringLiteral("out")); }

    DevtoolRun()
    {
        QDir().mkpath(temporary());
        QDir().mkpath(output());
    }

    void start(QProcess &process, const char *profile) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data());
        environment.insert(QStringLiteral("TMPDIR"), temporary());
        process.setProcessEnvironment(environment);
        process.start(devtool(), {QStringLiteral("convert"), testsupport::fixturePath(QStringLiteral("dvd/ntsc")),
                                  QStringLiteral("1"), QString::fromLatin1(profile), output()});
    }
};

QStringList entriesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

bool holdsWrittenFile(const QString &folder)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries)
        if (entry.size() > 0)
            return true;
    return false;
}

// Processes still running whose command line names folder (engines that outlived the run).
QStringList processesNaming(const QString &folder)
{
    QStringList found;
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(QFile::encodeName(folder)))
            found << pid;
    }
    return found;
}

} // namespace

TEST(DevtoolConvert, SignalStopsTheConversionAndItsLogIsWritten)
{
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        DevtoolRun run;
        QProcess process;
        run.start(process, "Video_Other_AVI_DIVX.plist");
        ASSERT_TRUE(process.waitForStarted());
        QByteArray errors;
        ASSERT_TRUE(testsupport::waitFor([&] {
            process.waitForReadyRead(10);
            errors += process.readAllStandardError();
            return errors.contains("pass started") || process.state() == QProcess::NotRunning;
        })) << errors.toStdString();
        ::kill(pid_t(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(60000));
        errors += process.readAllStandardError();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << errors.toStdString();
        EXPECT_EQ(process.exitCode(), 128 + signal) << errors.toStdString();
        EXPECT_TRUE(errors.contains("stopped by signal")) << errors.toStdString();
        EXPECT_EQ(entriesIn(run.output()), QStringList());
        EXPECT_EQ(processesNaming(run.output()), QStringList());

        QFile log(run.data() + QStringLiteral("/Harnvale/Talvane/Talvane.log"));
        ASSERT_TRUE(log.open(QIODevice::ReadOnly)) << log.fileName().toStdString();
        EXPECT_TRUE(log.readAll().contains("The conversion was stopped by the user."));
    }
}

// A run killed in the middle of its pass leaves a hidden part in the output folder (the AVI, which
// mencoder writes, or the MP4, which ffmpeg writes while it reads mencoder's stream) and, for the
// MP4, the engine's temporary folder with the stream's FIFO; the next start removes them, and
// nothing of a process that still runs.
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
        const QRegularExpression engineFolder(QStringLiteral("^hvvideocore-\\d+-"));

        QProcess killed;
        run.start(killed, c.profile);
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
        EXPECT_FALSE(entriesIn(run.output()).isEmpty());
        EXPECT_TRUE(testsupport::waitFor([&] { return processesNaming(run.output()).isEmpty(); }, 10));

        QProcess next;
        run.start(next, c.profile);
        ASSERT_TRUE(next.waitForFinished(120000));
        ASSERT_EQ(next.exitCode(), 0) << next.readAllStandardError().toStdString();
        const QString output = QString::fromUtf8(next.readAllStandardOutput()).trimmed();
        EXPECT_EQ(entriesIn(run.output()), QStringList{QFileInfo(output).fileName()});
        EXPECT_EQ(entriesIn(run.temporary()), QStringList{QFileInfo(living).fileName()});
    }
}
