#pragma once

#include <QString>

// When this program was built, as the about box and the start-up log line show it: the
// compiler's date with its blanks turned into dashes ("Dec 13 2017" -> "Dec-13-2017", and a
// one-digit day's two blanks "Dec  3 2017" -> "Dec-3-2017"), a blank, then the time.
QString DNBuildDateText();
// The same from given compiler texts.
QString DNFormatCompilerDate(const char *compilerDate, const char *compilerTime);
