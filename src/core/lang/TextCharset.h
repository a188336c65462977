#pragma once

#include <QString>

// Name of the character set of a text file (a subtitle file) as uchardet detects it, such as
// "UTF-8", "GB18030" or "WINDOWS-1252"; a null string when the file is missing, unreadable or empty,
// or nothing was detected. Callers treat a null result as "UTF-8".
QString detectTextFileCharset(const QString &path);
