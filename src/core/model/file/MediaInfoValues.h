#pragma once

#include <QString>

#include <stdexcept>

// The parsers for MediaInfo's text values. Only the first 127 characters of a text are read.

// A number text that is not a plain decimal number; the probe that meets one gives up on the
// file, and whoever asked for the item treats that file as failed.
class DNMediaValueError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The last run of decimal digits ("4113" and "0x1011 (4113)" give 4113, "V_MPEG4" gives 4);
// 0 without a digit.
int GetLastIntValue(const QString &text);
// Digits with at most one "."; the empty text gives 0. Anything else throws DNMediaValueError
// "convert <text> to float value failed...".
float GetFloatValue(const QString &text);

struct DNAspectNumbers
{
    float aw = 0.0f;
    float ah = 0.0f;
};
// "16:9" gives 16 and 9; a plain ratio "2.35" gives 2.35 and 1. Parts after the second are
// ignored; a part that is no number counts 0.
DNAspectNumbers GetAspectRatio(const QString &text);

// "VBR"/"vbr" 2, "CBR"/"cbr" 1, anything else 0.
int bitRateModeFromText(const QString &text);
// MediaInfo's audio "Codec" text as the builders expect it ("MPA1L3" -> "MP3", empty -> "undef").
QString normalizedAudioCodec(const QString &text);
