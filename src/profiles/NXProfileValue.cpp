#include "profiles/NXProfileValue.h"

#include <QStringList>
#include <QVariantMap>

#include <climits>
#include <cstdlib>

namespace {

int skipBlanks(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return i;
}

// Integers and floating-point numbers of any width, as a property list stores numbers.
bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace

int NXIntValue(const QString &text)
{
    int i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 result = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        result = result * 10 + (c.unicode() - '0');
        if (result > qint64(INT_MAX) + 1)
            break;
    }
    if (negative)
        result = -result;
    if (result > INT_MAX)
        return INT_MAX;
    if (result < INT_MIN)
        return INT_MIN;
    return int(result);
}

int NXIntValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        const qlonglong v = value.toLongLong();
        return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : int(v));
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double v = value.toDouble();
        return v >= double(INT_MAX) ? INT_MAX : (v <= double(INT_MIN) ? INT_MIN : int(v));
    }
    case QMetaType::QString:
        return NXIntValue(value.toString());
    default:
        return 0;
    }
}

float NXFloatValue(const QString &text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    return std::strtof(bytes.constData(), nullptr);
}

bool NXBoolValue(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isNumber(value))
        return value.toDouble() != 0.0;
    if (value.typeId() != QMetaType::QString)
        return false;
    const QString text = value.toString();
    int i = skipBlanks(text);
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    while (i < text.size() && text.at(i) == QLatin1Char('0'))
        ++i;
    if (i >= text.size())
        return false;
    const QChar c = text.at(i);
    return c == QLatin1Char('Y') || c == QLatin1Char('y') || c == QLatin1Char('T')
        || c == QLatin1Char('t') || (c >= QLatin1Char('1') && c <= QLatin1Char('9'));
}

QString NXStringValue(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString || isNumber(value))
        return value.toString();
    return QString();
}

QStringList NXStringListValue(const QVariant &value)
{
    QStringList result;
    if (value.typeId() != QMetaType::QVariantList && value.typeId() != QMetaType::QStringList)
        return result;
    const QVariantList list = value.toList();
    for (const QVariant &entry : list) {
        const QString text = NXStringValue(entry);
        if (!text.isNull())
            result << text;
    }
    return result;
}

QString NXLocalizedText(const QVariant &stored, const QString &languageCode)
{
    if (stored.typeId() == QMetaType::QString)
        return stored.toString();
    if (stored.typeId() != QMetaType::QVariantMap)
        return QString();
    const QVariantMap map = stored.toMap();
    const QString own = NXStringValue(map.value(languageCode));
    if (!own.isNull())
        return own;
    return NXStringValue(map.value(QStringLiteral("en")));
}
