// Reading the player's standard output: real lines captured from the installed mplayer (1.5)
// playing the authored media, as the preview, the editor and the online player read them.
#include "player/HVPlayerStatus.h"

#include <gtest/gtest.h>

using HVPlayerStatus::LineKind;

namespace {
const QString kEsc = QStringLiteral("\x1b[J");

struct LineCase
{
    const char *name;
    QString line;
    LineKind kind;
    double value;
    LineKind editorKind;   // where the editor reads the line otherwise
};

// Status lines end in the terminal's clear-to-end sequence, as mplayer writes them.
const LineCase kLines[] = {
    {"file_playing", QStringLiteral("A:   1.0 V:   1.0 A-V: -0.001 ct: -0.020   0/  0  0%  0%  0.4% 0 0 ") + kEsc,
     LineKind::Status, 1.0, LineKind::Status},
    {"file_first_frame", QStringLiteral("A:  -0.0 V:   0.0 A-V: -0.013 ct:  0.000   0/  0 ??% ??% ??,?% 0 0 ") + kEsc,
     LineKind::Status, 0.0, LineKind::Status},
    {"file_dropping", QStringLiteral("A:   1.1 V:   1.0 A-V:  0.121 ct: -0.020   0/  0  2%  1%  0.3% 1 0 ") + kEsc,
     LineKind::Status, 1.0, LineKind::Status},
    {"file_cached", QStringLiteral("A:   1.0 V:   1.0 A-V: -0.001 ct: -0.020   0/  0  0%  0%  0.4% 0 0 7% ") + kEsc,
     LineKind::Status, 1.0, LineKind::Status},
    {"dvd_title", QStringLiteral("A:   4.2 V:   4.2 A-V:  0.010 ct:  0.026  15/ 15  1%  0%  0.3% 0 0 ") + kEsc,
     LineKind::Status, 4.2, LineKind::Status},
    {"video_only", QStringLiteral("V:   1.0   0/  0  0%  0%  0.0% 0 0 ") + kEsc, LineKind::Status, 1.0,
     LineKind::Status},
    // Audio alone has no video time: the current time reads 0.
    {"audio_only", QStringLiteral("A:   1.0 (01.0) of 3.0 (03.0)  0.2% ") + kEsc, LineKind::Status, 0.0,
     LineKind::Status},
    // Other lines that begin with "A" or "V" count as status lines without a time.
    {"audio_output", QStringLiteral("AO: [null] 48000Hz 2ch floatle (4 bytes per sample)"), LineKind::Status, 0.0,
     LineKind::Status},
    {"video_output", QStringLiteral("VO: [yuv4mpeg] 320x240 => 320x240 Planar YV12 "), LineKind::Status, 0.0,
     LineKind::Status},
    {"answer", QStringLiteral("ANS_volume=30.000004"), LineKind::Status, 0.0, LineKind::Status},
    {"paused", QStringLiteral("ID_PAUSED"), LineKind::Paused, 0, LineKind::Paused},
    {"length_file", QStringLiteral("ID_LENGTH=4.00"), LineKind::Length, 4.0, LineKind::Length},
    {"length_dvd", QStringLiteral("ID_LENGTH=10.00"), LineKind::Length, 10.0, LineKind::Length},
    {"starting", QStringLiteral("Starting playback..."), LineKind::StartingPlayback, 0, LineKind::StartingPlayback},
    {"width", QStringLiteral("ID_VIDEO_WIDTH=720"), LineKind::Ignored, 0, LineKind::VideoWidth},
    {"height", QStringLiteral("ID_VIDEO_HEIGHT=576"), LineKind::Ignored, 0, LineKind::VideoHeight},
    {"tagged_length", QStringLiteral("[HVPlayer]:ID_LENGTH=12.5"), LineKind::Length, 12.5, LineKind::Length},
    // The tests look at the line after the tag, untrimmed: a blank after it matches nothing.
    {"tagged_blank_length", QStringLiteral("[HVPlayer]: ID_LENGTH=12.5"), LineKind::Ignored, 0, LineKind::Ignored},
    {"pause_banner", QStringLiteral("  =====  PAUSE  ====="), LineKind::Ignored, 0, LineKind::Ignored},
    {"exit", QStringLiteral("Exiting... (Quit)"), LineKind::Ignored, 0, LineKind::Ignored},
    {"exit_id", QStringLiteral("ID_EXIT=QUIT"), LineKind::Ignored, 0, LineKind::Ignored},
    {"blank", QStringLiteral("   "), LineKind::Ignored, 0, LineKind::Ignored},
};

class PlayerStatusLine : public testing::TestWithParam<LineCase>
{
};

TEST_P(PlayerStatusLine, IsReadAsThePreviewAndTheEditorReadIt)
{
    const LineCase &c = GetParam();
    const HVPlayerStatus::Line preview = HVPlayerStatus::classifyLine(c.line);
    EXPECT_EQ(preview.kind, c.kind);
    EXPECT_NEAR(preview.value, c.value, 1e-6);
    const HVPlayerStatus::Line editor = HVPlayerStatus::classifyLine(c.line, true);
    EXPECT_EQ(editor.kind, c.editorKind);
    if (c.kind == LineKind::Status) {
        EXPECT_EQ(preview.components.size(), 9);
    }
}

INSTANTIATE_TEST_SUITE_P(Captured, PlayerStatusLine, testing::ValuesIn(kLines),
                         [](const testing::TestParamInfo<LineCase> &info) { return std::string(info.param.name); });
} // namespace

TEST(PlayerStatus, EditorReadsTheVideoSize)
{
    EXPECT_EQ(HVPlayerStatus::classifyLine(QStringLiteral("ID_VIDEO_WIDTH=720"), true).value, 720);
    EXPECT_EQ(HVPlayerStatus::classifyLine(QStringLiteral("ID_VIDEO_HEIGHT=576"), true).value, 576);
}

// The figures are turned into ints and floats where they are used: garbled ones stay within what
// a picture or a time can be.
TEST(PlayerStatus, GarbledFiguresStayWithinWhatTheyCanMean)
{
    const struct
    {
        const char *line;
        double most;
    } cases[] = {
        {"ID_VIDEO_WIDTH=8.9e89", 65536}, {"ID_VIDEO_HEIGHT=-1e30", 65536}, {"ID_VIDEO_WIDTH=nan", 65536},
        {"ID_LENGTH=inf", 1e7},           {"ID_LENGTH=1e300", 1e7},
        {"A:   1.0 V: 99999999999999999999999999999999999999999.0 A-V: 0.0", 1e7},
    };
    for (const auto &c : cases) {
        const double value = HVPlayerStatus::classifyLine(QString::fromLatin1(c.line), true).value;
        EXPECT_TRUE(value >= 0 && value <= c.most) << c.line << " reads " << value;
    }
    const HVPlayerStatus::OnlineChunk online = HVPlayerStatus::readOnlineChunk(QStringLiteral("ID_LENGTH=1e400\n"));
    EXPECT_TRUE(online.length >= 0 && online.length <= 1e7) << online.length;
}

// Every capture of a full status line: audio time, video time, difference, the three
// percentages, the first counter and the cache fill.
TEST(PlayerStatus, StatusExpressionCapturesEveryComponent)
{
    const QStringList c = HVPlayerStatus::statusComponents(
        QStringLiteral("A:   1.2 V:   1.3 A-V: -0.1 ct:  0.0  30/ 30  5%  2%  0.4% 0 0 50% ") + kEsc);
    ASSERT_EQ(c.size(), 9);
    EXPECT_EQ(c.mid(1), (QStringList{QStringLiteral("1.2"), QStringLiteral("1.3"), QStringLiteral("-0.1"),
                                     QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("0.4"),
                                     QStringLiteral("0"), QStringLiteral("50")}));
}

TEST(PlayerStatus, ChunksSplitAtEveryLineSeparator)
{
    const QString chunk = QStringLiteral("a\r\nb\nc\rd") + QChar(0x0b) + QStringLiteral("e\ff") + QChar(0x85) +
                          QStringLiteral("g") + QChar(0x2028) + QStringLiteral("h") + QChar(0x2029) + QStringLiteral("i");
    HVPlayerStatus::OutputLines lines;
    QStringList taken = lines.take(chunk);
    taken += lines.finish();
    EXPECT_EQ(taken, QStringList({"a", "b", "c", "d", "e", "f", "g", "h", "i"}));
    // Two separators in a row leave no empty line between them (a blank line says nothing).
    taken = lines.take(QStringLiteral("a\n\nb\n"));
    EXPECT_EQ(taken, QStringList({"a", "b"}));
}

// A read may end inside a line: its start waits for the rest, so no line is read in halves.
TEST(PlayerStatus, AnUnfinishedLineWaitsForTheNextChunk)
{
    HVPlayerStatus::OutputLines lines;
    const QStringList first = lines.take(QStringLiteral("ID_LENGTH=8.00\nA:   1.0 V:"));
    EXPECT_EQ(first, QStringList{QStringLiteral("ID_LENGTH=8.00")});
    const QStringList second = lines.take(QStringLiteral("   1.3 A-V: 0.0\r"));
    ASSERT_EQ(second.size(), 1);
    EXPECT_DOUBLE_EQ(HVPlayerStatus::classifyLine(second.first()).value, 1.3);
    EXPECT_TRUE(lines.finish().isEmpty());
}

// A player that writes megabytes without a line break: what is kept for the unfinished line stays
// within the bound, the line comes cut at the bound, and the lines after it come whole.
TEST(PlayerStatus, AnEndlessLineKeepsItsMemoryBounded)
{
    const qsizetype most = HVPlayerStatus::OutputLines::kMostLineCharacters;
    HVPlayerStatus::OutputLines lines;
    QStringList taken;
    const QString chunk(64 * 1024, QLatin1Char('x'));
    qsizetype mostBuffered = 0;
    for (int i = 0; i < 64; ++i) {   // 4 Mi characters
        taken += lines.take(chunk);
        mostBuffered = qMax(mostBuffered, lines.bufferedCharacters());
    }
    taken += lines.take(QStringLiteral("the overlong line's end\nID_LENGTH=8.00\nA:   1.0 V:"));
    taken += lines.take(QStringLiteral("   1.3 A-V: 0.0\r"));
    EXPECT_LE(mostBuffered, 2 * most);
    ASSERT_EQ(taken.size(), 3);
    EXPECT_EQ(taken[0], QString(most, QLatin1Char('x')));
    EXPECT_EQ(taken[1], QStringLiteral("ID_LENGTH=8.00"));
    EXPECT_DOUBLE_EQ(HVPlayerStatus::classifyLine(taken[2]).value, 1.3);
}

// The online player reads each chunk whole.
TEST(PlayerStatus, OnlinePlayerReadsChunksWhole)
{
    const QString cached = QStringLiteral("A:   1.2 V:   1.3 A-V: -0.1 ct:  0.0  30/ 30  5%  2%  0.4% 0 0 50% ") + kEsc;
    const HVPlayerStatus::OnlineChunk status = HVPlayerStatus::readOnlineChunk(cached);
    EXPECT_TRUE(status.isStatus);
    EXPECT_DOUBLE_EQ(status.currentTime, 1.3);
    EXPECT_EQ(status.cacheFill, 50);

    const HVPlayerStatus::OnlineChunk length =
        HVPlayerStatus::readOnlineChunk(QStringLiteral("ID_SEEKABLE=1\nID_LENGTH=95.30\nID_CHAPTERS=0\n"));
    EXPECT_FALSE(length.isStatus);
    EXPECT_TRUE(length.hasLength);
    EXPECT_NEAR(length.length, 95.3, 1e-9);

    // Several status lines in one chunk: the first line's figures, the whole chunk's last capture.
    const HVPlayerStatus::OnlineChunk two = HVPlayerStatus::readOnlineChunk(
        QStringLiteral("A:   2.0 V:   2.0 A-V:  0.0\r\nA:   2.1 V:   2.1 A-V:  0.0\r\n"));
    EXPECT_TRUE(two.isStatus);
    EXPECT_DOUBLE_EQ(two.currentTime, 2.0);
    EXPECT_FALSE(HVPlayerStatus::readOnlineChunk(QStringLiteral("Starting playback...\n")).isStatus);
}
