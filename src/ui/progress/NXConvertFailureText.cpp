#include "ui/progress/NXConvertFailureText.h"

#include <QCoreApplication>

QString NXConvertFailureText(const ConvertFailureReason &reason)
{
    return reason.text([](const char *english) { return QCoreApplication::translate("ConvertFailure", english); },
                       QLocale());
}
