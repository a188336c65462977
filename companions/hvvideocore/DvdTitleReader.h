#pragma once

#include "hvvideocore/MEncoderTranslation.h"

#include <functional>
#include <string>

// Reads one title's audio stream ids, length and display aspect from the disc's IFO files (libdvdread): the
// track positions the builders write count the streams the title carries, in disc order, the
// same way the structure reader lists them. The length is the program chain's stated time, or
// the span of its cells' data where the two disagree.
//
// The reading runs in a child process: libdvdread can crash or hang on a disc that was damaged
// after it was loaded, and that must cost the pass, not the program the library lives in. When
// the child crashes or takes too long, unreadable says so. libdvdread's own messages go to log.
MEncoderDvdTitle readDvdTitle(const std::string &device, int titleNumber,
                              const std::function<void(const std::string &)> &log);
