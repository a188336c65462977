#pragma once

// The English name of a language from its ISO 639 code, for track lists that show names.
// Two-letter codes are matched without regard to case; three-letter codes must be lower case;
// a longer code is cut to its first three characters. NULL for a NULL, unknown or ill-sized code.
// The result lives as long as the program; the caller neither frees nor owns it.
const char *LanguageNameForCode(const char *code);
