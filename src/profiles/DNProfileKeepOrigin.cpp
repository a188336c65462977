#include "profiles/DNProfileKeepOrigin.h"

#include "profiles/NXProfileValue.h"

#include <QStringList>

bool IsKeepOriginString(const QString &value)
{
    return !value.isNull() && value == DNKeepOriginText();
}

bool IsKeepOriginFrameRate(const QString &value)
{
    return IsKeepOriginString(value);
}

bool IsKeepOriginAspect(const QString &value)
{
    return IsKeepOriginString(value);
}

bool IsKeepOriginResolution(const QString &value)
{
    return IsKeepOriginString(value);
}

bool IsKeepOriginAudioCodec(const QString &value)
{
    return value.isNull() || value.toLower() == DNKeepOriginText();
}

QString ResolveKeepOriginFrameRate(const QString &value, float sourceFps)
{
    if (IsKeepOriginFrameRate(value))
        return QString::asprintf("%.2f", double(sourceFps));
    return value;
}

QString FormatAspectString(const QString &value, const QString &separator)
{
    if (value.isNull())
        return value;
    QString result = value;
    result.replace(QLatin1Char('x'), separator);
    if (separator.isEmpty())
        return result;
    const QStringList parts = result.split(separator);
    if (parts.size() == 2 && NXIntValue(parts.at(1)) == 1)
        return parts.at(0);
    return result;
}

QSizeF AspectSizeFromString(const QString &value, QSizeF defaultSize)
{
    if (value.toLower() == DNKeepOriginText())
        return defaultSize;
    if (!value.contains(QLatin1Char('x')))
        return QSizeF(1, 1);
    const QStringList parts = value.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return QSizeF(1, 1);
    return QSizeF(NXIntValue(parts.at(0)), NXIntValue(parts.at(1)));
}

QSizeF ResolutionSizeFromString(const QString &value, QSizeF defaultSize)
{
    const QString lower = value.toLower();
    if (lower == DNKeepOriginText() || !lower.contains(QLatin1Char('x')))
        return defaultSize;
    const QStringList parts = lower.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return defaultSize;
    return QSizeF(NXIntValue(parts.at(0)), NXIntValue(parts.at(1)));
}
