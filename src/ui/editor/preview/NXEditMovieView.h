#pragma once

#include "player/editor/NXEditMovieFilters.h"

#include <QImage>
#include <QRectF>
#include <QTransform>
#include <QWidget>

// The picture surface of the video editor; the editor shows two: the source picture and the
// processed one. The view keeps the current frame and, when it draws, passes it through its crop,
// its colour chain and its turn and mirror (NXEditMovieFilters), then draws the result fitted
// into its bounds on black. It also gives its adjustments on the player's equaliser scales and
// finds the black bands of its current frame.
//
// The adjustments are observable: each setter signals its change, and a reset signals all five
// colour values; the transformed values change with the value they come from. Main thread only
// (the editor player hands the frames over there).
class NXEditMovieView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float brightness READ brightness WRITE setBrightness NOTIFY brightnessChanged)
    Q_PROPERTY(float contrast READ contrast WRITE setContrast NOTIFY contrastChanged)
    Q_PROPERTY(float saturation READ saturation WRITE setSaturation NOTIFY saturationChanged)
    Q_PROPERTY(float gamma READ gamma WRITE setGamma NOTIFY gammaChanged)
    Q_PROPERTY(float hue READ hue WRITE setHue NOTIFY hueChanged)
    Q_PROPERTY(int transformedBrightness READ transformedBrightness NOTIFY brightnessChanged)
    Q_PROPERTY(int transformedContrast READ transformedContrast NOTIFY contrastChanged)
    Q_PROPERTY(int transformedSaturation READ transformedSaturation NOTIFY saturationChanged)
    Q_PROPERTY(int transformedGamma READ transformedGamma NOTIFY gammaChanged)
    Q_PROPERTY(int transformedHue READ transformedHue NOTIFY hueChanged)

public:
    explicit NXEditMovieView(QWidget *parent = nullptr);

    // The starting values: edit effect off; brightness 0, contrast 1, gamma 0.75, hue 0,
    // saturation 0; no crop, turn or mirror.
    void makeInit();

    // The picture of the current frame without its black bands (bottom-left origin, frame
    // pixels); the zero rectangle without a frame.
    QRectF cropedImageBlackRegionRect() const;

    // The image through the colour chain alone, and through the whole chain.
    QImage resultOfImageColorFilterFromImage(const QImage &image) const;
    QImage resultOfImageFilterFromImage(const QImage &image) const;

    float brightness() const { return vars_.vBrightness; }
    float contrast() const { return vars_.vContrast; }
    float saturation() const { return vars_.vSaturation; }
    float gamma() const { return vars_.vGamma; }
    float hue() const { return vars_.vHueAngle; }
    void setBrightness(float value);
    void setContrast(float value);
    void setSaturation(float value);
    void setGamma(float value);
    void setHue(float value);

    // The crop rectangle as fractions of the current frame; nothing happens without a frame.
    void setCropRectPercent(const QRectF &fractions);
    // The crop rectangle in frame pixels.
    void setCropRect(const QRectF &rect);
    QRectF cropRect() const { return vars_.vCropRect; }

    // A quarter turn, the way the editor's "rotate" button turns the picture.
    void rotateLeft90();
    // The rotation the editor speaks of: 360 minus the turn applied (360 for none).
    int rotationDegress() const { return 360 - vars_.vRorateDegree; }
    void flipHorizontal();
    bool isFlippedHorizontal() const { return vars_.vFlip >= 1; }
    // The editor's rotation and mirror.
    void setRotateDegress(int degrees, bool flip);

    // Asks for a redraw.
    void displayImage();

    void setEnableColorEffect(bool enable);
    bool isEnableColorEffect() const { return enableColorEffect_; }
    // Does not redraw by itself.
    void setEnableCropEffect(bool enable) { enableCropEffect_ = enable; }
    bool isEnableCropEffect() const { return enableCropEffect_; }
    // The master switch: colour chain and crop together.
    void setEnableEditEffect(bool enable);
    bool isEnableEditEffect() const { return enableColorEffect_ && enableCropEffect_; }

    // Brightness 0, contrast 1, gamma 0.75, hue 0, saturation 1; all five signal; redraws.
    void resetColorAdjust();
    // No crop, turn or mirror.
    void resetGeometry();

    int fillMode() const { return fillMode_; }
    void setFillMode(int mode) { fillMode_ = mode; }
    QImage currentVideoFrame() const { return currentVideoFrame_; }
    void setCurrentVideoFrame(const QImage &frame) { currentVideoFrame_ = frame; }
    // While set the view draws nothing at all: what was shown stays. Does not redraw by itself.
    bool movieStop() const { return movieStop_; }
    void setMovieStop(bool stop) { movieStop_ = stop; }

    // The adjustments as they stand, and the turn and mirror the chain applies.
    const NXVarsAdjust &varsAdjust() const { return vars_; }
    QTransform geometryTransform() const { return geometry_; }

    // The adjustments on the -100..100 scales of the player's equaliser.
    int transformedHue() const { return NXEditMovieFilters::transformedHue(vars_.vHueAngle); }
    int transformedGamma() const { return NXEditMovieFilters::transformedGamma(vars_.vGamma); }
    int transformedBrightness() const { return NXEditMovieFilters::transformedBrightness(vars_.vBrightness); }
    int transformedContrast() const { return NXEditMovieFilters::transformedContrast(vars_.vContrast); }
    int transformedSaturation() const { return NXEditMovieFilters::transformedSaturation(vars_.vSaturation); }

    // The effects grid's choice: 1 tints the picture (hue 1.0, saturation 0.25), 0 takes its
    // colour away, any other index resets the colours. Acts only when the index changes.
    int internalEffectIndex() const { return vars_.internalEffectIndex; }
    void setInternalEffectIndex(int index);

public Q_SLOTS:
    // What the editor's controls send; each takes the control's value.
    void enableEffect(int state) { setEnableEditEffect(state == 1); }
    void brightnessAdjust(float value) { setBrightness(value); }
    void contrastAdjust(float value) { setContrast(value); }
    void saturationAdjust(float value) { setSaturation(value); }
    void gammaAdjust(float value) { setGamma(value); }
    void hueAdjust(float value) { setHue(value); }
    void resetColorAdjustAction() { resetColorAdjust(); }
    // One fine step up or down of the value the tag names (NXEditMovieFilters::tinyStepForTag).
    void tinyAddValue(int tag) { tinyChange(tag, 1); }
    void tinyReduceValue(int tag) { tinyChange(tag, -1); }

Q_SIGNALS:
    void brightnessChanged();
    void contrastChanged();
    void saturationChanged();
    void gammaChanged();
    void hueChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void store(float &field, float value, void (NXEditMovieView::*changed)());
    void adjustGeometryFilter();
    void tinyChange(int tag, int direction);

    QImage currentVideoFrame_;
    bool enableEditEffect_ = false;
    bool enableColorEffect_ = false;
    bool enableCropEffect_ = false;
    bool movieStop_ = false;
    int fillMode_ = 0;
    NXVarsAdjust vars_;
    QTransform geometry_;
};
