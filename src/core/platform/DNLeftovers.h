#pragma once

// What a start removes of runs that were killed before they could tidy up: their temporary
// folders (with the parts of unfinished conversions) and the unfinished outputs and recordings
// they noted as theirs. Only what a process that has ended made and marked or noted: the work of
// a run still going, and a user's files however they are named, stay. Each removal is logged.
void DNRemoveLeftoversOfKilledRuns();
