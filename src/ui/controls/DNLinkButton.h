#pragma once

#include <QPushButton>

// A text button styled as a web link: blue underlined title, no border, the pointing-hand cursor,
// sized to its title. Every title given to it keeps the link style.
class DNLinkButton : public QPushButton
{
    Q_OBJECT
public:
    explicit DNLinkButton(const QString &title = QString(), QWidget *parent = nullptr);

    void setTitle(const QString &title);
    // The link colour (calibrated RGB 0.01, 0.1, 0.8086).
    static QColor linkColor();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setTitleLinkStyleState(bool linkStyle);
};
