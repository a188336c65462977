#pragma once

#include "DNWindowSelectView.h"

#include <QPixmap>
#include <QPointer>
#include <QRectF>
#include <QWidget>

class DNAreaSelectWindow;

// Hears which area the user confirmed.
class DNAreaSelectWindowDelegate
{
public:
    virtual ~DNAreaSelectWindowDelegate() = default;
    virtual void onAreaSelectDidFinished(DNAreaSelectWindow *window) = 0;
};

// The screen recorder's area chooser: a borderless window over the whole main screen, above
// every other, in which the user draws, resizes and moves the area to record; "Start Recording"
// tells the delegate and hides the window 0.1 s later, Escape hides it without telling anybody.
//
// It shows the screen as it was when the window opened, slightly darkened, under the area: the
// same picture with or without a compositor to draw translucent windows.
class DNAreaSelectWindow : public QWidget
{
    Q_OBJECT
public:
    // Created hidden; the creator sets the delegate and shows it.
    DNAreaSelectWindow();

    DNAreaSelectWindowDelegate *delegate() const { return delegate_; }
    void setDelegate(DNAreaSelectWindowDelegate *delegate) { delegate_ = delegate; }
    DNWindowSelectView *selectView() const { return view_; }

    // The chosen area in screen coordinates (Qt's: origin at the top left).
    QRectF selectionArea() const;
    // The start button's action.
    void onCropRectClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    DNAreaSelectWindowDelegate *delegate_ = nullptr;
    QPointer<DNWindowSelectView> view_;
    QPixmap screenPicture_;
};
