#include "core/plist/DNPropertyList.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QPoint>
#include <QTemporaryDir>

namespace {

const DNPropertyListFormat kFormats[] = {DNPropertyListFormat::XML, DNPropertyListFormat::Binary};

std::string show(const QVariant &v)
{
    QString text;
    QDebug(&text) << v;
    return text.toStdString();
}

// Key by key, so a failure names the value that changed.
void expectSameMap(const QVariantMap &actual, const QVariantMap &expected, const char *where)
{
    EXPECT_EQ(actual.keys(), expected.keys()) << where;
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
        const QVariant value = actual.value(it.key());
        if (it.value().typeId() == QMetaType::QVariantMap) {
            expectSameMap(value.toMap(), it.value().toMap(), where);
            continue;
        }
        EXPECT_EQ(value, it.value()) << where << " key \"" << it.key().toStdString() << "\": "
                                     << show(value) << " vs " << show(it.value());
    }
}

const char *formatName(DNPropertyListFormat f)
{
    return f == DNPropertyListFormat::XML ? "xml" : "binary";
}

QVariantMap sampleTree()
{
    QVariantMap inner;
    inner.insert(QStringLiteral("empty text"), QString(QLatin1String("")));
    inner.insert(QStringLiteral("unicode"), QStringLiteral("Grüße – 日本語 & <tags>"));
    inner.insert(QStringLiteral("negative"), qlonglong(-42));
    inner.insert(QStringLiteral("min int"), qlonglong(std::numeric_limits<qint64>::min()));
    inner.insert(QStringLiteral("max int"), qlonglong(std::numeric_limits<qint64>::max()));
    inner.insert(QStringLiteral("big"), qlonglong(5000000000LL));
    inner.insert(QStringLiteral("empty data"), QByteArray(""));
    inner.insert(QStringLiteral("empty list"), QVariantList());
    inner.insert(QStringLiteral("empty dict"), QVariantMap());

    QVariantMap root;
    root.insert(QStringLiteral("text"), QStringLiteral("mp4"));
    root.insert(QStringLiteral("yes"), true);
    root.insert(QStringLiteral("no"), false);
    root.insert(QStringLiteral("int"), qlonglong(1001));
    root.insert(QStringLiteral("real"), 0.3);
    root.insert(QStringLiteral("data"), QByteArray("\x00\x01\xff binary", 10));
    // XML dates carry whole seconds (binary ones keep milliseconds, see below).
    root.insert(QStringLiteral("date"), QDateTime::fromMSecsSinceEpoch(1700000000000LL, Qt::UTC));
    root.insert(QStringLiteral("old date"), QDateTime::fromMSecsSinceEpoch(0, Qt::UTC));
    root.insert(QStringLiteral("list"), QVariantList{qlonglong(1), QStringLiteral("two"), QVariantList{3.5}});
    root.insert(QStringLiteral("nested"), inner);
    root.insert(QString(), QStringLiteral("empty key"));
    return root;
}

TEST(PropertyList, EveryValueTypeSurvivesARoundTripInBothFormats)
{
    const QVariantMap tree = sampleTree();
    for (const auto format : kFormats) {
        QString error;
        const QByteArray data = propertyListData(tree, format, &error);
        ASSERT_FALSE(data.isEmpty()) << formatName(format) << ": " << error.toStdString();
        const QVariant back = propertyListFromData(data, &error);
        ASSERT_EQ(back.typeId(), QMetaType::QVariantMap) << formatName(format) << ": " << error.toStdString();
        expectSameMap(back.toMap(), tree, formatName(format));
        // Types, not only values: an empty text stays a text, data stays data.
        const QVariantMap nested = back.toMap().value(QStringLiteral("nested")).toMap();
        EXPECT_EQ(nested.value(QStringLiteral("empty text")).typeId(), QMetaType::QString);
        EXPECT_EQ(nested.value(QStringLiteral("empty data")).typeId(), QMetaType::QByteArray);
        EXPECT_EQ(back.toMap().value(QStringLiteral("date")).typeId(), QMetaType::QDateTime);
    }
}

TEST(PropertyList, QtScalarTypesAreWrittenAsTheirPropertyListKind)
{
    QVariantMap map;
    map.insert(QStringLiteral("int"), int(-7));
    map.insert(QStringLiteral("uint"), 7u);
    map.insert(QStringLiteral("float"), 0.5f);
    map.insert(QStringLiteral("strings"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
    map.insert(QStringLiteral("day"), QDate(2024, 2, 29));
    const QVariantMap back = propertyListFromData(propertyListData(map, DNPropertyListFormat::Binary)).toMap();
    EXPECT_EQ(back.value(QStringLiteral("int")).toLongLong(), -7);
    EXPECT_EQ(back.value(QStringLiteral("uint")).toLongLong(), 7);
    EXPECT_EQ(back.value(QStringLiteral("float")).toDouble(), 0.5);
    EXPECT_EQ(back.value(QStringLiteral("strings")).toStringList(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(back.value(QStringLiteral("day")).toDateTime(), QDateTime(QDate(2024, 2, 29), QTime(0, 0), Qt::UTC));
}

TEST(PropertyList, ReadsAHandWrittenXmlList)
{
    const QByteArray xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>ArgvAssembler</key>
	<string>MP4_To_H264</string>
	<key>count</key>
	<integer>-5</integer>
	<key>ratio</key>
	<real>1.5</real>
	<key>enabled</key>
	<true/>
	<key>blob</key>
	<data>AAEC</data>
	<key>when</key>
	<date>2001-01-01T00:00:10Z</date>
	<key>items</key>
	<array><string>a</string><false/></array>
</dict>
</plist>
)";
    QString error;
    const QVariantMap map = propertyListFromData(xml, &error).toMap();
    ASSERT_FALSE(map.isEmpty()) << error.toStdString();
    EXPECT_EQ(map.value(QStringLiteral("ArgvAssembler")).toString(), QStringLiteral("MP4_To_H264"));
    EXPECT_EQ(map.value(QStringLiteral("count")).toLongLong(), -5);
    EXPECT_EQ(map.value(QStringLiteral("ratio")).toDouble(), 1.5);
    EXPECT_EQ(map.value(QStringLiteral("enabled")), QVariant(true));
    EXPECT_EQ(map.value(QStringLiteral("blob")).toByteArray(), QByteArray("\x00\x01\x02", 3));
    EXPECT_EQ(map.value(QStringLiteral("when")).toDateTime(),
              QDateTime(QDate(2001, 1, 1), QTime(0, 0, 10), Qt::UTC));
    EXPECT_EQ(map.value(QStringLiteral("items")).toList(), (QVariantList{QStringLiteral("a"), false}));
}

TEST(PropertyList, BinaryDatesKeepMilliseconds)
{
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(1700000000123LL, Qt::UTC);
    const QVariant back = propertyListFromData(propertyListData(QVariantList{when}, DNPropertyListFormat::Binary));
    EXPECT_EQ(back.toList().value(0).toDateTime(), when);
}

TEST(PropertyList, DatesAreWrittenAgainstThe2001ReferenceDate)
{
    QVariantMap map;
    map.insert(QStringLiteral("d"), QDateTime(QDate(2001, 1, 1), QTime(0, 0, 10), Qt::UTC));
    const QByteArray xml = propertyListData(map, DNPropertyListFormat::XML);
    EXPECT_TRUE(xml.contains("<date>2001-01-01T00:00:10Z</date>")) << xml.toStdString();
}

TEST(PropertyList, DamagedDataIsRejectedWithAMessage)
{
    const QByteArray binary = propertyListData(sampleTree(), DNPropertyListFormat::Binary);
    QByteArray nulInKey = propertyListData(QVariantMap{{QStringLiteral("abc"), QStringLiteral("x")}},
                                           DNPropertyListFormat::Binary);
    nulInKey[nulInKey.indexOf("abc", 8) + 1] = '\0';
    const struct { const char *name; QByteArray data; } cases[] = {
        {"NUL inside a key", nulInKey},
        {"empty", QByteArray()},
        {"garbage", QByteArray("this is not a property list")},
        {"bare magic", QByteArray("bplist00")},
        {"truncated binary", binary.left(binary.size() / 2)},
        {"binary without trailer", binary.left(binary.size() - 10)},
        {"unclosed xml", QByteArray("<?xml version=\"1.0\"?><plist><dict><key>a</key>")},
        {"NUL entity in an xml key",
         QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>a&#0;b</key><string>x</string></dict></plist>")},
    };
    for (const auto &c : cases) {
        QString error;
        const QVariant value = propertyListFromData(c.data, &error);
        EXPECT_FALSE(value.isValid()) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
}

TEST(PropertyList, CorruptedBytesNeverCrashTheReader)
{
    const QByteArray binary = propertyListData(sampleTree(), DNPropertyListFormat::Binary);
    // Every byte set to a hostile value in turn (a NUL inside a key text used to abort the
    // process inside libplist).
    for (qsizetype i = 8; i < binary.size(); ++i) {
        for (const char value : {'\x00', '\x7f', '\xff'}) {
            QByteArray damaged = binary;
            damaged[i] = value;
            propertyListFromData(damaged); // must return, whatever it returns
        }
    }
    const QByteArray xml = propertyListData(sampleTree(), DNPropertyListFormat::XML);
    for (qsizetype i = 0; i < xml.size(); ++i) {
        for (const char value : {'\x00', '<', '&'}) {
            QByteArray damaged = xml;
            damaged[i] = value;
            propertyListFromData(damaged);
        }
    }
    SUCCEED();
}

TEST(PropertyList, ValuesWithoutAPropertyListFormFailTheWholeWrite)
{
    const struct { const char *name; QVariant value; } cases[] = {
        {"null", QVariant()},
        {"null inside a dict", QVariantMap{{QStringLiteral("a"), QVariant()}}},
        {"unsupported inside a list", QVariantList{QStringLiteral("ok"), QVariant::fromValue(QPoint(1, 2))}},
        {"invalid date", QDateTime()},
    };
    for (const auto &c : cases) {
        for (const auto format : kFormats) {
            QString error;
            EXPECT_TRUE(propertyListData(c.value, format, &error).isEmpty()) << c.name;
            EXPECT_FALSE(error.isEmpty()) << c.name;
        }
    }
}

TEST(PropertyList, FilesAreWrittenAndReadBackAndAFailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("profile.plist"));
    const QVariantMap tree = sampleTree();
    for (const auto format : kFormats) {
        QString error;
        ASSERT_TRUE(writePropertyList(tree, path, format, &error)) << error.toStdString();
        expectSameMap(readPropertyList(path, &error).toMap(), tree, formatName(format));
    }

    QString error;
    EXPECT_FALSE(writePropertyList(QVariant(), path, DNPropertyListFormat::XML, &error));
    EXPECT_EQ(readPropertyList(path).toMap(), tree) << "a failed write replaced the file";

    EXPECT_FALSE(writePropertyList(tree, dir.filePath(QStringLiteral("missing/x.plist")),
                                   DNPropertyListFormat::XML, &error));
    EXPECT_FALSE(readPropertyList(dir.filePath(QStringLiteral("none.plist")), &error).isValid());
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
