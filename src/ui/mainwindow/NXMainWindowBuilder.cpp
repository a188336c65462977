#include "NXMainWindowBuilder.h"

#include "DNWindow.h"
#include "NXAppController.h"

#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/DNMenuButton.h"
#include "ui/controls/DNReadOnlyPathField.h"

#include "ui/medialist/NXMediaTableView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Top-bar buttons: a picture over a short title (marked for translation, translated when made).
struct TopBarButton
{
    QPointer<DNButton> NXAppController::*outlet;
    const char *title;
    const char *normalImage;
};

// A top-bar title wider than this takes two lines, so thirteen buttons keep to the window's
// width in languages with long words.
constexpr int kTopBarTitleWidth = 96;
// The bar is this high with one line of titles, and grows for a second line.
constexpr int kTopBarHeight = 66;

constexpr QSize kWindowSize(1040, 660);
constexpr QSize kLeastWindowSize(900, 560);

constexpr int kPreviewWidth = 336;
constexpr int kPreviewHeight = 189;
// The preview control strip that holds the two sliders at the frames the controller gives them.
constexpr int kControlStripHeight = 80;

const char *const kStyleSheet = R"(
#topBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a3e48, stop:1 #23262d);
          border-bottom: 1px solid #15171b; }
#topBar DNButton, #topBar DNMenuButton { color: #e8eaef; background: transparent; border: none;
          padding: 2px 6px; }
#mediaListSlot { background: #f4f5f7; border: 1px solid #c9ccd2; }
#rightColumn { background: #2b2e35; }
#previewPlaceholder { background: #121317; border: 1px solid #0b0c0e; color: #6b707a; }
#rightAreaBox { background: #2b2e35; }
#rightAreaBox QLabel { color: #c9ccd3; font-size: 11px; }
#rightAreaBox QPushButton { color: #e8eaef; background: #3a3e48; border: 1px solid #1d1f24;
                            border-radius: 3px; }
#rightAreaBox QPushButton:disabled { color: #7a7f89; background: #33363e; }
#optionsBox { background: #33363e; border: 1px solid #1d1f24; border-radius: 4px; }
#optionsBox QLabel, #optionsBox QCheckBox { color: #dfe2e8; }
#optionsTitle { font-weight: bold; }
#listCommandBar { background: #e7e9ec; border-top: 1px solid #c9ccd2; }
#bottomBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #eceef1, stop:1 #d9dce1);
             border-top: 1px solid #b9bdc4; }
#outputFolderField { background: white; border: 1px solid #b3b8c0; padding: 3px; }
#convertButton { color: white; font-weight: bold; font-size: 14px; border-radius: 5px;
                 background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f93f0, stop:1 #2f6fd0);
                 border: 1px solid #25589f; padding: 8px 26px; }
#convertButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #62a2f5, stop:1 #3a7bdc); }
)";

// Pictures at one height however many lines their titles take.
void addTopBarButton(QHBoxLayout *row, DNButton *button)
{
    button->setTitleWrapWidth(kTopBarTitleWidth);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(button, 0, Qt::AlignTop);
}

DNButton *makeTopBarButton(QHBoxLayout *row, QWidget *parent, const char *title, const char *image)
{
    auto *button = new DNButton(QObject::tr(title), parent);
    button->setNormalImage(QString::fromLatin1(image));
    addTopBarButton(row, button);
    return button;
}

QWidget *buildTopBar(NXAppController *c, QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("topBar"));
    bar->setMinimumHeight(kTopBarHeight);
    bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(10, 8, 10, 4);
    row->setSpacing(6);

    c->DVDLoadButton = new DNMenuButton(QObject::tr("Load DVD"), bar);
    c->DVDLoadButton->setNormalImage(QStringLiteral("DVD_load_nor.png"));
    c->DVDLoadButton->setHighlightImage(QStringLiteral("DVD_load_on.png"));
    c->DVDLoadButton->setToolTip(QObject::tr("Click to load a DVD disc; hold for more sources"));
    addTopBarButton(row, c->DVDLoadButton);

    static const TopBarButton left[] = {
        {&NXAppController::DVDDiscLoadButton, QT_TRANSLATE_NOOP("QObject", "DVD Disc"), "DVD_disc_nor.png"},
        {&NXAppController::DVDFolderLoadButton, QT_TRANSLATE_NOOP("QObject", "DVD Folder"), "DVD_Folder_nor.png"},
        {&NXAppController::DVDIsoLoadButton, QT_TRANSLATE_NOOP("QObject", "ISO Image"), "DVD_ISO_nor.png"},
        {&NXAppController::videoLoadButton, QT_TRANSLATE_NOOP("QObject", "Add Video"), "add_video_nor.png"},
        {&NXAppController::photoLoadButton, QT_TRANSLATE_NOOP("QObject", "Add Photos"), "add_photo_nor.png"},
        {&NXAppController::DVDClearAllButton, QT_TRANSLATE_NOOP("QObject", "Clear All"), "yt_clear_all_nor.png"},
    };
    for (const TopBarButton &entry : left)
        c->*entry.outlet = makeTopBarButton(row, bar, entry.title, entry.normalImage);
    row->addStretch(1);
    static const TopBarButton right[] = {
        {&NXAppController::recordBUtton, QT_TRANSLATE_NOOP("QObject", "Screen Recorder"), "screen_recorder_nor.png"},
        {&NXAppController::cameraButton, QT_TRANSLATE_NOOP("QObject", "Camera"), "camera_recorder_nor.png"},
        {&NXAppController::youtubeDownloadButton, QT_TRANSLATE_NOOP("QObject", "Online Video"), "online_video_nor.png"},
        {&NXAppController::settingButton, QT_TRANSLATE_NOOP("QObject", "Preferences"), "setting_nor.png"},
        {&NXAppController::checkNewButton, QT_TRANSLATE_NOOP("QObject", "Update"), "check_new_version_nor.png"},
        {&NXAppController::cudaButton, QT_TRANSLATE_NOOP("QObject", "Contact"), "main_contact_nor.png"},
    };
    for (const TopBarButton &entry : right)
        c->*entry.outlet = makeTopBarButton(row, bar, entry.title, entry.normalImage);
    return bar;
}

QWidget *buildListColumn(NXAppController *c, QWidget *parent)
{
    auto *column = new QWidget(parent);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *slot = new QFrame(column);
    slot->setObjectName(QStringLiteral("mediaListSlot"));
    auto *slotLayout = new QVBoxLayout(slot);
    slotLayout->setContentsMargins(0, 0, 0, 0);
    c->mediaListSlot = slot;
    layout->addWidget(slot, 1);

    auto *commands = new QFrame(column);
    commands->setObjectName(QStringLiteral("listCommandBar"));
    auto *row = new QHBoxLayout(commands);
    row->setContentsMargins(8, 5, 8, 5);
    row->setSpacing(6);
    const struct
    {
        QPointer<QPushButton> NXAppController::*outlet;
        const char *title;
    } buttons[] = {
        {&NXAppController::editButton, QT_TRANSLATE_NOOP("QObject", "Edit")},
        {&NXAppController::renameButton, QT_TRANSLATE_NOOP("QObject", "Rename")},
        {&NXAppController::mergeButton, QT_TRANSLATE_NOOP("QObject", "Merge")},
        {&NXAppController::infoButton, QT_TRANSLATE_NOOP("QObject", "Info")},
        {&NXAppController::removeButton, QT_TRANSLATE_NOOP("QObject", "Remove")},
        {&NXAppController::clearButton, QT_TRANSLATE_NOOP("QObject", "Clear")},
    };
    for (const auto &entry : buttons) {
        auto *button = new QPushButton(QObject::tr(entry.title), commands);
        button->setFocusPolicy(Qt::NoFocus);
        c->*entry.outlet = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    layout->addWidget(commands);
    return column;
}

// The conversion options, bound to the settings by the controller.
QWidget *buildOptionsBox(NXAppController *c, QWidget *parent)
{
    auto *box = new QFrame(parent);
    box->setObjectName(QStringLiteral("optionsBox"));
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(6);
    auto *title = new QLabel(QObject::tr("Conversion Options"), box);
    title->setObjectName(QStringLiteral("optionsTitle"));
    layout->addWidget(title);
    c->highQualityCheck = new QCheckBox(QObject::tr("High Quality"), box);
    c->deinterlaceCheck = new QCheckBox(QObject::tr("Deinterlace"), box);
    c->safeModeCheck = new QCheckBox(QObject::tr("Safe Mode"), box);
    for (QCheckBox *check : {c->highQualityCheck.data(), c->deinterlaceCheck.data(), c->safeModeCheck.data()})
        layout->addWidget(check);
    auto *cores = new QHBoxLayout;
    cores->addWidget(new QLabel(QObject::tr("CPU Cores:"), box));
    c->CPUCores = new QComboBox(box);
    c->CPUCores->setMinimumWidth(64);
    cores->addWidget(c->CPUCores);
    cores->addStretch(1);
    layout->addLayout(cores);
    return box;
}

QWidget *buildPreviewColumn(NXAppController *c, QWidget *parent)
{
    auto *column = new QFrame(parent);
    column->setObjectName(QStringLiteral("rightColumn"));
    column->setFixedWidth(kPreviewWidth + 24);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);

    auto *preview = new QLabel(column);
    preview->setObjectName(QStringLiteral("previewPlaceholder"));
    preview->setFixedSize(kPreviewWidth, kPreviewHeight);
    preview->setAlignment(Qt::AlignCenter);
    const QPixmap blank = DNImageNamed(QStringLiteral("preview_blank.png"));
    if (blank.isNull())
        preview->setText(QObject::tr("Preview"));
    else
        preview->setPixmap(blank);
    c->subWindowTrackView = preview;
    layout->addWidget(preview);

    // The preview controls: the controller places its sliders in this box at fixed frames.
    auto *box = new QFrame(column);
    box->setObjectName(QStringLiteral("rightAreaBox"));
    box->setFixedSize(kPreviewWidth, kControlStripHeight);
    c->rightAreaBox = box;

    // The preview buttons; the controller gives them their pictures.
    c->playAndStop = new DNButton(box);
    c->playAndStop->setToolTip(QObject::tr("Play"));
    c->playAndStop->setGeometry(14, 6, 28, 28);
    c->pauseAndGoon = new DNButton(box);
    c->pauseAndGoon->setToolTip(QObject::tr("Pause"));
    c->pauseAndGoon->setGeometry(14, 42, 28, 28);
    c->fullScreenButton = new DNButton(box);
    c->fullScreenButton->setToolTip(QObject::tr("Full Screen"));
    c->fullScreenButton->setGeometry(65, 40, 28, 28);
    c->playedDuration = new QLabel(QStringLiteral("00:00:00"), box);
    c->playedDuration->setGeometry(65, 2, 90, 16);
    c->leftDuration = new QLabel(QStringLiteral("00:00:00"), box);
    c->leftDuration->setGeometry(158, 2, 90, 16);
    c->leftDuration->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *volume = new QLabel(QObject::tr("Volume"), box);
    // Tall enough for the line height of the CJK faces too.
    volume->setGeometry(252, 30, 76, 18);
    c->capureSnap = new DNButton(box);
    c->capureSnap->setNormalImage(QStringLiteral("right_snapshot_nor.png"));
    c->capureSnap->setToolTip(QObject::tr("Snapshot"));
    c->capureSnap->setGeometry(258, 2, 28, 24);
    c->openFile = new DNButton(box);
    c->openFile->setNormalImage(QStringLiteral("right_open_video_nor.png"));
    c->openFile->setToolTip(QObject::tr("Open the snapshot folder"));
    c->openFile->setGeometry(294, 2, 28, 24);
    for (QWidget *w : {static_cast<QWidget *>(c->playAndStop), static_cast<QWidget *>(c->pauseAndGoon),
                       static_cast<QWidget *>(c->fullScreenButton), static_cast<QWidget *>(c->capureSnap),
                       static_cast<QWidget *>(c->openFile)}) {
        w->setEnabled(false);
        w->setFocusPolicy(Qt::NoFocus);
    }
    layout->addWidget(box);
    layout->addWidget(buildOptionsBox(c, column));
    layout->addStretch(1);
    return column;
}

QWidget *buildBottomBar(NXAppController *c, QWidget *parent)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("bottomBar"));
    auto *grid = new QHBoxLayout(bar);
    grid->setContentsMargins(12, 8, 12, 8);
    grid->setSpacing(14);

    auto *settings = new QVBoxLayout;
    settings->setSpacing(6);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(QObject::tr("Output Folder:"), bar));
    c->outputFolderField = DNReadOnlyPathField(bar);
    c->outputFolderField->setObjectName(QStringLiteral("outputFolderField"));
    c->outputFolderField->setMinimumWidth(320);
    folderRow->addWidget(c->outputFolderField, 1);
    c->browseOutputButton = new QPushButton(QObject::tr("Browse..."), bar);
    c->browseOutputButton->setToolTip(QObject::tr("Choose the folder converted files are saved in"));
    c->openOutputButton = new QPushButton(QObject::tr("Open"), bar);
    c->openOutputButton->setToolTip(QObject::tr("Show the output folder"));
    for (QPushButton *button : {c->browseOutputButton.data(), c->openOutputButton.data()}) {
        button->setFocusPolicy(Qt::NoFocus);
        folderRow->addWidget(button);
    }
    settings->addLayout(folderRow);

    grid->addLayout(settings, 1);

    c->right_run_btn = new DNButton(QObject::tr("Convert"), bar);
    c->right_run_btn->setObjectName(QStringLiteral("convertButton"));
    c->right_run_btn->setCursor(Qt::PointingHandCursor);
    c->right_run_btn->setMinimumHeight(44);
    grid->addWidget(c->right_run_btn, 0, Qt::AlignVCenter);
    return bar;
}

void buildMenus(NXMainWindowInterface &ui)
{
    QMenuBar *bar = ui.window->menuBar();
    QMenu *appMenu = bar->addMenu(QObject::tr("Talvane"));
    ui.aboutItem = appMenu->addAction(QStringLiteral("About"));
    appMenu->addSeparator();
    ui.hiddenItem = appMenu->addAction(QStringLiteral("Hide"));
    ui.hiddenItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+H")));
    appMenu->addSeparator();
    ui.quitItem = appMenu->addAction(QStringLiteral("Quit"));
    ui.quitItem->setShortcut(QKeySequence::Quit);
    ui.quitItem->setMenuRole(QAction::QuitRole);
    ui.helpMenu = bar->addMenu(QObject::tr("Help"));
    ui.helpItem = ui.helpMenu->addAction(QStringLiteral("Help"));
    ui.logItem = ui.helpMenu->addAction(QObject::tr("Show Log"));
    ui.logItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
}

}

NXMainWindowInterface NXBuildMainWindow(NXAppController *c)
{
    NXMainWindowInterface ui;
    ui.window = new DNWindow;
    ui.window->setObjectName(QStringLiteral("mainWindow"));
    ui.window->setWindowTitle(QStringLiteral("Talvane"));
    ui.window->setStyleSheet(QString::fromLatin1(kStyleSheet));
    c->mainWindow = ui.window;

    auto *central = new QWidget(ui.window);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar(c, central));
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(buildListColumn(c, central), 1);
    middle->addWidget(buildPreviewColumn(c, central));
    layout->addLayout(middle, 1);
    layout->addWidget(buildBottomBar(c, central));
    ui.window->setCentralWidget(central);

    c->tableView = c->makeMediaTableView(c->mediaListSlot);
    buildMenus(ui);
    // Never narrower than its texts need, in whatever language they are.
    ui.window->ensurePolished();
    const QSize least = kLeastWindowSize.expandedTo(ui.window->minimumSizeHint());
    ui.window->setMinimumSize(least);
    ui.window->resize(kWindowSize.expandedTo(least));
    return ui;
}
