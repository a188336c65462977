#include "DNEffectsView.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSlideMs = 200;
// The chosen item's frame: the selected-control blue.
const QColor kSelectedControl(56, 117, 215);

// A rectangle counted from the bottom left of a parent `parentHeight` high, in the parent's
// widget coordinates.
QRect flipped(const QRect &r, int parentHeight)
{
    return QRect(r.x(), parentHeight - r.y() - r.height(), r.width(), r.height());
}

} // namespace

EffectImageView::EffectImageView(QWidget *parent)
    : QWidget(parent)
{
}

void EffectImageView::setImage(const QImage &image)
{
    image_ = image;
    update();
}

void EffectImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!image_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(rect()).adjusted(3, 3, -3, -3), image_);
    }
}

EffectView::EffectView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , effectPreview_(new EffectImageView(this))
    , effectName_(new QLabel(this))
{
    setGeometry(flipped(frame, parent ? parent->height() : frame.height()));
    const int w = frame.width(), h = frame.height();
    effectPreview_->setGeometry(flipped(QRect(5, 15, w - 10, h - 20), h));
    effectName_->setGeometry(flipped(QRect(0, 1, w, 15), h));
    QFont font = effectName_->font();
    font.setPixelSize(12);
    effectName_->setFont(font);
    effectName_->setAlignment(Qt::AlignCenter);
    effectName_->setAutoFillBackground(false);
    QPalette palette = effectName_->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    effectName_->setPalette(palette);
    effectName_->setAttribute(Qt::WA_TransparentForMouseEvents);
    effectPreview_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EffectView::showMark()
{
    effectName_->setText(enable_ && state_ ? QStringLiteral("\u2713") : QStringLiteral(" "));
}

void EffectView::setState(bool state)
{
    state_ = state;
    showMark();
    update();
}

void EffectView::setEnable(bool enable)
{
    enable_ = enable;
    showMark();
}

void EffectView::setImage(const QImage &image)
{
    if (!image.isNull())
        effectPreview_->setImage(image);
}

void EffectView::setName(const std::optional<QString> &name)
{
    effectName_->setText(name.value_or(QString()));
}

void EffectView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (enable_ && state_) {
        painter.fillRect(QRectF(rect()).adjusted(2, 2, -2, -2), Qt::lightGray);
        // The 3-unit frame lies inside the item.
        painter.setPen(QPen(kSelectedControl, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    } else {
        QPen pen(Qt::gray, 1, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
        pen.setDashPattern({2, 2});
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}

void EffectView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (enable_ && host_)
        host_->effectViewStateDidChanged(this);
}

DNEffectsView::DNEffectsView(QWidget *parent)
    : DNEffectsView(QRect(), parent)
{
}

DNEffectsView::DNEffectsView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , docView_(new QWidget(this))
{
    setGeometry(frame);
    setDocFrame(QRect(0, 1, frame.width(), std::max(0, frame.height() - 2)));
}

QRect DNEffectsView::docFrame() const
{
    return flipped(docView_->geometry(), height());
}

void DNEffectsView::setDocFrame(const QRect &frame)
{
    docView_->setGeometry(flipped(frame, height()));
}

QList<EffectView *> DNEffectsView::effectViews() const
{
    return docView_->findChildren<EffectView *>(Qt::FindDirectChildrenOnly);
}

void DNEffectsView::awakeFromNib()
{
    createEffectViews();
    QTimer::singleShot(0, this, &DNEffectsView::updatePageLabelValue);
}

void DNEffectsView::createEffectViews()
{
    if (isCreatedEffectIconView_ || !delegate_)
        return;
    const int n = delegate_->countOfEffectPreview();
    QRect doc = docFrame();
    doc = QRect(kDocumentX, doc.y() + 2, std::max(0, n * kItemPitch - (kItemPitch - kItemWidth)),
                std::max(0, doc.height() - 4));
    setDocFrame(doc);
    for (int i = 0; i < n; ++i) {
        const QImage picture = delegate_->effectImageAtIndex(i);
        const std::optional<QString> name = delegate_->effectNameAtIndex(i);
        auto *item = new EffectView(QRect(i * kItemPitch, 0, kItemWidth, doc.height()), docView_);
        item->setImage(picture);
        item->setName(name);
        item->setHost(this);
        item->setTag(i);
        item->setState(i == indexOfSelectedEffect_);
        item->setEnable(enabled_);
        item->show();
    }
    isCreatedEffectIconView_ = true;
}

void DNEffectsView::reload()
{
    const QList<EffectView *> items = effectViews();
    if (items.isEmpty() || !delegate_) {
        createEffectViews();
        return;
    }
    const int docHeight = docView_->height();
    int k = 0;
    for (EffectView *item : items) {
        item->setGeometry(flipped(QRect(k * kItemPitch, 0, kItemWidth, docHeight), docHeight));
        item->setImage(delegate_->effectImageAtIndex(k));
        item->setName(delegate_->effectNameAtIndex(k));
        item->setHost(this);
        item->setTag(k);
        item->setEnable(enabled_);
        item->setState(k == indexOfSelectedEffect_);
        ++k;
    }
}

void DNEffectsView::setEnabled(bool enabled)
{
    for (EffectView *item : effectViews())
        item->setEnable(enabled);
    enabled_ = enabled;
    // Disabled, neither the items nor the paging answer; the widget greys out alike.
    QWidget::setEnabled(enabled);
}

void DNEffectsView::setIndexOfSelectedEffect(int index)
{
    for (EffectView *item : effectViews())
        item->setState(item->tag() == index);
    indexOfSelectedEffect_ = index;
}

void DNEffectsView::effectViewStateDidChanged(EffectView *clicked)
{
    int index = -1;
    for (EffectView *item : effectViews()) {
        item->setState(item == clicked);
        if (item == clicked)
            index = item->tag();
    }
    if (index == indexOfSelectedEffect_)
        return;
    indexOfSelectedEffect_ = index;
    if (delegate_)
        delegate_->effectSelectedAtIndex(index);
}

int DNEffectsView::countOfPages() const
{
    if (width() <= 0)
        return 0;
    return int(std::ceil(double(docView_->width()) / width()));
}

int DNEffectsView::indexOfSelectedPage() const
{
    if (width() <= 0)
        return 0;
    return int(std::round(std::fabs(double(docView_->x())) / width()));
}

void DNEffectsView::updatePageLabelValue()
{
    if (!pageLabel_)
        return;
    const int pages = countOfPages();
    pageLabel_->setText(tr("%1 of %2").arg(indexOfSelectedPage() + 1).arg(pages));
    pageLabel_->setHidden(pages < 2);
}

void DNEffectsView::nextPage()
{
    if (!enabled_ || indexOfSelectedPage() + 1 >= countOfPages())
        return;
    slideBy(-width());
}

void DNEffectsView::previousPage()
{
    if (!enabled_ || indexOfSelectedPage() <= 0)
        return;
    slideBy(width());
}

void DNEffectsView::slideBy(int dx)
{
    scrollDocViewWithAnimation(docFrame().translated(dx, 0), true);
    updatePageLabelValue();
}

void DNEffectsView::scrollDocViewWithAnimation(const QRect &frame, bool blockThread)
{
    auto *slide = new QPropertyAnimation(docView_, "geometry", this);
    slide->setDuration(kSlideMs);
    slide->setStartValue(docView_->geometry());
    slide->setEndValue(flipped(frame, height()));
    if (!blockThread) {
        slide->start(QAbstractAnimation::DeleteWhenStopped);
        return;
    }
    QEventLoop loop;
    connect(slide, &QAbstractAnimation::finished, &loop, &QEventLoop::quit);
    slide->start(QAbstractAnimation::DeleteWhenStopped);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void DNEffectsView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::gray);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
