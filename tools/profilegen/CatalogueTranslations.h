#pragma once

#include <QMap>
#include <QString>
#include <QVariantMap>

// The catalogue's display texts (profile titles and descriptions, category titles) in the other
// interface languages. They live in translations/<code>.tsv beside the tables, one file per
// language with the columns "english" and "translation", keyed by the English text: one
// translation serves every row that shows that text, and editing a profile's values never
// touches them.
class CatalogueTranslations
{
public:
    // Reads every <code>.tsv of folder; a missing folder holds no translations. Fails on an
    // unreadable file, an empty translation or an English text given twice in one file.
    bool read(const QString &folder, QString *error);

    // The dictionary a profile or category stores: "en" and every language that translates
    // english, under the codes the profile model looks up ("de", "pt-pt", "zh-hant").
    QVariantMap localised(const QString &english) const;

private:
    QMap<QString, QMap<QString, QString>> byLanguage_; // language code -> English text -> translation
};
