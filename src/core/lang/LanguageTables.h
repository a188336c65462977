#pragma once

#include <cstddef>

// The constant language tables behind LanguageNameForCode. Both are sorted by code in byte order
// so they can be searched with strcmp.
namespace talvane::lang {

struct LanguageRow
{
    const char *code;
    const char *name;
};

// ISO 639 of 1988 with its old codes (in, iw, ji, jw, mo, sh); codes in upper case.
extern const LanguageRow kTwoLetterLanguages[];
extern const std::size_t kTwoLetterLanguageCount;

// ISO 639-2 codes, bibliographic and terminology forms, withdrawn and special codes; lower case.
// Their English names come from the iso-codes data (see IsoLanguageNames.h).
extern const char *const kThreeLetterCodes[];
extern const std::size_t kThreeLetterCodeCount;

// Names that the iso-codes data does not hold (withdrawn codes) or holds in another form than the
// one this program has always shown.
extern const LanguageRow kThreeLetterNameOverrides[];
extern const std::size_t kThreeLetterNameOverrideCount;

} // namespace talvane::lang
