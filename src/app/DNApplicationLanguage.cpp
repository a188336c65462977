#include "DNApplicationLanguage.h"

#include "core/platform/DNBundle.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <cstdio>

namespace {
const QString kCustomizeKey = QStringLiteral("kAppCustomizeLanguage");
const QString kAppleLanguagesKey = QStringLiteral("AppleLanguages");
const QString kDefaultChoice = QStringLiteral("Default");

// A stored value that cannot be read as intended; the set-up falls back to English.
struct LanguageSetupError
{
};

// The first entry of "AppleLanguages": empty when absent; an empty list (or a value that gives
// no text) is an error. The settings file keeps a one-entry list as a plain text, which reads
// back as that one entry.
QString firstStoredLanguage(const QSettings &settings)
{
    if (!settings.contains(kAppleLanguagesKey))
        return QString();
    const QStringList list = settings.value(kAppleLanguagesKey).toStringList();
    if (list.isEmpty() || list.first().isEmpty())
        throw LanguageSetupError{};
    return list.first();
}

// Qt's own texts (the standard buttons, the file dialogs), where Qt has them for the language.
void installQtTranslator(QCoreApplication &application, const QString &code)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(translator);
    else
        delete translator;
}
}

const QStringList &DNInterfaceLanguageCodes()
{
    static const QStringList codes{
        QStringLiteral("Default"), QStringLiteral("en"),      QStringLiteral("ja"),
        QStringLiteral("de"),      QStringLiteral("it"),      QStringLiteral("fr"),
        QStringLiteral("es"),      QStringLiteral("ko"),      QStringLiteral("pt-PT"),
        QStringLiteral("zh-Hant"), QStringLiteral("zh-Hans"),
    };
    return codes;
}

void configureApplicationLanguage(QSettings &settings, const QStringList &systemPreferred)
{
    try {
        const QString lang = settings.value(kCustomizeKey, kDefaultChoice).toString();
        if (lang == kDefaultChoice) {
            settings.remove(kAppleLanguagesKey);
            const QString system = systemPreferred.value(0);
            if (!DNInterfaceLanguageCodes().contains(system))
                settings.setValue(kAppleLanguagesKey, QStringList{QStringLiteral("en")});
        } else if (lang != firstStoredLanguage(settings)) {
            settings.setValue(kAppleLanguagesKey, QStringList{lang});
        }
    } catch (const LanguageSetupError &) {
        std::fputs("configure application language error, force to use english.\n", stderr);
        settings.setValue(kAppleLanguagesKey, QStringList{QStringLiteral("en")});
    }
    settings.sync();
}

void configureApplicationLanguage()
{
    QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    configureApplicationLanguage(settings, DNSystemPreferredLanguages());
}

QString DNEffectiveInterfaceLanguage(const QSettings &settings, const QStringList &systemPreferred)
{
    const QStringList stored = settings.value(kAppleLanguagesKey).toStringList();
    QString code = stored.value(0);
    if (code.isEmpty())
        code = systemPreferred.value(0);
    if (code == kDefaultChoice || !DNInterfaceLanguageCodes().contains(code))
        return QStringLiteral("en");
    return code;
}

bool DNInstallInterfaceTranslator(QCoreApplication &application, const QString &code)
{
    if (code.isEmpty() || code == QLatin1String("en"))
        return false;
    installQtTranslator(application, code);
    const QString path = DNBundle::pathForResource(
        QStringLiteral("translations/talvane_%1.qm").arg(code));
    if (!QFileInfo::exists(path))
        return false;
    auto *translator = new QTranslator(&application);
    if (!translator->load(path)) {
        delete translator;
        return false;
    }
    application.installTranslator(translator);
    return true;
}
