#pragma once

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>

class QParallelAnimationGroup;

// The title bar above the chooser's category lists. Pushing a title slides it in from the right
// with a back button; popping slides the category title back in. The back button calls the
// target, then pops. When a slide ends the target is told (animationIsEnd).
class NXNavigationBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kAnimationMs = 250;

    explicit NXNavigationBar(QWidget *parent = nullptr);

    void pushWithTitle(const QString &title);
    void popWithTitle(const QString &title);
    void push() { pushWithTitle(QString()); }
    // Back to the localised "Output Profile Category".
    void pop();
    // Shows title at once (nil shows "").
    void setCurrentTitle(const QString &title);
    QString currentTitle() const;
    bool isAnimating() const { return animation_ != nullptr; }

    QPushButton *button() const { return button_; }
    QLabel *current() const { return current_; }

    // The back button's call and the end-of-slide call.
    void setTarget(std::function<void()> backAction, std::function<void(NXNavigationBar *)> animationIsEnd)
    {
        backAction_ = std::move(backAction);
        animationIsEnd_ = std::move(animationIsEnd);
    }

    QSize sizeHint() const override { return QSize(300, 26); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createButtonIfNeed();
    void buttonClick();
    void animationWithTitle(const QString &title, bool isPush);
    void animationDidEnd();
    QLabel *makeTitleField(const QString &title);
    QRect centredTitleRect() const;

    QPushButton *button_ = nullptr;
    QLabel *current_ = nullptr;
    QPointer<QLabel> appear_;
    QParallelAnimationGroup *animation_ = nullptr;
    std::function<void()> backAction_;
    std::function<void(NXNavigationBar *)> animationIsEnd_;
};
