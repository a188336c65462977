#include "DNAreaSelectView.h"

#include "DNAreaGeometry.h"
#include "DNCropPresets.h"

#include <QTimer>

DNAreaSelectView::DNAreaSelectView(QWidget *parent)
    : DNAreaSelectView(QRect(), parent)
{
}

DNAreaSelectView::DNAreaSelectView(const QRect &frame, QWidget *parent)
    : DNAreaSelector(frame, parent)
    , cropConfigItems_(DNCropPresets::read())
{
}

void DNAreaSelectView::setSelectedAspect(int index)
{
    if (index != 1 && index == selectedAspect_)
        return;
    const QVariantMap preset = index >= 0 && index < cropConfigItems_.size()
                                   ? cropConfigItems_.at(index).toMap()
                                   : QVariantMap();
    const QSizeF ratio(preset.value(QLatin1String(DNCropPresets::kWidth)).toFloat(),
                       preset.value(QLatin1String(DNCropPresets::kHeight)).toFloat());
    const QSizeF bounds = size();
    bool tellNow = false;
    switch (preset.value(QLatin1String(DNCropPresets::kCode)).toInt()) {
    case DNCropPresets::LockRatio:
        aspect_ = ratio;
        break;
    case DNCropPresets::FitRatio:
        aspect_ = ratio;
        setSelectionArea(DNAreaGeometry::centredFit(ratio, bounds));
        tellNow = true;
        break;
    case DNCropPresets::KeepShape:
        aspect_ = selectionArea().size();
        break;
    case DNCropPresets::WholePicture:
        aspect_ = bounds;
        setSelectionArea(QRectF(QPointF(0, 0), bounds));
        tellNow = true;
        break;
    case DNCropPresets::RemoveBlackBorders:
        fitToBlackRegionFreeArea();
        break;
    default:
        break;
    }
    if (tellNow)
        selectAreaDidChanged();
    selectedAspect_ = index;
}

void DNAreaSelectView::fitToBlackRegionFreeArea()
{
    auto *owner = dynamic_cast<DNAreaSelectViewDelegate *>(delegate());
    if (!owner || !owner->canCropBlackRegion())
        return;
    const std::optional<QRectF> found = owner->rectByCoppingBlackRegion();
    // An empty area has no ratio: fitting to it would leave a box of no width that the user
    // could not take hold of again.
    if (!found || found->width() <= 0 || found->height() <= 0)
        return;
    aspect_ = QSizeF(0, 0);
    // The picture's own place, not a centred box of its ratio: bands of unequal height (or a
    // picture off the middle) would leave band lines in a centred box.
    const QSizeF bounds = size();
    setSelectionArea(QRectF(found->x() * bounds.width(), found->y() * bounds.height(),
                            found->width() * bounds.width(), found->height() * bounds.height()));
    // The owner hears of it on the next turn of the event loop, after its own call returned.
    QTimer::singleShot(0, this, [this] { selectAreaDidChanged(); });
}

void DNAreaSelectView::setSelectionArea(const QRectF &area)
{
    DNAreaSelector::setSelectionArea(area);
    refreshDragCellPosition();
}

QRectF DNAreaSelectView::selectionAreaPercentage() const
{
    return DNAreaGeometry::fractionsOf(selectionArea(), size());
}

QRectF DNAreaSelectView::constraintForSelectArea(const QRectF &proposed)
{
    return DNAreaGeometry::aspectLocked(proposed, selectionArea(), aspect_, size());
}
