// Matroska carries the chosen subtitle as a text stream of its own: a stream of the source, or a
// side-car file in any character set, which reads back as the same UTF-8 text; a trim cuts the
// movie and the side-car alike; no subtitle chosen leaves none in the file.

#include "FileRoadTestSupport.h"

#include "support/process.h"

#include <QRegularExpression>

using namespace fileroadtest;

namespace {

const QString kFirstCue = QStringLiteral("Grüße 你好 – Talvane");

class MatroskaSubtitles : public FileRoadTest
{
protected:
    // The first subtitle stream of output as SRT text.
    QString subtitleText(const QString &output)
    {
        const QString srt = out.filePath(QStringLiteral("read-back.srt"));
        const auto run = testsupport::runProcess(
            QStringLiteral("ffmpeg"), {"-nostdin", "-v", "error", "-y", "-i", output, "-map", "0:s:0", "-f", "srt", srt});
        EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
        const QString text = readText(srt);
        QFile::remove(srt);
        return text;
    }
};

} // namespace

TEST_F(MatroskaSubtitles, TheChosenSubtitleReadsBackAsItsText)
{
    struct Row { const char *name; const char *source; const char *sideCar; const char *profile; };
    const Row rows[] = {
        {"inner text stream", "fileroad/subtitle.mkv", "", "Video_MKV.plist"},
        {"UTF-8 file", "fileroad/sidecar/movie.mp4", "movie.srt", "Video_MKV.plist"},
        {"UTF-16 file", "fileroad/sidecar/movie.mp4", "movie.utf16.srt", "Video_MKV.plist"},
        {"GB18030 file", "fileroad/sidecar/movie.mp4", "movie.gb18030.srt", "Video_MKV.plist"},
        {"GB18030 file in HD", "fileroad/sidecar/movie.mp4", "movie.gb18030.srt", "Video_HD_MKV.plist"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString output = convertWith(
            row.source,
            [&](DNFileNode &item) {
                const int index = subtitleIndexOf(item, row.sideCar);
                ASSERT_GE(index, 0);
                item.setting()->setSubtitleIndex(index);
            },
            row.profile);
        ASSERT_FALSE(output.isEmpty()) << readText(logFile).right(3000).toStdString();
        const QJsonObject probe = testsupport::ffprobe(output);
        EXPECT_EQ(codecsOf(probe, QStringLiteral("subtitle")), QStringList{QStringLiteral("subrip")});
        const QString text = subtitleText(output);
        EXPECT_TRUE(text.contains(kFirstCue)) << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String("Ende"))) << text.toStdString();
        EXPECT_NEAR(durationOf(probe), 3.0, 0.5);
    }
}

TEST_F(MatroskaSubtitles, ATrimCutsTheMovieAndTheSideCarAlike)
{
    const QString output = convertWith(
        "fileroad/sidecar/movie.mp4",
        [&](DNFileNode &item) {
            item.setting()->setSubtitleIndex(subtitleIndexOf(item, "movie.utf16.srt"));
            item.setEnableTrimming(true);
            item.setTrimStartTime(1);
            item.setTrimEndTime(3);
        },
        "Video_MKV.plist");
    ASSERT_FALSE(output.isEmpty()) << readText(logFile).right(3000).toStdString();
    EXPECT_NEAR(durationOf(testsupport::ffprobe(output)), 2.0, 0.5);
    // "Ende" starts at 2.8 s of the source, so 1.8 s into the cut.
    const QString text = subtitleText(output);
    const QRegularExpressionMatch cue =
        QRegularExpression(QStringLiteral("00:00:(\\d\\d),(\\d\\d\\d) --> [^\\n]*\\nEnde")).match(text);
    ASSERT_TRUE(cue.hasMatch()) << text.toStdString();
    EXPECT_NEAR(cue.captured(1).toDouble() + cue.captured(2).toDouble() / 1000.0, 1.8, 0.1);
}

TEST_F(MatroskaSubtitles, NoSubtitleChosenLeavesNoneInTheFile)
{
    const QString output = convertWith(
        "fileroad/subtitle.mkv", [](DNFileNode &item) { item.setting()->setSubtitleIndex(-1); }, "Video_MKV.plist");
    ASSERT_FALSE(output.isEmpty());
    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_TRUE(codecsOf(probe, QStringLiteral("subtitle")).isEmpty());
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("h264")});
}
