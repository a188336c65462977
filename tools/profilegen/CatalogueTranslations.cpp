#include "CatalogueTranslations.h"

#include "CatalogueTable.h"

#include <QDir>
#include <QFileInfo>

bool CatalogueTranslations::read(const QString &folder, QString *error)
{
    const QDir dir(folder);
    if (!dir.exists())
        return true;
    for (const QFileInfo &file : dir.entryInfoList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name)) {
        QList<CatalogueRow> rows;
        if (!readCatalogueTable(file.filePath(), &rows, error))
            return false;
        // The profile model asks with lower-case codes.
        QMap<QString, QString> &texts = byLanguage_[file.completeBaseName().toLower()];
        for (const CatalogueRow &row : rows) {
            const QString english = row.value(QStringLiteral("english"));
            const QString translation = row.value(QStringLiteral("translation"));
            if (english.isEmpty() || translation.isEmpty()) {
                *error = row.value(QStringLiteral("#line")) + QStringLiteral(": an empty text");
                return false;
            }
            if (texts.contains(english)) {
                *error = row.value(QStringLiteral("#line")) + QStringLiteral(": \"%1\" is translated twice").arg(english);
                return false;
            }
            texts.insert(english, translation);
        }
    }
    return true;
}

QVariantMap CatalogueTranslations::localised(const QString &english) const
{
    QVariantMap texts{{QStringLiteral("en"), english}};
    for (auto it = byLanguage_.cbegin(); it != byLanguage_.cend(); ++it) {
        const auto found = it.value().constFind(english);
        if (found != it.value().cend())
            texts.insert(it.key(), found.value());
    }
    return texts;
}
