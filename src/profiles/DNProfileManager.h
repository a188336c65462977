#pragma once

#include "profiles/DNProfile.h"
#include "profiles/DNProfileKind.h"
#include "profiles/NXProfileCategory.h"

#include <QList>
#include <QSettings>

#include <functional>
#include <memory>
#include <mutex>

// What the start-up check found. When the DVD category lists are damaged, the shell shows the
// alert with these texts (buttons "Download Now", the default, and "Cancel"), opens
// downloadPage on "Download Now" and quits; the log line is already written by then.
struct DNAppDamageReport
{
    bool damaged = false;
    QString messageText;     // "<name> is damaged!"
    QString informativeText; // "\"<name>\" is damaged and can't be opened. ..."
    QString defaultButton;   // "Download Now"
    QString alternateButton; // "Cancel"
    QString downloadPage;
    QString logLine;         // "WARNING:[[APPLICATION WAS DAMAGED]]"
};

// The profile catalogue: where the profiles lie, how the chooser groups them, and what the user
// used last and recently. One per process (profileManager()); tests may make their own over a
// settings store of their choice. Every member may be called from any thread.
class DNProfileManager
{
public:
    using SettingsFactory = std::function<std::unique_ptr<QSettings>()>;

    static constexpr int kRecentKept = 6;
    static constexpr int kRecentShown = 5;
    static QString recentDvdKey() { return QStringLiteral("NXRecentDvdProfile_"); }
    static QString recentVideoKey() { return QStringLiteral("NXRecentVideoProfile_"); }

    // Settings default to the program's user settings (organisation "Harnvale", "Talvane").
    explicit DNProfileManager(SettingsFactory settings = {});
    // Saves the recent lists, as synchronize does.
    ~DNProfileManager();
    DNProfileManager(const DNProfileManager &) = delete;
    DNProfileManager &operator=(const DNProfileManager &) = delete;

    static DNProfileManager &profileManager();

    // Compares the DVD category lists with the digests they were built with.
    static DNAppDamageReport checkWhetherAppDamaged();
    static bool checkDVDPlistMD5();
    static bool checkVideoPlistMD5();

    void synchronize();
    void loadRecentUseProfiles();
    void saveRecentUseProfiles();

    // A copy of the profile last confirmed for the kind; null when none or another kind.
    std::shared_ptr<DNProfile> lastProfileOfType(int kind) const;
    void recordCurrentUsingProfile(const DNProfile *profile, int kind);
    // Newest first, each id once, at most six kept; the lists are saved at once.
    void addRecentUseProfile(const DNProfile *profile, int kind);
    // The first five of the recent list (copies, so the caller may edit them).
    QList<std::shared_ptr<DNProfile>> recentDVDProfiles() const;
    QList<std::shared_ptr<DNProfile>> recentVideoProfiles() const;
    QList<std::shared_ptr<DNProfile>> recentUseProfiles(int kind) const;

    // Major categories of the kind in the group, in file order.
    QList<std::shared_ptr<NXProfileCategoryItem>> major_ProfileCategoriesOfType(int kind, int membership);
    // The secondary categories a major one names, in the secondary list's order.
    QList<std::shared_ptr<NXProfileCategoryItem>> secondaryProfileCategoriesOfMajor(
        const NXProfileCategoryItem &major, int kind);
    // New profile objects, one per content name; a name without a file gives an empty profile.
    QList<std::shared_ptr<DNProfile>> profilesOfSecondary(const NXProfileCategoryItem &secondary, int kind) const;

private:
    QList<std::shared_ptr<DNProfile>> *recentList(int kind);
    const QList<std::shared_ptr<DNProfile>> *recentList(int kind) const;
    std::shared_ptr<NXProfileCategory> category(int kind, bool major);
    std::unique_ptr<QSettings> openSettings() const;

    SettingsFactory settingsFactory_;
    mutable std::mutex mutex_;
    QList<std::shared_ptr<DNProfile>> dvdRecentUseProfiles_;
    QList<std::shared_ptr<DNProfile>> videoRecentUseProfiles_;
    std::shared_ptr<DNProfile> dvdProfileLastUsed_;
    std::shared_ptr<DNProfile> videoProfileLastUsed_;
    std::shared_ptr<NXProfileCategory> majorDvd_;
    std::shared_ptr<NXProfileCategory> majorVideo_;
    std::shared_ptr<NXProfileCategory> secondaryDvd_;
    std::shared_ptr<NXProfileCategory> secondaryVideo_;
};
