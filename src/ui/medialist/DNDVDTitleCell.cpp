#include "DNDVDTitleCell.h"

#include "DNCellWidgets.h"
#include "NXMediaTableView.h"

#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTExtSubtitle.h"
#include "dvd/DNDVDTitle.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNCheckBox.h"
#include "ui/controls/DNImageNamed.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {
QLabel *iconLabel(const char *image, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(DNImageNamed(QString::fromLatin1(image)));
    label->resize(16, 16);
    return label;
}
}

DNDVDTitleCell::DNDVDTitleCell(const QRect &frame, QWidget *parent) : DNCell(frame, parent)
{
    setObjectName(QStringLiteral("DNDVDTitleCell"));
    check_ = new DNCheckBox(this);
    check_->setObjectName(QStringLiteral("check"));
    check_->setFocusPolicy(Qt::NoFocus);
    check_->setImages(DNImageNamed(QStringLiteral("title_cell_uncheck.png")),
                      DNImageNamed(QStringLiteral("title_cell_check.png")));
    check_->resize(18, 18);
    connect(check_, &QCheckBox::clicked, this, &DNDVDTitleCell::onCheckTitle);

    titleName_ = DNCellLabel(tr("title %1").arg(QStringLiteral("00")), this);
    titleName_->setObjectName(QStringLiteral("titleName"));
    titleDuration_ = DNCellLabel(QStringLiteral("00:00:00 - 00:00:00"), this);
    titleDuration_->setObjectName(QStringLiteral("titleDuration"));
    titleDuration_->setTextFormat(Qt::RichText);
    titleDuration_->setAlignment(Qt::AlignCenter);
    titleResolution_ = DNCellLabel(QStringLiteral("000x000(00:0)"), this);
    titleResolution_->setObjectName(QStringLiteral("titleResolution"));
    titleResolution_->setStyleSheet(QStringLiteral("color: #555b66;"));

    audioIcon_ = iconLabel("audio_icon.png", this);
    subtitleIcon_ = iconLabel("subtitle_icon.png", this);
    audioTracks_ = new DNPopUpButton(this);
    audioTracks_->setObjectName(QStringLiteral("audioTracks"));
    subtitleTracks_ = new DNPopUpButton(this);
    subtitleTracks_->setObjectName(QStringLiteral("subtitleTracks"));
    connect(audioTracks_, &QComboBox::activated, this, &DNDVDTitleCell::onAudioTrackDidChanged);
    connect(subtitleTracks_, &QComboBox::activated, this, &DNDVDTitleCell::onSubtitleTrackDidChanged);
    connect(audioTracks_, &DNPopUpButton::willPopUp, this, &DNCell::selectAlone);
    connect(subtitleTracks_, &DNPopUpButton::willPopUp, this, &DNCell::selectAlone);

    edit_ = new DNButton(this);
    edit_->setObjectName(QStringLiteral("edit"));
    edit_->setFlat(true);
    edit_->setFocusPolicy(Qt::NoFocus);
    edit_->setToolTip(tr("Edit"));
    edit_->setText(tr("Edit"));
    QFont editFont = edit_->font();
    editFont.setPixelSize(10);
    editFont.setBold(true);
    edit_->setFont(editFont);
    connect(edit_, &QPushButton::clicked, this, &DNDVDTitleCell::onCellEdit);
    setEditPictures(false);
    // The pill grows with a longer word.
    edit_->resize(qMax(53, edit_->sizeHint().width()), 20);

    cellMenu_ = createCellMenu();
    layoutRow();
    stateOrFocusChanged();
}

QMenu *DNDVDTitleCell::createCellMenu()
{
    auto *menu = new QMenu(this);
    menu->addAction(tr("Audio Volume"), this, &DNDVDTitleCell::onRightMenu_EditAudioVolume);
    menu->addAction(tr("Subtitle"), this, &DNDVDTitleCell::onRightMenu_EditSubtitle);
    menu->addAction(tr("Trim"), this, &DNDVDTitleCell::onRightMenu_EditTrim);
    menu->addAction(tr("Crop & Expand"), this, &DNDVDTitleCell::onRightMenu_EditCropExpand);
    menu->addSeparator();
    menu->addAction(tr("Deselect All"), this, &DNDVDTitleCell::onRightMenu_DeselectAll);
    return menu;
}

void DNDVDTitleCell::layoutRow()
{
    const int w = width();
    const int h = height();
    auto centred = [h](QWidget *widget) { return (h - widget->height()) / 2; };
    check_->move(10, centred(check_));
    titleName_->adjustSize();
    titleName_->move(check_->geometry().right() + 4, centred(titleName_));
    // The track view keeps to the right edge; the information column takes what is left.
    const int editX = w - 8 - edit_->width();
    const int popupWidth = qBound(105, (w - 585) / 4 + 120, 170);
    const int subtitleX = editX - 6 - popupWidth;
    const int subtitleIconX = subtitleX - 18;
    const int audioX = subtitleIconX - 8 - popupWidth;
    const int audioIconX = audioX - 18;
    edit_->move(editX, (h - 20) / 2);
    audioTracks_->setGeometry(audioX, (h - 20) / 2, popupWidth, 20);
    subtitleTracks_->setGeometry(subtitleX, (h - 20) / 2, popupWidth, 20);
    audioIcon_->move(audioIconX, (h - 16) / 2);
    subtitleIcon_->move(subtitleIconX, (h - 16) / 2);
    const int infoX = titleName_->geometry().right() + 10;
    const int infoRight = audioIconX - 10;
    titleDuration_->adjustSize();
    titleResolution_->adjustSize();
    titleDuration_->move(infoX, centred(titleDuration_));
    titleResolution_->move(qMax(titleDuration_->geometry().right() + 8, infoRight - titleResolution_->width()),
                           centred(titleResolution_));
}

void DNDVDTitleCell::resizeEvent(QResizeEvent *)
{
    layoutRow();
}

std::shared_ptr<DNDVDTitle> DNDVDTitleCell::title() const
{
    return std::dynamic_pointer_cast<DNDVDTitle>(data());
}

void DNDVDTitleCell::setData(const NXMediaNodePtr &node)
{
    DNCell::setData(node);
    updateCellContent();
}

void DNDVDTitleCell::setEditPictures(bool active)
{
    editActive_ = active;
    // Normal, highlighted and pressed pictures of the two looks.
    static const char *const pictures[2][3] = {
        {"title_celll_edit_inactive_nor.png", "title_celll_edit_inactive_on.png", "title_celll_edit_inactive_down.png"},
        {"title_celll_edit_active_nor.png", "title_celll_edit_active_on.png", "title_celll_edit_active_down.png"},
    };
    // The word's colour in each picture (the picture generator's inks).
    static const QColor inks[2][3] = {
        {QColor(120, 128, 140), QColor(60, 100, 170), QColor(40, 70, 130)},
        {QColor(170, 100, 20), QColor(150, 85, 10), QColor(120, 65, 5)},
    };
    const char *const *look = pictures[active ? 1 : 0];
    const QColor *ink = inks[active ? 1 : 0];
    edit_->setNormalImage(DNImageNamed(QString::fromLatin1(look[0])));
    edit_->setHighlightImage(DNImageNamed(QString::fromLatin1(look[1])));
    edit_->setAlternateImage(DNImageNamed(QString::fromLatin1(look[2])));
    edit_->setTitleInImage({QRectF(5, 2, 43, 16), ink[0], ink[1], ink[2], Qt::AlignCenter, 8});
}

void DNDVDTitleCell::updateCellContent()
{
    const auto t = title();
    if (!t)
        return;
    filling_ = true;
    const auto setting = t->setting();
    titleName_->setText(tr("title %1").arg(t->index() + 1));
    check_->setChecked(t->isSelected());

    const int length = t->length();
    int start = 0;
    int end = length;
    if (setting && setting->trimEnable()) {
        start = int(length * setting->trimStartPercent());
        end = int(length * setting->trimEndPercent());
    }
    titleDuration_->setText(DNTrimRangeString(start, end, length));

    const int videoIndex = setting ? setting->videoIndex() : 0;
    if (videoIndex >= 0 && videoIndex < t->videoTracks().size()) {
        const auto &video = t->videoTracks().at(videoIndex);
        titleResolution_->setText(QStringLiteral("%1x%2(%3:%4)")
                                      .arg(video->videoResolution().width(), 0, 'f', 0)
                                      .arg(video->videoResolution().height(), 0, 'f', 0)
                                      .arg(video->videoAspect().width(), 0, 'f', 0)
                                      .arg(video->videoAspect().height(), 0, 'f', 0));
    }

    audioTracks_->clear();
    const auto &audios = t->audioTracks();
    for (int i = 0; i < audios.size(); ++i) {
        const auto &a = audios.at(i);
        audioTracks_->addItemWithTag(QStringLiteral("%1 [%2] %3ch").arg(a->audioCodec(), a->audioLang()).arg(a->channel()), i);
    }
    if (audios.isEmpty())
        audioTracks_->addItemWithTag(tr("No Audio"), TagNone);
    else if (setting && setting->audioIndex() >= 0 && setting->audioIndex() < audios.size())
        audioTracks_->setCurrentIndex(setting->audioIndex());

    subtitleTracks_->clear();
    const auto &subtitles = t->subtitleTracks();
    bool discSubtitle = false;
    for (int i = 0; i < subtitles.size(); ++i) {
        const auto &s = subtitles.at(i);
        subtitleTracks_->addItemWithTag(tr("Track%1 [%2]").arg(i + 1).arg(s->subtitleName()), i);
        if (!dynamic_cast<const DNDVDTExtSubtitle *>(s.get()))
            discSubtitle = true;
    }
    if (!subtitles.isEmpty()) {
        if (discSubtitle) {
            subtitleTracks_->insertSeparator(subtitleTracks_->count());
            subtitleTracks_->addItemWithTag(tr("Forced Subtitle"), TagForced);
        }
        subtitleTracks_->addItemWithTag(tr("Load Subtitle..."), TagLoad);
        subtitleTracks_->addItemWithTag(tr("Disabled Subtitle"), TagDisabled);
    } else {
        subtitleTracks_->addItemWithTag(tr("No Subtitle"), TagNone);
        subtitleTracks_->addItemWithTag(tr("Load Subtitle..."), TagLoad);
    }
    const int subtitleIndex = setting ? setting->subtitleIndex() : -1;
    if (subtitleIndex >= 0 && subtitleIndex < subtitleTracks_->count())
        subtitleTracks_->setCurrentIndex(subtitleIndex);
    else if (setting && setting->forceSubOnly() && subtitleTracks_->positionOfTag(TagForced) >= 0)
        subtitleTracks_->setCurrentIndex(subtitleTracks_->positionOfTag(TagForced));
    else if (subtitleTracks_->positionOfTag(TagDisabled) >= 0)
        subtitleTracks_->setCurrentIndex(subtitleTracks_->positionOfTag(TagDisabled));

    const bool edited = setting
                        && (setting->volume() != 100 || setting->subtitleEnable() || setting->trimEnable()
                            || setting->cropEnable());
    setEditPictures(edited);

    audioTracks_->setEnabled(true);
    subtitleTracks_->setEnabled(true);
    const auto *dvd = dynamic_cast<const DNDVDNode *>(t->parent());
    if (const auto profile = dvd ? dvd->profile() : nullptr; profile && profile->majorClassID() == 1) {
        const int klass = profile->profileClassID();
        if (klass == 3 || klass == 5) {
            audioTracks_->setEnabled(false);
            subtitleTracks_->setEnabled(false);
        } else if (klass == 4) {
            subtitleTracks_->setEnabled(false);
        }
    }
    layoutRow();
    filling_ = false;
    stateOrFocusChanged();
}

void DNDVDTitleCell::onCheckTitle()
{
    if (hostTable())
        hostTable()->cellCheckStateChanged(this);
    selectAlone();
}

void DNDVDTitleCell::onCellEdit()
{
    selectAlone();
    if (hostTable())
        hostTable()->cellEdit(this);
}

void DNDVDTitleCell::onAudioTrackDidChanged()
{
    const auto t = title();
    if (!t || filling_)
        return;
    const int tag = audioTracks_->selectedTag();
    if (tag == TagNone)
        return;
    const int position = audioTracks_->currentIndex();
    if (tag == TagDisabled) {
        t->setting()->setAudioIndex(-1);
        return;
    }
    if (position >= 0 && position < t->audioTracks().size())
        t->setting()->setAudioIndex(t->audioTracks().at(position)->index());
}

void DNDVDTitleCell::onSubtitleTrackDidChanged()
{
    const auto t = title();
    if (!t || filling_)
        return;
    const auto setting = t->setting();
    switch (subtitleTracks_->selectedTag()) {
    case TagNone:
        return;
    case TagDisabled:
        setting->setSubtitleIndex(-1);
        setting->setSubtitleEnable(false);
        setting->setForceSubOnly(false);
        break;
    case TagForced:
        setting->setForceSubOnly(true);
        setting->setSubtitleIndex(-1);
        setting->setSubtitleEnable(true);
        break;
    case TagLoad:
        setting->setForceSubOnly(false);
        if (hostTable())
            hostTable()->cellEditLoadExtSubtitle(this);
        break;
    default:
        setting->setForceSubOnly(false);
        setting->setSubtitleIndex(subtitleTracks_->currentIndex());
        setting->setSubtitleEnable(true);
        break;
    }
    const bool edited = setting->volume() != 100 || setting->subtitleEnable() || setting->trimEnable()
                        || setting->cropEnable();
    setEditPictures(edited);
}

void DNDVDTitleCell::onRightMenu_EditAudioVolume()
{
    if (hostTable())
        hostTable()->cellEditChangeVolume(this);
}

void DNDVDTitleCell::onRightMenu_EditSubtitle()
{
    if (hostTable())
        hostTable()->cellEditLoadExtSubtitle(this);
}

void DNDVDTitleCell::onRightMenu_EditTrim()
{
    if (hostTable())
        hostTable()->cellEditTrim(this);
}

void DNDVDTitleCell::onRightMenu_EditCropExpand()
{
    if (hostTable())
        hostTable()->cellEditCropExpand(this);
}

void DNDVDTitleCell::onRightMenu_DeselectAll()
{
    if (hostTable())
        hostTable()->cellDeselectAll(this);
    selectAlone();
}

void DNDVDTitleCell::setEnabled(bool enabled)
{
    isEnabled_ = enabled;
    setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
    for (QWidget *child : findChildren<QWidget *>())
        child->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

void DNDVDTitleCell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    selectAlone();
}

void DNDVDTitleCell::mouseDoubleClickEvent(QMouseEvent *)
{
    onCellEdit();
}

void DNDVDTitleCell::stateOrFocusChanged()
{
    const auto t = title();
    int index;
    if (isFocused())
        index = 0;
    else if (state() == StateSelected)
        index = 3;
    else if (t && t->isMainTitle())
        index = 2;
    else
        index = 1;
    if (index != imageIndex_) {
        imageIndex_ = index;
        update();
    }
}

void DNDVDTitleCell::paintEvent(QPaintEvent *)
{
    static const char *pictures[] = {nullptr, "title_cell_background_nor.png", "title_cell_sp_background.png",
                                     "title_cell_background_on.png"};
    if (imageIndex_ <= 0)
        return;
    QPainter p(this);
    const QRect area = rect().adjusted(0, 1, 0, -1);
    const QPixmap picture = DNImageNamed(QString::fromLatin1(pictures[imageIndex_]));
    if (!picture.isNull()) {
        p.drawPixmap(area, picture);
        return;
    }
    static const QColor fills[] = {QColor(), QColor(255, 255, 255), QColor(248, 244, 230), QColor(214, 228, 247)};
    p.fillRect(area, fills[imageIndex_]);
}
