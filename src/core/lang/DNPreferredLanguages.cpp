#include "core/lang/DNPreferredLanguages.h"

#include <QLocale>

QStringList DNSystemPreferredLanguages()
{
    return DNPreferredLanguagesFromLocaleTags(QLocale::system().uiLanguages());
}

QStringList DNPreferredLanguagesFromLocaleTags(const QStringList &tags)
{
    QStringList preferred;
    for (const QString &tag : tags) {
        const QLocale locale(tag);
        if (locale.language() == QLocale::C)
            continue;
        QString code = QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
        if (code.isEmpty())
            code = QLocale::languageToCode(locale.language());
        if (locale.language() == QLocale::Chinese) {
            code += locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("-Hant")
                                                                     : QStringLiteral("-Hans");
        } else if (tag.contains(QLatin1Char('-'))) {
            // The region only where it is not the language's own (de-DE is "de").
            const QLocale plain(locale.language());
            if (locale.territory() != plain.territory())
                code += QLatin1Char('-') + QLocale::territoryToCode(locale.territory());
        }
        if (!preferred.contains(code))
            preferred.append(code);
    }
    return preferred;
}
