#include "builders/mencoder/common/DVDBuilderHelpers.h"

QString sanitizeInfoText(const QString &text)
{
    if (text.isNull())
        return QStringLiteral(" ");
    QString clean = text;
    clean.replace(QLatin1Char('"'), QLatin1Char('_'));
    if (clean.size() < 2)
        return QStringLiteral(" ");
    return clean;
}
