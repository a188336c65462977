// A batch in which conversions fail, converted with the real engines as a user runs it: the sheet
// ends with a message that names every item that failed and why (a damaged file or disc, damaged
// records of a disc, also where an engine then fails on them, a source cut short, alone or in a
// join, an engine that stopped answering, could not start, reached the file-size limit, or whose
// image maker or HandBrakeCLI said why, a full disk, a slideshow not made), the log says the run
// failed, and the other items are converted all the same.
#include "convert_run_support.h"

#include "../../convert/driver/UnfinishedOutputSupport.h"
#include "../slideshow/slideshow_editor_support.h"

#include "dvd/file/DNFileGroupNode.h"

#include "support/discdamage.h"
#include "support/fixturecopy.h"
#include "support/privatemounts.h"
#include "support/rawnames.h"
#include "support/smallfs.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>
#include <optional>

#include <sys/resource.h>

namespace {

using namespace convertruntest;

// The alert the sheet leaves on the window when the batch ends with failures.
QMessageBox *failureAlert(const Batch &batch)
{
    QMessageBox *alert = nullptr;
    (void)QTest::qWaitFor([&] {
        alert = batch.ui.window->findChild<QMessageBox *>(QStringLiteral("convertFailedAlert"));
        return alert && alert->isVisible();
    }, 60000);
    return alert;
}

// A copy of a fixture in folder, so that the test may damage it once it is loaded.
QString copyOf(const QString &relative, const QString &folder)
{
    const QString copy = folder + QLatin1Char('/') + QFileInfo(relative).fileName();
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(testsupport::fixturePath(relative), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

// A copy of a fixture in folder, added to the batch with the H.264 MP4 profile as the loader hands
// it over; damage() then overwrites it so that no engine can read it.
struct AddedCopy
{
    QString path;
    DNFileNodePtr node;

    AddedCopy(Batch &batch, const char *relative, const QString &folder)
        : path(copyOf(QString::fromLatin1(relative), folder))
    {
        node = batch.addFileAt(path, "Video_MP4_H264.plist");
    }
    void damage() const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        file.seek(0);
        file.write(QByteArray(size, '\x5A'));
    }
};

// The second of three files was damaged after it was added: the engine cannot read it. The batch
// goes on with the third, and the sheet ends naming the damaged one with the engine's own words.
TEST(ConvertFailures, AFailedItemIsNamedWithTheEnginesReason)
{
    Batch batch;
    QTemporaryDir sources;
    const DNFileNodePtr first = batch.addFile("fileroad/h264_aac.mp4", "Video_MP4_H264.plist");
    const AddedCopy damaged(batch, "fileroad/quadrants.mp4", sources.path());
    ASSERT_TRUE(damaged.node);
    const DNFileNodePtr third = batch.addFile("fileroad/fps50.mp4", "Video_MP4_H264.plist");
    ASSERT_TRUE(first && third);
    damaged.damage();
    const int finishedBefore = shelltest::logText().count(QStringLiteral("Video Encode Did Finished"));

    ASSERT_TRUE(batch.run());

    QMessageBox *alert = failureAlert(batch);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->text(), QStringLiteral("These items could not be converted:"));
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    const QStringList lines = alert->informativeText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1) << alert->informativeText().toStdString();
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("quadrants.mp4: the AV encoder engine failed: ")))
        << lines.first().toStdString();
    // The engine's own words, not only its exit status.
    EXPECT_FALSE(lines.first().contains(QStringLiteral("status"))) << lines.first().toStdString();
    shelltest::saveWindowPicture(alert, QStringLiteral("ui_mainwindow"), QStringLiteral("convert_failed_alert"));

    // The other two were converted; the damaged one left nothing.
    EXPECT_TRUE(QFileInfo(first->outputName()).isFile());
    EXPECT_TRUE(QFileInfo(third->outputName()).isFile());
    EXPECT_EQ(filesIn(batch.out.path()).size(), 2);
    const QString log = shelltest::logText();
    EXPECT_EQ(log.count(QStringLiteral("Video Encode Did Finished")) - finishedBefore, 2);
    EXPECT_TRUE(log.contains(QStringLiteral("Video Encode Failed: the AV encoder engine failed")));
    alert->buttons().first()->click();
}

// "Open the output folder when done" opens the folder after a batch that wrote a file, and not
// after one in which every item failed.
TEST(ConvertFailures, TheOutputFolderOpensOnlyWhenSomethingWasWritten)
{
    struct Case
    {
        const char *what;
        bool firstDamaged;
        bool opens;
    };
    const Case cases[] = {
        {"every item failed", true, false},
        {"one item written, one failed", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Batch batch;
        DNSetting::shareSetting().appSetting()->setIsOpenFolderWhenDone(true);
        shelltest::openedTargets().clear();
        QTemporaryDir sources;
        const AddedCopy first(batch, "fileroad/h264_aac.mp4", sources.path());
        const AddedCopy second(batch, "fileroad/quadrants.mp4", sources.path());
        ASSERT_TRUE(first.node && second.node);
        if (c.firstDamaged)
            first.damage();
        second.damage();

        ASSERT_TRUE(batch.run());
        QMessageBox *alert = failureAlert(batch);
        ASSERT_TRUE(alert);
        EXPECT_EQ(filesIn(batch.out.path()).size(), c.opens ? 1 : 0);
        EXPECT_EQ(shelltest::openedTargets(), c.opens ? QStringList{batch.out.path()} : QStringList());
        alert->buttons().first()->click();
        DNSetting::shareSetting().appSetting()->setIsOpenFolderWhenDone(false);
    }
}

// What one failure needs around it: an output folder on a small disk, an engine held once it
// runs (with a short stall limit), a folder for copies the test damages, the interface in a
// language of its own.
struct FailureSetting
{
    const char *name;
    qint64 diskBytes;        // 0: the batch's own output folder
    const char *heldEngine;  // "": none
    const char *language;    // "": English
    // Adds the failing item; work is a folder of the test's own.
    std::function<void(Batch &batch, const QString &work)> add;
    // The alert's one line; "DISK" stands for the small disk's folder.
    const char *line;
    // Mounts the batch alone sees, made before it starts; false when they cannot be made here.
    bool (*mount)(testsupport::PrivateMounts &mounts, const QString &out, const QString &work) = nullptr;
    // The most bytes a file may hold (ulimit -f) while the batch runs, which its engines inherit;
    // 0: no limit of the test's own.
    rlim_t fileSizeLimit = 0;
    // The output folder is one whose name is not text, chosen as an open panel reads it (U+FFFD
    // for its bytes); "PARENT" in the line stands for the folder that holds it.
    bool outputNamedNotText = false;
};

void PrintTo(const FailureSetting &setting, std::ostream *out)
{
    *out << setting.name;
}

// The engine stall limit the settings give, short while the object lives when shorten is set.
class ShortStallLimit
{
public:
    explicit ShortStallLimit(bool shorten)
    {
        if (shorten)
            DNSetting::shareSetting().mainWindowSetting()->setEngineStallSeconds(2);
    }
    ~ShortStallLimit() { DNSetting::shareSetting().mainWindowSetting()->setEngineStallSeconds(m_saved); }

private:
    double m_saved = DNSetting::shareSetting().mainWindowSetting()->engineStallSeconds();
};

// A limit on the size of the files this process and the engines it starts write, while the
// object lives; none when bytes is 0.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_set = bytes > 0;
        if (m_set) {
            const rlimit limit{bytes, m_saved.rlim_max};
            EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        }
    }
    ~FileSizeLimit()
    {
        if (m_set)
            ::setrlimit(RLIMIT_FSIZE, &m_saved);
    }

private:
    rlimit m_saved{};
    bool m_set = false;
};

// The interface's translation into language while the object lives.
class InterfaceLanguage
{
public:
    explicit InterfaceLanguage(const char *language)
    {
        if (!*language)
            return;
        EXPECT_TRUE(m_translator.load(DNBundle::pathForResource(QStringLiteral("translations/talvane_%1.qm")
                                                                    .arg(QString::fromLatin1(language)))));
        QCoreApplication::installTranslator(&m_translator);
    }
    ~InterfaceLanguage() { QCoreApplication::removeTranslator(&m_translator); }

private:
    QTranslator m_translator;
};

// A copy of the NTSC disc with title 3 selected for profile, given damage once it is loaded.
void addDiscDamagedAfterLoading(Batch &batch, const QString &work, bool (*damage)(const QString &disc),
                                const char *profile)
{
    const QString copy = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), work);
    ASSERT_FALSE(copy.isEmpty());
    ASSERT_TRUE(batch.addDiscAt(copy, profile, {2}, 0));
    ASSERT_TRUE(damage(copy));
}

// Title 3 loses the second half of its data.
bool cutTheTitleVobToHalf(const QString &disc)
{
    QFile vob(disc + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB"));
    return vob.open(QIODevice::ReadWrite) && vob.resize(vob.size() / 2);
}

void addDiscCutAfterLoading(Batch &batch, const QString &work)
{
    addDiscDamagedAfterLoading(batch, work, cutTheTitleVobToHalf, "Video_Other_AVI_DIVX.plist");
}

// A copy of the NTSC disc given damage, with title 3 selected for profile.
void addDamagedDisc(Batch &batch, const QString &work, bool (*damage)(const QString &disc), const char *profile)
{
    const QString copy = testsupport::copyFixture(QStringLiteral("dvd/ntsc"), work);
    ASSERT_FALSE(copy.isEmpty());
    ASSERT_TRUE(damage(copy));
    ASSERT_TRUE(batch.addDiscAt(copy, profile, {2}, 0));
}

// A copy of a fixture file cut to its first percentKept percent, as a copy that stopped leaves it.
DNFileNodePtr addCutCopy(Batch &batch, const QString &work, const char *relative, int percentKept)
{
    const QString copy = testsupport::copyFixtureCutShort(QString::fromLatin1(relative), work, percentKept);
    EXPECT_FALSE(copy.isEmpty());
    return batch.addFileAt(copy, "Video_MP4_H264.plist");
}

class ConvertFailure : public ::testing::TestWithParam<FailureSetting>
{
};

// The batch ends with the sheet's message naming the item with the pass's own reason, in the
// interface's language where the words are ours, and leaves nothing in the output folder.
TEST_P(ConvertFailure, EndsWithItsReasonInTheSheet)
{
    const FailureSetting &setting = GetParam();
    shelltest::app();
    std::unique_ptr<testsupport::SmallFileSystem> disk;
    if (setting.diskBytes > 0) {
        disk = std::make_unique<testsupport::SmallFileSystem>(setting.diskBytes);
        if (!disk->isMounted())
            GTEST_SKIP() << "a small file system needs the right to mount here";
    }
    const ShortStallLimit stallLimit(*setting.heldEngine != '\0');
    std::optional<FileSizeLimit> fileSizeLimit;
    const InterfaceLanguage language(setting.language);
    QTemporaryDir work;
    Batch batch;
    testsupport::RawNameFolder notTextParent;
    if (setting.outputNamedNotText)
        ASSERT_TRUE(testsupport::makeRawFolder(notTextParent.bytesOf("\xff\xfe")));
    const QString out = disk ? disk->path()
        : setting.outputNamedNotText ? testsupport::lossyReading(notTextParent.bytesOf("\xff\xfe"))
                                     : batch.out.path();
    useOutputFolder(out);
    setting.add(batch, work.path());
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    // Made on this thread, whose conversion worker and engines see them.
    std::unique_ptr<testsupport::PrivateMounts> mounts;
    if (setting.mount) {
        mounts = std::make_unique<testsupport::PrivateMounts>();
        if (!setting.mount(*mounts, out, work.path()))
            GTEST_SKIP() << "mounts of the batch's own need the right to mount: " << mounts->why().toStdString();
    }

    // The free-space question, where the estimate asks it, is answered as a user converting
    // anyway answers it.
    QTimer::singleShot(0, batch.ui.window, [&] {
        for (QMessageBox *question : batch.ui.window->findChildren<QMessageBox *>())
            for (QAbstractButton *button : question->buttons())
                if (question->isVisible() && question->buttonRole(button) == QMessageBox::AcceptRole)
                    button->click();
    });
    fileSizeLimit.emplace(setting.fileSizeLimit);
    QTest::mouseClick(batch.controller.right_run_btn.data(), Qt::LeftButton);
    if (*setting.heldEngine) {
        // On a busy machine the engine may show no progress for the short limit before it is
        // seen, and be ended all the same: the reason is the same then.
        QList<qint64> engines;
        (void)QTest::qWaitFor([&] {
            engines = testsupport::descendantProcesses(QString::fromLatin1(setting.heldEngine));
            return !engines.isEmpty() || batch.runsEnded.load() > 0;
        }, kRunTimeoutMs);
        for (const qint64 pid : engines)
            holdProcess(pid);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return batch.runsEnded.load() > 0; }, kRunTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !batch.controller.progressController->isRunning(); }, 60000));
    fileSizeLimit.reset();

    QMessageBox *alert = failureAlert(batch);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->text(), NXProgressController::tr("These items could not be converted:"));
    QString pattern = QString::fromUtf8(setting.line);
    if (disk)
        pattern.replace(QStringLiteral("DISK"), QRegularExpression::escape(disk->path()));
    pattern.replace(QStringLiteral("PARENT"), QRegularExpression::escape(notTextParent.path()));
    EXPECT_TRUE(QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(alert->informativeText()).hasMatch())
        << alert->informativeText().toStdString();
    shelltest::saveWindowPicture(alert, QStringLiteral("ui_mainwindow"),
                                 QStringLiteral("convert_failed_%1").arg(QString::fromLatin1(setting.name)));
    EXPECT_EQ(entriesIn(out), QStringList());
    if (setting.outputNamedNotText) {
        // Nothing in the folder the user chose, and no twin named with U+FFFD beside it.
        EXPECT_EQ(testsupport::rawEntriesOf(notTextParent.bytes()), QList<QByteArray>{"\xff\xfe"});
        EXPECT_EQ(testsupport::rawEntriesOf(notTextParent.bytesOf("\xff\xfe")), QList<QByteArray>());
    }
    alert->buttons().first()->click();
}

const FailureSetting kFailures[] = {
    {"DamagedDisc", 0, "", "", addDiscCutAfterLoading,
     R"(ntsc\(3\): the DVD's data is damaged: title 3 needs \d+ sectors of VTS_01_1\.VOB, which holds \d+: \d+\.\d MB of the title are missing)"},
    {"StalledEngine", 0, "mencoder", "",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addDisc("Video_Other_AVI_DIVX.plist", {1}, 0)); },
     R"(ntsc\(2\): the MEncoder engine stopped answering \(no progress for 2 s\) and was ended)"},
    {"FullDisk", 24 * 1024, "", "",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addFile("fileroad/h264_aac.mp4", "Video_MP4_H264.plist")); },
     R"(h264_aac\.mp4: the disk of DISK ran out of space during the pass: the output needs about [\d.]+ KiB and the disk has 24\.00 KiB free)"},
    {"SlideshowNotMade", 300 * 1024, "", "",
     [](Batch &batch, const QString &) { ASSERT_TRUE(slideshowui::dropPhotoFolder(batch.controller, slideshowfixture::photosFolder())); },
     R"(photos: the slideshow was not made: the disk of DISK ran out of space during the pass: the output needs more than the [\d.]+ KiB the disk has free)"},
    {"FullDiskInGerman", 24 * 1024, "", "de",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addFile("fileroad/h264_aac.mp4", "Video_MP4_H264.plist")); },
     R"(h264_aac\.mp4: Auf dem Datenträger von DISK war während des Durchgangs kein Platz mehr: Die Ausgabe braucht etwa [\d.]+ KiB, frei sind 24\.00 KiB)"},
    {"CutWebM", 0, "", "",
     [](Batch &batch, const QString &work) { ASSERT_TRUE(addCutCopy(batch, work, "fileroad/ten_seconds.webm", 30)); },
     R"(ten_seconds\.webm: the output lasts \d\.\d s where 10\.0 s were expected: the source may be cut short)"},
    {"CutFastStartMP4InJapanese", 0, "", "ja",
     [](Batch &batch, const QString &work) {
         ASSERT_TRUE(addCutCopy(batch, work, "fileroad/twenty_seconds_faststart.mp4", 3));
     },
     R"(twenty_seconds_faststart\.mp4：出力の長さは \d\.\d 秒ですが、20\.0 秒のはずでした：ソースが途中で切れている可能性があります)"},
    {"JoinWithACutMember", 0, "", "",
     [](Batch &batch, const QString &work) {
         const DNFileNodePtr whole = batch.addFile("fileroad/fps50.mp4", "Video_MP4_H264.plist");
         const DNFileNodePtr cut = addCutCopy(batch, work, "fileroad/ten_seconds.webm", 30);
         ASSERT_TRUE(whole && cut);
         // As the list's merge command makes a group entry of the two.
         batch.controller.mediaFiles->removeAll(whole);
         batch.controller.mediaFiles->removeAll(cut);
         const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes({whole, cut});
         group->setProfile(whole->profile());
         batch.controller.mediaFiles->append(group);
     },
     R"(fps50\.mp4: the output lasts \d\.\d s where 10\.0 s were expected: the source may be cut short)"},
    {"DamagedTitleRecordsInJapanese", 0, "", "ja",
     [](Batch &batch, const QString &work) {
         addDamagedDisc(batch, work, testsupport::placeTitleSetCellsPastAnyDisc, "Video_Other_AVI_DIVX.plist");
     },
     R"(ntsc\(3\)：DVDのタイトル 3 の記録（VTS_01_0\.IFO）が破損しています)"},
    {"ImageMakerFailed", 0, "", "",
     [](Batch &batch, const QString &work) {
         addDamagedDisc(batch, work, testsupport::spoilVideoManagerForTheImageMaker, "DVDBackupISO.plist");
     },
     R"(ntsc\(3\): the DVD's records in VIDEO_TS\.IFO are damaged, and the ISO backup engine failed: the image maker said: VIDEO_TS has invalid contents)"},
    // The title set's IFO is damaged where its backup is sound: libdvdread reads the IFO, and each
    // engine over it fails in its own way, which the disc's damage explains.
    {"IfoDamagedBackupSoundDeviceProfile", 0, "", "",
     [](Batch &batch, const QString &work) {
         addDamagedDisc(batch, work, testsupport::emptyTitle3ChainInTheIfoOnly, "Android_GalaxyS3_H264.plist");
     },
     R"(ntsc\(3\): the DVD's records of title 3 in VTS_01_0\.IFO are damaged, and the MEncoder engine .+)"},
    {"IfoDamagedBackupSoundMainTitleBackupInJapanese", 0, "", "ja",
     [](Batch &batch, const QString &work) {
         addDamagedDisc(batch, work, testsupport::emptyTitle3ChainInTheIfoOnly, "DVDMainBackup.plist");
     },
     R"(ntsc\(3\)：DVDのタイトル 3 の記録（VTS_01_0\.IFO）が破損しています。MEncoder エンジン.+)"},
    {"IfoDamagedBackupSoundMKVBackup", 0, "", "",
     [](Batch &batch, const QString &work) {
         addDamagedDisc(batch, work, testsupport::emptyTitle3ChainInTheIfoOnly, "DVDBackupMKV.plist");
     },
     R"(ntsc\(3\): the DVD's records of title 3 in VTS_01_0\.IFO are damaged, and the MKV backup engine failed: No title found\.)"},
    // The title set number 139 read from damaged records is no title set to name.
    {"NoTitleSetTheDiscLacks", 0, "", "",
     [](Batch &batch, const QString &work) {
         addDiscDamagedAfterLoading(batch, work, testsupport::putTitle3InTitleSet139, "Video_Other_AVI_DIVX.plist");
     },
     R"(ntsc\(3\): the DVD's records of title 3 in VIDEO_TS\.IFO are damaged)"},
    {"ImageMakerWroteNoVolumeDescriptor", 0, "", "",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addDisc("DVDBackupISO.plist", {2}, 0)); },
     R"(ntsc\(3\): the ISO backup engine failed: the image maker wrote no ISO 9660 volume descriptor)",
     [](testsupport::PrivateMounts &mounts, const QString &, const QString &work) {
         return mounts.replaceWithScript(QStringLiteral("/usr/bin/genisoimage"), "head -c 40960 /dev/zero\n", work);
     }},
    {"FileSizeLimit", 0, "", "",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addDisc("DVDBackupISO.plist", {2}, 0)); },
     R"(ntsc\(3\): the ISO backup engine stopped: HVDVDISOBackup reached the file-size limit \(ulimit -f\))", nullptr,
     2000000},
    {"FileSizeLimitOfAnEngineInsideInJapanese", 0, "", "ja",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addFile("fileroad/h264_aac.mp4", "Video_MP4_H264.plist")); },
     R"(h264_aac\.mp4：AV encoder エンジンが停止しました：ffmpeg がファイルサイズの上限（ulimit -f）に達しました)", nullptr,
     100000},
    {"HandBrakeCannotStart", 0, "", "",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addDisc("DVDBackupMKV.plist", {1}, 0)); },
     R"(ntsc\(2\): the MKV backup engine failed: could not start /usr/bin/HandBrakeCLI: Permission denied)",
     [](testsupport::PrivateMounts &mounts, const QString &, const QString &work) {
         return mounts.makeUnrunnable(QStringLiteral("/usr/bin/HandBrakeCLI"), work);
     }},
    {"HandBrakeCannotWriteTheOutputInJapanese", 0, "", "ja",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addDisc("DVDBackupMKV.plist", {1}, 0)); },
     R"(ntsc\(2\)：MKV backup エンジンが失敗しました：ERROR: avio_open2 failed, errno -30)",
     [](testsupport::PrivateMounts &mounts, const QString &out, const QString &) { return mounts.makeReadOnly(out); }},
    {"OutputFolderNamedNotText", 0, "", "",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addFile("fileroad/h264_aac.mp4", "Video_MP4_H264.plist")); },
     R"(h264_aac\.mp4: the name "\\xff\\xfe" in PARENT is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder)",
     nullptr, 0, true},
    {"ISOBackupIntoAFolderNamedNotTextInJapanese", 0, "", "ja",
     [](Batch &batch, const QString &) { ASSERT_TRUE(batch.addDisc("DVDBackupISO.plist", {1}, 0)); },
     R"(ntsc\(2\)：PARENT にある名前「\\xff\\xfe」は UTF-8 のテキストではないため、出力フォルダに書き込めません：名前を変更するか、別の出力フォルダを選んでください)",
     nullptr, 0, true},
};

INSTANTIATE_TEST_SUITE_P(EveryKind, ConvertFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureSetting> &info) { return std::string(info.param.name); });

} // namespace
