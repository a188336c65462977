#pragma once

#include "DNButton.h"

#include <QColor>
#include <QString>

// An image button whose title is drawn in a colour given as text: red, green, blue and alpha in
// 0..1 joined by "x" ("1.0x1.0x1.0x1.0", opaque white, by default). awakeFromNib prepares the
// title once, after the window has given the button its title: only a text of exactly four parts
// takes over the title (the button's own title is cleared so the standard drawing shows none).
class NXButton : public DNButton
{
    Q_OBJECT
public:
    explicit NXButton(QWidget *parent = nullptr);
    NXButton(const QString &title, QWidget *parent = nullptr);

    QString colorCompanets() const { return colorCompanets_; }
    void setColorCompanets(const QString &components) { colorCompanets_ = components; }

    void awakeFromNib();
    // Before the title is prepared this only sets the standard title.
    void setTitle(const QString &title);

    bool isTitlePrepared() const { return isDraws_; }
    // The title drawn in colour; empty when the standard title is used.
    QString customTitle() const { return hasCustomTitle_ ? customTitle_ : QString(); }
    QColor titleColor() const { return titleColor_; }
    QSize textBounds() const { return textBounds_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void redrawTextLabelWithCustomColor();

    QString colorCompanets_ = QStringLiteral("1.0x1.0x1.0x1.0");
    QString customTitle_;
    bool hasCustomTitle_ = false;
    QColor titleColor_ = Qt::white;
    bool isDraws_ = false;
    QSize textBounds_;
};
