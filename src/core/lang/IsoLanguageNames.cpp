#include "core/lang/IsoLanguageNames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace talvane::lang {

namespace {

QJsonArray readEntries(const QString &path, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(key).toArray();
}

QString withoutDates(QString name)
{
    // "(ca. 450-1100)", "(to 1453)", "(1453-)", "(post 1500)": any bracket holding a digit is a date.
    static const QRegularExpression dated(QStringLiteral("\\s*\\([^)]*\\d[^)]*\\)"));
    return name.remove(dated).trimmed();
}

} // namespace

QString isoCodesJsonDirectory()
{
    return QStringLiteral("/usr/share/iso-codes/json");
}

QString plainLanguageName(const QString &iso6392Name, const QString &iso6393Name)
{
    QString name = iso6392Name.section(QLatin1Char(';'), 0, 0).trimmed();
    if (name.contains(QLatin1String(", ")) && !iso6393Name.isEmpty())
        name = iso6393Name.section(QLatin1Char(';'), 0, 0).trimmed();
    return withoutDates(name);
}

QHash<QByteArray, QString> readIsoLanguageNames(const QString &jsonDirectory)
{
    QHash<QString, QString> names6393;
    const QJsonArray entries6393 = readEntries(jsonDirectory + QStringLiteral("/iso_639-3.json"),
                                               QStringLiteral("639-3"));
    for (const QJsonValue &value : entries6393) {
        const QJsonObject entry = value.toObject();
        names6393.insert(entry.value(QStringLiteral("alpha_3")).toString(),
                         entry.value(QStringLiteral("name")).toString());
    }

    QHash<QByteArray, QString> result;
    const QJsonArray entries6392 = readEntries(jsonDirectory + QStringLiteral("/iso_639-2.json"),
                                               QStringLiteral("639-2"));
    for (const QJsonValue &value : entries6392) {
        const QJsonObject entry = value.toObject();
        const QString terminology = entry.value(QStringLiteral("alpha_3")).toString();
        const QString name = plainLanguageName(entry.value(QStringLiteral("name")).toString(),
                                               names6393.value(terminology));
        if (name.isEmpty())
            continue;
        result.insert(terminology.toLatin1(), name);
        const QString bibliographic = entry.value(QStringLiteral("bibliographic")).toString();
        if (!bibliographic.isEmpty())
            result.insert(bibliographic.toLatin1(), name);
    }
    return result;
}

} // namespace talvane::lang
