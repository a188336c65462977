#include "CatalogueTable.h"

#include <QFile>
#include <QTextStream>

bool readCatalogueTable(const QString &path, QList<CatalogueRow> *rows, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    QTextStream in(&file);
    QStringList columns;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (columns.isEmpty()) {
            columns = cells;
            continue;
        }
        if (cells.size() != columns.size()) {
            *error = QStringLiteral("%1:%2: %3 cells, the header names %4")
                         .arg(path)
                         .arg(lineNumber)
                         .arg(cells.size())
                         .arg(columns.size());
            return false;
        }
        CatalogueRow row;
        for (int i = 0; i < columns.size(); ++i)
            row.insert(columns.at(i), cells.at(i).trimmed());
        row.insert(QStringLiteral("#line"), QStringLiteral("%1:%2").arg(path).arg(lineNumber));
        rows->append(row);
    }
    return true;
}

CatalogueList parseCatalogueList(const QString &cell)
{
    CatalogueList list;
    if (cell.isEmpty() || cell == QLatin1String("-"))
        return list;
    list.present = true;
    for (QString value : cell.split(QLatin1Char('|'))) {
        value = value.trimmed();
        if (value.startsWith(QLatin1Char('*'))) {
            value = value.mid(1);
            list.defaultValue = value;
        }
        list.values << value;
    }
    if (list.defaultValue.isNull() && !list.values.isEmpty())
        list.defaultValue = list.values.first();
    return list;
}
