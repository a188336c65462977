#include "convert/engine/ChildToolRun.h"

#include "core/log/DNEngineLineLog.h"
#include "enginekit/SignalEnd.h"

#include <QFile>

#include <vector>

void ChildToolRun::setCallback(EngineStateCallback callback, void *context)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_callback = callback;
    m_context = context;
}

void ChildToolRun::resetForPass()
{
    m_hasSendMsg = false;
    m_lines = OutputLineSplitter{};
}

void ChildToolRun::feed(std::string_view chunk, const std::function<void(std::string_view)> &onLine)
{
    m_lines.feed(chunk, onLine);
}

void ChildToolRun::sendStartedOnce()
{
    if (m_hasSendMsg)
        return;
    m_hasSendMsg = true;
    EngineStateCallback callback;
    void *context;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        callback = m_callback;
        context = m_context;
    }
    if (callback)
        callback(context, EncodeStateStarted);
}

bool ChildToolRun::start(const QString &program, const char *programWord, const QStringList &arguments,
                         const QString &workingDirectory)
{
    std::vector<std::string> args{programWord};
    for (const QString &a : arguments)
        args.push_back(a.toStdString());

    auto process = std::make_unique<EngineProcess>();
    std::lock_guard<std::mutex> lock(m_lock);
    m_pid = -1;
    if (!process->start(QFile::encodeName(program).toStdString(), args,
                        workingDirectory.isEmpty() ? std::string()
                                                   : QFile::encodeName(workingDirectory).toStdString())) {
        m_errorText = process->errorText();
        return false;
    }
    m_errorText.clear();
    m_pid = process->pid();
    m_task = std::move(process);
    return true;
}

ChildToolRun::Ending ChildToolRun::wait(const std::function<void(std::string_view)> &onLine)
{
    EngineProcess *process;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        process = m_task.get();
    }
    Ending ending;
    if (!process) {
        ending.status = -1;
        return ending;
    }
    ending.status = process->wait([&](std::string_view chunk) { feed(chunk, onLine); },
                                  [&](std::string_view chunk) {
                                      if (ending.errors.size() < 64 * 1024)
                                          ending.errors.append(chunk.data(), qsizetype(chunk.size()));
                                  });
    m_lines.finish(onLine);
    ending.stopped = process->stopRequested();
    m_errorText = process->errorText();
    std::lock_guard<std::mutex> lock(m_lock);
    m_task.reset();
    return ending;
}

pid_t ChildToolRun::runningPid()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_task ? m_pid : -1;
}

void ChildToolRun::requestStop(const EngineProcess::StopPlan &plan)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_task)
        m_task->requestStop(plan);
}

void ChildToolRun::tellSignalEnd(EngineLogCallback log, std::string_view program, const Ending &ending)
{
    if (ending.stopped)
        return;
    if (const std::string line = signalEndLine(program, ending.status); !line.empty())
        tell(log, QByteArray::fromStdString(line));
}

void ChildToolRun::tell(EngineLogCallback log, const QByteArray &line)
{
    if (log)
        log(line.constData());
    else
        DNRoughLogEngineLine(QString::fromUtf8(line));
}
