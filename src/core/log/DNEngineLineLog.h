#pragma once

#include "enginekit/EngineProcess.h"

#include <QByteArray>
#include <QString>

// How the log keeps what the engines and the player write: each line by itself, indented under the
// entry that started the run, as written (a line feed added when it has none; a line break or a
// terminal escape inside it escaped, as in every log record).
void DNRoughLogEngineLine(const QString &line);

// A stream of an engine or the player written into the log line by line. Lines end at "\n" or "\r"
// as the engines' adapters split them; a line cut by the end of one read waits for the next, and
// empty lines are left out. Bytes that are not UTF-8 become U+FFFD.
class DNEngineLineLog
{
public:
    void feed(const QByteArray &bytes);
    // The last line, when the stream ended without a line end.
    void finish();

private:
    OutputLineSplitter lines_;
};
