#pragma once

#include "NXLimitSegment.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

// The editor's play-position and trim control: a track with a play-position knob that follows
// playback and can be dragged, and, while trimming is on, a segment between a left and a right
// limit knob that the user drags to choose the part to keep. Shift (or Control) dragging inside
// the segment moves it whole.
//
// Values are positions along the track, zero-based: v lies at v / (max - min) of the track.
// The track runs 14 units in from either end, 10 above the bottom (coordinates count from
// the bottom left). One action is sent when a click moves the play position and at every
// release; dragging sends none. A value set while the button is down is kept and takes effect
// at the release, before the action. A resize keeps the segment's ends as parts of the track.
class NXSegmentSlider : public QWidget
{
    Q_OBJECT
public:
    using Action = std::function<void(NXSegmentSlider *)>;

    // What the press that is in progress holds.
    enum MouseDownType { None = 0, Track = 1, ProgressKnob = 2, LimitKnob = 3, WholeSegment = 4 };

    explicit NXSegmentSlider(QWidget *parent = nullptr);
    ~NXSegmentSlider() override;

    // The action replaces a target and its selector; an empty action means none.
    void setAction(Action action) { action_ = std::move(action); }
    void sendActionToTarget();

    void setValue(double value);
    void setFloatValue(float value) { setValue(value); }
    void setDoubleValue(double value) { setValue(value); }
    void setIntValue(int value) { setValue(value); }
    void setIntegerValue(int value) { setValue(value); }
    double value() const { return currentValue_; }
    // value := (max - min) * fraction.
    void setPercentValue(double fraction);

    // Stored without redrawing.
    void setMaxValue(double v) { maxValue_ = v; }
    void setMinValue(double v) { minValue_ = v; }
    // The least distance between the limit knobs, in units of the control.
    void setMinSegDistanceValue(double v) { minSegDistanceValue_ = v; }
    double maxValue() const { return maxValue_; }
    double minValue() const { return minValue_; }
    double minSegDistanceValue() const { return minSegDistanceValue_; }

    // On: a new segment over the whole track (the owner then sets its ends). Off: none.
    void setEnableSegments(bool enable);
    bool enableSegments() const { return enableSegments_; }
    // Whether the limit knobs show and can be dragged.
    void setEditable(bool editable);
    bool editable() const { return editable_; }

    void setSegmentLeftValue(double v);
    void setSegmentRightValue(double v);
    void setSegmentLeftValue(double left, double right);
    void setSegmentLeftProportionValue(double fraction);
    void setSegmentRightProportionValue(double fraction);
    void setSegmentLeftProportionValue(double left, double right);
    // The segment's ends as fractions of the track, (0, 1) without a segment; a left end of
    // 0.000001 or less reads as 0.
    std::pair<double, double> segmentValuePosition() const;
    // The cursor follows the knobs under the pointer as it moves; kept for the owner's call.
    void updateCursorTrackRect() {}

    // For the owner's checks and the tests: the knobs and the track as they stand.
    const NXImageCell &progressKnob() const { return progressKnob_; }
    const NXLimitSegment *segment() const { return segmentsCell_.get(); }
    QRectF progressRect() const { return progressRects_; }
    int mouseDownType() const { return mouseDownType_; }

    QSize sizeHint() const override { return QSize(300, 31); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void updateTrackGeometry();
    void updateCurrent();
    double valueToSliderPositionX() const;
    double valueToSegmentPosition(bool left, double value) const;
    double positionToSegementValue(double x) const;
    void addNewLimitSegmentAtValue(double value);
    double checkPositionValueForOne(double x, bool isLeft) const;
    QPointF sliderPoint(QPointF widgetPoint) const;
    void drawBackground(QPainter &painter) const;
    void drawSegemnts(QPainter &painter) const;
    void showHoverCursor(QPointF p);
    void pushClosedHand();

    NXImageCell progressKnob_;
    QPixmap backgroundLeft_, backgroundMid_, backgroundRight_;
    QPixmap segmentBackground_;
    Action action_;
    double maxValue_ = 100;
    double minValue_ = 0;
    double currentValue_ = 10;
    double minSegDistanceValue_ = 20;
    bool enableSegments_ = false;
    bool editable_ = true;
    std::unique_ptr<NXLimitSegment> segmentsCell_;
    NXImageCell *segmentSide_ = nullptr;

    int mouseDownType_ = None;
    bool mouseDown_ = false;
    bool mouseDrag_ = false;
    bool isRemaind_ = false;
    QRectF progressRects_;
    double startOffset_ = 14;
    double markMoveStartX_ = 0;
    double markRemaindValue_ = 0;
    bool cursorPushed_ = false;
};
