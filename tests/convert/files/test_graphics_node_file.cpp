// A slideshow's rendered video becomes a file item that carries the slideshow's tags and profile.
#include "convert/files/DNCaptureController.h"
#include "convert/files/DNGraphicsNodeFile.h"
#include "files_test_support.h"
#include "profiles/DNProfile.h"
#include "support/process.h"

#include <gtest/gtest.h>

using filestest::media;

namespace {
std::shared_ptr<DNGraphicsNode> taggedSlideshow()
{
    auto node = std::make_shared<DNGraphicsNode>();
    node->initializeConfigOnDidLoadDVDInfo(QStringLiteral("/photos/Holiday"));
    node->nodeInfo()->setComments(QStringLiteral("summer"));
    node->setProfile(DNProfile::parserFromContentOfFile(testsupport::buildDir()
                                                        + QStringLiteral("/share/talvane/profiles/Video/Audio_AAC.plist")));
    return node;
}
} // namespace

TEST(GraphicsNodeFile, RenderedVideoBecomesTheSlideshowsFileItem)
{
    filestest::app();
    const auto node = taggedSlideshow();
    convertGraphicsNodeToFileNode(*node, media(QStringLiteral("clip.mp4")));
    const auto file = node->fileNode();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->path(), media(QStringLiteral("clip.mp4")));
    EXPECT_EQ(*file->nodeInfo(), *node->nodeInfo());
    EXPECT_NE(file->nodeInfo(), node->nodeInfo()) << "a copy";
    ASSERT_TRUE(file->profile());
    EXPECT_EQ(file->profile()->title(), node->profile()->title());
    EXPECT_EQ(file->setting()->audioIndex(), 0);
    EXPECT_TRUE(file->thumbnail().isNull()) << "no snapshot";
}

TEST(GraphicsNodeFile, SilentVideoHasNoAudioChosenAndNoVideoMeansNoItem)
{
    filestest::app();
    QTemporaryDir dir;
    const QString silent = dir.filePath(QStringLiteral("slideshow.mp4"));
    const auto made = testsupport::runProcess(
        QStringLiteral("ffmpeg"), {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                   "testsrc2=size=64x48:rate=10:duration=1", "-c:v", "mpeg4", silent});
    ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
    const auto node = taggedSlideshow();
    convertGraphicsNodeToFileNode(*node, silent);
    ASSERT_TRUE(node->fileNode());
    EXPECT_EQ(node->fileNode()->setting()->audioIndex(), -1);

    convertGraphicsNodeToFileNode(*node, media(QStringLiteral("audio.mp3")));
    EXPECT_FALSE(node->fileNode());
}
