#include "core/util/DNBuildDate.h"

// This file alone reads the compiler's clock, so only it is rebuilt to carry a new date.
QString DNBuildDateText()
{
    return DNFormatCompilerDate(__DATE__, __TIME__);
}

QString DNFormatCompilerDate(const char *compilerDate, const char *compilerTime)
{
    QString date = QString::fromLatin1(compilerDate);
    date.replace(QStringLiteral("  "), QStringLiteral("-"));
    date.replace(QLatin1Char(' '), QLatin1Char('-'));
    return date + QLatin1Char(' ') + QString::fromLatin1(compilerTime);
}
