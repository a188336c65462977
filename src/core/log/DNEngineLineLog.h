#pragma once

#include "enginekit/LineSplitter.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <string_view>

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
    // read, when given, sees each line too (a reader of the stream besides the log).
    explicit DNEngineLineLog(std::function<void(std::string_view line)> read = {}) : read_(std::move(read)) {}

    void feed(const QByteArray &bytes);
    // The last line, when the stream ended without a line end.
    void finish();

private:
    void take(std::string_view line);

    OutputLineSplitter lines_;
    std::function<void(std::string_view line)> read_;
};
