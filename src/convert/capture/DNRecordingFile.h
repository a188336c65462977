#pragma once

#include <QString>

// A recording is written under a hidden name beside where it goes, and takes its own name only
// once it reads whole; what cannot be read is removed, so no broken movie ever carries a
// recording's name.
namespace DNRecordingFile {

// The hidden name every output of the program is written under (DNPartialOutput), for a movie
// <base>.mov in folder: ".<base>.talvane-<process id>-<n>.mov", so a start after a killed
// recording removes it as it removes any unfinished output.
QString hiddenPathIn(const QString &folder, const QString &baseName);

// Whether path is a movie that reads to its end, as a conversion's output is read: every packet
// without a complaint, and at least one picture.
bool readsWhole(const QString &path);

struct Outcome
{
    bool finished = false;
    QString path;     // the recording's own name when finished
    QString problem;  // why not, for the log
};
// hiddenPath becomes finalPath (or the first free name after it, " (1)" and so on, when that is
// taken) when it reads whole; otherwise it is removed. A movie that runs on well past
// lastsSeconds, what was recorded (the engine took its first picture only after the recording
// had been stopped, or was slow to stop), is first cut there; 0 leaves it as it is.
Outcome finish(const QString &hiddenPath, const QString &finalPath, double lastsSeconds = 0);

} // namespace DNRecordingFile
