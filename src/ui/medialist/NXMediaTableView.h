#pragma once

#include "NXMediaTableViewDelegate.h"

#include "core/model/NXBasicMediaNode.h"
#include "core/model/NXMediaPath.h"

#include <QList>
#include <QPointer>
#include <QScrollArea>

#include <memory>
#include <optional>

class DNCell;
class DNDVDNode;
class NXDragDetectView;
class NXPromptView;
class QAbstractAnimation;

using NXMediaNodeList = QList<NXMediaNodePtr>;

// The document view of the media list: rows are its children, placed by the list from the top
// (y grows downwards). While a single DVD source is listed its row sticks to the top of the
// visible area.
class NXView : public QWidget
{
    Q_OBJECT
public:
    explicit NXView(QWidget *parent = nullptr);
    QWidget *ownerTableView() const { return owner_; }
    void setOwnerTableView(QWidget *owner) { owner_ = owner; }
    bool enableStickCell() const { return enableStickCell_; }
    void setEnableStickCell(bool enable);
    // Moves every DVD source row to the top of the visible area.
    void stickDVDRootCell(int visibleTop);

private:
    QPointer<QWidget> owner_;
    bool enableStickCell_ = true;
};

// The media list of the main window: a scroll area whose document holds one free-standing row
// per entry of a two-level tree (top-level entries; the titles of a DVD source or the members of
// a file group below their entry). The list lays the rows out, animates the tree's changes, keeps
// the selection and the DVD highlight, and passes row requests to its delegate. The entries live
// in the array shared with the main window controller (setDatasource).
class NXMediaTableView : public QScrollArea
{
    Q_OBJECT
public:
    // Selection kinds.
    enum { KindFiles = -9, KindDVDSources = -7, KindGroupMembers = -5, KindOther = -100 };
    // Animation types of animationWithType.
    enum { AnimAdd = 0, AnimClear = 1, AnimRemove = 2, AnimRemoveChildren = 3, AnimMerge = 4 };

    explicit NXMediaTableView(QWidget *parent = nullptr);
    ~NXMediaTableView() override;

    // Length of every row animation (0.5 s); tests may shorten it.
    static int animationDurationMs();
    static void setAnimationDurationMs(int ms);

    NXMediaTableViewDelegate *delegate() const { return delegate_; }
    void setDelegate(NXMediaTableViewDelegate *delegate) { delegate_ = delegate; }

    // --- data source and addressing
    void setDatasource(const std::shared_ptr<NXMediaNodeList> &entries);
    std::shared_ptr<NXMediaNodeList> datasourceArray() const { return datasource_; }
    NXMediaNodeList dataSource() const { return *datasource_; }
    // 0 empty, 1 photo folders, 2 files, 3 DVD sources: from the last top-level entry.
    int tableMediaType() const;
    NXMediaNodePtr mediaNodeAtPath(const NXMediaPath &path) const;
    std::optional<NXMediaPath> pathForMediaNode(const NXBasicMediaNode *node) const;
    NXView *documentView() const { return document_; }
    NXPromptView *promptView() const { return prompt_; }
    NXDragDetectView *dragDetectView() const { return dragDetect_; }
    DNCell *cellAtPath(const NXMediaPath &path) const;

    // --- tree changes
    void addMovieNode(const NXMediaNodePtr &node);
    // Several entries added at once slide in together, in one animation.
    void addMovieNodes(const NXMediaNodeList &nodes);
    void insertMovieNode(const NXMediaNodePtr &node, NXMediaPath path);
    void insertMovieNodes(const NXMediaNodeList &nodes, const QList<NXMediaPath> &paths);
    void removeNodeAtPath(const NXMediaPath &path);
    void removeNodeAtPaths(const QList<NXMediaPath> &paths);
    void removeNode(const NXMediaNodePtr &node);
    void removeChildNodeAtPaths(const QList<NXMediaPath> &paths);
    void clearAll();
    void hiddenGroupForType(int mediaType);
    void animationWithType(int type, const NXMediaNodeList &nodes, const QList<NXMediaPath> &paths);
    void showGroupChildrenAtMoviePath(const NXMediaPath &path);
    void hiddenGroupChildrenAtMoviePath(const NXMediaPath &path);
    void exchangeMovieNodeAt(const NXMediaPath &a, const NXMediaPath &b);
    // Joins plain files into a new file group in the first one's place (animation type 4).
    void mergeMovieNodes(const NXMediaNodeList &nodes);
    // Moves the plain files among nodes into the file group at groupPath, after its members.
    void mergeMovieNodes(const NXMediaNodeList &nodes, const NXMediaPath &groupPath);
    // Dissolves the file group at path: its members take its place as plain files.
    void ungroupMergedGroup(const NXMediaPath &path);

    // --- DVD highlight and selection
    void selectDvdNode(const std::shared_ptr<DNDVDNode> &node);
    void unselectDvdNode();
    void setDVDGroupSelect(bool on, const std::shared_ptr<DNDVDNode> &node);
    std::shared_ptr<DNDVDNode> selecedDVDNode() const { return selecedDVDNode_.lock(); }
    int viewSelectedType() const { return selectedType_; }
    QList<DNCell *> viewSelectedCell() const;
    QList<NXMediaPath> viewSelectedCellPaths() const;
    NXMediaNodeList viewSelectedNodes() const;
    void unselectMovieViewCell();
    // The kind a row of this entry has in a selection.
    static int selectionKindOf(const NXBasicMediaNode &node);

    // --- layout and scrolling
    void reloadData() { refreshViewWithNeedResetFrame(false); }
    void refreshView() { refreshViewWithNeedResetFrame(false); }
    void refreshViewWithNeedResetFrame(bool reset);
    void repostionAllCellViewsWithoutAnimation();
    void refreshAllCells();
    void scrollViewToNodePath(const NXMediaPath &path);
    void scrollViewToTopOrBottom(bool top);
    bool hasPendingScroll() const { return flag_.scroll; }
    void scrollDocumentView();
    void broadcastCellPositionDidChanged();
    void viewDidEndLiveResize();
    void moveFocusUp() { moveFocus(true); }
    void moveFocusDown() { moveFocus(false); }
    void moveFocus(bool up) { Q_UNUSED(up); }

    // --- row callbacks
    void cellSelected(DNCell *cell, bool append) { cellSelected(cell, append, true); }
    void cellSelected(DNCell *cell, bool append, bool postOut);
    void cellMoveUp(DNCell *cell);
    void cellMoveDown(DNCell *cell);
    void cellRemove(DNCell *cell);
    void cellShowGroupChild(DNCell *cell);
    void cellHiddenGroupChild(DNCell *cell);
    void cellPlayPressed(DNCell *cell);
    void cellSettingPressed(DNCell *cell);
    void cellChangeCurProfilePressed(DNCell *cell);
    void cellChangeProfilePressed(DNCell *cell);
    void cellChangeTagPressed(DNCell *cell);
    void cellCheckStateChanged(DNCell *cell);
    void cellEditLoadExtSubtitle(DNCell *cell);
    void cellEdit(DNCell *cell);
    void cellEditChangeVolume(DNCell *cell);
    void cellEditTrim(DNCell *cell);
    void cellEditCropExpand(DNCell *cell);
    void cellDeselectAll(DNCell *cell);
    void cellUpGroup(DNCell *cell);
    void onEditCell();
    void onInfoOfCell();
    void onMergeCell();

    // --- the empty list's buttons and drops
    void actionAddDVDDisc();
    void actionAddDVDFolder();
    void actionAddDVDISO();
    // A drop record: the paths and the drop kind.
    void draggingFileIntoTable(const QStringList &paths, int kind);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct Flag
    {
        bool scroll = false;
        int offsetMain = 2147483647;
        int offsetChild = 2147483647;
        int scrollModel = 2;
    };

    void initWork();
    int rowWidth() const;
    QRect visibleRect() const;
    bool isRowVisible(const QRect &frame, const QRect &visible) const;
    DNCell *makeRow(const NXMediaNodePtr &node, int y);
    void retireRow(NXBasicMediaNode *node);
    void dropFromSelection(DNCell *cell);
    void setDocumentHeight(int y);
    void runBlocking(QAbstractAnimation *animation);
    void fade(const QList<DNCell *> &cells, bool in, bool linear = false);
    void postAmount(bool holdsEntries);
    void postSelectionChanged(bool postOut);
    void scheduleBroadcast();
    void askDelegateLater(const std::function<void(NXMediaTableViewDelegate *)> &call);
    int walkRows(const std::function<void(DNCell *, int y)> &place);
    DNCell *titleRowOf(const DNDVDNode &dvd) const;
    void editRequest(DNCell *cell, int tab);
    // Animation types 3 and 4.
    void removeGroupMembers(const QList<NXMediaPath> &paths);
    void mergeIntoNewGroup(const NXMediaNodeList &nodes);
    // The group row's thumbnails, or the DVD row's texts, after its members changed.
    void refreshGroupRow(NXBasicMediaNode *group);

    NXMediaTableViewDelegate *delegate_ = nullptr;
    std::shared_ptr<NXMediaNodeList> datasource_;
    QList<QPointer<DNCell>> selectCell_;
    Flag flag_;
    int selectedType_ = 0;
    std::weak_ptr<DNDVDNode> selecedDVDNode_;
    NXView *document_ = nullptr;
    NXPromptView *prompt_ = nullptr;
    NXDragDetectView *dragDetect_ = nullptr;
};
