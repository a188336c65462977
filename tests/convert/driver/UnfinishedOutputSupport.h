#pragma once

// What the tests of unfinished outputs share: an engine held where it stands, every entry of a
// folder (hidden ones too), the one whole output a finished run leaves, and a watch that sees
// every final name the moment it appears, so that a file seen under its final name before it was
// whole is caught.

#include "DriverTestSupport.h"

#include "convert/engine/OutputReading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <atomic>
#include <csignal>
#include <mutex>
#include <thread>

namespace drivertest {

// The state letter of a process ('T' when held), 0 when it is gone.
inline char processState(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    const qsizetype at = line.lastIndexOf(')') + 2;
    return at > 1 && at < line.size() ? line.at(at) : 0;
}

// Stops the process (SIGSTOP) and waits until it is held; false when it ended first.
inline bool holdProcess(qint64 pid)
{
    ::kill(pid_t(pid), SIGSTOP);
    for (int wait = 0; wait < 5000; ++wait) {
        const char state = processState(pid);
        if (state != 'R' && state != 'S' && state != 'D')
            return state == 'T';
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

// Everything in folder, hidden entries and folders included.
inline QStringList entriesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The output the conversion named, read whole, and nothing else in its folder.
inline void expectOnlyTheWholeOutput(const QString &folder, const QString &output)
{
    EXPECT_EQ(filesIn(folder), QStringList{QFileInfo(output).fileName()});
    if (output.endsWith(QLatin1String(".iso")))
        return;
    const OutputReading reading = readOutputToEnd(QFile::encodeName(output).toStdString());
    EXPECT_TRUE(reading.readable) << reading.why;
}

// Polls folder while it lives and keeps every size each file not hidden had when seen. A file
// takes its final name in one rename once it is whole, so every size seen must be its last one.
class FinalNameWatch
{
public:
    explicit FinalNameWatch(const QString &folder)
        : m_folder(folder), m_thread([this] {
              while (!m_done) {
                  look();
                  std::this_thread::sleep_for(std::chrono::milliseconds(2));
              }
          })
    {
    }
    ~FinalNameWatch() { stop(); }

    void stop()
    {
        m_done = true;
        if (m_thread.joinable())
            m_thread.join();
    }

    // Each file seen under a final name that was not then what it is now (grown since, or gone).
    QStringList seenUnfinished()
    {
        stop();
        look();
        QStringList unfinished;
        for (auto seen = m_sizes.cbegin(); seen != m_sizes.cend(); ++seen) {
            const QFileInfo now(m_folder + QLatin1Char('/') + seen.key());
            for (const qint64 size : seen.value())
                if (!now.exists() || size != now.size())
                    unfinished << QStringLiteral("%1 at %2 bytes").arg(seen.key()).arg(size);
        }
        return unfinished;
    }

private:
    void look()
    {
        const QFileInfoList files = QDir(m_folder).entryInfoList(QDir::Files);
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const QFileInfo &file : files) {
            QList<qint64> &sizes = m_sizes[file.fileName()];
            if (!sizes.contains(file.size()))
                sizes << file.size();
        }
    }

    QString m_folder;
    std::mutex m_mutex;
    QMap<QString, QList<qint64>> m_sizes;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

} // namespace drivertest
