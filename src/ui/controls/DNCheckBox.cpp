#include "DNCheckBox.h"

DNCheckBox::DNCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    setCursor(Qt::PointingHandCursor);
}

DNCheckBox::DNCheckBox(const QString &title, QWidget *parent)
    : QCheckBox(title, parent)
{
    setCursor(Qt::PointingHandCursor);
}
