#include "NXSwitch.h"

#include "DNImageNamed.h"

#include <QLabel>
#include <QMouseEvent>
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

QSize NXSwitch::sizeHint() const
{
    if (style_ == 0 && !onImage_.isNull())
        return onImage_.deviceIndependentSize().toSize();
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
