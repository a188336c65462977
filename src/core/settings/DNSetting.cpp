#include "DNSetting.h"

#include "core/log/DNLogger.h"
#include "core/plist/DNPropertyList.h"
#include "core/util/DNSystemInfo.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTimer>

namespace {

const QString kArchiveKey = QStringLiteral("kApplicationSetting002");
const QString kClassKey = QStringLiteral("$class");
const QString kVersionKey = QStringLiteral("$archiveVersion");
const QString kSettingClass = QStringLiteral("DNSetting");
constexpr int kArchiveVersion = 1;

// Changes often come in bursts (a slider, typing a folder); one save shortly after the last
// of them is enough.
constexpr int kSaveDelayMs = 300;

// An archive without an install date is dated this much before the moment of decoding.
constexpr qint64 kMissingInstallDateAgeSecs = 36000;

const QString kRunningVersionKey = QStringLiteral("runningVersion");
const QString kInstallDateKey = QStringLiteral("appInstallDate");
const QString kDownloadKey = QStringLiteral("downloadOption");
const QString kCameraKey = QStringLiteral("cameraSetting");
const QString kScreenKey = QStringLiteral("screenRecordSetting");
const QString kAppKey = QStringLiteral("appSetting");

QSettings userDefaults()
{
    return QSettings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
}

QVariantMap archiveOf(const DNSettingRecord &record)
{
    QVariantMap map = record.archive();
    map.insert(kClassKey, record.className());
    return map;
}

// The record stored under key, or null when there is none of the right class.
template <class R>
std::shared_ptr<R> recordFrom(const QVariantMap &archive, const QString &key)
{
    const QVariant value = archive.value(key);
    if (value.typeId() != QMetaType::QVariantMap)
        return nullptr;
    const QVariantMap map = value.toMap();
    auto record = std::make_shared<R>();
    if (map.value(kClassKey).toString() != record->className())
        return nullptr;
    record->restore(map);
    return record;
}

} // namespace

struct DNSetting::SaveScheduler
{
    std::mutex mutex;
    DNSetting *owner = nullptr;
    bool pending = false;

    static void flush(const std::weak_ptr<SaveScheduler> &weak)
    {
        const auto self = weak.lock();
        if (!self)
            return;
        std::lock_guard lock(self->mutex);
        if (!self->owner || !self->pending)
            return;
        self->pending = false;
        self->owner->writeArchive();
    }
};

QString DNSetting::archiveKey()
{
    return kArchiveKey;
}

DNSetting &DNSetting::shareSetting()
{
    static std::mutex creationMutex;
    static DNSetting *instance = nullptr;
    std::lock_guard lock(creationMutex);
    if (!instance)
        instance = restoreFromUserDefaults().release();
    return *instance;
}

DNSetting::DNSetting(Fresh fresh) : m_scheduler(std::make_shared<SaveScheduler>())
{
    m_scheduler->owner = this;
    if (fresh == Fresh::Yes) {
        firstRun_ = true;
        appInstallDate_ = QDateTime::currentDateTimeUtc();
        fillMissingRecords();
    }
}

DNSetting::DNSetting() : DNSetting(Fresh::Yes) {}

DNSetting::~DNSetting()
{
    std::lock_guard lock(m_scheduler->mutex);
    m_scheduler->owner = nullptr;
    m_scheduler->pending = false;
}

template <class R>
void DNSetting::adopt(std::shared_ptr<R> &slot, std::shared_ptr<R> record)
{
    std::shared_ptr<R> old;
    {
        std::lock_guard lock(m_mutex);
        old = std::exchange(slot, record);
    }
    if (old && old != record)
        old->setChangeHandler(nullptr);
    if (record)
        record->setChangeHandler([scheduler = std::weak_ptr<SaveScheduler>(m_scheduler), this] {
            const auto s = scheduler.lock();
            if (s)
                changed();
        });
}

void DNSetting::fillMissingRecords()
{
    // In this order: main window, download, camera, screen recorder, application.
    if (!mainWindowSetting())
        adopt(mainWindowSetting_, std::make_shared<DNMainWindowSetting>());
    if (!downloadSetting())
        adopt(downloadSetting_, std::make_shared<NXVideoDownloadSetting>());
    if (!cameraSetting())
        adopt(cameraSetting_, std::make_shared<NXCameraRecorderSetting>());
    if (!screenRecordSetting())
        adopt(screenRecordSetting_, std::make_shared<DNScreenRecorderSetting>());
    if (!appSetting())
        adopt(appSetting_, std::make_shared<DNAppSetting>());
}

std::unique_ptr<DNSetting> DNSetting::fromArchive(const QVariantMap &map, QString *error)
{
    if (map.value(kClassKey).toString() != kSettingClass) {
        if (error)
            *error = QStringLiteral("the archive does not hold a DNSetting object");
        return nullptr;
    }
    bool versionOk = false;
    const int version = map.value(kVersionKey).toInt(&versionOk);
    if (!versionOk || version < 1) {
        if (error)
            *error = QStringLiteral("the archive has no valid format version");
        return nullptr;
    }

    std::unique_ptr<DNSetting> setting(new DNSetting(Fresh::No));
    const QVariant running = map.value(kRunningVersionKey);
    setting->firstRun_ = running.typeId() != QMetaType::QString
                         || running.toString() != DNApplicationVersion();
    const QDateTime installed = map.value(kInstallDateKey).toDateTime();
    setting->appInstallDate_ = installed.isValid()
                                   ? installed
                                   : QDateTime::currentDateTimeUtc().addSecs(-kMissingInstallDateAgeSecs);
    setting->adopt(setting->downloadSetting_, recordFrom<NXVideoDownloadSetting>(map, kDownloadKey));
    setting->adopt(setting->cameraSetting_, recordFrom<NXCameraRecorderSetting>(map, kCameraKey));
    setting->adopt(setting->screenRecordSetting_, recordFrom<DNScreenRecorderSetting>(map, kScreenKey));
    setting->adopt(setting->appSetting_, recordFrom<DNAppSetting>(map, kAppKey));
    // The main-window switches are never stored, so they always start from their defaults.
    setting->fillMissingRecords();
    return setting;
}

std::unique_ptr<DNSetting> DNSetting::restoreFromUserDefaults()
{
    const QVariant stored = userDefaults().value(kArchiveKey);
    if (!stored.isValid())
        return std::make_unique<DNSetting>();

    QString reason;
    if (stored.typeId() != QMetaType::QByteArray) {
        reason = QStringLiteral("the stored value is not data");
    } else {
        const QVariant root = propertyListFromData(stored.toByteArray(), &reason);
        if (root.isValid() && root.typeId() != QMetaType::QVariantMap)
            reason = QStringLiteral("the stored property list is not a dictionary");
        else if (root.isValid()) {
            if (auto setting = fromArchive(root.toMap(), &reason))
                return setting;
        }
    }
    // An unreadable archive must not keep the program from starting; the next save replaces it.
    DNRoughLog(QStringLiteral("The stored settings (%@) cannot be read (%@); starting from the defaults."),
               kArchiveKey, reason);
    return std::make_unique<DNSetting>();
}

QVariantMap DNSetting::archive() const
{
    QVariantMap map;
    map.insert(kClassKey, kSettingClass);
    map.insert(kVersionKey, kArchiveVersion);
    map.insert(kRunningVersionKey, DNApplicationVersion());
    const QDateTime installed = appInstallDate();
    if (installed.isValid())
        map.insert(kInstallDateKey, installed);
    if (const auto r = downloadSetting())
        map.insert(kDownloadKey, archiveOf(*r));
    if (const auto r = cameraSetting())
        map.insert(kCameraKey, archiveOf(*r));
    if (const auto r = screenRecordSetting())
        map.insert(kScreenKey, archiveOf(*r));
    if (const auto r = appSetting())
        map.insert(kAppKey, archiveOf(*r));
    return map;
}

bool DNSetting::save()
{
    {
        std::lock_guard lock(m_scheduler->mutex);
        m_scheduler->pending = false;
    }
    return writeArchive();
}

bool DNSetting::writeArchive()
{
    std::lock_guard lock(m_saveMutex);
    QString error;
    const QByteArray data = propertyListData(archive(), DNPropertyListFormat::Binary, &error);
    if (data.isEmpty()) {
        DNRoughLog(QStringLiteral("The settings cannot be archived: %@"), error);
        return false;
    }
    QSettings settings = userDefaults();
    settings.setValue(kArchiveKey, data);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        DNRoughLog(QStringLiteral("The settings cannot be written to %@."), settings.fileName());
        return false;
    }
    return true;
}

void DNSetting::changed()
{
    {
        std::lock_guard lock(m_scheduler->mutex);
        if (m_scheduler->pending)
            return;
        m_scheduler->pending = true;
    }
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        save();
        return;
    }
    // The timer runs on the application's thread whichever thread made the change.
    const std::weak_ptr<SaveScheduler> weak = m_scheduler;
    QMetaObject::invokeMethod(
        app,
        [weak] {
            QTimer::singleShot(kSaveDelayMs, QCoreApplication::instance(),
                               [weak] { SaveScheduler::flush(weak); });
        },
        Qt::QueuedConnection);
}

bool DNSetting::hasPendingSave() const
{
    std::lock_guard lock(m_scheduler->mutex);
    return m_scheduler->pending;
}

QDateTime DNSetting::appInstallDate() const
{
    std::lock_guard lock(m_mutex);
    return appInstallDate_;
}

void DNSetting::setAppInstallDate(const QDateTime &date)
{
    {
        std::lock_guard lock(m_mutex);
        if (appInstallDate_ == date)
            return;
        appInstallDate_ = date;
    }
    changed();
}

#define DN_SETTING_RECORD_ACCESSORS(Type, getter, setter, slot)                                    \
    std::shared_ptr<Type> DNSetting::getter() const                                             \
    {                                                                                           \
        std::lock_guard lock(m_mutex);                                                          \
        return slot;                                                                            \
    }                                                                                           \
    void DNSetting::setter(std::shared_ptr<Type> record)                                        \
    {                                                                                           \
        adopt(slot, std::move(record));                                                         \
        changed();                                                                              \
    }

DN_SETTING_RECORD_ACCESSORS(DNMainWindowSetting, mainWindowSetting, setMainWindowSetting, mainWindowSetting_)
DN_SETTING_RECORD_ACCESSORS(NXVideoDownloadSetting, downloadSetting, setDownloadSetting, downloadSetting_)
DN_SETTING_RECORD_ACCESSORS(NXCameraRecorderSetting, cameraSetting, setCameraSetting, cameraSetting_)
DN_SETTING_RECORD_ACCESSORS(DNScreenRecorderSetting, screenRecordSetting, setScreenRecordSetting, screenRecordSetting_)
DN_SETTING_RECORD_ACCESSORS(DNAppSetting, appSetting, setAppSetting, appSetting_)
