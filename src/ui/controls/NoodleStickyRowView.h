#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QImage>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>
#include <QRect>

// Pinned ("sticky") group rows for item views: the group row above the top of the visible area
// stays drawn at the top while the rows under it scroll, and the next group row pushes it up as
// it arrives. Which rows are sticky the model says: NoodleIsStickyRowRole when it answers it,
// else NoodleIsGroupRowRole, else none (for outlines the roles are asked of the row's item).
enum NoodleStickyRowRoles {
    NoodleIsStickyRowRole = Qt::UserRole + 0x5110,
    NoodleIsGroupRowRole,
};

// How the pinned picture appears: at once, or fading in as its row leaves the top.
enum NoodleStickyRowTransition {
    NoodleStickyRowTransitionNone = 0,
    NoodleStickyRowTransitionFadeIn = 1,
};

// The pinned header: an image-only flat button on the view's viewport, showing a picture of the
// pinned row; a click scrolls that row back into view.
class NoodleStickyRowHeaderButton : public QAbstractButton
{
public:
    explicit NoodleStickyRowHeaderButton(QWidget *parent) : QAbstractButton(parent) {}
    QImage image;          // what is shown
    QImage alternateImage; // the fade transition's full-strength picture of the row

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), image);
    }
};

// The sticky-row behaviour shared by the table and outline views. The concrete view gives the
// row geometry through the noodle* hooks; rows are visual rows from the top.
class NoodleStickyRowExtensions
{
public:
    static constexpr int kStickyRowHeaderTag = 233931134;

    explicit NoodleStickyRowExtensions(QAbstractItemView *view) : view_(view) {}
    virtual ~NoodleStickyRowExtensions() = default;

    bool isRowSticky(int row) const;
    // Places the header over the pinned row's place (a zero rect when no sticky row lies at or
    // above the top row) and refreshes its picture.
    void drawStickyRowHeader();
    // Scrolls the row the header shows into view.
    void scrollToStickyRow();
    NoodleStickyRowHeaderButton *_stickyRowHeaderView();
    virtual int stickyRowHeaderTransition() const { return NoodleStickyRowTransitionFadeIn; }
    // The row as the header shows it: never selected, over the lightened background, with a
    // grid line along its bottom edge. rect is the row's rect in viewport coordinates.
    virtual void drawStickyRow(QPainter &painter, int row, const QRect &rect);

    int _previousStickyRow() const;
    int _nextStickyRow() const;
    QRect stickyRowHeaderRect() const;
    void _updateStickyRowHeaderImageWithRow(int row);

    // Row geometry of the concrete view, in viewport coordinates.
    virtual int noodleRowCount() const = 0;
    virtual int noodleRowAtY(int y) const = 0;
    virtual QRect noodleRowRect(int row) const = 0;
    virtual QModelIndex noodleIndex(int row, int column) const = 0;
    virtual void noodleScrollToRow(int row) = 0;
    virtual QColor noodleGridColor() const;
    // The cell of a row as the view's delegate draws it.
    void drawCellsOfRow(QPainter &painter, int row, const QRect &rowRect, bool selected) const;

protected:
    QAbstractItemView *view_;
    QPointer<NoodleStickyRowHeaderButton> header_;
};
