#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <functional>

// An image button: shows normalImage, swaps to highlightImage while the pointer is over it (when
// it has one) and to alternateImage while it is held down (when it has one). A mouse-down action,
// when set, is called at the press, before the usual click at a release inside. A button
// without any image draws as a plain push button, so text buttons share the class.
class DNButton : public QPushButton
{
    Q_OBJECT
public:
    using MouseDownAction = std::function<void(DNButton *)>;

    explicit DNButton(QWidget *parent = nullptr);
    DNButton(const QString &title, QWidget *parent = nullptr);

    QPixmap normalImage() const { return normalImage_; }
    // Shows the image and keeps it as the normal image.
    void setNormalImage(const QPixmap &image);
    void setNormalImage(const QString &imageName);

    QPixmap highlightImage() const { return highlightImage_; }
    void setHighlightImage(const QPixmap &image);
    // The named picture becomes the highlight image (a missing picture clears it).
    void setHighlightImage(const QString &imageName) { setHighlightImageName(imageName); }
    QString highlightImageName() const { return highlightImageName_; }
    void setHighlightImageName(const QString &imageName);

    QPixmap alternateImage() const { return alternateImage_; }
    void setAlternateImage(const QPixmap &image);

    MouseDownAction mouseDownAction() const { return mouseDownAction_; }
    void setMouseDownAction(MouseDownAction action) { mouseDownAction_ = std::move(action); }

    // A word inside the picture, for pictures drawn with room for one (a pill, a link, a large
    // add button): the word stays translatable instead of being drawn into the file. area is in
    // the picture's own coordinates; the colour follows the picture shown (an invalid
    // highlight or pressed colour falls back to the normal one). A button wider than its picture
    // stretches the part between the picture's two ends of endWidth pixels, and the area with
    // it, so a longer word gets the room it needs: the size hint asks for it.
    struct TitleInImage
    {
        QRectF area;
        QColor normal;
        QColor highlight;
        QColor pressed;
        int flags = Qt::AlignCenter;
        qreal endWidth = 0; // 0: the picture is drawn as it is, never stretched
    };
    void setTitleInImage(const TitleInImage &title);
    const TitleInImage &titleInImage() const { return titleInImage_; }

    // A title under the picture wider than width pixels breaks at the blank that leaves its
    // longer line shortest, onto a second line (0, the default: never). A row of such buttons
    // then stays narrow in languages whose words are long; a title with no blank stays whole.
    void setTitleWrapWidth(int width);
    int titleWrapWidth() const { return titleWrapWidth_; }
    // The title under the picture as it is drawn: one line, or two when it wraps.
    QStringList titleLines() const;

    // The picture the button shows now (null when it draws as a plain button).
    QPixmap currentImage() const { return shownImage_; }
    bool isPointerInside() const { return pointerInside_; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // Sent at every press, before the click.
    void mouseDown(DNButton *button);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // Draws the shown picture (and the title under it); subclasses that draw their own title
    // call it with drawTitle false.
    void paintImage(QPainter &painter, bool drawTitle);

private:
    void showImage(const QPixmap &image);
    void refreshShownImage();
    bool hasTitleInImage() const { return titleInImage_.area.isValid(); }
    QSize titleInImageSizeHint(const QSize &picture) const;
    void paintTitleInImage(QPainter &painter);
    // The shown picture as it is drawn: grey while the button is disabled.
    QPixmap drawnImage() const;

    QPixmap normalImage_;
    QPixmap highlightImage_;
    QPixmap alternateImage_;
    QPixmap shownImage_;
    QString highlightImageName_;
    MouseDownAction mouseDownAction_;
    TitleInImage titleInImage_;
    int titleWrapWidth_ = 0;
    bool pointerInside_ = false;
};
