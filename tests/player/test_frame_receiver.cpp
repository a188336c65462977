// The frame receiver over the real player executable (fws/HVPlayer over mplayer): what the
// start message carries, the frames that arrive, and what is left behind when a player ends.
#include "player/HVPlayerArguments.h"
#include "player/HVPlayerProcess.h"
#include "player/MPlayerFrameReceiver.h"
#include "playerchannel/HVPlayerChannel.h"
#include "playerchannel/MPlayerOSXVOWire.h"

#include "core/platform/DNBundle.h"

#include "support/eventloop.h"
#include "support/packedyuv.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const bool logFolderReady = [] {
    static QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    return QDir().mkpath(dataHome.path() + QStringLiteral("/Harnvale/Talvane"));
}();

// One receiver and one player run of the preview's vector.
struct PlayerRun
{
    explicit PlayerRun(const QStringList &itemParameters, quint32 pixelFormat = MPlayerOSXVOWire::kPixelFormatYUVS)
        : receiver(HVPlayerArguments::previewBufferName())
    {
        testsupport::application();
        receiver.setPixFormat(pixelFormat);
        QObject::connect(&receiver, &MPlayerFrameReceiver::streamWillStart, &context, [this] {
            ++starts;
            startWidth = receiver.imageWidth();
            startHeight = receiver.imageHeight();
            startBytes = receiver.imageBytes();
            startAspect = receiver.imageAspect();
        });
        QObject::connect(&receiver, &MPlayerFrameReceiver::frameArrived, &context, [this] {
            if (receiver.takeLatestFrame(frame))
                ++frames;
        });
        QObject::connect(&receiver, &MPlayerFrameReceiver::streamDidEnd, &context, [this] { ++ends; });
        QObject::connect(&process, &HVPlayerProcess::terminated, &context, [this] { terminated = true; });
        QObject::connect(&process, &HVPlayerProcess::outputLines, &context,
                         [this](const QStringList &l) { lines += l; });
        launched = process.launch(DNBundle::pathForCompanion(QStringLiteral("HVPlayer")),
                                  HVPlayerArguments::previewArguments(itemParameters, 0.0f, receiver.connectionName()),
                                  workFolder.path(), MPlayerFrameReceiver::channelDirectory());
    }

    QColor colourAt(int x, int y) const
    {
        return testsupport::packedYUVColourAt(frame.pixels.data(), frame.width, x, y, frame.pixelFormat);
    }

    QObject context;
    QTemporaryDir workFolder;
    MPlayerFrameReceiver receiver;
    HVPlayerProcess process;
    MPlayerFrameReceiver::Frame frame;
    QStringList lines;
    bool launched = false;
    bool terminated = false;
    int starts = 0, frames = 0, ends = 0;
    int startWidth = 0, startHeight = 0, startBytes = 0;
    float startAspect = 0;
};

QStringList fileParameters(const QString &relative, bool sound = true)
{
    QStringList p{testsupport::fixturePath(relative), QStringLiteral("-identify"), QStringLiteral("-slave")};
    p << (sound ? QStringList{QStringLiteral("-aid"), QStringLiteral("0")} : QStringList{QStringLiteral("-nosound")});
    return p;
}

bool sharedMemoryLeft(const QString &bufferName)
{
    const std::string name = HVPlayerChannel::sharedMemoryName(
        QFile::encodeName(MPlayerFrameReceiver::channelDirectory()).toStdString(), bufferName.toStdString());
    return QFile::exists(QStringLiteral("/dev/shm") + QString::fromStdString(name));
}

void expectQuadrants(const PlayerRun &run)
{
    ASSERT_EQ(run.frame.width, 320);
    EXPECT_TRUE(testsupport::coloursNear(run.colourAt(80, 60), Qt::red)) << run.colourAt(80, 60).name().toStdString();
    EXPECT_TRUE(testsupport::coloursNear(run.colourAt(240, 60), Qt::green)) << run.colourAt(240, 60).name().toStdString();
    EXPECT_TRUE(testsupport::coloursNear(run.colourAt(80, 180), Qt::blue)) << run.colourAt(80, 180).name().toStdString();
    EXPECT_TRUE(testsupport::coloursNear(run.colourAt(240, 180), Qt::white)) << run.colourAt(240, 180).name().toStdString();
}
} // namespace

TEST(FrameReceiver, FileFramesArriveInTheAskedFormatAndTheEndLeavesNothing)
{
    ASSERT_TRUE(logFolderReady);
    PlayerRun run(fileParameters(QStringLiteral("player/quadrants.mp4")));
    ASSERT_TRUE(run.launched);
    testsupport::spinUntil([&] { return run.frames >= 10; });
    EXPECT_EQ(run.starts, 1);
    EXPECT_EQ(run.startWidth, 320);
    EXPECT_EQ(run.startHeight, 240);
    EXPECT_EQ(run.startBytes, 2);
    EXPECT_FLOAT_EQ(run.startAspect, 1.33f);
    EXPECT_EQ(run.frame.pixelFormat, MPlayerOSXVOWire::kPixelFormatYUVS);
    expectQuadrants(run);
    EXPECT_FALSE(sharedMemoryLeft(run.receiver.connectionName()));

    // The stop message and the process's end come by two roads, in either order.
    run.process.sendCommand(HVPlayerArguments::quitCommand());
    testsupport::spinUntil([&] { return run.terminated && run.ends == 1; });
    EXPECT_TRUE(run.terminated);
    EXPECT_EQ(run.ends, 1);
    EXPECT_FALSE(run.receiver.isRendering());
    EXPECT_TRUE(run.lines.contains(QStringLiteral("Starting playback...")));
}

TEST(FrameReceiver, TwoVuyFramesArePackedCbFirst)
{
    PlayerRun run(fileParameters(QStringLiteral("player/quadrants_2vuy.mov"), false), MPlayerOSXVOWire::kPixelFormat2VUY);
    ASSERT_TRUE(run.launched);
    testsupport::spinUntil([&] { return run.frames >= 3; });
    ASSERT_EQ(run.frame.width, 160);
    EXPECT_EQ(run.frame.pixelFormat, MPlayerOSXVOWire::kPixelFormat2VUY);
    EXPECT_TRUE(testsupport::coloursNear(run.colourAt(40, 30), Qt::red));
    EXPECT_TRUE(testsupport::coloursNear(run.colourAt(120, 90), Qt::white));
    testsupport::spinUntil([&] { return run.terminated && run.ends == 1; });
    EXPECT_EQ(run.ends, 1);
}

// A DVD title through dvdnav: the stream's size and its display aspect from the disc.
TEST(FrameReceiver, DVDTitleStartCarriesSizeAndAspect)
{
    const struct
    {
        const char *disc;
        int height;
        float aspect;
    } discs[] = {{"dvd/pal.iso", 576, 1.78f}, {"dvd/ntsc", 480, 1.33f}};
    for (const auto &disc : discs) {
        SCOPED_TRACE(disc.disc);
        PlayerRun run({QStringLiteral("dvdnav://3"), QStringLiteral("-dvd-device"),
                 testsupport::fixturePath(QString::fromLatin1(disc.disc)), QStringLiteral("-identify"),
                 QStringLiteral("-slave"), QStringLiteral("-nosub"), QStringLiteral("-vf"), QStringLiteral("yadif=0")});
        ASSERT_TRUE(run.launched);
        testsupport::spinUntil([&] { return run.frames >= 5; });
        EXPECT_EQ(run.startWidth, 720);
        EXPECT_EQ(run.startHeight, disc.height);
        EXPECT_FLOAT_EQ(run.startAspect, disc.aspect);
        EXPECT_GE(run.frames, 5);
        run.process.sendCommand(HVPlayerArguments::quitCommand());
        testsupport::spinUntil([&] { return run.terminated; });
    }
}

// A player killed outright sends no stop: the receiver ends the stream when the connection
// goes, and nothing of the run stays in the shared-memory folder or the channel folder.
TEST(FrameReceiver, KilledPlayerEndsTheStream)
{
    PlayerRun run(fileParameters(QStringLiteral("player/quadrants.mp4")));
    ASSERT_TRUE(run.launched);
    testsupport::spinUntil([&] { return run.frames >= 3; });
    ::kill(pid_t(run.process.processId()), SIGKILL);
    testsupport::spinUntil([&] { return run.terminated && run.ends == 1; });
    EXPECT_EQ(run.ends, 1);
    run.receiver.removeLeftovers();
    EXPECT_FALSE(sharedMemoryLeft(run.receiver.connectionName()));
    const QStringList left = QDir(MPlayerFrameReceiver::channelDirectory()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System);
    EXPECT_EQ(left, QStringList({run.receiver.connectionName()}));
}

// A player that announces a bigger frame than the shared object holds gets no stream: the
// receiver answers "0" and survives the render that follows (reading past the object's end
// would end the program).
TEST(FrameReceiver, AFrameBiggerThanTheBufferIsRefused)
{
    testsupport::application();
    const QString bufferName = QStringLiteral("short-buffer-test");
    MPlayerFrameReceiver receiver(bufferName);
    int starts = 0;
    QObject context;
    QObject::connect(&receiver, &MPlayerFrameReceiver::streamWillStart, &context, [&] { ++starts; });
    const std::string directory = QFile::encodeName(MPlayerFrameReceiver::channelDirectory()).toStdString();
    const std::string shmName = HVPlayerChannel::sharedMemoryName(directory, bufferName.toStdString());
    const int object = ::shm_open(shmName.c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_GE(object, 0);
    ASSERT_EQ(::ftruncate(object, 4096), 0);

    const int player = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = HVPlayerChannel::socketPath(directory, bufferName.toStdString());
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::connect(player, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    const auto ask = [&](const MPlayerOSXVOWire::Message &message) {
        const std::string line = MPlayerOSXVOWire::format(message);
        EXPECT_EQ(::write(player, line.data(), line.size()), ssize_t(line.size()));
        MPlayerOSXVOWire::LineReader reader;
        std::optional<std::string> reply;
        testsupport::spinUntil([&] {
            char bytes[256];
            const ssize_t n = ::recv(player, bytes, sizeof bytes, MSG_DONTWAIT);
            if (n > 0)
                reader.append(bytes, std::size_t(n));
            reply = reader.nextLine();
            return reply.has_value();
        });
        return reply.value_or(std::string());
    };
    MPlayerOSXVOWire::Message start;
    start.method = MPlayerOSXVOWire::Method::Start;
    start.width = 320;
    start.height = 240;
    start.bytesPerPixel = 2;
    start.aspect = 133;
    std::uint32_t format = 0;
    EXPECT_FALSE(MPlayerOSXVOWire::parseStartReply(ask(start), format));
    MPlayerOSXVOWire::Message render;
    render.method = MPlayerOSXVOWire::Method::Render;
    EXPECT_EQ(ask(render), std::string(MPlayerOSXVOWire::kRenderReply));
    EXPECT_EQ(starts, 0);

    // The same frame in an object big enough is mapped.
    ASSERT_EQ(::ftruncate(object, 320 * 240 * 2), 0);
    EXPECT_TRUE(MPlayerOSXVOWire::parseStartReply(ask(start), format));
    testsupport::spinUntil([&] { return starts == 1; });
    EXPECT_EQ(starts, 1);
    ::close(player);
    ::close(object);
    ::shm_unlink(shmName.c_str());
}
