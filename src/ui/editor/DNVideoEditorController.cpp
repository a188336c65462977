// The editor sheet's life: opening on an item, playing it, the player's and the boxes'
// callbacks, Done and Apply to all.
#include "DNVideoEditorController.h"

#include "core/platform/PlayerProcessRegistry.h"
#include "core/image/DNBlackRegion.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/util/DNTimeText.h"
#include "player/HVPlayerArguments.h"
#include "ui/controls/DNPlainText.h"
#include "ui/controls/DNProgressIndicator.h"
#include "ui/editor/DNVideoEditorGeometry.h"
#include "ui/editor/controls/DNWatermarkView.h"
#include "ui/editor/controls/NXSegmentSlider.h"
#include "ui/editor/controls/NXTimePicker.h"
#include "ui/editor/panel/DNTabView.h"
#include "ui/editor/preview/NXEditMovieView.h"
#include "ui/info/NXFloatInfoWindowController.h"

#include <QEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kApplytoAllEditSetting = QStringLiteral("DNNotificationApplytoAllEditSetting");
const QString kRefreshAllCells = QStringLiteral("NXMediaTableViewRefreshAllCells 0.0");
constexpr int kStartPlayDelayMs = 250;
constexpr int kPlaybackCheckDelayMs = 100;
constexpr int kAutoEnableDoneMs = 10000;
constexpr int kMaxPlaybackTries = 3;

// Ends every player this program runs and waits for them (the editor's own included).
void endAllPlayers()
{
    PlayerProcessRegistry::shared().killAll();
}
} // namespace

DNVideoEditorController::DNVideoEditorController(QObject *parent) : QObject(parent)
{
    renderControl_ = new NXViewRenderControl(this);
    startPlayTimer_.setSingleShot(true);
    startPlayTimer_.setInterval(kStartPlayDelayMs);
    connect(&startPlayTimer_, &QTimer::timeout, this, &DNVideoEditorController::startPlayAction);
    playbackCheckTimer_.setSingleShot(true);
    playbackCheckTimer_.setInterval(kPlaybackCheckDelayMs);
    connect(&playbackCheckTimer_, &QTimer::timeout, this, &DNVideoEditorController::playbackCountChecker);
    languageSheetTimer_.setSingleShot(true);
    connect(&languageSheetTimer_, &QTimer::timeout, this, &DNVideoEditorController::forceUserChooseLanguagePanel);
    buildPanel();
    declareDependencies();
    makeInit();
}

DNVideoEditorController::~DNVideoEditorController()
{
    // The item goes; the boxes may already be gone with a window closing around the sheet.
    mediaNode_.reset();
    item_ = DNEditedItem();
    renderControl_->setVideoControl(nullptr);
    delete watermarkTabItemBackup_;
    delete effectTabItemBackup_;
    delete panel_;
}

void DNVideoEditorController::makeInit()
{
    selectionView_->setDelegate(this);
    if (!watermark_) {
        watermark_ = new DNWatermarkView(QRect(), effectPreview());
        watermark_->setObjectName(QStringLiteral("watermark"));
        watermark_->setDelegate(this);
        watermark_->hide();
    }
    watermarkTabItemBackup_ = editorTabView_->tabViewItemWithIdentifier(kTabWatermark);
    effectTabItemBackup_ = editorTabView_->tabViewItemWithIdentifier(kTabEffect);
    renderControl_->setVideoControl(this);
    effectView_->setDelegate(this);
    effectView_->awakeFromNib();
    flags_.timeOfLoop = 0;
    startTrimTime_->setAction([this](NXTimePicker *sender) { timePickerAction(sender); });
    endTrimTime_->setAction([this](NXTimePicker *sender) { timePickerAction(sender); });
    gernalTimeTrimDuration_->setText(QStringLiteral("00:00:00"));
}

NXEditMovieView *DNVideoEditorController::originalView() const
{
    return renderControl_->originalView();
}

NXEditMovieView *DNVideoEditorController::effectPreview() const
{
    return renderControl_->effectView();
}

// ------------------------------------------------------------------ setting the item

void DNVideoEditorController::setMediaNode(const NXMediaNodePtr &node)
{
    item_ = DNEditedItem(node);
    flags_.isDVDNode = item_.isDVDSource() ? 1 : 0;
    mediaNode_ = item_.isEmpty() ? nullptr : node;
    setScaleFromSize(item_.resolutionOfSelectedVideoTrack(), true);
    const QRect frame = fittedFrameInOriginalView(flags_.videoSize);
    selectionView_->setFrame(frame);
    if (watermark_)
        watermark_->setFrame(frame);
    renderControl_->setDuration(float(item_.currentVideoTrackDuration()));
    didChange(QStringLiteral("mediaNode"));
}

void DNVideoEditorController::setScaleFromSize(QSizeF size, bool guardSmallPictures)
{
    const QSizeF shown = shownSize(size);
    const float scale = DNVideoEditorGeometry::previewScale(shown, guardSmallPictures);
    flags_.videoSize = shown / scale;
    flags_.videoScale = size.isEmpty() ? QSizeF(scale, scale)
                                       : QSizeF(size.width() / flags_.videoSize.width(),
                                                size.height() / flags_.videoSize.height());
}

QSizeF DNVideoEditorController::shownSize(QSizeF source) const
{
    return DNVideoEditorGeometry::displaySize(source, item_.displayAspectOfSelectedVideoTrack());
}

QSizeF DNVideoEditorController::pixelsPerPoint(const DNAreaSelector *box, QSizeF picture) const
{
    const QSizeF frame = boxFrame(box).size();
    if (frame.isEmpty() || picture.isEmpty())
        return flags_.videoScale;
    return QSizeF(picture.width() / frame.width(), picture.height() / frame.height());
}

QSizeF DNVideoEditorController::cropScale() const
{
    return pixelsPerPoint(selectionView_, item_.resolutionOfSelectedVideoTrack());
}

QRect DNVideoEditorController::fittedFrameInOriginalView(QSizeF size) const
{
    const QSizeF bounds = originalView() ? QSizeF(originalView()->size()) : QSizeF(0, 0);
    return DNVideoEditorGeometry::widgetRect(DNVideoEditorGeometry::fitted(size, bounds), bounds);
}

// ------------------------------------------------------------------ opening

void DNVideoEditorController::displayVideoEditorPanel(QWidget *window)
{
    endAllPlayers();
    updateVideoEditConfigureOnEnter();
    if (window && panel_->parentWidget() != window)
        panel_->setParent(window, panel_->windowFlags() | Qt::Dialog);
    panel_->setWindowModality(Qt::WindowModal);
    panel_->open();
    flags_.isUserWantExit = 0;
    flags_.tryPlaybackCount = 1;
    startPlayTimer_.start();
}

void DNVideoEditorController::updateVideoEditConfigureOnEnter()
{
    flags_.timeOfLoop = 0;
    flags_.skipFlagCount = 0;

    // The effects page is never shown; the watermark page only for files.
    DNTabViewItem *watermarkTab = editorTabView_->tabViewItemWithIdentifier(kTabWatermark);
    DNTabViewItem *effectTab = editorTabView_->tabViewItemWithIdentifier(kTabEffect);
    if (flags_.isDVDNode) {
        editorTabView_->removeTabViewItem(watermarkTab);
    } else if (!watermarkTab && watermarkTabItemBackup_) {
        editorTabView_->addTabViewItem(watermarkTabItemBackup_);
    }
    editorTabView_->removeTabViewItem(effectTab);

    setTabMark(kTabGeneral, item_.isEnableGeneral());
    setTabMark(kTabCrop, item_.isEnableCrop());
    setTabMark(kTabTrimming, item_.isEnableTrimming());
    setTabMark(kTabSubtitle, item_.isEnableSubtitleEdit());
    setTabMark(kTabWatermark, item_.isEnableWatermark());
    setTabMark(kTabEffect, item_.isEnableEffect());

    effectView_->setEnabled(item_.isEnableEffect());
    effectView_->setIndexOfSelectedEffect(int(item_.indexOfEffect()));
    editDurationSlider_->setValue(0);

    setCropSelection(DNVideoEditorGeometry::divided(item_.cropRect(), cropScale()));
    selectionView_->setSelectedAspect(int(item_.indexOfCropAspect()));
    handCropPercentageToPreview();
    effectPreview()->setRotateDegress(item_.rotationAngle(), item_.isMirror());
    effectPreview()->setEnableCropEffect(item_.isEnableCrop());
    // The processed preview has no frame yet: the crop reaches it with the first one.
    cropHandOffPending_ = true;

    watermark_->setHidden(!item_.isEnableWatermark());
    watermark_->setTransparency(float(item_.watermarkTransparency()));
    watermark_->setFrame(processedPictureFrame());
    const QRectF storedWatermark = DNVideoEditorGeometry::ofFractions(
        DNVideoEditorGeometry::fractionsOf(item_.watermarkRect(), item_.resolutionOfSelectedVideoTrack()),
        QSizeF(watermark_->size()));
    setWatermarkSelection(storedWatermark);
    watermark_->setTextColor(DNVideoEditorGeometry::colorOf(item_.textWatermarkColor()));
    watermark_->setTextFont(DNVideoEditorGeometry::fontOf(item_.textWatermarkFont()));

    const QString imagePath = item_.imagePathOfWatermark();
    watermarkImageAddress_->setText(imagePath);
    watermarkImageAddress_->setToolTip(DNPlainToolTip(imagePath));
    const QString text = item_.textOfWatermark();
    watermarkTextInput_->setText(text);
    watermarkTextInput_->setToolTip(DNPlainToolTip(text));

    selectionView_->hide();
    editorTabView_->selectTabViewItemAtIndex(flags_.tabViewItemIndex);

    renderControl_->setEnableCropVideo(item_.isEnableTrimming());
    renderControl_->setLimitedLeftTime(float(item_.trimStartTime()), float(item_.trimEndTime()));
    if (item_.isEnableTrimming()) {
        renderControl_->setLimitedLeftTime(float(item_.trimStartTime()));
    } else {
        for (NXTimePicker *field : {startTrimTime_, endTrimTime_}) {
            field->setIntValue(0);
            field->setEnabled(false);
        }
        showUntrimmedLength();
    }

    flags_.indexOfSubtitleMode = int(item_.indexOfSubtitleType());
    flags_.indexOfInnerSubtitle = int(item_.indexOfInnerSubtitle());
    doneButton_->setEnabled(false);
    apply2AllButton_->setEnabled(false);
    didChange(QStringLiteral("UpdateMediaNodeInformation"));

    setWatermarkTypeIndex(int(item_.typeOfWatermark()));
    // The item's text reaching a box that had none sizes the box to it: the place the user gave
    // the watermark comes back.
    setWatermarkSelection(storedWatermark);
    didChange(QStringLiteral("watermarkFrameChanged"));
    didChange(QStringLiteral("canEnableWaterMark"));
    QTimer::singleShot(kAutoEnableDoneMs, this, &DNVideoEditorController::autoEnableDoneButton);
}

void DNVideoEditorController::autoEnableDoneButton()
{
    if (!panel_->isVisible())
        return;
    doneButton_->setEnabled(true);
    apply2AllButton_->setEnabled(true);
}

void DNVideoEditorController::setTabMark(const QString &identifier, bool on)
{
    if (DNTabViewItem *tab = editorTabView_->tabViewItemWithIdentifier(identifier))
        tab->setImageState(on);
}

// ------------------------------------------------------------------ playing

void DNVideoEditorController::startPlayAction()
{
    setBusyIndicatorsRunning(true);
    editDurationSlider_->setAction([this](NXSegmentSlider *slider) { taggeDurationSlider(slider); });
    editDurationSlider_->setMaxValue(100.0);
    editDurationSlider_->setMinValue(0);
    editDurationSlider_->setValue(0);
    renderControl_->setScaleVideoSize(flags_.videoSize);
    renderControl_->setScaleVideoSizeFactor(flags_.videoScale);
    renderControl_->auto_detect_video_format_with_node(mediaNode_);
    if (const auto params = HVPlayerArguments::playbackParametersOf(mediaNode_))
        renderControl_->playVideoWidthParams(*params);
    if (!edit_time_remaind_) {
        edit_time_remaind_ = new QTimer(this);
        edit_time_remaind_->setInterval(1000);
        connect(edit_time_remaind_, &QTimer::timeout, this, &DNVideoEditorController::update_UI_timer_callback);
        edit_time_remaind_->start();
    }
}

void DNVideoEditorController::stopPlayAction()
{
    renderControl_->stopPlay();
}

void DNVideoEditorController::setBusyIndicatorsRunning(bool running)
{
    for (DNProgressIndicator *indicator : {progressIndicatorONE_, progressIndicatorTWO_}) {
        indicator->setHidden(!running);
        if (running)
            indicator->startAnimation();
        else
            indicator->stopAnimation();
    }
}

void DNVideoEditorController::update_UI_timer_callback()
{
    if (flags_.skipFlagCount >= 1) {
        --flags_.skipFlagCount;
        return;
    }
    editPlayTime_->setText(DNTimeStringFromSeconds(int(renderControl_->currentPlaybackTime())));
    editLeftTime_->setText(QStringLiteral("-") + DNTimeStringFromSeconds(int(renderControl_->currentLeftTime())));
    editDurationSlider_->setValue(renderControl_->currentPlaybackPercent());
}

void DNVideoEditorController::videoWillStartAction(NXViewRenderControl *control)
{
    Q_UNUSED(control);
    if (++flags_.timeOfLoop != 1)
        return;
    const int width = renderControl_->originalVideoWidth();
    const int height = renderControl_->originalVideoHeight();
    if (width > 0 && height > 0)
        item_.setResolutionOfSelectedVideoTrack(QSizeF(width, height));
    item_.setCurrentVideoTrackDuration(qint32(renderControl_->duration()));
    updateVideoEditConfigureOnVideoStart();
}

void DNVideoEditorController::updateVideoEditConfigureOnVideoStart()
{
    const int duration = int(renderControl_->duration());
    startTrimTime_->setMaxTimeValue(duration);
    endTrimTime_->setMaxTimeValue(duration);
    const QSizeF source(renderControl_->originalVideoWidth(), renderControl_->originalVideoHeight());
    selectionView_->setFrame(fittedFrameInOriginalView(shownSize(source)));

    if (editEnableTrimming()) {
        const quint32 start = item_.trimStartTime();
        const quint32 end = item_.trimEndTime();
        renderControl_->setEnableCropVideo(true);
        editDurationSlider_->setEnableSegments(true);
        editDurationSlider_->setPercentValue(renderControl_->convertTimeToPercent(float(start)) + 0.0001);
        editDurationSlider_->setSegmentLeftProportionValue(renderControl_->convertTimeToPercent(float(start)),
                                                           renderControl_->convertTimeToPercent(float(end)));
        item_.setTrimStartTime(start);
        item_.setTrimEndTime(end);
        showTrimInFields(float(start), float(end));
    } else {
        // The player's length, now stored in the item, is the one the slider runs along.
        showUntrimmedLength();
    }

    setScaleFromSize(source, false);
    setCropSelection(DNVideoEditorGeometry::divided(item_.cropRect(), cropScale()));
    followProcessedPicture();
    didChange(QStringLiteral("SelectedRectChanged"));
}

void DNVideoEditorController::videoStarted()
{
    doneButton_->setEnabled(true);
    apply2AllButton_->setEnabled(true);
    setBusyIndicatorsRunning(false);
}

void DNVideoEditorController::videoStopped()
{
    videoStarted();
    playbackCheckTimer_.start();
}

void DNVideoEditorController::videoPaused()
{
    didChange(QStringLiteral("playButtonStateImage"));
}

void DNVideoEditorController::videoContinus()
{
    didChange(QStringLiteral("playButtonStateImage"));
}

void DNVideoEditorController::playbackCountChecker()
{
    if (flags_.isUserWantExit || flags_.tryPlaybackCount > kMaxPlaybackTries)
        return;
    ++flags_.tryPlaybackCount;
    startPlayAction();
}

// ------------------------------------------------------------------ the boxes

void DNVideoEditorController::onAreaSelectDidChanged(DNAreaSelector *sender)
{
    if (sender == selectionView_) {
        handCropPercentageToPreview();
        followProcessedPicture();
        didChange(QStringLiteral("SelectedRectChanged"));
    } else if (sender == watermark_) {
        didChange(QStringLiteral("watermarkFrameChanged"));
    }
}

void DNVideoEditorController::handCropPercentageToPreview()
{
    effectPreview()->setCropRectPercent(selectionView_->selectionAreaPercentage());
}

void DNVideoEditorController::handCropToPreviewWhenFramed()
{
    if (!cropHandOffPending_ || effectPreview()->currentVideoFrame().isNull())
        return;
    cropHandOffPending_ = false;
    handCropPercentageToPreview();
}

bool DNVideoEditorController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == effectPreview() && event->type() == QEvent::Paint)
        handCropToPreviewWhenFramed();
    // Return in the text field finishes the text; it must not reach the sheet, whose default
    // button would close it.
    if (watched == watermarkTextInput_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            textWatermarkNewInput(watermarkTextInput_->text());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool DNVideoEditorController::canCropBlackRegion()
{
    return originalView() && !originalView()->currentVideoFrame().isNull();
}

std::optional<QRectF> DNVideoEditorController::rectByCoppingBlackRegion()
{
    if (item_.isEmpty())
        return QRectF();
    const QSizeF source = item_.resolutionOfSelectedVideoTrack();
    if (item_.isCropLetterboxAuto() || !item_.isEnableCrop())
        return DNVideoEditorGeometry::fractionsOf(item_.cropRect(), source);
    // The preview's frame is the picture scaled down: the bands' edges are found in it and
    // taken inward to the source's pixels, so that no band pixel is left in the crop.
    const QRectF picture = DNBlackRegion::pictureInSource(originalView()->currentVideoFrame(), source);
    item_.setCropRect(picture);
    item_.setCropLetterboxAuto(true);
    return DNVideoEditorGeometry::fractionsOf(picture, source);
}

QRectF DNVideoEditorController::selectionArea(const DNAreaSelector *box) const
{
    return box ? box->selectionArea() : QRectF();
}

QRectF DNVideoEditorController::boxFrame(const DNAreaSelector *box) const
{
    return box ? QRectF(box->geometry()) : QRectF();
}

// ------------------------------------------------------------------ effects grid and tabs

QImage DNVideoEditorController::effectImageAtIndex(int index)
{
    Q_UNUSED(index);
    return QImage();
}

void DNVideoEditorController::effectSelectedAtIndex(int index)
{
    effectPreview()->setInternalEffectIndex(index);
}

void DNVideoEditorController::tabViewDidSelectTabViewItem(DNTabViewItem *item)
{
    const QString identifier = item ? item->identifier() : QString();
    selectionView_->setHidden(!(identifier == kTabCrop && item_.isEnableCrop()));
    editDurationSlider_->setEditable(identifier == kTabTrimming);
    watermark_->setEditabled(identifier == kTabWatermark);
}

// ------------------------------------------------------------------ closing

void DNVideoEditorController::onEditorDone()
{
    renderControl_->stopPlay();
    flags_.isUserWantExit = 1;
    playbackCheckTimer_.stop();
    panel_->done(QDialog::Accepted);
    endAllPlayers();
    updateVideoEditConfigureOnExit();
}

void DNVideoEditorController::updateVideoEditConfigureOnExit()
{
    update_UI_timer_callback();
    for (NXTimePicker *field : {startTrimTime_, endTrimTime_})
        field->setIntValue(0);
    gernalTimeTrimDuration_->setText(QStringLiteral("00:00:00"));
    renderControl_->setEnableCropVideo(false);
    editDurationSlider_->setEnableSegments(false);

    saveMediaNodeInfomation();
    for (NXEditMovieView *view : {originalView(), effectPreview()}) {
        view->setCurrentVideoFrame(QImage());
        view->resetColorAdjust();
        view->resetGeometry();
    }
    // The box's place on the converted picture, kept as the same proportions of the source.
    item_.setWatermarkRect(DNVideoEditorGeometry::ofFractions(
        DNVideoEditorGeometry::fractionsOf(watermark_->selectionArea(), QSizeF(watermark_->size())),
        item_.resolutionOfSelectedVideoTrack()));
    flags_.tabViewItemIndex = 0;
    sendUpdateTableCellsNotification();
}

void DNVideoEditorController::saveMediaNodeInfomation()
{
    takeTypedWatermarkText();
    item_.setCropRect(QRectF(videoCropOriginLeft(), videoCropOriginBottom(), videoCropWidth(), videoCropHeight()));
    item_.setIndexOfCropAspect(quint32(selectionView_->selectedAspect()));
    item_.setIndexOfEffect(quint32(effectView_->indexOfSelectedEffect()));
    item_.setMirror(effectPreview()->isFlippedHorizontal());
    item_.setRotationAngle(effectPreview()->rotationDegress());
    if (flags_.indexOfSubtitleMode != 0)
        item_.selectSubtitleAtIndex(0, true);
    else
        item_.selectSubtitleAtIndex(quint32(flags_.indexOfInnerSubtitle), false);
}

void DNVideoEditorController::sendUpdateTableCellsNotification()
{
    DNNotificationCenter::defaultCenter().postNotification(kRefreshAllCells);
}

void DNVideoEditorController::videoEditorDidEnd()
{
    stopPlayAction();
    delete edit_time_remaind_;
    edit_time_remaind_ = nullptr;
    playbackCheckTimer_.stop();
    // A start still waiting would play a sheet no longer shown.
    startPlayTimer_.stop();
    flags_.tryPlaybackCount = 0;
    panel_->hide();
}

void DNVideoEditorController::onApplytoAll()
{
    saveMediaNodeInfomation();
    DNNotificationCenter::defaultCenter().postNotification(kApplytoAllEditSetting,
                                                           QVariant::fromValue(item_.editSetting()));
}

void DNVideoEditorController::infoButtonClicked()
{
    NXFloatInfoWindowController::shareInstance().showWindowWithNode(mediaNode_);
}

void DNVideoEditorController::openFilePanel(const QString &title, const char *name, const QString &filter,
                                            void (DNVideoEditorController::*done)(int, const QString &))
{
    auto *dialog = new QFileDialog(panel_, title);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::ReadOnly);
    dialog->setNameFilter(filter);
    connect(dialog, &QFileDialog::finished, this, [this, dialog, done](int result) {
        (this->*done)(result == QDialog::Accepted ? 1 : 0, dialog->selectedFiles().value(0));
    });
    dialog->open();
}

void DNVideoEditorController::forceUserChooseLanguagePanel()
{
    languageChoosePanel_->setWindowModality(Qt::WindowModal);
    languageChoosePanel_->open();
}

void DNVideoEditorController::doneForceLanguageChoose()
{
    languageChoosePanel_->done(QDialog::Accepted);
}

int DNVideoEditorController::limitation() const
{
    return qBound(0, int(item_.currentVideoTrackDuration()), 20);
}
