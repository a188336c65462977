#pragma once

#include "dvd/slideshow/DNGraphicsNode.h"
#include "ui/slideshow/DNEffectPreview.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

class DNPhotoBrowserModel;
class QButtonGroup;
class QComboBox;
class QDialog;
class QLabel;
class QListView;
class QPushButton;
class QTableWidget;
class QTimer;
class SlideshowView;

// The slideshow editor: the sheet in which the user edits one slideshow item: browses, reorders,
// removes and adds photos, sorts them, picks the music, chooses the seconds per photo (or lets
// the music's length decide), chooses the transitions the slideshow may use, and watches a
// preview. Every change is made on the item at once: there is no undo, and Done and Cancel
// close alike.
//
// Its parts, one source file each: DNImageEditor.cpp (opening, closing, the photo browser, the
// transitions and the preview), DNImageEditor_Music.cpp (the music table),
// DNImageEditor_Settings.cpp (sorting and durations), DNImageEditorPanel.cpp (the sheet's
// controls). Main thread only.
class DNImageEditor : public QObject, public DNEffectPreviewDelegate
{
    Q_OBJECT
    // What the sheet's controls show; each change is announced.
    Q_PROPERTY(bool stateOfGoRoot READ stateOfGoRoot WRITE setStateOfGoRoot NOTIFY stateOfGoRootChanged)
    Q_PROPERTY(bool stateOfAutoCaltulate READ stateOfAutoCaltulate WRITE setStateOfAutoCaltulate NOTIFY
                   stateOfAutoCaltulateChanged)
    Q_PROPERTY(QPixmap imageForPreviewButton READ imageForPreviewButton NOTIFY imageForPreviewButtonChanged)
    Q_PROPERTY(QString totalVideoDuration READ totalVideoDuration NOTIFY totalVideoDurationChanged)
    Q_PROPERTY(QString totalAudioDuration READ totalAudioDuration NOTIFY totalAudioDurationChanged)
    Q_PROPERTY(QStringList display_durations READ display_durations NOTIFY display_durationsChanged)
    Q_PROPERTY(QString valueOfDuration READ valueOfDuration WRITE setValueOfDuration NOTIFY valueOfDurationChanged)

public:
    explicit DNImageEditor(QObject *parent = nullptr);
    ~DNImageEditor() override;

    // ------------------------------------------------------------------ opening and closing
    void setGraphicsNode(const DNGraphicsNodePtr &node);
    DNGraphicsNodePtr graphicsNode() const { return graphicsNode_; }
    // Opens the sheet on window for the item given before.
    void displayOnWindow(QWidget *window);
    void onDone();
    void onCancel();
    void onLeaveEditor();
    // Posts "NXMediaTableViewRefreshAllCells 0.0" so that the list redraws its rows.
    void sheetDidEnd();

    // ------------------------------------------------------------------ photo browser
    // The level the browser shows: empty for the item's own (its folders), else that folder.
    DNImageNodePtr nodeDisplaying() const { return nodeDisplaying_; }
    QList<DNImageNodePtr> imageNodesAtCurrentLevel() const;
    int numberOfItemsInImageBrowser() const { return int(imageNodesAtCurrentLevel().size()); }
    DNImageNodePtr imageBrowserItemAtIndex(int index) const { return imageNodesAtCurrentLevel().value(index); }
    // A folder opens; a photo does nothing.
    void imageBrowserCellWasDoubleClickedAtIndex(int index);
    void onGoToRoot();
    bool stateOfGoRoot() const { return nodeDisplaying_ != nullptr; }
    void setStateOfGoRoot(bool on);
    void imageBrowserRemoveItemsAtIndexes(const QList<int> &indexes);
    // Removes the browser's selected entries.
    void onRemove();
    // Takes the entries at indexes out and puts them back as one block at destination, less the
    // number of them that stood before it.
    bool imageBrowserMoveItemsAtIndexes(const QList<int> &indexes, int destination);
    // Entries move only at the item's own level.
    bool acceptsDrop() const { return nodeDisplaying_ == nullptr; }
    // Asks for folders; addPhotoFolderPanelDidEnd takes the answer.
    void onAddPhotoFolder();
    void addPhotoFolderPanelDidEnd(int returnCode, const QStringList &folders);
    QList<DNImageNodePtr> allImagesNodesWithoutFolderNode() const;

    // ------------------------------------------------------------------ sorting and durations
    void onSortImageTypeChanged();
    void makeUISettingControlFitNodeSetting();
    // The chosen seconds per photo when above 1, else 2.
    float slideshowInterval() const;
    QString valueOfDuration() const { return valueOfDuration_; }
    // A choice of the duration pop-up: shown, the preview restarted, and the item's interval.
    void setValueOfDuration(const QString &text);
    QStringList display_durations() const { return display_durations_; }
    // Seconds per photo from the music's length.
    void autoCalculate();
    QString totalVideoDuration() const;
    QString totalAudioDuration() const;
    bool stateOfAutoCaltulate() const { return stateOfAutoCaltulate_; }
    void setStateOfAutoCaltulate(bool on);

    // ------------------------------------------------------------------ music
    int numberOfRowsInTableView() const;
    // The text of a cell: "File", "Duration", or "x" for any other column.
    QString tableViewObjectValue(const QString &column, int row) const;
    static constexpr int kMusicRowHeight = 18;
    // Asks for music files; addMusicPanelDidEnd takes the answer.
    void addMovieMusic();
    void addMusicPanelDidEnd(int returnCode, const QStringList &files);
    // The remove button of a music row: removes the selected row.
    void buttonCellClick();
    void reloadMusicTable();

    // ------------------------------------------------------------------ transitions and preview
    void onTransitionPressed();
    void onEffectsSelectionChanged(const QList<int> &types) override;
    void onPlay();
    QPixmap imageForPreviewButton() const;
    void startSlideshowTimer();
    void stopSlideshowTimer();
    void advanceSlideshow();
    DNImageNodePtr slideshowCurrentAsset() const { return slideshowCurrentAsset_; }
    bool isPreviewRunning() const { return slideshowTimer_ != nullptr; }

    // ------------------------------------------------------------------ the sheet's controls
    QDialog *panel() const { return panel_; }
    SlideshowView *slideshowViewer() const { return slideshowViewer_; }
    QListView *imageBrowserView() const { return imageBrowserView_; }
    DNPhotoBrowserModel *imageBrowserModel() const { return browserModel_; }
    // Two segments: ascending (0), descending (1).
    QButtonGroup *sortType() const { return sortType_; }
    // GPS position, creation date, file name.
    QComboBox *sortBy() const { return sortBy_; }
    QTableWidget *audioList() const { return audioList_; }
    QPushButton *previewButton() const { return previewButton_; }
    QPushButton *goRootButton() const { return goRootButton_; }
    QPushButton *removeButton() const { return removeButton_; }
    QPushButton *addFolderButton() const { return addFolderButton_; }
    QPushButton *addMusicButton() const { return addMusicButton_; }
    QPushButton *transitionButton() const { return transitionButton_; }
    QPushButton *doneButton() const { return doneButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }
    QComboBox *durationPopUp() const { return durationPopUp_; }
    QLabel *videoDurationField() const { return videoDurationField_; }
    QLabel *audioDurationField() const { return audioDurationField_; }
    DNEffectPreview *effectsView() const { return effectsView_; }

Q_SIGNALS:
    void stateOfGoRootChanged();
    void stateOfAutoCaltulateChanged();
    void imageForPreviewButtonChanged();
    void totalVideoDurationChanged();
    void totalAudioDurationChanged();
    void display_durationsChanged();
    void valueOfDurationChanged();

private:
    void buildPanel();
    void bindControls();
    void reloadBrowser();
    // The list of the level shown, for changes.
    QList<DNImageNodePtr> *currentLevel();
    void setDisplayDurations(const QStringList &durations);
    void showValueOfDuration(const QString &text);
    void openTransitionChoice();
    void closeTransitionChoice();
    // A file panel as a sheet on parent; done gets 1 (OK) or 0 and what was chosen.
    void openPanel(QWidget *parent, const QString &title, const char *name, int fileMode, const QString &filter,
                   void (DNImageEditor::*done)(int, const QStringList &));

    DNGraphicsNodePtr graphicsNode_;
    DNImageNodePtr nodeDisplaying_;
    DNImageNodePtr slideshowCurrentAsset_;
    QTimer *slideshowTimer_ = nullptr;
    QPointer<DNEffectPreview> effectsView_;
    QStringList display_durations_;
    QString valueOfDuration_ = QStringLiteral("2.0");
    qint32 indexOfSortMethod_ = 0;
    qint32 indexOfSortKey_ = 2;
    bool stateOfAutoCaltulate_ = false;

    QDialog *panel_ = nullptr;
    QWidget *previewArea_ = nullptr;
    SlideshowView *slideshowViewer_ = nullptr;
    QListView *imageBrowserView_ = nullptr;
    DNPhotoBrowserModel *browserModel_ = nullptr;
    QButtonGroup *sortType_ = nullptr;
    QComboBox *sortBy_ = nullptr;
    QTableWidget *audioList_ = nullptr;
    QPushButton *previewButton_ = nullptr;
    QPushButton *goRootButton_ = nullptr;
    QPushButton *removeButton_ = nullptr;
    QPushButton *addFolderButton_ = nullptr;
    QPushButton *addMusicButton_ = nullptr;
    QPushButton *transitionButton_ = nullptr;
    QPushButton *doneButton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
    QComboBox *durationPopUp_ = nullptr;
    QLabel *videoDurationField_ = nullptr;
    QLabel *audioDurationField_ = nullptr;
    QLabel *autoCalculateLabel_ = nullptr;
};
