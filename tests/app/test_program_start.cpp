// The program itself and its relauncher, as separate processes: the program starts to its main
// window without a display, and the relauncher starts a program again only once the old
// process has ended.
#include "support/descriptors.h"
#include "support/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The waits below run the event loop.
QCoreApplication &app()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *application = new QCoreApplication(argc, argv);
    return *application;
}

QString relauncher()
{
    return testsupport::buildDir() + QStringLiteral("/lib/talvane/fws/appRelauncher");
}

// An executable script that writes marker when it runs.
QString markerScript(const QTemporaryDir &dir, const QString &marker)
{
    const QString path = dir.filePath(QStringLiteral("program.sh"));
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return path;
}

bool waitFor(const std::function<bool()> &condition, int milliseconds = 20000)
{
    app();
    return QTest::qWaitFor(condition, milliseconds);
}

TEST(AppRelauncher, StartsTheProgramOnlyAfterTheOldProcessEnded)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("marker"));
    const QString program = markerScript(dir, marker);

    QProcess old;
    old.start(QStringLiteral("/bin/sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(old.waitForStarted());

    QProcess relaunch;
    relaunch.start(relauncher(), {program, QString::number(old.processId())});
    ASSERT_TRUE(relaunch.waitForStarted());
    // While the old process lives the relauncher waits and starts nothing.
    app();
    QTest::qWait(300);
    EXPECT_EQ(relaunch.state(), QProcess::Running);
    EXPECT_FALSE(QFileInfo::exists(marker));

    old.kill();
    ASSERT_TRUE(old.waitForFinished());
    ASSERT_TRUE(relaunch.waitForFinished(20000));
    EXPECT_EQ(relaunch.exitCode(), 0);
    EXPECT_TRUE(waitFor([&] { return QFileInfo::exists(marker); }));
}

// The program started again holds none of the descriptors the relauncher was started with.
TEST(AppRelauncher, TheProgramStartsWithNoneOfItsDescriptors)
{
    const testsupport::DescriptorWatch watch(QStringLiteral("program"));
    ASSERT_TRUE(watch.isReady());
    QProcess old;
    old.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(old.waitForStarted());
    const QString oldPid = QString::number(old.processId());
    ASSERT_TRUE(old.waitForFinished());

    // A plain QProcess hands descriptor 7 on to the relauncher.
    QProcess relaunch;
    relaunch.start(relauncher(), {watch.standIn, oldPid});
    ASSERT_TRUE(relaunch.waitForFinished(20000));
    EXPECT_EQ(relaunch.exitCode(), 0);
    ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(watch.listing); }));
    const QMap<int, QString> listed = watch.listed();
    EXPECT_EQ(listed.keys(), (QList<int>{0, 1, 2})) << testsupport::describeDescriptors(listed).toStdString();
}

TEST(AppRelauncher, RefusesBadArguments)
{
    QTemporaryDir dir;
    const QString program = markerScript(dir, dir.filePath(QStringLiteral("marker")));
    const struct
    {
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {{}, 2},
        {{program}, 2},
        {{program, QStringLiteral("12x")}, 2},
        {{program, QStringLiteral("-5")}, 2},
        {{dir.filePath(QStringLiteral("missing")), QStringLiteral("1")}, 1},
    };
    for (const auto &c : cases) {
        QProcess relaunch;
        relaunch.start(relauncher(), c.arguments);
        ASSERT_TRUE(relaunch.waitForFinished(20000));
        EXPECT_EQ(relaunch.exitCode(), c.exitCode) << c.arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("marker"))));
}

// Starts the program without a display, as a first run in home, with argument as the path it is
// asked to open. The start page a first run opens goes to a stand-in for the system's opener,
// which records it in home/opened.
void startProgram(QProcess &program, const QTemporaryDir &home, const QString &argument)
{
    QDir().mkpath(home.filePath(QStringLiteral("bin")));
    QFile opener(home.filePath(QStringLiteral("bin/xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(home.filePath(QStringLiteral("opened"))).toUtf8());
    opener.close();
    opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("PATH"), home.filePath(QStringLiteral("bin")) + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    env.remove(QStringLiteral("TALVANE_PREFIX"));
    program.setProcessEnvironment(env);
    program.start(testsupport::buildDir() + QStringLiteral("/bin/talvane"), {argument});
    ASSERT_TRUE(program.waitForStarted());
}

bool logHolds(const QTemporaryDir &home, const QByteArray &text)
{
    QFile file(home.filePath(QStringLiteral("data/Harnvale/Talvane/Talvane.log")));
    return file.open(QIODevice::ReadOnly) && file.readAll().contains(text);
}

// The program reaches its main window (the launch sequence logs its build date) and keeps
// running; a file it is started with is taken as a request to open it, not as an option.
TEST(ProgramStart, StartsWithoutADisplayAndKeepsRunning)
{
    QTemporaryDir home;
    QProcess program;
    startProgram(program, home, testsupport::fixturePath(QStringLiteral("media/clip.mp4")));
    EXPECT_TRUE(waitFor([&] { return logHolds(home, "BUILD DATE:"); }, 60000))
        << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_TRUE(waitFor([&] { return QFileInfo::exists(home.filePath(QStringLiteral("opened"))); }));
    program.kill();
    program.waitForFinished();
}

// A DVD image given on the command line (or opened from the file manager) is loaded as a DVD.
TEST(ProgramStart, LoadsADVDImageGivenOnTheCommandLine)
{
    QTemporaryDir home;
    QProcess program;
    startProgram(program, home, testsupport::fixturePath(QStringLiteral("dvd/ntsc.iso")));
    EXPECT_TRUE(waitFor([&] { return logHolds(home, "Finished add Node to Table View"); }, 60000))
        << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
}

} // namespace
