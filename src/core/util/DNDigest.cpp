#include "core/util/DNDigest.h"

#include <QCryptographicHash>

QString DNMD5(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
}
