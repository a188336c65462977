#pragma once

#include <QString>

// Rewrites the UTF-8 subtitle file at path (SRT, WebVTT, ASS or SSA, told by its extension) so
// that every cue still showing at startSeconds begins there. The engine drops a cue that begins
// before an output's start even while it is still showing after it; begun at the start, it is
// kept and cut to the trimmed output. Cues that end by then are left for the engine to drop.
// Other formats are left as they are. False when the file cannot be read or written back.
bool startCuesAt(const QString &path, int startSeconds);
