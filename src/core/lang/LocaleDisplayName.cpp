#include "core/lang/LocaleDisplayName.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace {
icu::Locale localeOf(const QString &tag, UErrorCode &status)
{
    return icu::Locale::forLanguageTag(tag.toStdString(), status);
}
} // namespace

QString DNLocaleDisplayName(const QString &identifier, const QString &inLocale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = localeOf(identifier, status);
    const icu::Locale display = localeOf(inLocale, status);
    if (U_FAILURE(status) || locale.isBogus())
        return identifier;
    icu::UnicodeString name;
    locale.getDisplayName(display, name);
    if (name.isEmpty())
        return identifier;
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(name.getBuffer()), name.length());
}
