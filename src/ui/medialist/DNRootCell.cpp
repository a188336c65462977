#include "DNRootCell.h"

#include "DNCellBackground.h"
#include "DNCellWidgets.h"
#include "NXMediaTableView.h"

#include "core/util/DNSystemActions.h"
#include "core/util/DNTimeText.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/DNOpenPanelFolder.h"
#include "ui/controls/DNPlainText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace {
// Height of the row's content (the list's row height); the toolbar goes below it.
constexpr int kContentHeight = 85;

QLabel *iconLabel(const char *image, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(DNImageNamed(QString::fromLatin1(image)));
    label->resize(16, 16);
    return label;
}
}

DNRootCell::DNRootCell(const QRect &frame, QWidget *parent) : DNCell(frame, parent)
{
    setObjectName(QStringLiteral("DNRootCell"));
    thumbnailView_ = new DNCellTrackImageView(QRect(1, 3, 100, 79), this);
    thumbnailView_->setDrawPlayIcon(true);
    connect(thumbnailView_, &DNCellTrackImageView::playClicked, this, [this] {
        if (hostTable())
            hostTable()->cellPlayPressed(this);
    });
    connect(thumbnailView_, &DNCellTrackImageView::settingClicked, this, [this] {
        if (hostTable())
            hostTable()->cellSettingPressed(this);
    });
    trackName_original_ = DNCellLabel(QString(), this);
    trackName_original_->setObjectName(QStringLiteral("trackName_original"));
    QFont bold = trackName_original_->font();
    bold.setBold(true);
    trackName_original_->setFont(bold);
    videoIcon_ = iconLabel("video_icon.png", this);
    audioIcon_ = iconLabel("audio_icon.png", this);
    subtitleIcon_ = iconLabel("subtitle_icon.png", this);
    videoTracks_ = new DNPopUpButton(this);
    audioTracks_ = new DNPopUpButton(this);
    subtitleTracks_ = new DNPopUpButton(this);
    videoTracks_->setObjectName(QStringLiteral("videoTracks"));
    audioTracks_->setObjectName(QStringLiteral("audioTracks"));
    subtitleTracks_->setObjectName(QStringLiteral("subtitleTracks"));
    connect(videoTracks_, &QComboBox::activated, this, &DNRootCell::onVideoTrackChanged);
    connect(audioTracks_, &QComboBox::activated, this, &DNRootCell::onAudioTrackChanged);
    connect(subtitleTracks_, &QComboBox::activated, this, &DNRootCell::onSubtitleTrackChanged);
    for (DNPopUpButton *popUp : {videoTracks_, audioTracks_, subtitleTracks_})
        connect(popUp, &DNPopUpButton::willPopUp, this, &DNCell::selectAlone);

    profileName_ = DNCellLabel(tr("Target format: "), this);
    profileName_->setObjectName(QStringLiteral("profileName"));
    profileName_->setFont(bold);
    outputLabel_ = DNCellLabel(tr("Output file:"), this);
    trackName_output_ = new DNTextField(this);
    trackName_output_->setObjectName(QStringLiteral("trackName_output"));
    trackName_output_->setFont(outputLabel_->font());
    connect(trackName_output_, &QLineEdit::editingFinished, this, &DNRootCell::onVideoOutputNameDidChanged);
    duration_output_ = DNCellLabel(QStringLiteral("00:00:00 - 00:00:00"), this);
    duration_output_->setObjectName(QStringLiteral("duration_output"));
    duration_output_->setTextFormat(Qt::RichText);

    profileView_ = new DNCellProfileImageView(QRect(0, 0, 80, 60), this);
    connect(profileView_, &DNCellProfileImageView::changeCurProfileClicked, this,
            &DNRootCell::onChangeCurProfileSetting);
    connect(profileView_, &DNCellProfileImageView::changeProfileTypeClicked, this,
            &DNRootCell::onChangeProfileType);

    up_ = DNCellImageButton(QStringLiteral("cell_move_up.png"), QStringLiteral("cell_move_up_down.png"), this);
    down_ = DNCellImageButton(QStringLiteral("cell_move_down.png"), QStringLiteral("cell_move_down_down.png"), this);
    remove_ = DNCellImageButton(QStringLiteral("cell_remove.png"), QStringLiteral("cell_remove_down.png"), this);
    connect(up_, &QPushButton::clicked, this, [this] { QTimer::singleShot(0, this, &DNCell::onMoveUp); });
    connect(down_, &QPushButton::clicked, this, [this] { QTimer::singleShot(0, this, &DNCell::onMoveDown); });
    connect(remove_, &QPushButton::clicked, this, &DNRootCell::onRemoveCell);
    setActionsButtonState(true);
    createToolbar();
    cellMenu_ = createCellMenu();
    layoutRow();
    stateOrFocusChanged();
}

void DNRootCell::createToolbar()
{
    toolbarContainer_ = new DNCellToolbar(this);
    connect(toolbarContainer_, &DNCellToolbar::infoClicked, this, &DNRootCell::showInfoOfRootCell);
    connect(toolbarContainer_, &DNCellToolbar::editClicked, this, &DNRootCell::editRootCell);
    connect(toolbarContainer_, &DNCellToolbar::renameClicked, this, &DNRootCell::renameRootCell);
}

QWidget *DNRootCell::toolbarContainer() const
{
    return toolbarContainer_;
}

DNButton *DNRootCell::toolBarInfo() const
{
    return toolbarContainer_->infoButton();
}

DNButton *DNRootCell::toolBarEdit() const
{
    return toolbarContainer_->editButton();
}

DNButton *DNRootCell::toolBarRename() const
{
    return toolbarContainer_->renameButton();
}

void DNRootCell::setToolBarButtonState(int state)
{
    DNCellToolbar::setButtonsState(state, {toolBarInfo(), toolBarEdit(), toolBarRename()});
}

QMenu *DNRootCell::createCellMenu()
{
    auto *menu = new QMenu(this);
    menu->addAction(tr("Show in Finder"), this, [this] { showRootCellDataInFinder(); });
    menu->addSeparator();
    QAction *edit = menu->addAction(tr("Edit"), this, &DNRootCell::editRootCell);
    edit->setData(100);
    menu->addAction(tr("Remove"), this, &DNRootCell::onRemoveCell);
    connect(menu, &QMenu::aboutToShow, this, [this, edit] { edit->setEnabled(type() == 0); });
    return menu;
}

void DNRootCell::layoutRow()
{
    const int w = width();
    const int h = height();
    const int extra = qMax(0, w - 595);
    const bool member = type() == 1;
    const int indent = member ? 50 : 0;
    thumbnailView_->setGeometry(1 + indent, 3, 100, 79);
    const int col2 = 110 + indent;
    const int col2Width = 200 + extra / 2;
    trackName_original_->setGeometry(col2, 4, col2Width, 16);
    const int popupWidth = col2Width - 20;
    videoIcon_->move(col2, 24);
    videoTracks_->setGeometry(col2 + 18, 22, popupWidth, 19);
    audioIcon_->move(col2, 44);
    audioTracks_->setGeometry(col2 + 18, 42, popupWidth, 19);
    subtitleIcon_->move(col2, 64);
    subtitleTracks_->setGeometry(col2 + 18, 62, popupWidth, 19);
    const int col3 = col2 + col2Width + 10;
    const int col3Width = qMax(120, w - 120 - col3);
    profileName_->setGeometry(col3, 6, col3Width, 16);
    outputLabel_->setGeometry(col3, 26, col3Width, 16);
    trackName_output_->setGeometry(col3 + 12, 43, col3Width - 12, 18);
    duration_output_->setGeometry(col3, 64, col3Width, 16);
    for (QWidget *column : {static_cast<QWidget *>(profileName_), static_cast<QWidget *>(outputLabel_),
                            static_cast<QWidget *>(trackName_output_), static_cast<QWidget *>(duration_output_),
                            static_cast<QWidget *>(profileView_)})
        column->setHidden(member);
    profileView_->move(w - 110, (kContentHeight - 60) / 2);
    up_->setGeometry(w - 20, 10, 14, 12);
    down_->setGeometry(w - 20, 25, 14, 12);
    remove_->setGeometry(w - 21, kContentHeight - 27, 15, 19);
    // The toolbar sits under the content; a member of a group, or a row given no room below its
    // content, leaves it outside its bounds.
    if (toolbarContainer_) {
        toolbarContainer_->setGeometry((w - 390) / 2, qMax(kContentHeight, h - 30), 390, 30);
        toolbarContainer_->setHidden(member);
    }
}

void DNRootCell::resizeEvent(QResizeEvent *)
{
    layoutRow();
}

void DNRootCell::setType(int type)
{
    DNCell::setType(type);
    // A row of its own has room for the toolbar; a member of a group has none.
    if (type == 0 || type == 1)
        resize(width(), type == 0 ? kContentHeight + 30 : kContentHeight);
    layoutRow();
    imageIndex_ = 0;
    stateOrFocusChanged();
}

std::shared_ptr<DNFileNode> DNRootCell::file() const
{
    return std::dynamic_pointer_cast<DNFileNode>(data());
}

void DNRootCell::setData(const NXMediaNodePtr &node)
{
    DNCell::setData(node);
    updateCellContent();
}

void DNRootCell::updateCellContent()
{
    const auto node = file();
    if (!node)
        return;
    filling_ = true;
    const auto setting = node->setting();
    thumbnailView_->setImage(node->thumbnail());
    DNShowElided(trackName_original_, QFileInfo(node->path()).fileName(), Qt::ElideMiddle);
    trackName_original_->setToolTip(DNPlainToolTip(DNDisplayName(node->path())));

    videoTracks_->clear();
    const auto &videos = node->videoTracks();
    for (int i = 0; i < videos.size(); ++i) {
        const auto &v = videos.at(i);
        videoTracks_->addItemWithTag(QStringLiteral("%1 %2x%3 %4")
                                         .arg(DNTimeStringFromSeconds(int(v->duration)))
                                         .arg(v->width)
                                         .arg(v->height)
                                         .arg(v->codec),
                                     100 + i + 1);
    }
    if (setting->videoIndex() >= 0 && setting->videoIndex() < videos.size())
        videoTracks_->setCurrentIndex(setting->videoIndex());

    audioTracks_->clear();
    const auto &audios = node->audioTracks();
    for (int i = 0; i < audios.size(); ++i) {
        const auto &a = audios.at(i);
        QString label = a->language;
        if (label.isEmpty() && a->aid >= 0)
            label = QString::number(a->aid);
        const QString text = label.isEmpty()
                                 ? QStringLiteral("%1ch %2").arg(a->channel).arg(a->codec)
                                 : QStringLiteral("[%1] %2ch %3").arg(label).arg(a->channel).arg(a->codec);
        audioTracks_->addItemWithTag(text, 100 + i + 1);
    }
    if (audios.isEmpty())
        audioTracks_->addItemWithTag(tr("No Audio"), TagNone);
    else if (setting->audioIndex() >= 0 && setting->audioIndex() < audios.size())
        audioTracks_->setCurrentIndex(setting->audioIndex());

    subtitleTracks_->clear();
    const auto &subtitles = node->subtitleTracks();
    for (int i = 0; i < subtitles.size(); ++i) {
        const auto *ext = dynamic_cast<const DNTExtSubtitle *>(subtitles.at(i).get());
        QString name = ext ? QFileInfo(ext->path()).completeBaseName() : subtitles.at(i)->language;
        if (name.isEmpty())
            name = QStringLiteral("undef");
        subtitleTracks_->addItemWithTag(tr("Track%1 [%2]").arg(i + 1).arg(name), 100 + i + 1);
    }
    if (!subtitles.isEmpty()) {
        subtitleTracks_->insertSeparator(subtitleTracks_->count());
        subtitleTracks_->addItemWithTag(tr("Load Subtitle..."), TagLoad);
        subtitleTracks_->addItemWithTag(tr("Disabled Subtitle"), TagDisabled);
    } else {
        subtitleTracks_->addItemWithTag(tr("No Subtitle"), TagNone);
        subtitleTracks_->addItemWithTag(tr("Load Subtitle..."), TagLoad);
    }
    if (setting->subtitleIndex() >= 0 && setting->subtitleIndex() < subtitles.size())
        subtitleTracks_->setCurrentIndex(setting->subtitleIndex());
    else if (subtitleTracks_->positionOfTag(TagDisabled) >= 0)
        subtitleTracks_->setCurrentIndex(subtitleTracks_->positionOfTag(TagDisabled));

    // A file without the chosen video track still shows its range, as 0 to 0.
    const int videoIndex = setting->videoIndex();
    const float duration = videoIndex >= 0 && videoIndex < videos.size() ? videos.at(videoIndex)->duration : 0.0f;
    int start = 0;
    int end = int(duration);
    if (setting->trimEnable()) {
        start = int(setting->trimStartPercent() * duration);
        end = int(setting->trimEndPercent() * duration);
    }
    duration_output_->setText(DNTrimRangeString(start, end, int(duration)));

    const auto profile = node->profile();
    DNShowOutputName(trackName_output_, node->nodeInfo().get(), profile.get(), true);
    showProfile(profile);
    filling_ = false;
}

void DNRootCell::showProfile(const std::shared_ptr<DNProfile> &profile)
{
    DNShowElided(profileName_, tr("Target format: ") + (profile ? profile->title() : tr("No Profile")));
    profileView_->updateDisplayImage(profile ? profile->iconID() : QString());
}

DNNodeInfoPtr DNRootCell::rowNodeInfo() const
{
    const auto node = file();
    return node ? node->nodeInfo() : nullptr;
}

std::shared_ptr<DNProfile> DNRootCell::rowProfile() const
{
    const auto node = file();
    return node ? node->profile() : nullptr;
}

void DNRootCell::onVideoTrackChanged()
{
    const auto node = file();
    if (!node || filling_)
        return;
    const int tag = videoTracks_->selectedTag();
    if (tag == TagNone || tag == TagDisabled || tag == TagLoad || node->videoTracks().isEmpty())
        return;
    node->setting()->setVideoIndex(videoTracks_->currentIndex());
}

void DNRootCell::onAudioTrackChanged()
{
    const auto node = file();
    if (!node || filling_)
        return;
    switch (audioTracks_->selectedTag()) {
    case TagNone:
        return;
    case TagDisabled:
        node->setting()->setAudioIndex(-1);
        return;
    case TagLoad:
        loadExtAudio();
        return;
    default:
        node->setting()->setAudioIndex(audioTracks_->currentIndex());
    }
}

void DNRootCell::onSubtitleTrackChanged()
{
    const auto node = file();
    if (!node || filling_)
        return;
    switch (subtitleTracks_->selectedTag()) {
    case TagNone:
        return;
    case TagDisabled:
        node->setting()->setSubtitleEnable(false);
        node->setting()->setSubtitleIndex(-1);
        return;
    case TagLoad:
        loadExtSubtitle();
        return;
    default:
        node->setting()->setSubtitleEnable(true);
        node->setting()->setSubtitleIndex(subtitleTracks_->currentIndex());
    }
}

void DNRootCell::loadExtSubtitle()
{
    auto *panel = new QFileDialog(window(), QString(), QString(),
                                  tr("Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)"));
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    DNPrepareOpenPanel(panel, QStringLiteral("Subtitle"));
    connect(panel, &QFileDialog::finished, this, [this, panel](int result) {
        const QStringList files = panel->selectedFiles();
        addExtSubtitlePath(result == QDialog::Accepted && !files.isEmpty() ? files.last() : QString());
    });
    panel->open();
}

void DNRootCell::loadExtAudio()
{
    auto *panel = new QFileDialog(window());
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    DNPrepareOpenPanel(panel, QStringLiteral("Audio"));
    connect(panel, &QFileDialog::finished, this, [this, panel](int result) {
        const QStringList files = panel->selectedFiles();
        addExtAudioPath(result == QDialog::Accepted && !files.isEmpty() ? files.last() : QString());
    });
    panel->open();
}

void DNRootCell::addExtSubtitlePath(const QString &path)
{
    const auto node = file();
    if (node && !path.isEmpty()) {
        node->subtitleTracks().append(DNTExtSubtitle::extSubtitleTrack(path));
        node->setting()->setSubtitleIndex(int(node->subtitleTracks().size()) - 1);
        node->setting()->setSubtitleEnable(true);
    }
    updateCellContent();
}

void DNRootCell::addExtAudioPath(const QString &path)
{
    const auto node = file();
    if (node && !path.isEmpty()) {
        node->audioTracks().append(DNTExtAudio::extAudioTrack(path));
        node->setting()->setAudioIndex(int(node->audioTracks().size()) - 1);
    }
    updateCellContent();
}

void DNRootCell::onVideoOutputNameDidChanged()
{
    if (const DNNodeInfoPtr info = rowNodeInfo())
        DNStoreEditedOutputName(trackName_output_, info.get(), rowProfile().get());
}

void DNRootCell::showRootCellDataInFinder()
{
    if (const auto node = file())
        DNOpenFolderInFinder(QFileInfo(node->path()).absolutePath());
}

void DNRootCell::editRootCell()
{
    selectAlone();
    if (hostTable())
        hostTable()->onEditCell();
}

void DNRootCell::showInfoOfRootCell()
{
    selectAlone();
    if (hostTable())
        hostTable()->onInfoOfCell();
}

void DNRootCell::setEditState(bool editing)
{
    if (editing) {
        trackName_output_->setFocus();
        trackName_output_->selectAll();
    } else {
        setFocus();
    }
}

void DNRootCell::renameRootCell()
{
    onSetTag();
}

void DNRootCell::mouseDoubleClick()
{
    if (type() == 0)
        editRootCell();
}

void DNRootCell::onRemoveCell()
{
    QTimer::singleShot(100, this, [this] {
        if (hostTable())
            hostTable()->cellRemove(this);
    });
}

void DNRootCell::setActionsButtonState(bool hidden)
{
    for (DNButton *button : {up_, down_, remove_})
        button->setHidden(hidden);
}

void DNRootCell::mouseEntered()
{
    const QDateTime now = QDateTime::currentDateTime();
    if (width() > 800 && mouseEnterDate_.isValid() && mouseEnterDate_.msecsTo(now) < 500)
        return;
    mouseEnterCounter_ = 1;
    mouseEnterDate_ = now;
    setActionsButtonState(false);
    setToolBarButtonState(1);
    const auto node = file();
    thumbnailView_->setPlayIconHidden(node && node->isPlaying());
    DNCell::mouseEntered();
}

void DNRootCell::mouseExited()
{
    if (mouseEnterCounter_ <= 0)
        return;
    setActionsButtonState(true);
    setToolBarButtonState(0);
    thumbnailView_->setPlayIconHidden(true);
    DNCell::mouseExited();
    mouseEnterCounter_ = 0;
}

void DNRootCell::stateOrFocusChanged()
{
    chooseBackgroundIndex(imageIndex_);
}

void DNRootCell::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    DNDrawCellBackground(p, rect(), imageIndex_ == 0 ? 1 : imageIndex_, type() == 0);
}
