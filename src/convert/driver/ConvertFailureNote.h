#pragma once

#include "convert/driver/ConvertFailureReason.h"

#include <QString>

// Why the conversion under way did not write its output, in the words of the step that failed,
// so that the user reads the reason and not only the log. The first reason noted in a run is
// kept: the innermost step that failed says the most (a group's member, not "the group failed").
//
// The engines' output lines of the current pass are kept too, because an engine that fails
// tells why only there. Every function may be called from any thread.

// Starts a run: no reason, no engine lines.
void beginConvertFailureNote();
void noteConvertFailure(const ConvertFailureReason &reason);
void noteConvertFailure(ConvertFailureKind kind, QList<ConvertFailureDetail> details = {});
// The reason noted in this run; empty when none was.
ConvertFailureReason convertFailureNote();

// One line an engine wrote during the pass.
void noteEngineLine(const QString &line);
// Forgets the lines of an earlier pass.
void beginEnginePass();
// The most telling of the last lines the engine wrote: a backup tool's own last word on why it
// failed, else the last line that names an error (an engine's closing "failed with status" line
// only when no other does); empty without lines.
QString engineFailureReason();
// Why the pass of the engine named engineName failed with result: what the output check of the
// engine's companion found, when it logged that (the lines the engine wrote on its way, a cut
// input's complaints among them, then say less); else what a signal that ended one of its
// processes means (a crash, the file-size limit), which the lines after it only follow from;
// else the most telling line as above; else the result.
ConvertFailureReason engineFailure(const QString &engineName, int result);
