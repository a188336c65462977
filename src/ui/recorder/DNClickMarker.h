#pragma once

#include "convert/capture/DNScreenClickMarker.h"

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

// A ring that shows for a moment where the pointer clicked, above every window, so that the
// screen recording shows the click.
class DNClickRing : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDiameter = 44;
    // centre in screen coordinates.
    explicit DNClickRing(QPoint centre);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Marks the pointer's clicks while a screen recording runs: the X server reports every button
// press of the pointer (XInput 2 raw events on the root window, which no window's grab hides),
// and each left, middle or right press puts a ring around the pointer for 0.4 s. Without an X
// connection (another display platform) nothing is marked.
class DNClickMarker : public QObject, public DNScreenClickMarker, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit DNClickMarker(QObject *parent = nullptr);
    ~DNClickMarker() override;

    void startMarking() override;
    void stopMarking() override;
    bool isMarking() const { return marking_; }

    // Shows a ring around centre (screen coordinates); what a press does.
    void showClick(QPoint centre);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    bool selectRawPresses(bool on);

    bool marking_ = false;
    int inputOpcode_ = -1;
};
