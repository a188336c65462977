#pragma once

#include "DNAreaSelector.h"

#include <QImage>

// The centre area of the watermark boxes: the dashed outline alone, nothing darkened, since
// the watermark is seen over the whole picture.
class DNWatermarkCenterCell : public DNCenterDragCell
{
public:
    void drawCellInView(QPainter &painter, const DNAreaSelector &view) const override;
};

// A picture watermark over the processed picture: the image is drawn scaled into the
// selection with its transparency, under the handles while the box is editable. Without an
// image nothing is drawn, yet the box can still be dragged while editable.
class DNImageWatermarkView : public DNAreaSelector
{
    Q_OBJECT
public:
    explicit DNImageWatermarkView(QWidget *parent = nullptr);
    DNImageWatermarkView(const QRect &frame, QWidget *parent = nullptr);

    // Every frame change puts the box back to its default place: 60 x 40 at the left edge, its
    // top 20 below the top of the view.
    void setFrame(const QRect &frame) override;
    void setSelectionArea(const QRectF &area) override;

    QImage image() const { return image_; }
    // A null image shows nothing.
    void setImage(const QImage &image);
    // Percent: 0 opaque, 100 invisible. Used at the next redraw; setting it does not redraw.
    float transparency() const { return transparency_; }
    void setTransparency(float transparency) { transparency_ = transparency; }

protected:
    std::unique_ptr<DNDragCell> classOfCenterDragArea() const override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF defaultBox() const;

    QImage image_;
    float transparency_ = 0.0f;
};
