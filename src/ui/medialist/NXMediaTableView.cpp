#include "NXMediaTableView.h"

#include "DNCell.h"
#include "DNDVDRootCell.h"
#include "NXDragDetectView.h"
#include "NXPromptView.h"

#include "convert/files/DNCaptureController.h"
#include "core/notify/DNNotificationCenter.h"
#include "dvd/DNDVDNode.h"
#include "ui/controls/NXScroller.h"

#include <QCursor>
#include <QDragEnterEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QTimer>

namespace {
int gAnimationDurationMs = 500;
const QString kRefreshAllCells = QStringLiteral("NXMediaTableViewRefreshAllCells 0.0");
}

NXView::NXView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("NXView"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(246, 247, 249));
    setPalette(pal);
}

void NXView::setEnableStickCell(bool enable)
{
    enableStickCell_ = enable;
    update();
}

void NXView::stickDVDRootCell(int visibleTop)
{
    if (!enableStickCell_)
        return;
    for (QObject *child : children()) {
        if (auto *row = qobject_cast<DNDVDRootCell *>(child)) {
            row->move(0, qMax(0, visibleTop));
            row->raise();
        }
    }
}

int NXMediaTableView::animationDurationMs()
{
    return gAnimationDurationMs;
}

void NXMediaTableView::setAnimationDurationMs(int ms)
{
    gAnimationDurationMs = qMax(0, ms);
}

NXMediaTableView::NXMediaTableView(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("NXMediaTableView"));
    initWork();
}

NXMediaTableView::~NXMediaTableView()
{
    DNNotificationCenter::defaultCenter().removeObserver(this);
    delegate_ = nullptr;
}

void NXMediaTableView::initWork()
{
    flag_ = Flag();
    selectedType_ = 0;
    datasource_ = std::make_shared<NXMediaNodeList>();
    selectCell_.clear();
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBar(new NXScroller(Qt::Vertical, this));
    setWidgetResizable(false);
    setFocusPolicy(Qt::StrongFocus);
    if (!document_) {
        document_ = new NXView;
        document_->setOwnerTableView(this);
        setWidget(document_);
        document_->resize(viewport()->width(), qMax(0, viewport()->height() - 10));
    }
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { document_->stickDVDRootCell(value); });
    if (!prompt_) {
        prompt_ = new NXPromptView(rect(), this);
        prompt_->setHoster(this);
    }
    if (!dragDetect_) {
        dragDetect_ = new NXDragDetectView(this);
        dragDetect_->setHoster(this);
        prompt_->setAcceptDrops(true);
        prompt_->installEventFilter(dragDetect_);
    }
    setAcceptDrops(true);
    DNNotificationCenter::defaultCenter().addObserver(
        this, kRefreshAllCells, [this](const DNNotification &) { refreshAllCells(); });
    // A file's thumbnail arrives after its row was made.
    connect(&DNCaptureController::shareCaptureQueue(), &DNCaptureController::thumbnailChanged, this,
            [](const DNFileNodePtr &node) {
                if (DNCell *row = DNCell::cellOfNode(node.get()))
                    row->updateCellContent();
            });
}

void NXMediaTableView::setDatasource(const std::shared_ptr<NXMediaNodeList> &entries)
{
    if (entries)
        datasource_ = entries;
}

int NXMediaTableView::tableMediaType() const
{
    if (datasource_->isEmpty())
        return 0;
    switch (datasource_->last()->mediaType()) {
    case NXMediaTypeGraphics:
        return 1;
    case NXMediaTypeFile:
    case NXMediaTypeFileGroup:
        return 2;
    default:
        return 3;
    }
}

NXMediaNodePtr NXMediaTableView::mediaNodeAtPath(const NXMediaPath &path) const
{
    if (path.mainIndex() < 0 || path.mainIndex() >= datasource_->size())
        return nullptr;
    const NXMediaNodePtr &top = datasource_->at(path.mainIndex());
    if (path.childIndex() < 0)
        return top;
    return top->childAtIndex(path.childIndex());
}

std::optional<NXMediaPath> NXMediaTableView::pathForMediaNode(const NXBasicMediaNode *node) const
{
    for (int i = 0; i < datasource_->size(); ++i) {
        const NXMediaNodePtr &top = datasource_->at(i);
        if (top.get() == node)
            return NXMediaPath(i, -1);
        const auto &children = top->children();
        for (int j = 0; j < children.size(); ++j)
            if (children.at(j).get() == node)
                return NXMediaPath(i, j);
    }
    return std::nullopt;
}

DNCell *NXMediaTableView::cellAtPath(const NXMediaPath &path) const
{
    const NXMediaNodePtr node = mediaNodeAtPath(path);
    return node ? DNCell::cellOfNode(node.get()) : nullptr;
}

int NXMediaTableView::rowWidth() const
{
    return viewport()->width();
}

QRect NXMediaTableView::visibleRect() const
{
    return QRect(0, verticalScrollBar()->value(), viewport()->width(), viewport()->height());
}

bool NXMediaTableView::isRowVisible(const QRect &frame, const QRect &visible) const
{
    return visible.contains(frame.topLeft()) || visible.contains(QPoint(frame.x(), frame.y() + frame.height()));
}

int NXMediaTableView::walkRows(const std::function<void(DNCell *, int)> &place)
{
    int y = 0;
    for (int i = 0; i < datasource_->size(); ++i) {
        const NXMediaNodePtr &top = datasource_->at(i);
        if (DNCell *row = DNCell::cellOfNode(top.get())) {
            row->setMainOrder(i, -1);
            place(row, y);
            y += row->height();
        }
        if (top->isHiddenChildren())
            continue;
        const auto &children = top->children();
        for (int j = 0; j < children.size(); ++j) {
            if (DNCell *row = DNCell::cellOfNode(children.at(j).get())) {
                row->setMainOrder(i, j);
                place(row, y);
                y += row->height();
            }
        }
    }
    return y;
}

void NXMediaTableView::refreshViewWithNeedResetFrame(bool reset)
{
    const QRect visible = visibleRect();
    auto *group = new QParallelAnimationGroup;
    const int width = rowWidth();
    const int y = walkRows([&](DNCell *row, int top) {
        if (row->width() != width)
            row->resize(width, row->height());
        if (!reset || row->y() == top)
            return;
        const QRect target(0, top, width, row->height());
        if (!row->isHidden() && (isRowVisible(QRect(0, top, width, row->height()), visible))) {
            auto *slide = new QPropertyAnimation(row, "geometry");
            slide->setDuration(gAnimationDurationMs);
            slide->setEasingCurve(QEasingCurve::InOutQuad);
            slide->setStartValue(row->geometry());
            slide->setEndValue(target);
            group->addAnimation(slide);
        } else {
            row->setGeometry(target);
        }
    });
    if (group->animationCount() > 0)
        runBlocking(group);
    delete group;
    setDocumentHeight(y);
}

void NXMediaTableView::repostionAllCellViewsWithoutAnimation()
{
    const int width = rowWidth();
    const int y = walkRows([&](DNCell *row, int top) {
        if (row->y() != top || row->width() != width)
            row->setGeometry(0, top, width, row->height());
    });
    setDocumentHeight(y);
}

void NXMediaTableView::setDocumentHeight(int y)
{
    const int h = viewport()->height();
    if (h >= y) {
        document_->resize(viewport()->width(), qMax(0, h - 10));
    } else {
        document_->resize(viewport()->width(), y);
        if (flag_.scroll)
            scrollDocumentView();
    }
    document_->stickDVDRootCell(verticalScrollBar()->value());
}

void NXMediaTableView::scrollViewToNodePath(const NXMediaPath &path)
{
    if (path.mainIndex() >= 0 && path.mainIndex() < datasource_->size()) {
        flag_.scroll = true;
        flag_.scrollModel = 2;
        flag_.offsetMain = path.mainIndex();
        flag_.offsetChild = path.childIndex();
    } else {
        scrollViewToTopOrBottom(false);
    }
}

void NXMediaTableView::scrollViewToTopOrBottom(bool top)
{
    flag_.scroll = true;
    flag_.scrollModel = top ? 0 : 1;
}

void NXMediaTableView::scrollDocumentView()
{
    if (!flag_.scroll)
        return;
    const int h = viewport()->height();
    const int bottom = document_->y() + document_->height();
    int target = 0;
    if (flag_.scrollModel == 1) {
        target = document_->height() - h;
    } else if (flag_.scrollModel == 2) {
        DNCell *row = cellAtPath(NXMediaPath(flag_.offsetMain, flag_.offsetChild));
        if (!row) {
            flag_.scroll = false;
            return;
        }
        QRect narrowed = visibleRect();
        narrowed.setTop(narrowed.top() + 80);
        narrowed.setHeight(viewport()->height() - 160);
        if (narrowed.contains(row->geometry().topLeft())) {
            flag_.scroll = false;
            return;
        }
        target = qMax(0, row->geometry().bottom() + 1 - int(h * 0.5));
    }
    Q_UNUSED(bottom);
    verticalScrollBar()->setValue(target);
    flag_.scroll = false;
}

void NXMediaTableView::broadcastCellPositionDidChanged()
{
    DNNotificationCenter::defaultCenter().postNotification(
        DNNotificationScrollWheel, QVariant(), {{DNScrollWheelEventKey, QCursor::pos()}});
}

void NXMediaTableView::scheduleBroadcast()
{
    QTimer::singleShot(500, this, &NXMediaTableView::broadcastCellPositionDidChanged);
}

void NXMediaTableView::viewDidEndLiveResize()
{
    DNCell *last = nullptr;
    if (!datasource_->isEmpty()) {
        const NXMediaNodePtr &top = datasource_->last();
        last = DNCell::cellOfNode(top.get());
        if (top->isGroupNode() && !top->isHiddenChildren() && !top->children().isEmpty())
            last = DNCell::cellOfNode(top->children().last().get());
    }
    const int maxY = last ? last->geometry().bottom() + 1 : 0;
    document_->resize(viewport()->width(), qMax(maxY, viewport()->height()));
    for (const NXMediaNodePtr &top : *datasource_) {
        if (DNCell *row = DNCell::cellOfNode(top.get()))
            row->resize(rowWidth(), row->height());
        for (const NXMediaNodePtr &child : top->children())
            if (DNCell *row = DNCell::cellOfNode(child.get()))
                row->resize(rowWidth(), row->height());
    }
}

void NXMediaTableView::refreshAllCells()
{
    for (const NXMediaNodePtr &top : *datasource_) {
        if (DNCell *row = DNCell::cellOfNode(top.get()))
            row->updateCellContent();
        for (const NXMediaNodePtr &child : top->children())
            if (DNCell *row = DNCell::cellOfNode(child.get()))
                row->updateCellContent();
    }
}

void NXMediaTableView::runBlocking(QAbstractAnimation *animation)
{
    if (gAnimationDurationMs == 0) {
        animation->start();
        animation->setCurrentTime(animation->totalDuration());
        animation->stop();
        return;
    }
    QEventLoop loop;
    // Stopped, not finished: an animation can stop without finishing (one whose row is destroyed
    // while it runs does), and the list must not wait for it for ever.
    connect(animation, &QAbstractAnimation::stateChanged, &loop, [&loop](QAbstractAnimation::State state) {
        if (state == QAbstractAnimation::Stopped)
            loop.quit();
    });
    animation->start();
    if (animation->state() == QAbstractAnimation::Running)
        loop.exec();
}

void NXMediaTableView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        moveFocus(true);
        event->accept();
        return;
    case Qt::Key_Down:
        moveFocus(false);
        event->accept();
        return;
    default:
        event->ignore();
    }
}

void NXMediaTableView::wheelEvent(QWheelEvent *event)
{
    QScrollArea::wheelEvent(event);
    DNNotificationCenter::defaultCenter().postNotification(
        DNNotificationScrollWheel, QVariant(),
        {{DNScrollWheelEventKey, event->globalPosition().toPoint()}});
}

void NXMediaTableView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    if (prompt_)
        prompt_->setGeometry(rect());
    viewDidEndLiveResize();
}

void NXMediaTableView::dragEnterEvent(QDragEnterEvent *event)
{
    dragDetect_->handleDragEnter(event);
}

void NXMediaTableView::dragMoveEvent(QDragMoveEvent *event)
{
    dragDetect_->handleDragMove(event);
}

void NXMediaTableView::dropEvent(QDropEvent *event)
{
    dragDetect_->handleDrop(event);
}

void NXMediaTableView::askDelegateLater(const std::function<void(NXMediaTableViewDelegate *)> &call)
{
    QTimer::singleShot(0, this, [this, call] {
        if (delegate_)
            call(delegate_);
    });
}

void NXMediaTableView::actionAddDVDDisc()
{
    askDelegateLater([](NXMediaTableViewDelegate *d) { d->movieViewWantAddDVDTypeMedia(1); });
}

void NXMediaTableView::actionAddDVDFolder()
{
    askDelegateLater([](NXMediaTableViewDelegate *d) { d->movieViewWantAddDVDTypeMedia(2); });
}

void NXMediaTableView::actionAddDVDISO()
{
    askDelegateLater([](NXMediaTableViewDelegate *d) { d->movieViewWantAddDVDTypeMedia(3); });
}

void NXMediaTableView::draggingFileIntoTable(const QStringList &paths, int kind)
{
    if (delegate_)
        delegate_->movieViewDragedFilesEntered(paths, kind);
}

void NXMediaTableView::postAmount(bool holdsEntries)
{
    DNNotificationCenter::defaultCenter().postNotification(
        QStringLiteral("NXMediaTableViewAmountDidChangedNotification >_<"), holdsEntries);
}

void NXMediaTableView::postSelectionChanged(bool postOut)
{
    DNNotificationCenter::defaultCenter().postNotification(
        QStringLiteral("NXMediaTableViewSelectionDidChangedNotification @_@"), postOut);
}
