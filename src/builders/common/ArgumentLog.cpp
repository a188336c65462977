#include "builders/common/ArgumentLog.h"

#include "core/log/DNLogger.h"

void argumentLogLine(const QString &line)
{
    DNRoughLog(QStringLiteral("%@"), line);
}
