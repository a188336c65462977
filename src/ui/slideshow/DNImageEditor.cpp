#include "ui/slideshow/DNImageEditor.h"

#include "core/image/DNImageFunctions.h"
#include "core/notify/DNNotificationCenter.h"
#include "slideshow/image/NXEncoderUtility.h"
#include "slideshow/transitions/NXEffectManager.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/slideshow/DNPhotoBrowserModel.h"
#include "ui/slideshow/SlideshowView.h"

#include <QDialog>
#include <QAbstractItemView>
#include <QFileDialog>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {
const QStringList kDurations{QStringLiteral("2.0"), QStringLiteral("4.0"), QStringLiteral("6.0"),
                             QStringLiteral("8.0"), QStringLiteral("10.0")};
} // namespace

DNImageEditor::DNImageEditor(QObject *parent) : QObject(parent)
{
    buildPanel();
    // As the interface file leaves it.
    valueOfDuration_ = QStringLiteral("2.0");
    indexOfSortMethod_ = 0;
    indexOfSortKey_ = 2;
}

DNImageEditor::~DNImageEditor()
{
    stopSlideshowTimer();
    // The sheet belongs to the window it was shown on once shown; it may be gone already.
    QPointer<QDialog> panel(panel_);
    delete panel;
}

// ------------------------------------------------------------------ opening and closing

void DNImageEditor::setGraphicsNode(const DNGraphicsNodePtr &node)
{
    graphicsNode_ = node;
    nodeDisplaying_.reset();
}

void DNImageEditor::displayOnWindow(QWidget *window)
{
    reloadMusicTable();
    setStateOfGoRoot(false);
    setStateOfAutoCaltulate(graphicsNode_ && !graphicsNode_->audioTracks().isEmpty());
    Q_EMIT imageForPreviewButtonChanged();
    const QList<DNImageNodePtr> photos = allImagesNodesWithoutFolderNode();
    if (!photos.isEmpty())
        slideshowViewer_->displayDefaultImage(NXEncoderUtility::uprightImageForContentOfFile(photos.first()->path()));
    setDisplayDurations(kDurations);
    makeUISettingControlFitNodeSetting();
    Q_EMIT totalVideoDurationChanged();
    Q_EMIT totalAudioDurationChanged();
    if (window && panel_->parentWidget() != window)
        panel_->setParent(window, panel_->windowFlags() | Qt::Dialog);
    panel_->setWindowModality(Qt::WindowModal);
    panel_->open();
    // The strip opens with the sheet, ticked as this item's transitions are, whatever it was
    // when the sheet last closed.
    closeTransitionChoice();
    openTransitionChoice();
    reloadBrowser();
}

void DNImageEditor::onDone()
{
    onLeaveEditor();
    panel_->done(QDialog::Accepted);
}

void DNImageEditor::onCancel()
{
    // Every change is already on the item: Cancel closes as Done does.
    onLeaveEditor();
    panel_->done(QDialog::Rejected);
}

void DNImageEditor::onLeaveEditor()
{
    graphicsNode_.reset();
    nodeDisplaying_.reset();
    slideshowCurrentAsset_.reset();
    closeTransitionChoice();
    stopSlideshowTimer();
    slideshowViewer_->clear();
    reloadBrowser();
}

void DNImageEditor::sheetDidEnd()
{
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("NXMediaTableViewRefreshAllCells 0.0"));
    panel_->hide();
}

// ------------------------------------------------------------------ photo browser

QList<DNImageNodePtr> DNImageEditor::imageNodesAtCurrentLevel() const
{
    if (nodeDisplaying_)
        return nodeDisplaying_->imageNodes();
    return graphicsNode_ ? graphicsNode_->imageNodes() : QList<DNImageNodePtr>();
}

QList<DNImageNodePtr> *DNImageEditor::currentLevel()
{
    if (nodeDisplaying_)
        return &nodeDisplaying_->imageNodes();
    return graphicsNode_ ? &graphicsNode_->imageNodes() : nullptr;
}

void DNImageEditor::reloadBrowser()
{
    browserModel_->reload();
}

void DNImageEditor::imageBrowserCellWasDoubleClickedAtIndex(int index)
{
    const DNImageNodePtr node = imageBrowserItemAtIndex(index);
    if (!node || node->type() != DNImageNode::Folder)
        return;
    nodeDisplaying_ = node;
    Q_EMIT stateOfGoRootChanged();
    reloadBrowser();
}

void DNImageEditor::onGoToRoot()
{
    nodeDisplaying_.reset();
    Q_EMIT stateOfGoRootChanged();
    reloadBrowser();
}

void DNImageEditor::setStateOfGoRoot(bool)
{
    // The state follows the level shown; setting it announces it.
    Q_EMIT stateOfGoRootChanged();
}

void DNImageEditor::imageBrowserRemoveItemsAtIndexes(const QList<int> &indexes)
{
    QList<DNImageNodePtr> *level = currentLevel();
    if (!level || indexes.isEmpty())
        return;
    QList<int> rows = indexes;
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        if (row >= 0 && row < level->size())
            level->removeAt(row);
    Q_EMIT totalVideoDurationChanged();
    reloadBrowser();
}

void DNImageEditor::onRemove()
{
    QList<int> rows;
    for (const QModelIndex &index : imageBrowserView_->selectionModel()->selectedIndexes())
        rows << index.row();
    imageBrowserRemoveItemsAtIndexes(rows);
}

bool DNImageEditor::imageBrowserMoveItemsAtIndexes(const QList<int> &indexes, int destination)
{
    QList<DNImageNodePtr> *level = currentLevel();
    if (!level)
        return false;
    QList<int> rows;
    for (int row : indexes)
        if (row >= 0 && row < level->size() && !rows.contains(row))
            rows << row;
    std::sort(rows.begin(), rows.end());
    QList<DNImageNodePtr> moved;
    for (int row : rows)
        moved << level->at(row);
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        level->removeAt(*it);
    const int before = int(std::count_if(rows.cbegin(), rows.cend(), [destination](int row) { return row < destination; }));
    const int at = std::clamp(destination - before, 0, int(level->size()));
    for (int i = 0; i < moved.size(); ++i)
        level->insert(at + i, moved.at(i));
    reloadBrowser();
    return true;
}

void DNImageEditor::openPanel(QWidget *parent, const QString &title, const char *name, int fileMode,
                              const QString &filter, void (DNImageEditor::*done)(int, const QStringList &))
{
    auto *dialog = new QFileDialog(parent, title);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setFileMode(QFileDialog::FileMode(fileMode));
    if (fileMode == QFileDialog::Directory) {
        dialog->setOption(QFileDialog::ShowDirsOnly);
        // Several folders at once: the dialog's own views take a wider selection.
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        for (QAbstractItemView *view : dialog->findChildren<QAbstractItemView *>())
            view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    } else
        dialog->setNameFilter(filter);
    dialog->setOption(QFileDialog::ReadOnly);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::finished, this, [this, dialog, done](int result) {
        (this->*done)(result == QDialog::Accepted ? 1 : 0, dialog->selectedFiles());
    });
    dialog->open();
}

void DNImageEditor::onAddPhotoFolder()
{
    openPanel(panel_, tr("Add Photo Folder"), "addPhotoFolderPanel", QFileDialog::Directory, QString(),
              &DNImageEditor::addPhotoFolderPanelDidEnd);
}

void DNImageEditor::addPhotoFolderPanelDidEnd(int returnCode, const QStringList &folders)
{
    if (returnCode != 1 || !graphicsNode_)
        return;
    graphicsNode_->appendingPhotosWithDir(folders);
    Q_EMIT totalVideoDurationChanged();
    onGoToRoot();
}

QList<DNImageNodePtr> DNImageEditor::allImagesNodesWithoutFolderNode() const
{
    return graphicsNode_ ? graphicsNode_->allImagesNodesWithoutFolderNode() : QList<DNImageNodePtr>();
}

// ------------------------------------------------------------------ transitions

void DNImageEditor::closeTransitionChoice()
{
    if (!effectsView_)
        return;
    effectsView_->stopPreview();
    delete effectsView_;
    transitionButton_->setChecked(false);
    // The preview takes its whole place again.
    slideshowViewer_->setGeometry(0, 0, previewArea_->width(), previewArea_->height());
}

void DNImageEditor::onTransitionPressed()
{
    if (effectsView_)
        closeTransitionChoice();
    else
        openTransitionChoice();
}

void DNImageEditor::openTransitionChoice()
{
    auto *strip = new DNEffectPreview(QPoint(0, 0), previewArea_);
    strip->setDelegate(this);
    QList<NXFilterPtr> filters;
    for (int type = 0; type < NXTransitionChoiceCount; ++type)
        filters << NXEffectManager::independentFilterWithType(type);
    const auto transitions = graphicsNode_ ? graphicsNode_->setting()->transitions() : nullptr;
    strip->setPrevieFilters(filters, transitions ? *transitions : QList<int>());
    const QList<DNImageNodePtr> photos = allImagesNodesWithoutFolderNode();
    if (photos.size() >= 2)
        strip->setDemoImages({ThumbnailOfImage(photos.at(0)->path(), 100, 80), ThumbnailOfImage(photos.at(1)->path(), 100, 80)});
    // The preview gives the strip its lower part.
    slideshowViewer_->setGeometry(0, 0, previewArea_->width(), previewArea_->height() - strip->height());
    // At the foot of the preview's place.
    strip->move(0, previewArea_->height() - strip->height());
    strip->show();
    strip->startPreview();
    effectsView_ = strip;
    transitionButton_->setChecked(true);
}

void DNImageEditor::onEffectsSelectionChanged(const QList<int> &types)
{
    slideshowViewer_->setAllowTransitionStyles(types);
    if (graphicsNode_)
        graphicsNode_->setting()->setTransitions(types);
}

// ------------------------------------------------------------------ preview

void DNImageEditor::onPlay()
{
    if (slideshowTimer_)
        stopSlideshowTimer();
    else
        startSlideshowTimer();
    Q_EMIT imageForPreviewButtonChanged();
}

QPixmap DNImageEditor::imageForPreviewButton() const
{
    return DNImageNamed(slideshowTimer_ ? QStringLiteral("P2VStopView.png") : QStringLiteral("P2VPreview.png"));
}

void DNImageEditor::startSlideshowTimer()
{
    if (slideshowTimer_ || slideshowInterval() <= 0)
        return;
    if (graphicsNode_) {
        const auto transitions = graphicsNode_->setting()->transitions();
        slideshowViewer_->setAllowTransitionStyles(transitions ? *transitions : QList<int>());
    }
    slideshowTimer_ = new QTimer(this);
    slideshowTimer_->setInterval(int((slideshowInterval() + 1.0f) * 1000));
    connect(slideshowTimer_, &QTimer::timeout, this, &DNImageEditor::advanceSlideshow);
    slideshowTimer_->start();
}

void DNImageEditor::stopSlideshowTimer()
{
    delete slideshowTimer_;
    slideshowTimer_ = nullptr;
}

void DNImageEditor::advanceSlideshow()
{
    const QList<DNImageNodePtr> all = allImagesNodesWithoutFolderNode();
    const int n = int(all.size());
    if (n == 0)
        return;
    const int start = std::max(0, int(all.indexOf(slideshowCurrentAsset_)));
    int next = (start + 1) % n;
    if (next == start)
        return;
    // The photo shown was removed meanwhile: start again from the first.
    if (slideshowCurrentAsset_ && !all.contains(slideshowCurrentAsset_))
        next = 0;
    slideshowViewer_->transitionToImage(ThumbnailOfImage(all.at(next)->path(), 600, 400));
    slideshowCurrentAsset_ = all.at(next);
}
