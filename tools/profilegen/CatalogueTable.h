#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One row of a tab-separated table, by column name.
using CatalogueRow = QMap<QString, QString>;

// Reads a table whose first line names the columns. Blank lines and lines starting with '#'
// are skipped. Fails (returns false, with a message) on a row with the wrong number of cells.
bool readCatalogueTable(const QString &path, QList<CatalogueRow> *rows, QString *error);

// A list cell "a|*b|c": the values in order, and the default (the one marked '*', else the
// first). "-" or an empty cell is no list at all.
struct CatalogueList
{
    bool present = false;
    QStringList values;
    QString defaultValue;
};
CatalogueList parseCatalogueList(const QString &cell);
