#pragma once

#include "DNAppSetting.h"
#include "DNMainWindowSetting.h"
#include "DNScreenRecorderSetting.h"
#include "NXCameraRecorderSetting.h"
#include "NXVideoDownloadSetting.h"

#include <QDateTime>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <mutex>

// The application's settings: five records, the install date and whether this is the first
// run of this version. Stored in the user defaults (QSettings, "Harnvale"/"Talvane") under
// "kApplicationSetting002" as binary property-list data of a versioned map: "runningVersion",
// "appInstallDate" and the four archived records ("downloadOption", "cameraSetting",
// "screenRecordSetting", "appSetting"), each a map of its coder keys with its class name under
// "$class". The main-window record is never stored.
//
// Saving: save() writes everything (the shell calls it at termination); in addition every
// change made through a record's setter schedules a save shortly after (on the application's
// event loop; at once when there is no application object), so a crash loses at most the last
// moment's change.
class DNSetting
{
public:
    // The process-wide instance, restored from the user defaults at first request. It lives
    // until the process ends.
    static DNSetting &shareSetting();

    // The user-defaults key of the archive.
    static QString archiveKey();
    // The restoring step of shareSetting: the stored archive, or a new object when there is
    // none or it cannot be read (logged). Never fails.
    static std::unique_ptr<DNSetting> restoreFromUserDefaults();
    // The object an archive map describes; null with error set when map is not one.
    static std::unique_ptr<DNSetting> fromArchive(const QVariantMap &map, QString *error = nullptr);

    // A new settings object: firstRun, installed now, every record at its defaults.
    DNSetting();
    ~DNSetting();
    DNSetting(const DNSetting &) = delete;
    DNSetting &operator=(const DNSetting &) = delete;

    // Writes the archive into the user defaults and synchronises them; false on failure.
    bool save();
    // The archive map save() writes.
    QVariantMap archive() const;

    bool firstRun() const { return firstRun_; }
    QDateTime appInstallDate() const;
    void setAppInstallDate(const QDateTime &date);

    std::shared_ptr<DNMainWindowSetting> mainWindowSetting() const;
    void setMainWindowSetting(std::shared_ptr<DNMainWindowSetting> record);
    std::shared_ptr<NXVideoDownloadSetting> downloadSetting() const;
    void setDownloadSetting(std::shared_ptr<NXVideoDownloadSetting> record);
    std::shared_ptr<NXCameraRecorderSetting> cameraSetting() const;
    void setCameraSetting(std::shared_ptr<NXCameraRecorderSetting> record);
    std::shared_ptr<DNScreenRecorderSetting> screenRecordSetting() const;
    void setScreenRecordSetting(std::shared_ptr<DNScreenRecorderSetting> record);
    std::shared_ptr<DNAppSetting> appSetting() const;
    void setAppSetting(std::shared_ptr<DNAppSetting> record);

    // A change is waiting for its scheduled save.
    bool hasPendingSave() const;

private:
    struct SaveScheduler;
    enum class Fresh { Yes, No };
    explicit DNSetting(Fresh fresh);

    template <class R>
    void adopt(std::shared_ptr<R> &slot, std::shared_ptr<R> record);
    void fillMissingRecords();
    void changed();
    bool writeArchive();

    bool firstRun_ = true;
    mutable std::mutex m_mutex;  // guards the date and the record slots
    QDateTime appInstallDate_;
    std::shared_ptr<NXVideoDownloadSetting> downloadSetting_;
    std::shared_ptr<NXCameraRecorderSetting> cameraSetting_;
    std::shared_ptr<DNMainWindowSetting> mainWindowSetting_;
    std::shared_ptr<DNScreenRecorderSetting> screenRecordSetting_;
    std::shared_ptr<DNAppSetting> appSetting_;
    std::shared_ptr<SaveScheduler> m_scheduler;
    std::mutex m_saveMutex;
};
