#include "convert/engine/DNISOBackUpCore.h"
#include "core/platform/DNBundle.h"
#include "support/dvdimage.h"
#include "support/fixturecopy.h"
#include "support/paths.h"
#include "support/process.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

namespace {
std::atomic<int> startedNotices{0};
int countStarts(void *, int code)
{
    if (code == EncodeStateStarted)
        ++startedNotices;
    return 0;
}

int stopOnStart(void *, int code)
{
    if (code == EncodeStateStarted)
        ISOBackup_Stop();
    return 0;
}

int runBackup(const QString &source, const QString &image, int seconds, EngineStateCallback callback)
{
    const QByteArray s = source.toUtf8(), o = image.toUtf8();
    char iso[] = "iso";
    char *argv[] = {const_cast<char *>(s.constData()), const_cast<char *>(o.constData()), iso};
    ISOBackup_SetCallback(callback, nullptr);
    const int result = ISOBackup_Start(3, argv, seconds);
    ISOBackup_ClearCallback();
    return result;
}

// Nothing but the finished image may be left beside it.
QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct SourceCase
{
    const char *name;
    const char *source;   // relative to the fixtures
    const char *label;
    const char *files;    // the source's VIDEO_TS folder, relative to the fixtures
};

class ISOBackup : public testing::TestWithParam<SourceCase>
{
};

TEST_P(ISOBackup, MakesAnImageWithEveryTitleOfTheSource)
{
    const SourceCase &c = GetParam();
    QTemporaryDir out;
    const QString image = out.filePath(QStringLiteral("backup.iso"));
    startedNotices = 0;
    ASSERT_EQ(runBackup(testsupport::fixturePath(QString::fromLatin1(c.source)), image, 10, countStarts), 0);
    EXPECT_EQ(startedNotices.load(), 1);
    EXPECT_EQ(ISOBackup_Progress(), 100);
    EXPECT_EQ(ISOBackup_Time(), 10);
    EXPECT_EQ(leftovers(out.path()), QStringList{QStringLiteral("backup.iso")});

    const testsupport::DiscListing disc = testsupport::listDisc(image);
    EXPECT_EQ(disc.label, QString::fromLatin1(c.label));
    ASSERT_EQ(disc.lengths.size(), 3u);
    const double authored[] = {6, 10, 4};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(disc.lengths[size_t(i)], authored[i], 0.5) << "title " << i + 1;
    // The disc's data itself, not only the IFO files that tell the titles' lengths.
    EXPECT_EQ(testsupport::videoFilesNotIn(image, testsupport::fixturePath(QString::fromLatin1(c.files))), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Sources, ISOBackup,
                         testing::Values(SourceCase{"folder", "dvd/ntsc/VIDEO_TS", "NTSC", "dvd/ntsc/VIDEO_TS"},
                                         SourceCase{"folder_parent", "dvd/ntsc/", "NTSC", "dvd/ntsc/VIDEO_TS"},
                                         SourceCase{"image", "dvd/pal.iso", "TALVANE_PAL", "dvd/pal/VIDEO_TS"}),
                         [](const auto &info) { return std::string(info.param.name); });

// The image is written under a hidden name made from the output's; an output name as long as a
// file system takes still gets its image, the hidden name cut at a character boundary.
TEST(ISOBackup, AnOutputNameAsLongAsAFileSystemTakesGetsItsImage)
{
    QTemporaryDir out;
    QString name = QString(60, QChar(0x30c7));
    name += QString(255 - 4 - name.toUtf8().size(), QLatin1Char('b')) + QStringLiteral(".iso");
    ASSERT_EQ(name.toUtf8().size(), 255);
    ASSERT_EQ(runBackup(testsupport::fixturePath(QStringLiteral("dvd/ntsc")), out.filePath(name), 10, countStarts), 0);
    EXPECT_EQ(leftovers(out.path()), QStringList{name});
}

TEST(ISOBackupFailures, AnUnreadableSourceFailsAndLeavesNothing)
{
    QTemporaryDir notADisc, out;
    EXPECT_NE(runBackup(notADisc.path(), out.filePath(QStringLiteral("x.iso")), 10, countStarts), 0);
    EXPECT_TRUE(leftovers(out.path()).isEmpty());
    // A folder that does not exist for the output.
    EXPECT_NE(runBackup(testsupport::fixturePath(QStringLiteral("dvd/ntsc")),
                        out.filePath(QStringLiteral("missing/x.iso")), 10, countStarts), 0);
    EXPECT_TRUE(leftovers(out.path()).isEmpty());
}

TEST(ISOBackupFailures, AnEncryptedDiscIsRefusedRatherThanCopiedUnplayable)
{
    QTemporaryDir work, out;
    const QString disc = testsupport::copyFixture(QStringLiteral("dvd/pal"), work.path());
    ASSERT_FALSE(disc.isEmpty());
    // Mark one video pack as CSS-scrambled, as a pressed disc's packs are.
    QFile vob(disc + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB"));
    ASSERT_TRUE(vob.open(QIODevice::ReadWrite));
    bool marked = false;
    for (qint64 block = 0; !marked && vob.seek(block * 2048); ++block) {
        QByteArray pack = vob.read(0x15);
        if (pack.size() < 0x15)
            break;
        if (pack.mid(0x0E, 4) == QByteArray("\x00\x00\x01\xE0", 4)) {
            pack[0x14] = char(pack[0x14] | 0x10);
            vob.seek(block * 2048);
            vob.write(pack);
            marked = true;
        }
    }
    vob.close();
    ASSERT_TRUE(marked);
    EXPECT_NE(runBackup(disc, out.filePath(QStringLiteral("x.iso")), 10, countStarts), 0);
    EXPECT_TRUE(leftovers(out.path()).isEmpty());
}

// Copies whose data the IFO files do not account for: the tool names what is missing and makes
// no image (an image maker would fill the gap with bytes that were never on the disc). A disc
// without backup IFOs is whole: the copy carries its IFOs twice.
TEST(ISOBackupFailures, ADamagedSourceNamesWhatIsMissingAndMakesNoImage)
{
    const auto cut = [](const QString &path, qint64 size) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) && file.resize(size < 0 ? file.size() + size : size);
    };
    struct Damage
    {
        const char *fixture;
        std::function<bool(const QString &)> apply;
        const char *named;   // empty: the copy is whole
    } damages[] = {
        {"dvd/ntsc", [](const QString &d) { return QFile::remove(d + "/VIDEO_TS/VTS_01_1.VOB"); },
         "VTS_01_1.VOB is missing or empty"},
        {"dvd/ntsc", [&](const QString &d) { return cut(d + "/VIDEO_TS/VTS_01_1.VOB", 0); }, "VTS_01_1.VOB is missing or empty"},
        {"dvd/ntsc", [&](const QString &d) { return cut(d + "/VIDEO_TS/VTS_01_1.VOB", 437 * 2048); },
         "VTS_01_1.VOB holds 437 of the 4377 sectors its IFO gives: 8.1 MB are missing"},
        {"dvd/ntsc", [&](const QString &d) { return cut(d + "/VIDEO_TS/VTS_01_1.VOB", -2048); },
         "VTS_01_1.VOB holds 4376 of the 4377 sectors"},
        {"dvd/ntsc",
         [&](const QString &d) { return cut(d + "/VIDEO_TS/VTS_01_0.IFO", 4096) && cut(d + "/VIDEO_TS/VTS_01_0.BUP", 4096); },
         "VTS_01_0.IFO (4096 bytes) and its backup VTS_01_0.BUP (4096 bytes) are damaged or cut short"},
        {"dvd/ntsc", [&](const QString &d) { return cut(d + "/VIDEO_TS/VTS_01_0.IFO", 4096); },
         "VTS_01_0.IFO holds 4096 of the 12288 bytes its header gives"},
        {"dvd/ntsc", [&](const QString &d) { return cut(d + "/VIDEO_TS/VIDEO_TS.BUP", 2048); },
         "VIDEO_TS.BUP holds 2048 of the 6144 bytes"},
        {"dvd/ntsc.iso", [&](const QString &d) { return cut(d, -500 * 2048); }, "VTS_01_0.BUP cannot be read to its end"},
        {"dvd/ntsc",
         [](const QString &d) {
             return QFile::remove(d + "/VIDEO_TS/VIDEO_TS.BUP") && QFile::remove(d + "/VIDEO_TS/VTS_01_0.BUP");
         },
         ""},
    };
    const QString tool = DNBundle::pathForCompanion(QStringLiteral("HVDVDISOBackup"));
    for (const Damage &damage : damages) {
        SCOPED_TRACE(damage.named);
        QTemporaryDir work, out;
        const QString disc = testsupport::copyFixture(QString::fromLatin1(damage.fixture), work.path());
        ASSERT_TRUE(damage.apply(disc));
        const QString image = out.filePath(QStringLiteral("x.iso"));
        const auto run = testsupport::runProcess(tool, {disc, image, QStringLiteral("iso")});
        if (*damage.named) {
            EXPECT_NE(run.exitCode, 0);
            EXPECT_TRUE(run.output.contains(QByteArray("the DVD's data is damaged: ") + damage.named)) << run.output.toStdString();
            EXPECT_TRUE(leftovers(out.path()).isEmpty());
        } else {
            EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
            EXPECT_EQ(testsupport::listDisc(image).lengths.size(), 3u);
        }
    }
}

TEST(ISOBackupFailures, AStoppedBackupFailsAndLeavesNoPartialFiles)
{
    QTemporaryDir out;
    EXPECT_NE(runBackup(testsupport::fixturePath(QStringLiteral("dvd/pal")), out.filePath(QStringLiteral("x.iso")),
                        10, stopOnStart), 0);
    for (const QString &name : leftovers(out.path()))
        EXPECT_EQ(name, QStringLiteral("x.iso")) << "partial file left: " << qPrintable(name);
}

TEST(ISOBackupProgressReading, TakesLinesWhateverTheChunksAndComputesTheTime)
{
    DNISOBackUpCore &core = DNISOBackUpCore::shareBackupCore();
    core.resetForPass(600);
    for (const char *chunk : {"libdvdread: noise\n<3", "7% 1200 ", "3400>\n"})
        core.onOutput(chunk);
    EXPECT_EQ(core.progress(), 37);
    EXPECT_EQ(core.readSectors(), 1200);
    EXPECT_EQ(core.totalSectors(), 3400);
    EXPECT_EQ(core.backupTime(), 222);
    core.onOutput("not a progress line\n");
    EXPECT_EQ(core.progress(), 37);
}

TEST(ISOBackupImageCheck, TellsAnImageFromOtherFiles)
{
    EXPECT_TRUE(isReadableISOImage(testsupport::fixturePath(QStringLiteral("dvd/ntsc.iso"))));
    EXPECT_FALSE(isReadableISOImage(testsupport::fixturePath(QStringLiteral("media/clip.mp4"))));
    EXPECT_FALSE(isReadableISOImage(QString()));
}
} // namespace
