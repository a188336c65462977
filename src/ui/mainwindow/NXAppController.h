#pragma once

#include "core/model/NXBasicMediaNode.h"
#include "core/notify/DNNotificationCenter.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <atomic>
#include <functional>
#include <functional>
#include <optional>
#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

class DNButton;
class DNCell;
class DNMenuButton;
class DNWindow;
class NXAction;
class NXDiscScanerController;
class NXMediaTableView;
class NXProfileController;
class NXProgressController;
class NXSlider;
class DNProfile;

// The media list's top-level entries in list order. The controller and the list view share the
// one array: the list adds, removes and regroups entries in it, the controller reads it (for the
// Convert command) and hands it to the list as its data source.
using NXMediaList = QList<NXMediaNodePtr>;
using NXMediaListPtr = std::shared_ptr<NXMediaList>;

// The controller of the main window. The window (DNWindow, built by NXMainWindowBuilder) creates
// its controls and connects them to the outlets below; the application delegate holds the
// controller and drives its start (onApplicationDidFinishLaunching) and its end
// (onApplicationWillTerminate).
//
// The class is split by concern into parts, one source file each:
//   NXAppController.cpp           construction, start-up, shut-down, notifications, window frame
//   NXAppController_Settings.cpp  the conversion options bound to the settings object
//   NXAppController_Convert.cpp   the Convert command and the conversion run
//   NXAppController_OutputSpace.cpp  the free-space question before a batch
//   NXAppController_AddMedia.cpp  adding media and the media-list delegate (media list's part)
//
// Everything runs on the main thread except the conversion run's convertVideos (the progress
// sheet's worker thread) and convertStateChanged (whatever thread the engine reports from).
class NXAppController : public QObject
{
    Q_OBJECT
    // The main window's conversion options; each reads and writes the settings object's
    // main-window record at once (no copy is kept here).
    Q_PROPERTY(bool useHighQualityEngine READ useHighQualityEngine WRITE setUseHighQualityEngine)
    Q_PROPERTY(bool deinterlacing READ deinterlacing WRITE setDeinterlacing)
    Q_PROPERTY(bool safeMode READ safeMode WRITE setSafeMode)
    Q_PROPERTY(QVariantList cpuCoresContents READ cpuCoresContents)
    Q_PROPERTY(QVariant cpuCore READ cpuCore WRITE setCpuCore)

public:
    explicit NXAppController(QObject *parent = nullptr);
    ~NXAppController() override;

    // ------------------------------------------------------------------ fields (outlets)
    // Connected by the window builder unless said otherwise. Widgets are owned by the window;
    // the pointers go null when the window is destroyed.

    // The media list's top-level entries; created empty with the controller, never replaced.
    NXMediaListPtr mediaFiles;

    QPointer<DNWindow> mainWindow;
    // Where the media list goes: a container in the window's layout, in which the media list's
    // part creates the list view (makeMediaTableView).
    QPointer<QWidget> mediaListSlot;
    QPointer<NXMediaTableView> tableView;

    // The preview placeholder (shows the selected entry's thumbnail) and the preview area.
    QPointer<QLabel> subWindowTrackView;
    QPointer<QFrame> rightAreaBox;

    QPointer<QLineEdit> outputFolderField;
    QPointer<DNButton> videoLoadButton;
    QPointer<DNButton> photoLoadButton;
    QPointer<DNMenuButton> DVDLoadButton;      // pops up dvdLoadMenu when held
    QPointer<QMenu> dvdLoadMenu;               // "DVD Disc", "DVD Path", "ISO" (made at start-up)
    QPointer<DNButton> DVDDiscLoadButton;
    QPointer<DNButton> DVDFolderLoadButton;
    QPointer<DNButton> DVDIsoLoadButton;
    QPointer<DNButton> DVDClearAllButton;
    QPointer<DNButton> settingButton;
    QPointer<DNButton> checkNewButton;
    QPointer<DNButton> cudaButton;

    // The list commands.
    QPointer<QPushButton> editButton;
    QPointer<QPushButton> renameButton;
    QPointer<QPushButton> mergeButton;
    QPointer<QPushButton> infoButton;
    QPointer<QPushButton> removeButton;
    QPointer<QPushButton> clearButton;

    // The preview controls.
    QPointer<QPushButton> playAndStop;
    QPointer<QPushButton> pauseAndGoon;
    QPointer<DNButton> capureSnap;
    QPointer<DNButton> openFile;
    QPointer<QLabel> playedDuration;
    QPointer<QLabel> leftDuration;
    QPointer<NXSlider> durationSlider;         // created at start-up
    QPointer<NXSlider> volumeSlider;           // created at start-up

    // Convert.
    QPointer<DNButton> right_run_btn;

    // The conversion options, bound to the properties above.
    QPointer<QCheckBox> highQualityCheck;
    QPointer<QCheckBox> deinterlaceCheck;
    QPointer<QCheckBox> safeModeCheck;
    QPointer<QComboBox> CPUCores;

    // Sheets and loaders, made on first use with the main window as parent (Qt ownership:
    // they live as long as the window).
    QPointer<NXProfileController> profileController;
    NXProgressController *progressController = nullptr;
    NXDiscScanerController *discScanerController = nullptr;
    QPointer<QObject> fileLoader;              // the file and photo-folder loader

    // isNeedPreSelect: an add of media began while the list was empty.
    struct PrivateFlag
    {
        bool isNeedPreSelect = false;
    } private_flag;

    // ------------------------------------------------------------------ start-up and shut-down
    // The controller's own start, once, after launch: notifications, output folder field,
    // button images, DVD load menu, preview sliders, data source, playback view.
    void onApplicationDidFinishLaunching();
    // Saves the settings object, then the profile catalogue's recent-use lists.
    void onApplicationWillTerminate();

    void doPrepertyWork();
    void addPlaybackViewIfNeed();
    void trackWindowFrame();
    // The preview placeholder's frame in the window's content coordinates.
    QRect previewFrameInWindow() const;
    void setupAppNotifications();
    // Shows the settings' output folder in outputFolderField (the preferences call it too).
    void resetMainAppViewVideoOutputFolder();
    // The background new-version check (the update check builds it); does nothing yet.
    void checkAppNewVersion();

    // ------------------------------------------------------------------ settings bindings
    bool useHighQualityEngine() const;
    void setUseHighQualityEngine(bool on);
    bool deinterlacing() const;
    void setDeinterlacing(bool on);
    bool safeMode() const;
    void setSafeMode(bool on);
    // 1, 2, ... n (n = the processor count) as numbers; empty for a count of 0.
    QVariantList cpuCoresContents() const;
    // The stored core count; the processor count when 0 is stored.
    QVariant cpuCore() const;
    void setCpuCore(const QVariant &value);
    // Puts the bound controls in the state of the settings (start-up).
    void refreshBoundControls();

    // ------------------------------------------------------------------ conversion run
    // The Convert button.
    void onStartConvertClick();
    // Asks before a batch that may not fit the output folder's disk; converts unless the user
    // declines (at once when the estimate fits).
    void convertAfterOutputSpaceCheck();
    void startConvertProgressView();
    void startConvert();
    // The batch loop; runs on the progress sheet's worker thread.
    void convertVideos();
    // The one-second progress dictionary; none while nothing converts.
    std::optional<QVariantMap> updaterConvert();
    void interruptConvert();
    void endConvert();
    // Engine state code, from any thread; passed to the progress sheet.
    void convertStateChanged(int code);
    // The body of the library-copy thread: the existing .mp4/.m4v outputs.
    static QStringList outputsForMediaLibrary(const QStringList &outputs);
    void addToAppleiTunesThread(const QStringList &outputs);

    bool isConverting() const { return converting_.load(); }
    bool isStopRequested() const { return stopRequested_.load(); }

    // ------------------------------------------------------------------ media list's part
    // Defined in NXAppController_AddMedia.cpp (adding media and the media-list delegate).

    // Creates the list view inside slot (the window builder calls it) and returns it.
    NXMediaTableView *makeMediaTableView(QWidget *slot);
    // The object that answers the list view's delegate questions for the controller.
    QPointer<QObject> mediaListDelegate;
    // The kind question (DVD sources and other media never share the list): its alert and the
    // step that runs after "Continue".
    QPointer<QMessageBox> kindQuestionAlert;
    std::function<void()> kindQuestionNext;

    float cellHeightForNodePath(const NXMediaNodePtr &node) const;
    DNCell *needNodeCellForNode(const NXMediaNodePtr &node);
    bool canAddMediaWithType(bool dvdSources) const;
    void askForMakeSoure2ClearAdded(std::function<void()> next);
    void askAlertDidEnd(int returnCode);
    void loadVideos();
    void loadPhotos();
    void loadDVD();
    void dvdLoad_Disc();
    void dvdLoad_Path();
    void dvdLoad_ISO();
    void verificationBlockForAddVideo();
    void verificationBlockForAddPhoto();
    void verificationBlockForAddDVDTypeFile(int dvdKind);
    void showDVDChoosePanel(int dvdKind);
    void movieViewWantAddDVDTypeMedia(int kind);
    void movieViewDragedFilesEntered(const QStringList &paths, int kind);
    void block_loadVideoNode(const NXMediaNodePtr &node);
    void block_loadPhotoNode(const NXMediaNodePtr &node);
    void block_loadDragVideoNode(const NXMediaNodePtr &node);
    void block_loadDragPhotosNode(const NXMediaNodePtr &node);
    void actionForDVDScaner(const NXMediaNodePtr &node);
    void updateTableView();
    // 0.75 s later adds each existing path as a file entry.
    void addFilesFromContentOfFilesWithDelay(const QStringList &paths);
    void addFilesFromContentOfFiles(const QStringList &paths);
    void addFileFromContentOfFile(const QString &path);
    void onLoadMediaFinishedNotification(const DNNotification &notification);
    void makeApply2AllOnChooserDone(const std::shared_ptr<DNProfile> &profile);
    void makeApply2All(const std::shared_ptr<DNProfile> &profile);
    void onDNNotificationApplytoAllProfileSetting(const DNNotification &notification);
    void onDNNotificationApplytoAllNodeInfo(const DNNotification &notification);
    void onDNNotificationApplytoAllEditSetting(const DNNotification &notification);

Q_SIGNALS:
    // The conversion run ended (finished, failed or stopped); emitted on the worker thread.
    void conversionRunEnded();

private:
    void connectCommands();
    void makeDVDLoadMenu();
    void makePreviewSliders();
    void setHighlightImages();
    void bindConversionOptions();
    bool checkConvertSource();
    bool checkOutputFolder();
    void showNoSourceAlert();
    void showInvalidFolderAlert();
    int countSelectedTitles() const;

    // The entries of the running batch, taken on the main thread when it starts.
    NXMediaList batch_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> converting_{false};
};
