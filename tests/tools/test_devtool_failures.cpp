// The developer aid's line for a conversion that failed gives the pass's own reason, as the
// progress sheet does: a damaged disc and what is missing, or which of its records are damaged
// (also where an engine then fails on them), an engine that stopped answering, a full disk with
// the room needed and free, the file-size limit, a slideshow not made and why, a source cut short
// (alone or in a join) by the length its output reached, the image maker's own words,
// HandBrakeCLI that cannot start or its own last error line. Each ends with exit status 1, one
// line naming the log, and nothing in the output folder.

#include "DevtoolRunSupport.h"

#include "../convert/driver/UnfinishedOutputSupport.h"
#include "../slideshow/slideshow_fixture.h"

#include "support/discdamage.h"
#include "support/fixturecopy.h"
#include "support/privatemounts.h"
#include "support/rawnames.h"
#include "support/smallfs.h"

#include <QRegularExpression>

#include <memory>

#include <sys/resource.h>

namespace {

using namespace devtooltest;

struct Failure
{
    const char *name;
    qint64 diskBytes;         // 0: the run's own output folder; else a small disk of that many bytes
    const char *heldEngine;   // "": none; else the engine held once its pass starts
    // The command's arguments; "OUT" stands for the output folder, work is a folder of the test's.
    std::function<QStringList(const QString &work)> arguments;
    const char *line;         // the last line on standard error; "OUT" stands for the output folder
    // Mounts the run alone sees, made before it starts; false when they cannot be made here.
    bool (*mount)(testsupport::PrivateMounts &mounts, const QString &out, const QString &work) = nullptr;
    // The most bytes a file the run writes may hold (ulimit -f), which its engines inherit; 0: none.
    rlim_t fileSizeLimit = 0;
};

void PrintTo(const Failure &failure, std::ostream *out)
{
    *out << failure.name;
}

// A copy of the NTSC disc in work whose title 3 lost the second half of its data.
QString discWithTitle3Cut(const QString &work)
{
    const QString copy = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), work);
    QFile vob(copy + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB"));
    EXPECT_TRUE(vob.open(QIODevice::ReadWrite) && vob.resize(vob.size() / 2));
    return copy;
}

// A copy of the NTSC disc in work given damage.
QString discDamagedBy(bool (*damage)(const QString &disc), const QString &work)
{
    const QString copy = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), work);
    EXPECT_TRUE(damage(copy));
    return copy;
}

class DevtoolFailure : public ::testing::TestWithParam<Failure>
{
};

TEST_P(DevtoolFailure, SaysItsReasonInOneLine)
{
    const Failure &failure = GetParam();
    std::unique_ptr<testsupport::SmallFileSystem> disk;
    if (failure.diskBytes > 0) {
        disk = std::make_unique<testsupport::SmallFileSystem>(failure.diskBytes);
        if (!disk->isMounted())
            GTEST_SKIP() << "a small file system needs the right to mount here";
    }
    DevtoolRun run;
    const QString out = disk ? disk->path() : run.output();
    QTemporaryDir work;
    QStringList arguments = failure.arguments(work.path());
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), out);
    std::unique_ptr<testsupport::PrivateMounts> mounts;
    if (failure.mount) {
        mounts = std::make_unique<testsupport::PrivateMounts>();
        if (!failure.mount(*mounts, out, work.path()))
            GTEST_SKIP() << "mounts of the run's own need the right to mount: " << mounts->why().toStdString();
    }

    QProcess process;
    if (const rlim_t limit = failure.fileSizeLimit) {
        process.setChildProcessModifier([limit] {
            const rlimit size{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &size);
        });
    }
    run.start(process, arguments);
    ASSERT_TRUE(process.waitForStarted());
    QByteArray errors;
    if (*failure.heldEngine) {
        // The engine is held, as a hung read holds it, until the stall limit ends it.
        ASSERT_TRUE(runUntil(process, errors, [&] { return errors.contains("pass started"); })) << errors.toStdString();
        const QList<qint64> engines = testsupport::descendantProcesses(QString::fromLatin1(failure.heldEngine));
        ASSERT_FALSE(engines.isEmpty());
        for (const qint64 pid : engines)
            EXPECT_TRUE(drivertest::holdProcess(pid)) << "the engine ended before it could be held";
    }
    ASSERT_TRUE(process.waitForFinished(600000));
    errors += process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), 1);
    const QStringList lines = QString::fromUtf8(errors).split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    const QString pattern = QStringLiteral("^talvane-devtool %1: %2 \\(see the log .*Talvane\\.log\\)$")
                                .arg(arguments.first(), QString::fromUtf8(failure.line).replace(QStringLiteral("OUT"),
                                                                                                 QRegularExpression::escape(out)));
    EXPECT_TRUE(QRegularExpression(pattern).match(lines.last()).hasMatch()) << lines.last().toStdString();
    EXPECT_EQ(entriesIn(out), QStringList());
}

const Failure kFailures[] = {
    {"DamagedDisc", 0, "",
     [](const QString &work) {
         return QStringList{"convert", discWithTitle3Cut(work), "2", "Video_Other_AVI_DIVX.plist", "OUT"};
     },
     R"(the DVD's data is damaged: title 3 needs \d+ sectors of VTS_01_1\.VOB, which holds \d+: \d+\.\d MB of the title are missing)"},
    // The stall limit is the settings' own, which a user cannot shorten for the developer aid.
    {"StalledEngine", 0, "mencoder",
     [](const QString &) {
         return QStringList{"convert", testsupport::fixturePath("dvd/ntsc"), "1", "Video_Other_AVI_DIVX.plist", "OUT"};
     },
     R"(the MEncoder engine stopped answering \(no progress for 120 s\) and was ended)"},
    {"FullDisk", 24 * 1024, "",
     [](const QString &) {
         return QStringList{"convert", testsupport::fixturePath("dvd/ntsc"), "1", "MacGen_MP4_MPEG4.plist", "OUT"};
     },
     R"(the disk of OUT ran out of space during the pass: the output needs about [\d.]+ MiB and the disk has 24\.00 KiB free)"},
    {"SlideshowNotMade", 300 * 1024, "",
     [](const QString &) {
         return QStringList{"slideshow", "Video_MP4_H264.plist", "OUT", slideshowfixture::photosFolder()};
     },
     R"(the slideshow was not made: the disk of OUT ran out of space during the pass: the output needs more than the [\d.]+ KiB the disk has free)"},
    {"CutWebM", 0, "",
     [](const QString &work) {
         return QStringList{"convert", testsupport::copyFixtureCutShort("fileroad/ten_seconds.webm", work, 30), "0",
                            "Video_MP4_H264.plist", "OUT"};
     },
     R"(the output lasts \d\.\d s where 10\.0 s were expected: the source may be cut short)"},
    {"CutFastStartMP4", 0, "",
     [](const QString &work) {
         return QStringList{"convert", testsupport::copyFixtureCutShort("fileroad/twenty_seconds_faststart.mp4", work, 3),
                            "0", "Video_MP4_H264.plist", "OUT"};
     },
     R"(the output lasts \d\.\d s where 20\.0 s were expected: the source may be cut short)"},
    {"JoinWithACutMember", 0, "",
     [](const QString &work) {
         return QStringList{"join", "Video_MP4_H264.plist", "OUT", testsupport::fixturePath("fileroad/fps50.mp4"),
                            testsupport::copyFixtureCutShort("fileroad/ten_seconds.webm", work, 30)};
     },
     R"(the output lasts \d\.\d s where 10\.0 s were expected: the source may be cut short)"},
    {"DamagedTitleRecords", 0, "",
     [](const QString &work) {
         return QStringList{"convert", discDamagedBy(testsupport::placeTitleSetCellsPastAnyDisc, work), "2",
                            "Video_Other_AVI_DIVX.plist", "OUT"};
     },
     R"(the DVD's records of title 3 in VTS_01_0\.IFO are damaged)"},
    {"DamagedDiscRecords", 0, "",
     [](const QString &work) {
         return QStringList{"convert", discDamagedBy(testsupport::placeTitleSetCellsPastAnyDisc, work), "0",
                            "DVDBackupISO.plist", "OUT"};
     },
     R"(the DVD's records in VTS_01_0\.IFO are damaged)"},
    {"ImageMakerFailed", 0, "",
     [](const QString &work) {
         return QStringList{"convert", discDamagedBy(testsupport::spoilVideoManagerForTheImageMaker, work), "0",
                            "DVDBackupISO.plist", "OUT"};
     },
     R"(the DVD's records in VIDEO_TS\.IFO are damaged, and the ISO backup engine failed: the image maker said: VIDEO_TS has invalid contents)"},
    // The title set's IFO is damaged where its backup is sound: libdvdread reads the IFO, and each
    // engine over it fails in its own way.
    {"IfoDamagedBackupSoundDeviceProfile", 0, "",
     [](const QString &work) {
         return QStringList{"convert", discDamagedBy(testsupport::emptyTitle3ChainInTheIfoOnly, work), "2",
                            "Android_GalaxyS3_H264.plist", "OUT"};
     },
     R"(the DVD's records of title 3 in VTS_01_0\.IFO are damaged, and the MEncoder engine .+)"},
    {"IfoDamagedBackupSoundMainTitleBackup", 0, "",
     [](const QString &work) {
         return QStringList{"convert", discDamagedBy(testsupport::emptyTitle3ChainInTheIfoOnly, work), "2",
                            "DVDMainBackup.plist", "OUT"};
     },
     R"(the DVD's records of title 3 in VTS_01_0\.IFO are damaged, and the MEncoder engine .+)"},
    {"IfoDamagedBackupSoundMKVBackup", 0, "",
     [](const QString &work) {
         return QStringList{"convert", discDamagedBy(testsupport::emptyTitle3ChainInTheIfoOnly, work), "2",
                            "DVDBackupMKV.plist", "OUT"};
     },
     R"(the DVD's records of title 3 in VTS_01_0\.IFO are damaged, and the MKV backup engine failed: No title found\.)"},
    // A count of title sets past any disc's is no title set to name.
    {"NoTitleSetTheDiscLacks", 0, "",
     [](const QString &work) {
         return QStringList{"convert", discDamagedBy(testsupport::count139TitleSets, work), "0", "DVDBackupISO.plist",
                            "OUT"};
     },
     R"(the DVD's records in VIDEO_TS\.IFO are damaged)"},
    {"FileSizeLimit", 0, "",
     [](const QString &) {
         return QStringList{"convert", testsupport::fixturePath("dvd/ntsc"), "0", "DVDBackupISO.plist", "OUT"};
     },
     R"(the ISO backup engine stopped: HVDVDISOBackup reached the file-size limit \(ulimit -f\))", nullptr, 2000000},
    {"FileSizeLimitOfAnEngineInside", 0, "",
     [](const QString &) {
         return QStringList{"convert", testsupport::fixturePath("dvd/ntsc"), "1", "Android_GalaxyS3_H264.plist", "OUT"};
     },
     R"(the MEncoder engine stopped: ffmpeg reached the file-size limit \(ulimit -f\))", nullptr, 500000},
    {"ImageMakerWroteNoVolumeDescriptor", 0, "",
     [](const QString &) {
         return QStringList{"convert", testsupport::fixturePath("dvd/ntsc"), "0", "DVDBackupISO.plist", "OUT"};
     },
     R"(the ISO backup engine failed: the image maker wrote no ISO 9660 volume descriptor)",
     [](testsupport::PrivateMounts &mounts, const QString &, const QString &work) {
         return mounts.replaceWithScript(QStringLiteral("/usr/bin/genisoimage"), "head -c 40960 /dev/zero\n", work);
     }},
    {"HandBrakeCannotStart", 0, "",
     [](const QString &) {
         return QStringList{"convert", testsupport::fixturePath("dvd/ntsc"), "1", "DVDBackupMKV.plist", "OUT"};
     },
     R"(the MKV backup engine failed: could not start /usr/bin/HandBrakeCLI: Permission denied)",
     [](testsupport::PrivateMounts &mounts, const QString &, const QString &work) {
         return mounts.makeUnrunnable(QStringLiteral("/usr/bin/HandBrakeCLI"), work);
     }},
    {"HandBrakeCannotWriteTheOutput", 0, "",
     [](const QString &) {
         return QStringList{"convert", testsupport::fixturePath("dvd/ntsc"), "1", "DVDBackupMKV.plist", "OUT"};
     },
     R"(the MKV backup engine failed: ERROR: avio_open2 failed, errno -30)",
     [](testsupport::PrivateMounts &mounts, const QString &out, const QString &) { return mounts.makeReadOnly(out); }},
};

INSTANTIATE_TEST_SUITE_P(EveryKind, DevtoolFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<Failure> &info) { return std::string(info.param.name); });

// What a run given names that are not text says: its exit status and its last line on standard
// error; nothing on standard output.
struct Refusal
{
    int exitCode;
    QString lastLine;
    QByteArray output;
};

Refusal runWithBytes(const DevtoolRun &run, const QList<QByteArray> &arguments)
{
    QProcess process;
    run.startWithBytes(process, arguments);
    EXPECT_TRUE(process.waitForStarted());
    EXPECT_TRUE(process.waitForFinished(600000));
    const QStringList lines =
        QString::fromUtf8(process.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return {process.exitCode(), lines.value(lines.size() - 1), process.readAllStandardOutput()};
}

// An output folder named by bytes that are not UTF-8 text, there or still to be made: refused
// before any engine runs, naming what to rename; nothing written anywhere, the folder the user
// chose left empty and no twin named with U+FFFD made beside it. Made by the name the program
// reads, the outputs once went into such a twin and the run said it succeeded.
TEST(DevtoolNames, AnOutputFolderNamedNotTextIsRefusedAndNothingIsWritten)
{
    const struct
    {
        const char *what;
        QByteArray source;
        const char *title;
        const char *profile;
    } jobs[] = {
        {"file conversion", QFile::encodeName(testsupport::fixturePath("fileroad/h264_aac.mp4")), "0", "Video_MP4_H264.plist"},
        {"ISO backup", QFile::encodeName(testsupport::fixturePath("dvd/ntsc")), "0", "DVDBackupISO.plist"},
    };
    for (const auto &job : jobs) {
        for (const QByteArray &below : {QByteArray(), QByteArray("/new")}) {
            SCOPED_TRACE(std::string(job.what) + (below.isEmpty() ? " into the folder" : " into a folder to be made in it"));
            DevtoolRun run;
            testsupport::RawNameFolder parent;
            ASSERT_TRUE(testsupport::makeRawFolder(parent.bytesOf("\xff\xfe")));
            const Refusal refusal =
                runWithBytes(run, {"convert", job.source, job.title, job.profile, parent.bytesOf("\xff\xfe") + below});
            EXPECT_EQ(refusal.exitCode, 1);
            EXPECT_EQ(refusal.lastLine,
                      QStringLiteral("talvane-devtool convert: the name \"\\xff\\xfe\" in %1 is not UTF-8 text, so nothing "
                                     "can be written into the output folder: rename it or choose another output folder")
                          .arg(parent.path()));
            EXPECT_TRUE(refusal.output.isEmpty());
            EXPECT_EQ(testsupport::rawEntriesOf(parent.bytes()), QList<QByteArray>{"\xff\xfe"});
            EXPECT_EQ(testsupport::rawEntriesOf(parent.bytesOf("\xff\xfe")), QList<QByteArray>());
            EXPECT_EQ(entriesIn(run.output()), QStringList());
        }
    }
}

// A source named by bytes that are not text is refused for its name, not as one that does not
// exist, by every command that reads a source.
TEST(DevtoolNames, ASourceNamedNotTextIsRefusedForItsName)
{
    DevtoolRun run;
    testsupport::RawNameFolder work;
    const QString clip = testsupport::copyFixture(QStringLiteral("fileroad/h264_aac.mp4"), work.path());
    ASSERT_TRUE(testsupport::renameToRaw(clip, work.bytesOf("clip\xe9.mp4")));
    const QString disc = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), work.path());
    ASSERT_TRUE(testsupport::renameToRaw(disc, work.bytesOf("Disc\xff")));
    const QByteArray out = QFile::encodeName(run.output());
    const struct
    {
        QList<QByteArray> arguments;
        const char *name;
    } cases[] = {
        {{"convert", work.bytesOf("clip\xe9.mp4"), "0", "Video_MP4_H264.plist", out}, "clip\\xe9.mp4"},
        {{"convert", work.bytesOf("Disc\xff"), "0", "DVDBackupISO.plist", out}, "Disc\\xff"},
        {{"probe", work.bytesOf("clip\xe9.mp4")}, "clip\\xe9.mp4"},
        {{"dvdinfo", work.bytesOf("Disc\xff")}, "Disc\\xff"},
        {{"join", "Video_MP4_H264.plist", out, QFile::encodeName(testsupport::fixturePath("fileroad/fps50.mp4")),
          work.bytesOf("clip\xe9.mp4")},
         "clip\\xe9.mp4"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.first().toStdString());
        const Refusal refusal = runWithBytes(run, c.arguments);
        EXPECT_EQ(refusal.exitCode, 1);
        EXPECT_EQ(refusal.lastLine, QStringLiteral("talvane-devtool %1: the name \"%2\" in %3 is not UTF-8 text, so the "
                                                   "source cannot be read: rename it")
                                        .arg(QString::fromUtf8(c.arguments.first()), QString::fromUtf8(c.name), work.path()));
        EXPECT_EQ(entriesIn(run.output()), QStringList());
    }
}

// The path the aid prints for what it wrote is one line, whatever the name holds: a line break
// in it is written as "\n", as the log writes it, and the file keeps its real name.
TEST(DevtoolNames, APrintedPathShowsALineBreakEscaped)
{
    DevtoolRun run;
    QTemporaryDir work;
    const QString copy = testsupport::copyFixture(QStringLiteral("fileroad/h264_aac.mp4"), work.path());
    const QString source = work.filePath(QStringLiteral("line\nbreak.mp4"));
    ASSERT_TRUE(QFile::rename(copy, source));
    QProcess process;
    run.start(process, {"convert", source, "0", "Video_MP4_H264.plist", "OUT", "--trim", "0", "1"});
    ASSERT_TRUE(process.waitForFinished(600000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), run.output() + QStringLiteral("/line\\nbreak.mp4\n"));
    EXPECT_EQ(entriesIn(run.output()), QStringList{QStringLiteral("line\nbreak.mp4")});
}

} // namespace
