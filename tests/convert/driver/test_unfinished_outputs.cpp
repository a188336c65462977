// Nothing unfinished carries a final name: every engine writes under a hidden name, the output is
// read to its end before it is named, and a pass that runs out of disk, is stopped at any moment,
// loses its engine or cannot name its output leaves nothing behind. Real engines, the NTSC disc.

#include "UnfinishedOutputSupport.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNPartialOutput.h"
#include "slideshow/engine/NXImageEngineJob.h"
#include "support/fixturecopy.h"
#include "support/process.h"
#include "support/smallfs.h"

#include "convert/files/DNMediaFileProbe.h"
#include "core/platform/DNBundle.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <csignal>
#include <random>

using namespace drivertest;

namespace {

DNDVDNodePtr discWithTrimmedTitle(const char *profile, int titleIndex, double seconds)
{
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(profile));
    if (node && seconds > 0)
        trimTitle(node->titleAt(titleIndex), 0, seconds);
    return node;
}

// A conversion of the disc's second title (its first seconds, or all of it for 0) into a folder
// of its own, running on a worker as the shell runs it.
struct RunningConversion
{
    QTemporaryDir out;
    DNDVDNodePtr node;
    StateLog log;
    std::future<int> result;

    RunningConversion(const char *profile, double seconds)
    {
        useOutputFolder(out.path());
        node = discWithTrimmedTitle(profile, 1, seconds);
        if (node)
            result = startOnWorker(node.get(), 1, &log);
    }
};

} // namespace

// A disk that fills up during the pass: mencoder says nothing and exits 0 with a cut AVI whose
// header still claims the whole length; ffmpeg and HandBrakeCLI fail. None of them leaves a file.
TEST(UnfinishedOutputs, FullDiskLeavesNoFile)
{
    const char *profiles[] = {"Video_Other_AVI_DIVX.plist", "MacGen_MP4_MPEG4.plist", "DVDFullBackup.plist",
                              "DVDBackupMKV.plist"};
    for (const char *profile : profiles) {
        SCOPED_TRACE(profile);
        testsupport::SmallFileSystem disk(256 * 1024);
        ASSERT_TRUE(disk.isValid());
        useOutputFolder(disk.path());
        DNDVDNodePtr node = discWithTrimmedTitle(profile, 1, 6);
        ASSERT_TRUE(node);
        EXPECT_NE(DNVideoConverterStart(node.get(), 1, nullptr, nullptr), 0);
        EXPECT_EQ(entriesIn(disk.path()), QStringList());
    }
}

// A disk left with less room than a page of a file after the pass: a whole output is kept, by
// the mencoder road and by the file road.
TEST(UnfinishedOutputs, ANearlyFullDiskKeepsAWholeOutput)
{
    const struct
    {
        const char *profile;
        bool file;
    } cases[] = {{"Music_MP3.plist", false}, {"Audio_MP3.plist", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.profile);
        const auto item = [&]() -> NXMediaNodePtr {
            if (c.file) {
                DNFileNodePtr file;
                QString error;
                file = fileNodeWithFile(testsupport::fixturePath(QStringLiteral("fileroad/h264_aac.mp4")), false, &error);
                if (file)
                    file->setProfile(DNProfile::parserFromContentOfFile(
                        DNBundle::pathForResource(QStringLiteral("profiles/Video/") + QLatin1String(c.profile))));
                return file;
            }
            return discWithTrimmedTitle(c.profile, 1, 6);
        };
        const auto outputOf = [&](const NXMediaNodePtr &node) {
            return c.file ? std::static_pointer_cast<DNFileNode>(node)->outputName()
                          : std::static_pointer_cast<DNDVDNode>(node)->titleAt(1)->outputName();
        };
        const int titleIndex = c.file ? 0 : 1;
        // The size of the output, measured on a roomy disk first.
        QTemporaryDir roomy;
        useOutputFolder(roomy.path());
        const NXMediaNodePtr first = item();
        ASSERT_TRUE(first);
        ASSERT_EQ(DNVideoConverterStart(first.get(), titleIndex, nullptr, nullptr), 0);
        const qint64 size = QFileInfo(outputOf(first)).size();
        ASSERT_GT(size, 0);

        testsupport::SmallFileSystem disk(size + 40 * 1024);
        ASSERT_TRUE(disk.isValid());
        if (!disk.isMounted())
            GTEST_SKIP() << "no file system of a given size can be mounted here";
        useOutputFolder(disk.path());
        const NXMediaNodePtr second = item();
        ASSERT_EQ(DNVideoConverterStart(second.get(), titleIndex, nullptr, nullptr), 0);
        expectOnlyTheWholeOutput(disk.path(), outputOf(second));
        EXPECT_LT(QStorageInfo(disk.path()).bytesAvailable(), 64 * 1024);
    }
}

// Stops at random moments of passes of every engine: each run either finished before the stop
// came, with its whole output under its name, or left nothing at all.
TEST(UnfinishedOutputs, StopAtAnyMomentLeavesAWholeFileOrNothing)
{
    struct Engine
    {
        const char *profile;
        int latestStopMs;
    } engines[] = {
        {"Video_Other_AVI_DIVX.plist", 1500}, {"MacGen_MP4_MPEG4.plist", 1500}, {"DVDFullBackup.plist", 400},
        {"DVDBackupMKV.plist", 1500},         {"DVDBackupISO.plist", 300},
    };
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    for (int attempt = 0; attempt < 20; ++attempt) {
        const Engine &engine = engines[attempt % std::size(engines)];
        const int delayMs = std::uniform_int_distribution<int>(0, engine.latestStopMs)(random);
        SCOPED_TRACE(std::string(engine.profile) + " stopped after " + std::to_string(delayMs) + " ms");
        RunningConversion run(engine.profile, 3);
        ASSERT_TRUE(run.node);
        FinalNameWatch watch(run.out.path());
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        DNVideoConverterStop();
        const int result = run.result.get();
        EXPECT_EQ(watch.seenUnfinished(), QStringList());
        if (result == 0)
            expectOnlyTheWholeOutput(run.out.path(), run.node->titleAt(1)->outputName());
        else
            EXPECT_EQ(entriesIn(run.out.path()), QStringList()) << "result " << result;
    }
}

// An engine killed in the middle of its pass: the pass fails and its file goes.
TEST(UnfinishedOutputs, KilledEngineLeavesNoFile)
{
    struct Case
    {
        const char *profile;
        const char *engine;
    } cases[] = {
        {"Video_Other_AVI_DIVX.plist", "mencoder"},
        {"DVDFullBackup.plist", "mplayer"},
        {"DVDBackupMKV.plist", "HandBrakeCLI"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.profile);
        // A quick engine on a busy machine may still finish inside one slice; that run says
        // nothing about a kill, so it is tried again.
        bool killed = false;
        for (int attempt = 0; attempt < 5 && !killed; ++attempt) {
            RunningConversion run(c.profile, 0);
            ASSERT_TRUE(run.node);
            QList<qint64> found;
            ASSERT_TRUE(waitFor([&] {
                found = testsupport::descendantProcesses(QString::fromLatin1(c.engine));
                return !found.isEmpty() || run.result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
            }));
            ASSERT_EQ(found.size(), 1) << "the conversion ended before its engine was seen";
            // Held at once, then let go in short slices until it has written part of its file:
            // quick engines would otherwise end before the kill.
            const qint64 engine = found.first();
            const auto written = [&run] {
                for (const QFileInfo &entry : QDir(run.out.path()).entryInfoList(QDir::Files | QDir::Hidden))
                    if (entry.size() > 0)
                        return true;
                return false;
            };
            bool held = holdProcess(engine);
            for (int slice = 0; held && slice < 5000 && !written(); ++slice) {
                ::kill(pid_t(engine), SIGCONT);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                held = holdProcess(engine);
            }
            if (!held) {
                run.result.get();
                continue;
            }
            ::kill(pid_t(engine), SIGKILL);
            killed = true;
            EXPECT_NE(run.result.get(), 0);
            EXPECT_EQ(entriesIn(run.out.path()), QStringList());
        }
        EXPECT_TRUE(killed) << "the engine ended before it could be killed, five times";
    }
}

// A disc damaged after it was loaded, where libdvdread itself crashes reading it (one byte of the
// menu IFO's first-play chain makes it free memory twice): the conversion reads the disc in a
// child process, so the pass fails with a log line and the program goes on.
TEST(UnfinishedOutputs, DiscDamagedAfterLoadingCostsOnlyThePass)
{
    QTemporaryDir logs;
    DNLogger::shareRoughLog().redirect(logs.path());
    for (const char *profile : {"Video_Other_AVI_DIVX.plist", "DVDBackupISO.plist"}) {
        SCOPED_TRACE(profile);
        QTemporaryDir work;
        const QString disc = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), work.path());
        QString error;
        DNDVDNodePtr node =
            NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(disc), &error);
        ASSERT_TRUE(node) << error.toStdString();
        node->setProfile(shippedProfile(QString::fromLatin1(profile)));
        trimTitle(node->titleAt(1), 0, 2);

        QFile ifo(disc + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO"));
        ASSERT_TRUE(ifo.open(QIODevice::ReadWrite) && ifo.seek(1260) && ifo.write(QByteArray(1, char(0xB4))) == 1);
        ifo.close();

        QTemporaryDir out;
        useOutputFolder(out.path());
        EXPECT_NE(DNVideoConverterStart(node.get(), 1, nullptr, nullptr), 0);
        EXPECT_EQ(entriesIn(out.path()), QStringList());
    }
    QFile log(DNCurrentRoughLogPath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("the DVD's data is damaged: the disc's structure is damaged (the reader stopped"));
}

// Paths the engines cannot take fail the run with a log line; nothing is written elsewhere.
TEST(UnfinishedOutputs, PathsTooLongForTheEnginesFailTheRun)
{
    QTemporaryDir deepRoot;
    QString deep = deepRoot.path();
    while (deep.toUtf8().size() < MaxCharLength)
        deep += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    ASSERT_TRUE(QDir().mkpath(deep));
    EXPECT_FALSE(outputFolderFitsEngines(deep));
    useOutputFolder(deep);
    DNDVDNodePtr node = discWithTrimmedTitle("Music_MP3.plist", 2, 1);
    ASSERT_TRUE(node);
    EXPECT_EQ(DNVideoConverterStart(node.get(), 2, nullptr, nullptr), ConvertResultFailed);
    EXPECT_TRUE(node->titleAt(2)->outputName().isEmpty());

    // A name of more bytes than a file system takes.
    QTemporaryDir out;
    useOutputFolder(out.path());
    node->nodeInfo()->setOutputName(QString(300, QChar(0x00e9)));
    EXPECT_EQ(DNVideoConverterStart(node.get(), 2, nullptr, nullptr), ConvertResultFailed);
    EXPECT_EQ(entriesIn(out.path()), QStringList());
}

// The hidden names: beside the output, with its extension, short enough for the file system,
// and noted as this run's until they are settled.
TEST(UnfinishedOutputs, HiddenNamesAreNotedUntilSettled)
{
    QTemporaryDir out;
    const QString hidden = DNPartialOutput::hiddenPathFor(out.filePath(QStringLiteral("Movie_T1.mp4")));
    const QFileInfo info(hidden);
    EXPECT_EQ(info.path(), out.path());
    EXPECT_TRUE(info.fileName().startsWith(QLatin1String(".Movie_T1.")));
    EXPECT_EQ(info.suffix(), QStringLiteral("mp4"));

    const QString longName = DNPartialOutput::hiddenPathFor(out.filePath(QString(250, QChar(0x00e9)) + ".mkv"));
    // Room is left for the helper names the engines build from it (the image engine's working
    // movie, the ISO backup's partial image), which keep the whole hidden name so that a discard
    // finds them.
    const QFileInfo longInfo(longName);
    EXPECT_LE(longInfo.fileName().toUtf8().size() + DNPartialOutput::kHelperNameRoom, DNPartialOutput::kLongestFileName);
    EXPECT_TRUE(longName.endsWith(QLatin1String(".mkv")));
    EXPECT_FALSE(longName.contains(QChar::ReplacementCharacter));
    EXPECT_EQ(NXHiddenRenderPath(longName),
              out.filePath(QStringLiteral(".") + longInfo.completeBaseName() + QStringLiteral(".rendering.mkv")));
    DNPartialOutput::forget(longName);

    // The file, a helper an engine made beside it, and a user's file: a discard takes the first two.
    const QString helper = out.filePath(QStringLiteral(".") + info.completeBaseName() + QStringLiteral(".rendering.mp4"));
    for (const QString &path : {hidden, helper, out.filePath(QStringLiteral(".Movie_T1.mp4.notes"))}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("0123456789");
    }
    EXPECT_EQ(DNPartialOutput::bytesWritten(hidden), 20);
    EXPECT_TRUE(DNPartialOutput::discard(hidden));
    EXPECT_EQ(entriesIn(out.path()), QStringList{QStringLiteral(".Movie_T1.mp4.notes")});
}
