#pragma once

#include <QStringList>

// What a start removes of runs that were killed before they could tidy up: their private
// temporary folders (with the parts of unfinished conversions) and the unfinished outputs and
// recordings they left under hidden names in outputFolders. Only this user's, and only those
// whose process is gone: the work of a run still going is left alone. Each removal is logged.
void DNRemoveLeftoversOfKilledRuns(const QStringList &outputFolders);
