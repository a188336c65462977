#pragma once

#include <QString>
#include <QVariant>
#include <QStringList>
#include <QVariantList>

#include <string>

// printf-style formatting with the object directive "%@", as the log and the path helpers
// write their texts. Directives take the arguments in order: %@ and %s (text), %d %i %u with
// l/ll/h length letters (integer), %f %g %e (real, with precision), %x %X (hexadecimal), %c,
// and %%, each with the usual flags and width ("%02x", "%5d", "%.2f"). A missing argument
// formats as empty; extra arguments are ignored.
QString DNFormatList(const QString &format, const QVariantList &arguments);

namespace dnformat_detail {
inline QVariant toVariant(const QVariant &v) { return v; }
inline QVariant toVariant(const QString &s) { return s; }
inline QVariant toVariant(const char *s) { return QString::fromUtf8(s); }
inline QVariant toVariant(const std::string &s) { return QString::fromStdString(s); }
inline QVariant toVariant(const QByteArray &b) { return QString::fromUtf8(b); }
inline QVariant toVariant(const QStringList &l) { return l.join(QStringLiteral(", ")); }
template <typename T>
QVariant toVariant(const T &value)
{
    return QVariant::fromValue(value);
}
} // namespace dnformat_detail

template <typename... Args>
QString DNFormat(const QString &format, const Args &...arguments)
{
    return DNFormatList(format, QVariantList{dnformat_detail::toVariant(arguments)...});
}
