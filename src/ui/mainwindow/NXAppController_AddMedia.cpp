// Adding media to the main window's list and answering the list view's questions: the load
// commands, drops, files handed over by others, the rule that a list holds DVD sources or other
// media but never both, and the profile chooser that follows the first load into an empty list.
#include "NXAppController.h"

#include "DNWindow.h"

#include "convert/files/DNMediaFileProbe.h"
#include "convert/files/DNOrderedFileProbe.h"
#include "core/action/NXAction.h"
#include "core/log/DNLogger.h"
#include "core/model/DNNodeInfoApplyToAll.h"
#include "dvd/DNDVDNode.h"
#include "dvd/NXDVDUtilities.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNAlertSheet.h"
#include "ui/dvd/NXDiscScanerController.h"
#include "ui/loader/DNFileLoaderController.h"
#include "ui/medialist/NXMediaRowFactory.h"
#include "ui/medialist/DNCell.h"
#include "ui/medialist/DNDVDRootCell.h"
#include "ui/medialist/DNDVDTitleCell.h"
#include "ui/medialist/DNRootCell.h"
#include "ui/medialist/NXMediaTableView.h"
#include "ui/profiles/DNProfileApplyToAll.h"
#include "ui/profiles/NXProfileController.h"
#include "ui/progress/NXConvertFailureText.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace {
// The loaders hand each entry over as a QVariant of its own pointer type.
NXMediaNodePtr nodeFromVariant(const QVariant &value)
{
    if (value.canConvert<NXMediaNodePtr>())
        if (auto node = value.value<NXMediaNodePtr>())
            return node;
    if (value.canConvert<DNDVDNodePtr>())
        if (auto node = value.value<DNDVDNodePtr>())
            return node;
    if (value.canConvert<std::shared_ptr<DNFileNode>>())
        if (auto node = value.value<std::shared_ptr<DNFileNode>>())
            return node;
    return nullptr;
}

// What the list view asks of the controller.
class ListDelegate : public QObject, public NXMediaTableViewDelegate
{
public:
    explicit ListDelegate(NXAppController *controller) : QObject(controller), c_(controller) {}

    float cellHeightForNodePath(const NXMediaNodePtr &node) override { return c_->cellHeightForNodePath(node); }
    DNCell *needNodeCellForNode(const NXMediaNodePtr &node) override { return c_->needNodeCellForNode(node); }
    void movieViewDragedFilesEntered(const QStringList &paths, int kind) override
    {
        c_->movieViewDragedFilesEntered(paths, kind);
    }
    void movieViewWantAddDVDTypeMedia(int kind) override { c_->movieViewWantAddDVDTypeMedia(kind); }
    void movieViewCellRequestPlay() override { c_->movieViewCellRequestPlay(); }
    // The row's profile button: the chooser for that entry alone.
    void movieViewCellRequestChangeCurrnetProfile(const NXMediaPath &path) override
    {
        c_->movieViewCellRequestChangeCurrnetProfile(path);
    }
    void movieViewCellRequestChangeProfile(const NXMediaPath &path) override
    {
        c_->movieViewCellRequestChangeProfile(path);
    }
    void movieViewCellRequestSetTag(const NXMediaPath &path) override { c_->movieViewCellRequestSetTag(path); }
    void movieViewCellRequestEdit(const NXMediaPath &path, int tabIndex) override
    {
        c_->movieViewCellRequestEdit(path, tabIndex);
    }
    void movieViewCellRequestLoadSubtitle(const NXMediaPath &path) override
    {
        c_->movieViewCellRequestLoadSubtitle(path);
    }
    // The toolbar buttons of a row: the commands on the selection.
    void editSelected() override { c_->editSelected(false); }
    void infoOfSelected() override { c_->infoOfSelected(); }
    void mergerSelected() override { c_->mergerSelected(); }

private:
    NXAppController *c_;
};
}

NXMediaTableView *NXAppController::makeMediaTableView(QWidget *slot)
{
    if (!slot)
        return nullptr;
    auto *list = new NXMediaTableView(slot);
    if (slot->layout())
        slot->layout()->addWidget(list);
    auto *adapter = new ListDelegate(this);
    mediaListDelegate = adapter;
    list->setDelegate(adapter);
    list->setDatasource(mediaFiles);
    return list;
}

float NXAppController::cellHeightForNodePath(const NXMediaNodePtr &node) const
{
    if (!node)
        return 85.0f;
    switch (node->mediaType()) {
    case NXMediaTypeDVDTitle:
        return 30.0f;
    case NXMediaTypeFile:
    case NXMediaTypeFileGroup:
    case NXMediaTypeGraphics:
        // A file, group or photo-folder row of its own holds its toolbar under the 85 points of its
        // content; in a row of 85 either the toolbar or the row's content would be cut off.
        return 115.0f;
    default:
        return 85.0f;
    }
}

DNCell *NXAppController::needNodeCellForNode(const NXMediaNodePtr &node)
{
    return NXMediaRowForNode(node, tableView);
}

// ------------------------------------------------------------------ the kind rule

bool NXAppController::canAddMediaWithType(bool dvdSources) const
{
    if (mediaFiles->isEmpty())
        return true;
    const bool lastIsDVD = std::dynamic_pointer_cast<DNDVDNode>(mediaFiles->last()) != nullptr;
    return lastIsDVD == dvdSources;
}

void NXAppController::askForMakeSoure2ClearAdded(std::function<void()> next)
{
    kindQuestionNext = std::move(next);
    auto *alert = new QMessageBox(mainWindow);
    alert->setIcon(QMessageBox::Warning);
    alert->setText(QStringLiteral("Can NOT add two kind of media resource!"));
    alert->setInformativeText(QStringLiteral("You should NOT add two kind of media resource at the same "
                                             "time. if continue, the previously added will be removed."));
    QPushButton *proceed = alert->addButton(QStringLiteral("Continue"), QMessageBox::AcceptRole);
    alert->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    alert->setDefaultButton(proceed);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    connect(alert, &QMessageBox::finished, this,
            [this, alert, proceed](int) { askAlertDidEnd(alert->clickedButton() == proceed ? 1 : 0); });
    kindQuestionAlert = alert;
    DNFitAlertToTitle(alert);
    alert->open();
}

void NXAppController::askAlertDidEnd(int returnCode)
{
    std::function<void()> next = std::move(kindQuestionNext);
    kindQuestionNext = nullptr;
    if (returnCode != 1)
        return;
    if (tableView)
        tableView->clearAll();
    else
        mediaFiles->clear();
    if (next)
        QTimer::singleShot(500, this, next);
}

// ------------------------------------------------------------------ load commands

void NXAppController::loadVideos()
{
    if (canAddMediaWithType(false))
        verificationBlockForAddVideo();
    else
        askForMakeSoure2ClearAdded([this] { verificationBlockForAddVideo(); });
}

void NXAppController::loadPhotos()
{
    if (canAddMediaWithType(false))
        verificationBlockForAddPhoto();
    else
        askForMakeSoure2ClearAdded([this] { verificationBlockForAddPhoto(); });
}

void NXAppController::loadDVD()
{
    dvdLoad_Disc();
}

void NXAppController::dvdLoad_Disc()
{
    if (canAddMediaWithType(true))
        verificationBlockForAddDVDTypeFile(0);
    else
        askForMakeSoure2ClearAdded([this] { verificationBlockForAddDVDTypeFile(0); });
}

void NXAppController::dvdLoad_Path()
{
    if (canAddMediaWithType(true))
        verificationBlockForAddDVDTypeFile(1);
    else
        askForMakeSoure2ClearAdded([this] { verificationBlockForAddDVDTypeFile(1); });
}

void NXAppController::dvdLoad_ISO()
{
    if (canAddMediaWithType(true))
        verificationBlockForAddDVDTypeFile(2);
    else
        askForMakeSoure2ClearAdded([this] { verificationBlockForAddDVDTypeFile(2); });
}

namespace {
DNFileLoaderController *fileLoaderOf(NXAppController *c)
{
    if (!c->fileLoader)
        c->fileLoader = new DNFileLoaderController(c->mainWindow ? static_cast<QObject *>(c->mainWindow.data()) : c);
    return qobject_cast<DNFileLoaderController *>(c->fileLoader);
}

NXDiscScanerController *discScanerOf(NXAppController *c)
{
    if (!c->discScanerController)
        c->discScanerController =
            new NXDiscScanerController(c->mainWindow ? static_cast<QObject *>(c->mainWindow.data()) : c);
    return c->discScanerController;
}

// An action that hands the loaded entry to one of the controller's callbacks.
std::shared_ptr<NXAction> entryAction(NXAppController *c, void (NXAppController::*callback)(const NXMediaNodePtr &))
{
    return NXAction::actionWithTarget(c, [c, callback](const QVariant &entry, const QVariant &) {
        (c->*callback)(nodeFromVariant(entry));
    });
}
}

void NXAppController::verificationBlockForAddVideo()
{
    DNFileLoaderController *loader = fileLoaderOf(this);
    private_flag.isNeedPreSelect = mediaFiles->isEmpty();
    loader->showVideoLoaderWithOpenPanel(mainWindow, entryAction(this, &NXAppController::block_loadVideoNode));
}

void NXAppController::verificationBlockForAddPhoto()
{
    DNFileLoaderController *loader = fileLoaderOf(this);
    private_flag.isNeedPreSelect = mediaFiles->isEmpty();
    loader->showPhotoLoaderWithOpenPanel(mainWindow, entryAction(this, &NXAppController::block_loadPhotoNode));
}

void NXAppController::verificationBlockForAddDVDTypeFile(int dvdKind)
{
    private_flag.isNeedPreSelect = mediaFiles->isEmpty();
    showDVDChoosePanel(dvdKind);
}

void NXAppController::showDVDChoosePanel(int dvdKind)
{
    NXDiscScanerController *scaner = discScanerOf(this);
    auto action = entryAction(this, &NXAppController::actionForDVDScaner);
    switch (dvdKind) {
    case 0:
        scaner->showScanerPanel(mainWindow, action);
        break;
    case 1:
        scaner->loadDVDFolderPanel(mainWindow, action);
        break;
    case 2:
        scaner->loadISOFilePanel(mainWindow, action);
        break;
    default:
        DNRoughLog(QStringLiteral("should NOT go here."));
        break;
    }
}

void NXAppController::movieViewWantAddDVDTypeMedia(int kind)
{
    switch (kind) {
    case 1:
        dvdLoad_Disc();
        break;
    case 2:
        dvdLoad_Path();
        break;
    case 3:
        dvdLoad_ISO();
        break;
    default:
        break;
    }
}

void NXAppController::movieViewDragedFilesEntered(const QStringList &paths, int kind)
{
    private_flag.isNeedPreSelect = mediaFiles->isEmpty();
    switch (kind) {
    case 1:
        fileLoaderOf(this)->showVideoLoaderWithoutOpenPanel(
            mainWindow, paths, entryAction(this, &NXAppController::block_loadDragVideoNode));
        break;
    case 2:
        discScanerOf(this)->loadDVDFoldersProgressWithoutOpenPanel(
            mainWindow, paths, entryAction(this, &NXAppController::actionForDVDScaner));
        break;
    case 3:
        discScanerOf(this)->loadISOsProgressWithoutOpenPanel(
            mainWindow, paths, entryAction(this, &NXAppController::actionForDVDScaner));
        break;
    case 4:
        fileLoaderOf(this)->showPhotoLoaderWithoutOpenPanel(
            mainWindow, paths, entryAction(this, &NXAppController::block_loadDragPhotosNode));
        break;
    default:
        break;
    }
}

// ------------------------------------------------------------------ per-entry callbacks

void NXAppController::block_loadVideoNode(const NXMediaNodePtr &node)
{
    if (!node || !tableView)
        return;
    tableView->hiddenGroupForType(NXMediaTypeDVD);
    tableView->addMovieNode(node);
    updateTableView();
}

void NXAppController::block_loadPhotoNode(const NXMediaNodePtr &node)
{
    block_loadVideoNode(node);
}

void NXAppController::block_loadDragVideoNode(const NXMediaNodePtr &node)
{
    if (!node || !tableView)
        return;
    tableView->addMovieNode(node);
    tableView->hiddenGroupForType(NXMediaTypeDVD);
    tableView->reloadData();
}

void NXAppController::block_loadDragPhotosNode(const NXMediaNodePtr &node)
{
    if (!node || !tableView)
        return;
    tableView->hiddenGroupForType(NXMediaTypeDVD);
    tableView->addMovieNode(node);
    updateTableView();
}

void NXAppController::actionForDVDScaner(const NXMediaNodePtr &node)
{
    if (!node || !tableView)
        return;
    try {
        DNRoughLog(QStringLiteral("will add Node to Table View"));
        tableView->hiddenGroupForType(NXMediaTypeDVD);
        tableView->addMovieNode(node);
        DNRoughLog(QStringLiteral("Finished add Node to Table View"));
        auto dvd = std::dynamic_pointer_cast<DNDVDNode>(node);
        if (dvd && typeid(*dvd) == typeid(DNDVDNode)) {
            tableView->unselectDvdNode();
            tableView->selectDvdNode(dvd);
        }
        DNRoughLog(QStringLiteral("refresh Table View OK.."));
    } catch (const std::exception &e) {
        DNRoughLog(QStringLiteral("exception happend when add node to table View: %@."), QString::fromUtf8(e.what()));
    }
}

void NXAppController::updateTableView()
{
    if (!tableView)
        return;
    tableView->scrollViewToTopOrBottom(false);
    tableView->reloadData();
}

// ------------------------------------------------------------------ files handed over

void NXAppController::addFilesFromContentOfFilesWithDelay(const QStringList &paths)
{
    QTimer::singleShot(750, this, [this, paths] { addFilesFromContentOfFiles(paths); });
}

void NXAppController::addFilesFromContentOfFiles(const QStringList &paths)
{
    private_flag.isNeedPreSelect = mediaFiles->isEmpty();
    // A name that is not text is refused whatever it names: no road can read it.
    QStringList handed = paths;
    QStringList refused = NXTakeSourcesNamedNotText(handed);
    const auto tellRefused = [this, &refused] {
        if (!refused.isEmpty() && mainWindow)
            DNFileLoaderController::displayFilesRefused(mainWindow, refused);
    };
    // A DVD folder, image or drive handed over (given on the command line, opened from the file
    // manager) is loaded as a DVD, as a dropped one is; the rest are media files.
    QStringList files;
    QStringList dvdSources;
    for (const QString &path : std::as_const(handed))
        (NXDVDUtilities::isDVDSourcePath(path) ? dvdSources : files) << path;
    if (!dvdSources.isEmpty()) {
        tellRefused();
        // A list holds DVD sources or other media, never both: the DVDs win, and a list of
        // other media is emptied only when the user agrees.
        if (!files.isEmpty())
            DNRoughLog(QStringLiteral("-->%d media files handed over with DVD sources are left out."),
                       int(files.size()));
        const auto loadDVDs = [this, dvdSources] { movieViewDragedFilesEntered(dvdSources, 2); };
        if (canAddMediaWithType(true))
            loadDVDs();
        else
            askForMakeSoure2ClearAdded(loadDVDs);
        return;
    }
    if (files.isEmpty()) {
        tellRefused();
        return;
    }
    QStringList existing;
    for (const QString &path : std::as_const(files))
        if (QFileInfo(path).isFile())
            existing << path;
    bool added = false;
    if (tableView) {
        // The files are read on threads of their own while this thread keeps the window
        // answering; the entries ready by the time one slide ends slide in together in the next,
        // instead of each waiting for a slide of its own. A slide takes a few dozen at most:
        // making a row holds the window's thread a moment, and hundreds at once hold it too long.
        constexpr int kMostRowsPerSlide = 32;
        DNOrderedFileProbe probe(existing);
        QEventLoop wait;
        connect(&probe, &DNOrderedFileProbe::progressed, &wait, &QEventLoop::quit, Qt::QueuedConnection);
        NXMediaNodeList ready;
        while (tableView && (!probe.isDone() || !ready.isEmpty())) {
            for (const DNFileNodePtr &node : probe.takeReady())
                ready << node;
            if (ready.isEmpty()) {
                wait.exec();
                continue;
            }
            tableView->addMovieNodes(ready.mid(0, kMostRowsPerSlide));
            ready.remove(0, std::min<qsizetype>(ready.size(), kMostRowsPerSlide));
            added = true;
        }
        refused += probe.refusals();
    } else {
        for (const QString &path : std::as_const(existing)) {
            QString why;
            if (DNFileNodePtr node = fileNodeWithFile(path, true, &why)) {
                mediaFiles->append(node);
                added = true;
            } else {
                refused << DNFileRefusalLine(path, why);
            }
        }
    }
    // What could not be added is named, as the Add dialog names it.
    tellRefused();
    if (added && tableView)
        tableView->reloadData();
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("NXMediaFileLoadFinished o.o"), QVariant(),
                                                           {{QStringLiteral("keyMediaLoadType_"), 1}});
}

void NXAppController::addFileFromContentOfFile(const QString &path)
{
    DNFileNodePtr node = fileNodeWithFile(path);
    if (!node)
        return;
    if (tableView) {
        tableView->addMovieNode(node);
        tableView->reloadData();
    } else {
        mediaFiles->append(node);
    }
}

// ------------------------------------------------------------------ after loading

void NXAppController::onLoadMediaFinishedNotification(const DNNotification &notification)
{
    if (mediaFiles->isEmpty() || !private_flag.isNeedPreSelect)
        return;
    DNRoughLog(QStringLiteral("-->Need to show profile list to let user choose."));
    if (!profileController)
        profileController = new NXProfileController(mainWindow ? static_cast<QObject *>(mainWindow.data()) : this);
    profileController->setChooserDoneAction(NXAction::actionWithTarget(
        this, [this](const QVariant &profile, const QVariant &) {
            makeApply2AllOnChooserDone(profile.value<std::shared_ptr<DNProfile>>());
        }));
    profileController->setCancelButtonHidden(true);
    profileController->setChooserShowType(
        notification.userInfo.value(QStringLiteral("keyMediaLoadType_")).toInt() == 1 ? 2 : 1);
    profileController->presentProfileChooseAttectToWindow(mainWindow);
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("NXMediaTableViewRefreshAllCells 0.0"));
}

void NXAppController::makeApply2AllOnChooserDone(const std::shared_ptr<DNProfile> &profile)
{
    makeApply2All(profile);
}

void NXAppController::makeApply2All(const std::shared_ptr<DNProfile> &profile)
{
    if (profile)
        applyProfileToAllEntries(profile);
    QTimer::singleShot(0, this, [this] {
        if (profileController)
            profileController->setChooserDoneAction(nullptr);
    });
    if (tableView)
        tableView->refreshAllCells();
}

void NXAppController::onDNNotificationApplytoAllProfileSetting(const DNNotification &notification)
{
    const auto profile = DNProfileFromNotification(notification);
    if (!profile)
        return;
    applyProfileToAllEntries(profile);
    if (tableView)
        tableView->refreshAllCells();
}

void NXAppController::applyProfileToAllEntries(const std::shared_ptr<DNProfile> &profile)
{
    // Every entry that holds a profile of its own: DVD sources, files, file groups and
    // slideshows alike.
    for (const NXMediaNodePtr &entry : *mediaFiles)
        if (const DNProfileProtocolPtr item = DNProfileProtocolForNode(entry))
            item->setCurProfileOfSelectTrack(profile);
}

void NXAppController::onDNNotificationApplytoAllNodeInfo(const DNNotification &notification)
{
    const std::optional<DNNodeInfo> info = DNNodeInfoFromNotification(notification);
    if (!info)
        return;
    QList<DNNodeInfoProtocol *> items;
    for (const NXMediaNodePtr &entry : *mediaFiles)
        items << dynamic_cast<DNNodeInfoProtocol *>(entry.get());
    DNApplyNodeInfoToItems(*info, items);
}

void NXAppController::onDNNotificationApplytoAllEditSetting(const DNNotification &notification)
{
    const auto setting = notification.object.value<std::shared_ptr<DNBaseEditSetting>>();
    if (!setting)
        return;
    // Each title takes a copy of its own: one shared object would carry a later edit of one
    // title over to all of them.
    const DNDVDTitleSetting edits = DNDVDTitleSetting::settingWithEdits(*setting);
    for (const NXMediaNodePtr &entry : *mediaFiles)
        if (auto dvd = std::dynamic_pointer_cast<DNDVDNode>(entry))
            for (const DNDVDTitlePtr &title : dvd->titles())
                title->setSetting(edits);
}
