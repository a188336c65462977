#pragma once

#include <QWidget>

#include <functional>

// A recorder's top-level window. Its owner decides whether it may close (shouldClose, asked at
// every close request) and hears when it does (willClose, before it hides).
class DNToolWindow : public QWidget
{
    Q_OBJECT
public:
    explicit DNToolWindow(QWidget *parent = nullptr);
    void setShouldClose(std::function<bool()> shouldClose) { shouldClose_ = std::move(shouldClose); }

Q_SIGNALS:
    void willClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<bool()> shouldClose_;
};
