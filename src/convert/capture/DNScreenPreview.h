#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>

#include <memory>

class QSocketNotifier;

// The screen recorder's live picture: a rectangle of an X display at the size it is shown. The X
// server scales it (RENDER) and a picture is fetched only when something on the screen changed
// (DAMAGE), at most framesPerSecond times a second, so a screen at rest costs nothing. A picture
// that looks like the last one shown is not passed on: the preview showing itself on the screen
// comes to rest too. Without DAMAGE the picture is fetched framesPerSecond times a second.
class DNScreenPreview : public QObject
{
    Q_OBJECT
public:
    explicit DNScreenPreview(QObject *parent = nullptr);
    ~DNScreenPreview() override;

    // Pictures fit inside this size, keeping the region's shape.
    void setViewSize(QSize size);
    // The rectangle shown, in the display's pixels (origin at the top left); empty: the whole
    // display.
    void setRegion(const QRect &region);
    void setFramesPerSecond(int rate);
    int framesPerSecond() const { return framesPerSecond_; }

    // Shows display (":0", ":0.1"); false, with errorText(), when it cannot be shown.
    bool start(const QString &display);
    void stop();
    bool isRunning() const { return bool(x_); }
    QString errorText() const { return errorText_; }
    // Pictures fetched from the X server since start.
    int picturesFetched() const { return fetched_; }

Q_SIGNALS:
    void frame(const QImage &picture);

private:
    struct X;
    void readEvents();
    void schedule();
    void fetch();
    bool fail(const QString &why);

    std::unique_ptr<X> x_;
    QSocketNotifier *notifier_ = nullptr;
    QTimer fetchTimer_;
    QSize viewSize_{400, 225};
    QRect region_;
    int framesPerSecond_ = 10;
    qint64 lastFetchMs_ = -1;
    int fetched_ = 0;
    QImage shown_;
    QString errorText_;
};
