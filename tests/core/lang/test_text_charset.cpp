#include "core/lang/TextCharset.h"
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DetectTextFileCharset, NamesTheCharsetOfSubtitleFiles)
{
    const struct
    {
        const char *file;
        const char *charset;
    } cases[] = {
        {"media/subtitled/movie.srt", "UTF-8"},
        {"media/subtitled/movie.zh.srt", "GB18030"},
        {"media/subtitled/movie.fr.srt", "WINDOWS-1252"},
    };
    for (const auto &c : cases) {
        const QString path = testsupport::fixturePath(QString::fromLatin1(c.file));
        ASSERT_TRUE(QFile::exists(path)) << c.file;
        EXPECT_EQ(detectTextFileCharset(path).toUpper(), QString::fromLatin1(c.charset)) << c.file;
    }
}

TEST(DetectTextFileCharset, NothingForMissingEmptyOrUnreadableFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString empty = dir.filePath(QStringLiteral("empty.srt"));
    QFile file(empty);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_TRUE(detectTextFileCharset(empty).isNull());
    EXPECT_TRUE(detectTextFileCharset(dir.filePath(QStringLiteral("missing.srt"))).isNull());
    EXPECT_TRUE(detectTextFileCharset(dir.path()).isNull()); // a folder: opens, but reads nothing
    EXPECT_TRUE(detectTextFileCharset(QString()).isNull());
}

// A file whose name has non-ASCII letters is opened by its encoded file-system path.
TEST(DetectTextFileCharset, ReadsFilesWithNonAsciiNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Untertitel – grüße.srt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\n00:00:00,500 --> 00:00:01,500\nGr\xc3\xbc\xc3\x9f" "e aus K\xc3\xb6ln, \xc3\xa9t\xc3\xa9\n\n");
    file.close();
    EXPECT_EQ(detectTextFileCharset(path).toUpper(), QStringLiteral("UTF-8"));
}

} // namespace
