#include "NXMediaPath.h"

QString NXMediaPath::description() const
{
    const QString object = QStringLiteral("<NXMediaPath: 0x%1>")
                               .arg(reinterpret_cast<quintptr>(this), 0, 16);
    return QStringLiteral("%1, main:%2,child:%3.").arg(object).arg(mainIndex_).arg(childIndex_);
}
