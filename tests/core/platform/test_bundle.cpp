#include "core/platform/DNBundle.h"
#include "support/paths.h"

#include <QDir>
#include <gtest/gtest.h>

// Test executables live in build/tests-bin, one folder below the build tree's prefix, so the
// bundle resolves the same share/ and fws/ folders the program uses.
TEST(DNBundle, ResolvesBuildTreeLayoutFromExecutable)
{
    DNBundle::setPrefixOverride({});
    EXPECT_EQ(QDir(DNBundle::prefixPath()).canonicalPath(), QDir(testsupport::buildDir()).canonicalPath());
    EXPECT_TRUE(DNBundle::resourcePath().endsWith("/share/talvane"));
    EXPECT_TRUE(DNBundle::pathForCompanion("hvvideocore.so").endsWith("/lib/talvane/fws/hvvideocore.so"));
}

TEST(DNBundle, OverrideWinsAndClears)
{
    DNBundle::setPrefixOverride("/opt/x/");
    EXPECT_EQ(DNBundle::pathForResource("profiles/DVD"), "/opt/x/share/talvane/profiles/DVD");
    DNBundle::setPrefixOverride({});
    EXPECT_NE(DNBundle::prefixPath(), "/opt/x");
}

// A companion executable in fws/ (the image-to-video engine reads the slideshow's pictures from
// share/) resolves the same prefix as the program in bin/.
TEST(DNBundle, CompanionFolderResolvesTheProgramsPrefix)
{
    EXPECT_EQ(DNBundle::prefixForExecutableFolder("/opt/t/bin"), "/opt/t");
    EXPECT_EQ(DNBundle::prefixForExecutableFolder("/opt/t/lib/talvane/fws"), "/opt/t");
    EXPECT_EQ(DNBundle::prefixForExecutableFolder("/opt/t/lib/talvane/fws/"), "/opt/t");
    EXPECT_EQ(DNBundle::prefixForExecutableFolder("/opt/t/tests-bin"), "/opt/t");
    EXPECT_EQ(DNBundle::prefixForExecutableFolder("/opt/t/lib/other"), "/opt/t/lib");
}
