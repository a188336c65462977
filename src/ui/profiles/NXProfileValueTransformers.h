#pragma once

#include <QString>
#include <QStringList>

// How the settings sheet shows profile values and reads them back: frame rates with " fps",
// bitrates with " Kbps", "keep origin" and "Smart Match" values in the interface language.
// A transformer of a list maps each value; the reverse of a single value undoes the forward.
struct FPSValueTransformer
{
    static QStringList transformedValue(const QStringList &values);
};
struct FPSStringValueTransformer
{
    static QString transformedValue(const QString &value);
    static QString reverseTransformedValue(const QString &text);
};
struct KBPSValueTransformer
{
    static QStringList transformedValue(const QStringList &values);
};
struct KBPSStringValueTransformer
{
    static QString transformedValue(const QString &value);
    static QString reverseTransformedValue(const QString &text);
};
struct KeepOriginTransformer
{
    static QStringList transformedValue(const QStringList &values);
};
struct KeepOriginStringValueTransformer
{
    static QString transformedValue(const QString &value);
    static QString reverseTransformedValue(const QString &text);
};
