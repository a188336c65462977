#include "core/log/DNLogger.h"

#include "core/util/DNPaths.h"
#include "core/util/DNPrintableText.h"
#include "core/util/DNSystemInfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// An exclusive lock on the log's folder, held while a writer decides whether to move the
// generations, so that two processes starting together do not both move them.
class StartLock
{
public:
    explicit StartLock(const QString &folder)
        : fd_(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~StartLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    StartLock(const StartLock &) = delete;
    StartLock &operator=(const StartLock &) = delete;

private:
    int fd_;
};

// Whether a live writer holds the log open: each holds a shared lock on it, which makes an
// exclusive one fail. A log nobody can open is treated as held, so it is left alone.
bool heldByAnotherWriter(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

// The oldest generation goes; each other moves one back; the current log becomes the first.
bool moveGenerationsBack(const QString &folder)
{
    QFile::remove(DNLogger::generationPath(folder, DNLogger::kKeptGenerations));
    for (int n = DNLogger::kKeptGenerations - 1; n >= 0; --n) {
        const QString from = DNLogger::generationPath(folder, n);
        if (QFileInfo::exists(from) && !QFile::rename(from, DNLogger::generationPath(folder, n + 1)) && n == 0)
            return false;
    }
    return true;
}

// What an entry writes: one record a line, whatever the names and engine lines in it hold. The
// text's own layout stays (the tabs that indent an engine's line under its entry, the line
// breaks that end it, which leave at most empty lines); every other line break or control
// character is written escaped, so that no name can cut a record in two or forge one.
QString recordText(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char('\t'))
        ++first;
    qsizetype end = text.size();
    while (end > first && text.at(end - 1) == QLatin1Char('\n'))
        --end;
    return text.left(first) + DNPrintableText(QStringView(text).sliced(first, end - first)) + text.mid(end);
}

} // namespace

DNLogger &DNLogger::shareRoughLog()
{
    // Made on first use and never destroyed: threads may still log while statics are torn down.
    static DNLogger *shared = [] {
        auto *logger = new DNLogger(DNApplicationDataDirectory());
        if (QCoreApplication *app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, [logger] { logger->logFinish(); });
        return logger;
    }();
    return *shared;
}

QString DNLogger::logFileName()
{
    QString name = DNApplicationName();
    name.remove(QLatin1Char(' '));
    return name + QStringLiteral(".log");
}

QString DNLogger::generationPath(const QString &folder, int n)
{
    const QString current = folder + QLatin1Char('/') + logFileName();
    return n == 0 ? current : current + QLatin1Char('.') + QString::number(n);
}

DNLogger::DNLogger(const QString &folder)
{
    start(folder);
}

DNLogger::~DNLogger()
{
    logFinish();
}

void DNLogger::redirect(const QString &folder)
{
    start(folder);
}

void DNLogger::start(const QString &folder)
{
    std::lock_guard lock(m_mutex);
    // Closing gives up this writer's own hold on the log it wrote so far.
    m_file.close();
    m_finished = false;
    m_roughLogFileLastSaved.clear();
    const QString path = generationPath(folder, 0);
    if (!QFileInfo(folder).isDir()) {
        m_roughLogFile = path;
        return;
    }
    const StartLock startLock(folder);
    if (QFileInfo::exists(path) && !heldByAnotherWriter(path) && moveGenerationsBack(folder))
        m_roughLogFileLastSaved = generationPath(folder, 1);
    open(path);
    if (m_file.isOpen())
        ::flock(m_file.handle(), LOCK_SH | LOCK_NB);
}

void DNLogger::open(const QString &path)
{
    m_roughLogFile = path;
    m_file.setFileName(path);
    // Failing to open is not fatal: the run simply has no log.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    logex(QStringLiteral("Log Created on ")
          + QLocale::system().toString(QDateTime::currentDateTime(), QLocale::LongFormat)
          + QStringLiteral("\n\n"));
}

QString DNLogger::roughLogFile() const
{
    std::lock_guard lock(m_mutex);
    return m_roughLogFile;
}

QString DNLogger::roughLogFileLastSaved() const
{
    std::lock_guard lock(m_mutex);
    return m_roughLogFileLastSaved;
}

QString DNLogger::stampedLine(const QString &message)
{
    const QString date = QLocale().toString(QDateTime::currentDateTime(),
                                            QStringLiteral("yyyy:MM:dd h:mm AP"));
    return date + QStringLiteral(" [") + DNApplicationName() + QStringLiteral("]: ") + message
           + QLatin1Char('\n');
}

void DNLogger::roughLog(const QString &message)
{
    const QString record = recordText(message);
    const QString line = stampedLine(record);
    std::lock_guard lock(m_mutex);
    logex(line);
    tell(EntryKind::Message, record);
}

void DNLogger::rawLog(const QString &text)
{
    const QString record = recordText(text);
    std::lock_guard lock(m_mutex);
    logex(record);
    tell(EntryKind::Raw, record);
}

void DNLogger::tell(EntryKind kind, const QString &text)
{
    if (m_finished || text.isEmpty())
        return;
    for (const auto &[id, listener] : m_listeners)
        listener(kind, text);
}

DNLogger::ListenerId DNLogger::addListener(Listener listener, QString *writtenSoFar, qint64 maxBacklogBytes)
{
    std::lock_guard lock(m_mutex);
    if (writtenSoFar) {
        writtenSoFar->clear();
        QFile file(m_roughLogFile);
        if (!m_roughLogFile.isEmpty() && file.open(QIODevice::ReadOnly)) {
            const qint64 start = qMax<qint64>(0, file.size() - qMax<qint64>(0, maxBacklogBytes));
            file.seek(start);
            QByteArray bytes = file.readAll();
            // A cut backlog starts at the next whole line.
            if (start > 0) {
                const qsizetype newline = bytes.indexOf('\n');
                bytes = newline < 0 ? QByteArray() : bytes.mid(newline + 1);
            }
            *writtenSoFar = QString::fromUtf8(bytes);
        }
    }
    const ListenerId id = m_nextListenerId++;
    m_listeners.emplace(id, std::move(listener));
    return id;
}

void DNLogger::removeListener(ListenerId id)
{
    std::lock_guard lock(m_mutex);
    m_listeners.erase(id);
}

void DNLogger::logex(const QString &text)
{
    if (m_finished || !m_file.isOpen() || text.isEmpty())
        return;
    // One write per entry on an unbuffered append file: a line lands whole, even if the
    // process dies right after.
    m_file.write(text.toUtf8());
}

void DNLogger::logFinish()
{
    std::lock_guard lock(m_mutex);
    m_finished = true;
    m_file.close();
}

QString DNCurrentRoughLogPath()
{
    return DNLogger::shareRoughLog().roughLogFile();
}

QString DNLastSavedRoughLogPath()
{
    return DNLogger::shareRoughLog().roughLogFileLastSaved();
}

void DNDebugPrintText(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fprintf(stderr, "%s\n", bytes.constData());
}
