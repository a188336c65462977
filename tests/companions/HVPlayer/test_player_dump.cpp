// The player dump engine over the real player launcher (fws/HVPlayer) and mplayer, on the
// authored DVDs.
#include "convert/engine/DNMPlayer.h"

#include "support/ffprobe.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <mutex>
#include <vector>

namespace {
const bool logFolderReady = [] {
    static QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    return QDir().mkpath(dataHome.path() + QStringLiteral("/Harnvale/Talvane"));
}();

std::mutex codesLock;
std::vector<int> codes;

int onState(void *, int code)
{
    std::lock_guard<std::mutex> lock(codesLock);
    codes.push_back(code);
    return 0;
}

int runDump(const QStringList &arguments, int endPos)
{
    {
        std::lock_guard<std::mutex> lock(codesLock);
        codes.clear();
    }
    std::vector<QByteArray> bytes;
    std::vector<char *> argv;
    for (const QString &a : arguments)
        bytes.push_back(a.toUtf8());
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    MPlayerDump_SetCallback(onState, nullptr);
    const int result = MPlayerDump_Start(int(argv.size()), argv.data(), endPos);
    MPlayerDump_ClearCallback();
    return result;
}
} // namespace

// The full-backup vector: no program word, the title's stream copied whole.
TEST(PlayerDump, DumpsATitleStream)
{
    ASSERT_TRUE(logFolderReady);
    QTemporaryDir out;
    const QString dump = out.path() + QStringLiteral("/Disc_T3.vob");
    const int result = runDump({QStringLiteral("dvd://3"), QStringLiteral("-dvd-device"),
                                testsupport::fixturePath(QStringLiteral("dvd/ntsc.iso")), QStringLiteral("-ss"),
                                QStringLiteral("0"), QStringLiteral("-dumpstream"), QStringLiteral("-dumpfile"), dump},
                               4);
    ASSERT_EQ(result, 0);
    {
        std::lock_guard<std::mutex> lock(codesLock);
        EXPECT_EQ(codes, std::vector<int>{3298});
    }
    EXPECT_GT(DNMPlayer::shareMPlayer().dumpbytes(), 1024 * 1024);
    EXPECT_EQ(MPlayerDump_Progress(), 100);
    EXPECT_EQ(MPlayerDump_Time(), 4);
    EXPECT_TRUE(isMPEGProgramStreamFile(dump));
    const QJsonObject probe = testsupport::ffprobe(dump);
    EXPECT_NEAR(probe[QStringLiteral("format")].toObject()[QStringLiteral("duration")].toString().toDouble(), 4.0, 0.6);
}

TEST(PlayerDump, FailuresAreReportedNotSuccess)
{
    QTemporaryDir out;
    // The player cannot open its dump file.
    EXPECT_NE(runDump({QStringLiteral("dvd://1"), QStringLiteral("-dvd-device"),
                       testsupport::fixturePath(QStringLiteral("dvd/ntsc.iso")), QStringLiteral("-dumpstream"),
                       QStringLiteral("-dumpfile"), out.path() + QStringLiteral("/missing/x.vob")},
                      6),
              0);
    // A title the disc does not have.
    EXPECT_NE(runDump({QStringLiteral("dvd://9"), QStringLiteral("-dvd-device"),
                       testsupport::fixturePath(QStringLiteral("dvd/ntsc.iso")), QStringLiteral("-dumpstream"),
                       QStringLiteral("-dumpfile"), out.path() + QStringLiteral("/x.vob")},
                      6),
              0);
    std::lock_guard<std::mutex> lock(codesLock);
    EXPECT_TRUE(codes.empty());
}

// The player's lines arrive in chunks cut anywhere; the figures follow the last complete line.
TEST(PlayerDump, ProgressLines)
{
    struct Case
    {
        const char *line;
        int read;
        int64_t bytes;
        float percent;
    };
    const Case cases[] = {
        {"dump: 1892352 bytes written (~43.2%)", 2, 1892352, 43.2f},
        {"dump: 4382720 bytes written to '/tmp/d.vob'.", 1, 4382720, -1},
        // Figures beyond what they can mean are not read.
        {"dump: 99999999999999999999 bytes written (~43.2%)", 0, -1, -1},
        {"dump: 5 bytes written (~8.9e89%)", 1, 5, -1},
        {"dumping stream", 0, -1, -1},
        {"Core dumped ;)", 0, -1, -1},
        {"Playing dvd://3.", 0, -1, -1},
    };
    for (const Case &c : cases) {
        int64_t bytes = -1;
        float percent = -1;
        EXPECT_EQ(parseMPlayerDumpLine(c.line, bytes, percent), c.read) << c.line;
        EXPECT_EQ(bytes, c.bytes) << c.line;
        EXPECT_FLOAT_EQ(percent, c.percent) << c.line;
    }

    DNMPlayer &player = DNMPlayer::shareMPlayer();
    player.resetForPass(600);
    const std::string output = "Playing dvd://1.\ndump: 1000 bytes written (~10.0%)\rdump: 2000 bytes written (~25.5%)\r"
                               "dump: 3000 bytes wri";
    for (size_t at = 0; at < output.size(); at += 5)
        player.onMPlayerOutputChanged(std::string_view(output).substr(at, 5));
    EXPECT_EQ(player.dumpbytes(), 2000);
    EXPECT_FLOAT_EQ(player.progress(), 25.5f);
    EXPECT_EQ(player.dumpTime(), 153);
}
