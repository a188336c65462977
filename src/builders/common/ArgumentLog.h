#pragma once

#include <QString>

// One stamped log line from the argument helpers (the run's log when it is there).
void argumentLogLine(const QString &line);
