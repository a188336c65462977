#include "dvd/DVDAudioPreferences.h"

#include "core/settings/DNSetting.h"

#include <QLocale>
#include <QStringList>

QString dvdPreferredAudioLanguage()
{
    const auto app = DNSetting::shareSetting().appSetting();
    return app ? app->audioLanguage() : QString();
}

QString dvdSystemLanguageCode()
{
    const QStringList languages = QLocale::system().uiLanguages();
    if (languages.isEmpty())
        return QString();
    const QString first = languages.first();
    return first.size() >= 3 ? first.left(2) : first;
}
