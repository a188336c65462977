#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

// The camera recorder's sound level meter: a bar that fills with the level of the sound being
// recorded (-60 dBFS empty, 0 full), green, then yellow, then red toward the top of the scale.
class NXWaveView : public QWidget
{
    Q_OBJECT
public:
    explicit NXWaveView(QWidget *parent = nullptr);
    // Takes nothing: the level comes from setLevel.
    void appendData(const QByteArray &data) { Q_UNUSED(data); }
    void setLevel(double decibels);
    double level() const { return level_; }
    // Stops and starts the meter (it falls to empty while stopped).
    void setRendering(bool rendering);
    bool isRendering() const { return rendering_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double level_ = -100;
    bool rendering_ = false;
};

// The recording time as hours, minutes and seconds, each two digits, on a background picture.
class NXTimerRemaidView : public QWidget
{
    Q_OBJECT
public:
    explicit NXTimerRemaidView(QWidget *parent = nullptr);
    void setTimeSeconds(unsigned seconds);
    // The picture behind the digits; the view takes its size.
    void setBackgroundImageName(const QString &name);
    unsigned HH() const { return HH_; }
    unsigned MM() const { return MM_; }
    unsigned SS() const { return SS_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    unsigned HH_ = 0;
    unsigned MM_ = 0;
    unsigned SS_ = 0;
    QPixmap background_;
};

// A picture that moves its window when dragged.
class NXMovableImageView : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
