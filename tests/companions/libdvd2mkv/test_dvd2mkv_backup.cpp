#include "convert/engine/DNDVD2MKV.h"
#include "core/platform/DNBundle.h"
#include "support/ffprobe.h"
#include "support/paths.h"
#include "support/process.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <mutex>
#include <thread>

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
        DVD2MKV_Stop();
    return 0;
}

// The Matroska backup builder's words for title 2 of the PAL disc with both audio tracks and the
// subtitle, plus any extra words before "-o".
QStringList backupVector(const QString &output, const QStringList &extra = {})
{
    QStringList v{QStringLiteral("encoder"), QStringLiteral("-i"), testsupport::fixturePath(QStringLiteral("dvd/pal")),
                  QStringLiteral("-m"), QStringLiteral("-f"), QStringLiteral("mkv"), QStringLiteral("-e"),
                  QStringLiteral("ffmpeg4"), QStringLiteral("-b"), QStringLiteral("1500"), QStringLiteral("-E"),
                  QStringLiteral("copy:aac"), QStringLiteral("-t"), QStringLiteral("2"), QStringLiteral("-a"),
                  QStringLiteral("1,2"), QStringLiteral("-s"), QStringLiteral("1")};
    v << extra << QStringLiteral("-o") << output;
    return v;
}

int runBackup(const QStringList &words, int endpos, EngineStateCallback callback, EngineLogCallback log = nullptr)
{
    std::vector<QByteArray> storage;
    std::vector<char *> argv;
    for (const QString &w : words)
        storage.push_back(w.toUtf8());
    for (QByteArray &b : storage)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    if (DVD2MKV_Load(callback, nullptr) != 0)
        return -1000;
    DVD2MKV_SetLogCallback(log);
    const int result = DVD2MKV_Start(int(storage.size()), argv.data(), endpos);
    return result;
}

int streamsOfType(const QJsonObject &probe, const QString &type)
{
    int n = 0;
    for (const QJsonValue &s : probe.value(QStringLiteral("streams")).toArray())
        n += s.toObject().value(QStringLiteral("codec_type")).toString() == type;
    return n;
}

double durationOf(const QString &path)
{
    return testsupport::durationOf(testsupport::ffprobe(path));
}

// A 32x24 grey picture of the frame at second t.
QByteArray smallFrame(const QString &path, double t, const QString &folder)
{
    const QString raw = folder + QStringLiteral("/frame-%1.gray").arg(t);
    testsupport::runProcess(QStringLiteral("/usr/bin/ffmpeg"),
                            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                             QStringLiteral("-ss"), QString::number(t), QStringLiteral("-i"), path,
                             QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-vf"),
                             QStringLiteral("scale=32:24,format=gray"), QStringLiteral("-f"),
                             QStringLiteral("rawvideo"), raw});
    QFile f(raw);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

double difference(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size() || a.isEmpty())
        return 1e9;
    double sum = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        sum += std::abs(int(uchar(a[i])) - int(uchar(b[i])));
    return sum / double(a.size());
}

class MatroskaBackup : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        whole = new QTemporaryDir;
        startedNotices = 0;
        wholeResult = runBackup(backupVector(wholePath()), 0, countStarts);
        wholeProgress = DVD2MKV_Progress();
        wholeTime = DVD2MKV_Time();
        wholeScanSteps = DVD2MKV_ScanSteps();
        DVD2MKV_Unload();
    }
    static void TearDownTestSuite() { delete whole; }
    static QString wholePath() { return whole->filePath(QStringLiteral("pal_T2.mkv")); }

    static inline QTemporaryDir *whole = nullptr;
    static inline int wholeResult = -1, wholeProgress = 0, wholeTime = 0, wholeScanSteps = 0;
};

TEST_F(MatroskaBackup, KeepsTheVideoAndEveryAudioTrackOfTheTitle)
{
    ASSERT_EQ(wholeResult, 0);
    EXPECT_EQ(startedNotices.load(), 1);
    EXPECT_EQ(wholeProgress, 100);
    EXPECT_EQ(wholeTime, 10);
    // HandBrakeCLI's scan (its log lines, its ten previews) is seen as work before any output.
    EXPECT_GE(wholeScanSteps, 10);
    const QJsonObject probe = testsupport::ffprobe(wholePath());
    EXPECT_EQ(streamsOfType(probe, QStringLiteral("video")), 1);
    EXPECT_EQ(streamsOfType(probe, QStringLiteral("audio")), 2);
    EXPECT_NEAR(durationOf(wholePath()), 10.0, 0.6);
}

TEST_F(MatroskaBackup, ATrimmedBackupStartsAtTheTrimStartAndLastsTheTrimLength)
{
    ASSERT_EQ(wholeResult, 0);
    QTemporaryDir out;
    const QString trimmed = out.filePath(QStringLiteral("pal_T2 (1).mkv"));
    ASSERT_EQ(runBackup(backupVector(trimmed, {QStringLiteral("--start-at"), QStringLiteral("duration:4")}), 3,
                        countStarts), 0);
    EXPECT_EQ(DVD2MKV_Time(), 3);
    DVD2MKV_Unload();
    EXPECT_NEAR(durationOf(trimmed), 3.0, 0.6);
    EXPECT_EQ(streamsOfType(testsupport::ffprobe(trimmed), QStringLiteral("audio")), 2);

    // The picture moves: the trimmed file's first second matches the whole title's fifth,
    // not its first.
    const QByteArray start = smallFrame(trimmed, 0.5, out.path());
    const double sameMoment = difference(start, smallFrame(wholePath(), 4.5, out.path()));
    const double titleStart = difference(start, smallFrame(wholePath(), 0.5, out.path()));
    EXPECT_LT(sameMoment * 3, titleStart) << sameMoment << " vs " << titleStart;
}

TEST(MatroskaBackupStop, AStoppedBackupFails)
{
    QTemporaryDir out;
    EXPECT_NE(runBackup(backupVector(out.filePath(QStringLiteral("x.mkv"))), 0, stopOnStart), 0);
    EXPECT_EQ(DVD2MKV_Unload(), 0);
}

// The folder $TMPDIR names for a running HandBrakeCLI, read from its environment; empty when none
// runs.
QString engineTemporaryFolder()
{
    for (const qint64 pid : testsupport::descendantProcesses(QStringLiteral("HandBrakeCLI"))) {
        QFile environment(QStringLiteral("/proc/%1/environ").arg(pid));
        if (!environment.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &entry : environment.readAll().split('\0'))
            if (entry.startsWith("TMPDIR="))
                return QFile::decodeName(entry.mid(7));
    }
    return {};
}

// HandBrakeCLI keeps its "hb.<pid>" folder in a temporary folder of the pass's own, which goes
// with the pass: nothing is left in $TMPDIR after a backup, whole or stopped.
TEST(MatroskaBackupTemporaryFolder, GoesWithThePass)
{
    QTemporaryDir out;
    QTemporaryDir temporary;
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    std::atomic<bool> done{false};
    QString seen;
    std::thread watch([&] {
        while (!done && seen.isEmpty()) {
            seen = engineTemporaryFolder();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    EXPECT_EQ(runBackup(backupVector(out.filePath(QStringLiteral("x.mkv"))), 0, countStarts), 0);
    done = true;
    watch.join();
    DVD2MKV_Unload();
    EXPECT_TRUE(seen.startsWith(temporary.path() + QStringLiteral("/dvd2mkv-"))) << seen.toStdString();
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
    EXPECT_NE(runBackup(backupVector(out.filePath(QStringLiteral("y.mkv"))), 0, stopOnStart), 0);
    DVD2MKV_Unload();
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
    qputenv("TMPDIR", saved);
}

std::mutex loggedLock;
QStringList logged;
void keepLoggedLine(const char *line)
{
    std::lock_guard<std::mutex> lock(loggedLock);
    logged << QString::fromUtf8(line);
}

struct FailedJob
{
    const char *name;
    // The backup builder's words; out is a folder of the test's own.
    std::function<QStringList(const QString &out)> vector;
    const char *errorLine;   // HandBrakeCLI's last words, as the log receives them
};

void PrintTo(const FailedJob &job, std::ostream *out)
{
    *out << job.name;
}

class MatroskaBackupFailure : public testing::TestWithParam<FailedJob>
{
};

// A job HandBrakeCLI fails tells why through the log callback: HandBrakeCLI's own last error
// line, then the status it ended with; the lines that read like complaints on every job (the
// source tried as a Blu-ray, "0 decoder errors") are not among them.
TEST_P(MatroskaBackupFailure, LogsHandBrakesLastErrorLineThenItsStatus)
{
    QTemporaryDir out;
    {
        std::lock_guard<std::mutex> lock(loggedLock);
        logged.clear();
    }
    EXPECT_GT(runBackup(GetParam().vector(out.path()), 0, countStarts, keepLoggedLine), 0);
    DVD2MKV_Unload();
    std::lock_guard<std::mutex> lock(loggedLock);
    ASSERT_GE(logged.size(), 2) << logged.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(logged.last().startsWith(QStringLiteral("dvd2mkv: HandBrakeCLI failed with status ")))
        << logged.last().toStdString();
    EXPECT_TRUE(logged.at(logged.size() - 2).endsWith(QString::fromUtf8(GetParam().errorLine)))
        << logged.join(QLatin1Char('\n')).toStdString();
    for (const QString &line : logged)
        EXPECT_FALSE(line.contains(QStringLiteral("BDMV")) || line.contains(QStringLiteral("decoder errors")))
            << line.toStdString();
}

const FailedJob kFailedJobs[] = {
    {"TitlePastTheDiscsTitles",
     [](const QString &out) {
         QStringList v = backupVector(out + QStringLiteral("/x.mkv"));
         v[v.indexOf(QStringLiteral("-t")) + 1] = QStringLiteral("9");
         return v;
     },
     "No title found."},
    {"OutputFolderItCannotWrite",
     [](const QString &out) { return backupVector(out + QStringLiteral("/missing/x.mkv")); },
     "ERROR: avio_open2 failed, errno -2: Could not write to indicated output file. Please check destination path and "
     "file permissions"},
};

INSTANTIATE_TEST_SUITE_P(HandBrakeFails, MatroskaBackupFailure, testing::ValuesIn(kFailedJobs),
                         [](const testing::TestParamInfo<FailedJob> &info) { return std::string(info.param.name); });

TEST(MatroskaBackupLibrary, AMissingLibraryFailsThePassNotTheProgram)
{
    QTemporaryDir empty;
    DNBundle::setPrefixOverride(empty.path());
    EXPECT_EQ(DVD2MKV_Load(countStarts, nullptr), -1);
    char word[] = "encoder";
    char *argv[] = {word, nullptr};
    EXPECT_EQ(DVD2MKV_Start(1, argv, 0), -1);
    EXPECT_EQ(DVD2MKV_Stop(), -1);
    EXPECT_EQ(DVD2MKV_Unload(), 0);
    EXPECT_EQ(DVD2MKV_Unload(), -1);
    EXPECT_EQ(DVD2MKV_Progress(), 0);
    DNBundle::setPrefixOverride(QString());
}
} // namespace
