#pragma once

#include "ui/controls/NXCustomizeButton.h"
#include "ui/profiles/DNProfileProtocol.h"
#include "ui/profiles/NXNumberComboBox.h"
#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfileDelegate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPointer>

#include <memory>

class DNProfileManager;
class NXProfileButton;

// The profile settings sheet of one media item: the profile's customisable fields, the video
// bitrate with its CBR/VBR model, a custom width and height, and two-pass encoding. It edits its
// own copy of the item's profile; OK gives the item that copy (and records it in the catalogue),
// Cancel leaves the item as it was. The same controller can show the profile chooser alone, and
// then gives the item the chosen profile at once.
//
// The main window owns one, sets the item with setMediaNode and opens the sheet with
// beginSheetAtWindow or the chooser alone with presentProfileChooseAttectToWindow.
class NXProfileController : public QObject, public NXProfileDelegate
{
    Q_OBJECT
public:
    static constexpr int kRefreshDelayMs = 250;

    explicit NXProfileController(QObject *parent = nullptr);
    ~NXProfileController() override;

    // The catalogue that records confirmed profiles (the process-wide one unless set).
    void setProfileManager(DNProfileManager *manager);
    DNProfileManager &profileManager() const;

    // The item whose profile is edited; null clears it.
    void setMediaNode(const DNProfileProtocolPtr &node);
    void setMediaNode(const NXMediaNodePtr &node) { setMediaNode(DNProfileProtocolForNode(node)); }
    DNProfileProtocolPtr mediaNode() const { return mediaNode_; }
    std::shared_ptr<DNProfile> parser() const { return parser_; }
    void setParser(const std::shared_ptr<DNProfile> &profile);

    void beginSheetAtWindow(QWidget *window);
    void presentProfileChooseAttectToWindow(QWidget *window);
    void setCancelButtonHidden(bool hidden);
    void setChooserShowType(int kind);
    void setChooserDoneAction(std::shared_ptr<NXAction> action);

    // The sheet's buttons.
    void profileButtonClick();
    void restoreDefaultClick();
    void OKClick();
    void CanelClick();
    void Apply2AllClick();
    void makeResolutionCustomer();

    void onProfileConfigureEnter();
    void onProfileConfigureExit();
    void onProfileConfigureCancel();
    void medioProfileDidChooseAndExit(const std::shared_ptr<DNProfile> &profile) override;
    void sendNotification();
    void rebuildBitrateChoooseList();

    // The values the controls show and set.
    QStringList videoCodec() const;
    QStringList videoAspect() const;
    QStringList videoFrameRate() const;
    QStringList videoResolution() const;
    QStringList audioQulity() const;
    QStringList audioCodec() const;
    QStringList audioSRate() const;
    QStringList subtitleOptions() const;
    QString valueOfVideoCodec() const;
    void setValueOfVideoCodec(const QString &value);
    QString valueOfVideoAspect() const;
    void setValueOfVideoAspect(const QString &value);
    QString valueOfVideoFR() const;
    void setValueOfVideoFR(const QString &value);
    QString valueOfVideoRsltion() const;
    // Also rebuilds the bitrate list in the CBR model.
    void setValueOfVideoRsltion(const QString &value);
    QString valueOfAudioQulity() const;
    void setValueOfAudioQulity(const QString &value);
    QString valueOfAudioCodec() const;
    void setValueOfAudioCodec(const QString &value);
    QString valueOfAudioSRate() const;
    void setValueOfAudioSRate(const QString &value);
    QString currentChannel() const;
    void setCurrentChannel(const QString &value);
    QString currentSubtitleOptions() const;
    void setCurrentSubtitleOptions(const QString &value);
    // The channel values the item's audio can fill; empty without a channel field.
    QStringList audioChannel() const;
    bool canCustomizeResolution() const;
    bool isEnableSubtitleOptions() const;
    bool isVideoCopy() const;
    bool isAudioCopy() const;
    QString videoStatusString() const;
    QString description() const;
    QString profileTitle() const;
    bool twopassProfileConfig() const;
    bool enableTwopassEncode() const;
    void setEnableTwopassEncode(bool enable);
    // 0 VBR, 1 CBR.
    int bitrateModelIndex() const;
    void setBitrateModelIndex(int model);
    bool canEditCVBR() const;
    bool hiddenCVBR() const { return isDVD_; }
    bool canEditBitrate() const { return bitrateModelIndex() == 1; }
    QString bitrateValue() const;
    void setBitrateValue(const QString &text);
    QString resolutionWidthChange() const;
    void setResolutionWidthChange(const QString &text);
    QString resolutionHeightChange() const;
    void setResolutionHeightChange(const QString &text);
    const QStringList &bitrateLists() const { return bitrateLists_; }

    bool isCustomed() const { return customed_; }
    int newWidth() const { return newWidth_; }
    int newHeight() const { return newHeight_; }
    bool isDVD() const { return isDVD_; }
    bool isGraphics() const { return isGraphics_; }
    bool isMovies() const { return isMovies_; }
    bool onlyPresentChooser() const { return onlyPresentChooser_; }

    // The sheet and its controls, for the main window and tests.
    QDialog *settingPanel() const { return settingPanel_; }
    NXProfileChooserController *profileChooseController();
    QLineEdit *inputWidth() const { return inputWidth_; }
    QLineEdit *inputHeight() const { return inputHeight_; }
    QWidget *resolutionContainer() const { return resolutionInputContainer_; }
    QLabel *wainning() const { return wainning_; }
    QComboBox *popupResolution() const { return popupResolution_; }
    NXCustomizeButton *makeCstmButton() const { return makeCstmButton_; }
    NXNumberComboBox *bitrateEdit() const { return bitrateEdit_; }
    QComboBox *videoCodecPopup() const { return videoCodecPopup_; }
    QComboBox *framePopup() const { return frameRatePopup_; }
    QComboBox *aspectPopup() const { return aspectPopup_; }
    QComboBox *bitrateModelPopup() const { return bitrateModelPopup_; }
    QComboBox *audioCodecPopup() const { return audioCodecPopup_; }
    QComboBox *audioBitratePopup() const { return audioBitratePopup_; }
    QComboBox *sampleRatePopup() const { return sampleRatePopup_; }
    QComboBox *channelPopup() const { return channelPopup_; }
    QComboBox *subtitlePopup() const { return subtitlePopup_; }
    QCheckBox *twoPassCheck() const { return twoPassCheck_; }
    QPushButton *okButton() const { return okButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }
    QPushButton *applyToAllButton() const { return applyToAllButton_; }
    QPushButton *restoreDefaultButton() const { return restoreButton_; }
    QPushButton *profileButton() const;

signals:
    // "profileMainAffectingKey_": the item or the profile changed; every control reloads.
    void profileMainAffectingChanged();

private:
    void awakeFromNib();
    void buildPanel();
    void reloadBindings();
    void reloadSizeControls();
    void reloadBitrateControls();
    void leaveCustomSize();
    void showCustomSizeInputs(bool custom);
    void endSheet();
    int kindOfNode() const;
    void wireListPopup(QComboBox *popup, void (NXProfileController::*setter)(const QString &));
    void fillListPopup(QComboBox *popup, const QStringList &values, const QStringList &texts,
                       const QString &current, bool enabled);

    DNProfileProtocolPtr mediaNode_;
    std::shared_ptr<DNProfile> parser_;
    QPointer<QDialog> settingPanel_;
    NXProfileChooserController *profileChooseController_ = nullptr;
    bool onlyPresentChooser_ = false;
    bool customed_ = false;
    bool isDVD_ = false;
    bool isGraphics_ = false;
    bool isMovies_ = false;
    qint32 newWidth_ = 0;
    qint32 newHeight_ = 0;
    QStringList bitrateLists_;
    bool reloading_ = false;
    DNProfileManager *manager_ = nullptr;

    NXProfileButton *profileButton_ = nullptr;
    QLabel *titleLabel_ = nullptr;
    QLabel *descriptionLabel_ = nullptr;
    QLabel *videoStatusLabel_ = nullptr;
    QComboBox *videoCodecPopup_ = nullptr;
    QComboBox *popupResolution_ = nullptr;
    QWidget *resolutionInputContainer_ = nullptr;
    QLineEdit *inputWidth_ = nullptr;
    QLineEdit *inputHeight_ = nullptr;
    QLabel *wainning_ = nullptr;
    NXCustomizeButton *makeCstmButton_ = nullptr;
    QComboBox *frameRatePopup_ = nullptr;
    QComboBox *aspectPopup_ = nullptr;
    QComboBox *bitrateModelPopup_ = nullptr;
    NXNumberComboBox *bitrateEdit_ = nullptr;
    QComboBox *audioCodecPopup_ = nullptr;
    QComboBox *audioBitratePopup_ = nullptr;
    QComboBox *sampleRatePopup_ = nullptr;
    QComboBox *channelPopup_ = nullptr;
    QComboBox *subtitlePopup_ = nullptr;
    QCheckBox *twoPassCheck_ = nullptr;
    QPushButton *okButton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
    QPushButton *applyToAllButton_ = nullptr;
    QPushButton *restoreButton_ = nullptr;
};
