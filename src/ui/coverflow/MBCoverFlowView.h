#pragma once

#include "MBCoverFlowGeometry.h"

#include <QImage>
#include <QPointer>
#include <QSizeF>
#include <QVariant>
#include <QVariantAnimation>
#include <QWidget>

#include <functional>
#include <memory>

class MBCoverFlowScroller;

// A row of images in the cover-flow manner: the selected image faces the viewer in the middle, the
// others stand turned in perspective to its left and right, and moving the selection slides the
// row. Items come from content; each item's image is found under imageKeyPath (a dictionary key,
// or a property of a QObject item, "a.b" going down a level at each dot): a QImage, a QPixmap or
// encoded picture data. An item without an image shows the placeholder.
//
// The picture is drawn with QPainter: each item is projected through a perspective transform
// about its vertical centre line, which is the whole of the view's 3-D, so no OpenGL context is
// needed and the view draws the same on any platform plugin.
class MBCoverFlowView : public QWidget
{
    Q_OBJECT
public:
    explicit MBCoverFlowView(const QRect &frame, QWidget *parent = nullptr);
    ~MBCoverFlowView() override;

    // Length of a selection slide (700 ms; three times that while Shift is held); tests may
    // shorten it.
    static int animationDurationMs();
    static void setAnimationDurationMs(int ms);

    QVariantList content() const { return content_; }
    void setContent(const QVariantList &content);
    QString imageKeyPath() const { return imageKeyPath_; }
    void setImageKeyPath(const QString &keyPath);

    bool autoresizesItems() const { return autoresizesItems_; }
    void setAutoresizesItems(bool autoresizes);
    QSizeF itemSize() const;
    void setItemSize(QSizeF size);
    bool showsScrollbar() const { return showsScrollbar_; }
    void setShowsScrollbar(bool shows);
    MBCoverFlowScroller *scroller() const { return scroller_; }

    // An optional view shown under the row of items; it learns the selected object through
    // selectedObjectChanged.
    QWidget *accessoryView() const { return accessory_; }
    void setAccessoryView(QWidget *view);

    QImage placeholderIcon() const { return placeholderIcon_; }
    void setPlaceholderIcon(const QImage &icon);
    QImage placeholder() const { return placeholder_; }

    int selectionIndex() const { return selectionIndex_; }
    // Ignored unless index names an item.
    void setSelectionIndex(int index);
    QVariant selectedObject() const;
    void setSelectedObject(const QVariant &object);
    // While a binding is set, the user's choices (keys, clicks, scroller, wheel) go to it instead
    // of to setSelectionIndex; the bound side answers with setSelectionIndex.
    void bindSelectionIndex(std::function<void(int)> write) { selectionBinding_ = std::move(write); }
    void unbindSelectionIndex() { selectionBinding_ = nullptr; }

    // Sent on Return and on a double click, with the view.
    void setAction(std::function<void(MBCoverFlowView *)> action) { action_ = std::move(action); }

    // The item under point (view coordinates), or -1: the selected item first, then those to its
    // left from the nearest outwards, then those to its right.
    int indexOfItemAtPoint(const QPointF &point) const;
    // The box the item's picture covers in the view; empty for an index outside the content.
    QRectF rectForItemAtIndex(int index) const;
    // Whether the item at index shows a picture of its own (not the placeholder).
    bool itemHasImage(int index) const;
    QImage itemImage(int index) const;
    bool isAnimating() const { return slide_.state() == QAbstractAnimation::Running; }
    // Length of the last slide started.
    int slideDurationMs() const { return slide_.duration(); }

Q_SIGNALS:
    void selectionIndexChanged(int index);
    void selectedObjectChanged(const QVariant &object);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private Q_SLOTS:
    // An observed item's image changed: only that item is loaded again.
    void observedObjectChanged();

private:
    struct ItemLayer;
    using ItemLayerPtr = std::shared_ptr<ItemLayer>;

    void layoutView();
    void userSetSelectionIndex(int index);
    void scrollerChanged(MBCoverFlowScroller *scroller);
    void refreshLayer(const ItemLayerPtr &layer);
    void loadImageForLayer(const ItemLayerPtr &layer);
    void observe(const ItemLayerPtr &layer);
    void recachePlaceholder();
    void clickItemAt(const QPointF &point);
    QVariant imageValueOf(const QVariant &object) const;
    // The strip the items stand in, in view coordinates (y downwards), and its bottom edge.
    QRectF stripRect() const;
    MBCoverFlowGeometry::Placement targetPlacement(int index) const;
    double targetScroll() const;
    MBCoverFlowGeometry::Placement shownPlacement(const ItemLayer &layer) const;
    double shownScroll() const;
    QTransform itemTransform(const MBCoverFlowGeometry::Placement &placement, double scroll) const;
    // Freezes what is on screen as the start of a new slide.
    void startSlide(int durationMs);

    int selectionIndex_ = 0;
    QList<ItemLayerPtr> layers_;
    QVariantList content_;
    QString imageKeyPath_;
    QSizeF baseItemSize_{MBCoverFlowGeometry::kDefaultItemWidth, MBCoverFlowGeometry::kDefaultItemHeight};
    bool showsScrollbar_ = false;
    bool autoresizesItems_ = true;
    MBCoverFlowScroller *scroller_ = nullptr;
    QPointer<QWidget> accessory_;
    QImage placeholderIcon_;
    QImage placeholder_;
    mutable QImage placeholderScaled_;
    std::function<void(int)> selectionBinding_;
    std::function<void(MBCoverFlowView *)> action_;
    QVariantAnimation slide_;
    double slideFromScroll_ = 0.0;
    int wheelRemainder_ = 0;
};
