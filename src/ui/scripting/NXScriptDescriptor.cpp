#include "NXScriptDescriptor.h"

NXScriptDescriptor NXScriptDescriptor::string(const QString &text)
{
    NXScriptDescriptor d;
    d.kind = String;
    d.text = text;
    return d;
}

NXScriptDescriptor NXScriptDescriptor::number(qint32 value)
{
    NXScriptDescriptor d;
    d.kind = Integer;
    d.integer = value;
    return d;
}

NXScriptDescriptor NXScriptDescriptor::list(const QList<NXScriptDescriptor> &items)
{
    NXScriptDescriptor d;
    d.kind = List;
    d.items = items;
    return d;
}

QString NXScriptDescriptor::toText() const
{
    switch (kind) {
    case String:
        return text;
    case Integer:
        return QString::number(integer);
    default:
        return QString();
    }
}

QStringList NXScriptDescriptor::toTextList() const
{
    if (kind != List)
        return kind == Null ? QStringList() : QStringList{toText()};
    QStringList texts;
    for (const NXScriptDescriptor &item : items)
        texts << item.toText();
    return texts;
}

QString NXScriptDescriptor::description() const
{
    switch (kind) {
    case String:
        return QLatin1Char('"') + text + QLatin1Char('"');
    case Integer:
        return QString::number(integer);
    case List: {
        QStringList parts;
        for (const NXScriptDescriptor &item : items)
            parts << item.description();
        return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    default:
        return QStringLiteral("null");
    }
}

NXScriptDescriptor NXScriptDescriptor::fromObject(const QVariant &object)
{
    switch (object.metaType().id()) {
    case QMetaType::QString:
        return string(object.toString());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        return number(qint32(object.toLongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
        // A fraction is cut off, not rounded, as an integer value of a number is.
        return number(qint32(object.toDouble()));
    case QMetaType::QStringList: {
        QList<NXScriptDescriptor> items;
        for (const QString &text : object.toStringList())
            items << string(text);
        return list(items);
    }
    case QMetaType::QVariantList: {
        QList<NXScriptDescriptor> items;
        for (const QVariant &element : object.toList())
            items << fromObject(element);
        return list(items);
    }
    default:
        return null();
    }
}
