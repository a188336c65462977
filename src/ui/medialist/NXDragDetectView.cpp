#include "NXDragDetectView.h"

#include "NXMediaTableView.h"

#include "core/util/DNNameText.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {
QStringList localPaths(const QMimeData *data)
{
    QStringList paths;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

// A folder holding VIDEO_TS whose path the drop gave with U+FFFD for bytes that are not text.
bool isDVDFolderNamedNotText(const QString &path)
{
    return !DNNameNotTextOnDisk(path).isEmpty() && DNIsFolderOnDisk(path + QStringLiteral("/VIDEO_TS"));
}

bool hasFileNames(const QMimeData *data)
{
    return data && data->hasUrls() && !localPaths(data).isEmpty();
}
}

NXDragDetectView::NXDragDetectView(QObject *parent) : QObject(parent) {}

NXDragDetectView::~NXDragDetectView()
{
    hoster_ = nullptr;
}

bool NXDragDetectView::isSheetAttached() const
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal && modal->isVisible();
}

bool NXDragDetectView::draggingEntered(const QMimeData *data, bool sheetAttached) const
{
    return !sheetAttached && hasFileNames(data);
}

bool NXDragDetectView::prepareForDragOperation(const QMimeData *data, bool sheetAttached)
{
    if (sheetAttached)
        return false;
    if (!hasFileNames(data))
        return true;
    fileListArray_.clear();
    dragFileKind_ = 0;
    for (const QString &path : localPaths(data)) {
        const QFileInfo info(path);
        const QFileInfo videoTS(QDir(path).filePath(QStringLiteral("VIDEO_TS")));
        // A DVD folder whose name is not text is taken too, so that its loading says why it
        // cannot be read rather than the drop doing nothing.
        if ((info.isDir() && videoTS.isDir()) || isDVDFolderNamedNotText(path)) {
            fileListArray_ << path;
            dragFileKind_ = 2;
        }
    }
    return true;
}

bool NXDragDetectView::performDragOperation(bool sheetAttached)
{
    if (sheetAttached)
        return false;
    if (dragFileKind_ != 2 && dragFileKind_ != 3)
        return false;
    const int listKind = hoster_ ? hoster_->tableMediaType() : 0;
    const bool fileKind = dragFileKind_ == 1 || dragFileKind_ == 4;
    if ((listKind == 1 || listKind == 2) && !fileKind)
        return false;
    if (listKind == 3 && fileKind)
        return false;
    if (fileListArray_.isEmpty())
        return false;
    if (hoster_)
        hoster_->draggingFileIntoTable(fileListArray_, dragFileKind_);
    return true;
}

void NXDragDetectView::handleDragEnter(QDragEnterEvent *event)
{
    if (draggingEntered(event->mimeData(), isSheetAttached())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void NXDragDetectView::handleDragMove(QDragMoveEvent *event)
{
    if (draggingEntered(event->mimeData(), isSheetAttached())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void NXDragDetectView::handleDrop(QDropEvent *event)
{
    const bool sheet = isSheetAttached();
    if (prepareForDragOperation(event->mimeData(), sheet) && performDragOperation(sheet)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

bool NXDragDetectView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
        handleDragEnter(static_cast<QDragEnterEvent *>(event));
        return true;
    case QEvent::DragMove:
        handleDragMove(static_cast<QDragMoveEvent *>(event));
        return true;
    case QEvent::Drop:
        handleDrop(static_cast<QDropEvent *>(event));
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
