// The file road leaves nothing unfinished under a final name either: a file item's pass (one or
// two passes through the AV encoder) and a group's join write under hidden names, a full disk or a
// stop at any moment leaves the whole output or nothing, and a group that does not end joined
// takes the parts it wrote with it. Real engines, the file-road media.

#include "FileRoadTestSupport.h"
#include "UnfinishedOutputSupport.h"

#include "core/platform/DNTemporaryFolder.h"
#include "support/smallfs.h"

#include <QTemporaryDir>

#include <random>

using namespace fileroadtest;

namespace {

enum class Shape { OnePass, TwoPasses, Group };

const char *nameOf(Shape shape)
{
    return shape == Shape::OnePass ? "one pass" : shape == Shape::TwoPasses ? "two passes" : "group";
}

// A file item or a group of two, as shape says, ready to convert.
NXMediaNodePtr itemOf(Shape shape)
{
    if (shape == Shape::Group)
        return groupOf({QStringLiteral("fileroad/h264_aac.mp4"), QStringLiteral("fileroad/quadrants.mp4")},
                       QStringLiteral("Joined"));
    DNFileNodePtr item = loadFile(QStringLiteral("fileroad/h264_aac.mp4"));
    if (item && shape == Shape::TwoPasses)
        item->profile()->setUserEnableTwopassCode(true);
    return item;
}

QString outputOf(const NXMediaNodePtr &item)
{
    return std::static_pointer_cast<DNFileNode>(item)->outputName();
}

} // namespace

// The output folder's disk fills up: the AV encoder fails, and neither the item's file nor the
// group's join, nor a group's parts, are left anywhere.
TEST(UnfinishedFileOutputs, FullDiskLeavesNoFile)
{
    app();
    QTemporaryDir logDir;
    freshLog(logDir);
    for (const Shape shape : {Shape::OnePass, Shape::TwoPasses, Shape::Group}) {
        SCOPED_TRACE(nameOf(shape));
        testsupport::SmallFileSystem disk(128 * 1024);
        ASSERT_TRUE(disk.isValid());
        useOutputFolder(disk.path());
        const NXMediaNodePtr item = itemOf(shape);
        ASSERT_TRUE(item);
        FinalNameWatch watch(disk.path());
        EXPECT_NE(convert(item.get()), 0);
        EXPECT_EQ(watch.seenUnfinished(), QStringList());
        EXPECT_EQ(entriesIn(disk.path()), QStringList());
        EXPECT_EQ(partsLeftIn(DNTemporaryFolder::path()), QStringList());
    }
}

// Stops at random moments of a file item's passes and of a group, the join included: each run
// either finished before the stop came, with its whole output under its name, or left nothing
// (no output, no hidden file, no part); and no file was ever seen under a final name unfinished.
TEST(UnfinishedFileOutputs, StopAtAnyMomentLeavesAWholeFileOrNothing)
{
    app();
    QTemporaryDir logDir;
    freshLog(logDir);
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const Shape shapes[] = {Shape::OnePass, Shape::TwoPasses, Shape::Group};
    for (int attempt = 0; attempt < 9; ++attempt) {
        const Shape shape = shapes[attempt % std::size(shapes)];
        // Every third group run is stopped during its join, which copies and so is quick.
        const bool inTheJoin = shape == Shape::Group && attempt % 2 == 0;
        const int delayMs = std::uniform_int_distribution<int>(0, inTheJoin ? 60 : 1500)(random);
        SCOPED_TRACE(std::string(nameOf(shape)) + (inTheJoin ? " in its join" : "") + " stopped after "
                     + std::to_string(delayMs) + " ms");
        QTemporaryDir out;
        useOutputFolder(out.path());
        const NXMediaNodePtr item = itemOf(shape);
        ASSERT_TRUE(item);
        FinalNameWatch watch(out.path());
        StateLog log;
        std::future<int> result = startOnWorker(item.get(), shape == Shape::Group ? -1 : 0, &log);
        if (inTheJoin) {
            // Two parts, then the join.
            waitFor([&] {
                return log.started >= 3 || result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
            });
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        DNVideoConverterStop();
        const int converted = result.get();
        EXPECT_EQ(watch.seenUnfinished(), QStringList());
        if (converted == 0)
            expectOnlyTheWholeOutput(out.path(), outputOf(item));
        else
            EXPECT_EQ(entriesIn(out.path()), QStringList()) << "result " << converted;
        EXPECT_EQ(partsLeftIn(DNTemporaryFolder::path()), QStringList());
    }
}
