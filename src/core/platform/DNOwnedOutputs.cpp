#include "core/platform/DNOwnedOutputs.h"

#include "core/log/DNLogger.h"
#include "core/util/DNPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <atomic>
#include <mutex>

#include <unistd.h>

namespace {

constexpr qint64 kLongestNote = 64 * 1024;

std::mutex notesMutex;
QHash<QString, QString> notes;   // path -> its note's file, for this process
std::atomic<quint64> noteCounter{0};

// A note's lines: "owner <identity>", "path <path>", "helpers <prefix>". Names are written
// percent-encoded: a line break in a file name must not make another path of it.
struct Note
{
    std::string owner;
    QString path;
    QString helperPrefix;
};

bool readNote(const QString &file, Note &note)
{
    QFile in(file);
    if (in.size() > kLongestNote || !in.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : in.readAll().split('\n')) {
        if (line.startsWith("owner "))
            note.owner = line.mid(6).toStdString();
        else if (line.startsWith("path "))
            note.path = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(5)));
        else if (line.startsWith("helpers "))
            note.helperPrefix = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(8)));
    }
    return ProcessIdentity::isIdentity(note.owner) && QFileInfo(note.path).isAbsolute();
}

bool isOwnEntry(const QFileInfo &entry)
{
    return (entry.exists() || entry.isSymLink()) && entry.ownerId() == ::getuid();
}

bool removeEntry(const QFileInfo &entry)
{
    if (entry.isDir() && !entry.isSymLink())
        return QDir(entry.filePath()).removeRecursively();
    return QFile::remove(entry.filePath());
}

int removeNoted(const Note &note)
{
    int removed = 0;
    QFileInfoList entries{QFileInfo(note.path)};
    if (!note.helperPrefix.isEmpty()) {
        const QFileInfo output(note.path);
        for (const QFileInfo &entry : output.dir().entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                                  | QDir::NoDotAndDotDot))
            if (entry.fileName().startsWith(note.helperPrefix))
                entries << entry;
    }
    for (const QFileInfo &entry : entries) {
        if (!isOwnEntry(entry) || !removeEntry(entry))
            continue;
        ++removed;
        DNRoughLog(QStringLiteral("Removed %@: an unfinished output of a run that ended before it was done."),
                   entry.filePath());
    }
    return removed;
}

} // namespace

QString DNOwnedOutputs::recordFolder()
{
    const QString data = DNApplicationDataDirectory();
    return data.isEmpty() ? QString() : data + QStringLiteral("/Unfinished outputs");
}

bool DNOwnedOutputs::claim(const QString &path, const QString &helperPrefix, const std::string &owner)
{
    const QString folder = recordFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        DNRoughLog(QStringLiteral("No note of the unfinished output %@ can be kept: a killed run would leave it."), path);
        return false;
    }
    QString name;
    do
        name = QStringLiteral("%1-%2").arg(::getpid()).arg(++noteCounter);
    while (QFileInfo::exists(folder + QLatin1Char('/') + name));
    // Written under a hidden name and then renamed, so a start never reads half a note.
    const QString draft = folder + QStringLiteral("/.") + name;
    const QString file = folder + QLatin1Char('/') + name;
    QFile out(draft);
    bool written = out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (written) {
        const QByteArray text = "owner " + QByteArray::fromStdString(owner) + "\npath "
            + QFileInfo(path).absoluteFilePath().toUtf8().toPercentEncoding("/") + "\nhelpers "
            + helperPrefix.toUtf8().toPercentEncoding() + "\n";
        written = out.write(text) == text.size();
        out.close();
        written = written && out.error() == QFileDevice::NoError && QFile::rename(draft, file);
    }
    if (!written) {
        QFile::remove(draft);
        DNRoughLog(QStringLiteral("No note of the unfinished output %@ can be kept: a killed run would leave it."), path);
        return false;
    }
    std::lock_guard lock(notesMutex);
    notes.insert(path, file);
    return true;
}

void DNOwnedOutputs::release(const QString &path)
{
    QString file;
    {
        std::lock_guard lock(notesMutex);
        file = notes.take(path);
    }
    if (!file.isEmpty())
        QFile::remove(file);
}

int DNOwnedOutputs::removeLeftovers()
{
    const QString folder = recordFolder();
    if (folder.isEmpty())
        return 0;
    int removed = 0;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files)) {
        Note note;
        if (!readNote(file.filePath(), note)) {
            // Notes are renamed into place whole: one that does not read is no note of a run.
            if (file.ownerId() == ::getuid() && file.size() <= kLongestNote)
                QFile::remove(file.filePath());
            continue;
        }
        if (!ProcessIdentity::isGone(note.owner))
            continue;
        removed += removeNoted(note);
        QFile::remove(file.filePath());
    }
    return removed;
}
