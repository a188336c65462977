#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class NXMediaTableView;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;

// The media list's drop target: it takes DVD folders (a folder holding a "VIDEO_TS" folder)
// dragged onto the list as file names and hands them to the list, which passes them to its
// delegate. It is not a visible layer: the list and its prompt hand their drag events here, so
// clicks keep reaching the rows and buttons.
class NXDragDetectView : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTag = 10086;
    explicit NXDragDetectView(QObject *parent = nullptr);
    ~NXDragDetectView() override;
    int tag() const { return kTag; }
    void setHoster(NXMediaTableView *hoster) { hoster_ = hoster; }

    QStringList fileListArray() const { return fileListArray_; }
    int dragFileKind() const { return dragFileKind_; }

    // The three steps of a drop, on plain data. sheetAttached: the window shows a sheet.
    bool draggingEntered(const QMimeData *data, bool sheetAttached) const;
    bool prepareForDragOperation(const QMimeData *data, bool sheetAttached);
    bool performDragOperation(bool sheetAttached);

    void handleDragEnter(QDragEnterEvent *event);
    void handleDragMove(QDragMoveEvent *event);
    void handleDrop(QDropEvent *event);
    // True while a window-modal sheet is open over the list's window.
    bool isSheetAttached() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<NXMediaTableView> hoster_;
    QStringList fileListArray_;
    int dragFileKind_ = 0;
};
