#include "DNCellWidgets.h"

#include "core/lang/OutputPathExtension.h"
#include "core/model/DNNodeInfo.h"
#include "core/util/DNPaths.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/DNPlainText.h"
#include "ui/controls/DNProgressIndicator.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStandardItemModel>

QImage DNGlossyThumbnail(const QImage &image, const QSize &size, const QColor &background)
{
    const int w = size.width();
    const int h = size.height();
    if (w <= 0 || h <= 0)
        return QImage();
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    out.fill(background);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!image.isNull()) {
        const QSize fitted = image.size().scaled(size, Qt::KeepAspectRatio);
        p.drawImage(QRectF((w - fitted.width()) * 0.5, (h - fitted.height()) * 0.5,
                           fitted.width(), fitted.height()),
                    image);
    }
    // The sheen band, in top-down coordinates: from the top edge down to 80 % of the height at
    // the left and 10 % at the right.
    QPainterPath band;
    band.moveTo(0, 0);
    band.lineTo(w, 0);
    band.lineTo(w, h * 0.1);
    band.lineTo(0, h * 0.8);
    band.closeSubpath();
    QLinearGradient sheen(QPointF(0, 0), QPointF(0.3 * w, h));
    sheen.setColorAt(0, QColor(255, 255, 255, 51));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(band, sheen);
    return out;
}

QString DNTrimRangeString(int start, int end, int length)
{
    auto part = [](int seconds, bool trimmed) {
        const QString text = QStringLiteral("%1:%2:%3")
                                 .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                                 .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                 .arg(seconds % 60, 2, 10, QLatin1Char('0'));
        return trimmed ? QStringLiteral("<span style=\"color:rgba(191,0,0,0.5)\">%1</span>").arg(text)
                       : QStringLiteral("<span style=\"color:#000000\">%1</span>").arg(text);
    };
    return QStringLiteral("%1 - %2").arg(part(start, start > 0), part(end, end < length));
}

namespace {
constexpr int kSpinnerSize = 30;
}

DNCellTrackImageView::DNCellTrackImageView(const QRect &frame, QWidget *parent) : QWidget(parent)
{
    setGeometry(frame);
    spinner_ = new DNProgressIndicator(this);
    spinner_->setObjectName(QStringLiteral("thumbnailSpinner"));
    spinner_->setGeometry((width() - kSpinnerSize) / 2, (height() - kSpinnerSize) / 2, kSpinnerSize, kSpinnerSize);
    spinner_->startAnimation();
}

void DNCellTrackImageView::setImage(const QImage &image)
{
    if (image.isNull())
        return;
    spinner_->stopAnimation();
    spinner_->hide();
    source_ = image;
    makeShownImage();
    update();
}

bool DNCellTrackImageView::isWaitingForImage() const
{
    return spinner_->isAnimating();
}

void DNCellTrackImageView::setImageScaling(int scaling)
{
    imageScaling_ = scaling;
    makeShownImage();
    update();
}

void DNCellTrackImageView::makeShownImage()
{
    if (source_.isNull()) {
        shown_ = QImage();
        return;
    }
    const QImage image = imageScaling_ == 1 && !size().isEmpty()
                             ? source_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             : source_;
    shown_ = DNGlossyThumbnail(image, size(), Qt::black);
}

DNCellPhotoImageView::DNCellPhotoImageView(const QRect &frame, QWidget *parent) : DNCellTrackImageView(frame, parent)
{
    setImageScaling(1);
}

void DNCellTrackImageView::setDrawPlayIcon(bool draw)
{
    if (!draw) {
        delete playIcon_;
        playIcon_ = nullptr;
        return;
    }
    if (playIcon_)
        return;
    playIcon_ = new DNButton(this);
    playIcon_->setObjectName(QStringLiteral("playIcon"));
    const QPixmap picture = DNImageNamed(QStringLiteral("playIcon.png"));
    playIcon_->setNormalImage(picture.isNull() ? picture
                                               : picture.scaled(32, 32, Qt::KeepAspectRatio,
                                                                Qt::SmoothTransformation));
    playIcon_->setFlat(true);
    playIcon_->setGeometry((width() - 32) / 2, (height() - 32) / 2, 32, 32);
    playIcon_->setCursor(Qt::PointingHandCursor);
    connect(playIcon_, &QPushButton::clicked, this, &DNCellTrackImageView::playClicked);
    playIcon_->hide();
}

void DNCellTrackImageView::setPlayIconHidden(bool hidden)
{
    if (playIcon_)
        playIcon_->setHidden(hidden);
}

void DNCellTrackImageView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (shown_.isNull()) {
        p.fillRect(rect(), QColor(64, 64, 64));
    } else {
        p.drawImage(0, 0, shown_);
    }
    p.setPen(QColor(0, 0, 0, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DNCellTrackImageView::resizeEvent(QResizeEvent *)
{
    makeShownImage();
    if (playIcon_)
        playIcon_->move((width() - 32) / 2, (height() - 32) / 2);
    spinner_->move((width() - kSpinnerSize) / 2, (height() - kSpinnerSize) / 2);
}

namespace {
// The icons are drawn at their own size, at most 48 points, so they fit inside the frames.
QPixmap fitted(const QPixmap &p)
{
    return p.isNull() || (p.width() <= 48 && p.height() <= 48)
               ? p
               : p.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap centred(const QString &frameName, const QPixmap &icon)
{
    QPixmap frame = DNImageNamed(frameName);
    if (frame.isNull())
        return icon;
    QPixmap out = frame.copy();
    QPainter p(&out);
    p.drawPixmap((out.width() - icon.width()) / 2, (out.height() - icon.height()) / 2, icon);
    return out;
}
}

DNCellProfileImageView::DNCellProfileImageView(const QRect &frame, QWidget *parent) : QWidget(parent)
{
    setGeometry(frame);
    setting1_ = new DNButton(this);
    setting1_->setObjectName(QStringLiteral("profileIconButton"));
    setting1_->setGeometry(1, 1, 58, 58);
    setting1_->setFlat(true);
    setting1_->setToolTip(tr("Output Profile"));
    setting2_ = new DNButton(this);
    setting2_->setObjectName(QStringLiteral("profileSettingButton"));
    setting2_->setGeometry(1 + 58 - 13, 1, 35, 58);
    setting2_->setFlat(true);
    setting2_->setToolTip(tr("Edit Profile"));
    setting1_->raise();
    rightIconOn_ = fitted(DNImageNamed(QStringLiteral("setting_icon_on.png")));
    rightIconNormal_ = fitted(DNImageNamed(QStringLiteral("setting_icon_nor.png")));
    setting2_->setAlternateImage(centred(QStringLiteral("right_frame_state3.png"), rightIconOn_));
    setting1_->setMouseDownAction([this](DNButton *) { onSetting1MouseDown(); });
    setting2_->setMouseDownAction([this](DNButton *) { onSetting2MouseDown(); });
    connect(setting1_, &QPushButton::clicked, this, [this] {
        Q_EMIT changeCurProfileClicked();
        setHoverLook(true);
    });
    connect(setting2_, &QPushButton::clicked, this, [this] {
        Q_EMIT changeProfileTypeClicked();
        setHoverLook(true);
    });
    updateDisplayImage(QString());
    setHoverLook(false);
}

void DNCellProfileImageView::updateDisplayImage(const QString &iconName)
{
    iconName_ = iconName.isEmpty() ? QStringLiteral("icon_default") : iconName;
    leftIconNormal_ = fitted(DNImageNamed(iconName_ + QStringLiteral("_nor.png")));
    leftIconOn_ = fitted(DNImageNamed(iconName_ + QStringLiteral("_on.png")));
    if (leftIconNormal_.isNull()) {
        leftIconNormal_ = fitted(DNImageNamed(QStringLiteral("icon_default_nor.png")));
        leftIconOn_ = fitted(DNImageNamed(QStringLiteral("icon_default_on.png")));
    }
    if (leftIconOn_.isNull())
        leftIconOn_ = leftIconNormal_;
    setting1_->setNormalImage(leftIconNormal_);
    setting1_->setAlternateImage(centred(QStringLiteral("left_frame_state2.png"), leftIconOn_));
}

void DNCellProfileImageView::setHoverLook(bool hover)
{
    setting1_->setNormalImage(hover ? centred(QStringLiteral("left_frame_state1.png"), leftIconOn_) : leftIconNormal_);
    setting2_->setNormalImage(hover ? centred(QStringLiteral("right_frame_state1.png"), rightIconOn_)
                                    : rightIconNormal_);
}

void DNCellProfileImageView::onSetting1MouseDown()
{
    // The left button shows its own pressed look while held; the right one joins the frame.
    setting2_->setNormalImage(centred(QStringLiteral("right_frame_state2.png"), rightIconOn_));
}

void DNCellProfileImageView::onSetting2MouseDown()
{
    setting1_->setNormalImage(centred(QStringLiteral("left_frame_state3.png"), leftIconOn_));
}

DNTextField::DNTextField(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"
                                 "QLineEdit:focus { background: white; }"));
}

void DNTextField::setName(const QString &name)
{
    name_ = name;
    setToolTip(DNPlainToolTip(DNDisplayName(name)));
    showName(hasFocus());
}

void DNTextField::showName(bool whole)
{
    const QString shownName = DNDisplayName(name_);
    // The room for text inside the field: its own margins and the line edit's padding of 2 each
    // side.
    const int room = contentsRect().width() - textMargins().left() - textMargins().right() - 4;
    shown_ = whole ? shownName : fontMetrics().elidedText(shownName, Qt::ElideMiddle, room);
    // Rewriting an unchanged text would take away the selection and caret.
    if (text() != shown_)
        setText(shown_);
}

void DNTextField::focusInEvent(QFocusEvent *event)
{
    if (!isEdited())
        showName(true);
    QLineEdit::focusInEvent(event);
}

void DNTextField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // The window going to the background, or a menu opening, leaves the field being edited.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && !isEdited())
        showName(false);
}

void DNTextField::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    if (!hasFocus() && !isEdited())
        showName(false);
}

namespace {
// The toolbar's buttons: object name, pictures (normal, highlighted, pressed), position in the
// bar, tooltip and the word beside the picture's glyph. The picture names stand in full so that
// the resource check finds them.
struct ToolbarButton
{
    const char *stem;
    const char *normal;
    const char *on;
    const char *down;
    int x;
    const char *tip;
    const char *word;
};
const ToolbarButton kToolbarButtons[] = {
    {"toolbar_info", "toolbar_info_nor.png", "toolbar_info_on.png", "toolbar_info_down.png", 0,
     QT_TRANSLATE_NOOP("DNCellToolbar", "Media Information"), QT_TRANSLATE_NOOP("DNCellToolbar", "Info")},
    {"toolbar_edit", "toolbar_edit_nor.png", "toolbar_edit_on.png", "toolbar_edit_down.png", 160,
     QT_TRANSLATE_NOOP("DNCellToolbar", "Edit"), QT_TRANSLATE_NOOP("DNCellToolbar", "Edit")},
    {"toolbar_rename", "toolbar_rename_nor.png", "toolbar_rename_on.png", "toolbar_rename_down.png", 320,
     QT_TRANSLATE_NOOP("DNCellToolbar", "Tags"), QT_TRANSLATE_NOOP("DNCellToolbar", "Tags")},
};

// The word's colour in the normal, highlighted and pressed pictures (the picture generator's
// inks), and its room right of the glyph. The pill stretches between its ends (the glyph stays
// in the left one) when a word needs more room.
const QColor kToolbarInkNormal(112, 120, 134);
const QColor kToolbarInkHighlighted(50, 100, 180);
const QColor kToolbarInkPressed(30, 64, 130);

DNButton::TitleInImage toolbarWord(bool highlighted)
{
    return {QRectF(28, 0, 38, 20), highlighted ? kToolbarInkHighlighted : kToolbarInkNormal, {}, kToolbarInkPressed,
            Qt::AlignLeft | Qt::AlignVCenter, 27};
}
}

DNCellToolbar::DNCellToolbar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("toolbarContainer"));
    resize(390, 30);
    DNButton **fields[] = {&info_, &edit_, &rename_};
    void (DNCellToolbar::*clicked[])() = {&DNCellToolbar::infoClicked, &DNCellToolbar::editClicked,
                                          &DNCellToolbar::renameClicked};
    for (int i = 0; i < 3; ++i) {
        const ToolbarButton &b = kToolbarButtons[i];
        DNButton *button = DNCellImageButton(QString::fromLatin1(b.normal), QString::fromLatin1(b.down), this);
        button->setObjectName(QString::fromLatin1(b.stem));
        button->setToolTip(tr(b.tip));
        QFont font = button->font();
        font.setPixelSize(10);
        button->setFont(font);
        button->setText(tr(b.word));
        button->setTitleInImage(toolbarWord(false));
        button->setGeometry(b.x, 2, qMax(70, button->sizeHint().width()), 20);
        button->setProperty("normalPicture", QString::fromLatin1(b.normal));
        button->setProperty("highlightedPicture", QString::fromLatin1(b.on));
        connect(button, &QPushButton::clicked, this, clicked[i]);
        *fields[i] = button;
    }
}

void DNCellToolbar::setButtonsState(int state, const QList<DNButton *> &buttons)
{
    if (state != 0 && state != 1)
        return;
    const char *picture = state == 1 ? "highlightedPicture" : "normalPicture";
    for (DNButton *button : buttons) {
        button->setNormalImage(button->property(picture).toString());
        button->setTitleInImage(toolbarWord(state == 1));
    }
}

DNPopUpButton::DNPopUpButton(QWidget *parent) : QComboBox(parent)
{
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    setFont(f);
    setFocusPolicy(Qt::NoFocus);
}

void DNPopUpButton::addItemWithTag(const QString &title, int tag)
{
    addItem(title, tag);
}

int DNPopUpButton::tagAt(int position) const
{
    const QVariant v = itemData(position);
    return v.isValid() ? v.toInt() : -1;
}

int DNPopUpButton::positionOfTag(int tag) const
{
    for (int i = 0; i < count(); ++i)
        if (itemData(i).isValid() && itemData(i).toInt() == tag)
            return i;
    return -1;
}

QStringList DNPopUpButton::itemTitles() const
{
    QStringList titles;
    for (int i = 0; i < count(); ++i)
        titles << (itemData(i, Qt::AccessibleDescriptionRole).toString() == QLatin1String("separator")
                       ? QStringLiteral("-")
                       : itemText(i));
    return titles;
}

void DNPopUpButton::showPopup()
{
    emit willPopUp();
    QComboBox::showPopup();
}

QLabel *DNCellLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    DNShowAsPlainText(label);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    label->setFont(f);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->adjustSize();
    return label;
}

DNButton *DNCellImageButton(const QString &image, const QString &pressedImage, QWidget *parent)
{
    auto *button = new DNButton(parent);
    button->setFlat(true);
    button->setNormalImage(DNImageNamed(image));
    button->setAlternateImage(DNImageNamed(pressedImage));
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void DNShowOpenupState(DNButton *button, bool open)
{
    const QString image = open ? QStringLiteral("expand.png") : QStringLiteral("pick.png");
    button->setNormalImage(DNImageNamed(image));
    button->setAlternateImage(DNImageNamed(image));
}

void DNStoreEditedOutputName(DNTextField *field, DNNodeInfo *info, const DNProfile *profile)
{
    if (!info)
        return;
    // What the field shows of a name may be cut short, and its line breaks are marks: a name the
    // user left alone is taken from the item, not from the field.
    const QString typed = field->isEdited() ? field->text() : info->outputName();
    const QString name =
        DNFileNameAsWritten(FixOutputPathExtension(typed, profile ? profile->fileNameSuffix() : QString(), 0));
    // The field is left when its window loses the focus too; showing an unchanged name again
    // would take away the selection and caret the user comes back to.
    if (field->isEdited() || field->name() != name)
        field->setName(name);
    info->setOutputName(name);
}

void DNShowOutputName(DNTextField *field, DNNodeInfo *info, const DNProfile *profile, bool store)
{
    if (!info)
        return;
    const QString name =
        DNFileNameAsWritten(FixOutputPathExtension(info->outputName(), profile ? profile->fileNameSuffix() : QString(), 1));
    field->setName(name);
    if (store)
        info->setOutputName(name);
}
