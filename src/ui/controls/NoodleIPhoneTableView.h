#pragma once

#include "ui/controls/NoodleStickyRowTableView.h"

// The styled category list of the profile chooser: horizontal light-gray lines between rows and
// group rows drawn as a blue-gray gradient bar with white bold titles. The pinned header shows
// the group row at once (no fade).
class NoodleIPhoneTableView : public NoodleStickyRowTableView
{
    Q_OBJECT
public:
    explicit NoodleIPhoneTableView(QWidget *parent = nullptr);

    int stickyRowHeaderTransition() const override { return NoodleStickyRowTransitionNone; }
    // A group row is the gradient bar; other rows as the delegate draws them.
    void drawRow(QPainter &painter, int row, const QRect &rect);
    void drawStickyRow(QPainter &painter, int row, const QRect &rect) override;
    bool isGroupAtRowIndex(int row) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool drawingStickyHeader_ = false;
};
