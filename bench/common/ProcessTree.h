#pragma once

// The processes a program has started and not yet waited for, read from /proc: who they are,
// the processor time they have used, and their peak memory.

#include <QDir>
#include <QFile>
#include <QString>

#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace processtree {

// The fields of /proc/PID/stat after the command name (which may hold blanks): field 3 of the
// man page is [0].
inline QList<QByteArray> statFields(pid_t pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray stat = file.readAll();
    const qsizetype end = stat.lastIndexOf(')');
    return end < 0 ? QList<QByteArray>() : stat.mid(end + 2).split(' ');
}

// The living children of a process, from the children lists of its threads.
inline std::vector<pid_t> children(pid_t parent)
{
    std::vector<pid_t> found;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(parent);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(tasks + QLatin1Char('/') + task + QStringLiteral("/children"));
        if (!list.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &word : list.readAll().split(' '))
            if (const pid_t child = pid_t(word.trimmed().toInt()); child > 0)
                found.push_back(child);
    }
    return found;
}

// Every living process below root (children, theirs, ...).
inline std::vector<pid_t> descendants(pid_t root)
{
    std::vector<pid_t> found;
    std::vector<pid_t> parents{root};
    while (!parents.empty()) {
        const pid_t parent = parents.back();
        parents.pop_back();
        for (pid_t child : children(parent)) {
            found.push_back(child);
            parents.push_back(child);
        }
    }
    return found;
}

// User and system time a living process has used, in seconds; 0 when it is gone.
inline double cpuSeconds(pid_t pid)
{
    const QList<QByteArray> fields = statFields(pid);
    if (fields.size() < 13)
        return 0;
    // utime and stime are fields 14 and 15 of the man page.
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / double(::sysconf(_SC_CLK_TCK));
}

// The peak resident memory of a living process in MB (VmHWM); 0 when it is gone. A process
// that replaced its program starts a new peak with it.
inline double peakResidentMB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

} // namespace processtree
