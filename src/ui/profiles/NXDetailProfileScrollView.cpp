#include "ui/profiles/NXDetailProfileScrollView.h"

#include <QMouseEvent>
#include <QScrollBar>

#include <cmath>

namespace {

// The document view: presses that no card control takes land here.
class CardDocumentView : public QWidget
{
public:
    explicit CardDocumentView(NXDetailProfileScrollView *list) : list_(list)
    {
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::white);
        setPalette(palette);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            list_->mouseDown(event->position().y());
    }

private:
    NXDetailProfileScrollView *list_;
};

} // namespace

NXDetailProfileScrollView::NXDetailProfileScrollView(QWidget *parent)
    : QScrollArea(parent)
{
    setWidget(new CardDocumentView(this));
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    dataCells_.reserve(30);
}

int NXDetailProfileScrollView::indexOfCellAtPoint(double y)
{
    return int(std::floor(y / NXProfilePreviewCell::kHeight));
}

void NXDetailProfileScrollView::layoutCells()
{
    const int width = viewport()->width();
    for (int i = 0; i < dataCells_.size(); ++i)
        dataCells_.at(i)->setGeometry(0, NXProfilePreviewCell::kHeight * i, width, NXProfilePreviewCell::kHeight);
    const int height = std::max(int(NXProfilePreviewCell::kHeight * dataCells_.size()), viewport()->height()) - 5;
    widget()->resize(width, std::max(height, 0));
}

void NXDetailProfileScrollView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    layoutCells();
}

void NXDetailProfileScrollView::reloadData()
{
    qDeleteAll(dataCells_);
    dataCells_.clear();
    reset();
    const int count = delegate_ ? delegate_->profilesCounts() : 0;
    for (int i = 0; i < count; ++i) {
        NXProfilePreviewCell *cell = delegate_->dataCellForIndex(i);
        if (!cell)
            cell = new NXProfilePreviewCell;
        cell->setParent(widget());
        cell->show();
        dataCells_ << cell;
    }
    layoutCells();
    scroll2Index(selectedIndex_);
}

void NXDetailProfileScrollView::scroll2Index(int index)
{
    verticalScrollBar()->setValue(std::max(0, NXProfilePreviewCell::kHeight * index));
}

void NXDetailProfileScrollView::selectCellAtIndex(int index)
{
    if (index < 0 || index >= dataCells_.size())
        return;
    if (selectedIndex_ >= 0 && selectedIndex_ < dataCells_.size() && selectedIndex_ != index)
        dataCells_.at(selectedIndex_)->setSelected(false);
    dataCells_.at(index)->setSelected(true);
    selectedIndex_ = index;
    if (delegate_)
        delegate_->dataCellSelectedAtIndex(index);
    scroll2Index(index);
}

void NXDetailProfileScrollView::mouseDown(double y)
{
    const int index = indexOfCellAtPoint(y);
    if (index == selectedIndex_ || index < 0 || index >= dataCells_.size())
        return;
    if (selectedIndex_ >= 0 && selectedIndex_ < dataCells_.size())
        dataCells_.at(selectedIndex_)->setSelected(false);
    dataCells_.at(index)->setSelected(true);
    selectedIndex_ = index;
    if (delegate_)
        delegate_->dataCellSelectedAtIndex(index);
}
