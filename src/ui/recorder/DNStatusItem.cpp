#include "DNStatusItem.h"

#include "DNRecorderWidgets.h"

#include "ui/controls/DNImageNamed.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QVBoxLayout>
#include <QWidget>

namespace {
constexpr int kScreenMargin = 8;
}

DNStatusItem::DNStatusItem(const QString &title, QWidget *statusItemView, std::function<void()> stop)
    : stop_(std::move(stop))
    , view_(statusItemView)
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_ = new QSystemTrayIcon(QIcon(DNImageNamed(QStringLiteral("sr_status_recording.png"))), this);
        tray_->setToolTip(title);
        menu_ = new QMenu;
        duration_ = menu_->addAction(QString());
        duration_->setEnabled(false);
        menu_->addAction(tr("Stop Recording"), this, [this] { stop_(); });
        tray_->setContextMenu(menu_);
        connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                stop_();
        });
        tray_->show();
        return;
    }
    // Above the window manager's windows, as the record frame is, so the frame never covers it.
    floating_ = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                         | Qt::X11BypassWindowManagerHint);
    floating_->setObjectName(QStringLiteral("statusItemWindow"));
    floating_->setStyleSheet(DNRecorderStyleSheet());
    floating_->setWindowTitle(title);
    floating_->setAttribute(Qt::WA_ShowWithoutActivating);
    if (view_) {
        viewParent_ = view_->parentWidget();
        auto *layout = new QVBoxLayout(floating_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
        view_->show();
    }
    floating_->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        floating_->move(area.right() - floating_->width() - kScreenMargin, area.top() + kScreenMargin);
    }
    floating_->show();
}

DNStatusItem::~DNStatusItem()
{
    delete menu_;
    if (floating_) {
        // The status view belongs to its window: it goes back, hidden, for the next recording.
        if (view_) {
            view_->hide();
            view_->setParent(viewParent_);
        }
        delete floating_;
    }
}

void DNStatusItem::raise()
{
    if (floating_)
        floating_->raise();
}

void DNStatusItem::setDuration(const QString &text)
{
    if (duration_)
        duration_->setText(text);
    if (tray_)
        tray_->setToolTip(tray_->toolTip().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n') + text);
}
