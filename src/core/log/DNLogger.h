#pragma once

#include "core/util/DNFormat.h"

#include <QFile>
#include <QString>

#include <functional>
#include <map>
#include <mutex>

// The program's log: one text file per run, "Talvane.log" in the per-user data folder. The
// folder is made by the start-up, not here. At the first use of a run the earlier logs move one
// generation back beside it ("Talvane.log.1" is the run before, up to "Talvane.log.4"; the oldest
// goes), so the run before can still be read or attached to a problem report after this one.
//
// A log that another live process writes (the program, while the developer aid runs) is never
// moved: every writer holds a shared lock on its open log, a new writer moves the generations
// only when it can take the lock alone, and otherwise appends to the live log. The decision is
// made under a lock on the log's folder, so two processes starting together agree.
//
// DNRoughLog writes stamped lines "date [application]: message\n"; DNRoughLogRaw writes the
// text alone (the engines' own output). Both may be called from any thread: each write is made
// whole under the writer's lock, so lines never interleave. Each entry is one record: line breaks
// and other control characters inside it (a file name may hold them, an engine line may) are
// written escaped ("\n", "\t", "\x1b", see DNPrintableText); only the tabs that begin a raw
// entry and the line breaks that end an entry are written as they are.
class DNLogger
{
public:
    // The process-wide writer, made at first use in the program's data folder.
    static DNLogger &shareRoughLog();

    // The earlier logs kept beside the current one.
    static constexpr int kKeptGenerations = 4;

    // A writer of its own on folder/Talvane.log. Tests use this; the program uses shareRoughLog().
    explicit DNLogger(const QString &folder);
    ~DNLogger();
    DNLogger(const DNLogger &) = delete;
    DNLogger &operator=(const DNLogger &) = delete;

    static QString logFileName(); // "Talvane.log"

    // Starts this writer afresh on folder/Talvane.log, as at construction. Tests point the
    // shared writer at a folder of their own with it, so no run of theirs touches the user's log.
    void redirect(const QString &folder);

    QString roughLogFile() const;
    // The previous run's log after the move ("Talvane.log.1"); empty when there was none, or when
    // the log was another live process's and so was not moved.
    QString roughLogFileLastSaved() const;
    // The path of generation n (0 is the current log).
    static QString generationPath(const QString &folder, int n);

    // A stamped line: date as "yyyy:MM:dd h:mm AP", the application name, the message, "\n".
    void roughLog(const QString &message);
    // The text as given, nothing added.
    void rawLog(const QString &text);
    // The stamped line for message at the current time (what roughLog writes).
    static QString stampedLine(const QString &message);

    // Closes the file; later writes are dropped silently. Runs when the application quits.
    void logFinish();

    // Whoever shows the log as it grows (the log window) hears of every entry, on the writing
    // thread, under the writer's lock, so entries arrive in the file's order. A listener must
    // neither log nor block. A message arrives without its stamp; raw text as written (both
    // escaped as the file holds them).
    enum class EntryKind { Message, Raw };
    using Listener = std::function<void(EntryKind kind, const QString &text)>;
    using ListenerId = quint64;
    // writtenSoFar, when given, receives what the file held when the listener was added (at
    // most its last maxBacklogBytes), so the listener misses nothing and sees nothing twice.
    ListenerId addListener(Listener listener, QString *writtenSoFar = nullptr,
                           qint64 maxBacklogBytes = 1 << 20);
    void removeListener(ListenerId id);

private:
    void start(const QString &folder);
    void open(const QString &path); // caller holds m_mutex
    void logex(const QString &text); // caller holds m_mutex
    void tell(EntryKind kind, const QString &text); // caller holds m_mutex

    mutable std::mutex m_mutex;
    QString m_roughLogFile;
    QString m_roughLogFileLastSaved;
    QFile m_file;
    bool m_finished = false;
    std::map<ListenerId, Listener> m_listeners;
    ListenerId m_nextListenerId = 1;
};

// The entry points the program logs through. The format takes printf directives and "%@"
// (see DNFormat); an empty format writes nothing.
template <typename... Args>
void DNRoughLog(const QString &format, const Args &...arguments)
{
    if (format.isEmpty())
        return;
    DNLogger::shareRoughLog().roughLog(DNFormat(format, arguments...));
}

template <typename... Args>
void DNRoughLogRaw(const QString &format, const Args &...arguments)
{
    if (format.isEmpty())
        return;
    DNLogger::shareRoughLog().rawLog(DNFormat(format, arguments...));
}

QString DNCurrentRoughLogPath();
QString DNLastSavedRoughLogPath();

// A message to standard error only, never to the log file.
template <typename... Args>
void DNDebugPrint(const QString &format, const Args &...arguments);
void DNDebugPrintText(const QString &text);

template <typename... Args>
void DNDebugPrint(const QString &format, const Args &...arguments)
{
    if (!format.isEmpty())
        DNDebugPrintText(DNFormat(format, arguments...));
}
