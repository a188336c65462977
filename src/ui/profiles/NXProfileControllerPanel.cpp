// The settings sheet's window: its controls, how each shows a value of the controller, and
// which setter each calls when the user changes it.
#include "ui/profiles/NXProfileController.h"

#include "profiles/NXProfileValue.h"
#include "ui/controls/PMDigitalNumberFormater.h"
#include "ui/profiles/NXProfileButton.h"
#include "ui/profiles/NXProfileImages.h"
#include "ui/profiles/NXProfileValueTransformers.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QComboBox *makePopup(QWidget *parent)
{
    auto *popup = new QComboBox(parent);
    popup->setMinimumWidth(170);
    popup->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return popup;
}

QStringList identity(const QStringList &values)
{
    return values;
}

// The subtitle choice's words read in the interface language; the values stay "YES" and "NO".
QStringList subtitleOptionTexts(const QStringList &values)
{
    [[maybe_unused]] static const char *const words[] = {
        QT_TRANSLATE_NOOP("NXProfileController", "YES"),
        QT_TRANSLATE_NOOP("NXProfileController", "NO"),
    };
    QStringList texts;
    for (const QString &value : values)
        texts << QCoreApplication::translate("NXProfileController", value.toUtf8().constData());
    return texts;
}

} // namespace

QPushButton *NXProfileController::profileButton() const
{
    return profileButton_;
}

void NXProfileController::buildPanel()
{
    settingPanel_ = new QDialog;
    settingPanel_->setObjectName(QStringLiteral("profileSettingPanel"));
    settingPanel_->setWindowTitle(tr("Profile Settings"));
    settingPanel_->setMinimumWidth(480);
    auto *layout = new QVBoxLayout(settingPanel_);

    auto *top = new QFormLayout;
    profileButton_ = new NXProfileButton(settingPanel_);
    profileButton_->setMinimumWidth(320);
    profileButton_->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 28px 4px 8px;"));
    top->addRow(tr("Profile:"), profileButton_);
    descriptionLabel_ = new QLabel(settingPanel_);
    descriptionLabel_->setWordWrap(true);
    top->addRow(QString(), descriptionLabel_);
    layout->addLayout(top);

    auto *video = new QGroupBox(tr("Video"), settingPanel_);
    auto *videoForm = new QFormLayout(video);
    videoCodecPopup_ = makePopup(video);
    videoForm->addRow(tr("Codec:"), videoCodecPopup_);

    auto *resolutionRow = new QHBoxLayout;
    popupResolution_ = makePopup(video);
    resolutionInputContainer_ = new QWidget(video);
    auto *inputs = new QHBoxLayout(resolutionInputContainer_);
    inputs->setContentsMargins(0, 0, 0, 0);
    inputWidth_ = new QLineEdit(resolutionInputContainer_);
    inputHeight_ = new QLineEdit(resolutionInputContainer_);
    inputWidth_->setObjectName(QStringLiteral("inputWidth"));
    inputHeight_->setObjectName(QStringLiteral("inputHeight"));
    for (QLineEdit *input : {inputWidth_, inputHeight_})
        input->setFixedWidth(64);
    inputs->addWidget(inputWidth_);
    inputs->addWidget(new QLabel(QStringLiteral("x"), resolutionInputContainer_));
    inputs->addWidget(inputHeight_);
    wainning_ = new QLabel(video);
    wainning_->setPixmap(settingPanel_->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    wainning_->setToolTip(tr("Width and height must be from 1 to 9999."));
    makeCstmButton_ = new NXCustomizeButton(video);
    resolutionRow->addWidget(popupResolution_);
    resolutionRow->addWidget(resolutionInputContainer_);
    resolutionRow->addWidget(wainning_);
    resolutionRow->addWidget(makeCstmButton_);
    resolutionRow->addStretch();
    videoForm->addRow(tr("Resolution:"), resolutionRow);

    frameRatePopup_ = makePopup(video);
    videoForm->addRow(tr("Frame Rate:"), frameRatePopup_);
    aspectPopup_ = makePopup(video);
    videoForm->addRow(tr("Aspect Ratio:"), aspectPopup_);

    auto *bitrateRow = new QHBoxLayout;
    bitrateModelPopup_ = new QComboBox(video);
    bitrateModelPopup_->addItems({tr("VBR"), tr("CBR")});
    bitrateEdit_ = new NXNumberComboBox(video);
    bitrateEdit_->setMinimumWidth(120);
    bitrateRow->addWidget(bitrateModelPopup_);
    bitrateRow->addWidget(bitrateEdit_);
    bitrateRow->addStretch();
    videoForm->addRow(tr("Bit Rate:"), bitrateRow);
    videoStatusLabel_ = new QLabel(video);
    videoForm->addRow(QString(), videoStatusLabel_);
    layout->addWidget(video);

    auto *audio = new QGroupBox(tr("Audio"), settingPanel_);
    auto *audioForm = new QFormLayout(audio);
    audioCodecPopup_ = makePopup(audio);
    audioForm->addRow(tr("Codec:"), audioCodecPopup_);
    audioBitratePopup_ = makePopup(audio);
    audioForm->addRow(tr("Bit Rate:"), audioBitratePopup_);
    sampleRatePopup_ = makePopup(audio);
    audioForm->addRow(tr("Sample Rate:"), sampleRatePopup_);
    channelPopup_ = makePopup(audio);
    audioForm->addRow(tr("Channels:"), channelPopup_);
    layout->addWidget(audio);

    auto *other = new QFormLayout;
    subtitlePopup_ = makePopup(settingPanel_);
    other->addRow(tr("Burn Subtitle:"), subtitlePopup_);
    twoPassCheck_ = new QCheckBox(tr("Two-pass encoding"), settingPanel_);
    other->addRow(QString(), twoPassCheck_);
    layout->addLayout(other);

    auto *buttons = new QHBoxLayout;
    restoreButton_ = new QPushButton(tr("Restore Default"), settingPanel_);
    applyToAllButton_ = new QPushButton(tr("Apply to all"), settingPanel_);
    cancelButton_ = new QPushButton(tr("Cancel"), settingPanel_);
    okButton_ = new QPushButton(tr("OK"), settingPanel_);
    okButton_->setDefault(true);
    for (QPushButton *button : {restoreButton_, applyToAllButton_, cancelButton_})
        button->setAutoDefault(false);
    buttons->addWidget(restoreButton_);
    buttons->addStretch();
    buttons->addWidget(applyToAllButton_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(okButton_);
    layout->addLayout(buttons);

    connect(profileButton_, &QPushButton::clicked, this, &NXProfileController::profileButtonClick);
    connect(restoreButton_, &QPushButton::clicked, this, &NXProfileController::restoreDefaultClick);
    connect(applyToAllButton_, &QPushButton::clicked, this, &NXProfileController::Apply2AllClick);
    connect(cancelButton_, &QPushButton::clicked, this, &NXProfileController::CanelClick);
    connect(okButton_, &QPushButton::clicked, this, &NXProfileController::OKClick);
    connect(makeCstmButton_, &QPushButton::clicked, this, &NXProfileController::makeResolutionCustomer);
    // Escape leaves the item as it was, as Cancel does.
    connect(settingPanel_, &QDialog::rejected, this, [this] {
        if (mediaNode_)
            onProfileConfigureCancel();
    });

    wireListPopup(videoCodecPopup_, &NXProfileController::setValueOfVideoCodec);
    wireListPopup(popupResolution_, &NXProfileController::setValueOfVideoRsltion);
    wireListPopup(frameRatePopup_, &NXProfileController::setValueOfVideoFR);
    wireListPopup(aspectPopup_, &NXProfileController::setValueOfVideoAspect);
    wireListPopup(audioCodecPopup_, &NXProfileController::setValueOfAudioCodec);
    wireListPopup(audioBitratePopup_, &NXProfileController::setValueOfAudioQulity);
    wireListPopup(sampleRatePopup_, &NXProfileController::setValueOfAudioSRate);
    wireListPopup(channelPopup_, &NXProfileController::setCurrentChannel);
    wireListPopup(subtitlePopup_, &NXProfileController::setCurrentSubtitleOptions);

    connect(bitrateModelPopup_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!reloading_)
            setBitrateModelIndex(index);
    });
    connect(bitrateEdit_, &NXNumberComboBox::editingEnded, this, [this](const QString &text) {
        if (!reloading_)
            setBitrateValue(text);
    });
    connect(bitrateEdit_, &QComboBox::textActivated, this, [this](const QString &text) {
        if (!reloading_)
            setBitrateValue(text);
    });
    connect(twoPassCheck_, &QCheckBox::toggled, this, [this](bool on) {
        if (!reloading_)
            setEnableTwopassEncode(on);
    });
    // The typed text reaches the sheet as the formatter's value for it.
    connect(inputWidth_, &QLineEdit::textEdited, this, [this](const QString &text) {
        int width = 0;
        if (!PMDigitalNumberFormater::getObjectValue(&width, text))
            return;
        setResolutionWidthChange(QString::number(width));
        reloadSizeControls();
        reloadBitrateControls();
    });
    connect(inputHeight_, &QLineEdit::textEdited, this, [this](const QString &text) {
        int height = 0;
        if (!PMDigitalNumberFormater::getObjectValue(&height, text))
            return;
        setResolutionHeightChange(QString::number(height));
        reloadSizeControls();
        reloadBitrateControls();
    });
}

void NXProfileController::awakeFromNib()
{
    inputWidth_->setValidator(PMDigitalNumberFormater::formater(inputWidth_));
    inputHeight_->setValidator(PMDigitalNumberFormater::formater(inputHeight_));
}

void NXProfileController::wireListPopup(QComboBox *popup, void (NXProfileController::*setter)(const QString &))
{
    // Each entry holds the profile's own value as data; the text is only what is shown.
    connect(popup, &QComboBox::currentIndexChanged, this, [this, popup, setter](int index) {
        if (reloading_ || index < 0)
            return;
        (this->*setter)(popup->itemData(index).toString());
        // A new size may have rebuilt the bitrate list; nothing else depends on one pop-up.
        reloadBitrateControls();
    });
}

void NXProfileController::fillListPopup(QComboBox *popup, const QStringList &values, const QStringList &texts,
                                        const QString &current, bool enabled)
{
    popup->clear();
    for (int i = 0; i < values.size(); ++i)
        popup->addItem(texts.value(i, values.at(i)), values.at(i));
    int index = int(values.indexOf(current));
    if (index < 0 && !current.isEmpty()) {
        // A value outside the list (a custom size, an older profile) is still shown as it is.
        popup->addItem(current, current);
        index = popup->count() - 1;
    }
    popup->setCurrentIndex(index);
    popup->setEnabled(enabled && !values.isEmpty());
}

void NXProfileController::reloadBindings()
{
    reloading_ = true;
    const bool hasProfile = parser_ != nullptr;
    profileButton_->setText(hasProfile ? profileTitle() : tr("No Profile Selected"));
    descriptionLabel_->setText(description());

    auto customisable = [](const auto &field) { return field && field->canCustom(); };
    const auto p = parser_;
    fillListPopup(videoCodecPopup_, videoCodec(), KeepOriginTransformer::transformedValue(videoCodec()),
                  valueOfVideoCodec(), p && customisable(p->videoCodec()));
    fillListPopup(popupResolution_, videoResolution(), KeepOriginTransformer::transformedValue(videoResolution()),
                  valueOfVideoRsltion(), canCustomizeResolution());
    fillListPopup(frameRatePopup_, videoFrameRate(), FPSValueTransformer::transformedValue(videoFrameRate()),
                  valueOfVideoFR(), p && customisable(p->videoFrameRate()));
    fillListPopup(aspectPopup_, videoAspect(), KeepOriginTransformer::transformedValue(videoAspect()),
                  valueOfVideoAspect(), p && customisable(p->videoAspect()));
    fillListPopup(audioCodecPopup_, audioCodec(), KeepOriginTransformer::transformedValue(audioCodec()),
                  valueOfAudioCodec(), p && customisable(p->audioCodec()));
    fillListPopup(audioBitratePopup_, audioQulity(), KBPSValueTransformer::transformedValue(audioQulity()),
                  valueOfAudioQulity(), p && customisable(p->audioQuality()));
    fillListPopup(sampleRatePopup_, audioSRate(), identity(audioSRate()), valueOfAudioSRate(),
                  p && customisable(p->audioSampleRate()));
    fillListPopup(channelPopup_, audioChannel(), identity(audioChannel()), currentChannel(),
                  p && customisable(p->audioChannel()));
    fillListPopup(subtitlePopup_, subtitleOptions(), subtitleOptionTexts(subtitleOptions()), currentSubtitleOptions(),
                  isEnableSubtitleOptions());

    reloadSizeControls();
    reloadBitrateControls();
    videoStatusLabel_->setText(videoStatusString());

    twoPassCheck_->setEnabled(twopassProfileConfig());
    twoPassCheck_->setChecked(enableTwopassEncode());
    okButton_->setEnabled(hasProfile);
    applyToAllButton_->setEnabled(hasProfile);
    restoreButton_->setEnabled(hasProfile);
    reloading_ = false;
}

void NXProfileController::reloadSizeControls()
{
    makeCstmButton_->setEnabled(canCustomizeResolution());
    makeCstmButton_->setVisible(canCustomizeResolution());
    // A field the user is typing in keeps its text while it still says the same number.
    if (NXIntValue(inputWidth_->text()) != newWidth_)
        inputWidth_->setText(resolutionWidthChange());
    if (NXIntValue(inputHeight_->text()) != newHeight_)
        inputHeight_->setText(resolutionHeightChange());
    const bool badSize = customed_ && (newWidth_ < 1 || newWidth_ > 9999 || newHeight_ < 1 || newHeight_ > 9999);
    wainning_->setVisible(badSize);
}

void NXProfileController::reloadBitrateControls()
{
    const bool wasReloading = reloading_;
    reloading_ = true;
    const bool hasQuality = parser_ && parser_->videoQuality();
    bitrateModelPopup_->setVisible(!hiddenCVBR());
    bitrateModelPopup_->setEnabled(canEditCVBR());
    bitrateModelPopup_->setCurrentIndex(bitrateModelIndex());
    bitrateEdit_->clear();
    bitrateEdit_->addItems(bitrateLists_);
    // "Smart Match" reads in the interface language, as in the lists; a bitrate stays a number.
    const QString bitrate = hasQuality ? bitrateValue() : QString();
    bitrateEdit_->setEditText(bitrate.startsWith(QLatin1String("Smart Match"))
                                  ? KBPSValueTransformer::transformedValue({bitrate}).value(0)
                                  : bitrate);
    bitrateEdit_->setEnabled(hasQuality && canEditBitrate());
    reloading_ = wasReloading;
}
