#include "profiles/DNProfileManager.h"

#include "core/plist/DNPropertyList.h"

#include <QDir>

namespace {

QByteArray archiveProfiles(const QList<std::shared_ptr<DNProfile>> &profiles)
{
    QVariantList archived;
    for (const auto &profile : profiles)
        archived << profile->encodeWithCoder();
    return propertyListData(archived, DNPropertyListFormat::Binary);
}

QList<std::shared_ptr<DNProfile>> unarchiveProfiles(const QByteArray &data)
{
    QList<std::shared_ptr<DNProfile>> profiles;
    const QVariant root = propertyListFromData(data);
    if (root.typeId() != QMetaType::QVariantList)
        return profiles;
    const QVariantList entries = root.toList();
    for (const QVariant &entry : entries) {
        if (entry.typeId() != QMetaType::QVariantMap)
            continue;
        if (auto profile = DNProfile::profileWithCoder(entry.toMap()))
            profiles << profile;
    }
    return profiles;
}

QList<std::shared_ptr<DNProfile>> copies(const QList<std::shared_ptr<DNProfile>> &profiles, int count)
{
    QList<std::shared_ptr<DNProfile>> result;
    for (int i = 0; i < profiles.size() && i < count; ++i)
        result << profiles.at(i)->copy();
    return result;
}

} // namespace

DNProfileManager::DNProfileManager(SettingsFactory settings) : settingsFactory_(std::move(settings))
{
    loadRecentUseProfiles();
}

DNProfileManager::~DNProfileManager()
{
    saveRecentUseProfiles();
}

DNProfileManager &DNProfileManager::profileManager()
{
    // Never destroyed: the shell saves the lists with synchronize() when it quits, and nothing
    // should touch the settings while static objects are being torn down.
    static DNProfileManager *manager = new DNProfileManager();
    return *manager;
}

std::unique_ptr<QSettings> DNProfileManager::openSettings() const
{
    if (settingsFactory_)
        return settingsFactory_();
    return std::make_unique<QSettings>(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
}

void DNProfileManager::synchronize()
{
    saveRecentUseProfiles();
}

void DNProfileManager::loadRecentUseProfiles()
{
    const auto settings = openSettings();
    const QByteArray dvd = settings->value(recentDvdKey()).toByteArray();
    const QByteArray video = settings->value(recentVideoKey()).toByteArray();
    std::lock_guard<std::mutex> lock(mutex_);
    if (!dvd.isEmpty())
        dvdRecentUseProfiles_ << unarchiveProfiles(dvd);
    if (!video.isEmpty())
        videoRecentUseProfiles_ << unarchiveProfiles(video);
}

void DNProfileManager::saveRecentUseProfiles()
{
    QByteArray dvd;
    QByteArray video;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dvd = archiveProfiles(dvdRecentUseProfiles_);
        video = archiveProfiles(videoRecentUseProfiles_);
    }
    const auto settings = openSettings();
    if (!dvd.isEmpty())
        settings->setValue(recentDvdKey(), dvd);
    if (!video.isEmpty())
        settings->setValue(recentVideoKey(), video);
    settings->sync();
}

QList<std::shared_ptr<DNProfile>> *DNProfileManager::recentList(int kind)
{
    if (kind == DNProfileKindDVD)
        return &dvdRecentUseProfiles_;
    if (kind == DNProfileKindVideo)
        return &videoRecentUseProfiles_;
    return nullptr;
}

const QList<std::shared_ptr<DNProfile>> *DNProfileManager::recentList(int kind) const
{
    return const_cast<DNProfileManager *>(this)->recentList(kind);
}

std::shared_ptr<DNProfile> DNProfileManager::lastProfileOfType(int kind) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto &last = kind == DNProfileKindDVD ? dvdProfileLastUsed_
        : kind == DNProfileKindVideo           ? videoProfileLastUsed_
                                               : nullptr;
    return last ? last->copy() : nullptr;
}

void DNProfileManager::recordCurrentUsingProfile(const DNProfile *profile, int kind)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto copy = profile ? profile->copy() : nullptr;
    if (kind == DNProfileKindDVD)
        dvdProfileLastUsed_ = copy;
    else if (kind == DNProfileKindVideo)
        videoProfileLastUsed_ = copy;
}

void DNProfileManager::addRecentUseProfile(const DNProfile *profile, int kind)
{
    if (!profile)
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto *list = recentList(kind);
        if (!list)
            return;
        auto copy = profile->copy();
        if (list->size() >= kRecentKept)
            list->removeLast();
        list->removeIf([&](const std::shared_ptr<DNProfile> &entry) { return entry->GlobalID() == copy->GlobalID(); });
        list->prepend(copy);
    }
    // Saved at once, as the settings are: a run that ends without an orderly quit keeps them.
    saveRecentUseProfiles();
}

QList<std::shared_ptr<DNProfile>> DNProfileManager::recentDVDProfiles() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return copies(dvdRecentUseProfiles_, kRecentShown);
}

QList<std::shared_ptr<DNProfile>> DNProfileManager::recentVideoProfiles() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return copies(videoRecentUseProfiles_, kRecentShown);
}

QList<std::shared_ptr<DNProfile>> DNProfileManager::recentUseProfiles(int kind) const
{
    if (kind == DNProfileKindDVD)
        return recentDVDProfiles();
    if (kind == DNProfileKindVideo)
        return recentVideoProfiles();
    return {};
}

std::shared_ptr<NXProfileCategory> DNProfileManager::category(int kind, bool major)
{
    std::shared_ptr<NXProfileCategory> *slot = nullptr;
    if (kind == DNProfileKindDVD)
        slot = major ? &majorDvd_ : &secondaryDvd_;
    else if (kind == DNProfileKindVideo)
        slot = major ? &majorVideo_ : &secondaryVideo_;
    if (!slot)
        return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!*slot) {
        const QString name = major ? DNMajorCategoryFileName() : DNSecondaryCategoryFileName();
        *slot = NXProfileCategory::categoryWithFilePath(QDir(DNProfileFolderOfType(kind)).filePath(name));
    }
    return *slot;
}

QList<std::shared_ptr<NXProfileCategoryItem>> DNProfileManager::major_ProfileCategoriesOfType(int kind,
                                                                                             int membership)
{
    QList<std::shared_ptr<NXProfileCategoryItem>> result;
    const auto list = category(kind, true);
    if (!list)
        return result;
    for (const auto &item : list->categoryItems()) {
        if (item->membership() == membership)
            result << item;
    }
    return result;
}

QList<std::shared_ptr<NXProfileCategoryItem>> DNProfileManager::secondaryProfileCategoriesOfMajor(
    const NXProfileCategoryItem &major, int kind)
{
    QList<std::shared_ptr<NXProfileCategoryItem>> result;
    const auto list = category(kind, false);
    if (!list)
        return result;
    const QStringList wanted = major.content();
    for (const auto &item : list->categoryItems()) {
        if (wanted.contains(item->ID()))
            result << item;
    }
    return result;
}

QList<std::shared_ptr<DNProfile>> DNProfileManager::profilesOfSecondary(const NXProfileCategoryItem &secondary,
                                                                         int kind) const
{
    QList<std::shared_ptr<DNProfile>> result;
    const QString folder = DNProfileFolderOfType(kind);
    if (folder.isEmpty())
        return result;
    const QDir dir(folder);
    for (const QString &name : secondary.content())
        result << DNProfile::parserFromContentOfFile(dir.filePath(name + QStringLiteral(".plist")));
    return result;
}
