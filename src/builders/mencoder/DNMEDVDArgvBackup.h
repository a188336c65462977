#pragma once

#include "builders/common/ArgvAssembler.h"

// Backups of one DVD title without re-encoding.
//
// The full backup is the player's stream dump: the title's whole stream (every audio and
// subtitle track) written unchanged. Its vector has no program word and runs in the player, and
// its expected length is the title's length (the trimmed span when trimmed), from which the dump
// engine turns its percentage into elapsed time. A group of joined titles has no full backup:
// it gives nullptr with a log line.
Argument *DVD_To_DVD_FullBackup_MPEG2_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

// The main backup copies the video and the one chosen audio track into a DVD-form MPEG program
// stream ("-nosound" without a track). A group goes to its joining builder.
Argument *DVD_To_DVD_MainBackup_MPEG2_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
