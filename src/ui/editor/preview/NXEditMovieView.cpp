#include "NXEditMovieView.h"

#include "core/image/DNBlackRegion.h"
#include "player/NXMPlayerGeometry.h"

#include <QPaintEvent>
#include <QPainter>

NXEditMovieView::NXEditMovieView(QWidget *parent) : QWidget(parent)
{
    // While the movie is stopped nothing is painted, and what was shown must stay: the view
    // paints every pixel itself otherwise, so Qt never clears it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    makeInit();
}

void NXEditMovieView::makeInit()
{
    enableEditEffect_ = false;
    vars_ = NXVarsAdjust();
    adjustGeometryFilter();
}

QRectF NXEditMovieView::cropedImageBlackRegionRect() const
{
    return DNBlackRegion::extentByDividingBlackRegion(currentVideoFrame_.copy());
}

QImage NXEditMovieView::resultOfImageColorFilterFromImage(const QImage &image) const
{
    return NXEditMovieFilters::colorChain(image, vars_);
}

QImage NXEditMovieView::resultOfImageFilterFromImage(const QImage &image) const
{
    return NXEditMovieFilters::filterChain(image, vars_, enableCropEffect_, enableColorEffect_, geometry_);
}

// The colour chain reads the values as they stand, so storing one is all a setter must do
// besides telling and redrawing.
void NXEditMovieView::store(float &field, float value, void (NXEditMovieView::*changed)())
{
    field = value;
    Q_EMIT(this->*changed)();
    update();
}

void NXEditMovieView::setBrightness(float value)
{
    store(vars_.vBrightness, value, &NXEditMovieView::brightnessChanged);
}

void NXEditMovieView::setContrast(float value)
{
    store(vars_.vContrast, value, &NXEditMovieView::contrastChanged);
}

void NXEditMovieView::setSaturation(float value)
{
    store(vars_.vSaturation, value, &NXEditMovieView::saturationChanged);
}

void NXEditMovieView::setGamma(float value)
{
    store(vars_.vGamma, value, &NXEditMovieView::gammaChanged);
}

void NXEditMovieView::setHue(float value)
{
    store(vars_.vHueAngle, value, &NXEditMovieView::hueChanged);
}

void NXEditMovieView::setCropRectPercent(const QRectF &fractions)
{
    if (currentVideoFrame_.isNull())
        return;
    const double w = currentVideoFrame_.width();
    const double h = currentVideoFrame_.height();
    setCropRect(QRectF(fractions.x() * w, fractions.y() * h, fractions.width() * w, fractions.height() * h));
}

void NXEditMovieView::setCropRect(const QRectF &rect)
{
    vars_.vCropRect = rect;
    vars_.needCrop = 100;
    adjustGeometryFilter();
}

void NXEditMovieView::rotateLeft90()
{
    vars_.vRorateDegree = (vars_.vRorateDegree + 270) % 360;
    adjustGeometryFilter();
}

void NXEditMovieView::flipHorizontal()
{
    vars_.vFlip = vars_.vFlip >= 1 ? 0 : 1;
    adjustGeometryFilter();
}

void NXEditMovieView::setRotateDegress(int degrees, bool flip)
{
    vars_.vFlip = flip ? 1 : 0;
    vars_.vRorateDegree = 360 - degrees;
    adjustGeometryFilter();
}

void NXEditMovieView::displayImage()
{
    update();
}

void NXEditMovieView::setEnableColorEffect(bool enable)
{
    enableColorEffect_ = enable;
}

void NXEditMovieView::setEnableEditEffect(bool enable)
{
    if (enable == enableEditEffect_)
        return;
    setEnableColorEffect(enable);
    setEnableCropEffect(enable);
    enableEditEffect_ = enable;
}

void NXEditMovieView::resetColorAdjust()
{
    NXEditMovieFilters::resetColor(vars_);
    Q_EMIT brightnessChanged();
    Q_EMIT contrastChanged();
    Q_EMIT gammaChanged();
    Q_EMIT hueChanged();
    Q_EMIT saturationChanged();
    update();
}

void NXEditMovieView::resetGeometry()
{
    vars_.needCrop = 0;
    vars_.vRorateDegree = 0;
    vars_.vFlip = 0;
    adjustGeometryFilter();
}

void NXEditMovieView::setInternalEffectIndex(int index)
{
    if (index == vars_.internalEffectIndex)
        return;
    vars_.internalEffectIndex = index;
    if (index == 1) {
        // Set straight, as the tint's pair of values: the next frame shows it.
        vars_.vHueAngle = 1.0f;
        vars_.vSaturation = 0.25f;
    } else if (index == 0) {
        setSaturation(0.0f);
    } else {
        resetColorAdjust();
    }
}

void NXEditMovieView::tinyChange(int tag, int direction)
{
    using NXEditMovieFilters::TinyValue;
    const NXEditMovieFilters::TinyStep step = NXEditMovieFilters::tinyStepForTag(tag);
    const auto changed = [&](float value) { return float(double(value) + direction * step.step); };
    switch (step.value) {
    case TinyValue::Brightness: setBrightness(changed(brightness())); break;
    case TinyValue::Contrast: setContrast(changed(contrast())); break;
    case TinyValue::Gamma: setGamma(changed(gamma())); break;
    case TinyValue::Hue: setHue(changed(hue())); break;
    case TinyValue::Saturation: setSaturation(changed(saturation())); break;
    case TinyValue::None: break;
    }
}

void NXEditMovieView::adjustGeometryFilter()
{
    geometry_ = NXEditMovieFilters::geometryTransform(vars_);
    update();
}

void NXEditMovieView::paintEvent(QPaintEvent *event)
{
    if (movieStop_)
        return;
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    if (currentVideoFrame_.isNull())
        return;
    const QImage result = resultOfImageFilterFromImage(currentVideoFrame_);
    if (result.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(NXMPlayerGeometry::fittedPicture(QSizeF(size()), QSizeF(result.size())), result);
}
