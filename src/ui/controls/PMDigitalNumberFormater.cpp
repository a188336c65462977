#include "ui/controls/PMDigitalNumberFormater.h"

#include "profiles/NXProfileValue.h"

PMDigitalNumberFormater *PMDigitalNumberFormater::formater(QObject *parent)
{
    return new PMDigitalNumberFormater(parent);
}

QString PMDigitalNumberFormater::stringForObjectValue(int value)
{
    return QString::asprintf("%d", value);
}

bool PMDigitalNumberFormater::getObjectValue(int *value, const QString &text, QString *errorDescription)
{
    if (text.isNull()) {
        if (errorDescription)
            *errorDescription = tr("Couldn't convert  to int");
        return false;
    }
    if (value)
        *value = NXIntValue(text);
    return true;
}

bool PMDigitalNumberFormater::isPartialStringValid(const QString &partial)
{
    if (partial.size() > kMaxDigits)
        return false;
    for (const QChar c : partial) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QValidator::State PMDigitalNumberFormater::validate(QString &input, int &) const
{
    if (!isPartialStringValid(input))
        return Invalid;
    // An empty field is something being typed, not a size.
    return input.isEmpty() ? Intermediate : Acceptable;
}
