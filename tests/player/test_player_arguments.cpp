// What the players hand the player executable: buffer names, argument vectors and commands.
#include "player/HVPlayerArguments.h"
#include "player/NXMPlayerGeometry.h"
#include "playerchannel/MPlayerOSXVOWire.h"

#include "convert/files/DNMediaFileProbe.h"
#include "dvd/file/DNFileNode.h"
#include "support/paths.h"

#include <gtest/gtest.h>

TEST(PlayerArguments, PreviewVector)
{
    EXPECT_EQ(HVPlayerArguments::previewArguments({QStringLiteral("/m/a.mp4"), QStringLiteral("-identify")}, 35.0f,
                                                  HVPlayerArguments::previewBufferName()),
              QStringList({"/m/a.mp4", "-identify", "-osdlevel", "0", "-ao", "coreaudio", "-vf", "screenshot", "-vo",
                           "corevideo:shared_buffer:buffer_name=\"NXMPlayerBufferName\"", "-volume", "35.00"}));
}

// The counters start at 0 and count before each new receiver.
TEST(PlayerArguments, OnlineAndEditorBufferNamesCount)
{
    EXPECT_EQ(HVPlayerArguments::nextOnlineBufferName(), QStringLiteral("ONLINE_VIDEO_BUFFER_NAME<->1"));
    EXPECT_EQ(HVPlayerArguments::currentOnlineBufferName(), QStringLiteral("ONLINE_VIDEO_BUFFER_NAME<->1"));
    EXPECT_EQ(HVPlayerArguments::nextOnlineBufferName(), QStringLiteral("ONLINE_VIDEO_BUFFER_NAME<->2"));
    EXPECT_EQ(HVPlayerArguments::nextEditorBufferName(), QStringLiteral("EDIT_VIDEO_BUFFER_NAME_1->1"));
    EXPECT_EQ(HVPlayerArguments::bufferVideoOutput(QStringLiteral("ONLINE_VIDEO_BUFFER_NAME<->1")),
              QStringLiteral("corevideo:buffer_name=\"ONLINE_VIDEO_BUFFER_NAME<->1\""));
}

TEST(PlayerArguments, OnlineVectorCachesOnlyAPositiveSize)
{
    const QString name = QStringLiteral("B");
    EXPECT_EQ(HVPlayerArguments::onlineArguments(name, 2.5, 80.0f, {QStringLiteral("https://v/1")}),
              QStringList({"-vf", "screenshot", "-identify", "-slave", "-vo", "corevideo:buffer_name=\"B\"", "-cache",
                           "2560", "-volume", "80.00", "https://v/1"}));
    for (double none : {0.0, -1.0})
        EXPECT_FALSE(HVPlayerArguments::onlineArguments(name, none, 80.0f, {}).contains(QStringLiteral("-cache")));
}

TEST(PlayerArguments, EditorVector)
{
    EXPECT_EQ(HVPlayerArguments::editorArguments({QStringLiteral("/m/a.mp4")}, 400, 225.4, 12.6, QStringLiteral("E")),
              QStringList({"/m/a.mp4", "-osdlevel", "0", "-ao", "coreaudio", "-vf", "scale=400:225", "-ss", "13", "-vo",
                           "corevideo:buffer_name=\"E\"", "-volume", "50.00", "-loop", "0"}));
}

TEST(PlayerArguments, SlaveCommands)
{
    using namespace HVPlayerArguments;
    EXPECT_EQ(pauseCommand(), QStringLiteral("pause\n"));
    EXPECT_EQ(quitCommand(), QStringLiteral("quit\n"));
    EXPECT_EQ(seekAbsoluteCommand(12.34), QStringLiteral("seek 12.3 2\n"));
    EXPECT_EQ(seekRelativeCommand(-5), QStringLiteral("seek -5.0 0\n"));
    EXPECT_EQ(seekRelativeStayPausedCommand(5), QStringLiteral("seek 5.0 0\n pause\n"));
    EXPECT_EQ(volumeCommand(35), QStringLiteral("set_property volume 35.00\n"));
    EXPECT_EQ(volumeStayPausedCommand(35), QStringLiteral("set_property volume 35.00\n pause\n"));
    EXPECT_EQ(muteCommand(true), QStringLiteral("set_property mute 1\n"));
    EXPECT_EQ(muteCommand(false), QStringLiteral("set_property mute 0\n"));
    EXPECT_EQ(screenshotCommand(), QStringLiteral("screenshot 0\n"));
}

// A plain file with a video track whose codec name is 2vuy is asked for '2vuy'; everything else
// for 'yuvs'.
TEST(PlayerArguments, PixelFormatOfAnItem)
{
    const auto h264 = fileNodeWithFile(testsupport::fixturePath(QStringLiteral("player/quadrants.mp4")), false);
    ASSERT_TRUE(h264);
    EXPECT_EQ(HVPlayerArguments::pixelFormatForItem(h264), MPlayerOSXVOWire::kPixelFormatYUVS);
    auto twoVuy = std::make_shared<DNFileNode>();
    auto track = std::make_shared<DNTVideo>();
    track->codec = QStringLiteral("2VUY");
    twoVuy->videoTracks().append(track);
    EXPECT_EQ(HVPlayerArguments::pixelFormatForItem(twoVuy), MPlayerOSXVOWire::kPixelFormat2VUY);
    EXPECT_EQ(HVPlayerArguments::pixelFormatForItem(nullptr), MPlayerOSXVOWire::kPixelFormatYUVS);

    EXPECT_FALSE(HVPlayerArguments::playbackParametersOf(std::make_shared<NXBasicMediaNode>()));
    EXPECT_EQ(HVPlayerArguments::playbackParametersOf(h264)->first(),
              testsupport::fixturePath(QStringLiteral("player/quadrants.mp4")));
}

TEST(PlayerGeometry, PictureFitsTheViewKeepingItsProportions)
{
    // 720 x 540 in 640 x 360: rx 1.125, ry 1.5, so bands left and right.
    EXPECT_EQ(NXMPlayerGeometry::fittedPicture(QSizeF(640, 360), QSizeF(720, 540)), QRectF(80, 0, 480, 360));
    // 1024 x 576 in 320 x 240: bands above and below.
    EXPECT_EQ(NXMPlayerGeometry::fittedPicture(QSizeF(320, 240), QSizeF(1024, 576)), QRectF(0, 30, 320, 180));
    // No view yet: the ratios count as 1.
    EXPECT_EQ(NXMPlayerGeometry::fittedPicture(QSizeF(0, 0), QSizeF(0, 0)), QRectF(0, 0, 0, 0));

    EXPECT_DOUBLE_EQ(NXMPlayerGeometry::displayWidth(720, 576, QSizeF(16, 9), 1.78), 1024);
    EXPECT_DOUBLE_EQ(NXMPlayerGeometry::displayWidth(320, 240, QSizeF(-1, -1), 1.33), 320);
    // Non-square pixels without a known aspect: the stream's own.
    EXPECT_DOUBLE_EQ(NXMPlayerGeometry::displayWidth(720, 576, QSizeF(-1, -1), 1.78), 576 * 1.78);
    EXPECT_DOUBLE_EQ(NXMPlayerGeometry::displayWidth(720, 576, QSizeF(-1, -1), 0), 720);
}
