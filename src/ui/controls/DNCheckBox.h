#pragma once

#include <QCheckBox>
#include <QPixmap>

// A check box that shows the pointing-hand cursor over it. Given pictures, it draws the one for
// its state (and nothing else) instead of the style's box.
class DNCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit DNCheckBox(QWidget *parent = nullptr);
    explicit DNCheckBox(const QString &title, QWidget *parent = nullptr);

    // The pictures of the unchecked (image) and checked (alternate image) states.
    void setImages(const QPixmap &image, const QPixmap &alternateImage);
    bool drawsPictures() const { return !image_.isNull(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QPixmap image_;
    QPixmap alternateImage_;
};
