// What a row of the media list asks of the main window: the profile chooser or the profile
// sheet for its entry, the tag sheet, and the editors.
#include "NXAppController.h"

#include "DNWindow.h"

#include "core/action/NXAction.h"
#include "core/model/NXMediaType.h"
#include "dvd/edit/DNEditedItem.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "ui/medialist/NXMediaTableView.h"
#include "ui/profiles/NXProfileController.h"
#include "ui/editor/DNVideoEditorController.h"
#include "ui/slideshow/DNImageEditor.h"
#include "ui/tags/DNNodeTagController.h"

namespace {
// The entry a request is about, when exactly one row is selected; the requests that open a
// sheet for one entry do nothing otherwise.
NXMediaNodePtr singleSelectionEntry(const NXAppController &c, const NXMediaPath &path)
{
    if (!c.mainWindow || !c.tableView || c.tableView->viewSelectedCellPaths().size() != 1)
        return nullptr;
    return c.entryAtPath(path);
}

NXProfileController *profileControllerOf(NXAppController &c)
{
    if (!c.profileController)
        c.profileController = new NXProfileController(c.mainWindow);
    return c.profileController;
}
} // namespace

NXMediaNodePtr NXAppController::entryAtPath(const NXMediaPath &path) const
{
    if (path.mainIndex() < 0 || path.mainIndex() >= mediaFiles->size())
        return nullptr;
    return mediaFiles->at(path.mainIndex());
}

void NXAppController::movieViewCellRequestChangeCurrnetProfile(const NXMediaPath &path)
{
    const NXMediaNodePtr node = singleSelectionEntry(*this, path);
    if (!node)
        return;
    NXProfileController *profiles = profileControllerOf(*this);
    profiles->setMediaNode(node);
    profiles->setCancelButtonHidden(false);
    // The rows show the profile they convert to: they must see the new one.
    profiles->setChooserDoneAction(NXAction::actionWithTarget(this, [this](const QVariant &, const QVariant &) {
        if (tableView)
            tableView->refreshAllCells();
    }));
    profiles->presentProfileChooseAttectToWindow(mainWindow);
}

void NXAppController::movieViewCellRequestChangeProfile(const NXMediaPath &path)
{
    const NXMediaNodePtr node = singleSelectionEntry(*this, path);
    if (!node)
        return;
    NXProfileController *profiles = profileControllerOf(*this);
    profiles->setMediaNode(node);
    profiles->beginSheetAtWindow(mainWindow);
}

void NXAppController::movieViewCellRequestSetTag(const NXMediaPath &path)
{
    const NXMediaNodePtr node = singleSelectionEntry(*this, path);
    if (!node)
        return;
    if (!nodeTagController)
        nodeTagController = new DNNodeTagController(mainWindow);
    nodeTagController->setMediaNode(node);
    nodeTagController->displayTagEditorOnWindow(mainWindow);
}

void NXAppController::movieViewCellRequestEdit(const NXMediaPath &path, int tabIndex)
{
    openEditorForNode(entryAtPath(path), tabIndex);
}

void NXAppController::movieViewCellRequestLoadSubtitle(const NXMediaPath &path)
{
    Q_UNUSED(path);
    editSelected(false);
}

void NXAppController::openEditorForNode(const NXMediaNodePtr &node, int tabIndex)
{
    if (!node)
        return;
    if (node->mediaType() == NXMediaTypeGraphics) {
        // Made at the first request, with the window as its owner; it has no pages.
        if (!imageEditor)
            imageEditor = new DNImageEditor(mainWindow ? static_cast<QObject *>(mainWindow.data()) : this);
        imageEditor->setGraphicsNode(std::static_pointer_cast<DNGraphicsNode>(node));
        imageEditor->displayOnWindow(mainWindow);
        return;
    }
    // The video editor edits media files and DVD sources only.
    if (DNEditedItem(node).isEmpty())
        return;
    // Made at the first request, with the window as its owner; reused for every opening.
    if (!videoEditorController)
        videoEditorController =
            new DNVideoEditorController(mainWindow ? static_cast<QObject *>(mainWindow.data()) : this);
    videoEditorController->setTabViewAppearItemIndex(tabIndex);
    videoEditorController->setMediaNode(node);
    videoEditorController->displayVideoEditorPanel(mainWindow);
}
