#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// The countdown's number: a large red figure on a dark rounded plate.
class DNBGView : public QWidget
{
    Q_OBJECT
public:
    explicit DNBGView(QWidget *parent = nullptr);
    int number() const { return number_; }
    void setNumber(int number);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int number_ = 0;
};

// A borderless floating window in the middle of the screen that counts its number down once a
// second and then calls its owner: with a start number N it shows N, N - 1, ... 1 for a second
// each, runs the action N seconds after displayCountdown(), and goes away. Made for one count.
class DNCountDown : public QWidget
{
    Q_OBJECT
public:
    // A new countdown window at 3; it deletes itself when its count is over.
    static DNCountDown *countDown();
    DNCountDown();

    void setCountDownNumber(int number);
    // Shows the window in front and starts the one-second ticks.
    void displayCountdown();
    // One tick.
    void countDownCallback();

    void setAction(std::function<void()> action) { action_ = std::move(action); }
    QTimer *countdownTimer() const { return countdownTimer_; }
    DNBGView *reserve() const { return reserve_; }

private:
    QPointer<QTimer> countdownTimer_;
    std::function<void()> action_;
    DNBGView *reserve_;
};
