#pragma once

#include "core/model/NXBasicMediaNode.h"
#include "core/notify/DNNotificationCenter.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <atomic>
#include <functional>
#include <optional>
#include <memory>
#include <mutex>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenu>
#include <QPushButton>

class DNButton;
class DNCell;
class DNSRWindowController;
class NXCameraRecorderController;
class DNImageEditor;
class DNVideoEditorController;
class DNMenuButton;
class DNNodeTagController;
class DNWindow;
class DNYTBUpdateController;
class NXAboutInfoController;
class NXAction;
class NXDiscScanerController;
class NXImageEngine;
class NXMainSettingController;
class NXMediaPath;
class NXMediaTableView;
class NXMPlayerControl;
class NXProfileController;
class NXProgressController;
class NXSlider;
class DNProfile;

// A tool window the main window flips to and back from (the screen and camera recorders): its
// window, and the recordings to add to the list when it closes (empty for none).
class NXToolWindowController
{
public:
    virtual ~NXToolWindowController() = default;
    virtual QWidget *window() const = 0;
    virtual QStringList fileListNeedToConvert() const = 0;
};

// Which of the main window's commands the selection enables.
struct NXListCommandStates
{
    bool play = false;
    bool pause = false;
    bool edit = false;
    bool rename = false;
    bool merge = false;
    bool info = false;
    bool remove = false;
    bool operator==(const NXListCommandStates &) const = default;
};

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
//   NXAppController_ListCommands.cpp  the commands on the selection and their enabling
//   NXAppController_RowRequests.cpp   what a list row asks for (profile, tags, editor)
//   NXAppController_Windows.cpp   output folder, preferences, about box, update check, tool windows
//   NXAppController_Playback.cpp  the preview's controls and the player's notifications
//   NXAppController_Recorders.cpp the recorder windows: opening them, their recordings' hand-back
//   NXAppController_OnlineVideo.cpp  the online-video window: opening it, its hand-back
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
    // NO only while a player has begun and shows no frame yet.
    Q_PROPERTY(bool isVideoLoading READ isVideoLoading NOTIFY isVideoLoadingChanged)

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
    QPointer<QPushButton> browseOutputButton;  // browseToSelectOutputFolder
    QPointer<QPushButton> openOutputButton;    // openOutputFolder
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

    // The preview player (made at start-up) and its controls.
    NXMPlayerControl *mplayerControl = nullptr;
    QPointer<QTimer> time_recoder_;            // the 1 s playback timer; null when none runs
    QPointer<DNButton> playAndStop;
    QPointer<DNButton> pauseAndGoon;
    QPointer<DNButton> fullScreenButton;
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
    // Owned by the main window when there is one: it may go first.
    QPointer<NXProgressController> progressController;
    NXDiscScanerController *discScanerController = nullptr;
    QPointer<QObject> fileLoader;              // the file and photo-folder loader
    QPointer<DNNodeTagController> nodeTagController;
    QPointer<DNImageEditor> imageEditor;      // the slideshow editor
    QPointer<DNVideoEditorController> videoEditorController; // the video editor
    QPointer<NXMainSettingController> mainSettingController;
    QPointer<NXAboutInfoController> aboutInfoController;
    QPointer<DNYTBUpdateController> u2bUpdateController;

    // The online-video window while it is open; it hands back no files when it closes. The
    // recorder windows have fields of their own (recorder windows below).
    std::unique_ptr<NXToolWindowController> youtube;

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
    Q_INVOKABLE void resetMainAppViewVideoOutputFolder();
    // The body of the automatic new-version check (a thread of its own): asks the update
    // service and, only when it names a newer version, opens the update wizard on the main
    // thread.
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
    // 0.75 s later adds each existing path as a file entry, and loads a DVD folder, image or
    // drive among them as a DVD.
    void addFilesFromContentOfFilesWithDelay(const QStringList &paths);
    void addFilesFromContentOfFiles(const QStringList &paths);
    void addFileFromContentOfFile(const QString &path);
    void onLoadMediaFinishedNotification(const DNNotification &notification);
    void makeApply2AllOnChooserDone(const std::shared_ptr<DNProfile> &profile);
    void makeApply2All(const std::shared_ptr<DNProfile> &profile);
    void applyProfileToAllEntries(const std::shared_ptr<DNProfile> &profile);
    void onDNNotificationApplytoAllProfileSetting(const DNNotification &notification);
    void onDNNotificationApplytoAllNodeInfo(const DNNotification &notification);
    void onDNNotificationApplytoAllEditSetting(const DNNotification &notification);

    // ------------------------------------------------------------------ list commands
    // Defined in NXAppController_ListCommands.cpp.

    // The list's selection changed (object: YES for a user's click, invalid at start-up):
    // the information window follows, the commands are enabled, the placeholder shows the
    // selected entry's picture.
    void selectionDidChangeNotification(const QVariant &object);
    // n selected rows, the media type of the last one's entry and the list's selection kind.
    static NXListCommandStates commandStatesForSelection(int selected, int lastMediaType, int selectionKind);
    void mergerSelected();
    void renameSelected();
    // Ends the players, then opens the editor for a single selection: on its first page when
    // asked from a command (fromCommand), on its subtitle page otherwise.
    void editSelected(bool fromCommand = true);
    void infoOfSelected();
    void removeSelected();
    void clearAll();

    // ------------------------------------------------------------------ row requests
    // Defined in NXAppController_RowRequests.cpp. A path's entry is the top-level entry at its
    // main index.
    NXMediaNodePtr entryAtPath(const NXMediaPath &path) const;
    void movieViewCellRequestChangeCurrnetProfile(const NXMediaPath &path);
    void movieViewCellRequestChangeProfile(const NXMediaPath &path);
    void movieViewCellRequestSetTag(const NXMediaPath &path);
    void movieViewCellRequestEdit(const NXMediaPath &path, int tabIndex);
    void movieViewCellRequestLoadSubtitle(const NXMediaPath &path);
    // The slideshow editor for a photo folder, the video editor for anything else.
    void openEditorForNode(const NXMediaNodePtr &node, int tabIndex);

    // ------------------------------------------------------------------ windows
    // Defined in NXAppController_Windows.cpp.
    void browseToSelectOutputFolder();
    // returnCode 1 (OK) shows and stores a writable chosen folder; anything else changes nothing.
    void openBrowseOutputPanelDidEnd(int returnCode, const QString &path);
    void openOutputFolder();
    void onAbout();
    void setting();
    void checkNewVersion();
    // A tool window closed: the main window flips back in its place and then adds the
    // recordings; the tool window's controller is released.
    void onNXYoutubeWindowWillCloseNotification();
    void handBackToolWindow(std::unique_ptr<NXToolWindowController> &field);

    // ------------------------------------------------------------------ online-video window
    // Defined in NXAppController_OnlineVideo.cpp.
    QPointer<DNButton> youtubeDownloadButton;
    // The button's picture and action, and the window's hand-back (at start-up).
    void setupOnlineVideoWindow();
    // Flips to the online-video window (made when none is open, else brought to the front).
    void youtubeDownloader();

    // ------------------------------------------------------------------ preview playback
    // Defined in NXAppController_Playback.cpp.
    bool isVideoLoading() const;
    // The play/stop button: stops (and ends every player of the program) or plays the entry of
    // the last selected row.
    void playbackSelected();
    void pausePlayback();
    void makeFullScreen();
    void getSnapshot();
    void openSelectedFile();
    void durationValueChanged(NXSlider *slider);
    void volumeValueChanged(NXSlider *slider);
    // A row's play button: queues the entry behind a running player, else plays it.
    void movieViewCellRequestPlay();
    void stopPlayingMovieAnyway();
    void playbackTimer();
    void mplayerWillStartNotification(const DNNotification &notification);
    void mplayerDidStartNotification(const DNNotification &notification);
    void mplayerDidChangeStateNotification(const DNNotification &notification);
    void mplayerEndedNotification(const DNNotification &notification);
    void mplayerDurationAvailableNotification(const DNNotification &notification);
    void mplayerExitFullScreenMode(const DNNotification &notification);
    void mplayerDurationVolumeChangeNotification(const DNNotification &notification);
    // Object: the entries about to be removed (NXMediaNodeList).
    void onCellWillRemoved(const DNNotification &notification);
    void onCellWasClear(const DNNotification &notification);

    // ------------------------------------------------------------------ recorder windows
    // Defined in NXAppController_Recorders.cpp.

    QPointer<DNButton> recordBUtton;   // the screen recorder
    QPointer<DNButton> cameraButton;
    // The open recorder windows' controllers (children of this controller), null when closed.
    QPointer<DNSRWindowController> screenRecord;
    QPointer<NXCameraRecorderController> cameraRecorderController;

    // The buttons' pictures and actions and the hand-back's registrations (at start-up).
    void setupRecorderWindows();
    // The screen recorder button (the command takes this name as the field has the original's).
    void screenRecordCommand();
    void cameraRecord();
    void onDNScreenRecorderWillDisappear(const DNNotification &notification);
    void onNXCamerraRecorderWindowWillCloseNotification(const DNNotification &notification);
    // Switches from one window to the other, the second centred where the first was, then runs
    // endAction.
    void flipRecorderWindow(QWidget *from, QWidget *to, bool forward, const std::function<void()> &endAction);

Q_SIGNALS:
    // isVideoLoading may have changed.
    void isVideoLoadingChanged();
    // The conversion run ended (finished, failed or stopped); emitted on the worker thread.
    void conversionRunEnded();

private:
    void connectCommands();
    void connectPlaybackCommands();
    void showPlaybackStopped();
    // The preview's player could not start: an alert on the window says why.
    void showPreviewCannotPlay(const QString &reason);
    void startPlaybackTimer();
    void stopPlaybackTimer();
    NXMediaNodePtr lastSelectedEntry(bool topLevel) const;
    void makeDVDLoadMenu();
    void makePreviewSliders();
    void setHighlightImages();
    void bindConversionOptions();
    bool checkConvertSource();
    bool checkOutputFolder();
    void showNoSourceAlert();
    void showInvalidFolderAlert();
    // The entries Convert would run that have no output profile, named as the user knows them.
    QStringList entriesWithoutProfile() const;
    void showNoProfileAlert(const QStringList &entries);
    // Selected DVD titles plus media files, file groups and slideshows: the runs the batch makes.
    int countConversions() const;
    // A slideshow of the batch: rendered by the image-to-video engine behind the sheet's photo
    // face, then converted as a file behind its video face; false ends the batch.
    bool convertSlideshow(const NXMediaNodePtr &entry, QStringList &outputs);

    // The entries of the running batch, taken on the main thread when it starts.
    NXMediaList batch_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> converting_{false};
    // The slideshow being rendered; the progress poll and Stop reach it from the main thread.
    std::mutex imageEngineLock_;
    std::shared_ptr<NXImageEngine> imageEngine_;
};
