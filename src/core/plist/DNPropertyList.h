#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Property lists (XML and binary) as QVariant trees.
//
// Writing maps: QVariantMap/QVariantHash -> dict; QVariantList/QStringList -> array;
// QString -> string; bool -> bool; any integer type -> integer; double/float -> real;
// QByteArray -> data; QDateTime/QDate -> date (binary keeps milliseconds, XML whole seconds;
// dates from 1933 to 2069, the range libplist's 32-bit seconds hold). Anything else (a null
// QVariant, an invalid date, another type) fails with an error instead of writing a partial list.
//
// Reading gives: dict -> QVariantMap, array -> QVariantList, string -> QString,
// bool -> bool, integer -> qlonglong, real -> double, data -> QByteArray,
// date -> QDateTime (UTC). The format is detected from the data.
//
// Every function reports failure by its result (null QVariant / false / empty data) and, when
// error is given, a message; none throws or aborts on bad input.
enum class DNPropertyListFormat { XML, Binary };

QVariant propertyListFromData(const QByteArray &data, QString *error = nullptr);
QByteArray propertyListData(const QVariant &value, DNPropertyListFormat format,
                            QString *error = nullptr);

QVariant readPropertyList(const QString &path, QString *error = nullptr);
// Writes through a temporary file renamed into place, so a failed write never leaves a
// truncated list where the old one was.
bool writePropertyList(const QVariant &value, const QString &path, DNPropertyListFormat format,
                       QString *error = nullptr);
