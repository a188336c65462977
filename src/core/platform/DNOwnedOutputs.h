#pragma once

#include "enginekit/ProcessIdentity.h"

#include <QString>

#include <string>

// The record of what this process writes under hidden names outside its temporary folder (an
// unfinished output, a recording, a rendered slideshow): one small file per output in the
// program's data folder, naming the output, the start of the names of the helper files an engine
// makes beside it, and the process (ProcessIdentity). A later start removes what a process
// that has ended left on the record, and nothing else, whatever its name.
namespace DNOwnedOutputs {

// Notes that owner (this process unless a test says otherwise) writes path, and helper entries
// beside it whose names begin with helperPrefix (none when empty). False, with a log line, when
// the note cannot be written: the output is made all the same, but a kill would leave it.
bool claim(const QString &path, const QString &helperPrefix = {},
           const std::string &owner = ProcessIdentity::current());

// path is settled (named, removed, or handed to the user as it is): its note goes.
void release(const QString &path);

// The folder of the notes; empty when the program has no data folder.
QString recordFolder();

// Removes the outputs and helper entries noted by processes that have ended, and their notes.
// Returns how many outputs and helpers were removed; each is logged.
int removeLeftovers();

} // namespace DNOwnedOutputs
