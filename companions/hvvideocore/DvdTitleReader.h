#pragma once

#include "convert/engine/MEncoderTranslation.h"

#include <string>

// Reads one title's audio stream ids, length and display aspect from the disc's IFO files (libdvdread): the
// track positions the builders write count the streams the title carries, in disc order, the
// same way the structure reader lists them.
MEncoderDvdTitle readDvdTitle(const std::string &device, int titleNumber);
