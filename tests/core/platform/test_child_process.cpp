// The programs the program starts through Qt (players, tools, helpers) and its detached helpers
// (mail, open, the relauncher) hold standard input, output and error and nothing else of the
// program's descriptors, also none it was itself started with (descriptor 7 here).
#include "core/platform/DNChildProcess.h"

#include "support/descriptors.h"
#include "support/process.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

namespace {

TEST(ChildProcess, AProcessKeepsOnlyTheStandardDescriptors)
{
    const testsupport::DescriptorWatch watch(QStringLiteral("helper"));
    ASSERT_TRUE(watch.isReady());
    QProcess process;
    DNKeepOnlyStandardDescriptors(process);
    process.start(watch.standIn, {});
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitCode(), 0);
    const QMap<int, QString> listed = watch.listed();
    EXPECT_EQ(listed.keys(), (QList<int>{0, 1, 2})) << testsupport::describeDescriptors(listed).toStdString();
}

// A start that fails still says why, as Qt says it (the modifier leaves Qt's own report alone).
TEST(ChildProcess, AProcessThatCannotStartStillSaysWhy)
{
    QProcess process;
    DNKeepOnlyStandardDescriptors(process);
    process.start(QStringLiteral("/nonexistent/helper"), {});
    EXPECT_FALSE(process.waitForStarted());
    EXPECT_EQ(process.error(), QProcess::FailedToStart);
    EXPECT_TRUE(process.errorString().contains(QStringLiteral("No such file or directory"))) << process.errorString().toStdString();
}

TEST(ChildProcess, ADetachedHelperKeepsOnlyTheStandardDescriptors)
{
    const testsupport::DescriptorWatch watch(QStringLiteral("helper"));
    ASSERT_TRUE(watch.isReady());
    QString why;
    ASSERT_TRUE(DNStartDetached(watch.standIn, {}, &why)) << why.toStdString();
    ASSERT_TRUE(testsupport::waitFor([&] { return QFileInfo::exists(watch.listing); }));
    const QMap<int, QString> listed = watch.listed();
    EXPECT_EQ(listed.keys(), (QList<int>{0, 1, 2})) << testsupport::describeDescriptors(listed).toStdString();
}

TEST(ChildProcess, ADetachedHelperThatCannotStartSaysWhy)
{
    QString why;
    EXPECT_FALSE(DNStartDetached(QStringLiteral("talvane-no-such-helper"), {QStringLiteral("x")}, &why));
    EXPECT_EQ(why, QStringLiteral("could not start talvane-no-such-helper: No such file or directory"));
}

} // namespace
