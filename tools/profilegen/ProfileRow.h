#pragma once

#include "CatalogueTable.h"

#include <QVariantMap>

// The property list of one profile row. Checks what the builders rely on: a builder name, an
// id, a suffix, and numbers (never "keep origin") in the fields handed to engines as numbers.
// Returns an empty map and a message when the row is unusable.
QVariantMap profileDictionaryFromRow(const CatalogueRow &row, QString *error);
