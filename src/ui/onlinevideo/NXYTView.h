#pragma once

#include <QWidget>

// The online-video window's picture area. Qt's coordinates already run from the top left, which
// is all this container asks for.
class NXYTView : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    bool isFlipped() const { return true; }
};
