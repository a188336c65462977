#include "ui/profiles/DNProfilePreviewTableViewController.h"

#include "core/notify/DNNotificationCenter.h"

namespace {
constexpr int kDVDBackupMajorClass = 1;
constexpr int kAudioOnlyMajorClass = 13;
} // namespace

DNProfilePreviewTableViewController::DNProfilePreviewTableViewController(QObject *parent)
    : QObject(parent)
    , detailCategoryTable(new NXDetailProfileScrollView)
{
    detailCategoryTable->setDelegate(this);
}

DNProfilePreviewTableViewController::~DNProfilePreviewTableViewController()
{
    if (detailCategoryTable)
        detailCategoryTable->setDelegate(nullptr);
}

std::shared_ptr<DNProfile> DNProfilePreviewTableViewController::selectedProfile() const
{
    const int index = detailCategoryTable->selectedCellIndex();
    if (index < 0 || index >= dataSource_.size())
        return nullptr;
    return dataSource_.at(index);
}

NXProfilePreviewCell *DNProfilePreviewTableViewController::dataCellForIndex(int index)
{
    if (index < 0 || index >= dataSource_.size() || !dataSource_.at(index))
        return nullptr;
    NXProfilePreviewCell *cell = cellWithProfile(*dataSource_.at(index));
    cell->setIndex(index);
    return cell;
}

NXProfilePreviewCell *DNProfilePreviewTableViewController::cellWithProfile(const DNProfile &profile)
{
    NXProfilePreviewCell *cell = nullptr;
    switch (profile.majorClassID()) {
    case kAudioOnlyMajorClass:
        cell = new NXMusicProfilePreviewCell;
        break;
    case kDVDBackupMajorClass:
        cell = new NXDVDProfilePreviewCell;
        break;
    default:
        cell = new NXProfilePreviewCell;
        break;
    }
    cell->setProfileTitle(profile.title());
    cell->setDescribe(profile.deviceDescription());
    cell->setConvert_model(profile.qualityPhase());
    cell->setRecommend(profile.isRecommend());
    cell->setTarget([this](NXProfilePreviewCell *changed) { qualityModelChanged(changed); });
    cell->setBottomOtherInfomationText(profile.profileSummary());
    return cell;
}

void DNProfilePreviewTableViewController::qualityModelChanged(NXProfilePreviewCell *cell)
{
    const int index = cell->index();
    if (index < 0 || index >= dataSource_.size() || !dataSource_.at(index))
        return;
    const auto profile = dataSource_.at(index);
    const auto quality = profile->videoQuality();
    // A phase the profile's list has no bitrate for would leave the profile half-changed.
    if (quality && quality->hasVideoBitratePhases() && cell->convert_model() >= quality->videoBitratePhases().size())
        return;
    profile->setQualityPhase(cell->convert_model());
}

void DNProfilePreviewTableViewController::postSelectionChanged()
{
    DNNotificationCenter::defaultCenter().postNotification(
        kNXTableViewSelectionDidChanged, QVariant::fromValue(static_cast<QObject *>(detailCategoryTable)));
}

void DNProfilePreviewTableViewController::dataCellSelectedAtIndex(int)
{
    postSelectionChanged();
}

void DNProfilePreviewTableViewController::reloadData()
{
    detailCategoryTable->reloadData();
    postSelectionChanged();
}

QString DNProfilePreviewTableViewController::notificationMessage() const
{
    const auto profile = selectedProfile();
    if (!profile)
        return {};
    return tr("%1 Profile Selected").arg(profile->title());
}
