#pragma once

#include "convert/engine/EngineCallbacks.h"
#include "enginekit/EngineProcess.h"
#include "enginekit/LineSplitter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include <sys/types.h>

// One blocking run of a companion tool whose progress comes as output lines (the ISO backup tool,
// the player dump): the worker thread starts it, hands its lines on, reports "started" once per
// pass and waits for it, while other threads may register the state callback or ask it to stop.
class ChildToolRun
{
public:
    // How the tool ended: its exit status, whether a stop was asked for, and the start of its
    // standard error (for the log).
    struct Ending
    {
        int status = 0;
        bool stopped = false;
        QByteArray errors;
    };

    void setCallback(EngineStateCallback callback, void *context);

    // Forgets the unfinished line and lets the next pass report "started" again.
    void resetForPass();

    // Splits chunk into lines (at "\n" or "\r"), keeping an unfinished line for the next chunk.
    void feed(std::string_view chunk, const std::function<void(std::string_view)> &onLine);

    // Hands EncodeStateStarted to the callback the first time it is called in a pass.
    void sendStartedOnce();

    // Starts program (whose own word is programWord) with arguments. Returns false, with
    // errorText() set, when it cannot be started.
    bool start(const QString &program, const char *programWord, const QStringList &arguments,
               const QString &workingDirectory = {});
    const std::string &errorText() const { return m_errorText; }
    pid_t pid() const { return m_pid; }
    // Thread-safe: the process id of the tool while it runs, -1 otherwise.
    pid_t runningPid();

    // Blocks until the started tool has ended, handing each output line to onLine (the last,
    // unfinished one too). A status of -1 with errorText() set: the tool's end could not be read.
    Ending wait(const std::function<void(std::string_view)> &onLine);

    // Thread-safe: asks a running tool to end following plan; does nothing when none runs.
    void requestStop(const EngineProcess::StopPlan &plan);

    // Hands one of the tool's own lines (a reason it failed or could not start) to log, the
    // driver's log callback, so that the user reads it; to the program's log when there is none.
    static void tell(EngineLogCallback log, const QByteArray &line);
    // Tells what it means that a signal ended the tool named program ("HVDVDISOBackup was ended
    // by SIGXFSZ: the file-size limit was reached"), when one did and no stop was asked for:
    // its status alone (153) says nothing to a user.
    static void tellSignalEnd(EngineLogCallback log, std::string_view program, const Ending &ending);

private:
    std::mutex m_lock;   // guards the task and the callback
    std::unique_ptr<EngineProcess> m_task;
    EngineStateCallback m_callback = nullptr;
    void *m_context = nullptr;
    bool m_hasSendMsg = false;
    OutputLineSplitter m_lines;
    std::string m_errorText;
    pid_t m_pid = -1;
};
