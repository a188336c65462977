#include "ui/controls/NoodleStickyRowView.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace {

// NSColor's highlightWithLevel: the colour moved toward white by level.
QColor highlightWithLevel(const QColor &color, double level)
{
    return QColor::fromRgbF(float(color.redF() + (1.0 - color.redF()) * level),
                            float(color.greenF() + (1.0 - color.greenF()) * level),
                            float(color.blueF() + (1.0 - color.blueF()) * level), color.alphaF());
}

} // namespace

bool NoodleStickyRowExtensions::isRowSticky(int row) const
{
    const QModelIndex index = noodleIndex(row, 0);
    if (!index.isValid())
        return false;
    const QVariant sticky = index.data(NoodleIsStickyRowRole);
    if (sticky.isValid())
        return sticky.toBool();
    const QVariant group = index.data(NoodleIsGroupRowRole);
    return group.isValid() && group.toBool();
}

int NoodleStickyRowExtensions::_previousStickyRow() const
{
    const int top = noodleRowAtY(0);
    if (top < 0)
        return -1;
    for (int row = top; row >= 0; --row) {
        if (isRowSticky(row))
            return row;
    }
    return -1;
}

int NoodleStickyRowExtensions::_nextStickyRow() const
{
    const int top = noodleRowAtY(0);
    if (top < 0)
        return -1;
    const int count = noodleRowCount();
    for (int row = top + 1; row < count; ++row) {
        if (isRowSticky(row))
            return row;
    }
    return -1;
}

QRect NoodleStickyRowExtensions::stickyRowHeaderRect() const
{
    const int previous = _previousStickyRow();
    if (previous < 0)
        return {};
    QRect rect = noodleRowRect(previous);
    rect.moveTop(0);
    const int next = _nextStickyRow();
    if (next >= 0) {
        const QRect nextRect = noodleRowRect(next);
        if (nextRect.y() < rect.y() + rect.height())
            rect.moveTop(nextRect.y() - rect.height());
    }
    return rect;
}

NoodleStickyRowHeaderButton *NoodleStickyRowExtensions::_stickyRowHeaderView()
{
    if (header_)
        return header_;
    header_ = new NoodleStickyRowHeaderButton(view_->viewport());
    header_->setObjectName(QStringLiteral("NoodleStickyRowHeader"));
    header_->setProperty("tag", kStickyRowHeaderTag);
    header_->setFocusPolicy(Qt::NoFocus);
    header_->setGeometry(QRect());
    header_->hide();
    QObject::connect(header_, &QAbstractButton::clicked, view_, [this] { scrollToStickyRow(); });
    return header_;
}

void NoodleStickyRowExtensions::drawStickyRowHeader()
{
    NoodleStickyRowHeaderButton *header = _stickyRowHeaderView();
    const QRect rect = stickyRowHeaderRect();
    if (header->geometry() != rect)
        header->setGeometry(rect);
    header->setVisible(!rect.isEmpty());
    if (!rect.isEmpty())
        _updateStickyRowHeaderImageWithRow(_previousStickyRow());
}

void NoodleStickyRowExtensions::scrollToStickyRow()
{
    const int row = _previousStickyRow();
    if (row >= 0)
        noodleScrollToRow(row);
}

QColor NoodleStickyRowExtensions::noodleGridColor() const
{
    if (auto *table = qobject_cast<QTableView *>(view_))
        return table->gridStyle() == Qt::NoPen ? QColor(Qt::lightGray) : view_->palette().mid().color();
    return view_->palette().mid().color();
}

void NoodleStickyRowExtensions::drawCellsOfRow(QPainter &painter, int row, const QRect &rowRect,
                                               bool selected) const
{
    const QAbstractItemModel *model = view_->model();
    if (!model)
        return;
    const int columns = model->columnCount(noodleIndex(row, 0).parent());
    for (int column = 0; column < columns; ++column) {
        const QModelIndex index = noodleIndex(row, column);
        if (!index.isValid())
            continue;
        QStyleOptionViewItem option;
        option.initFrom(view_);
        option.rect = view_->visualRect(index);
        option.rect.moveTop(rowRect.y());
        option.state = QStyle::State_Enabled;
        if (selected)
            option.state |= QStyle::State_Selected;
        option.showDecorationSelected = true;
        option.features = QStyleOptionViewItem::HasDisplay;
        view_->itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void NoodleStickyRowExtensions::drawStickyRow(QPainter &painter, int row, const QRect &rect)
{
    painter.fillRect(rect, highlightWithLevel(view_->palette().base().color(), 0.5));
    drawCellsOfRow(painter, row, rect, false);
    painter.setPen(noodleGridColor());
    painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
}

void NoodleStickyRowExtensions::_updateStickyRowHeaderImageWithRow(int row)
{
    NoodleStickyRowHeaderButton *header = _stickyRowHeaderView();
    const QRect rowRect = noodleRowRect(row);
    if (rowRect.isEmpty())
        return;
    const qreal dpr = view_->devicePixelRatioF();
    auto rowSizedImage = [&] {
        QImage image((QSizeF(rowRect.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        return image;
    };

    // A row above the top has a negative y: the further it has gone, the stronger the picture.
    const double fraction = double(0 - rowRect.y()) / (rowRect.height() * 1.25);
    header->setEnabled(fraction >= 0.5);

    auto drawRowInto = [&](QImage &image) {
        QPainter painter(&image);
        painter.translate(-rowRect.x(), -rowRect.y());
        drawStickyRow(painter, row, rowRect);
    };

    QImage picture = rowSizedImage();
    switch (stickyRowHeaderTransition()) {
    case NoodleStickyRowTransitionNone:
        drawRowInto(picture);
        break;
    case NoodleStickyRowTransitionFadeIn: {
        QImage alternate = rowSizedImage();
        drawRowInto(alternate);
        QPainter painter(&picture);
        painter.setOpacity(std::clamp(std::min(fraction, 0.9), 0.0, 1.0));
        painter.drawImage(QPoint(0, 0), alternate);
        painter.end();
        header->alternateImage = std::move(alternate);
        break;
    }
    default: {
        QPainter painter(&picture);
        painter.drawText(QRect(QPoint(0, 0), rowRect.size()), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("You returned a bad NoodleStickyRowTransition value. Tsk. Tsk."));
        break;
    }
    }
    // This runs inside the table's own paint, and the header's repaint repaints the table under
    // it: asking for one when the picture is the same would paint the two forever.
    if (picture == header->image)
        return;
    header->image = std::move(picture);
    header->update();
}
