#pragma once

#include <QList>
#include <QString>

// One row of the media-information outline: a name and a value, or a group row (no value)
// holding the rows under it.
struct NXObjKV
{
    QString key;
    QString value; // null for a group row
    QList<NXObjKV> children;

    static NXObjKV kv() { return NXObjKV(); }
    static NXObjKV kvWithKey(const QString &key, const QString &value) { return NXObjKV{key, value, {}}; }
    static NXObjKV group(const QString &key, QList<NXObjKV> rows) { return NXObjKV{key, QString(), std::move(rows)}; }
    bool isExpandable() const { return !children.isEmpty(); }
};
