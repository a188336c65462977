#pragma once

#include <QHash>
#include <QString>

// English language names from Debian's iso-codes data (iso_639-2.json and iso_639-3.json).
namespace talvane::lang {

// Where the program reads the data: the iso-codes package's JSON folder.
QString isoCodesJsonDirectory();

// One plain English name: the first of the ISO 639-2 names; when that one is written inverted
// ("Greek, Modern (1453-)") the ISO 639-3 name, which is in natural order; dates in brackets dropped.
QString plainLanguageName(const QString &iso6392Name, const QString &iso6393Name);

// Code (terminology and bibliographic forms alike) -> plain name; empty when the data is unreadable.
QHash<QByteArray, QString> readIsoLanguageNames(const QString &jsonDirectory);

} // namespace talvane::lang
