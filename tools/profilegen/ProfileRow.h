#pragma once

#include "CatalogueTable.h"
#include "CatalogueTranslations.h"

#include <QVariantMap>

// The property list of one profile row. Checks what the builders rely on: a builder name, an
// id, a suffix, and numbers (never "keep origin") in the fields handed to engines as numbers.
// Titles and descriptions come with their translations. Returns an empty map and a message when
// the row is unusable.
QVariantMap profileDictionaryFromRow(const CatalogueRow &row, const CatalogueTranslations &translations,
                                     QString *error);
