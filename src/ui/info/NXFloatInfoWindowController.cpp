#include "NXFloatInfoWindowController.h"

#include "NXFloatInfoContent.h"

#include "ui/controls/DNPlainText.h"
#include "ui/transition/NXScreenPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

QPointer<QWidget> NXFloatInfoWindowController::mainWindow_;

NXFloatInfoWindowController &NXFloatInfoWindowController::shareInstance()
{
    static QPointer<NXFloatInfoWindowController> shared;
    if (!shared) {
        shared = new NXFloatInfoWindowController;
        if (QCoreApplication *app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, shared.data(), &QObject::deleteLater);
    }
    return *shared;
}

void NXFloatInfoWindowController::setMainWindow(QWidget *window)
{
    mainWindow_ = window;
}

NXFloatInfoWindowController::NXFloatInfoWindowController(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FloatInfo"));
    setWindowTitle(tr("Media Information"));
    resize(380, 460);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    outline_view_ = new QTreeWidget(this);
    outline_view_->setColumnCount(2);
    outline_view_->setHeaderLabels({tr("Name"), tr("Value")});
    outline_view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    outline_view_->setSelectionMode(QAbstractItemView::SingleSelection);
    outline_view_->setAlternatingRowColors(true);
    outline_view_->setUniformRowHeights(true);
    outline_view_->header()->setStretchLastSection(true);
    outline_view_->setColumnWidth(0, 190);
    layout->addWidget(outline_view_);
}

void NXFloatInfoWindowController::onSelectionDidChangedNotification(const NXMediaNodePtr &node)
{
    if (!node)
        return;
    if (NXFloatInfoHidesForMediaType(node->mediaType())) {
        hiddenTheWindow();
        return;
    }
    if (isVisible())
        refreshViewWithNode(node);
}

void NXFloatInfoWindowController::showWindowWithNode(const NXMediaNodePtr &node)
{
    if (!node)
        return;
    if (NXFloatInfoHidesForMediaType(node->mediaType())) {
        hiddenTheWindow();
        return;
    }
    refreshViewWithNode(node);
    if (!isVisible()) {
        // Placed beside the main window the first time; opened again, it opens where it was
        // (where the user may have moved it), which the window system keeps for a hidden window.
        // Placing it again would take its frame for its content and move it by its title bar's
        // height at every opening, up to the screen's corner.
        if (!placed_) {
            choosePerfectPosition();
            placed_ = true;
        }
        show();
        raise();
    }
}

void NXFloatInfoWindowController::hiddenTheWindow()
{
    hide();
}

void NXFloatInfoWindowController::refreshViewWithNode(const NXMediaNodePtr &node)
{
    if (!node)
        return;
    dataSource_.clear();
    NXFloatInfoContent content = NXFloatInfoContent::forNode(node);
    if (!content.title.isEmpty())
        setWindowTitle(DNPlainWindowTitle(content.title));
    dataSource_ = std::move(content.rows);
    reloadOutline();
}

void NXFloatInfoWindowController::reloadOutline()
{
    outline_view_->clear();
    const std::function<void(QTreeWidgetItem *, const NXObjKV &)> add = [&](QTreeWidgetItem *item, const NXObjKV &row) {
        item->setText(0, row.key);
        item->setText(1, row.value);
        item->setToolTip(1, DNPlainToolTip(row.value));
        if (row.isExpandable()) {
            QFont font = item->font(0);
            font.setBold(true);
            item->setFont(0, font);
        }
        for (const NXObjKV &child : row.children)
            add(new QTreeWidgetItem(item), child);
    };
    for (const NXObjKV &row : dataSource_)
        add(new QTreeWidgetItem(outline_view_), row);
    outline_view_->expandAll();
}

QPoint NXFloatInfoWindowController::perfectPosition(const QRect &mainFrame, const QRect &screen, const QSize &infoSize)
{
    // Bottoms aligned beside the main window when it leaves room on a side.
    const int bottomAligned = mainFrame.y() + mainFrame.height() - infoSize.height();
    if (mainFrame.x() - screen.x() > infoSize.width())
        return QPoint(mainFrame.x() - infoSize.width(), bottomAligned);
    if ((screen.x() + screen.width()) - (mainFrame.x() + mainFrame.width()) > infoSize.width())
        return QPoint(mainFrame.x() + mainFrame.width(), bottomAligned);
    return QPoint(screen.x() + (screen.width() - infoSize.width()) / 2,
                  screen.y() + (screen.height() - infoSize.height()) / 2);
}

void NXFloatInfoWindowController::choosePerfectPosition()
{
    const QScreen *screen = mainWindow_ ? mainWindow_->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect mainFrame = mainWindow_ ? mainWindow_->frameGeometry() : QRect();
    // The frame the window manager will draw counts: without it the window would overlap the
    // main window by its borders. The point is the frame's top left, as move() takes it.
    const QSize frameSize = size().grownBy(NXScreenPlacement::frameMargins(this));
    move(perfectPosition(mainFrame, screen->geometry(), frameSize));
}

void NXFloatInfoWindowController::closeEvent(QCloseEvent *event)
{
    dataSource_.clear();
    outline_view_->clear();
    event->accept();
}
