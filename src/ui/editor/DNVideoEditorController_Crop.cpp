// The crop tab: the crop switch, its presets, the crop box's values in source pixels, the
// preview's turn and mirror, and the reset.
#include "DNVideoEditorController.h"

#include "ui/editor/DNVideoEditorGeometry.h"
#include "ui/editor/preview/NXEditMovieView.h"

using DNVideoEditorGeometry::BoxEdit;

namespace {
// The black-border removal's place in the preset list: applied anew on every choice.
constexpr int kRemoveBlackBordersPreset = 1;
} // namespace

void DNVideoEditorController::setEditorEnableCrop(bool on)
{
    item_.setEnableCrop(on);
    selectionView_->setHidden(!on);
    setTabMark(kTabCrop, on);
    effectPreview()->setEnableCropEffect(on);
    effectPreview()->displayImage();
    if (on && selectionView_->selectedAspect() == kRemoveBlackBordersPreset)
        selectionView_->setSelectedAspect(kRemoveBlackBordersPreset);
    if (!on)
        item_.setCropLetterboxAuto(false);
    followProcessedPicture();
    didChange(QStringLiteral("editorEnableCrop"));
}

void DNVideoEditorController::setIndexOfCropMode(int index)
{
    if (index == kRemoveBlackBordersPreset)
        item_.setCropLetterboxAuto(false);
    item_.setIndexOfCropAspect(quint32(index));
    selectionView_->setSelectedAspect(index);
    didChange(QStringLiteral("indexOfCropMode"));
}

DNVideoEditorGeometry::BoxValues DNVideoEditorController::cropValues() const
{
    return DNVideoEditorGeometry::boxValues(selectionArea(selectionView_), boxFrame(selectionView_).size(),
                                            cropScale(), true);
}

float DNVideoEditorController::videoCropWidth() const
{
    return cropValues().width;
}

float DNVideoEditorController::videoCropHeight() const
{
    return cropValues().height;
}

float DNVideoEditorController::videoCropOriginLeft() const
{
    return cropValues().left;
}

float DNVideoEditorController::videoCropOriginTop() const
{
    return cropValues().top;
}

float DNVideoEditorController::videoCropOriginBottom() const
{
    return cropValues().bottom;
}

float DNVideoEditorController::videoMaxCropWidth() const
{
    return cropValues().maxWidth;
}

float DNVideoEditorController::videoMaxCropHeight() const
{
    return cropValues().maxHeight;
}

float DNVideoEditorController::videoMaxCropLeft() const
{
    return cropValues().maxLeft;
}

float DNVideoEditorController::videoMaxCropTop() const
{
    return cropValues().maxTop;
}

float DNVideoEditorController::videoMinCropWidth() const
{
    return DNVideoEditorGeometry::evenSnapped(selectionView_->lowerLimitSize().width());
}

float DNVideoEditorController::videoMinCropHeight() const
{
    return DNVideoEditorGeometry::evenSnapped(selectionView_->lowerLimitSize().height());
}

void DNVideoEditorController::setCropSelection(const QRectF &area)
{
    selectionView_->setSelectionArea(area);
}

void DNVideoEditorController::editCrop(BoxEdit edit, float pixels, const QString &key)
{
    setCropSelection(DNVideoEditorGeometry::editedSelection(selectionView_->selectionArea(),
                                                            QSizeF(selectionView_->size()), cropScale(), edit,
                                                            pixels));
    handCropPercentageToPreview();
    followProcessedPicture();
    didChange(key);
}

void DNVideoEditorController::setVideoCropWidth(float pixels)
{
    editCrop(BoxEdit::Width, pixels, QStringLiteral("videoCropWidth"));
}

void DNVideoEditorController::setVideoCropHeight(float pixels)
{
    editCrop(BoxEdit::Height, pixels, QStringLiteral("videoCropHeight"));
}

void DNVideoEditorController::setVideoCropOriginLeft(float pixels)
{
    editCrop(BoxEdit::Left, pixels, QStringLiteral("videoCropOriginLeft"));
}

void DNVideoEditorController::setVideoCropOriginTop(float pixels)
{
    editCrop(BoxEdit::Top, pixels, QStringLiteral("videoCropOriginTop"));
}

void DNVideoEditorController::resetVideoCrop()
{
    const QRect frame = fittedFrameInOriginalView(QSizeF(renderControl_->videoWidth(), renderControl_->videoHeight()));
    selectionView_->setFrame(frame);
    setCropSelection(QRectF(0, 0, frame.width(), frame.height()));
    didChange(QStringLiteral("SelectedRectChanged"));
    effectPreview()->resetGeometry();
    followProcessedPicture();
    setIndexOfCropMode(0);
}

void DNVideoEditorController::rotateVideo()
{
    effectPreview()->rotateLeft90();
    followProcessedPicture();
}

QSizeF DNVideoEditorController::processedPictureSize(bool shown) const
{
    const QSizeF source = item_.resolutionOfSelectedVideoTrack();
    QSizeF size = source;
    if (item_.isEnableCrop()) {
        const DNVideoEditorGeometry::BoxValues crop = cropValues();
        if (crop.width > 0 && crop.height > 0)
            size = QSizeF(crop.width, crop.height);
    }
    // The source's pixels are as wide as they are shown; the crop keeps that width per pixel.
    if (shown && source.width() > 0)
        size.setWidth(size.width() * shownSize(source).width() / source.width());
    // A quarter turn either way stands the picture on its side, as the builders turn it.
    const int turn = ((effectPreview()->rotationDegress() % 360) + 360) % 360;
    return turn / 90 % 2 == 1 ? size.transposed() : size;
}

QRect DNVideoEditorController::processedPictureFrame() const
{
    const QSizeF bounds(effectPreview()->size());
    return DNVideoEditorGeometry::widgetRect(DNVideoEditorGeometry::fitted(processedPictureSize(true), bounds), bounds);
}

void DNVideoEditorController::flipVideo()
{
    effectPreview()->flipHorizontal();
}
