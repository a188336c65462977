#include "core/util/DNVersion.h"

#include <QStringList>

int DNCompareVersion(const QString &a, const QString &b)
{
    const QStringList pa = a.trimmed().split(QLatin1Char('.'));
    const QStringList pb = b.trimmed().split(QLatin1Char('.'));
    const qsizetype n = qMax(pa.size(), pb.size());
    for (qsizetype i = 0; i < n; ++i) {
        const qlonglong va = i < pa.size() ? pa.at(i).trimmed().toLongLong() : 0;
        const qlonglong vb = i < pb.size() ? pb.at(i).trimmed().toLongLong() : 0;
        if (va != vb)
            return va > vb ? 1 : -1;
    }
    return 0;
}
