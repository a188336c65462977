// The functions every file builder shares besides the picture filters: the output path, the
// subtitle copy, the stream marks, the volume filter and the join of a group.

#include "AVBuilderTestSupport.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "builders/avencoder/SubtitleCueStart.h"

#include "support/capture.h"

#include <QFile>
#include <QTemporaryDir>

using namespace avbuildertest;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(AVOutputPath, KeepsTheNamesContainerAndCountsUpWhenTaken)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    const QString source = QStringLiteral("/media/Trip.day1.mp4");
    struct Row { const char *name; const char *suffix; QString source; const char *expected; };
    const Row rows[] = {
        {"clip.avi", "mp4", {}, "clip.mp4"},
        {"clip.M4V", "mp4", {}, "clip.m4v"},
        {"clip.MP4", "mp4", {}, "clip.MP4"},
        {"clip.MP4", "m4v", {}, "clip.mp4"},
        {"clip", "mov", {}, "clip.mov"},
        // Only the name's own extension goes: the rest of a dotted name stays.
        {"Trip.day1.mp4", "mp4", source, "Trip.day1.mp4"},
        {"Trip.day1.mp4", "mkv", source, "Trip.day1.mkv"},
        {"Trip.day1.mkv", "mp4", source, "Trip.day1.mp4"},
        // A name with nothing of its own (a cleared or dotted name field) takes the source's.
        {"", "mp4", source, "Trip.day1.mp4"},
        {".", "mp4", source, "Trip.day1.mp4"},
        {".mp4", "mp4", source, "Trip.day1.mp4"},
        {"..mp4", "mp4", source, "Trip.day1.mp4"},
        {" ", "avi", source, "Trip.day1.avi"},
        {"", "mp4", {}, "Untitled.mp4"},
        {".", "mp4", {}, "Untitled.mp4"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(makeAVOutputPath(d, QString::fromUtf8(row.name), QString::fromLatin1(row.suffix), row.source),
                  d + QLatin1Char('/') + QString::fromLatin1(row.expected)) << '"' << row.name << "\" " << row.suffix;
    EXPECT_EQ(makeAVOutputPath(d, QString(), QStringLiteral("mp4")), d + QStringLiteral("/Untitled.mp4"));
    EXPECT_TRUE(makeAVOutputPath(QString(), QStringLiteral("clip"), QStringLiteral("mp4")).startsWith(QDir::homePath()));

    QFile(d + QStringLiteral("/clip.mp4")).open(QIODevice::WriteOnly);
    EXPECT_EQ(makeAVOutputPath(d, QStringLiteral("clip.avi"), QStringLiteral("mp4")), d + QStringLiteral("/clip (1).mp4"));
    QFile(d + QStringLiteral("/clip (1).mp4")).open(QIODevice::WriteOnly);
    EXPECT_EQ(makeAVOutputPath(d, QStringLiteral("clip.avi"), QStringLiteral("mp4")), d + QStringLiteral("/clip (2).mp4"));
}

TEST(SubtitleCopy, ReencodesWhatTheFilterCannotReadAndCopiesTheRest)
{
    QTemporaryDir dir;
    const QString text = QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\nGrüße 你好\n");
    const QString utf16 = dir.filePath(QStringLiteral("a.srt"));
    QByteArray bytes("\xff\xfe", 2);
    bytes += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    writeBytes(utf16, bytes);

    QString charset = QStringLiteral("utf-16");
    const QString copy = ConvertSRTToUTF8(utf16, charset);
    ASSERT_FALSE(copy.isNull());
    EXPECT_TRUE(copy.endsWith(QLatin1String(".srt")));
    EXPECT_TRUE(QFileInfo(copy).fileName().startsWith(QLatin1String("qvsub")));
    EXPECT_EQ(readAll(copy), text.toUtf8());
    EXPECT_EQ(charset, QStringLiteral("UTF-8"));

    // Another charset is the filter's to read: the bytes are copied, the name stays.
    const QString gb = dir.filePath(QStringLiteral("b.srt"));
    writeBytes(gb, QByteArray("\xc4\xe3\xba\xc3\n"));
    charset = QStringLiteral("GB2312");
    const QString gbCopy = ConvertSRTToUTF8(gb, charset);
    EXPECT_EQ(readAll(gbCopy), readAll(gb));
    EXPECT_EQ(charset, QStringLiteral("GB2312"));
    EXPECT_EQ(GenExtSubtitleFilter(gb, QStringLiteral("GB2312")).section(QLatin1Char(':'), -1),
              QStringLiteral("charenc=GB2312"));
    EXPECT_TRUE(GenExtSubtitleFilter(utf16, QStringLiteral("UTF-16")).startsWith(QLatin1String("[VA]subtitles=filename=")));
    EXPECT_FALSE(GenExtSubtitleFilter(utf16, QStringLiteral("UTF-16")).contains(QLatin1String("charenc")));
}

TEST(SubtitleCopy, ABig5FileThatIsNoBig5FailsWithItsMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.srt"));
    writeBytes(path, QByteArray("\x81\x30\xff\xff", 4));
    QString charset = QStringLiteral("Big5");
    testsupport::StandardErrorCapture capture;
    EXPECT_TRUE(ConvertSRTToUTF8(path, charset).isNull());
    EXPECT_TRUE(capture.text().startsWith(QLatin1String("can not read srt subtitle file")));
    EXPECT_EQ(charset, QStringLiteral("Big5"));
    EXPECT_TRUE(GenExtSubtitleFilter(path, QStringLiteral("Big5")).isNull());
}

// A cue still showing at a trim's start (5 s) is made to begin there; those before and after
// stay as they are, for the engine to drop or shift.
TEST(SubtitleCueStart, CuesShowingAtTheStartBeginThere)
{
    QTemporaryDir dir;
    struct Row { const char *file; QByteArray text; QByteArray cut; };
    const Row rows[] = {
        {"a.srt", "1\n00:00:01,000 --> 00:00:02,000\nBefore\n\n2\n00:00:04,500 --> 00:00:06,250\nAcross\n\n"
                  "3\n00:00:07,000 --> 00:00:08,000\nAfter\n",
         "1\n00:00:01,000 --> 00:00:02,000\nBefore\n\n2\n00:00:05,000 --> 00:00:06,250\nAcross\n\n"
         "3\n00:00:07,000 --> 00:00:08,000\nAfter\n"},
        {"b.srt", "1\r\n00:00:00,000 --> 00:01:00,000\r\nLong\r\n", "1\r\n00:00:05,000 --> 00:01:00,000\r\nLong\r\n"},
        {"c.vtt", "WEBVTT\n\n00:04.000 --> 00:05.500\nAcross\n\n00:05.000 --> 00:06.000\nAt\n",
         "WEBVTT\n\n00:00:05.000 --> 00:05.500\nAcross\n\n00:05.000 --> 00:06.000\nAt\n"},
        {"d.ass", "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
                  "Dialogue: 0,0:00:03.50,0:00:09.00,Default,,0,0,0,,Across, with a comma\n"
                  "Dialogue: 0,0:00:01.00,0:00:04.99,Default,,0,0,0,,Before\n",
         "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
         "Dialogue: 0,0:00:05.00,0:00:09.00,Default,,0,0,0,,Across, with a comma\n"
         "Dialogue: 0,0:00:01.00,0:00:04.99,Default,,0,0,0,,Before\n"},
        // Formats without known timing lines are left alone.
        {"e.sub", "{100}{200}Micro\n", "{100}{200}Micro\n"},
    };
    for (const Row &row : rows) {
        const QString path = dir.filePath(QString::fromLatin1(row.file));
        writeBytes(path, row.text);
        EXPECT_TRUE(startCuesAt(path, 5)) << row.file;
        EXPECT_EQ(readAll(path), row.cut) << row.file;
    }
    EXPECT_FALSE(startCuesAt(dir.filePath(QStringLiteral("gone.srt")), 5));
}

TEST(StreamMarks, NameStreamsByIdOrPosition)
{
    DNFileNodePtr mp4 = makeItem({.audioTracks = 3});
    mp4->setting()->setAudioIndex(2);
    VideoConvertOptions options = MakeVideoConvertOptions();
    EXPECT_EQ(GenVideoStreamMark(*mp4, options, true), QStringLiteral("[0:#1]"));
    EXPECT_EQ(GenVideoStreamMark(*mp4, options, false), QStringLiteral("0:#1"));
    EXPECT_EQ(GenAudioStreamMark(*mp4, options, false), QStringLiteral("0:#4"));

    options.engineSafeMode = 1;
    EXPECT_EQ(GenVideoStreamMark(*mp4, options, true), QStringLiteral("[0:v:0]"));
    EXPECT_EQ(GenAudioStreamMark(*mp4, options, false), QStringLiteral("0:a:2"));

    for (const char *format : {"Matroska", "WebM", "MPEG-PS"}) {
        DNFileNodePtr item = makeItem({.format = QString::fromLatin1(format), .audioTracks = 3});
        item->setting()->setAudioIndex(2);
        EXPECT_EQ(GenAudioStreamMark(*item, MakeVideoConvertOptions(), false), QStringLiteral("0:a:2")) << format;
    }
    DNFileNodePtr unprobed = makeItem();
    unprobed->videoTracks().first()->vid = -1;
    EXPECT_EQ(GenVideoStreamMark(*unprobed, MakeVideoConvertOptions(), false), QStringLiteral("0:v:0"));
}

// An id names one stream only where every stream has its own: Flash video, DV and SWF give
// none (an id read as 0 for all would take video and audio at once), Ogg's are serial numbers
// the encoder does not know. A side-car subtitle has no id and is no stream of the file.
TEST(StreamMarks, IdsThatDoNotNameOneStreamGiveWayToPositions)
{
    const VideoConvertOptions options = MakeVideoConvertOptions();
    DNFileNodePtr flash = makeItem({.format = QStringLiteral("Flash Video")});
    flash->videoTracks().first()->vid = 0;
    flash->audioTracks().first()->aid = 0;
    EXPECT_EQ(GenVideoStreamMark(*flash, options, true), QStringLiteral("[0:v:0]"));
    EXPECT_EQ(GenAudioStreamMark(*flash, options, false), QStringLiteral("0:a:0"));
    flash->audioTracks().first()->aid = -1;
    EXPECT_EQ(GenVideoStreamMark(*flash, options, false), QStringLiteral("0:v:0"));

    DNFileNodePtr ogg = makeItem({.format = QStringLiteral("Ogg")});
    EXPECT_EQ(GenVideoStreamMark(*ogg, options, false), QStringLiteral("0:v:0"));

    DNFileNodePtr sideCar = makeItem();
    sideCar->subtitleTracks() << DNTExtSubtitle::extSubtitleTrack(QStringLiteral("/media/clip.srt"));
    EXPECT_EQ(GenVideoStreamMark(*sideCar, options, false), QStringLiteral("0:#1"));

    // A track the item does not have gives no mark (the pass then fails), not a crash.
    DNFileNodePtr silent = makeItem({.audioTracks = 0});
    silent->setting()->setAudioIndex(0);
    EXPECT_TRUE(GenAudioStreamMark(*silent, MakeVideoConvertOptions(), false).isNull());
    EXPECT_TRUE(GenSubtitleStreamMark(*silent, MakeVideoConvertOptions(), false).isNull());
}

TEST(VolumeFilter, KeepsTheFactorsFraction)
{
    DNFileNodePtr item = makeItem();
    struct Row { quint32 volume; const char *filter; };
    for (const Row &row : {Row{100, nullptr}, Row{0, "volume=0[audio]"}, Row{50, "volume=0.5[audio]"},
                           Row{40, "volume=0.4[audio]"}, Row{150, "volume=1.5[audio]"}, Row{200, "volume=2[audio]"}}) {
        item->setGeneralVolume(row.volume);
        EXPECT_EQ(GenVolumeFilter(*item, MakeVideoConvertOptions()), row.filter ? QString::fromLatin1(row.filter) : QString())
            << row.volume;
    }
}

TEST(GroupJoin, ListsMembersWithVideoAndCountsWholeSeconds)
{
    QTemporaryDir out;
    DNFileNodePtr a = makeItem({.duration = 10.6f});
    DNFileNodePtr b = makeItem({.duration = 20.7f});
    DNFileNodePtr c = makeItem({.duration = 30.2f});
    DNFileNodePtr audioOnly = makeItem();
    audioOnly->videoTracks().clear();
    a->setOutputName(out.filePath(QStringLiteral("Tom's part 1.mp4")));
    b->setOutputName(out.filePath(QStringLiteral("Grüße, «zwei».mp4")));
    c->setOutputName(out.filePath(QStringLiteral("three.mp4")));
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes({a, audioOnly, b, c});
    group->setProfile(videoProfile(QStringLiteral("Video_MP4_H264.plist")));
    group->nodeInfo()->setDisplayName(QStringLiteral(""));
    group->nodeInfo()->setOutputName(QStringLiteral("joined"));

    const ArgumentPtr argument(Video_Concat_With_AVEncoder(group.get(), -1, passOptions(out.path(), 2)));
    ASSERT_TRUE(argument);
    EXPECT_EQ(argument->endpos, 60);
    const QStringList w = words(argument.get());
    const QString list = valueOf(w, QStringLiteral("-i"));
    EXPECT_TRUE(QFileInfo(list).fileName().startsWith(QLatin1String("qvfl")));
    EXPECT_EQ(QString::fromUtf8(readAll(list)),
              QStringLiteral("file '%1/Tom'\\''s part 1.mp4'\nfile '%1/Grüße, «zwei».mp4'\nfile '%1/three.mp4'\n").arg(out.path()));
    EXPECT_TRUE(w.join(' ').contains(QStringLiteral("-c copy -metadata title= ")));
    EXPECT_EQ(w.last(), out.filePath(QStringLiteral("joined.mp4")));
    EXPECT_EQ(group->outputName(), w.last());

    // A trimmed member's part lasts its trim: 0.25 to 0.75 of 20.7 s is 10 s.
    b->setting()->setTrimEnable(true);
    b->setting()->setTrimStartPercent(0.25f);
    b->setting()->setTrimEndPercent(0.75f);
    const ArgumentPtr trimmed(Video_Concat_With_AVEncoder(group.get(), -1, passOptions(out.path(), 2)));
    ASSERT_TRUE(trimmed);
    EXPECT_EQ(trimmed->endpos, 50);

    // A member that was never converted has nothing to join.
    c->setOutputName(QString());
    EXPECT_FALSE(Video_Concat_With_AVEncoder(group.get(), -1, passOptions(out.path(), 2)));
    // A plain file item is no group.
    EXPECT_FALSE(Video_Concat_With_AVEncoder(a.get(), -1, passOptions(out.path(), 2)));
}
