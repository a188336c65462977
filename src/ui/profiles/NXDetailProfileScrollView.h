#pragma once

#include "ui/profiles/NXProfilePreviewCell.h"

#include <QList>
#include <QScrollArea>

// What the card list asks of its delegate.
class NXProfileViewDelegate
{
public:
    virtual ~NXProfileViewDelegate() = default;
    virtual int profilesCounts() const = 0;
    virtual NXProfilePreviewCell *dataCellForIndex(int index) = 0;
    virtual void dataCellSelectedAtIndex(int index) = 0;
};

// The chooser's list of profile cards, one under the other, 80 high each; a click selects the
// card under the mouse.
class NXDetailProfileScrollView : public QScrollArea
{
    Q_OBJECT
public:
    explicit NXDetailProfileScrollView(QWidget *parent = nullptr);

    void setDelegate(NXProfileViewDelegate *delegate) { delegate_ = delegate; }
    NXProfileViewDelegate *delegate() const { return delegate_; }

    void reloadData();
    void scroll2Index(int index);
    void selectCellAtIndex(int index);
    int selectedCellIndex() const { return selectedIndex_; }
    // The card index at a y in the document (floor(y / 80)).
    static int indexOfCellAtPoint(double y);
    void reset() { selectedIndex_ = -1; }
    // A press at y in the document view.
    void mouseDown(double y);

    const QList<NXProfilePreviewCell *> &dataCells() const { return dataCells_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutCells();

    NXProfileViewDelegate *delegate_ = nullptr;
    QList<NXProfilePreviewCell *> dataCells_;
    int selectedIndex_ = -1;
};
