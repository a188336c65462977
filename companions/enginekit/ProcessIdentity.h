#pragma once

#include <string>

// Which process made something the program leaves while it works (a temporary folder, an output
// under its hidden name), told well enough that a later start removes only what a run that has
// ended left: a process id alone is given again after a while, and a folder that merely looks
// like the program's may be a user's.
//
// Standard library and POSIX only: the program and the companions that make folders of their own
// both mark them with it.
namespace ProcessIdentity {

// This process as "<process id> <start in clock ticks after boot> <boot id>".
std::string current();

// Whether text has the form of an identity.
bool isIdentity(const std::string &text);

// True when the process an identity names has ended: it belongs to another boot, no process
// has its id, or the one that has it started at another moment. False for a process that still
// runs, and for a text that is no identity (nothing is known then).
bool isGone(const std::string &identity);

// The file inside a temporary folder that names the process that made the folder.
inline constexpr const char *kFolderMarker = ".talvane-owner";

// Writes the marker into folder, which the caller has just made; false when it cannot.
bool markFolder(const std::string &folder, const std::string &identity = current());

// A new folder of mode 0700 under $TMPDIR (or /tmp) named "<namePrefix>-<pid>-" and random
// letters, marked as this process's; empty when it cannot be made. The caller removes it.
std::string makeMarkedTemporaryFolder(const std::string &namePrefix);

// The identity a folder's marker holds: empty when the folder carries no marker of this user
// (a missing or foreign marker, a link in its place, a text that is no identity).
std::string folderOwner(const std::string &folder);

} // namespace ProcessIdentity
