// A damaged disc never gives a false success: copies of the NTSC disc with their VOB gone, emptied
// or cut, their IFO and backup cut or altered, or their image cut or with inverted bytes, go through
// the ISO backup, the main and full backups, the Matroska backup and an ordinary conversion with
// the real engines. Each run either fails, with nothing under a final name and (where the damage
// is plain) a log line naming what is missing, or writes the title's own length. Each damage is
// its own test, so ctest runs them side by side.

#include "UnfinishedOutputSupport.h"

#include "convert/engine/OutputReading.h"
#include "core/log/DNLogger.h"
#include "dvd/NXDVDUtilities.h"
#include "support/discdamage.h"
#include "support/fixturecopy.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <random>

using namespace drivertest;

namespace {

// Where the fixture disc keeps what the damage touches.
const QString kTitleVob = QStringLiteral("/VIDEO_TS/VTS_01_1.VOB");
constexpr qint64 kSector = 2048;

bool resize(const QString &path, const std::function<qint64(qint64)> &newSize)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.resize(newSize(file.size()));
}

using testsupport::editTitleSetInfo;
using testsupport::ifoWord32;

// The title set's table of titles (its sector at 0xC8) sends title 3 to the program chain of
// title 2, which lasts 10 s where title 3 lasts 4.
void sendTitle3ToChain2(QByteArray &ifo)
{
    const qint64 table = qint64(ifoWord32(ifo, 0xC8)) * kSector;
    const qint64 title3 = table + ifoWord32(ifo, table + 8 + 2 * 4);
    ifo[title3] = 0;
    ifo[title3 + 1] = 2;
}

// The program chain of title 2 (the table at sector 0xCC) states 30 s where its cells hold 10.
void stateThirtySecondsForTitle2(QByteArray &ifo)
{
    const qint64 table = qint64(ifoWord32(ifo, 0xCC)) * kSector;
    const qint64 chain2 = table + ifoWord32(ifo, table + 8 + 8 + 4);
    ifo[chain2 + 5] = 0x00;
    ifo[chain2 + 6] = 0x30;
}

// 3000 bytes inverted over the image's files, past its file system and IFO files. With these
// places HandBrakeCLI writes a Matroska file of title 2 that says it lasts over three hours.
bool invertBytes(const QString &image)
{
    QFile file(image);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    std::mt19937 random(2);
    const qint64 first = bytes.size() / 10, span = bytes.size() * 95 / 100 - first;
    for (int i = 0; i < 3000; ++i) {
        const qint64 where = first + qint64(random() % quint64(span));
        bytes[where] = char(~bytes.at(where));
    }
    return file.seek(0) && file.write(bytes) == bytes.size();
}

enum class Outcome {
    Fails,       // every engine fails, and the log names the damage
    OwnLength,   // every engine writes the title's own length
    Either,      // a failure with nothing left, or the title's own length
};

struct Damage
{
    const char *name;
    const char *fixture;
    int titleIndex;
    double ownSeconds;          // the title's length on the undamaged disc
    bool loadAfterDamage;       // the disc is loaded as it is now, not before the damage
    std::function<bool(const QString &copy)> apply;
    Outcome outcome;
    const char *logged = "";    // Fails: what the log says of the damage
};

void PrintTo(const Damage &damage, std::ostream *out)
{
    *out << damage.name;
}

const Damage damages[] = {
    {"VobGone", "dvd/ntsc", 2, 4, false, [](const QString &d) { return QFile::remove(d + kTitleVob); }, Outcome::Fails,
     "VTS_01_1.VOB"},
    {"VobEmptied", "dvd/ntsc", 2, 4, false, [](const QString &d) { return resize(d + kTitleVob, [](qint64) { return 0; }); },
     Outcome::Fails, "VTS_01_1.VOB"},
    {"VobCutToATenth", "dvd/ntsc", 0, 6, false,
     [](const QString &d) { return resize(d + kTitleVob, [](qint64 size) { return size / 10; }); }, Outcome::Fails,
     "MB of the title are missing"},
    {"VobCutToHalf", "dvd/ntsc", 1, 10, false,
     [](const QString &d) { return resize(d + kTitleVob, [](qint64 size) { return size / 2; }); }, Outcome::Fails,
     "MB of the title are missing"},
    // The last 350 sectors: about 1.5 s of the 4 s title 3, less than 2 % of the disc.
    {"VobLostItsLastSeconds", "dvd/ntsc", 2, 4, false,
     [](const QString &d) { return resize(d + kTitleVob, [](qint64 size) { return size - 350 * kSector; }); },
     Outcome::Fails, "0.7 MB of the title are missing"},
    {"IfoAndBackupCut", "dvd/ntsc", 2, 4, false,
     [](const QString &d) {
         return resize(d + "/VIDEO_TS/VTS_01_0.IFO", [](qint64) { return 2 * kSector; })
             && resize(d + "/VIDEO_TS/VTS_01_0.BUP", [](qint64) { return 2 * kSector; });
     },
     Outcome::Fails, "are damaged or cut short: neither reads"},
    {"IfoAndBackupSendTitle3ToAnother", "dvd/ntsc", 2, 4, false,
     [](const QString &d) { return editTitleSetInfo(d, sendTitle3ToChain2); }, Outcome::Either},
    // Loaded as damaged, the title claims 30 s; its data holds 10, which is what the pass reads.
    {"IfoAndBackupStateAWrongTime", "dvd/ntsc", 1, 10, true,
     [](const QString &d) { return editTitleSetInfo(d, stateThirtySecondsForTitle2); }, Outcome::OwnLength},
    // Records whose figures place the cells past any DVD: the damaged records are named, never
    // terabytes of data missing.
    {"IfoAndBackupPlaceCellsPastAnyDisc", "dvd/ntsc", 2, 4, false, testsupport::placeTitleSetCellsPastAnyDisc,
     Outcome::Fails, "VTS_01_0.IFO are damaged."},
    {"ImageWithInvertedBytes", "dvd/ntsc.iso", 1, 10, false, invertBytes, Outcome::Either},
    {"ImageCutTo95Percent", "dvd/ntsc.iso", 2, 4, false,
     [](const QString &d) { return resize(d, [](qint64 size) { return size * 95 / 100; }); }, Outcome::Fails,
     "title 3 needs"},
};

const char *const engines[] = {"DVDBackupISO.plist", "DVDMainBackup.plist", "DVDFullBackup.plist", "DVDBackupMKV.plist",
                               "Video_Other_AVI_DIVX.plist"};

DNDVDNodePtr loadCopy(const QString &copy)
{
    QString error;
    DNDVDNodePtr node = NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(copy), &error);
    EXPECT_TRUE(node) << error.toStdString();
    return node;
}

// The output is the title's own: a media file as long as the title by every measure a player
// takes, or an image that holds the same DVD whole.
void expectOwnLength(const QString &output, double ownSeconds, int titles)
{
    if (output.endsWith(QLatin1String(".iso"))) {
        const DNDVDNodePtr copy = loadCopy(output);
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->titleCount(), titles);
        return;
    }
    const OutputReading reading = readOutputToEnd(QFile::encodeName(output).toStdString());
    ASSERT_TRUE(reading.readable) << reading.why;
    // Where timestamps may start again, what plays counts; elsewhere they must not break.
    const bool restarts = reading.timestampsMayRestart;
    EXPECT_NEAR(restarts ? reading.videoPlayedSeconds : reading.videoSeconds, ownSeconds, kOutputLengthMarginSeconds);
    if (reading.audioPackets > 0)
        EXPECT_NEAR(restarts ? reading.audioPlayedSeconds : reading.audioSeconds, ownSeconds, kOutputLengthMarginSeconds);
    if (!restarts) {
        EXPECT_FALSE(reading.videoJump.found() || reading.audioJump.found());
        if (reading.statedSeconds > 0)
            EXPECT_NEAR(reading.statedSeconds, ownSeconds, kOutputLengthMarginSeconds);
    }
}

class DamagedDVDSource : public ::testing::TestWithParam<Damage>
{
};

} // namespace

TEST_P(DamagedDVDSource, FailsWithNothingLeftOrWritesTheTitlesOwnLength)
{
    const Damage &damage = GetParam();
    QTemporaryDir work, logs;
    DNLogger::shareRoughLog().redirect(logs.path());
    const QString copy = testsupport::copyFixture(QString::fromLatin1(damage.fixture), work.path());
    ASSERT_FALSE(copy.isEmpty());
    DNDVDNodePtr node = damage.loadAfterDamage ? nullptr : loadCopy(copy);
    ASSERT_TRUE(damage.apply(copy));
    if (damage.loadAfterDamage)
        node = loadCopy(copy);
    ASSERT_TRUE(node);
    const int titles = node->titleCount();

    for (const char *engine : engines) {
        SCOPED_TRACE(engine);
        node->setProfile(shippedProfile(QString::fromLatin1(engine)));
        QTemporaryDir out;
        useOutputFolder(out.path());
        const int result = DNVideoConverterStart(node.get(), damage.titleIndex, nullptr, nullptr);
        const QString output = node->titleAt(damage.titleIndex)->outputName();
        if (result != 0) {
            EXPECT_NE(damage.outcome, Outcome::OwnLength) << "result " << result;
            EXPECT_EQ(entriesIn(out.path()), QStringList());
            continue;
        }
        EXPECT_NE(damage.outcome, Outcome::Fails) << output.toStdString() << " was written";
        EXPECT_EQ(filesIn(out.path()), QStringList{QFileInfo(output).fileName()});
        expectOwnLength(output, damage.ownSeconds, titles);
    }

    if (damage.outcome == Outcome::Fails) {
        QFile log(DNCurrentRoughLogPath());
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        EXPECT_EQ(text.count(QByteArray("The pass cannot run: the DVD's data is damaged: ")), qsizetype(std::size(engines)));
        EXPECT_TRUE(text.contains(damage.logged)) << damage.logged;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDamage, DamagedDVDSource, ::testing::ValuesIn(damages),
                         [](const ::testing::TestParamInfo<Damage> &info) { return std::string(info.param.name); });
