#include "core/log/DNLogger.h"
#include "core/plist/DNPropertyList.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemInfo.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// The settings live in the user's configuration folder; every run of this file (and the
// helper processes it starts) uses a private home, configuration and data folder instead.
// The environment is set before main() so that nothing reads the real folders first.
const QString kRootVariable = QStringLiteral("TALVANE_TEST_SETTINGS_ROOT");
const QString kModeVariable = QStringLiteral("TALVANE_TEST_SETTINGS_MODE");
const QString kDumpVariable = QStringLiteral("TALVANE_TEST_SETTINGS_DUMP");

struct PrivateFolders
{
    QString root;
    bool owned = false;
    PrivateFolders()
    {
        root = qEnvironmentVariable("TALVANE_TEST_SETTINGS_ROOT");
        if (root.isEmpty()) {
            QByteArray pattern = QDir::tempPath().toUtf8() + "/talvane-settings-XXXXXX";
            if (!mkdtemp(pattern.data()))
                std::abort();
            root = QString::fromUtf8(pattern);
            owned = true;
            qputenv("TALVANE_TEST_SETTINGS_ROOT", root.toUtf8());
        }
        for (const char *sub : {"home", "config", "data"})
            QDir().mkpath(root + QLatin1Char('/') + QLatin1String(sub));
        qputenv("HOME", (root + QStringLiteral("/home")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toUtf8());
        QDir().mkpath(root + QStringLiteral("/data/Harnvale/Talvane"));
    }
    ~PrivateFolders()
    {
        if (owned)
            QDir(root).removeRecursively();
    }
};
const PrivateFolders g_folders;

QString mode()
{
    return qEnvironmentVariable("TALVANE_TEST_SETTINGS_MODE");
}

void clearStore()
{
    QSettings(QStringLiteral("Harnvale"), QStringLiteral("Talvane")).remove(DNSetting::archiveKey());
}

void storeRaw(const QVariant &value)
{
    QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    settings.setValue(DNSetting::archiveKey(), value);
    settings.sync();
}

// Runs this test executable again in a helper mode; returns its exit code.
int runHelper(const QString &helperMode, const QString &test, const QString &dumpPath = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kModeVariable, helperMode);
    env.insert(kDumpVariable, dumpPath);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString self = QString::fromStdString(std::filesystem::read_symlink("/proc/self/exe").string());
    process.start(self, {QStringLiteral("--gtest_filter=SettingsHelper.") + test});
    if (!process.waitForFinished(120000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

// The stored form of a settings object, as another process would read it back.
QVariantMap storedFormOf(const DNSetting &setting)
{
    return propertyListFromData(propertyListData(setting.archive(), DNPropertyListFormat::Binary)).toMap();
}

// Every archived field away from its default.
void changeEveryArchivedField(DNSetting &s)
{
    s.setAppInstallDate(QDateTime(QDate(2020, 5, 17), QTime(8, 30, 15), Qt::UTC));
    const auto d = s.downloadSetting();
    d->setFavFormat(QStringLiteral("webm"));
    d->setFavResolution(QStringLiteral("1080P"));
    d->setDownloadTarget(QStringLiteral("/srv/downloads"));
    d->setProxyAddress(QStringLiteral("proxy.example"));
    d->setProxyPort(QStringLiteral("3128"));
    d->setVolume(42.5f);
    d->setIsFinishedOpenTarget(false);
    d->setIsFinishedShutdown(true);
    d->setIsSpeedLimited(true);
    d->setIsProxyEnabled(true);
    d->setIsAdd2ListOrCopy2iTunes(true);
    d->setDonotShowQuitWarningAgain(true);
    const auto c = s.cameraSetting();
    c->setVolume(0.25f);
    c->setIsAutoAdd2ConvertList(true);
    c->setIsFinishedOpenIt(false);
    c->setIsShowInFinder(true);
    c->setDefaultTargetPlace(QStringLiteral("/srv/camera"));
    const auto r = s.screenRecordSetting();
    r->setSessionPresetIndex(4);
    r->setMaxFramerate(30);
    r->setTargetFolder(QStringLiteral("/srv/screen"));
    r->setCountDown(7);
    r->setCaptureMouse(false);
    r->setOpenRecordMovie(false);
    r->setAddToConvertList(true);
    const auto a = s.appSetting();
    a->setAudioLanguage(QStringLiteral("Français"));
    a->setSnapshotDirectory(QDir::tempPath());
    a->setVideoOutputDirectory(QStringLiteral("/srv/out"));
    a->setIsShutdowWhenDone(true);
    a->setIsOpenFolderWhenDone(false);
    a->setIsAdd2iTunesLib(true);
    a->setUpdateCheckMode(3);
    const auto m = s.mainWindowSetting();
    m->setHighQuality(true);
    m->setDeinterlacing(true);
    m->setSafemode(true);
    m->setCpuCore(int(DNNumberOfCPUCores()) + 5);
}

void expectMainWindowDefaults(const DNMainWindowSetting &m)
{
    EXPECT_FALSE(m.highQuality());
    EXPECT_FALSE(m.deinterlacing());
    EXPECT_FALSE(m.safemode());
    EXPECT_EQ(m.cpuCore(), int(DNNumberOfCPUCores()));
}

// ---- helper modes (run in a separate process by the tests below) ----------------------------

// A new process restoring the stored settings: writes what it restored to the dump file.
TEST(SettingsHelper, DumpRestored)
{
    if (mode() != QLatin1String("dump"))
        GTEST_SKIP() << "helper process only";
    const auto s = DNSetting::restoreFromUserDefaults();
    QVariantMap dump = storedFormOf(*s);
    const auto m = s->mainWindowSetting();
    dump.insert(QStringLiteral("#firstRun"), s->firstRun());
    dump.insert(QStringLiteral("#mainWindow"), QVariantList{m->highQuality(), m->deinterlacing(), m->safemode(), m->cpuCore()});
    ASSERT_TRUE(writePropertyList(dump, qEnvironmentVariable("TALVANE_TEST_SETTINGS_DUMP"), DNPropertyListFormat::XML));
}

// An application that changes settings and then dies without saving, as in a crash.
TEST(SettingsHelper, ChangeThenDie)
{
    if (mode() != QLatin1String("crash"))
        GTEST_SKIP() << "helper process only";
    int argc = 1;
    char name[] = "settings-helper";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    DNSetting &s = DNSetting::shareSetting();
    s.appSetting()->setVideoOutputDirectory(QStringLiteral("/srv/changed-before-crash"));
    s.screenRecordSetting()->setCountDown(9);
    ASSERT_TRUE(s.hasPendingSave());
    // Let the event loop run the scheduled save (bounded, so a broken save cannot hang).
    QElapsedTimer waited;
    waited.start();
    while (s.hasPendingSave() && waited.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    _exit(s.hasPendingSave() ? 3 : 0); // no save(), no destructors
}

// ---- tests ---------------------------------------------------------------------------------

TEST(Settings, WithoutAStoredArchiveANewObjectHasEveryDefault)
{
    if (!mode().isEmpty())
        GTEST_SKIP();
    clearStore();
    const QDateTime before = QDateTime::currentDateTimeUtc();
    const auto s = DNSetting::restoreFromUserDefaults();
    EXPECT_TRUE(s->firstRun());
    EXPECT_GE(s->appInstallDate(), before.addSecs(-1));
    expectMainWindowDefaults(*s->mainWindowSetting());
    const auto d = s->downloadSetting();
    EXPECT_EQ(d->favFormat(), QStringLiteral("mp4"));
    EXPECT_EQ(d->favResolution(), QStringLiteral("480P"));
    EXPECT_EQ(d->proxyPort(), QStringLiteral("8080"));
    EXPECT_EQ(d->proxyAddress(), QStringLiteral(""));
    EXPECT_FALSE(d->proxyAddress().isNull());
    EXPECT_EQ(d->volume(), 20.0f);
    EXPECT_TRUE(d->isFinishedOpenTarget());
    EXPECT_TRUE(d->downloadTarget().endsWith(QStringLiteral("/Der Adido Rivuvov")));
    EXPECT_TRUE(QFileInfo(d->downloadTarget()).isDir()) << "the default download folder is made";
    EXPECT_EQ(s->cameraSetting()->volume(), 0.5f);
    EXPECT_TRUE(s->cameraSetting()->isFinishedOpenIt());
    EXPECT_TRUE(s->cameraSetting()->defaultTargetPlace().isNull());
    const auto r = s->screenRecordSetting();
    EXPECT_EQ(r->sessionPresetIndex(), 2u);
    EXPECT_EQ(r->maxFramerate(), 10u);
    EXPECT_EQ(r->countDown(), 3u);
    EXPECT_TRUE(r->captureMouse());
    EXPECT_TRUE(r->openRecordMovie());
    const auto a = s->appSetting();
    EXPECT_EQ(a->audioLanguage(), QStringLiteral("English"));
    EXPECT_EQ(a->videoOutputDirectory(), d->downloadTarget());
    EXPECT_TRUE(a->isOpenFolderWhenDone());
    EXPECT_EQ(a->updateCheckMode(), 0);
}

TEST(Settings, ANewProcessRestoresEveryArchivedFieldButNotTheMainWindowSwitches)
{
    if (!mode().isEmpty())
        GTEST_SKIP();
    clearStore();
    DNSetting defaults;
    DNSetting s;
    changeEveryArchivedField(s);
    ASSERT_TRUE(s.save());

    // The change table must really move every stored field, or the comparison proves little.
    const QVariantMap changed = storedFormOf(s);
    const QVariantMap initial = storedFormOf(defaults);
    for (const QString &record : {QStringLiteral("downloadOption"), QStringLiteral("cameraSetting"),
                                  QStringLiteral("screenRecordSetting"), QStringLiteral("appSetting")}) {
        const QVariantMap now = changed.value(record).toMap();
        const QVariantMap before = initial.value(record).toMap();
        ASSERT_FALSE(now.isEmpty()) << record.toStdString();
        for (auto it = now.constBegin(); it != now.constEnd(); ++it) {
            if (it.key() != QLatin1String("$class")) {
                EXPECT_NE(it.value(), before.value(it.key())) << record.toStdString() << " " << it.key().toStdString();
            }
        }
    }
    EXPECT_NE(changed.value(QStringLiteral("appInstallDate")), initial.value(QStringLiteral("appInstallDate")));

    QTemporaryDir dir;
    const QString dumpPath = dir.filePath(QStringLiteral("dump.plist"));
    ASSERT_EQ(runHelper(QStringLiteral("dump"), QStringLiteral("DumpRestored"), dumpPath), 0);
    QVariantMap restored = readPropertyList(dumpPath).toMap();
    ASSERT_FALSE(restored.isEmpty());
    EXPECT_EQ(restored.take(QStringLiteral("#firstRun")), QVariant(false));
    EXPECT_EQ(restored.take(QStringLiteral("#mainWindow")).toList(),
              (QVariantList{false, false, false, qlonglong(DNNumberOfCPUCores())}));
    EXPECT_EQ(restored, changed);
}

TEST(Settings, AChangeIsStoredWithoutSaveSoACrashDoesNotLoseIt)
{
    if (!mode().isEmpty())
        GTEST_SKIP();
    clearStore();
    ASSERT_EQ(runHelper(QStringLiteral("crash"), QStringLiteral("ChangeThenDie")), 0);
    const auto s = DNSetting::restoreFromUserDefaults();
    EXPECT_EQ(s->appSetting()->videoOutputDirectory(), QStringLiteral("/srv/changed-before-crash"));
    EXPECT_EQ(s->screenRecordSetting()->countDown(), 9u);
}

TEST(Settings, AnUnreadableArchiveGivesDefaultsAndALogLine)
{
    if (!mode().isEmpty())
        GTEST_SKIP();
    DNSetting good;
    const QByteArray valid = propertyListData(good.archive(), DNPropertyListFormat::Binary);
    QVariantMap wrongClass = good.archive();
    wrongClass.insert(QStringLiteral("$class"), QStringLiteral("NSArray"));
    QVariantMap noVersion = good.archive();
    noVersion.remove(QStringLiteral("$archiveVersion"));
    const struct { const char *name; QVariant stored; } cases[] = {
        {"garbage", QByteArray("\x01\x02garbage")},
        {"truncated", valid.left(valid.size() - 7)},
        {"a text, not data", QStringLiteral("hello")},
        {"a list", propertyListData(QVariantList{1, 2}, DNPropertyListFormat::Binary)},
        {"another class", propertyListData(wrongClass, DNPropertyListFormat::Binary)},
        {"no format version", propertyListData(noVersion, DNPropertyListFormat::Binary)},
    };
    for (const auto &c : cases) {
        storeRaw(c.stored);
        const auto s = DNSetting::restoreFromUserDefaults();
        ASSERT_NE(s, nullptr) << c.name;
        EXPECT_TRUE(s->firstRun()) << c.name;
        EXPECT_EQ(s->appSetting()->audioLanguage(), QStringLiteral("English")) << c.name;
        EXPECT_EQ(s->downloadSetting()->favFormat(), QStringLiteral("mp4")) << c.name;
    }
    QFile log(DNCurrentRoughLogPath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly)) << DNCurrentRoughLogPath().toStdString();
    EXPECT_GE(QString::fromUtf8(log.readAll()).count(QStringLiteral("kApplicationSetting002")), qsizetype(std::size(cases)));
    clearStore();
}

TEST(Settings, DecodingFillsWhatTheArchiveLacks)
{
    if (!mode().isEmpty())
        GTEST_SKIP();
    DNSetting written;
    written.appSetting()->setAudioLanguage(QStringLiteral("Deutsch"));
    written.cameraSetting()->setIsShowInFinder(true);
    const QVariantMap full = storedFormOf(written);

    {   // another version, no install date, no camera record
        QVariantMap map = full;
        map.insert(QStringLiteral("runningVersion"), QStringLiteral("0.0.1"));
        map.remove(QStringLiteral("appInstallDate"));
        map.remove(QStringLiteral("cameraSetting"));
        const QDateTime before = QDateTime::currentDateTimeUtc();
        const auto s = DNSetting::fromArchive(map);
        const QDateTime after = QDateTime::currentDateTimeUtc();
        ASSERT_NE(s, nullptr);
        EXPECT_TRUE(s->firstRun());
        EXPECT_GE(s->appInstallDate(), before.addSecs(-36000));
        EXPECT_LE(s->appInstallDate(), after.addSecs(-36000));
        EXPECT_FALSE(s->cameraSetting()->isShowInFinder()) << "missing record: defaults";
        EXPECT_TRUE(s->cameraSetting()->isFinishedOpenIt());
        EXPECT_EQ(s->appSetting()->audioLanguage(), QStringLiteral("Deutsch")) << "other records kept";
    }
    {   // same version
        const auto s = DNSetting::fromArchive(full);
        ASSERT_NE(s, nullptr);
        EXPECT_FALSE(s->firstRun());
    }
    {   // application record: fallbacks for the language and a vanished snapshot folder only
        QVariantMap app = full.value(QStringLiteral("appSetting")).toMap();
        app.remove(QStringLiteral("audioLanguage"));
        app.insert(QStringLiteral("snapshotDirectory"), QStringLiteral("/nonexistent/snapshots"));
        app.remove(QStringLiteral("video_output_folder"));
        app.remove(QStringLiteral("open_folder_when_done"));
        QVariantMap map = full;
        map.insert(QStringLiteral("appSetting"), app);
        const auto s = DNSetting::fromArchive(map);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->appSetting()->audioLanguage(), QStringLiteral("English"));
        EXPECT_EQ(s->appSetting()->snapshotDirectory(), DNAppSetting().snapshotDirectory());
        EXPECT_TRUE(s->appSetting()->videoOutputDirectory().isNull());
        EXPECT_FALSE(s->appSetting()->isOpenFolderWhenDone()) << "a missing key decodes as NO";
    }
    {   // a stored main-window record would still not be used
        QVariantMap map = full;
        map.insert(QStringLiteral("mainWindowSetting"), QVariantMap{{QStringLiteral("$class"), QStringLiteral("DNMainWindowSetting")},
                                                                    {QStringLiteral("highQuality"), true}});
        const auto s = DNSetting::fromArchive(map);
        expectMainWindowDefaults(*s->mainWindowSetting());
    }
}

TEST(Settings, AStoredProcessorCountOfZeroMeansTheProcessorCount)
{
    if (!mode().isEmpty())
        GTEST_SKIP();
    DNMainWindowSetting m;
    m.restore({{QStringLiteral("cpuCore"), 0}, {QStringLiteral("deinterlacing001"), true}});
    EXPECT_EQ(m.cpuCore(), int(DNNumberOfCPUCores()));
    EXPECT_TRUE(m.deinterlacing());
    m.restore({{QStringLiteral("cpuCore"), 3}});
    EXPECT_EQ(m.cpuCore(), 3);
}

TEST(Settings, TheMainWindowRecordIsNeverArchived)
{
    if (!mode().isEmpty())
        GTEST_SKIP();
    DNSetting s;
    s.mainWindowSetting()->setHighQuality(true);
    const QVariantMap map = s.archive();
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        if (it.value().typeId() == QMetaType::QVariantMap) {
            EXPECT_NE(it.value().toMap().value(QStringLiteral("$class")), QStringLiteral("DNMainWindowSetting"));
        }
    }
    clearStore();
}

} // namespace
