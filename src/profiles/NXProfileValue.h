#pragma once

#include <QString>
#include <QVariant>

// Profile and category lists are hand-editable, so a flag or a number may be stored as a
// property-list boolean, a number or a text ("1", "YES", "640"). These read any of them the
// way the lists have always been read: leading numbers of a text, the first letter of a flag.

// Leading decimal integer of a text (after blanks and a sign); 0 when there is none.
int NXIntValue(const QString &text);
int NXIntValue(const QVariant &value);
// Leading decimal number of a text; 0 when there is none.
float NXFloatValue(const QString &text);
// True for a true boolean, a non-zero number, or a text whose first meaningful character is
// Y, y, T, t or a digit 1-9 (leading blanks, a sign and zeros skipped).
bool NXBoolValue(const QVariant &value);
// A text or a number as text; a null text for anything else.
QString NXStringValue(const QVariant &value);
// A list of texts from an array of texts or numbers; entries of other kinds are skipped.
QStringList NXStringListValue(const QVariant &value);

// A title or description stored as a plain text (returned as is) or as a dictionary from
// language code to text: the entry of the language, else the "en" entry, else a null text.
QString NXLocalizedText(const QVariant &stored, const QString &languageCode);
