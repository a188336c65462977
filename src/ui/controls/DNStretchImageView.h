#pragma once

#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

// Background image views that stretch a picture across their width.
//
// DNStretchImageView repeats the picture at its natural size from the left edge, as many times
// as the width needs plus one (the last copy is cut by the view).
class DNStretchImageView : public QWidget
{
    Q_OBJECT
public:
    explicit DNStretchImageView(QWidget *parent = nullptr);

    QPixmap image() const { return image_; }
    void setImage(const QPixmap &image);

    // Where the copies go for a view of boundsWidth and a picture of imageSize.
    static QList<QRectF> tileRects(double boundsWidth, QSizeF imageSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap image_;
};

// DNMidStretchImageView draws the picture in three parts: its left and right 60 points at their
// width, its middle stretched over the rest; each part takes the view's full height.
class DNMidStretchImageView : public QWidget
{
    Q_OBJECT
public:
    static constexpr double kEndWidth = 60.0;

    struct Part
    {
        QRectF source;
        QRectF target;
    };

    explicit DNMidStretchImageView(QWidget *parent = nullptr);

    QPixmap image() const { return image_; }
    void setImage(const QPixmap &image);

    static QList<Part> parts(QSizeF bounds, QSizeF imageSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap image_;
};
