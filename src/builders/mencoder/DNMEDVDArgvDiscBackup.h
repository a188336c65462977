#pragma once

#include "builders/common/ArgvAssembler.h"

// The vectors of the two backups that do not run in the MEncoder library.
//
// The ISO backup hands the disc tool three words: the source (the drive's device for a disc,
// otherwise the folder or image path), the image path and "iso"; its expected length is the
// title's length, from which the tool's percentage becomes elapsed time.
Argument *DVD_To_DVD_MainBackup_ISO(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);

// The Matroska backup hands the DVD-to-MKV library one title with every audio and subtitle
// track. A trimmed title starts at its trim start ("--start-at"), and its expected length is the
// trimmed span, which the library turns into the stop point.
Argument *DVD_To_DVD_MainBackup_MKV(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options);
