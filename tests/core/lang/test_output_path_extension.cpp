#include "core/lang/OutputPathExtension.h"

#include <gtest/gtest.h>

namespace {

struct ExtensionCase
{
    QString path;
    QString extension;
    int mode;
    QString expected;
};

TEST(FixOutputPathExtension, ReplacesOrAppendsByMode)
{
    const ExtensionCase cases[] = {
        {"/out/clip.avi", "mp4", 0, "/out/clip.avi.mp4"},
        {"/out/clip.MP4", "mp4", 0, "/out/clip.MP4"},
        {"/out/clip", "mp4", 0, "/out/clip.mp4"},
        {"/out/clip.avi", "mp4", 1, "/out/clip.mp4"},
        {"/out/clip", "mp4", 1, "/out/clip.mp4"},
        {"/out/clip.tar.gz", "mkv", 1, "/out/clip.tar.mkv"},
        {"/out.d/clip", "mp4", 1, "/out.d/clip.mp4"},
        {"/out/.hidden", "mp4", 1, "/out/.hidden.mp4"},
        {"clip.avi", QString(), 1, "clip.avi"},
        {"clip.avi", "mp4", 2, "clip.avi"},
        {"clip.avi", "mp4", -1, "clip.avi"},
    };
    for (const ExtensionCase &c : cases)
        EXPECT_EQ(FixOutputPathExtension(c.path, c.extension, c.mode), c.expected)
            << c.path.toStdString() << " " << c.extension.toStdString() << " " << c.mode;
}

} // namespace
