#include "DNPropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

#include <plist/plist.h>

#include <cstdlib>
#include <limits>
#include <memory>

namespace {

// Property-list dates count seconds from 2001-01-01 00:00:00 UTC.
constexpr qint64 kReferenceDateOffsetSecs = 978307200;

struct PlistDeleter
{
    void operator()(void *node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

QString takeString(char *text)
{
    const QString result = text ? QString::fromUtf8(text) : QString();
    std::free(text);
    return result;
}

// ---- QVariant -> plist ----------------------------------------------------------------------

plist_t toPlist(const QVariant &value, QString *error);

plist_t dictToPlist(const QVariantMap &map, QString *error)
{
    PlistPtr dict(plist_new_dict());
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        plist_t item = toPlist(it.value(), error);
        if (!item) {
            setError(error, QStringLiteral("key \"%1\": %2").arg(it.key(), error ? *error : QString()));
            return nullptr;
        }
        plist_dict_set_item(dict.get(), it.key().toUtf8().constData(), item);
    }
    return dict.release();
}

plist_t arrayToPlist(const QVariantList &list, QString *error)
{
    PlistPtr array(plist_new_array());
    for (qsizetype i = 0; i < list.size(); ++i) {
        plist_t item = toPlist(list.at(i), error);
        if (!item) {
            setError(error, QStringLiteral("item %1: %2").arg(i).arg(error ? *error : QString()));
            return nullptr;
        }
        plist_array_append_item(array.get(), item);
    }
    return array.release();
}

plist_t dateToPlist(const QDateTime &date, QString *error)
{
    if (!date.isValid()) {
        setError(error, QStringLiteral("invalid date"));
        return nullptr;
    }
    const qint64 msecs = date.toMSecsSinceEpoch() - kReferenceDateOffsetSecs * 1000;
    qint64 secs = msecs / 1000;
    qint64 rest = msecs % 1000;
    if (rest < 0) {
        secs -= 1;
        rest += 1000;
    }
    if (secs < std::numeric_limits<int32_t>::min() || secs > std::numeric_limits<int32_t>::max()) {
        setError(error, QStringLiteral("date out of range"));
        return nullptr;
    }
    return plist_new_date(int32_t(secs), int32_t(rest * 1000));
}

plist_t toPlist(const QVariant &value, QString *error)
{
    switch (value.typeId()) {
    case QMetaType::QVariantMap:
        return dictToPlist(value.toMap(), error);
    case QMetaType::QVariantHash: {
        const QVariantHash hash = value.toHash();
        QVariantMap map;
        for (auto it = hash.constBegin(); it != hash.constEnd(); ++it)
            map.insert(it.key(), it.value());
        return dictToPlist(map, error);
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return arrayToPlist(value.toList(), error);
    case QMetaType::QString:
        return plist_new_string(value.toString().toUtf8().constData());
    case QMetaType::Bool:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
        // Signed values are stored two's complement; the readers take 8-byte integers as signed.
        return plist_new_uint(uint64_t(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::UChar:
        return plist_new_uint(value.toULongLong());
    case QMetaType::ULongLong: {
        const qulonglong v = value.toULongLong();
        if (v > qulonglong(std::numeric_limits<qint64>::max())) {
            setError(error, QStringLiteral("integer out of range"));
            return nullptr;
        }
        return plist_new_uint(v);
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return plist_new_real(value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray data = value.toByteArray();
        return plist_new_data(data.constData(), uint64_t(data.size()));
    }
    case QMetaType::QDateTime:
        return dateToPlist(value.toDateTime(), error);
    case QMetaType::QDate:
        return dateToPlist(value.toDate().startOfDay(Qt::UTC), error);
    default:
        setError(error, value.isValid()
                            ? QStringLiteral("unsupported value type %1").arg(value.typeName())
                            : QStringLiteral("null value"));
        return nullptr;
    }
}

// ---- plist -> QVariant ----------------------------------------------------------------------

QVariant fromPlist(plist_t node, int depth, QString *error)
{
    // Binary lists can reference themselves; a bound on depth keeps a crafted file from
    // exhausting the stack.
    if (depth > 512) {
        setError(error, QStringLiteral("property list nested too deeply"));
        return QVariant();
    }
    switch (plist_get_node_type(node)) {
    case PLIST_DICT: {
        QVariantMap map;
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        if (!iter)
            return map;
        for (;;) {
            char *key = nullptr;
            plist_t item = nullptr;
            plist_dict_next_item(node, iter, &key, &item);
            if (!item) {
                std::free(key);
                break;
            }
            const QString name = takeString(key);
            QVariant v = fromPlist(item, depth + 1, error);
            if (!v.isValid()) {
                std::free(iter);
                return QVariant();
            }
            map.insert(name, v);
        }
        std::free(iter);
        return map;
    }
    case PLIST_ARRAY: {
        QVariantList list;
        const uint32_t n = plist_array_get_size(node);
        for (uint32_t i = 0; i < n; ++i) {
            QVariant v = fromPlist(plist_array_get_item(node, i), depth + 1, error);
            if (!v.isValid())
                return QVariant();
            list.append(v);
        }
        return list;
    }
    case PLIST_STRING: {
        // The pointer form takes the stored length as it is (the copying form asserts on it).
        uint64_t length = 0;
        const char *text = plist_get_string_ptr(node, &length);
        QString result = text ? QString::fromUtf8(text, qsizetype(length)) : QString();
        if (result.isNull())
            result = QLatin1String(""); // an empty string stays a string, not a null one
        return result;
    }
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        return bool(b);
    }
    case PLIST_UINT:
    case PLIST_UID: {
        uint64_t v = 0;
        plist_get_uint_val(node, &v);
        return qlonglong(v);
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(node, &d);
        return d;
    }
    case PLIST_DATA: {
        char *bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &bytes, &length);
        QByteArray data(bytes, qsizetype(length));
        std::free(bytes);
        return data;
    }
    case PLIST_DATE: {
        int32_t secs = 0, usecs = 0;
        plist_get_date_val(node, &secs, &usecs);
        const qint64 msecs = (qint64(secs) + kReferenceDateOffsetSecs) * 1000 + usecs / 1000;
        return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
    }
    default:
        setError(error, QStringLiteral("unsupported node in property list"));
        return QVariant();
    }
}

// libplist (2.2) accepts text objects with an embedded NUL in binary lists but then stops the
// process with an assertion when such a text is read as a dict key. A damaged or crafted file
// must give an error instead, so the texts of a binary list are checked before it is parsed.
// Returns an empty string when the list may be handed to libplist.
QString checkBinaryTexts(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const quint64 size = quint64(data.size());
    const QString damaged = QStringLiteral("damaged binary property list");
    constexpr quint64 kHeader = 8, kTrailer = 32;
    if (size < kHeader + kTrailer)
        return damaged;
    auto readBE = [&](quint64 at, unsigned width, quint64 *out) {
        if (width == 0 || width > 8 || at > size || size - at < width)
            return false;
        quint64 v = 0;
        for (unsigned i = 0; i < width; ++i)
            v = (v << 8) | bytes[at + i];
        *out = v;
        return true;
    };
    const quint64 trailer = size - kTrailer;
    const unsigned offsetSize = bytes[trailer + 6];
    quint64 objectCount = 0, tableOffset = 0;
    if (!readBE(trailer + 8, 8, &objectCount) || !readBE(trailer + 24, 8, &tableOffset))
        return damaged;
    if (offsetSize == 0 || offsetSize > 8 || tableOffset > trailer
        || objectCount > (trailer - tableOffset) / offsetSize)
        return damaged;
    for (quint64 i = 0; i < objectCount; ++i) {
        quint64 offset = 0;
        if (!readBE(tableOffset + i * offsetSize, offsetSize, &offset) || offset >= trailer)
            return damaged;
        const uchar marker = bytes[offset];
        const uchar kind = marker >> 4;
        if (kind != 0x5 && kind != 0x6)
            continue;
        quint64 count = marker & 0x0f;
        quint64 start = offset + 1;
        if (count == 0x0f) {
            if (start >= trailer || (bytes[start] >> 4) != 0x1)
                return damaged;
            const unsigned width = 1u << (bytes[start] & 0x0f);
            if (!readBE(start + 1, width, &count))
                return damaged;
            start += 1 + width;
        }
        const quint64 unit = kind == 0x5 ? 1 : 2;
        if (start > trailer || count > (trailer - start) / unit)
            return damaged;
        for (quint64 c = 0; c < count; ++c) {
            const quint64 at = start + c * unit;
            if (bytes[at] == 0 && (unit == 1 || bytes[at + 1] == 0))
                return QStringLiteral("binary property list holds a text with a NUL character");
        }
    }
    return QString();
}

} // namespace

QVariant propertyListFromData(const QByteArray &data, QString *error)
{
    if (data.isEmpty()) {
        setError(error, QStringLiteral("empty property list data"));
        return QVariant();
    }
    if (data.size() > qsizetype(std::numeric_limits<uint32_t>::max())) {
        setError(error, QStringLiteral("property list data too large"));
        return QVariant();
    }
    plist_t root = nullptr;
    const auto length = uint32_t(data.size());
    if (plist_is_binary(data.constData(), length)) {
        const QString problem = checkBinaryTexts(data);
        if (!problem.isEmpty()) {
            setError(error, problem);
            return QVariant();
        }
        plist_from_bin(data.constData(), length, &root);
    } else {
        // No XML document holds a NUL byte; libplist would take one into a text and then
        // assert on it.
        if (data.contains('\0')) {
            setError(error, QStringLiteral("XML property list holds a NUL byte"));
            return QVariant();
        }
        plist_from_xml(data.constData(), length, &root);
    }
    if (!root) {
        setError(error, QStringLiteral("not a readable property list"));
        return QVariant();
    }
    PlistPtr owner(root);
    return fromPlist(root, 0, error);
}

QByteArray propertyListData(const QVariant &value, DNPropertyListFormat format, QString *error)
{
    PlistPtr root(toPlist(value, error));
    if (!root)
        return QByteArray();
    char *bytes = nullptr;
    uint32_t length = 0;
    QByteArray result;
    if (format == DNPropertyListFormat::XML) {
        plist_to_xml(root.get(), &bytes, &length);
        result = QByteArray(bytes, qsizetype(length));
        plist_to_xml_free(bytes);
    } else {
        plist_to_bin(root.get(), &bytes, &length);
        result = QByteArray(bytes, qsizetype(length));
        plist_to_bin_free(bytes);
    }
    if (result.isEmpty())
        setError(error, QStringLiteral("the property list could not be encoded"));
    return result;
}

QVariant readPropertyList(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
        return QVariant();
    }
    const QByteArray data = file.readAll();
    QString reason;
    QVariant value = propertyListFromData(data, &reason);
    if (!value.isValid())
        setError(error, QStringLiteral("%1: %2").arg(path, reason));
    return value;
}

bool writePropertyList(const QVariant &value, const QString &path, DNPropertyListFormat format,
                       QString *error)
{
    const QByteArray data = propertyListData(value, format, error);
    if (data.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    if (file.write(data) != data.size() || !file.commit()) {
        setError(error, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}
