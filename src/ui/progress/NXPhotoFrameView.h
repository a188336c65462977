#pragma once

#include <QImage>
#include <QWidget>

// The picture of the photo face of the progress sheet: the image a slideshow encode is on now,
// drawn to fit, keeping its proportions.
class NXPhotoFrameView : public QWidget
{
    Q_OBJECT
public:
    explicit NXPhotoFrameView(QWidget *parent = nullptr);
    void imageBeginEncoding(const QImage &image);
    QImage currentImage() const { return image_; }
    QSize sizeHint() const override { return {240, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image_;
};
