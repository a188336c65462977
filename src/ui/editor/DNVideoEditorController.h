#pragma once

#include "dvd/edit/DNEditedItem.h"
#include "ui/editor/DNVideoEditorGeometry.h"
#include "ui/editor/controls/DNAreaSelectView.h"
#include "ui/editor/controls/DNEffectsView.h"
#include "ui/editor/panel/DNKeyObservers.h"
#include "ui/editor/player/NXViewRenderControl.h"
#include "ui/editor/preview/NXEditMovieView.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSizeF>
#include <QTimer>
#include <QVariantMap>

#include <optional>

class DNProgressIndicator;
class DNTabView;
class DNTabViewItem;
class DNWatermarkView;
class NXSegmentSlider;
class NXTimePicker;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// The video editor sheet: the user edits one media file or one DVD source (through the title the
// source has selected) while the editor player plays it in a loop in two previews, the source
// picture with the crop box over it and the processed picture with the watermark box over it.
// Every change goes straight into the item's edit settings through the item's edit operations;
// what lives in the views while the sheet is open (crop box, watermark box, chosen effect,
// rotation and mirror, subtitle choice) is written back at Done and before Apply to all. There is
// no Cancel.
//
// The main window sends, per request: setTabViewAppearItemIndex, setMediaNode,
// displayVideoEditorPanel. One controller is reused for every opening.
//
// Its parts, one source file each: DNVideoEditorController.cpp (opening, playing, the player's
// and the boxes' callbacks, Done and Apply to all), DNVideoEditorPanel.cpp (the sheet's
// controls and what each shows), and the values each tab's controls are bound to:
// DNVideoEditorController_General.cpp (volume, expand, play and pause, trimming),
// DNVideoEditorController_Crop.cpp, DNVideoEditorController_Watermark.cpp and
// DNVideoEditorController_Subtitle.cpp (with the effects switch).
//
// Values the controls show are announced by name (DNKeyObservers): a setter announces its own
// name, and the names a value depends on are declared at set-up.
//
// Main thread only.
class DNVideoEditorController : public QObject,
                                public NXViewRenderControlDelegate,
                                public DNAreaSelectViewDelegate,
                                public DNEffectsViewProtocol
{
    Q_OBJECT
public:
    explicit DNVideoEditorController(QObject *parent = nullptr);
    ~DNVideoEditorController() override;

    // --------------------------------------------------------------- what the main window sends
    void setTabViewAppearItemIndex(int index) { flags_.tabViewItemIndex = index; }
    // The item to edit: a file item or a DVD source (any other entry edits nothing).
    void setMediaNode(const NXMediaNodePtr &node);
    NXMediaNodePtr mediaNode() const { return mediaNode_; }
    const DNEditedItem &editedItem() const { return item_; }
    void displayVideoEditorPanel(QWidget *window);

    // --------------------------------------------------------------- actions
    void onEditorDone();
    void onApplytoAll();
    void infoButtonClicked();
    void startPlayAction();
    void stopPlayAction();
    // The language sheet asked for after a subtitle file was added to a DVD title.
    void forceUserChooseLanguagePanel();
    void doneForceLanguageChoose();

    // --------------------------------------------------------------- the player's callbacks
    void videoWillStartAction(NXViewRenderControl *control) override;
    void videoStarted() override;
    void videoStopped() override;
    void videoPaused() override;
    void videoContinus() override;

    // --------------------------------------------------------------- the boxes' callbacks
    void onAreaSelectDidChanged(DNAreaSelector *sender) override;
    bool canCropBlackRegion() override;
    // Detects the picture without its black borders in the source preview's frame and stores
    // it (in source pixels, no band pixel left in it) as the item's crop, when automatic removal
    // is off and crop is on; otherwise the item's crop as it stands. Answered as fractions of
    // the whole picture, which the crop box takes as its area.
    std::optional<QRectF> rectByCoppingBlackRegion() override;

    // --------------------------------------------------------------- the effects grid
    int countOfEffectPreview() override { return 14; }
    QImage effectImageAtIndex(int index) override;
    void effectSelectedAtIndex(int index) override;

    void tabViewDidSelectTabViewItem(DNTabViewItem *item);

    // --------------------------------------------------------------- general and trimming tabs
    bool enableGeneral() const { return item_.isEnableGeneral(); }
    void setEnableGeneral(bool on);
    float editVideoVolume() const { return float(item_.generalVolume()); }
    void setEditVideoVolume(float volume);
    bool canExpand() const { return item_.autoExpandToProfileRes(); }
    void setCanExpand(bool on);
    QString videoResolutionStringValue() const;
    QPixmap playButtonStateImage() const;
    void pauseAndContinesEditVideo();
    float videoWidth() const;
    float videoHeight() const;

    bool editEnableTrimming() const { return item_.isEnableTrimming(); }
    void setEditEnableTrimming(bool on);
    void taggeDurationSlider(NXSegmentSlider *slider);
    void updateWithTraggeDurationSlider();
    // sender: the start field, the end field, or none (the reset).
    void timePickerAction(NXTimePicker *sender);
    void resetTimeTrimming();
    // The shortest trimmed part in whole seconds: the item's duration, at most 20.
    int limitation() const;
    // The limits of the time fields for the part from start to end (whole seconds).
    int startFieldMaximum(int start, int end) const;
    int endFieldMinimum(int start, int end) const;

    // --------------------------------------------------------------- crop tab
    bool editorEnableCrop() const { return item_.isEnableCrop(); }
    void setEditorEnableCrop(bool on);
    int indexOfCropMode() const { return int(item_.indexOfCropAspect()); }
    void setIndexOfCropMode(int index);
    // In source pixels, from the crop box's selection in preview points.
    float videoCropWidth() const;
    float videoCropHeight() const;
    float videoCropOriginLeft() const;
    float videoCropOriginTop() const;
    float videoCropOriginBottom() const;
    float videoMaxCropWidth() const;
    float videoMaxCropHeight() const;
    float videoMaxCropLeft() const;
    float videoMaxCropTop() const;
    float videoMinCropWidth() const;
    float videoMinCropHeight() const;
    void setVideoCropWidth(float pixels);
    // Keeps the box's top edge.
    void setVideoCropHeight(float pixels);
    void setVideoCropOriginLeft(float pixels);
    // Keeps the box's height.
    void setVideoCropOriginTop(float pixels);
    void resetVideoCrop();
    // The preview's quarter turn and mirror (what the crop tab's buttons do).
    void rotateVideo();
    void flipVideo();

    // --------------------------------------------------------------- watermark tab
    bool canEnableWaterMark() const { return item_.isExactlyFileNode(); }
    bool enableWaterMark() const { return item_.isEnableWatermark(); }
    void setEnableWaterMark(bool on);
    bool enableImageWatermark() const { return item_.typeOfWatermark() == 0; }
    int watermarkTypeIndex() const { return int(item_.typeOfWatermark()); }
    // 0 a picture, 1 a text.
    void setWatermarkTypeIndex(int type);
    float wmTransparency() const { return float(item_.watermarkTransparency()); }
    void setWmTransparency(float percent);
    void textWatermarkNewInput(const QString &text);
    // Hands a text still being typed to the box and the item, as finishing it would.
    void takeTypedWatermarkText();
    void openImageForWatermark();
    void openImageWatermarkPanelDidEnd(int returnCode, const QString &path);
    void openFontSetPanel();
    void changeFont(const QFont &font);
    void changeFontColor(const QColor &colour);
    float watermarkWidth() const;
    float watermarkHeight() const;
    float watermarkOriginLeft() const;
    float watermarkOriginBottom() const;
    float watermarkOriginTop() const;
    float watermarkMaxWidth() const;
    float watermarkMaxHeight() const;
    float watermarkMaxLeft() const;
    float watermarkMaxTop() const;
    void setWatermarkWidth(float pixels);
    void setWatermarkHeight(float pixels);
    void setWatermarkOriginLeft(float pixels);
    void setWatermarkOriginTop(float pixels);

    // --------------------------------------------------------------- effects tab
    bool enableVideoEffect() const { return item_.isEnableEffect(); }
    void setEnableVideoEffect(bool on);

    // --------------------------------------------------------------- subtitle tab
    bool enableVideoSubtitle() const { return item_.isEnableSubtitleEdit(); }
    void setEnableVideoSubtitle(bool on);
    int subtitleMode() const { return flags_.indexOfSubtitleMode; }
    void setSubtitleMode(int mode);
    bool isForExtraSubtitle() const { return flags_.indexOfSubtitleMode != 0; }
    int innerSubtitleSelectIndex() const { return flags_.indexOfInnerSubtitle; }
    void setInnerSubtitleSelectIndex(int index);
    QStringList innerSubtitile() const;
    bool isForDVDEdit() const { return flags_.isDVDNode != 0; }
    QStringList allSubtitlePosition() const;
    QString subtitlePosition() const;
    void setSubtitlePosition(const QString &position);
    // {"languageName", "languageCode"} for each language a subtitle file may be in.
    QList<QVariantMap> extSubtitleLanguageDics() const;
    QVariantMap curLanguageDic() const;
    void setCurLanguageDic(const QVariantMap &language);
    void openPanelForChooseSRTFile();
    void openPanelForChooseSRTFileDidEnd(int returnCode, const QString &path);
    QString extraSRTFilePath() const { return item_.extraSubtitlePath(); }

    // --------------------------------------------------------------- the sheet
    struct NXECFlags
    {
        int timeOfLoop = 0;
        // The picture's size in the previews: its display shape (non-square pixels shown as the
        // main preview and the outputs show them), at most 400 wide or 300 high.
        QSizeF videoSize;
        // Source pixels per preview point, across and up: they differ for non-square pixels.
        QSizeF videoScale{1.0, 1.0};
        int indexOfSubtitleMode = 0;
        int indexOfInnerSubtitle = 0;
        int codePageIndex = 0;
        int tabViewItemIndex = 0;
        int tryPlaybackCount = 0;
        int isUserWantExit = 0;
        int skipFlagCount = 0;
        int isDVDNode = 0;
    };
    const NXECFlags &flags() const { return flags_; }

    QDialog *panel() const { return panel_; }
    QDialog *languageChoosePanel() const { return languageChoosePanel_; }
    NXViewRenderControl *renderControl() const { return renderControl_; }
    NXEditMovieView *originalView() const;
    // The processed picture's preview (not the effects grid, which is effectView()).
    NXEditMovieView *effectPreview() const;
    NXSegmentSlider *editDurationSlider() const { return editDurationSlider_; }
    QLabel *editPlayTime() const { return editPlayTime_; }
    QLabel *editLeftTime() const { return editLeftTime_; }
    DNTabView *editorTabView() const { return editorTabView_; }
    QLineEdit *watermarkImageAddress() const { return watermarkImageAddress_; }
    QLineEdit *watermarkTextInput() const { return watermarkTextInput_; }
    NXTimePicker *startTrimTime() const { return startTrimTime_; }
    NXTimePicker *endTrimTime() const { return endTrimTime_; }
    QLabel *gernalTimeTrimDuration() const { return gernalTimeTrimDuration_; }
    DNAreaSelectView *selectionView() const { return selectionView_; }
    DNEffectsView *effectView() const { return effectView_; }
    DNWatermarkView *watermark() const { return watermark_; }
    QPushButton *doneButton() const { return doneButton_; }
    QPushButton *apply2AllButton() const { return apply2AllButton_; }
    DNProgressIndicator *progressIndicatorONE() const { return progressIndicatorONE_; }
    DNProgressIndicator *progressIndicatorTWO() const { return progressIndicatorTWO_; }
    bool isDisplayTimerRunning() const { return edit_time_remaind_ != nullptr; }
    // A control of the sheet by its object name (the tests' way in).
    template <typename T>
    T *control(const char *name) const;

    // The tab identifiers (the misspellings are the identifiers).
    static inline const QString kTabGeneral = QStringLiteral("tabGeneral");
    static inline const QString kTabTrimming = QStringLiteral("tabTrimming");
    static inline const QString kTabCrop = QStringLiteral("tabCrop");
    static inline const QString kTabWatermark = QStringLiteral("tavWatermark");
    static inline const QString kTabEffect = QStringLiteral("tabEffect");
    static inline const QString kTabSubtitle = QStringLiteral("tabSubtile");

private:
    // --- set-up (the interface's loading)
    void buildPanel();
    QWidget *buildGeneralPage();
    QWidget *buildTrimmingPage();
    QWidget *buildCropPage();
    QWidget *buildWatermarkPage();
    QWidget *buildEffectPage();
    QWidget *buildSubtitlePage();
    void buildLanguagePanel();
    // A switch: its title and name, the value it shows and what it calls when clicked.
    struct Switch
    {
        QString title;
        const char *name;
        QString key;
        bool (DNVideoEditorController::*value)() const;
        void (DNVideoEditorController::*set)(bool);
    };
    QCheckBox *boundCheckBox(const Switch &sw);
    // A page headed by its switch and a line saying what the page does.
    QVBoxLayout *switchedPageLayout(QWidget *page, const Switch &pageSwitch, const QString &hint);
    // A box's value in pixels, with its limits (no minimum: 0).
    struct PixelField
    {
        const char *name;
        QString label;
        QString key;
        float (DNVideoEditorController::*value)() const;
        float (DNVideoEditorController::*maximum)() const;
        float (DNVideoEditorController::*minimum)() const;
        void (DNVideoEditorController::*set)(float);
    };
    QSpinBox *boundPixelField(const PixelField &field);
    void declareDependencies();
    void makeInit();

    // --- opening, playing and closing
    void updateVideoEditConfigureOnEnter();
    void updateVideoEditConfigureOnVideoStart();
    void updateVideoEditConfigureOnExit();
    void saveMediaNodeInfomation();
    void autoEnableDoneButton();
    void playbackCountChecker();
    void update_UI_timer_callback();
    void videoEditorDidEnd();
    void setBusyIndicatorsRunning(bool running);
    // A panel choosing one existing file, as a sheet on the editor; done gets 1 (chosen) or 0
    // and the path.
    void openFilePanel(const QString &title, const char *name, const QString &filter,
                       void (DNVideoEditorController::*done)(int, const QString &));
    // The time fields and the length show the part from start to end (seconds).
    void showTrimInFields(float start, float end);
    // With trimming off the whole clip is kept: its length is what the page shows.
    void showUntrimmedLength();
    void sendUpdateTableCellsNotification();
    // The stored crop reaches the processed preview once it holds a frame to crop.
    void handCropToPreviewWhenFramed();
    bool eventFilter(QObject *watched, QEvent *event) override;

    // --- geometry
    // The picture of size fitted into the source preview's bounds (Qt coordinates).
    QRect fittedFrameInOriginalView(QSizeF size) const;
    // The preview's size and scale for a source picture of size (source pixels).
    void setScaleFromSize(QSizeF size, bool guardSmallPictures);
    // A picture of source pixels in the shape the item is shown in.
    QSizeF shownSize(QSizeF source) const;
    // Source pixels per point of box, for a box over a picture of size picture (source pixels);
    // the preview's scale while the box has no size yet.
    QSizeF pixelsPerPoint(const DNAreaSelector *box, QSizeF picture) const;
    QSizeF cropScale() const;
    QRectF selectionArea(const DNAreaSelector *box) const;
    // What the crop box (snapped) and the watermark box stand for in source pixels.
    DNVideoEditorGeometry::BoxValues cropValues() const;
    DNVideoEditorGeometry::BoxValues watermarkValues() const;
    QRectF boxFrame(const DNAreaSelector *box) const;
    // The crop box's selection handed to the processed preview.
    void handCropPercentageToPreview();
    // The picture as it will be converted (after the crop and the turn), in source pixels, or,
    // with shown, in its display shape; and where the processed preview draws it.
    QSizeF processedPictureSize(bool shown = false) const;
    QRect processedPictureFrame() const;
    // The watermark box lies over the processed picture, since the watermark is placed in the
    // converted picture: the box follows the picture's place in the preview and keeps its own
    // place on the picture in proportion.
    void followProcessedPicture();
    // Watermark pixels (of the converted picture) per preview point, across and up.
    QSizeF watermarkScale() const;
    void setCropSelection(const QRectF &area);
    // One typed value of a box (source pixels), announced under key.
    void editCrop(DNVideoEditorGeometry::BoxEdit edit, float pixels, const QString &key);
    void editWatermark(DNVideoEditorGeometry::BoxEdit edit, float pixels, const QString &key);
    void setWatermarkSelection(const QRectF &area);

    // --- tabs and announcements
    void setTabMark(const QString &identifier, bool on);
    void didChange(const QString &key) { observers_.didChange(key); }

    NXMediaNodePtr mediaNode_;
    DNEditedItem item_;
    NXECFlags flags_;
    DNKeyObservers observers_;

    QPointer<QDialog> panel_;
    QPointer<QDialog> languageChoosePanel_;
    NXViewRenderControl *renderControl_ = nullptr;
    NXSegmentSlider *editDurationSlider_ = nullptr;
    QLabel *editPlayTime_ = nullptr;
    QLabel *editLeftTime_ = nullptr;
    DNTabView *editorTabView_ = nullptr;
    QLineEdit *watermarkImageAddress_ = nullptr;
    QLineEdit *watermarkTextInput_ = nullptr;
    NXTimePicker *startTrimTime_ = nullptr;
    NXTimePicker *endTrimTime_ = nullptr;
    QLabel *gernalTimeTrimDuration_ = nullptr;
    DNAreaSelectView *selectionView_ = nullptr;
    DNEffectsView *effectView_ = nullptr;
    QPushButton *doneButton_ = nullptr;
    QPushButton *apply2AllButton_ = nullptr;
    DNProgressIndicator *progressIndicatorONE_ = nullptr;
    DNProgressIndicator *progressIndicatorTWO_ = nullptr;
    DNWatermarkView *watermark_ = nullptr;
    QTimer *edit_time_remaind_ = nullptr;
    QPointer<DNTabViewItem> watermarkTabItemBackup_;
    QPointer<DNTabViewItem> effectTabItemBackup_;

    QTimer startPlayTimer_;
    QTimer playbackCheckTimer_;
    QTimer languageSheetTimer_;
    bool cropHandOffPending_ = false;
};

template <typename T>
T *DNVideoEditorController::control(const char *name) const
{
    return panel_ ? panel_->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}
