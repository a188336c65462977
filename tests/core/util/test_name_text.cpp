#include "core/util/DNNameText.h"
#include "core/util/DNPaths.h"
#include "core/util/DNPrintableText.h"

#include "support/rawnames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::lossyReading;
using testsupport::makeRawFolder;

// Control characters come out as escapes; text and backslashes stay as they are.
TEST(DNPrintableText, EscapesWhatWouldBreakALine)
{
    const struct
    {
        QString text;
        QString printed;
    } cases[] = {
        {QStringLiteral("plain Überraschung ディスク"), QStringLiteral("plain Überraschung ディスク")},
        {QStringLiteral("a\nb\rc\td"), QStringLiteral("a\\nb\\rc\\td")},
        {QStringLiteral("\x1b[1m\x7f\u0085"), QStringLiteral("\\x1b[1m\\x7f\\x85")},
        {QStringLiteral("line\u2028para\u2029"), QStringLiteral("line\\u2028para\\u2029")},
        {QStringLiteral("C:\\dir\\n"), QStringLiteral("C:\\dir\\n")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DNPrintableText(c.text), c.printed) << c.text.toStdString();
}

// A name as the system gives it: stray bytes show as "\xHH", whole characters as themselves.
TEST(DNPrintableText, BytesThatAreNotUTF8ShowAsTheirValues)
{
    const struct
    {
        QByteArray bytes;
        QString printed;
    } cases[] = {
        {"\xff\xfe", QStringLiteral("\\xff\\xfe")},
        {"caf\xc3\xa9", QStringLiteral("café")},
        {"caf\xe9.mkv", QStringLiteral("caf\\xe9.mkv")},    // Latin-1
        {"cut \xe3\x83", QStringLiteral("cut \\xe3\\x83")}, // a character cut short
        {"\xc0\xaf", QStringLiteral("\\xc0\\xaf")},         // an overlong "/"
        {"\xed\xa0\x80", QStringLiteral("\\xed\\xa0\\x80")}, // a surrogate
        {"a\nb", QStringLiteral("a\\nb")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DNPrintableBytes(c.bytes), c.printed) << c.bytes.toHex().toStdString();
}

// A path given as bytes (a command line's argument) names its first name that is not text and
// the folder that holds it, whether or not it exists.
TEST(DNNameNotText, FoundInTheBytesOfAPath)
{
    const DNNameNotText deep = DNNameNotTextInBytes("/tmp/ok/\xff\xfe/inner\xe9/x");
    EXPECT_EQ(deep.name, QStringLiteral("\\xff\\xfe"));
    EXPECT_EQ(deep.folder, QStringLiteral("/tmp/ok"));
    const DNNameNotText relative = DNNameNotTextInBytes("\xe9t\xe9.mp4");
    EXPECT_EQ(relative.name, QStringLiteral("\\xe9t\\xe9.mp4"));
    EXPECT_EQ(relative.folder, QDir::currentPath());
    EXPECT_TRUE(DNNameNotTextInBytes("/tmp/caf\xc3\xa9/\xef\xbf\xbd.mp4").isEmpty());
}

// A path read from the system with U+FFFD for its stray bytes (an open panel's, a drop's) is
// told on disk from a name that really holds U+FFFD, and from a path that is not there.
TEST(DNNameNotText, FoundOnDiskBehindALossyReading)
{
    testsupport::RawNameFolder tmp;
    ASSERT_TRUE(makeRawFolder(tmp.bytesOf("\xff\xfe")));
    ASSERT_TRUE(makeRawFolder(tmp.bytesOf("\xff\xfe/VIDEO_TS")));
    ASSERT_TRUE(makeRawFolder(tmp.bytesOf("\xef\xbf\xbd"))); // a name that is text: U+FFFD itself

    const QString lossy = lossyReading(tmp.bytesOf("\xff\xfe/VIDEO_TS"));
    ASSERT_EQ(lossy, tmp.path() + QStringLiteral("/\uFFFD\uFFFD/VIDEO_TS"));
    const DNNameNotText found = DNNameNotTextOnDisk(lossy);
    EXPECT_EQ(found.name, QStringLiteral("\\xff\\xfe"));
    EXPECT_EQ(found.folder, tmp.path());
    EXPECT_TRUE(DNIsFolderOnDisk(lossy));
    EXPECT_FALSE(DNIsFolderOnDisk(lossy + QStringLiteral("/missing")));

    EXPECT_TRUE(DNNameNotTextOnDisk(tmp.path() + QStringLiteral("/\uFFFD")).isEmpty());
    EXPECT_TRUE(DNNameNotTextOnDisk(tmp.path() + QStringLiteral("/\uFFFD\uFFFD\uFFFD")).isEmpty());
    EXPECT_TRUE(DNNameNotTextOnDisk(tmp.path()).isEmpty());
}

// A name built from a user's name for a folder stays within its file system's NAME_MAX, cut at a
// character boundary, keeping what comes before and after the user's name whole.
TEST(DNFitFileName, CutsTheUsersNameAtACharacterBoundary)
{
    QTemporaryDir tmp;
    const QString name = QString(120, QChar(0x30c7)); // 3 bytes each: 360 bytes
    const QString fitted = DNFitFileName(tmp.path(), QStringLiteral("."), name, QStringLiteral(".4242.part"));
    EXPECT_LE(fitted.toUtf8().size(), 255);
    EXPECT_GE(fitted.toUtf8().size(), 253);
    EXPECT_TRUE(fitted.startsWith(QStringLiteral(".\u30c7")));
    EXPECT_TRUE(fitted.endsWith(QStringLiteral("\u30c7.4242.part")));
    EXPECT_FALSE(fitted.contains(QChar::ReplacementCharacter));
    EXPECT_LE(DNFitFileName(tmp.path(), QStringLiteral("."), name, QStringLiteral(".x"), 16).toUtf8().size(), 255 - 16);
    EXPECT_EQ(DNFitFileName(tmp.path(), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral(".x")), QStringLiteral("ab.x"));
    EXPECT_TRUE(DNFitFileName(tmp.path(), QString(200, QLatin1Char('h')), name, QString(60, QLatin1Char('t'))).isEmpty());
}
