#include "core/platform/DNChildProcess.h"

#include "enginekit/ChildStart.h"
#include "enginekit/InheritedDescriptors.h"

#include <QFile>
#include <QProcess>

void DNKeepOnlyStandardDescriptors(QProcess &process)
{
    // Runs in the child between its start and its exec: system calls only.
    process.setChildProcessModifier([] { keepOnlyDescriptorsAcrossExec(nullptr, 0); });
}

bool DNStartDetached(const QString &program, const QStringList &arguments, QString *why)
{
    // Qt's own detached start does not run a child process modifier.
    ChildStartPlan plan;
    plan.program = QFile::encodeName(program).toStdString();
    plan.args.push_back(plan.program);
    for (const QString &argument : arguments)
        plan.args.push_back(QFile::encodeName(argument).toStdString());
    plan.detached = true;
    std::string reason;
    if (startChild(plan, reason) >= 0)
        return true;
    if (why)
        *why = QString::fromLocal8Bit(reason.data(), qsizetype(reason.size()));
    return false;
}
