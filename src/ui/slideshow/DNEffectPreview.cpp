#include "ui/slideshow/DNEffectPreview.h"

#include "core/log/DNLogger.h"
#include "slideshow/transitions/NXEffectManager.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/slideshow/DNEffectPreviewTile.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QAbstractButton>
#include <QPainter>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {
// How long a page turn slides, and when the tiles are checked after it.
constexpr int kSlideMs = 250;
constexpr int kCheckAfterMs = 400;
// The strip's size when its background picture is missing.
const QSize kFallbackSize(520, 100);

// A paging arrow: its picture and nothing else. It lies over the last tile of a page and is
// drawn again with every frame of that tile, so it draws no frame, bevel or style of its own.
class StripArrow : public QAbstractButton
{
public:
    StripArrow(QPixmap picture, QWidget *parent) : QAbstractButton(parent), picture_(std::move(picture))
    {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (picture_.isNull())
            return;
        QPainter painter(this);
        painter.drawPixmap((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
    }

private:
    QPixmap picture_;
};
} // namespace

DNEffectPreview::DNEffectPreview(QPoint origin, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DNEffectPreview"));
    const QPixmap background = DNImageNamed(QStringLiteral("P2VThumbnail.png"));
    if (background.isNull()) {
        // A damaged installation: say so, and show the strip on a plain background.
        std::fputs("can not find source named P2VThumbnail.png\n", stderr);
        DNRoughLog(QStringLiteral("can not find source named P2VThumbnail.png"));
    }
    setGeometry(QRect(origin, background.isNull() ? kFallbackSize : background.size()));
    backgroundView_ = new QLabel(this);
    backgroundView_->setGeometry(rect());
    backgroundView_->setPixmap(background);
    if (background.isNull())
        backgroundView_->setStyleSheet(QStringLiteral("background: #3a3c42;"));
}

DNEffectPreview::~DNEffectPreview() = default;

QList<EffectPreviewWrapper *> DNEffectPreview::tiles() const
{
    return contentView_ ? contentView_->findChildren<EffectPreviewWrapper *>(QString(), Qt::FindDirectChildrenOnly)
                        : QList<EffectPreviewWrapper *>();
}

void DNEffectPreview::configureFilter(const NXFilterPtr &filter, int filterIndex, const QImage &shadingImage)
{
    if (!filter)
        return;
    const QPointF centre(49, 37.5);
    const QRectF extent(0, 0, 98, 75);
    if (filterIndex >= 7 && filterIndex <= 13)
        return;
    if (filterIndex >= 14 && filterIndex <= 17) {
        filter->setValue(double(filterIndex - 14), NXFilterKey::mode);
        return;
    }
    filter->setDefaults();
    switch (filterIndex) {
    case 2:
        filter->setValue(centre, NXFilterKey::center);
        filter->setValue(extent, NXFilterKey::extent);
        break;
    case 3:
        filter->setValue(centre, NXFilterKey::center);
        filter->setValue(shadingImage, NXFilterKey::shadingImage);
        break;
    case 5:
        filter->setValue(centre, NXFilterKey::center);
        DNRoughLog(QStringLiteral("mod filter:%@"), filter->name());
        break;
    case 6:
        filter->setValue(-0.7853982, NXFilterKey::angle);
        filter->setValue(shadingImage, NXFilterKey::shadingImage);
        filter->setValue(shadingImage, NXFilterKey::backsideImage);
        filter->setValue(extent, NXFilterKey::extent);
        break;
    default:
        break;
    }
}

QAbstractButton *DNEffectPreview::makeArrow(const QString &image, int tag, int x)
{
    auto *button = new StripArrow(DNImageNamed(image), this);
    button->setProperty("tag", tag);
    button->setObjectName(tag == TagEarlierPage ? QStringLiteral("earlierPage") : QStringLiteral("followingPage"));
    button->setGeometry(x, 0, 20, height());
    connect(button, &QAbstractButton::clicked, this, [this, button] { onSwitchPage(button); });
    return button;
}

void DNEffectPreview::setPrevieFilters(const QList<NXFilterPtr> &filters, const QList<int> &selected)
{
    const int n = int(filters.size());
    delete contentView_;
    contentView_ = new QWidget(this);
    contentView_->setObjectName(QStringLiteral("contentView"));
    const int pages = (n + kTilesPerPage - 1) / kTilesPerPage;
    contentView_->setGeometry(0, 0, kTilesPerPage * pages * kTileStep, height());

    QImage source, target;
    if (demoImages_.size() >= 2) {
        source = demoImages_.first();
        target = demoImages_.last();
    }
    const QImage shading = NXEffectManager::shadingImage();
    for (int i = 0; i < n; ++i) {
        // Tiles stand on the bottom edge, 6 points apart.
        auto *tile = new EffectPreviewWrapper(
            QRect(i * kTileWidth + (i + 1) * 6, height() - kTileHeight, kTileWidth, kTileHeight), contentView_);
        configureFilter(filters.at(i), i, shading);
        tile->setHost(this);
        tile->setFilterIndex(i);
        tile->setPreviewFilter(filters.at(i));
        tile->setDemoSourceImage(source, target);
        tile->setState(selected.contains(i));
    }
    contentView_->show();
    delete leftArrow_;
    delete rightArrow_;
    leftArrow_ = makeArrow(QStringLiteral("P2VEffectLeft.png"), TagEarlierPage, 0);
    rightArrow_ = makeArrow(QStringLiteral("P2VEffectRight.png"), TagFollowingPage, width() - 20);
    leftArrow_->raise();
    rightArrow_->raise();
}

void DNEffectPreview::setDemoImages(const QList<QImage> &images)
{
    const QImage source = images.isEmpty() ? QImage() : images.first();
    const QImage target = images.isEmpty() ? QImage() : images.last();
    for (EffectPreviewWrapper *tile : tiles())
        tile->setDemoSourceImage(source, target);
    demoImages_ = images;
}

void DNEffectPreview::stopPreview()
{
    for (EffectPreviewWrapper *tile : tiles())
        tile->stopPreview();
    delete contentView_;
    contentView_ = nullptr;
}

void DNEffectPreview::checkAnimatedByPosition()
{
    if (!contentView_)
        return;
    // The arrows first: a tile's frames show the arrow that lies over it.
    if (leftArrow_)
        leftArrow_->setHidden(!hasPageAtDirection(TagEarlierPage));
    if (rightArrow_)
        rightArrow_->setHidden(!hasPageAtDirection(TagFollowingPage));
    const QRect visible(std::abs(contentView_->x()), contentView_->y(), width(), height());
    for (EffectPreviewWrapper *tile : tiles()) {
        if (visible.contains(tile->geometry().center()))
            tile->startPreview();
        else
            tile->stopPreview();
    }
}

bool DNEffectPreview::hasPageAtDirection(int tag) const
{
    if (!contentView_ || width() <= 0)
        return false;
    const long page = std::lround(std::abs(contentView_->x()) / double(width()));
    if (tag == TagEarlierPage)
        return page > 0;
    if (tag == TagFollowingPage)
        return page < std::lround(contentView_->width() / double(width())) - 1;
    return false;
}

void DNEffectPreview::onSwitchPage(QAbstractButton *sender)
{
    switchEffectPreviewPage(sender && sender->property("tag").toInt() == TagFollowingPage);
}

void DNEffectPreview::slideContentTo(double x)
{
    QTimer::singleShot(kCheckAfterMs, this, &DNEffectPreview::checkAnimatedByPosition);
    auto *slide = new QPropertyAnimation(contentView_, "pos", contentView_);
    slide->setDuration(kSlideMs);
    slide->setEndValue(QPoint(int(std::lround(x)), contentView_->y()));
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}

void DNEffectPreview::switchEffectPreviewPage(bool following)
{
    if (!contentView_ || width() <= 0)
        return;
    const double w = width();
    double x = (contentView_->x() / w + (following ? -1.0 : 1.0)) * w;
    x = std::min(x, 0.0);
    if (w - contentView_->width() > x)
        x = w - contentView_->width();
    slideContentTo(x);
}

void DNEffectPreview::onEffectsSelectChanged(EffectPreviewWrapper *)
{
    if (!delegate_)
        return;
    QList<int> ticked;
    const QList<EffectPreviewWrapper *> all = tiles();
    for (int i = 0; i < all.size(); ++i)
        if (all.at(i)->state())
            ticked << i;
    delegate_->onEffectsSelectionChanged(ticked);
}

void DNEffectPreview::mousePressEvent(QMouseEvent *event)
{
    dragStart_ = event->position().toPoint();
}

void DNEffectPreview::mouseMoveEvent(QMouseEvent *event)
{
    if (!contentView_ || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint position = event->position().toPoint();
    const double dx = (position.x() - dragStart_.x()) * 0.5;
    contentView_->move(contentView_->x() + int(std::lround(dx)), contentView_->y());
    dragStart_ = position;
    if (dx < 0)
        direction_ = -1;
    else if (dx > 0)
        direction_ = 1;
}

void DNEffectPreview::mouseReleaseEvent(QMouseEvent *)
{
    if (contentView_ && direction_ != 0 && width() > 0) {
        const double w = width();
        double x = 0.0;
        if (direction_ < 0) {
            x = std::floor(contentView_->x() / w) * w;
            if (w - contentView_->width() > x)
                x = w - contentView_->width();
        } else {
            x = std::min(std::ceil(contentView_->x() / w) * w, 0.0);
        }
        slideContentTo(x);
    }
    direction_ = 0;
}
