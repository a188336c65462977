// Reading written files to their end: a file cut short is found short from its packets, whatever
// its header still claims.

#include "convert/engine/OutputReading.h"

#include "support/fixturecopy.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A copy of a fixture cut to the given share of its bytes, as a full disk leaves a file.
QString cutCopy(const QString &fixture, const QString &folder, double share)
{
    const QString copy = testsupport::copyFixture(fixture, folder);
    QFile file(copy);
    if (copy.isEmpty() || !file.open(QIODevice::ReadWrite) || !file.resize(qint64(file.size() * share)))
        return QString();
    return copy;
}

std::string problemOf(const QString &path, OutputExpectation expected)
{
    return wholeOutputProblem(readOutputToEnd(QFile::encodeName(path).toStdString()), expected);
}

} // namespace

TEST(OutputReading, WholeFilesReadToTheirLength)
{
    QTemporaryDir dir;
    for (const char *fixture : {"media/clip.avi", "media/clip.mp4", "media/clip.mpg", "media/clip.mkv"}) {
        SCOPED_TRACE(fixture);
        const QString copy = testsupport::copyFixture(QString::fromLatin1(fixture), dir.path());
        const OutputReading reading = readOutputToEnd(QFile::encodeName(copy).toStdString());
        ASSERT_TRUE(reading.readable) << reading.why;
        EXPECT_GT(reading.videoPackets, 50);
        EXPECT_GT(reading.audioPackets, 50);
        EXPECT_NEAR(reading.videoSeconds, 4.0, 0.2);
        EXPECT_NEAR(reading.audioSeconds, 4.0, 0.2);
        EXPECT_EQ(wholeOutputProblem(reading, {4.0, true, true}), "");
    }
    const QString audio = testsupport::copyFixture(QStringLiteral("media/audio.mp3"), dir.path());
    EXPECT_EQ(problemOf(audio, {3.0, false, true}), "");
    EXPECT_EQ(problemOf(audio, {3.0, true, true}), "the output holds no video");
}

// Files cut short are found short from their packets. (An engine that fills the disk may still
// write its whole length into the header afterwards; the driver's full-disk test shows that case.)
TEST(OutputReading, CutFilesAreFoundShort)
{
    QTemporaryDir dir;
    const QString avi = cutCopy(QStringLiteral("media/clip.avi"), dir.path(), 0.4);
    ASSERT_FALSE(avi.isEmpty());
    const OutputReading reading = readOutputToEnd(QFile::encodeName(avi).toStdString());
    ASSERT_TRUE(reading.readable) << reading.why;
    EXPECT_LT(reading.videoSeconds, 2.5);
    EXPECT_NE(wholeOutputProblem(reading, {4.0, true, true}).find("ends at"), std::string::npos);

    for (const char *fixture : {"media/clip.mp4", "media/clip.mpg", "media/clip.mkv"}) {
        SCOPED_TRACE(fixture);
        QTemporaryDir own;
        const QString cut = cutCopy(QString::fromLatin1(fixture), own.path(), 0.5);
        ASSERT_FALSE(cut.isEmpty());
        EXPECT_NE(problemOf(cut, {4.0, true, true}), "");
    }
}

TEST(OutputReading, LengthsWithinWhatEncodersLoseAtTheEndsPass)
{
    QTemporaryDir dir;
    const QString mpg = testsupport::copyFixture(QStringLiteral("media/clip.mpg"), dir.path());
    EXPECT_EQ(problemOf(mpg, {5.0, true, true}), "");    // 1 s short of 5: frames and blocks at the ends
    EXPECT_NE(problemOf(mpg, {6.0, true, true}), "");    // 2 s short is a cut
    EXPECT_EQ(problemOf(mpg, {0.0, true, true}), "");    // an unknown length only asks for a readable file
    EXPECT_DOUBLE_EQ(allowedShortfallSeconds(10), 1.5);
    EXPECT_DOUBLE_EQ(allowedShortfallSeconds(3600), 72);
}

TEST(OutputReading, MissingEmptyAndForeignFilesAreNotWhole)
{
    QTemporaryDir dir;
    EXPECT_NE(problemOf(dir.filePath("none.mp4"), {}).find("no output"), std::string::npos);
    QFile empty(dir.filePath("empty.mp4"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_NE(problemOf(empty.fileName(), {}).find("empty"), std::string::npos);
    QFile text(dir.filePath("text.avi"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'x'));
    text.close();
    EXPECT_NE(problemOf(text.fileName(), {}), "");
}
