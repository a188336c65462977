// The commands on the list's selection (merge, rename, edit, information, remove, clear) and
// their enabling as the selection changes.
#include "NXAppController.h"

#include "DNWindow.h"

#include "core/platform/PlayerProcessRegistry.h"
#include "core/log/DNLogger.h"
#include "core/model/NXMediaType.h"
#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileNode.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/info/NXFloatInfoWindowController.h"
#include "ui/medialist/DNCell.h"
#include "ui/medialist/DNDVDTitleCell.h"
#include "ui/medialist/NXMediaTableView.h"
#include "ui/player/NXMPlayerControl.h"

namespace {
// The picture of an entry, when its kind has one.
QImage thumbnailOf(const NXMediaNodePtr &node)
{
    if (auto file = std::dynamic_pointer_cast<DNFileNode>(node))
        return file->thumbnail();
    if (auto dvd = std::dynamic_pointer_cast<DNDVDNode>(node))
        return dvd->thumbnail();
    return QImage();
}
} // namespace

NXListCommandStates NXAppController::commandStatesForSelection(int selected, int lastMediaType, int selectionKind)
{
    NXListCommandStates on;
    if (selected <= 0)
        return on;
    if (selected == 1) {
        const bool photoFolder = lastMediaType == NXMediaTypeGraphics;
        on.play = on.pause = !photoFolder;
        on.edit = photoFolder || (lastMediaType != NXMediaTypeFileGroup && lastMediaType != NXMediaTypeFileGroupMember);
        on.rename = true;
        on.info = !photoFolder && lastMediaType != NXMediaTypeFileGroup;
        on.remove = true;
        return on;
    }
    if (lastMediaType == NXMediaTypeDVDTitle || lastMediaType == NXMediaTypeDVDGroupTitle) {
        on.edit = on.rename = on.info = true;
        on.remove = lastMediaType == NXMediaTypeDVDGroupTitle;
        return on;
    }
    on.merge = selectionKind == NXMediaTableView::KindFiles;
    on.remove = true;
    return on;
}

void NXAppController::selectionDidChangeNotification(const QVariant &object)
{
    // A user's click (object YES) also stops a running preview.
    if (object.typeId() == QMetaType::Bool && object.toBool() && mplayerControl && mplayerControl->isPlayerBegin())
        mplayerControl->stopPlay();
    const QList<DNCell *> selected = tableView ? tableView->viewSelectedCell() : QList<DNCell *>();
    DNCell *last = selected.isEmpty() ? nullptr : selected.last();
    const NXMediaNodePtr node = last ? last->data() : nullptr;
    NXFloatInfoWindowController::shareInstance().onSelectionDidChangedNotification(node);

    const NXListCommandStates on = commandStatesForSelection(
        int(selected.size()), node ? node->mediaType() : -1, tableView ? tableView->viewSelectedType() : 0);
    const std::pair<QPushButton *, bool> rows[] = {
        {playAndStop.data(), on.play}, {pauseAndGoon.data(), on.pause}, {editButton, on.edit},     {renameButton, on.rename},
        {mergeButton, on.merge}, {infoButton, on.info},    {removeButton, on.remove},
    };
    for (const auto &[button, enabled] : rows)
        if (button)
            button->setEnabled(enabled);
    if (selected.isEmpty())
        NXFloatInfoWindowController::shareInstance().hiddenTheWindow();

    // A DVD title row keeps the picture that was shown before (its disc's).
    if (!subWindowTrackView || qobject_cast<DNDVDTitleCell *>(last))
        return;
    QPixmap picture = last ? QPixmap::fromImage(thumbnailOf(node)) : DNImageNamed(QStringLiteral("our_company.png"));
    if (picture.isNull())
        picture = DNImageNamed(QStringLiteral("preview_blank.png"));
    subWindowTrackView->setPixmap(picture.isNull() ? picture
                                                   : picture.scaled(subWindowTrackView->size(), Qt::KeepAspectRatio,
                                                                    Qt::SmoothTransformation));
}

void NXAppController::mergerSelected()
{
    if (!tableView)
        return;
    const NXMediaNodeList nodes = tableView->viewSelectedNodes();
    NXMediaNodePtr group;
    for (const NXMediaNodePtr &node : nodes)
        if (node->mediaType() == NXMediaTypeFileGroup) {
            group = node;
            break;
        }
    // A selected group has a row, and the row knows where the group stands.
    if (DNCell *groupRow = group ? DNCell::cellOfNode(group.get()) : nullptr)
        tableView->mergeMovieNodes(nodes, groupRow->nodePath());
    else
        tableView->mergeMovieNodes(nodes);
    tableView->reloadData();
    // The list empties its selection as it merges and says nothing of it: the commands and the
    // placeholder follow the empty selection here.
    selectionDidChangeNotification(QVariant());
}

void NXAppController::renameSelected()
{
    if (!tableView)
        return;
    const QList<DNCell *> selected = tableView->viewSelectedCell();
    if (selected.isEmpty())
        return;
    DNCell *row = selected.first();
    const NXMediaNodePtr node = row->data();
    if (node && node->mediaType() == NXMediaTypeDVDTitle && node->parent())
        row = DNCell::cellOfNode(node->parent());
    if (row)
        row->setEditState(true);
}

void NXAppController::editSelected(bool fromCommand)
{
    // The editor shows its own preview: no player of ours may hold the picture meanwhile.
    PlayerProcessRegistry::shared().killAll();
    if (!tableView)
        return;
    const QList<NXMediaPath> paths = tableView->viewSelectedCellPaths();
    if (paths.size() != 1)
        return;
    openEditorForNode(entryAtPath(paths.last()), fromCommand ? 0 : 1);
}

void NXAppController::infoOfSelected()
{
    const QList<DNCell *> selected = tableView ? tableView->viewSelectedCell() : QList<DNCell *>();
    if (selected.isEmpty())
        return;
    // The window shows no title on its own: a title row stands for its disc, whose information
    // lists the titles ticked for ripping (as the editor, opened on a title, shows its disc's).
    DNCell *last = selected.last();
    NXMediaNodePtr node = last->data();
    if (node && node->mediaType() == NXMediaTypeDVDTitle)
        node = entryAtPath(last->fatherNodePath());
    NXFloatInfoWindowController::setMainWindow(mainWindow);
    NXFloatInfoWindowController::shareInstance().showWindowWithNode(node);
}

void NXAppController::removeSelected()
{
    if (!tableView)
        return;
    switch (tableView->viewSelectedType()) {
    case -6:
        return;
    case NXMediaTableView::KindGroupMembers:
        tableView->removeChildNodeAtPaths(tableView->viewSelectedCellPaths());
        return;
    default:
        break;
    }
    // A selected DVD title stands for its disc (the two are highlighted together): the disc
    // leaves the list, as its row's own remove button does. A title alone cannot leave it.
    QList<NXMediaPath> paths;
    for (const NXMediaPath &path : tableView->viewSelectedCellPaths()) {
        const NXMediaPath top(path.mainIndex(), -1);
        if (!paths.contains(top))
            paths << top;
    }
    tableView->removeNodeAtPaths(paths);
}

void NXAppController::clearAll()
{
    DNRoughLog(QStringLiteral("Clean All  @_@"));
    if (tableView)
        tableView->clearAll();
}
