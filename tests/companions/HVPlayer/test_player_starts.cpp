// The player executable's starts of mplayer, with a stand-in in mplayer's place (in mounts of this
// test's own): a dump, which becomes mplayer, and a preview, which relays mplayer's video. mplayer
// holds the standard descriptors (and a preview's video pipe, passed on to it) and none of what
// the player was started with; an mplayer that cannot be started is a failed start with its
// reason, which the program reads as the player's start failing.
#include "player/HVPlayerArguments.h"
#include "player/HVPlayerProcess.h"

#include "support/descriptors.h"
#include "support/eventloop.h"
#include "support/paths.h"
#include "support/privatemounts.h"
#include "support/process.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <ostream>

namespace {

constexpr const char *kMPlayer = "/usr/bin/mplayer";

QString player()
{
    return testsupport::buildDir() + QStringLiteral("/lib/talvane/fws/HVPlayer");
}

struct Mode
{
    const char *name;
    bool preview;
};

void PrintTo(const Mode &mode, std::ostream *os)
{
    *os << mode.name;
}

QStringList argumentsFor(const Mode &mode, const QString &folder)
{
    const QString media = testsupport::fixturePath(QStringLiteral("media/clip.mp4"));
    if (!mode.preview)
        return {media, QStringLiteral("-dumpstream"), QStringLiteral("-dumpfile"), folder + QStringLiteral("/dump")};
    return HVPlayerArguments::previewArguments({media, QStringLiteral("-identify"), QStringLiteral("-slave")}, 50,
                                               QStringLiteral("PlayerStartsTest"));
}

class PlayerStarts : public ::testing::TestWithParam<Mode>
{
};

TEST_P(PlayerStarts, MPlayerHoldsOnlyTheStandardDescriptorsAndTheVideoPipe)
{
    const testsupport::DescriptorWatch watch(QStringLiteral("mplayer"));
    ASSERT_TRUE(watch.isReady());
    testsupport::PrivateMounts mounts;
    if (!mounts.bindFile(watch.standIn, QString::fromLatin1(kMPlayer)))
        GTEST_SKIP() << "mounts of the test's own need the right to mount: " << mounts.why().toStdString();

    // Started as a plain QProcess, the player itself gets descriptor 7.
    const testsupport::ProcessResult run =
        testsupport::runProcess(player(), argumentsFor(GetParam(), watch.folder.path()));
    ASSERT_TRUE(run.finished) << run.output.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    QMap<int, QString> listed = watch.listed();
    if (GetParam().preview) {
        // The video pipe, which mplayer opens again through /dev/fd.
        const QList<int> beyond = listed.keys().mid(3);
        ASSERT_EQ(beyond.size(), 1) << testsupport::describeDescriptors(listed).toStdString();
        EXPECT_TRUE(listed.take(beyond.first()).startsWith(QStringLiteral("pipe:")));
    }
    EXPECT_EQ(listed.keys(), (QList<int>{0, 1, 2})) << testsupport::describeDescriptors(listed).toStdString();
}

TEST_P(PlayerStarts, AnMPlayerThatCannotStartIsAFailedStartWithItsReason)
{
    QTemporaryDir folder;
    testsupport::PrivateMounts mounts;
    if (!mounts.makeUnrunnable(QString::fromLatin1(kMPlayer), folder.path()))
        GTEST_SKIP() << "mounts of the test's own need the right to mount: " << mounts.why().toStdString();

    const testsupport::ProcessResult run = testsupport::runProcess(player(), argumentsFor(GetParam(), folder.path()));
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 127);
    // Its last line (a preview first tells which options it changed for mplayer).
    EXPECT_TRUE(("\n" + run.output)
                    .endsWith("\n[HVPlayer]: mplayer did not start: could not start /usr/bin/mplayer: Permission denied\n"))
        << run.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Modes, PlayerStarts, ::testing::Values(Mode{"Dump", false}, Mode{"Preview", true}),
                         [](const ::testing::TestParamInfo<Mode> &info) { return std::string(info.param.name); });

// What the program's player reads of it: the player's start failed, for mplayer's reason.
TEST(PlayerProcessStart, APreviewWhoseMPlayerCannotStartFailsToStartWithItsReason)
{
    testsupport::application();
    QTemporaryDir folder;
    testsupport::PrivateMounts mounts;
    if (!mounts.makeUnrunnable(QString::fromLatin1(kMPlayer), folder.path()))
        GTEST_SKIP() << "mounts of the test's own need the right to mount: " << mounts.why().toStdString();

    HVPlayerProcess process;
    bool ended = false;
    QObject::connect(&process, &HVPlayerProcess::terminated, [&] { ended = true; });
    ASSERT_TRUE(process.launch(player(), argumentsFor(Mode{"Preview", true}, folder.path()), folder.path(),
                               folder.path()));
    EXPECT_TRUE(process.startError().isEmpty());
    testsupport::spinUntil([&] { return ended; });
    ASSERT_TRUE(ended);
    EXPECT_EQ(process.startError(), QStringLiteral("could not start /usr/bin/mplayer: Permission denied"));
}

} // namespace
