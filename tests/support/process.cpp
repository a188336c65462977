#include "support/process.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>

#include <chrono>
#include <thread>

#include <unistd.h>

namespace testsupport {
ProcessResult runProcess(const QString &program, const QStringList &arguments, int timeoutMs)
{
    ProcessResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    result.started = process.waitForStarted();
    if (!result.started)
        return result;
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished();
    }
    result.output = process.readAll();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

QList<qint64> descendantProcesses(const QString &name)
{
    QHash<qint64, qint64> parentOf;
    QHash<qint64, QString> nameOf;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!numeric || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const qsizetype open = line.indexOf('('), close = line.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        nameOf.insert(pid, QString::fromLocal8Bit(line.mid(open + 1, close - open - 1)));
        // After the name: state, then the parent's id.
        parentOf.insert(pid, line.mid(close + 2).split(' ').value(1).toLongLong());
    }
    QList<qint64> found;
    const qint64 self = ::getpid();
    for (auto it = nameOf.cbegin(); it != nameOf.cend(); ++it) {
        if (it.value() != name)
            continue;
        qint64 up = parentOf.value(it.key());
        for (int depth = 0; up > 1 && depth < 64; ++depth, up = parentOf.value(up)) {
            if (up == self) {
                found << it.key();
                break;
            }
        }
    }
    return found;
}
bool waitFor(const std::function<bool()> &condition, int timeoutSeconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace testsupport
