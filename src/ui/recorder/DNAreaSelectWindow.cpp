#include "DNAreaSelectWindow.h"

#include "DNWindowSelectView.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
const QSizeF kFirstArea(800, 600);
const QSizeF kLowerLimit(100, 80);
} // namespace

DNAreaSelectWindow::DNAreaSelectWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
{
    setFocusPolicy(Qt::StrongFocus);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect frame = screen ? screen->geometry() : QRect();
    setGeometry(frame);
    view_ = new DNWindowSelectView(QRect(QPoint(0, 0), frame.size()), this);
    view_->setSelectionArea(QRectF((frame.width() - kFirstArea.width()) * 0.5, (frame.height() - kFirstArea.height()) * 0.5,
                                   kFirstArea.width(), kFirstArea.height()));
    view_->setLowerLimitSize(kLowerLimit);
    view_->setAction([this] { onCropRectClicked(); });
    view_->refresh();
}

QRectF DNAreaSelectWindow::selectionArea() const
{
    if (!view_)
        return QRectF();
    return view_->viewRect(view_->selectionArea()).translated(geometry().topLeft());
}

void DNAreaSelectWindow::onCropRectClicked()
{
    if (delegate_)
        delegate_->onAreaSelectDidFinished(this);
    QTimer::singleShot(100, this, &QWidget::hide);
}

void DNAreaSelectWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        hide();
    event->accept();
}

void DNAreaSelectWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!screenPicture_.isNull())
        p.drawPixmap(rect(), screenPicture_);
    else
        p.fillRect(rect(), Qt::black);
    p.fillRect(rect(), QColor::fromRgbF(0.1f, 0.1f, 0.1f, 0.05f));
}

void DNAreaSelectWindow::showEvent(QShowEvent *event)
{
    // Taken before the window is on the screen, so the picture is of what lies under it.
    if (!event->spontaneous()) {
        if (QScreen *screen = QGuiApplication::primaryScreen())
            screenPicture_ = screen->grabWindow(0);
    }
    QWidget::showEvent(event);
    // A window above the window manager gets no focus of its own: it takes the keyboard for
    // Escape while it shows.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) {
            activateWindow();
            setFocus();
            grabKeyboard();
        }
    });
}

void DNAreaSelectWindow::hideEvent(QHideEvent *event)
{
    releaseKeyboard();
    QWidget::hideEvent(event);
}
