#pragma once

#include <QString>
#include <QtGlobal>

// The hidden names outputs are written under until they are known to be whole. A name is
// ".<name>.talvane-<pid>-<n>.<extension>" in the output's own folder: hidden from file browsers,
// on the same file system as the final name (so the last step is a rename), with the final
// extension (engines choose their container by it), and with the id of the process that writes
// it, so that a later start can remove what a killed run left.
namespace DNPartialOutput {

// The longest file name the file systems take (NAME_MAX), in bytes.
inline constexpr int kLongestFileName = 255;

// A new hidden name for finalPath, not in use. The name part is shortened (at a character
// boundary) when the hidden name would exceed kLongestFileName; empty when even that cannot fit.
QString hiddenPathFor(const QString &finalPath);

// Gives the whole file at hiddenPath its final name without replacing anything there: finalPath,
// or the next free " (n)" name when something took that one meanwhile. Returns the name given;
// empty (with a log line) when the file could not be renamed, which then stays where it was.
QString publish(const QString &hiddenPath, const QString &finalPath);

// The id of the process that wrote fileName when it is one of these hidden names (or a helper
// file an engine made beside one, whose name begins with it); 0 otherwise.
qint64 writerOf(const QString &fileName);

// Removes every hidden output and helper file in folder whose writing process is gone, and only
// those; returns how many entries were removed. Each removal is logged.
int removeStale(const QString &folder);

} // namespace DNPartialOutput
