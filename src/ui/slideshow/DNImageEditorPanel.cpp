// The slideshow editor's sheet: the preview with its buttons and the durations on the left, the
// photo browser with its sorting and the music table on the right, and what each control shows
// of the editor.
#include "ui/slideshow/DNImageEditor.h"

#include "ui/slideshow/DNPhotoBrowserModel.h"
#include "ui/slideshow/SlideshowView.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The preview's place; the transition strip takes its lower part while it is open.
constexpr int kPreviewWidth = 520;
constexpr int kPreviewHeight = 420;

QPushButton *button(const QString &title, const char *name)
{
    auto *b = new QPushButton(title);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
} // namespace

void DNImageEditor::buildPanel()
{
    panel_ = new QDialog;
    panel_->setObjectName(QStringLiteral("DNImageEditor"));
    panel_->setWindowTitle(tr("Slideshow"));
    auto *main = new QHBoxLayout(panel_);

    // --- the preview, its buttons and the durations
    auto *left = new QVBoxLayout;
    previewArea_ = new QWidget;
    previewArea_->setFixedSize(kPreviewWidth, kPreviewHeight);
    slideshowViewer_ = new SlideshowView(previewArea_);
    slideshowViewer_->setGeometry(0, 0, kPreviewWidth, kPreviewHeight);
    left->addWidget(previewArea_);

    auto *previewRow = new QHBoxLayout;
    previewButton_ = button(QString(), "previewButton");
    previewButton_->setFlat(true);
    previewButton_->setIconSize(QSize(32, 32));
    previewButton_->setToolTip(tr("Play the preview"));
    transitionButton_ = button(tr("Transitions"), "transitionButton");
    transitionButton_->setCheckable(true);
    previewRow->addWidget(previewButton_);
    previewRow->addStretch(1);
    previewRow->addWidget(transitionButton_);
    left->addLayout(previewRow);

    auto *durationRow = new QHBoxLayout;
    durationPopUp_ = new QComboBox;
    durationPopUp_->setObjectName(QStringLiteral("durationPopUp"));
    autoCalculateLabel_ = new QLabel(tr("Fitted to the music"));
    autoCalculateLabel_->setObjectName(QStringLiteral("autoCalculateLabel"));
    durationRow->addWidget(new QLabel(tr("Seconds per photo:")));
    durationRow->addWidget(durationPopUp_);
    durationRow->addWidget(autoCalculateLabel_);
    durationRow->addStretch(1);
    left->addLayout(durationRow);

    auto *timesRow = new QHBoxLayout;
    videoDurationField_ = new QLabel;
    videoDurationField_->setObjectName(QStringLiteral("totalVideoDuration"));
    audioDurationField_ = new QLabel;
    audioDurationField_->setObjectName(QStringLiteral("totalAudioDuration"));
    timesRow->addWidget(new QLabel(tr("Video:")));
    timesRow->addWidget(videoDurationField_);
    timesRow->addSpacing(20);
    timesRow->addWidget(new QLabel(tr("Music:")));
    timesRow->addWidget(audioDurationField_);
    timesRow->addStretch(1);
    left->addLayout(timesRow);
    left->addStretch(1);
    main->addLayout(left);

    // --- the photos and the music
    auto *right = new QVBoxLayout;
    auto *tools = new QHBoxLayout;
    goRootButton_ = button(tr("All Folders"), "goRootButton");
    addFolderButton_ = button(tr("Add Folder..."), "addFolderButton");
    removeButton_ = button(tr("Remove"), "removeButton");
    tools->addWidget(goRootButton_);
    tools->addStretch(1);
    tools->addWidget(addFolderButton_);
    tools->addWidget(removeButton_);
    right->addLayout(tools);

    auto *sortRow = new QHBoxLayout;
    sortBy_ = new QComboBox;
    sortBy_->setObjectName(QStringLiteral("sortBy"));
    sortBy_->addItems({tr("GPS position"), tr("Creation date"), tr("File name")});
    sortType_ = new QButtonGroup(panel_);
    sortType_->setExclusive(true);
    sortRow->addWidget(new QLabel(tr("Sort by:")));
    sortRow->addWidget(sortBy_);
    const QString directions[] = {tr("Ascending"), tr("Descending")};
    for (int segment = 0; segment < 2; ++segment) {
        auto *b = button(directions[segment], segment == 0 ? "sortAscending" : "sortDescending");
        b->setCheckable(true);
        sortType_->addButton(b, segment);
        sortRow->addWidget(b);
    }
    sortRow->addStretch(1);
    right->addLayout(sortRow);

    browserModel_ = new DNPhotoBrowserModel(panel_);
    browserModel_->setLevel([this] { return imageNodesAtCurrentLevel(); });
    browserModel_->setDropAllowed([this] { return acceptsDrop(); });
    browserModel_->setMoveHandler([this](const QList<int> &rows, int destination) {
        return imageBrowserMoveItemsAtIndexes(rows, destination);
    });
    imageBrowserView_ = new QListView;
    imageBrowserView_->setObjectName(QStringLiteral("imageBrowserView"));
    imageBrowserView_->setViewMode(QListView::IconMode);
    imageBrowserView_->setMovement(QListView::Static);
    imageBrowserView_->setResizeMode(QListView::Adjust);
    imageBrowserView_->setIconSize(QSize(DNPhotoBrowserModel::kThumbnailWidth, DNPhotoBrowserModel::kThumbnailHeight));
    imageBrowserView_->setGridSize(QSize(DNPhotoBrowserModel::kThumbnailWidth + 16, DNPhotoBrowserModel::kThumbnailHeight + 28));
    imageBrowserView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    imageBrowserView_->setDragDropMode(QAbstractItemView::DragDrop);
    imageBrowserView_->setDefaultDropAction(Qt::MoveAction);
    imageBrowserView_->setDropIndicatorShown(true);
    imageBrowserView_->setModel(browserModel_);
    imageBrowserView_->setMinimumSize(420, 300);
    // The image browser's grey.
    imageBrowserView_->setStyleSheet(QStringLiteral("QListView { background: rgb(212, 212, 212); }"));
    right->addWidget(imageBrowserView_, 1);

    auto *musicRow = new QHBoxLayout;
    musicRow->addWidget(new QLabel(tr("Music")));
    musicRow->addStretch(1);
    addMusicButton_ = button(tr("Add Music..."), "addMusicButton");
    musicRow->addWidget(addMusicButton_);
    right->addLayout(musicRow);
    audioList_ = new QTableWidget(0, 3);
    audioList_->setObjectName(QStringLiteral("audioList"));
    audioList_->setHorizontalHeaderLabels({tr("File"), tr("Duration"), QString()});
    audioList_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    audioList_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    audioList_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
    audioList_->setColumnWidth(2, 28);
    audioList_->verticalHeader()->hide();
    audioList_->verticalHeader()->setDefaultSectionSize(kMusicRowHeight + 6);
    audioList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    audioList_->setSelectionMode(QAbstractItemView::SingleSelection);
    audioList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    audioList_->setFixedHeight(120);
    right->addWidget(audioList_);

    auto *closing = new QHBoxLayout;
    cancelButton_ = button(tr("Cancel"), "cancelButton");
    doneButton_ = button(tr("Done"), "doneButton");
    doneButton_->setDefault(true);
    closing->addStretch(1);
    closing->addWidget(cancelButton_);
    closing->addWidget(doneButton_);
    right->addLayout(closing);
    main->addLayout(right, 1);

    bindControls();
}

void DNImageEditor::bindControls()
{
    connect(this, &DNImageEditor::stateOfGoRootChanged, goRootButton_,
            [this] { goRootButton_->setEnabled(stateOfGoRoot()); });
    connect(this, &DNImageEditor::stateOfAutoCaltulateChanged, autoCalculateLabel_,
            [this] { autoCalculateLabel_->setVisible(stateOfAutoCaltulate()); });
    connect(this, &DNImageEditor::imageForPreviewButtonChanged, previewButton_,
            [this] { previewButton_->setIcon(imageForPreviewButton()); });
    connect(this, &DNImageEditor::totalVideoDurationChanged, videoDurationField_,
            [this] { videoDurationField_->setText(totalVideoDuration()); });
    connect(this, &DNImageEditor::totalAudioDurationChanged, audioDurationField_,
            [this] { audioDurationField_->setText(totalAudioDuration()); });
    // The pop-up offers display_durations and shows valueOfDuration, also a value it does not
    // offer (one stored with the item).
    const auto showDurations = [this] {
        const QSignalBlocker quiet(durationPopUp_);
        durationPopUp_->clear();
        durationPopUp_->addItems(display_durations_);
        if (!display_durations_.contains(valueOfDuration_))
            durationPopUp_->addItem(valueOfDuration_);
        durationPopUp_->setCurrentText(valueOfDuration_);
    };
    connect(this, &DNImageEditor::display_durationsChanged, durationPopUp_, showDurations);
    connect(this, &DNImageEditor::valueOfDurationChanged, durationPopUp_, showDurations);
    connect(durationPopUp_, &QComboBox::textActivated, this, &DNImageEditor::setValueOfDuration);

    connect(sortBy_, &QComboBox::activated, this, &DNImageEditor::onSortImageTypeChanged);
    connect(sortType_, &QButtonGroup::idClicked, this, &DNImageEditor::onSortImageTypeChanged);
    connect(imageBrowserView_, &QListView::doubleClicked, this,
            [this](const QModelIndex &index) { imageBrowserCellWasDoubleClickedAtIndex(index.row()); });
    auto *deleteKey = new QShortcut(QKeySequence::Delete, imageBrowserView_);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, [this] {
        QList<int> rows;
        for (const QModelIndex &index : imageBrowserView_->selectionModel()->selectedIndexes())
            rows << index.row();
        imageBrowserRemoveItemsAtIndexes(rows);
    });

    connect(goRootButton_, &QPushButton::clicked, this, &DNImageEditor::onGoToRoot);
    connect(addFolderButton_, &QPushButton::clicked, this, &DNImageEditor::onAddPhotoFolder);
    connect(removeButton_, &QPushButton::clicked, this, &DNImageEditor::onRemove);
    connect(addMusicButton_, &QPushButton::clicked, this, &DNImageEditor::addMovieMusic);
    connect(transitionButton_, &QPushButton::clicked, this, &DNImageEditor::onTransitionPressed);
    connect(previewButton_, &QPushButton::clicked, this, &DNImageEditor::onPlay);
    connect(doneButton_, &QPushButton::clicked, this, &DNImageEditor::onDone);
    connect(cancelButton_, &QPushButton::clicked, this, &DNImageEditor::onCancel);
    connect(panel_, &QDialog::finished, this, &DNImageEditor::sheetDidEnd);
    // Escape and the window's close button leave the editor as Cancel does: no preview or
    // strip goes on playing in a closed sheet.
    connect(panel_, &QDialog::rejected, this, [this] {
        if (graphicsNode_)
            onLeaveEditor();
    });
}
