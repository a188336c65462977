#pragma once

#include <QCheckBox>

// A check box that shows the pointing-hand cursor over it.
class DNCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit DNCheckBox(QWidget *parent = nullptr);
    explicit DNCheckBox(const QString &title, QWidget *parent = nullptr);
};
