#include "DNAlertSheet.h"

#include "DNPlainText.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPointer>
#include <QSpacerItem>

#include <algorithm>

namespace {

// The width a title bar needs for title: the title in the bold face of the interface (title bars
// draw bold, rarely larger than the interface's text), and beside it the window's icon, its three
// buttons and the bar's margins, for which six lines' height of that face is room enough.
int titleBarWidth(const QString &title)
{
    QFont face = QApplication::font();
    face.setBold(true);
    const QFontMetrics metrics(face);
    return metrics.horizontalAdvance(title) + 6 * metrics.height();
}

const char kRoomName[] = "DNAlertTitleRoom";

// Holds the alert's room for its title in its layout and renews it when the title or the
// interface's face changes. The alert makes its layout anew when its parts change (an
// informative text, an icon, a check box), so the room is put into whichever layout it has
// before the alert sizes itself by it.
class AlertTitleRoom : public QObject
{
public:
    explicit AlertTitleRoom(QMessageBox *alert) : QObject(alert), alert_(alert)
    {
        setObjectName(QLatin1String(kRoomName));
        fit();
        alert->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::WindowTitleChange:
        case QEvent::FontChange:
        // Before the alert sizes itself by its layout.
        case QEvent::Show:
        case QEvent::LayoutRequest:
            fit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // A changed room makes the layout ask the alert to size itself again.
    void fit()
    {
        auto *grid = qobject_cast<QGridLayout *>(alert_->layout());
        if (!grid)
            return;
        if (grid != grid_) {
            grid_ = grid;
            room_ = new QSpacerItem(0, 0);
            // Beside the buttons (their row, all columns): a row of its own would add spacing.
            grid->addItem(room_, std::max(0, grid->rowCount() - 1), 0, 1, grid->columnCount());
        }
        // An alert without a title of its own shows the application's name in its title bar.
        const QString title = alert_->windowTitle().isEmpty() ? QGuiApplication::applicationDisplayName()
                                                              : alert_->windowTitle();
        const int width = titleBarWidth(title);
        if (room_->sizeHint().width() != width) {
            room_->changeSize(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
            grid->invalidate();
        }
    }

    QMessageBox *alert_;
    // The layout the room was put into; a new layout gets a room of its own.
    QPointer<QGridLayout> grid_;
    QSpacerItem *room_ = nullptr;
};

} // namespace

void DNFitAlertToTitle(QMessageBox *alert)
{
    if (alert && !alert->findChild<QObject *>(QLatin1String(kRoomName), Qt::FindDirectChildrenOnly))
        new AlertTitleRoom(alert);
}

QMessageBox *DNOpenAlertSheet(QWidget *window, QMessageBox::Icon icon, const QString &title, const QString &text,
                              const QString &informative, const QString &button)
{
    auto *alert = new QMessageBox(icon, title, text, QMessageBox::NoButton, window);
    alert->setInformativeText(informative);
    alert->addButton(button, QMessageBox::AcceptRole);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    DNShowAsPlainText(alert);
    DNFitAlertToTitle(alert);
    alert->open();
    return alert;
}
