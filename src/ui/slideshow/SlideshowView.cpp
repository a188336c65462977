#include "ui/slideshow/SlideshowView.h"

#include "slideshow/transitions/NXEffectManager.h"
#include "slideshow/transitions/NXTransitionTypes.h"
#include "ui/slideshow/SlideImageView.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

namespace {
constexpr int kFrameMs = 33;
} // namespace

SlideshowView::SlideshowView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("slideshowViewer"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    inputShadingImage_ = NXEffectManager::shadingImage();
    updateSubviewsTransition();
}

SlideshowView::~SlideshowView() = default;

void SlideshowView::setTransitionStyle(int style)
{
    if (style == transitionStyle_)
        return;
    transitionStyle_ = style;
    updateSubviewsTransition();
}

void SlideshowView::updateSubviewsTransition()
{
    filter_ = NXEffectManager::instance()->filterWithNXType(transitionStyle_);
    if (!filter_)
        return;
    // The transitions' coordinates start at the bottom left of the view's bounds.
    const double w = width(), h = height();
    const QPointF centre(w * 0.5, h * 0.5);
    const QRectF extent(0, 0, w, h);
    const int style = transitionStyle_;
    if (style == 0 || style == 1 || style == 4 || style > 17) {
        filter_->setDefaults();
    } else if (style == 2) {
        filter_->setDefaults();
        filter_->setValue(centre, NXFilterKey::center);
        filter_->setValue(extent, NXFilterKey::extent);
    } else if (style == 3) {
        filter_->setDefaults();
        filter_->setValue(centre, NXFilterKey::center);
        filter_->setValue(inputShadingImage_, NXFilterKey::shadingImage);
    } else if (style == 5) {
        filter_->setDefaults();
        filter_->setValue(centre, NXFilterKey::center);
    } else if (style == 6) {
        filter_->setDefaults();
        filter_->setValue(-0.7853982, NXFilterKey::angle);
        filter_->setValue(inputShadingImage_, NXFilterKey::shadingImage);
        filter_->setValue(inputShadingImage_, NXFilterKey::backsideImage);
        filter_->setValue(extent, NXFilterKey::extent);
    } else if (style >= 14) {
        filter_->setValue(double(style - 14), NXFilterKey::mode);
    }
}

SlideImageView *SlideshowView::makeImageView(const QImage &image)
{
    auto *view = new SlideImageView(this);
    view->setGeometry(rect());
    view->setImage(image);
    return view;
}

void SlideshowView::displayDefaultImage(const QImage &image)
{
    if (image.isNull())
        return;
    delete currentImageView_;
    currentImageView_ = makeImageView(image);
    currentImageView_->show();
}

void SlideshowView::transitionToImage(const QImage &image)
{
    if (autoRandom_ && allowTransitionStyles_) {
        const QList<int> &allowed = *allowTransitionStyles_;
        setTransitionStyle(allowed.isEmpty() ? -1 : allowed.at(int(QRandomGenerator::global()->bounded(int(allowed.size())))));
    } else if (autoCycles_) {
        setTransitionStyle((transitionStyle_ + 1) % NXTransitionChoiceCount);
    }
    if (animation_)
        finishTransition();
    SlideImageView *incoming = image.isNull() ? nullptr : makeImageView(image);
    if (filter_ && (incoming || currentImageView_)) {
        // The transition runs between the two pictures as the views show them.
        QImage black(size(), QImage::Format_ARGB32_Premultiplied);
        black.fill(Qt::black);
        from_ = currentImageView_ ? currentImageView_->rendered() : black;
        to_ = incoming ? incoming->rendered() : black;
        leaving_ = currentImageView_;
        if (leaving_)
            leaving_->hide();
        if (incoming)
            incoming->hide();
        currentImageView_ = incoming;
        animation_ = new QTimer(this);
        animation_->setInterval(kFrameMs);
        connect(animation_, &QTimer::timeout, this, [this] {
            if (clock_.elapsed() >= kTransitionMs)
                finishTransition();
            update();
        });
        clock_.start();
        animation_->start();
    } else {
        delete currentImageView_;
        currentImageView_ = incoming;
        if (incoming)
            incoming->show();
    }
    update();
}

void SlideshowView::finishTransition()
{
    delete animation_;
    animation_ = nullptr;
    delete leaving_;
    if (currentImageView_)
        currentImageView_->show();
    from_ = to_ = QImage();
}

void SlideshowView::clear()
{
    if (animation_)
        finishTransition();
    if (currentImageView_)
        currentImageView_->setImage(QImage());
    delete currentImageView_;
    update();
}

void SlideshowView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!animation_ || !filter_)
        return;
    const double t = std::min(1.0, clock_.elapsed() / double(kTransitionMs));
    filter_->setValue(from_, NXFilterKey::image);
    filter_->setValue(to_, NXFilterKey::targetImage);
    filter_->setValue(t, NXFilterKey::time);
    const QImage frame = filter_->outputImage();
    painter.drawImage(rect(), frame.isNull() ? to_ : frame);
}

void SlideshowView::resizeEvent(QResizeEvent *)
{
    if (currentImageView_)
        currentImageView_->setGeometry(rect());
    updateSubviewsTransition();
}
