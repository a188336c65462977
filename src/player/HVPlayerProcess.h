#pragma once

#include "core/log/DNEngineLineLog.h"
#include "player/HVPlayerStatus.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringConverter>
#include <QStringList>

#include <string_view>

// One run of the player executable for a player controller: launched with its argument vector
// and working folder, the channel folder in its environment, its slave commands written to its
// standard input, its standard output handed on as text (whole chunks, and complete lines), its
// standard error written into the program's log line by line, as the engines' is (so the log
// tells why a player showed nothing). The process is registered as one of the program's players
// while it runs and is ended only by its own id.
//
// Lives on the main thread; every signal is sent there.
class HVPlayerProcess : public QObject
{
    Q_OBJECT
public:
    explicit HVPlayerProcess(QObject *parent = nullptr);
    // Ends a player still running: quit, then terminate, then kill.
    ~HVPlayerProcess() override;

    // Starts program; false when it cannot be started (the terminated signal follows then too).
    bool launch(const QString &program, const QStringList &arguments, const QString &workingDirectory,
                const QString &channelDirectory);

    bool isRunning() const;
    qint64 processId() const;
    QString workingDirectory() const;
    QStringList arguments() const;

    // Written with one write while the player runs; dropped silently otherwise.
    void sendCommand(const QString &command);

    // SIGTERM to the player.
    void terminate();
    // quit, then terminate, then kill, waiting a little after each; returns once it has ended.
    void endGracefully();

    // Why the last launch failed: as the system said it when the player could not be started, as
    // the player said it when it could not start mplayer; empty after a good start.
    QString startError() const { return startError_; }

Q_SIGNALS:
    // A chunk of standard output (as read, decoded as UTF-8; bytes that are not UTF-8 are
    // replaced by U+FFFD).
    void outputChunk(const QString &text);
    // The complete lines of the output so far, split as the protocol splits them (an unfinished
    // line waits for the next chunk, or for the end).
    void outputLines(const QStringList &lines);
    // The player ended (or could not start); its registration is gone.
    void terminated();

private:
    void readOutput();
    void readErrors();
    void onFinished();
    void readErrorLine(std::string_view line);

    QProcess *process_ = nullptr;
    QStringDecoder decoder_{QStringDecoder::Utf8};
    HVPlayerStatus::OutputLines outputLines_;
    DNEngineLineLog errorLog_{[this](std::string_view line) { readErrorLine(line); }};
    QString startError_;
    QString playerStartError_;   // the player's line saying mplayer did not start
    qint64 registeredPid_ = 0;
};
