#include "builders/common/FrameRate.h"

#include <QRegularExpression>

namespace {

constexpr int NormaliseBufferSize = 16; // texts this long or longer are not frame rates

QString normalised(const QString &text)
{
    QString value = text;
    if (value.contains(QLatin1Char('.'))) {
        while (value.endsWith(QLatin1Char('0')))
            value.chop(1);
        if (value.endsWith(QLatin1Char('.')))
            value.chop(1);
    }
    return value;
}

bool isPlainPositiveNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (!number.match(text).hasMatch())
        return false;
    return text.toDouble() > 0.0;
}

} // namespace

QString GetFrameRateString(const QString &profileText)
{
    const QString fallback = QString::fromLatin1(FrameRateTable[3].encoderRate); // "23.976"
    if (profileText.toUtf8().size() >= NormaliseBufferSize)
        return fallback;
    const QString value = normalised(profileText);
    for (const FrameRateRow &row : FrameRateTable) {
        if (value == QLatin1String(row.profileText))
            return QString::fromLatin1(row.encoderRate);
    }
    return isPlainPositiveNumber(value) ? value : fallback;
}
