#pragma once

#include <QValidator>

// The integer formatter of the custom-size inputs: values are shown with "%d", and typing is
// accepted only while the text stays a number of at most four digits, so a width or height can
// never be typed as letters, signs or a five-digit value.
class PMDigitalNumberFormater : public QValidator
{
    Q_OBJECT
public:
    static constexpr int kMaxDigits = 4;

    explicit PMDigitalNumberFormater(QObject *parent = nullptr) : QValidator(parent) {}
    // A new formatter owned by parent.
    static PMDigitalNumberFormater *formater(QObject *parent = nullptr);

    static QString stringForObjectValue(int value);
    // The value for a text: its integer value (leading digits; 0 when there are none), true. A
    // null text gives no value and false, with the message "Couldn't convert  to int" when asked.
    static bool getObjectValue(int *value, const QString &text, QString *errorDescription = nullptr);
    // The rule for partial input: at most four characters, each a digit 0 to 9.
    static bool isPartialStringValid(const QString &partial);

    State validate(QString &input, int &pos) const override;
};
