// Reading written files to their end: a file cut short is found short from its packets, whatever
// its header still claims.

#include "convert/engine/OutputReading.h"

#include "support/fixturecopy.h"
#include "support/process.h"

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

// The margin is a fixed second, whatever the length: a long output that lost more is not whole.
TEST(OutputReading, LengthsWithinAFixedMarginPass)
{
    QTemporaryDir dir;
    const QString mpg = testsupport::copyFixture(QStringLiteral("media/clip.mpg"), dir.path());   // 4 s
    EXPECT_EQ(problemOf(mpg, {4.8, true, true}), "");    // short by less than the margin: frames and blocks at the ends
    const std::string cut = problemOf(mpg, {5.5, true, true});
    EXPECT_NE(cut.find("s are missing"), std::string::npos) << cut;
    EXPECT_EQ(problemOf(mpg, {0.0, true, true}), "");    // an unknown length only asks for a readable file

    // A source whose audio ends 2 s before its picture: its output's audio is asked for the
    // audio's own length only.
    const QString shortAudio = dir.filePath(QStringLiteral("short_audio.mkv"));
    const auto made = testsupport::runProcess(QStringLiteral("ffmpeg"),
                                              {"-v", "error", "-y", "-f", "lavfi", "-t", "4", "-i", "testsrc2=size=160x120:rate=25",
                                               "-f", "lavfi", "-t", "2", "-i", "sine=frequency=440:sample_rate=48000", shortAudio});
    ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
    EXPECT_NE(problemOf(shortAudio, {4.0, true, true}).find("its audio ends at"), std::string::npos);
    EXPECT_EQ(problemOf(shortAudio, {4.0, true, true, false, 2.5}), "");
    EXPECT_NE(problemOf(shortAudio, {4.0, true, true, false, 3.5}), "");

    // Longer than asked: a fault only for the output of a DVD title.
    EXPECT_EQ(problemOf(mpg, {2.5, true, true}), "");
    const std::string tooLong = problemOf(mpg, {2.5, true, true, true});
    EXPECT_NE(tooLong.find("the output is longer than its title: the disc's data is damaged"), std::string::npos) << tooLong;
    EXPECT_EQ(problemOf(mpg, {3.5, true, true, true}), "");
}

// A title's output with the disc's subtitle stream: a subtitle that starts before the end may
// finish its showing after it (a trimmed title cut in the middle of a line), one that starts
// after the end, or stays for longer than any line is shown, is the damage of a longer output.
TEST(OutputReading, ASubtitleStartedBeforeTheEndMayFinishItsShowing)
{
    QTemporaryDir dir;
    const struct
    {
        const char *name;
        const char *cue;   // the subtitle's times
        bool whole;
    } rows[] = {
        {"within", "00:00:00,500 --> 00:00:01,500", true},
        {"across the end", "00:00:01,000 --> 00:00:04,000", true},
        {"after the end", "00:00:03,500 --> 00:00:04,500", false},
        {"far past the end", "00:00:01,000 --> 00:01:00,000", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString srt = dir.filePath(QStringLiteral("cue.srt"));
        QFile cue(srt);
        ASSERT_TRUE(cue.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cue.write(QByteArray("1\n") + row.cue + "\nA line\n\n");
        cue.close();
        const QString mkv = dir.filePath(QStringLiteral("%1.mkv").arg(QLatin1String(row.name)));
        const auto made = testsupport::runProcess(
            QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-t", "2", "-i", "testsrc2=size=160x120:rate=25", "-f",
                                       "lavfi", "-t", "2", "-i", "sine=frequency=440:sample_rate=48000", "-i", srt, "-map", "0",
                                       "-map", "1", "-map", "2", "-c:s", "srt", mkv});
        ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
        const std::string problem = problemOf(mkv, {2.0, true, true, true});
        EXPECT_EQ(problem.empty(), row.whole) << problem;
    }
}

// Timestamps that leap 100 s after the first second: a title's output of 2 s whose container
// keeps one time line has been led past its end; in MPEG program streams, whose timestamps may
// start again, the runs are added up and the output holds its 2 s.
TEST(OutputReading, TimestampJumpsFailATitlesOutputUnlessTheContainerRestartsThem)
{
    QTemporaryDir dir;
    struct Row
    {
        const char *extension;
        bool restarts;
    } rows[] = {{"mkv", false}, {"mp4", false}, {"mpg", true}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.extension);
        const QString path = dir.filePath(QStringLiteral("jump.") + QLatin1String(row.extension));
        const auto made = testsupport::runProcess(
            QStringLiteral("ffmpeg"),
            {"-v", "error", "-y", "-f", "lavfi", "-t", "2", "-i", "testsrc2=size=160x120:rate=25", "-f", "lavfi", "-t", "2", "-i",
             "sine=frequency=440:sample_rate=48000", "-vf", "setpts='if(gte(N,25),PTS+100/TB,PTS)'", "-af",
             "asetpts='if(gte(T,1),PTS+100/TB,PTS)'", "-fps_mode", "passthrough", path});
        ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
        const OutputReading reading = readOutputToEnd(QFile::encodeName(path).toStdString());
        ASSERT_TRUE(reading.readable) << reading.why;
        EXPECT_TRUE(reading.videoJump.found());
        EXPECT_NEAR(reading.videoJump.to - reading.videoJump.from, 100.0, 0.3);
        EXPECT_EQ(reading.timestampsMayRestart, row.restarts);
        const std::string problem = wholeOutputProblem(reading, {2.0, true, true, true});
        if (row.restarts) {
            EXPECT_NEAR(reading.videoPlayedSeconds, 2.0, 0.2);
            EXPECT_EQ(problem, "");
        } else {
            EXPECT_NE(problem.find("the output is longer than its title: the disc's data is damaged (its video timestamps "
                                   "jump from "),
                      std::string::npos)
                << problem;
            EXPECT_EQ(wholeOutputProblem(reading, {2.0, true, true}), "");   // a file's output may hold a gap
            // A title that long: its picture may stand still for a while.
            EXPECT_EQ(wholeOutputProblem(reading, {reading.videoSeconds, true, true, true}), "");
        }
    }
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
