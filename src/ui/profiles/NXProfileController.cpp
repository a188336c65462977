#include "ui/profiles/NXProfileController.h"

#include "profiles/DNProfileKeepOrigin.h"
#include "profiles/DNProfileManager.h"
#include "profiles/NXProfileValue.h"
#include "ui/profiles/DNProfileApplyToAll.h"

#include <algorithm>

namespace {

// Values of a field whose list the user may choose from; empty without the field.
template <class Field>
QStringList valuesOf(const std::shared_ptr<Field> &field)
{
    return field ? field->values() : QStringList();
}

template <class Field>
QString currentOf(const std::shared_ptr<Field> &field)
{
    return field ? field->currentValue() : QString();
}

// The field is edited in place: the profile is the controller's own copy.
template <class Field>
void setCurrentOf(const std::shared_ptr<Field> &field, const QString &value)
{
    if (field)
        field->setCurrentValue(value);
}

QStringList splitAtX(const QString &value)
{
    return value.split(QLatin1Char('x'));
}

int CompareByIntValue(const QString &a, const QString &b)
{
    const int x = NXIntValue(a);
    const int y = NXIntValue(b);
    return x < y ? -1 : (x == y ? 0 : 1);
}

} // namespace

NXProfileController::NXProfileController(QObject *parent)
    : QObject(parent)
{
    buildPanel();
    awakeFromNib();
    connect(this, &NXProfileController::profileMainAffectingChanged, this, &NXProfileController::reloadBindings);
}

NXProfileController::~NXProfileController()
{
    delete settingPanel_;
}

void NXProfileController::setProfileManager(DNProfileManager *manager)
{
    manager_ = manager;
    if (profileChooseController_)
        profileChooseController_->setProfileManager(manager);
}

DNProfileManager &NXProfileController::profileManager() const
{
    return manager_ ? *manager_ : DNProfileManager::profileManager();
}

NXProfileChooserController *NXProfileController::profileChooseController()
{
    if (!profileChooseController_) {
        profileChooseController_ = new NXProfileChooserController(this);
        profileChooseController_->setProfileManager(manager_);
        profileChooseController_->setDelegate(this);
    }
    return profileChooseController_;
}

void NXProfileController::setParser(const std::shared_ptr<DNProfile> &profile)
{
    parser_ = profile ? profile->copy() : nullptr;
    emit profileMainAffectingChanged();
}

void NXProfileController::setMediaNode(const DNProfileProtocolPtr &node)
{
    const QString className = node ? node->className() : QString();
    isGraphics_ = className == QLatin1String("DNGraphicsNode");
    isDVD_ = className == QLatin1String("DNDVDNode");
    isMovies_ = className == QLatin1String("DNFileNode");

    mediaNode_ = node;
    const auto profile = node ? node->curProfileOfSelectTrack() : nullptr;
    parser_ = profile ? profile->copy() : nullptr;

    wainning_->hide();
    // A size typed for the previous item never carries over to this one.
    customed_ = false;
    const auto resolution = parser_ ? parser_->videoResolution() : nullptr;
    if (resolution && !resolution->values().isEmpty() && !resolution->currentValue().isEmpty()) {
        const QString current = resolution->currentValue();
        customed_ = !resolution->values().contains(current);
        showCustomSizeInputs(customed_);
        makeCstmButton_->setState(customed_ ? 0 : 1);
        if (isDVD_ || isMovies_) {
            const QSizeF size = node->resolutionOfSelectedVideoTrack();
            newWidth_ = int(size.width());
            newHeight_ = int(size.height());
            const QStringList parts = splitAtX(current);
            if (customed_ && parts.size() >= 2) {
                newWidth_ = NXIntValue(parts.at(0));
                newHeight_ = NXIntValue(parts.at(1));
            }
        }
    } else {
        showCustomSizeInputs(false);
        makeCstmButton_->setState(1);
    }
    emit profileMainAffectingChanged();
}

int NXProfileController::kindOfNode() const
{
    return mediaNode_ && mediaNode_->isDVDSource() ? 1 : 2;
}

void NXProfileController::showCustomSizeInputs(bool custom)
{
    popupResolution_->setVisible(!custom);
    resolutionInputContainer_->setVisible(custom);
}

void NXProfileController::beginSheetAtWindow(QWidget *window)
{
    onProfileConfigureEnter();
    if (window && settingPanel_->parentWidget() != window)
        settingPanel_->setParent(window, settingPanel_->windowFlags() | Qt::Sheet);
    settingPanel_->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    // Every row of this profile at its full height: a profile shows other rows than the last
    // one, and the faces of some languages have taller lines. (The panel's own minimum, worked
    // out for the wrapped description, can fall short of that.)
    settingPanel_->ensurePolished();
    settingPanel_->resize(settingPanel_->sizeHint().expandedTo(settingPanel_->minimumSize()));
    settingPanel_->open();
}

void NXProfileController::onProfileConfigureEnter()
{
    const auto quality = parser_ ? parser_->videoQuality() : nullptr;
    const QString kept = quality ? quality->currentValue() : QString();
    rebuildBitrateChoooseList();
    // A CBR bitrate the item already had survives the rebuild.
    if (quality)
        setBitrateValue(kept);
    emit profileMainAffectingChanged();
}

void NXProfileController::rebuildBitrateChoooseList()
{
    bitrateLists_.clear();
    const auto quality = parser_ ? parser_->videoQuality() : nullptr;
    if (!quality)
        return;
    const QStringList &phases = quality->videoBitratePhases();
    auto phase = [&](int i) { return i < phases.size() ? NXFloatValue(phases.at(i)) : 0.0f; };
    const float p0 = phase(0);
    const float p1 = phase(1);
    const float p2 = phase(2);
    const float extra = p2 + (p2 - p1) * 0.5f;

    QSizeF target;
    if (customed_) {
        target = QSizeF(newWidth_, newHeight_);
    } else {
        const QString current = currentOf(parser_->videoResolution());
        if (current.startsWith(QLatin1String("keep"))) {
            target = mediaNode_ ? mediaNode_->resolutionOfSelectedVideoTrack() : QSizeF();
        } else {
            const QStringList parts = splitAtX(current);
            target = QSizeF(NXFloatValue(parts.value(0)), NXFloatValue(parts.value(1)));
        }
    }
    const float r = mediaNode_ ? mediaNode_->recommendBitrate(*parser_, target)
                               : parser_->recommendBitrate(nullptr, target);

    bitrateEdit_->setMinValue(quality->minVideoBitrate());
    bitrateEdit_->setMaxValue(quality->maxVideoBitrate());

    QStringList entries;
    for (const float value : {r, p0, p1, p2, extra}) {
        const QString text = QString::asprintf("%.0fK", double(value));
        if (!entries.contains(text))
            entries << text;
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const QString &a, const QString &b) { return CompareByIntValue(a, b) < 0; });
    bitrateLists_ = entries;
    bitrateEdit_->setDefaultValue(int(r));
    setBitrateValue(QString::asprintf("%.0f", double(r)));
}

void NXProfileController::setBitrateModelIndex(int model)
{
    const auto quality = parser_ ? parser_->videoQuality() : nullptr;
    if (!quality)
        return;
    quality->setCurBitrateModel(model);
    if (model == 1)
        rebuildBitrateChoooseList();
    emit profileMainAffectingChanged();
}

int NXProfileController::bitrateModelIndex() const
{
    const auto quality = parser_ ? parser_->videoQuality() : nullptr;
    return quality ? quality->curBitrateModel() : 0;
}

bool NXProfileController::canEditCVBR() const
{
    const auto quality = parser_ ? parser_->videoQuality() : nullptr;
    return quality && quality->canEditCVCBR();
}

QString NXProfileController::bitrateValue() const
{
    if (bitrateModelIndex() == 0)
        return QStringLiteral("Smart Match");
    return currentOf(parser_->videoQuality()) + QLatin1Char('K');
}

void NXProfileController::setBitrateValue(const QString &text)
{
    if (bitrateModelIndex() != 1)
        return;
    QString value = text;
    if (value.endsWith(QLatin1Char('K')))
        value.chop(1);
    setCurrentOf(parser_->videoQuality(), value);
}

void NXProfileController::makeResolutionCustomer()
{
    if (customed_) {
        showCustomSizeInputs(false);
    } else {
        const QStringList parts = splitAtX(valueOfVideoRsltion());
        if (parts.size() >= 2) {
            newWidth_ = NXIntValue(parts.at(0));
            newHeight_ = NXIntValue(parts.at(1));
        }
        showCustomSizeInputs(true);
    }
    customed_ = !customed_;
    makeCstmButton_->setState(customed_ ? 0 : 1);
    emit profileMainAffectingChanged();
}

void NXProfileController::leaveCustomSize()
{
    makeCstmButton_->setState(1);
    showCustomSizeInputs(false);
    customed_ = false;
}

QString NXProfileController::resolutionWidthChange() const
{
    return QString::asprintf("%d", newWidth_);
}

void NXProfileController::setResolutionWidthChange(const QString &text)
{
    newWidth_ = NXIntValue(text);
    if (bitrateModelIndex() == 1)
        rebuildBitrateChoooseList();
}

QString NXProfileController::resolutionHeightChange() const
{
    return QString::asprintf("%d", newHeight_);
}

void NXProfileController::setResolutionHeightChange(const QString &text)
{
    newHeight_ = NXIntValue(text);
    if (bitrateModelIndex() == 1)
        rebuildBitrateChoooseList();
}

void NXProfileController::OKClick()
{
    onProfileConfigureExit();
    endSheet();
}

void NXProfileController::onProfileConfigureExit()
{
    if (parser_) {
        // Recorded before the custom size is written: the catalogue keeps the list resolution.
        profileManager().recordCurrentUsingProfile(parser_.get(), profileChooseController()->profileType());
        const auto resolution = parser_->videoResolution();
        if (customed_ && resolution && newWidth_ >= 1 && newWidth_ <= 9999 && newHeight_ >= 1 && newHeight_ <= 9999)
            resolution->setCurrentValue(QString::asprintf("%dx%d", newWidth_, newHeight_));
        if (mediaNode_)
            mediaNode_->setCurProfileOfSelectTrack(parser_);
    }
    setMediaNode(DNProfileProtocolPtr());
    sendNotification();
    bitrateLists_.clear();
}

void NXProfileController::sendNotification()
{
    DNNotificationCenter::defaultCenter().enqueueNotification(kNXMediaTableViewRefreshAllCells, QVariant(),
                                                              QVariantMap(), kRefreshDelayMs);
}

void NXProfileController::CanelClick()
{
    onProfileConfigureCancel();
    endSheet();
}

void NXProfileController::onProfileConfigureCancel()
{
    setMediaNode(DNProfileProtocolPtr());
}

void NXProfileController::endSheet()
{
    if (settingPanel_->isVisible())
        settingPanel_->done(QDialog::Accepted);
    settingPanel_->hide();
}

void NXProfileController::Apply2AllClick()
{
    DNPostApplyToAllProfile(parser_);
}

void NXProfileController::restoreDefaultClick()
{
    leaveCustomSize();
    if (parser_)
        parser_->resetValue();
    if (bitrateModelIndex() == 1)
        rebuildBitrateChoooseList();
    emit profileMainAffectingChanged();
}

void NXProfileController::profileButtonClick()
{
    NXProfileChooserController *chooser = profileChooseController();
    chooser->setProfileType(kindOfNode());
    chooser->resetDefault();
    chooser->setCancelButtonHidden(false);
    chooser->showProfileChooseListAtWindow(settingPanel_);
    onlyPresentChooser_ = false;
}

void NXProfileController::presentProfileChooseAttectToWindow(QWidget *window)
{
    NXProfileChooserController *chooser = profileChooseController();
    if (mediaNode_)
        chooser->setProfileType(kindOfNode());
    chooser->showProfileChooseListAtWindow(window);
    chooser->resetDefault();
    onlyPresentChooser_ = true;
}

void NXProfileController::setCancelButtonHidden(bool hidden)
{
    profileChooseController()->setCancelButtonHidden(hidden);
}

void NXProfileController::setChooserShowType(int kind)
{
    profileChooseController()->setProfileType(kind);
}

void NXProfileController::setChooserDoneAction(std::shared_ptr<NXAction> action)
{
    profileChooseController()->setDoneAction(std::move(action));
}

void NXProfileController::medioProfileDidChooseAndExit(const std::shared_ptr<DNProfile> &profile)
{
    if (!profile)
        return;
    if (onlyPresentChooser_) {
        // The chosen profile arrives with its own size, not one typed for the item's old profile.
        leaveCustomSize();
        parser_ = profile->copy();
        onProfileConfigureExit();
        return;
    }
    leaveCustomSize();
    parser_ = profile->copy();
    const auto quality = parser_->videoQuality();
    const QString kept = quality ? quality->currentValue() : QString();
    rebuildBitrateChoooseList();
    if (quality)
        setBitrateValue(kept);
    emit profileMainAffectingChanged();
}

// --- bound values

QStringList NXProfileController::videoCodec() const { return parser_ ? valuesOf(parser_->videoCodec()) : QStringList(); }
QStringList NXProfileController::videoAspect() const { return parser_ ? valuesOf(parser_->videoAspect()) : QStringList(); }
QStringList NXProfileController::videoFrameRate() const { return parser_ ? valuesOf(parser_->videoFrameRate()) : QStringList(); }
QStringList NXProfileController::videoResolution() const { return parser_ ? valuesOf(parser_->videoResolution()) : QStringList(); }
QStringList NXProfileController::audioQulity() const { return parser_ ? valuesOf(parser_->audioQuality()) : QStringList(); }
QStringList NXProfileController::audioCodec() const { return parser_ ? valuesOf(parser_->audioCodec()) : QStringList(); }
QStringList NXProfileController::audioSRate() const { return parser_ ? valuesOf(parser_->audioSampleRate()) : QStringList(); }
QStringList NXProfileController::subtitleOptions() const { return parser_ ? valuesOf(parser_->subtitleOptions()) : QStringList(); }

#define NX_PROFILE_VALUE(Getter, Setter, Field)                                                     \
    QString NXProfileController::Getter() const { return parser_ ? currentOf(parser_->Field()) : QString(); } \
    void NXProfileController::Setter(const QString &value)                                         \
    {                                                                                               \
        if (parser_)                                                                                \
            setCurrentOf(parser_->Field(), value);                                                  \
    }

NX_PROFILE_VALUE(valueOfVideoCodec, setValueOfVideoCodec, videoCodec)
NX_PROFILE_VALUE(valueOfVideoAspect, setValueOfVideoAspect, videoAspect)
NX_PROFILE_VALUE(valueOfVideoFR, setValueOfVideoFR, videoFrameRate)
NX_PROFILE_VALUE(valueOfAudioQulity, setValueOfAudioQulity, audioQuality)
NX_PROFILE_VALUE(valueOfAudioCodec, setValueOfAudioCodec, audioCodec)
NX_PROFILE_VALUE(valueOfAudioSRate, setValueOfAudioSRate, audioSampleRate)
NX_PROFILE_VALUE(currentChannel, setCurrentChannel, audioChannel)
NX_PROFILE_VALUE(currentSubtitleOptions, setCurrentSubtitleOptions, subtitleOptions)
#undef NX_PROFILE_VALUE

QString NXProfileController::valueOfVideoRsltion() const
{
    return parser_ ? currentOf(parser_->videoResolution()) : QString();
}

void NXProfileController::setValueOfVideoRsltion(const QString &value)
{
    if (!parser_)
        return;
    setCurrentOf(parser_->videoResolution(), value);
    if (bitrateModelIndex() == 1)
        rebuildBitrateChoooseList();
}

QStringList NXProfileController::audioChannel() const
{
    const auto field = parser_ ? parser_->audioChannel() : nullptr;
    if (!field)
        return {};
    // Without an item nothing limits the choice, as for an item without audio.
    const int available = mediaNode_ ? mediaNode_->audioChannelOfSelectTrack() : 100;
    QStringList values;
    for (const QString &value : field->values()) {
        if (NXIntValue(value) <= available)
            values << value;
    }
    return values;
}

bool NXProfileController::canCustomizeResolution() const
{
    const auto field = parser_ ? parser_->videoResolution() : nullptr;
    return field && field->canCustom();
}

bool NXProfileController::isEnableSubtitleOptions() const
{
    const auto field = parser_ ? parser_->subtitleOptions() : nullptr;
    return field && field->canCustom();
}

bool NXProfileController::isVideoCopy() const { return parser_ && parser_->isVideoCopy(); }
bool NXProfileController::isAudioCopy() const { return parser_ && parser_->isAudioCopy(); }

QString NXProfileController::videoStatusString() const
{
    if (!parser_)
        return QString(QLatin1String(""));
    if (!parser_->videoCodec())
        return tr("Disable Video Track");
    if (parser_->isVideoCopy())
        return tr("Video Codec: Keep original video");
    return QString(QLatin1String(""));
}

QString NXProfileController::description() const { return parser_ ? parser_->deviceDescription() : QString(); }
QString NXProfileController::profileTitle() const { return parser_ ? parser_->title() : QString(); }
bool NXProfileController::twopassProfileConfig() const { return parser_ && parser_->isTwoPassEncode(); }
bool NXProfileController::enableTwopassEncode() const { return parser_ && parser_->userEnableTwopassCode(); }

void NXProfileController::setEnableTwopassEncode(bool enable)
{
    if (parser_)
        parser_->setUserEnableTwopassCode(enable);
}
