#pragma once

// What the main-window and application tests share: an application object whose user settings,
// data folder and log live in a folder of the test process's own (so the tests neither see nor
// change another test's settings), opening of pages and folders recorded instead of carried out,
// and the folder that window pictures are saved in.
#include "core/log/DNLogger.h"
#include "core/util/DNSystemActions.h"
#include "ui/editor/DNVideoEditorController.h"
#include "ui/editor/panel/DNTabView.h"
#include "ui/mainwindow/NXAppController.h"
#include "support/paths.h"
#include "ui/ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QProcess>
#include <QSettings>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>
#include <unistd.h>

namespace shelltest {

// The folder of this test process: <build>/test-home/shell-<pid>.
inline QString homeDir()
{
    static const QString dir = testsupport::buildDir()
        + QStringLiteral("/test-home/shell-%1").arg(qint64(::getpid()));
    return dir;
}

// Targets handed to the system's "open" (web pages, folders), in order.
inline QStringList &openedTargets()
{
    static QStringList targets;
    return targets;
}

inline QApplication &app()
{
    static QApplication *application = [] {
        QDir(homeDir()).removeRecursively();
        QDir().mkpath(homeDir() + QStringLiteral("/config"));
        QDir().mkpath(homeDir() + QStringLiteral("/data"));
        QDir().mkpath(homeDir() + QStringLiteral("/log"));
        // Before anything reads a setting: the settings path is fixed at first use.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(homeDir() + QStringLiteral("/config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(homeDir() + QStringLiteral("/data")));
        static int argc = 1;
        static char name[] = "talvane-test";
        static char *argv[] = {name, nullptr};
        // Never destroyed: tearing the application down in the exit handlers, after Qt's own
        // globals are gone, crashes the test process on its way out.
        auto *created = new QApplication(argc, argv);
        uitest::drainCapturesAtTheEnd();
        QCoreApplication::setOrganizationName(QStringLiteral("Harnvale"));
        QCoreApplication::setApplicationName(QStringLiteral("Talvane"));
        DNSetOpenHandler([](const QString &target) {
            openedTargets().append(target);
            return true;
        });
        DNSetPowerRequestHandler([](DNPowerRequest) { return false; });
        DNLogger::shareRoughLog().redirect(homeDir() + QStringLiteral("/log"));
        return created;
    }();
    return *application;
}

inline QString logText()
{
    QFile file(DNLogger::shareRoughLog().roughLogFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// <build>/test-output/<folder>/<name>.png
inline QString saveWindowPicture(QWidget *window, const QString &folder, const QString &name)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/test-output/") + folder;
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    EXPECT_TRUE(window->grab().save(path)) << path.toStdString();
    return path;
}

inline QVariant userSetting(const QString &key)
{
    const QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    return settings.value(key);
}

inline void setUserSetting(const QString &key, const QVariant &value)
{
    QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    if (value.isValid())
        settings.setValue(key, value);
    else
        settings.remove(key);
    settings.sync();
}

// Runs this test executable again, with only the test named and role set in its environment,
// on this process's settings folder (a restart of the program), and answers the JSON object
// that run prints.
inline QJsonObject jsonPrintedByAnotherRun(const char *role, const QString &test)
{
    QProcess reader;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(role), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    reader.setProcessEnvironment(env);
    reader.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + test});
    EXPECT_TRUE(reader.waitForFinished(60000));
    const QByteArray out = reader.readAllStandardOutput();
    const qsizetype start = out.indexOf("{\"");
    const qsizetype end = out.lastIndexOf('}');
    return start < 0 ? QJsonObject() : QJsonDocument::fromJson(out.mid(start, end - start + 1)).object();
}

// The video editor the main window opened shows item on the page named tab; Done closes it
// once the item plays.
inline void expectVideoEditorOpenOn(NXAppController &controller, const NXMediaNodePtr &item, const QString &tab)
{
    DNVideoEditorController *editor = controller.videoEditorController;
    ASSERT_TRUE(editor && editor->panel()->isVisible());
    EXPECT_EQ(editor->mediaNode(), item);
    EXPECT_EQ(editor->editorTabView()->selectedTabViewItem()->identifier(), tab);
    ASSERT_TRUE(uitest::waitFor([&] { return editor->doneButton()->isEnabled(); }, 60000));
    editor->doneButton()->click();
    EXPECT_FALSE(editor->panel()->isVisible());
}

} // namespace shelltest
