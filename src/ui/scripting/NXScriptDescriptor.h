#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// A value handed to a script handler: nothing, a text, a 32-bit integer or a list of such values.
struct NXScriptDescriptor
{
    enum Kind { Null, String, Integer, List };

    Kind kind = Null;
    QString text;
    qint32 integer = 0;
    QList<NXScriptDescriptor> items;

    static NXScriptDescriptor null() { return {}; }
    static NXScriptDescriptor string(const QString &text);
    static NXScriptDescriptor number(qint32 value);
    static NXScriptDescriptor list(const QList<NXScriptDescriptor> &items);

    // A text as given, an integer in decimal, nothing for anything else.
    QString toText() const;
    // The texts of a list's items (a single text gives a list of one).
    QStringList toTextList() const;
    // For the log: null, "text", 42, [a, b].
    QString description() const;
    bool operator==(const NXScriptDescriptor &other) const = default;

    // The descriptor for an argument: an invalid value gives null, a text a text, a number its
    // integer value, a list (QVariantList or QStringList) a list of its elements converted the
    // same way; any other value (a dictionary, a date) gives null.
    static NXScriptDescriptor fromObject(const QVariant &object);
};
