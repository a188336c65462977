#include "ui/profiles/NXProfileValueTransformers.h"

#include "profiles/DNProfileKeepOrigin.h"

#include <QCoreApplication>

namespace {

// The value words that show translated in the settings sheet's lists.
QString localised(const QString &text)
{
    [[maybe_unused]] static const char *const translatedValues[] = {
        QT_TRANSLATE_NOOP("NXProfileValues", "keep origin"),
        QT_TRANSLATE_NOOP("NXProfileValues", "Smart Match"),
    };
    return QCoreApplication::translate("NXProfileValues", text.toUtf8().constData());
}

QString localisedKeepOrigin()
{
    return localised(DNKeepOriginText());
}

bool isSmartMatch(const QString &value)
{
    return value.startsWith(QLatin1String("Smart Match"));
}

template <class F>
QStringList mapValues(const QStringList &values, F f)
{
    QStringList result;
    result.reserve(values.size());
    for (const QString &value : values)
        result << f(value);
    return result;
}

} // namespace

QStringList FPSValueTransformer::transformedValue(const QStringList &values)
{
    return mapValues(values, FPSStringValueTransformer::transformedValue);
}

QString FPSStringValueTransformer::transformedValue(const QString &value)
{
    return IsKeepOriginFrameRate(value) ? localised(value) : value + QLatin1String(" fps");
}

QString FPSStringValueTransformer::reverseTransformedValue(const QString &text)
{
    if (text == localisedKeepOrigin())
        return DNKeepOriginText();
    return text.left(std::max<qsizetype>(0, text.size() - 4));
}

QStringList KBPSValueTransformer::transformedValue(const QStringList &values)
{
    return mapValues(values, [](const QString &value) {
        if (IsKeepOriginAudioCodec(value) || isSmartMatch(value))
            return localised(value);
        return value + QLatin1String(" Kbps");
    });
}

QString KBPSStringValueTransformer::transformedValue(const QString &value)
{
    return isSmartMatch(value) ? value : value + QLatin1String(" Kbps");
}

QString KBPSStringValueTransformer::reverseTransformedValue(const QString &text)
{
    if (isSmartMatch(text))
        return text;
    return text.left(std::max<qsizetype>(0, text.size() - 5));
}

QStringList KeepOriginTransformer::transformedValue(const QStringList &values)
{
    return mapValues(values, KeepOriginStringValueTransformer::transformedValue);
}

QString KeepOriginStringValueTransformer::transformedValue(const QString &value)
{
    return IsKeepOriginString(value) ? localised(value) : value;
}

QString KeepOriginStringValueTransformer::reverseTransformedValue(const QString &text)
{
    return text == localisedKeepOrigin() ? DNKeepOriginText() : text;
}
