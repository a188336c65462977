#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

class QVariantAnimation;

// The animated picture of the progress sheet's photo face while a slideshow is made into a movie:
// a stack of photo cards on the left with the photo now being encoded on top, a movie on the
// right, and for each new photo a copy of the previous one flying along a curve from the stack
// into the movie, where it is then shown in the screen.
//
// Geometry is kept as the layers of the picture, in the view's own coordinates with the origin at
// the bottom left and y upward; they are drawn from the bottom layer up.
class ImgEncodeProgressView : public QWidget
{
    Q_OBJECT
public:
    // One picture layer: a frame, its contents stretched over it, and its look.
    struct Layer
    {
        bool exists = false;
        QRectF frame;
        QImage contents;
        bool hidden = false;
        QColor background;   // none when invalid
        double borderWidth = 0;
        bool shadow = false;
        double rotation = 0; // degrees, counter-clockwise, about the frame's middle
    };

    static constexpr int kFlightMs = 1000;
    static constexpr int kPauseAfterFlightMs = 500;
    static constexpr int kThumbnailPixels = 120;

    // A view of size, built at once.
    explicit ImgEncodeProgressView(QSize size, QWidget *parent = nullptr);
    ~ImgEncodeProgressView() override;

    // Builds the layers that are missing and the flight.
    void makeReady();
    // The stack's frame inset by 25 on every side.
    QRectF iconRect() const;
    // Three cards at slightly different angles on a transparent picture of size.
    static QImage createStackImage(QSize size);
    // Shows the photo at path; true only when that started a flight.
    bool imageBeginEncoding(const QString &path);
    void animationDidStop(bool finished);
    void delay_enable_animation() { aniamtionStoped_ = true; }

    // The fit of an image of size into rect: as wide or as high as the rect, centred.
    static QRectF fittedRect(QSizeF image, const QRectF &rect);

    const Layer &imageStackLayer() const { return imageStackLayer_; }
    const Layer &movieIconLayer() const { return movieIconLayer_; }
    const Layer &myCurrentLayer() const { return myCurrentLayer_; }
    const Layer &animateLayer() const { return animateLayer_; }
    const Layer &thumbnailLayer() const { return thumbnailLayer_; }
    QRectF tbRect() const { return tbRect_; }
    QPointF startPoint() const { return start_point_; }
    QPointF endPoint() const { return end_point_; }
    const QPainterPath &aniamtePath() const { return aniamtePath_; }
    bool aniamtionStoped() const { return aniamtionStoped_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The 120-pixel thumbnail of a photo file.
    static QImage thumbnailOf(const QString &path);
    void moveAlongFlight(double progress);
    void drawLayer(QPainter &painter, const Layer &layer) const;

    Layer imageStackLayer_;
    Layer movieIconLayer_;
    Layer myCurrentLayer_;
    Layer animateLayer_;
    QPointF start_point_;
    QPointF end_point_;
    QPainterPath aniamtePath_;
    bool aniamtionStoped_ = true;
    Layer thumbnailLayer_;
    QRectF tbRect_;
    QVariantAnimation *flight_ = nullptr;
};
