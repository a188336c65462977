#pragma once

// What the developer aid's process tests share: a run with folders of its own (data for the log
// and the notes of unfinished outputs, temporary files, output), everything a folder holds, and
// the processes still naming a folder.

#include "support/paths.h"
#include "support/process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace devtooltest {

inline QString devtool()
{
    return testsupport::buildDir() + QStringLiteral("/bin/talvane-devtool");
}

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

    // Starts the developer aid with arguments; "OUT" stands for the output folder.
    void start(QProcess &process, const QStringList &arguments) const
    {
        useEnvironment(process);
        QStringList words;
        for (const QString &argument : arguments)
            words << (argument == QLatin1String("OUT") ? output() : argument);
        process.start(devtool(), words);
    }

    // Starts the developer aid with arguments given as bytes that need not be UTF-8 text, as a
    // shell passes mkdir $'\xff\xfe': QProcess passes text, so a shell makes each argument's
    // bytes again from octal escapes (printf's %b).
    void startWithBytes(QProcess &process, const QList<QByteArray> &arguments) const
    {
        useEnvironment(process);
        QStringList words{QStringLiteral("-c"),
                          QStringLiteral(R"(p=$1; shift; n=$#; while [ "$n" -gt 0 ]; do v=$(printf '%bx' "$1"); )"
                                         R"(shift; set -- "$@" "${v%x}"; n=$((n - 1)); done; exec "$p" "$@")"),
                          QStringLiteral("sh"), devtool()};
        for (const QByteArray &argument : arguments) {
            QString escaped;
            for (const char c : argument) {
                const uchar byte = uchar(c);
                escaped += byte < 0x20 || byte >= 0x7f || c == '\\'
                    ? QStringLiteral("\\0%1").arg(byte, 3, 8, QLatin1Char('0'))
                    : QString(QLatin1Char(c));
            }
            words << escaped;
        }
        process.start(QStringLiteral("/bin/sh"), words);
    }

private:
    void useEnvironment(QProcess &process) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data());
        environment.insert(QStringLiteral("TMPDIR"), temporary());
        process.setProcessEnvironment(environment);
    }
};

// Everything in folder, hidden entries and folders included.
inline QStringList entriesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The entries of folder a user sees (hidden ones left out).
inline QStringList visibleEntriesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

inline bool holdsWrittenFile(const QString &folder)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries)
        if (entry.size() > 0)
            return true;
    return false;
}

// Processes still running whose command line names folder (engines that outlived the run).
inline QStringList processesNaming(const QString &folder)
{
    QStringList found;
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(QFile::encodeName(folder)))
            found << pid;
    }
    return found;
}

// Reads what the run says on standard error until condition holds or the run ends; false when it
// ended first.
inline bool runUntil(QProcess &process, QByteArray &errors, const std::function<bool()> &condition)
{
    const bool held = testsupport::waitFor([&] {
        process.waitForReadyRead(10);
        errors += process.readAllStandardError();
        return condition() || process.state() == QProcess::NotRunning;
    });
    return held && process.state() == QProcess::Running;
}

// Sends signal to the running aid and checks that it stopped as Stop does: exit status 128 + the
// signal's number with its line, nothing in the output folder, no engine left running for it.
inline void expectStoppedBySignal(QProcess &process, int signal, QByteArray &errors, const DevtoolRun &run)
{
    ::kill(pid_t(process.processId()), signal);
    ASSERT_TRUE(process.waitForFinished(60000));
    errors += process.readAllStandardError();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    EXPECT_EQ(process.exitCode(), 128 + signal) << errors.toStdString();
    EXPECT_TRUE(errors.contains("stopped by signal")) << errors.toStdString();
    EXPECT_EQ(entriesIn(run.output()), QStringList());
    EXPECT_TRUE(testsupport::waitFor([&] { return processesNaming(run.output()).isEmpty(); }, 10));
}

} // namespace devtooltest
