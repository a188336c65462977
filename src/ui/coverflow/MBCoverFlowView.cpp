#include "MBCoverFlowView.h"

#include "MBCoverFlowPlaceholder.h"
#include "MBCoverFlowScroller.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {
int gSlideDurationMs = 700;
constexpr int kScrollerHeight = 16;

double lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

QObject *objectOf(const QVariant &value)
{
    return value.metaType().flags().testFlag(QMetaType::PointerToQObject) ? value.value<QObject *>() : nullptr;
}
}

// One item on screen: the content object it shows, its position in the content, its picture and
// where its current slide started.
struct MBCoverFlowView::ItemLayer
{
    QVariant representedObject;
    int index = 0;
    bool hasImage = false;
    QImage image;
    bool placed = false;
    MBCoverFlowGeometry::Placement from;
    QMetaObject::Connection observation;
};

int MBCoverFlowView::animationDurationMs()
{
    return gSlideDurationMs;
}

void MBCoverFlowView::setAnimationDurationMs(int ms)
{
    gSlideDurationMs = qMax(0, ms);
}

MBCoverFlowView::MBCoverFlowView(const QRect &frame, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MBCoverFlowView"));
    setGeometry(frame);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    placeholderIcon_ = MBCoverFlowDefaultPlaceholderIcon();
    scroller_ = new MBCoverFlowScroller(QRect(10, 10, 400, kScrollerHeight), this);
    scroller_->setEnabled(true);
    scroller_->hide();
    scroller_->setKnobProportion(1.0);
    connect(scroller_, &MBCoverFlowScroller::action, this, &MBCoverFlowView::scrollerChanged);
    slide_.setStartValue(0.0);
    slide_.setEndValue(1.0);
    slide_.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&slide_, &QVariantAnimation::valueChanged, this, [this] { update(); });
    recachePlaceholder();
    layoutView();
}

MBCoverFlowView::~MBCoverFlowView()
{
    for (const ItemLayerPtr &layer : layers_)
        disconnect(layer->observation);
}

// ------------------------------------------------------------------ content and images

void MBCoverFlowView::setContent(const QVariantList &content)
{
    if (content == content_)
        return;
    content_ = content;
    QList<ItemLayerPtr> unused = layers_;
    QList<ItemLayerPtr> next;
    for (int i = 0; i < content.size(); ++i) {
        const QVariant &object = content.at(i);
        // An object that stays keeps its layer (and its picture); equal objects each keep one.
        auto kept = std::find_if(unused.begin(), unused.end(),
                                 [&](const ItemLayerPtr &layer) { return layer->representedObject == object; });
        ItemLayerPtr layer;
        if (kept != unused.end()) {
            layer = *kept;
            unused.erase(kept);
            layer->index = i;
        } else {
            layer = std::make_shared<ItemLayer>();
            layer->representedObject = object;
            layer->index = i;
            observe(layer);
            refreshLayer(layer);
        }
        next << layer;
    }
    for (const ItemLayerPtr &gone : unused)
        disconnect(gone->observation);
    layers_ = next;
    scroller_->setNumberOfIncrements(content.isEmpty() ? 0 : unsigned(content.size() - 1));
    // A selection beyond a shorter content would leave no item in the middle.
    setSelectionIndex(content.isEmpty() ? selectionIndex_ : qBound(0, selectionIndex_, int(content.size()) - 1));
    update();
}

void MBCoverFlowView::setImageKeyPath(const QString &keyPath)
{
    for (const ItemLayerPtr &layer : layers_)
        disconnect(layer->observation);
    imageKeyPath_ = keyPath;
    for (const ItemLayerPtr &layer : layers_) {
        observe(layer);
        refreshLayer(layer);
    }
    update();
}

void MBCoverFlowView::observe(const ItemLayerPtr &layer)
{
    QObject *object = objectOf(layer->representedObject);
    if (!object || imageKeyPath_.isEmpty())
        return;
    const QByteArray name = imageKeyPath_.section(QLatin1Char('.'), 0, 0).toUtf8();
    const int index = object->metaObject()->indexOfProperty(name.constData());
    if (index < 0)
        return;
    const QMetaProperty property = object->metaObject()->property(index);
    if (!property.hasNotifySignal())
        return;
    const int slot = metaObject()->indexOfSlot("observedObjectChanged()");
    layer->observation = connect(object, property.notifySignal(), this, metaObject()->method(slot));
}

void MBCoverFlowView::observedObjectChanged()
{
    QObject *changed = sender();
    for (const ItemLayerPtr &layer : layers_)
        if (objectOf(layer->representedObject) == changed)
            refreshLayer(layer);
    update();
}

void MBCoverFlowView::refreshLayer(const ItemLayerPtr &layer)
{
    layer->index = int(content_.indexOf(layer->representedObject));
    layer->hasImage = false;
    loadImageForLayer(layer);
}

QVariant MBCoverFlowView::imageValueOf(const QVariant &object) const
{
    if (imageKeyPath_.isEmpty())
        return object;
    QVariant value = object;
    for (const QString &key : imageKeyPath_.split(QLatin1Char('.'))) {
        if (value.metaType().id() == QMetaType::QVariantMap)
            value = value.toMap().value(key);
        else if (value.metaType().id() == QMetaType::QVariantHash)
            value = value.toHash().value(key);
        else if (QObject *holder = objectOf(value))
            value = holder->property(key.toUtf8().constData());
        else
            return QVariant();
    }
    return value;
}

void MBCoverFlowView::loadImageForLayer(const ItemLayerPtr &layer)
{
    const QVariant value = imageValueOf(layer->representedObject);
    QImage image;
    switch (value.metaType().id()) {
    case QMetaType::QImage:
        image = value.value<QImage>();
        break;
    case QMetaType::QPixmap:
        image = value.value<QPixmap>().toImage();
        break;
    case QMetaType::QByteArray:
        image = QImage::fromData(value.toByteArray());
        break;
    default:
        break;
    }
    // Anything that is no picture leaves the placeholder.
    layer->hasImage = !image.isNull();
    layer->image = layer->hasImage ? MBImageRefCopy(image) : QImage();
}

bool MBCoverFlowView::itemHasImage(int index) const
{
    return index >= 0 && index < layers_.size() && layers_.at(index)->hasImage;
}

QImage MBCoverFlowView::itemImage(int index) const
{
    return itemHasImage(index) ? layers_.at(index)->image : QImage();
}

void MBCoverFlowView::setPlaceholderIcon(const QImage &icon)
{
    placeholderIcon_ = icon;
    recachePlaceholder();
    update();
}

void MBCoverFlowView::recachePlaceholder()
{
    placeholder_ = MBCoverFlowPlaceholderImage(itemSize(), placeholderIcon_);
    placeholderScaled_ = QImage();
}

// ------------------------------------------------------------------ size and layout

QSizeF MBCoverFlowView::itemSize() const
{
    double reserved = showsScrollbar_ ? kScrollerHeight + 16 : 0;
    if (accessory_)
        reserved += accessory_->height();
    return MBCoverFlowGeometry::itemSize(baseItemSize_, autoresizesItems_, height(), reserved);
}

void MBCoverFlowView::setItemSize(QSizeF size)
{
    baseItemSize_ = QSizeF(size.width() <= 0 ? MBCoverFlowGeometry::kDefaultItemWidth : size.width(),
                           size.height() <= 0 ? MBCoverFlowGeometry::kDefaultItemHeight : size.height());
    recachePlaceholder();
    layoutView();
}

void MBCoverFlowView::setAutoresizesItems(bool autoresizes)
{
    autoresizesItems_ = autoresizes;
    layoutView();
}

void MBCoverFlowView::setShowsScrollbar(bool shows)
{
    showsScrollbar_ = shows;
    scroller_->setVisible(shows);
    layoutView();
}

void MBCoverFlowView::setAccessoryView(QWidget *view)
{
    if (view == accessory_)
        return;
    if (accessory_) {
        accessory_->hide();
        accessory_->setParent(nullptr);
    }
    accessory_ = view;
    if (view) {
        view->setParent(this);
        view->show();
        Q_EMIT selectedObjectChanged(selectedObject());
    }
    layoutView();
}

void MBCoverFlowView::resizeEvent(QResizeEvent *)
{
    layoutView();
}

void MBCoverFlowView::layoutView()
{
    const int w = width();
    // Heights upwards from the bottom edge, as the accessory is placed.
    int accessoryY = 16;
    if (showsScrollbar_) {
        scroller_->setGeometry(80, height() - kScrollerHeight, qMax(0, w - 160), kScrollerHeight);
        accessoryY = kScrollerHeight + 16;
    }
    if (accessory_)
        accessory_->move(int(std::floor((w - accessory_->width()) * 0.5)),
                         height() - accessoryY - accessory_->height());
    update();
}

QRectF MBCoverFlowView::stripRect() const
{
    double accessoryTop = 0;
    if (accessory_) {
        const int accessoryY = showsScrollbar_ ? kScrollerHeight + 16 : 16;
        accessoryTop = accessoryY + accessory_->height();
    }
    const double bottom = height() - (accessoryTop - 0.75 * itemSize().height());
    return QRectF(10, 10, width() - 20, bottom - 10);
}

MBCoverFlowGeometry::Placement MBCoverFlowView::targetPlacement(int index) const
{
    return MBCoverFlowGeometry::placement(index, selectionIndex_, stripRect().width(), int(layers_.size()),
                                          itemSize());
}

double MBCoverFlowView::targetScroll() const
{
    return MBCoverFlowGeometry::selectedItemPosition(selectionIndex_, stripRect().width(), int(layers_.size()),
                                                     itemSize());
}

MBCoverFlowGeometry::Placement MBCoverFlowView::shownPlacement(const ItemLayer &layer) const
{
    MBCoverFlowGeometry::Placement target = targetPlacement(layer.index);
    if (!isAnimating() || !layer.placed)
        return target;
    const double t = slide_.currentValue().toDouble();
    target.frame.moveLeft(lerp(layer.from.frame.x(), target.frame.x(), t));
    target.angle = lerp(layer.from.angle, target.angle, t);
    return target;
}

double MBCoverFlowView::shownScroll() const
{
    if (!isAnimating())
        return targetScroll();
    return lerp(slideFromScroll_, targetScroll(), slide_.currentValue().toDouble());
}

QTransform MBCoverFlowView::itemTransform(const MBCoverFlowGeometry::Placement &placement, double scroll) const
{
    const QRectF strip = stripRect();
    const QRectF &frame = placement.frame;
    // The strip lays its items out upwards from its bottom edge.
    const QPointF centre(strip.left() + frame.x() + frame.width() / 2 - scroll,
                         strip.bottom() - (frame.y() + frame.height() / 2));
    // Turned about the vertical centre line and seen from kPerspectiveDistance: x scales by the
    // cosine and the projective weight 1 - x sin / distance brings the leading edge nearer.
    const double c = std::cos(placement.angle);
    const double s = std::sin(placement.angle);
    const QTransform turn(c, 0, -s / MBCoverFlowGeometry::kPerspectiveDistance, 0, 1, 0, 0, 0, 1);
    return turn * QTransform::fromTranslate(centre.x(), centre.y());
}

QRectF MBCoverFlowView::rectForItemAtIndex(int index) const
{
    if (index < 0 || index >= layers_.size())
        return QRectF();
    const QSizeF size = itemSize();
    const QTransform t = itemTransform(targetPlacement(index), targetScroll());
    return t.mapRect(QRectF(-size.width() / 2, -size.height() / 2, size.width(), size.height()));
}

int MBCoverFlowView::indexOfItemAtPoint(const QPointF &point) const
{
    const int count = int(layers_.size());
    QList<int> order;
    if (selectionIndex_ >= 0 && selectionIndex_ < count)
        order << selectionIndex_;
    for (int i = qMin(selectionIndex_, count) - 1; i >= 0; --i)
        order << i;
    for (int i = qMax(selectionIndex_ + 1, 0); i < count; ++i)
        order << i;
    for (int i : order)
        if (rectForItemAtIndex(i).contains(point))
            return i;
    return -1;
}

void MBCoverFlowView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (layers_.isEmpty())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = itemSize();
    if (placeholderScaled_.size() != size.toSize())
        placeholderScaled_ = placeholder_.scaled(size.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double scroll = shownScroll();
    // Farthest first: the items beside the selection stand behind it, the outer ones behind those.
    QList<std::pair<MBCoverFlowGeometry::Placement, const ItemLayer *>> items;
    for (const ItemLayerPtr &layer : layers_)
        items.append({shownPlacement(*layer), layer.get()});
    std::stable_sort(items.begin(), items.end(),
                     [](const auto &a, const auto &b) { return a.first.depth() < b.first.depth(); });
    const QRectF box(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    for (const auto &[placement, layer] : items) {
        p.setTransform(itemTransform(placement, scroll));
        p.drawImage(box, layer->hasImage ? layer->image : placeholderScaled_);
    }
}

// ------------------------------------------------------------------ selection

void MBCoverFlowView::setSelectionIndex(int index)
{
    if (index < 0 || index >= layers_.size())
        return;
    const bool changed = index != selectionIndex_;
    int duration = gSlideDurationMs;
    if (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier)
        duration *= 3;
    if (changed && duration > 0 && isVisible())
        startSlide(duration);
    selectionIndex_ = index;
    scroller_->setIntegerValue(index);
    update();
    if (changed) {
        Q_EMIT selectionIndexChanged(index);
        Q_EMIT selectedObjectChanged(selectedObject());
    }
}

void MBCoverFlowView::startSlide(int durationMs)
{
    // What is on screen now is where the slide starts, also in the middle of another slide.
    for (const ItemLayerPtr &layer : layers_) {
        layer->from = shownPlacement(*layer);
        layer->placed = true;
    }
    slideFromScroll_ = shownScroll();
    slide_.stop();
    slide_.setDuration(durationMs);
    slide_.start();
}

void MBCoverFlowView::userSetSelectionIndex(int index)
{
    if (index < 0)
        index = 0;
    if (index >= layers_.size())
        index = int(layers_.size()) - 1;
    if (selectionBinding_)
        selectionBinding_(index);
    else
        setSelectionIndex(index);
}

QVariant MBCoverFlowView::selectedObject() const
{
    if (selectionIndex_ < 0 || selectionIndex_ >= content_.size())
        return QVariant();
    return content_.at(selectionIndex_);
}

void MBCoverFlowView::setSelectedObject(const QVariant &object)
{
    const int index = int(content_.indexOf(object));
    if (index >= 0)
        userSetSelectionIndex(index);
}

void MBCoverFlowView::scrollerChanged(MBCoverFlowScroller *scroller)
{
    switch (scroller->hitPart()) {
    case MBCoverFlowScroller::Knob:
        userSetSelectionIndex(scroller->integerValue());
        break;
    case MBCoverFlowScroller::DecrementLine:
        userSetSelectionIndex(selectionIndex_ - 1);
        break;
    case MBCoverFlowScroller::IncrementLine:
        userSetSelectionIndex(selectionIndex_ + 1);
        break;
    default:
        break;
    }
}

// ------------------------------------------------------------------ keys, mouse and wheel

void MBCoverFlowView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (action_) {
            action_(this);
            return;
        }
        break;
    case Qt::Key_Right:
        userSetSelectionIndex(selectionIndex_ + 1);
        return;
    case Qt::Key_Left:
        userSetSelectionIndex(selectionIndex_ - 1);
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void MBCoverFlowView::clickItemAt(const QPointF &point)
{
    const int index = indexOfItemAtPoint(point);
    if (index >= 0 && layers_.size() >= 2)
        userSetSelectionIndex(index);
}

void MBCoverFlowView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    clickItemAt(event->position());
}

void MBCoverFlowView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (action_)
        action_(this);
    clickItemAt(event->position());
}

void MBCoverFlowView::wheelEvent(QWheelEvent *event)
{
    // One item per wheel notch, along whichever axis the wheel turned more; back (up or left)
    // moves to the previous item. At either end the event goes on to the views around, so a
    // list that holds the view keeps scrolling.
    const QPoint delta = event->angleDelta();
    const int along = qAbs(delta.x()) > qAbs(delta.y()) ? delta.x() : delta.y();
    const int count = int(layers_.size());
    const bool atEnd = (along > 0 && selectionIndex_ <= 0) || (along < 0 && selectionIndex_ >= count - 1);
    if (along == 0 || count < 2 || atEnd) {
        wheelRemainder_ = 0;
        event->ignore();
        return;
    }
    wheelRemainder_ += along;
    const int steps = wheelRemainder_ / 120;
    wheelRemainder_ -= steps * 120;
    if (steps != 0)
        userSetSelectionIndex(selectionIndex_ - steps);
    event->accept();
}
