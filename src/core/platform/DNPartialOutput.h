#pragma once

#include <QString>
#include <QtGlobal>

// The hidden names outputs are written under until they are known to be whole. A name is
// ".<name>.talvane-<pid>-<n>.<extension>" in the output's own folder: hidden from file browsers,
// on the same file system as the final name (so the last step is a rename), with the final
// extension (engines choose their container by it). Each hidden name is noted as this process's
// while it is in use (DNOwnedOutputs), so that a later start removes what a killed run left, and
// only that: the name alone proves nothing, since a user may give a file any name.
namespace DNPartialOutput {

// The longest file name the file systems take (NAME_MAX), in bytes.
inline constexpr int kLongestFileName = 255;

// The bytes the engines' companions add to a hidden name for the helper files they make beside
// it: "." before it and ".<pid>.part" after it (the ISO backup's partial image), or ".rendering"
// inside it (the image engine's movie). A hidden name leaves this much room below the folder's
// NAME_MAX, so that every helper name fits too and keeps the prefix that finds it (below).
inline constexpr int kHelperNameRoom = 16;

// A new hidden name for finalPath, not in use, noted as this process's. The name part is
// shortened (at a UTF-8 character boundary) so that the hidden name leaves kHelperNameRoom below
// the NAME_MAX of the output's file system; empty when even that cannot fit.
QString hiddenPathFor(const QString &finalPath);

// Gives the whole file at hiddenPath its final name without replacing anything there: finalPath,
// or the next free " (n)" name when something took that one meanwhile. Returns the name given
// (the note goes); empty (with a log line) when the file could not be renamed, which then stays
// where it was, still noted.
QString publish(const QString &hiddenPath, const QString &finalPath);

// Removes the file at hiddenPath and the helper files an engine made beside it (their names
// begin with "." and the hidden name up to its tag); the note goes. True when something was there.
bool discard(const QString &hiddenPath);

// The file at hiddenPath is no longer this run's to remove (renamed by the caller, or left to
// the user as it is): its note goes.
void forget(const QString &hiddenPath);

// Bytes written so far at hiddenPath and in its helper files (folders counted with their
// contents): a sign that the engine writing them makes progress.
qint64 bytesWritten(const QString &hiddenPath);

} // namespace DNPartialOutput
