#include "NXAppController.h"

#include "DNWindow.h"

#include "core/settings/DNSetting.h"
#include "profiles/DNProfileManager.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/DNMenuButton.h"
#include "ui/controls/NXSlider.h"

#include "ui/medialist/NXMediaTableView.h"
#include "ui/player/NXMPlayerControl.h"
#include "ui/progress/NXProgressController.h"
#include "ui/player/NXMPlayerView.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {
// Frames of the preview sliders inside the preview box, measured from the box's bottom edge
// (x, y, width, height), as the box lays its controls out.
constexpr int kDurationSliderFrame[4] = {65, 55, 183, 10};
constexpr int kVolumeSliderFrame[4] = {252, 20, 76, 10};

QRect frameFromBottom(const QWidget *box, const int (&frame)[4])
{
    return QRect(frame[0], box->height() - frame[1] - frame[3], frame[2], frame[3]);
}

// Resizes of the main window move the playback view onto the preview placeholder. The window's
// layout places the placeholder after the window's own resize, so its moves count too.
class WindowResizeWatcher : public QObject
{
public:
    WindowResizeWatcher(NXAppController *controller, QObject *window, QObject *placeholder)
        : QObject(controller), controller_(controller)
    {
        window->installEventFilter(this);
        if (placeholder)
            placeholder->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            controller_->trackWindowFrame();
        return false;
    }

private:
    NXAppController *controller_;
};
}

NXAppController::NXAppController(QObject *parent)
    : QObject(parent)
    , mediaFiles(std::make_shared<NXMediaList>())
{
}

NXAppController::~NXAppController()
{
    DNNotificationCenter::defaultCenter().removeObserver(this);
    // A batch still running calls back into this controller: the sheet stops it and waits for
    // its thread while there is still a controller to call.
    delete progressController.data();
}

void NXAppController::onApplicationDidFinishLaunching()
{
    if (!mplayerControl) {
        mplayerControl = new NXMPlayerControl(this);
        connect(mplayerControl, &NXMPlayerControl::playerCannotStart, this, &NXAppController::showPreviewCannotPlay);
    }
    setupAppNotifications();
    resetMainAppViewVideoOutputFolder();
    setHighlightImages();
    makeDVDLoadMenu();
    makePreviewSliders();
    doPrepertyWork();
    addPlaybackViewIfNeed();
    bindConversionOptions();
    setupRecorderWindows();
    setupOnlineVideoWindow();
}

void NXAppController::onApplicationWillTerminate()
{
    DNSetting::shareSetting().save();
    DNProfileManager::profileManager().synchronize();
}

void NXAppController::setHighlightImages()
{
    const struct
    {
        QPointer<DNButton> NXAppController::*button;
        const char *image;
    } rows[] = {
        {&NXAppController::DVDDiscLoadButton, "DVD_disc_on.png"},
        {&NXAppController::DVDFolderLoadButton, "DVD_Folder_on.png"},
        {&NXAppController::DVDIsoLoadButton, "DVD_ISO_on.png"},
        {&NXAppController::DVDClearAllButton, "yt_clear_all_on.png"},
        {&NXAppController::settingButton, "setting_on.png"},
        {&NXAppController::checkNewButton, "check_new_version_on.png"},
        {&NXAppController::cudaButton, "main_contact_on.png"},
        {&NXAppController::right_run_btn, "right_run_on.png"},
        {&NXAppController::capureSnap, "right_snapshot_on.png"},
        {&NXAppController::openFile, "right_open_video_on.png"},
    };
    for (const auto &row : rows) {
        if (DNButton *button = this->*row.button)
            button->setHighlightImage(QString::fromLatin1(row.image));
    }
}

void NXAppController::makeDVDLoadMenu()
{
    if (!DVDLoadButton)
        return;
    auto *menu = new QMenu(QStringLiteral("DVDLoadMenu"), DVDLoadButton);
    const struct
    {
        const char *title;
        const char *image;
    } items[] = {
        {"DVD Disc", "menu_dvd_disc_nor.png"},
        {"DVD Path", "dvd_path_nor.png"},
        {"ISO", "iso_nor.png"},
    };
    for (const auto &item : items)
        menu->addAction(QIcon(DNImageNamed(QString::fromLatin1(item.image))), tr(item.title));
    const QList<QAction *> actions = menu->actions();
    connect(actions.at(0), &QAction::triggered, this, &NXAppController::dvdLoad_Disc);
    connect(actions.at(1), &QAction::triggered, this, &NXAppController::dvdLoad_Path);
    connect(actions.at(2), &QAction::triggered, this, &NXAppController::dvdLoad_ISO);
    dvdLoadMenu = menu;
    DVDLoadButton->setMenu(menu);
}

void NXAppController::makePreviewSliders()
{
    if (!rightAreaBox)
        return;
    durationSlider = new NXSlider(frameFromBottom(rightAreaBox, kDurationSliderFrame), rightAreaBox);
    durationSlider->setEnabled(false);
    durationSlider->setValue(0);
    durationSlider->setAction([this](NXSlider *slider) { durationValueChanged(slider); });
    durationSlider->show();
    volumeSlider = new NXSlider(frameFromBottom(rightAreaBox, kVolumeSliderFrame), rightAreaBox);
    volumeSlider->setMaxValue(100);
    volumeSlider->setValue(mplayerControl ? mplayerControl->currentMPlayerVolume() : 0);
    volumeSlider->setAction([this](NXSlider *slider) { volumeValueChanged(slider); });
    volumeSlider->show();
}

void NXAppController::doPrepertyWork()
{
    if (tableView)
        tableView->setDatasource(mediaFiles);
    DNNotificationCenter::defaultCenter().addObserver(
        this, QStringLiteral("NXMediaTableViewSelectionDidChangedNotification @_@"),
        [this](const DNNotification &n) { selectionDidChangeNotification(n.object); });
    if (mainWindow)
        new WindowResizeWatcher(this, mainWindow, subWindowTrackView);
    connectCommands();
}

void NXAppController::connectCommands()
{
    const std::pair<QPushButton *, void (NXAppController::*)()> buttons[] = {
        {right_run_btn, &NXAppController::onStartConvertClick},
        {DVDDiscLoadButton, &NXAppController::dvdLoad_Disc},
        {DVDFolderLoadButton, &NXAppController::dvdLoad_Path},
        {DVDIsoLoadButton, &NXAppController::dvdLoad_ISO},
        {videoLoadButton, &NXAppController::loadVideos},
        {photoLoadButton, &NXAppController::loadPhotos},
        {DVDClearAllButton, &NXAppController::clearAll},
        {settingButton, &NXAppController::setting},
        {checkNewButton, &NXAppController::checkNewVersion},
        {renameButton, &NXAppController::renameSelected},
        {mergeButton, &NXAppController::mergerSelected},
        {infoButton, &NXAppController::infoOfSelected},
        {removeButton, &NXAppController::removeSelected},
        {clearButton, &NXAppController::clearAll},
        {browseOutputButton, &NXAppController::browseToSelectOutputFolder},
        {openOutputButton, &NXAppController::openOutputFolder},
    };
    for (const auto &[button, action] : buttons) {
        if (button)
            connect(button, &QPushButton::clicked, this, action);
    }
    // The Edit button opens the editor on its first page.
    if (editButton)
        connect(editButton, &QPushButton::clicked, this, [this] { editSelected(true); });
    if (DVDLoadButton)
        DVDLoadButton->setAction([this](DNMenuButton *) { loadDVD(); });
    connectPlaybackCommands();
}

void NXAppController::addPlaybackViewIfNeed()
{
    NXMPlayerView *view = mplayerControl ? mplayerControl->playbackView() : nullptr;
    if (!view || view->parentWidget() || !mainWindow || !mainWindow->centralWidget())
        return;
    view->setParent(mainWindow->centralWidget());
    trackWindowFrame();
    view->hide();
}

QRect NXAppController::previewFrameInWindow() const
{
    if (!subWindowTrackView || !mainWindow || !mainWindow->centralWidget())
        return QRect();
    const QPoint origin = subWindowTrackView->mapTo(mainWindow->centralWidget(), QPoint(0, 0));
    return QRect(origin, subWindowTrackView->size());
}

void NXAppController::trackWindowFrame()
{
    // Only a playback view already in the window follows the placeholder.
    NXMPlayerView *view = mplayerControl ? mplayerControl->playbackView() : nullptr;
    if (view && view->parentWidget() && mainWindow && view->parentWidget() == mainWindow->centralWidget())
        mplayerControl->adjust(previewFrameInWindow());
}

void NXAppController::setupAppNotifications()
{
    auto &center = DNNotificationCenter::defaultCenter();
    const struct
    {
        const char *name;
        void (NXAppController::*handler)(const DNNotification &);
    } rows[] = {
        {"NXMediaFileLoadFinished o.o", &NXAppController::onLoadMediaFinishedNotification},
        {"DNNotificationApplytoAllNodeInfo", &NXAppController::onDNNotificationApplytoAllNodeInfo},
        {"DNNotificationApplytoAllEditSetting", &NXAppController::onDNNotificationApplytoAllEditSetting},
        {"DNNotificationApplytoAllProfileSetting", &NXAppController::onDNNotificationApplytoAllProfileSetting},
        {"NXMPlayerControlPlaybackStatusChanged #_#", &NXAppController::mplayerDidChangeStateNotification},
        {"NXMPlayerControlWillExitFullScreenMode =_=", &NXAppController::mplayerExitFullScreenMode},
        {"NXMPlayerControlPlaybackWillStart ~_~", &NXAppController::mplayerWillStartNotification},
        {"NXMPlayerControlPlaybackDidStart ~_~", &NXAppController::mplayerDidStartNotification},
        {"NXMPlayerControlPlaybackDidEnd ^_^", &NXAppController::mplayerEndedNotification},
        {"NXMPlayerControlPlaybackDurationAvailable >_<", &NXAppController::mplayerDurationAvailableNotification},
        {"NXMPlayerControlDidVolumeChanged @_@", &NXAppController::mplayerDurationVolumeChangeNotification},
        {"NXMediaTableViewWillRemoveCellsNotification #_#", &NXAppController::onCellWillRemoved},
        {"NXMediaTableViewDidClearViewNotification_", &NXAppController::onCellWasClear},
    };
    for (const auto &row : rows) {
        const auto handler = row.handler;
        center.addObserver(this, QString::fromLatin1(row.name),
                           [this, handler](const DNNotification &n) { (this->*handler)(n); });
    }
    // The list commands start in the state of an empty selection.
    selectionDidChangeNotification(QVariant());
}

void NXAppController::resetMainAppViewVideoOutputFolder()
{
    if (outputFolderField)
        outputFolderField->setText(DNSetting::shareSetting().appSetting()->videoOutputDirectory());
}

