#pragma once

#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;
class QRect;

// The row backgrounds shared by every row (loaded once): by hover (h) or not (d), selected (hi)
// or not (nor), with or without the bottom separator line. index 1..4 as the rows count them:
// 1 hover+selected, 2 hover, 3 selected, 4 plain.
QPixmap DNCellBackgroundImage(int index, bool withLine);
// Draws picture over rect (inset 2 points at the top and bottom); a missing picture draws a
// plain fill of the same meaning.
void DNDrawCellBackground(QPainter &painter, const QRect &rect, int index, bool withLine);
// The same picture in three slices over rect (inset as above): its left and right 20 points at
// either end, its middle stretched between them, so the rounded ends keep their shape at any
// width. The slices' target rectangles, left to right.
QList<QRectF> DNCellBackgroundSlices(const QRect &rect);
void DNDrawCellBackgroundInSlices(QPainter &painter, const QRect &rect, int index);
