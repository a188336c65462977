// Damaged and wrong sources: each read either recovers (a damaged IFO with a good backup copy)
// or fails with an error and a log line; none brings the program down and none becomes a DVD
// item without titles.
#include "dvd/NXDVDUtilities.h"

#include "core/log/DNLogger.h"
#include "support/fixturecopy.h"
#include "support/paths.h"
#include "support/process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace testsupport;

namespace {

// The log goes to a folder of this test's own, so its lines can be read back.
class LogFolder : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        qputenv("XDG_DATA_HOME", dir_.path().toLocal8Bit());
        ASSERT_TRUE(QDir().mkpath(dir_.filePath(QStringLiteral("Harnvale/Talvane"))));
    }

private:
    QTemporaryDir dir_;
};
::testing::Environment *const logFolder = ::testing::AddGlobalTestEnvironment(new LogFolder);

QByteArray logText()
{
    QFile file(DNCurrentRoughLogPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool patchFile(const QString &path, qint64 offset, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(offset) && file.write(bytes) == bytes.size();
}

// The twelve-byte identifier at the start of every IFO and BUP file.
bool spoilIdentifier(const QString &path)
{
    return patchFile(path, 0, QByteArray(12, 'X'));
}

struct Damage
{
    const char *what;
    std::function<QString(const QString &work)> make; // returns the source path to read
    const char *reason = "";                          // what the error must also say
};

QString copyNtscFolder(const QString &work)
{
    return copyFixture(QStringLiteral("dvd/ntsc"), work);
}

} // namespace

TEST(DVDReadFailures, DamagedIfoWithGoodBackupStillReads)
{
    const char *files[] = {"VIDEO_TS.IFO", "VTS_01_0.IFO"};
    for (const char *file : files) {
        SCOPED_TRACE(file);
        QTemporaryDir work;
        const QString dvd = copyNtscFolder(work.path());
        ASSERT_FALSE(dvd.isEmpty());
        ASSERT_TRUE(spoilIdentifier(dvd + QStringLiteral("/VIDEO_TS/") + QLatin1String(file)));
        QString error;
        const auto structure = NXDVDUtilities::readDVDIFO(dvd, QString(), &error);
        ASSERT_TRUE(structure) << error.toStdString();
        EXPECT_EQ(structure->listOfTitles.size(), 3);
        EXPECT_NEAR(structure->listOfTitles.at(1)->length(), 10, 1);
    }
}

TEST(DVDReadFailures, UnreadableSourcesFailWithAnErrorAndALogLine)
{
    const Damage cases[] = {
        {"menu IFO and its backup both damaged",
         [](const QString &work) {
             const QString dvd = copyNtscFolder(work);
             spoilIdentifier(dvd + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO"));
             spoilIdentifier(dvd + QStringLiteral("/VIDEO_TS/VIDEO_TS.BUP"));
             return dvd;
         }},
        {"title-set IFO and its backup both damaged",
         [](const QString &work) {
             const QString dvd = copyNtscFolder(work);
             spoilIdentifier(dvd + QStringLiteral("/VIDEO_TS/VTS_01_0.IFO"));
             spoilIdentifier(dvd + QStringLiteral("/VIDEO_TS/VTS_01_0.BUP"));
             return dvd;
         }},
        {"folder without VIDEO_TS",
         [](const QString &work) {
             QDir(work).mkpath(QStringLiteral("NotADvd/AUDIO_TS"));
             return work + QStringLiteral("/NotADvd");
         }},
        {"path that does not exist", [](const QString &work) { return work + QStringLiteral("/Gone.iso"); }},
        {"empty ISO",
         [](const QString &work) {
             QFile(work + QStringLiteral("/Empty.iso")).open(QIODevice::WriteOnly);
             return work + QStringLiteral("/Empty.iso");
         }},
        {"truncated ISO",
         [](const QString &work) {
             QFile source(fixturePath(QStringLiteral("dvd/ntsc.iso")));
             QFile cut(work + QStringLiteral("/Cut.iso"));
             if (source.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly))
                 cut.write(source.read(64 * 1024));
             return cut.fileName();
         }},
        {"ISO image of something else",
         [](const QString &work) {
             QDir(work).mkpath(QStringLiteral("files"));
             QFile text(work + QStringLiteral("/files/readme.txt"));
             if (text.open(QIODevice::WriteOnly))
                 text.write("not a video disc\n");
             text.close();
             const auto made = runProcess(QStringLiteral("genisoimage"),
                                          {QStringLiteral("-quiet"), QStringLiteral("-o"),
                                           work + QStringLiteral("/Data.iso"), work + QStringLiteral("/files")});
             EXPECT_EQ(made.exitCode, 0) << made.output.toStdString();
             return work + QStringLiteral("/Data.iso");
         }},
        {"menu IFO damaged where libdvdread itself crashes",
         // One byte in the first-play program chain of the authored menu IFO makes libdvdread
         // free memory twice; the read runs in a child process, so only the read is lost.
         [](const QString &work) {
             const QString dvd = copyNtscFolder(work);
             patchFile(dvd + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO"), 1260, QByteArray(1, char(0xB4)));
             return dvd;
         },
         "damaged"},
    };
    for (const Damage &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir work;
        const QString source = c.make(work.path());
        ASSERT_FALSE(source.isEmpty());
        const qsizetype logBefore = logText().size();
        QString error;
        const auto structure = NXDVDUtilities::readDVDIFO(source, QString(), &error);
        EXPECT_FALSE(structure);
        EXPECT_TRUE(error.startsWith(QStringLiteral("dvdInfomation can not read."))) << error.toStdString();
        EXPECT_TRUE(error.contains(source)) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString();
        const QByteArray added = logText().mid(logBefore);
        EXPECT_TRUE(added.contains("dvdInfomation can not read.")) << added.toStdString();
        // The node maker gives nothing either, rather than a DVD item without titles.
        EXPECT_FALSE(NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(source)));
    }
}

TEST(DVDReadFailures, MissingOrForeignCompanionFails)
{
    const struct { const char *what; QString library; const char *message; } cases[] = {
        {"no such library", QStringLiteral("/nonexistent/libiforead.so"), "Error On Open Parse DVD Lib: "},
        {"library without the entry point", QStringLiteral("libm.so.6"), "has no get_dvd_info"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        const auto structure = NXDVDUtilities::readDVDIFO(fixturePath(QStringLiteral("dvd/ntsc")), QString(),
                                                          &error, c.library);
        EXPECT_FALSE(structure);
        EXPECT_TRUE(error.contains(QLatin1String(c.message))) << error.toStdString();
        EXPECT_TRUE(logText().contains(c.message));
    }
}
