#include "ui/profiles/NXNavigationBar.h"

#include "ui/profiles/NXProfileImages.h"

#include <QGraphicsOpacityEffect>
#include <QLinearGradient>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

NXNavigationBar::NXNavigationBar(QWidget *parent)
    : QWidget(parent)
{
    current_ = makeTitleField(tr("Output Profile Category"));
}

QLabel *NXNavigationBar::makeTitleField(const QString &title)
{
    auto *label = new QLabel(title, this);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(13);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::darkGray);
    label->setPalette(palette);
    label->setGeometry(centredTitleRect());
    label->show();
    return label;
}

// Centred, clear of the back button on either side.
QRect NXNavigationBar::centredTitleRect() const
{
    const int side = 56 + 2;
    return QRect(side, (height() - 22) / 2, qMax(0, width() - 2 * side), 22);
}

void NXNavigationBar::resizeEvent(QResizeEvent *)
{
    if (!animation_ && current_)
        current_->setGeometry(centredTitleRect());
}

void NXNavigationBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    QLinearGradient gradient(0, 0, 0, height() / 2.0);
    gradient.setColorAt(0.0, QColor::fromRgbF(1, 1, 1, 0.8f));
    gradient.setColorAt(1.0, QColor::fromRgbF(1, 1, 1, 0.4f));
    painter.fillRect(QRectF(0, 0, width(), height() / 2.0), gradient);
    painter.setPen(palette().mid().color());
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void NXNavigationBar::createButtonIfNeed()
{
    if (button_)
        return;
    button_ = new QPushButton(this);
    button_->setObjectName(QStringLiteral("NXNavigationBarBackButton"));
    button_->setFlat(true);
    button_->setGeometry(0, 2, 56, 22);
    const QPixmap normal = NXProfileImageNamed(QStringLiteral("profile_back_nor"));
    if (!normal.isNull()) {
        button_->setIcon(QIcon(normal));
        button_->setIconSize(normal.size());
    } else {
        button_->setText(tr("Back"));
    }
    button_->setStyleSheet(QStringLiteral("QPushButton { border: none; }"));
    button_->setToolTip(tr("Back"));
    auto *effect = new QGraphicsOpacityEffect(button_);
    effect->setOpacity(0.0);
    button_->setGraphicsEffect(effect);
    button_->hide();
    connect(button_, &QPushButton::clicked, this, &NXNavigationBar::buttonClick);
}

void NXNavigationBar::buttonClick()
{
    if (backAction_)
        backAction_();
    pop();
}

void NXNavigationBar::pushWithTitle(const QString &title)
{
    animationWithTitle(title, true);
}

void NXNavigationBar::popWithTitle(const QString &title)
{
    animationWithTitle(title, false);
}

void NXNavigationBar::pop()
{
    popWithTitle(tr("Output Profile Category"));
}

void NXNavigationBar::setCurrentTitle(const QString &title)
{
    current_->setText(title);
}

QString NXNavigationBar::currentTitle() const
{
    return current_->text();
}

void NXNavigationBar::animationWithTitle(const QString &title, bool isPush)
{
    if (animation_) {
        // A slide already running finishes at once so the bar never holds three titles.
        animation_->setCurrentTime(animation_->totalDuration());
    }
    createButtonIfNeed();
    button_->setEnabled(false);
    if (isPush)
        button_->show();

    const QRect centre = centredTitleRect();
    const int shift = isPush ? 50 : -50;
    appear_ = makeTitleField(title);
    appear_->setGeometry(centre.translated(shift, 0));

    auto *group = new QParallelAnimationGroup(this);
    auto fade = [group](QWidget *widget, qreal from, qreal to) {
        auto *effect = qobject_cast<QGraphicsOpacityEffect *>(widget->graphicsEffect());
        if (!effect) {
            effect = new QGraphicsOpacityEffect(widget);
            widget->setGraphicsEffect(effect);
        }
        effect->setOpacity(from);
        auto *animation = new QPropertyAnimation(effect, "opacity");
        animation->setDuration(kAnimationMs);
        animation->setStartValue(from);
        animation->setEndValue(to);
        group->addAnimation(animation);
    };
    auto move = [group](QWidget *widget, QPoint to) {
        auto *animation = new QPropertyAnimation(widget, "pos");
        animation->setDuration(kAnimationMs);
        animation->setStartValue(widget->pos());
        animation->setEndValue(to);
        group->addAnimation(animation);
    };
    move(appear_, centre.topLeft());
    fade(appear_, 0.0, 1.0);
    move(current_, centre.topLeft() - QPoint(shift, 0));
    fade(current_, 1.0, 0.0);
    fade(button_, isPush ? 0.0 : 1.0, isPush ? 1.0 : 0.0);
    animation_ = group;
    connect(group, &QParallelAnimationGroup::finished, this, [this, isPush] {
        if (!isPush)
            button_->hide();
        animationDidEnd();
    });
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void NXNavigationBar::animationDidEnd()
{
    animation_ = nullptr;
    QLabel *old = current_;
    current_ = appear_;
    current_->setGraphicsEffect(nullptr);
    old->deleteLater();
    for (QObject *child : children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget != button_ && widget != current_)
            widget->deleteLater();
    }
    if (animationIsEnd_)
        animationIsEnd_(this);
    button_->setEnabled(true);
}
