// The disc-identifier tool: one identifier per disc whatever form it comes in, nothing but the
// identifier on standard output, and no output for what is no DVD.
#include "discrecords/MovieInfoLibrary.h"

#include "support/paths.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int exitCode;
    QByteArray out;
};

ToolRun runTool(const QString &argument)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    tool.start(testsupport::buildDir() + QStringLiteral("/lib/talvane/fws/HVDVDID"), {argument});
    EXPECT_TRUE(tool.waitForFinished(60000));
    return {tool.exitCode(), tool.readAllStandardOutput()};
}

} // namespace

TEST(HVDVDID, OneIdentifierPerDiscThatFitsTheCallersBuffer)
{
    const ToolRun folder = runTool(testsupport::fixturePath(QStringLiteral("dvd/ntsc")));
    const ToolRun image = runTool(testsupport::fixturePath(QStringLiteral("dvd/ntsc.iso")));
    const ToolRun pal = runTool(testsupport::fixturePath(QStringLiteral("dvd/pal")));
    for (const ToolRun &run : {folder, image, pal}) {
        EXPECT_EQ(run.exitCode, 0);
        // All 128 bits of the disc id, in fewer than the 31 bytes the lookup keeps, and no
        // library notice mixed in.
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Za-z0-9_-]{22}$")).match(QString::fromLatin1(run.out)).hasMatch())
            << run.out.constData();
        EXPECT_LT(run.out.size(), int(kMovieInfoDiscIDSize));
    }
    EXPECT_EQ(folder.out, image.out);
    EXPECT_NE(folder.out, pal.out);
}

TEST(HVDVDID, NoDVDGivesNoIdentifier)
{
    const QString cases[] = {testsupport::buildDir() + QStringLiteral("/no/such/disc"),
                             testsupport::fixturePath(QStringLiteral("media"))};
    for (const QString &path : cases) {
        const ToolRun run = runTool(path);
        EXPECT_NE(run.exitCode, 0) << path.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();
    }
}
