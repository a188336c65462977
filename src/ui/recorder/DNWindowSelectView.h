#pragma once

#include "ui/editor/controls/DNAreaSelector.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>

#include <functional>

// A capture area's handle: a grey dot ringed in white, on the area's corners and edges.
class DNWindowDragCell : public DNDragCell
{
public:
    void drawCellInView(QPainter &painter, const DNAreaSelector &view) const override;
};

// The capture area: a black dashed outline, the screen darkened around it, and its size in red
// beside its lower right corner.
class DNWindowCenterCell : public DNCenterDragCell
{
public:
    void drawCellInView(QPainter &painter, const DNAreaSelector &view) const override;
    void drawShelteInView(QPainter &painter, const DNAreaSelector &view) const override;
};

// The "Start Recording" button in the middle of the area: its title on a dark rounded plate.
class DNRecordingButton : public QAbstractButton
{
    Q_OBJECT
public:
    DNRecordingButton(const QPixmap &background, const QString &title, QWidget *parent);

    // The plate's size, wider where the title needs it.
    QSize sizeHint() const override;
    // The size a button with title takes: 130 by 38, or wider for a longer title.
    static QSize sizeForTitle(const QString &title);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap background_;
};

// The area selector of the screen recorder's capture-area window: the user drags out a new area
// anywhere (a drag outside the area), or resizes and moves the current one, and confirms it
// with the button in its middle, which calls the view's action.
class DNWindowSelectView : public DNAreaSelector
{
    Q_OBJECT
public:
    // The button is made once the event loop runs again, after the creator set the first area.
    explicit DNWindowSelectView(const QRect &frame, QWidget *parent = nullptr);

    static QPixmap recordingButtonBackgroundImage(QSize size);
    static QFont recordingButtonTitleFont();
    void creatWidgetInCenterArea();
    QAbstractButton *done() const { return done_; }

    // Moves the start button along, so it stays in the middle of the area.
    void setSelectionArea(const QRectF &area) override;
    // Handles on the corners and edge midpoints themselves.
    void refreshDragCellPosition() override;
    void refresh() { refreshDragCellPosition(); }

    void onDoneClicked();
    void setAction(std::function<void()> action) { action_ = std::move(action); }

    // A new area from the point the button went down to the pointer's point, cut to the view.
    void updateCreateDragArea(QPointF from, QPointF to);
    // An area drawn smaller than the lower limit takes the limit, centred in the view, on each
    // axis that is too small.
    void checkSelectionArea();

protected:
    std::unique_ptr<DNDragCell> classOfDragCell() const override;
    std::unique_ptr<DNDragCell> classOfCenterDragArea() const override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void placeDoneButton();

    QPointer<QAbstractButton> done_;
    std::function<void()> action_;
    bool drawingNewArea_ = false;
    QPointF newAreaAnchor_;
};
