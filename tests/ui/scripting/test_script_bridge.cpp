// The script bridge: arguments as the handlers see them, the mail step through a stand-in
// xdg-email that records its arguments, and the media-library step as a real copy into the videos
// folder of the test's own home.
#include "../mainwindow/shell_test_support.h"

#include "ui/mainwindow/NXAppController.h"
#include "ui/scripting/NXAppleScriptHandle.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// A videos folder of the test's own, named in the XDG user-dirs file of the test's home.
QString useVideosFolder(const QTemporaryDir &dir)
{
    const QString videos = dir.filePath(QStringLiteral("Videos"));
    QDir().mkpath(videos);
    QFile dirs(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/user-dirs.dirs"));
    EXPECT_TRUE(dirs.open(QIODevice::WriteOnly | QIODevice::Truncate));
    dirs.write(QStringLiteral("XDG_VIDEOS_DIR=\"%1\"\n").arg(videos).toUtf8());
    return videos;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString logText()
{
    return QString::fromUtf8(bytesOf(DNCurrentRoughLogPath()));
}

// A stand-in xdg-email first on PATH: it writes its arguments, each ended by a NUL byte.
struct MailStandIn
{
    QTemporaryDir dir;
    QByteArray oldPath = qgetenv("PATH");
    QString record = dir.filePath(QStringLiteral("record"));

    MailStandIn()
    {
        const QString script = dir.filePath(QStringLiteral("xdg-email"));
        writeFile(script, QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '%1.tmp'\n"
                                         "mv '%1.tmp' '%1'\n")
                              .arg(record)
                              .toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + oldPath);
    }
    ~MailStandIn() { qputenv("PATH", oldPath); }

    // The recorded arguments, once the stand-in has run.
    QStringList arguments()
    {
        if (!QTest::qWaitFor([this] { return QFile::exists(record); }, 60000))
            return {QStringLiteral("<xdg-email did not run>")};
        QStringList arguments = QString::fromUtf8(bytesOf(record)).split(QChar(0));
        arguments.removeLast();
        return arguments;
    }
};

TEST(ScriptBridge, ArgumentsBecomeDescriptors)
{
    using D = NXScriptDescriptor;
    const struct
    {
        QVariant object;
        D expected;
    } cases[] = {
        {QVariant(), D::null()},
        {QStringLiteral("Movie.mp4"), D::string(QStringLiteral("Movie.mp4"))},
        {42, D::number(42)},
        {3.7, D::number(3)},
        {QStringList{QStringLiteral("a"), QStringLiteral("b")}, D::list({D::string("a"), D::string("b")})},
        {QVariantList{QVariantList{1, 2}, QStringLiteral("x")},
         D::list({D::list({D::number(1), D::number(2)}), D::string("x")})},
        {QVariantMap{{QStringLiteral("k"), 1}}, D::null()},
        {QDateTime::currentDateTime(), D::null()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected.description().toStdString());
        EXPECT_EQ(NXAppleScriptHandle::appleEventDescWithObject(c.object), c.expected);
    }
    EXPECT_EQ(D::list({D::list({D::number(1)}), D::string("x"), D::null()}).description(),
              QStringLiteral("[[1], \"x\", null]"));
}

TEST(ScriptBridge, UnknownScriptsAndHandlersFail)
{
    shelltest::app();
    EXPECT_TRUE(NXAppleScriptHandle::pathForScript(QStringLiteral("asNothing")).isEmpty());
    EXPECT_FALSE(NXAppleScriptHandle::executeScriptWithPath(QStringLiteral("asNothing"), QStringLiteral("run"), {}));
    EXPECT_FALSE(logText().contains(QStringLiteral("asNothing")));

    EXPECT_FALSE(NXAppleScriptHandle::executeScriptWithPath(QStringLiteral("asCopy2iTunes"),
                                                            QStringLiteral("no_such_handler"), {1}));
    EXPECT_TRUE(logText().contains(QStringLiteral("error while executing script. Error asCopy2iTunes does not "
                                                  "understand the \"no_such_handler\" message")));
    // Run as a whole, a script of handlers does nothing and succeeds.
    EXPECT_TRUE(NXAppleScriptHandle::executeScriptWithPath(QStringLiteral("asSendEmail"), QString(), {}));
}

TEST(ScriptBridge, MailMessageGoesToXdgEmailUnquoted)
{
    shelltest::app();
    const struct
    {
        const char *name;
        QString address, subject, body;
        QStringList attachments;
        QStringList expected;
    } cases[] = {
        // Quotes and a backslash travel as they are: no shell and no script text in between.
        {"two attachments",
         QStringLiteral("support@example.org"),
         QStringLiteral("Talvane [1060] (\"1.0\")"),
         QStringLiteral("It said \\ \"no\"."),
         {QStringLiteral("/tmp/a log.txt"), QStringLiteral("/tmp/b.txt")},
         {"--utf8", "--subject", "Talvane [1060] (\"1.0\")", "--body", "It said \\ \"no\".\n", "--attach",
          "/tmp/a log.txt", "--attach", "/tmp/b.txt", "support@example.org"}},
        {"no attachment, no body",
         QStringLiteral("support@example.org"),
         QStringLiteral("Hello"),
         QString(),
         {},
         {"--utf8", "--subject", "Hello", "support@example.org"}},
        {"an address is never an option",
         QStringLiteral("-x@example.org"),
         QStringLiteral("Hi"),
         QString(),
         {},
         {"--utf8", "--subject", "Hi", "mailto:-x@example.org"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        MailStandIn standIn;
        NXAppleScriptHandle::sendEmailWithMail(c.address, c.subject, c.attachments, c.body);
        EXPECT_EQ(standIn.arguments(), c.expected);
    }

    // The handler call of the mail script: five arguments, the first not read.
    MailStandIn standIn;
    EXPECT_TRUE(NXAppleScriptHandle::sendEmailWith(QStringLiteral("Mail"), QStringLiteral("me@example.org"),
                                                   QStringLiteral("Log"), QStringLiteral("See the log."),
                                                   {QStringLiteral("/tmp/Talvane.log")}));
    EXPECT_EQ(standIn.arguments(), (QStringList{"--utf8", "--subject", "Log", "--body", "See the log.", "--attach",
                                                "/tmp/Talvane.log", "me@example.org"}));
    EXPECT_TRUE(logText().contains(QStringLiteral("Script execution has succeed. Result(0)")));
}

TEST(ScriptBridge, LibraryStepCopiesFinishedFilesIntoTheVideosFolder)
{
    shelltest::app();
    QTemporaryDir home;
    const QString videos = useVideosFolder(home);
    const QString library = videos + QStringLiteral("/Talvane Library");
    EXPECT_EQ(NXAppleScriptHandle::mediaLibraryFolder(), library);
    QTemporaryDir out;
    const QString movie = out.filePath(QStringLiteral("Movie.mp4"));
    writeFile(movie, QByteArray(300000, 'm'));

    EXPECT_TRUE(NXAppleScriptHandle::copyMediaFile2iTunes({movie}));
    EXPECT_EQ(bytesOf(library + QStringLiteral("/Movie.mp4")), bytesOf(movie));
    EXPECT_TRUE(logText().contains(QStringLiteral("Result([\"%1/Movie.mp4\"])").arg(library)));
    // The same file again is kept beside the first; no unfinished copy stays behind.
    EXPECT_TRUE(NXAppleScriptHandle::copyMediaFile2iTunes({movie}));
    EXPECT_EQ(QDir(library).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("Movie (1).mp4"), QStringLiteral("Movie.mp4")}));

    // A name as long as a file system takes is copied under a shorter hidden name, then named whole.
    const QString longName = QString(125, QChar(0x00e9)) + QStringLiteral(".mp4");
    const QString longMovie = out.filePath(longName);
    writeFile(longMovie, QByteArray("long"));
    EXPECT_TRUE(NXAppleScriptHandle::copyMediaFile2iTunes({longMovie}));
    EXPECT_EQ(bytesOf(library + QLatin1Char('/') + longName), QByteArray("long"));
    QFile::remove(library + QLatin1Char('/') + longName);

    // Titles name files inside the library only; a missing file fails the step but not the others.
    const QString other = out.filePath(QStringLiteral("Other.m4v"));
    writeFile(other, QByteArray("other"));
    EXPECT_FALSE(NXAppleScriptHandle::copyMediaFile2iTunes(
        {out.filePath(QStringLiteral("gone.mp4")), other}, {QStringLiteral("gone.mp4"), QStringLiteral("../up.m4v")}));
    EXPECT_EQ(bytesOf(library + QStringLiteral("/Other.m4v")), QByteArray("other"));
    EXPECT_FALSE(QFile::exists(videos + QStringLiteral("/up.m4v")));
    EXPECT_TRUE(logText().contains(QStringLiteral("error while executing script. Error %1: no such file")
                                       .arg(out.filePath(QStringLiteral("gone.mp4")))));

    try {
        NXAppleScriptHandle::copyMediaFile2iTunes({movie}, {});
        ADD_FAILURE() << "no exception";
    } catch (const NXScriptArgumentException &e) {
        EXPECT_EQ(e.name(), QStringLiteral("Count did not match exception"));
        EXPECT_EQ(e.reason(), QStringLiteral("param <files count != titles count>"));
    }
}

// The conversion run's library thread hands on only existing ".mp4" and ".m4v" outputs.
TEST(ScriptBridge, ConversionRunAddsOnlyFinishedMp4AndM4vFiles)
{
    shelltest::app();
    QTemporaryDir home;
    const QString library = useVideosFolder(home) + QStringLiteral("/Talvane Library");
    QTemporaryDir out;
    QStringList outputs;
    for (const char *name : {"a.mp4", "b.m4v", "c.MP4", "d.mkv"}) {
        outputs << out.filePath(QString::fromLatin1(name));
        writeFile(outputs.last(), QByteArray(name));
    }
    outputs << out.filePath(QStringLiteral("never-written.mp4"));

    NXAppController controller;
    // On a thread of its own, as the run starts it.
    QThread *copy = QThread::create([&controller, outputs] { controller.addToAppleiTunesThread(outputs); });
    copy->start();
    ASSERT_TRUE(copy->wait(30000));
    delete copy;
    EXPECT_EQ(QDir(library).entryList(QDir::Files), (QStringList{QStringLiteral("a.mp4"), QStringLiteral("b.m4v")}));
}

} // namespace
