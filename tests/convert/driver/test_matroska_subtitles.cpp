// Matroska carries the chosen subtitle as a text stream of its own: a stream of the source (MP4
// and QuickTime timed text converted to SubRip, Matroska's own kinds as they are), or a side-car
// file in any character set, which reads back as the same UTF-8 text; a trim cuts the movie and
// the side-car alike, a cue across the trim's start included; a subtitle Matroska cannot hold
// fails the pass and leaves no file; no subtitle chosen leaves none in the file.

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
    struct Row { const char *name; const char *source; const char *sideCar; const char *profile; const char *codec; };
    const Row rows[] = {
        {"inner text stream", "fileroad/subtitle.mkv", "", "Video_MKV.plist", "subrip"},
        {"ASS stream", "fileroad/ass.mkv", "", "Video_MKV.plist", "ass"},
        {"WebVTT stream", "fileroad/webvtt.mkv", "", "Video_MKV.plist", "webvtt"},
        {"MP4 timed text", "fileroad/timedtext.mp4", "", "Video_MKV.plist", "subrip"},
        {"MP4 timed text in HD", "fileroad/timedtext.mp4", "", "Video_HD_MKV.plist", "subrip"},
        {"QuickTime timed text", "fileroad/timedtext.mov", "", "Video_MKV.plist", "subrip"},
        {"QuickTime timed text in HD", "fileroad/timedtext.mov", "", "Video_HD_MKV.plist", "subrip"},
        {"UTF-8 file", "fileroad/sidecar/movie.mp4", "movie.srt", "Video_MKV.plist", "subrip"},
        {"UTF-16 file", "fileroad/sidecar/movie.mp4", "movie.utf16.srt", "Video_MKV.plist", "subrip"},
        {"GB18030 file", "fileroad/sidecar/movie.mp4", "movie.gb18030.srt", "Video_MKV.plist", "subrip"},
        {"GB18030 file in HD", "fileroad/sidecar/movie.mp4", "movie.gb18030.srt", "Video_HD_MKV.plist", "subrip"},
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
        EXPECT_EQ(codecsOf(probe, QStringLiteral("subtitle")), QStringList{QString::fromLatin1(row.codec)});
        EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("h264")});
        const QString text = subtitleText(output);
        EXPECT_TRUE(text.contains(kFirstCue)) << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String("Ende"))) << text.toStdString();
        EXPECT_NEAR(durationOf(probe), 3.3, 0.5);
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
    // "Ende" starts at 2.8 s of the source, so 1.8 s into the cut; the first cue, shown from 0.2 s
    // to 2.8 s, is still showing at the cut's start and stays, from 0 to 1.8 s.
    const QString text = subtitleText(output);
    const auto cueTimes = [&](const QString &cueText) {
        const QRegularExpressionMatch cue =
            QRegularExpression(QStringLiteral("(\\d\\d):(\\d\\d),(\\d\\d\\d) --> 00:00:(\\d\\d),(\\d\\d\\d)\\n")
                               + QRegularExpression::escape(cueText))
                .match(text);
        EXPECT_TRUE(cue.hasMatch()) << cueText.toStdString() << " in " << text.toStdString();
        return std::pair{cue.captured(2).toDouble() + cue.captured(3).toDouble() / 1000.0,
                         cue.captured(4).toDouble() + cue.captured(5).toDouble() / 1000.0};
    };
    EXPECT_NEAR(cueTimes(QStringLiteral("Ende")).first, 1.8, 0.1);
    const auto [start, end] = cueTimes(kFirstCue);
    EXPECT_NEAR(start, 0.0, 0.1);
    EXPECT_NEAR(end, 1.8, 0.1);
}

TEST_F(MatroskaSubtitles, ASubtitleMatroskaCannotHoldFailsThePassAndLeavesNoFile)
{
    for (const char *profile : {"Video_MKV.plist", "Video_HD_MKV.plist"}) {
        SCOPED_TRACE(profile);
        DNFileNodePtr item = loadFile(QStringLiteral("fileroad/xsub.avi"), QString::fromLatin1(profile));
        ASSERT_TRUE(item);
        ASSERT_EQ(item->subtitleTracks().size(), 1);
        item->setting()->setSubtitleIndex(0);
        EXPECT_NE(convert(item.get()), 0);
        EXPECT_TRUE(filesIn(out.path()).isEmpty()) << filesIn(out.path()).join(' ').toStdString();
        // The engine's own reason is in the log.
        EXPECT_TRUE(readText(logFile).contains(QLatin1String("is not supported"))) << readText(logFile).right(3000).toStdString();
    }
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
