#pragma once

#include <QImage>
#include <QWidget>

// An image view of the slideshow editor's preview: the picture scaled up or down to fit, centred,
// with darkened bands where it does not reach. Clicks go to the view below it.
class SlideImageView : public QWidget
{
    Q_OBJECT
public:
    explicit SlideImageView(QWidget *parent = nullptr);

    QImage image() const { return image_; }
    void setImage(const QImage &image);

    // The picture as the view shows it, at the view's size.
    QImage rendered() const;
    // Where the picture lies in a view of size.
    static QRectF imageRect(QSizeF image, QSizeF view);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void draw(QPainter &painter, QSizeF size) const;

    QImage image_;
};
