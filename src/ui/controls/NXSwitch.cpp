#include "NXSwitch.h"

#include "DNImageNamed.h"

#include <QLabel>
#include <QMouseEvent>
#include <QLocale>
#include <QPainter>

NXSwitch::NXSwitch(QWidget *parent)
    : QWidget(parent)
{
    setup(0);
}

NXSwitch::NXSwitch(const QRect &frame, unsigned int switchStyle, QWidget *parent)
    : QWidget(parent)
{
    setGeometry(frame);
    setup(switchStyle);
}

void NXSwitch::setup(unsigned int switchStyle)
{
    style_ = switchStyle;
    if (style_ == 0) {
        onImage_ = DNImageNamed(QStringLiteral("NXSwitchON.png"));
        offImage_ = DNImageNamed(QStringLiteral("NXSwitchOFF.png"));
        offDisImage_ = DNImageNamed(QStringLiteral("NXSwitchDisabled.png"));
        return;
    }
    textField_ = new QLabel(tr("Off"), this);
    textField_->setObjectName(QStringLiteral("tag%1").arg(kTextFieldTag));
    textField_->setProperty("tag", kTextFieldTag);
    QFont bold = textField_->font();
    bold.setBold(true);
    bold.setPointSizeF(11);
    textField_->setFont(bold);
    textField_->setAutoFillBackground(false);
    textField_->adjustSize();
    placeTextField();
}

void NXSwitch::placeTextField()
{
    if (textField_)
        textField_->move(0, (height() - textField_->height()) / 2);
}

void NXSwitch::resizeEvent(QResizeEvent *)
{
    placeTextField();
}

void NXSwitch::setOn(bool on)
{
    onFlag_ = on;
    if (textField_) {
        textField_->setText(on ? tr("On") : tr("Off"));
        QPalette palette = textField_->palette();
        palette.setColor(QPalette::WindowText, on ? QColor(Qt::green).darker(130) : QColor(Qt::black));
        textField_->setPalette(palette);
        textField_->adjustSize();
        placeTextField();
    } else {
        update();
    }
}

void NXSwitch::setEnable(bool enable)
{
    enable_ = enable;
    if (style_ == 0)
        update();
}

QPixmap NXSwitch::currentImage() const
{
    if (style_ != 0)
        return QPixmap();
    if (!enable_)
        return offDisImage_;
    return onFlag_ ? onImage_ : offImage_;
}

// What the picture shows: a disabled switch shows the off look.
QString NXSwitch::stateWord() const
{
    return QLocale().toUpper(onFlag_ && enable_ ? tr("On") : tr("Off"));
}

QFont NXSwitch::wordFont(int height) const
{
    QFont bold = font();
    bold.setBold(true);
    // 9 pixels on the pictures' 20-pixel track.
    bold.setPixelSize(qMax(7, height * 9 / 20));
    return bold;
}

QSize NXSwitch::sizeHint() const
{
    if (style_ == 0 && !onImage_.isNull()) {
        // The word beside the knob (a knob as wide as the track is high) gets the room it needs.
        QSize size = onImage_.deviceIndependentSize().toSize();
        const QFontMetrics metrics(wordFont(size.height()));
        const int word = qMax(metrics.horizontalAdvance(QLocale().toUpper(tr("On"))),
                              metrics.horizontalAdvance(QLocale().toUpper(tr("Off"))));
        size.setWidth(qMax(size.width(), size.height() + word + 6));
        return size;
    }
    return textField_ ? textField_->sizeHint() : QSize(40, 18);
}

void NXSwitch::paintEvent(QPaintEvent *)
{
    const QPixmap image = currentImage();
    if (image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(rect()), image, QRectF(QPointF(0, 0), image.size()));
    // The word, translated, on the track beside the knob.
    const qreal knob = height() - 2;
    const QRectF word = onFlag_ && enable_ ? QRectF(3, 0, width() - knob - 4, height())
                                           : QRectF(knob + 1, 0, width() - knob - 4, height());
    painter.setFont(wordFont(height()));
    painter.setPen(QColor(255, 255, 255, enable_ ? 235 : 160));
    painter.drawText(word, Qt::AlignCenter, stateWord());
}

void NXSwitch::mousePressEvent(QMouseEvent *event)
{
    if (style_ == 0 && enable_ && event->button() == Qt::LeftButton) {
        setOn(!onFlag_);
        if (action_)
            action_(this);
        Q_EMIT switched(this);
    }
    QWidget::mousePressEvent(event);
}
