#include "dvd/DVDAudioPreferences.h"

#include "core/settings/DNSetting.h"
#include "core/util/DNSystemInfo.h"

QString dvdPreferredAudioLanguage()
{
    const auto app = DNSetting::shareSetting().appSetting();
    return app ? app->audioLanguage() : QString();
}

QString dvdSystemLanguageCode()
{
    // The interface-language choice first, as for file items: a user who chose French hears the
    // French track when the preferred audio language is not on the disc.
    const QString first = DNFirstPreferredLanguage();
    return first.size() >= 3 ? first.left(2) : first;
}
