// The pass that runs mencoder and ffmpeg side by side opens their FIFO itself for a moment, to let
// an engine waiting in its open() go. An engine that another thread starts meanwhile (another
// pass's, a player's) must not inherit that side: holding the writing side would keep ffmpeg from
// ever reading the end of mencoder's stream.
#include "enginekit/EngineProcess.h"
#include "hvvideocore/FifoRelease.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FifoSide : public ::testing::TestWithParam<int>
{
};

TEST_P(FifoSide, IsNotInheritedByAChildStartedWhileItIsOpen)
{
    const int side = GetParam();
    QTemporaryDir folder;
    const std::string fifo = folder.filePath(QStringLiteral("stream.fifo")).toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A writing side opens without waiting only while a reader is there.
    const int reader = side == O_WRONLY ? ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
    const int opened = openFifoSide(fifo, side);
    ASSERT_GE(opened, 0);

    EngineProcess child;
    ASSERT_TRUE(child.start("/bin/sh", {"sh", "-c", "ls -l /proc/$$/fd"}));
    std::string listing;
    EXPECT_EQ(child.wait([&](std::string_view chunk) { listing.append(chunk); }, {}), 0);
    ::close(opened);
    if (reader >= 0)
        ::close(reader);

    // The child's own output pipe is there; the FIFO is not.
    EXPECT_NE(listing.find("pipe:"), std::string::npos) << listing;
    EXPECT_EQ(listing.find(fifo), std::string::npos) << listing;
}

INSTANTIATE_TEST_SUITE_P(BothSides, FifoSide, ::testing::Values(O_RDONLY, O_WRONLY),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(info.param == O_RDONLY ? "Reading" : "Writing");
                         });

} // namespace
