#include "core/platform/DNOwnerProcess.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <csignal>

#include <unistd.h>

namespace {

// When the process pid started, from /proc (its start in clock ticks after boot, and the boot
// time); invalid when it cannot be read.
QDateTime processStart(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    // The command name in parentheses may hold blanks; the fields after it are plain numbers.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return {};
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    // Field 22 of the line (starttime) is the 20th after the name.
    if (fields.size() < 20)
        return {};
    bool ok = false;
    const qulonglong ticks = fields.at(19).toULongLong(&ok);
    const long perSecond = ::sysconf(_SC_CLK_TCK);
    if (!ok || perSecond <= 0)
        return {};

    QFile global(QStringLiteral("/proc/stat"));
    if (!global.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &entry : global.readAll().split('\n')) {
        if (entry.startsWith("btime ")) {
            const qint64 boot = entry.mid(6).trimmed().toLongLong(&ok);
            if (!ok)
                return {};
            return QDateTime::fromMSecsSinceEpoch(boot * 1000 + qint64(ticks) * 1000 / perSecond);
        }
    }
    return {};
}

} // namespace

bool DNOwnerProcessIsGone(qint64 pid, const QDateTime &lastChange)
{
    if (pid <= 0)
        return false;
    if (pid == ::getpid())
        return false;
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return true;
    const QDateTime started = processStart(pid);
    // Boot time and the start are whole seconds and clock ticks: allow a little for rounding.
    return started.isValid() && lastChange.isValid() && started > lastChange.addSecs(2);
}
