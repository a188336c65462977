#pragma once

#include <QByteArray>
#include <QString>

// The MD5 digest of data as 32 lower-case hexadecimal characters.
QString DNMD5(const QByteArray &data);
