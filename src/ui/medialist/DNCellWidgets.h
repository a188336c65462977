#pragma once

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QString>
#include <QWidget>

class DNButton;
class DNProgressIndicator;

// The glossy thumbnail: the image fitted into size on background, then a faint white sheen
// across the top whose lower edge rises from 20 % of the height at the left to 90 % at the right.
QImage DNGlossyThumbnail(const QImage &image, const QSize &size, const QColor &background);

// "start - end" as rich text; an edge that is trimmed (start above 0, end below length) shows in
// translucent dark red, an untrimmed one in black.
QString DNTrimRangeString(int start, int end, int length);

// A row's thumbnail: a dark-grey placeholder with a spinner until an image arrives, the glossy
// image after; an optional play button in the middle, hidden until the row shows it.
class DNCellTrackImageView : public QWidget
{
    Q_OBJECT
public:
    explicit DNCellTrackImageView(const QRect &frame, QWidget *parent = nullptr);

    // A null image (none made yet) changes nothing; the first image stops the spinner.
    void setImage(const QImage &image);
    // 0 (the default) scales the image down keeping its proportions, 1 fills the view, each
    // axis scaled on its own.
    void setImageScaling(int scaling);
    QImage shownImage() const { return shown_; }
    bool hasImage() const { return !shown_.isNull(); }
    // The spinner turns while no image has arrived.
    bool isWaitingForImage() const;

    bool drawPlayIcon() const { return playIcon_ != nullptr; }
    // YES builds a fresh, hidden play button when there is none; NO removes it.
    void setDrawPlayIcon(bool draw);
    void setPlayIconHidden(bool hidden);
    DNButton *playIcon() const { return playIcon_; }

Q_SIGNALS:
    void playClicked();
    void settingClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void makeShownImage();

    QImage source_;
    QImage shown_;
    DNButton *playIcon_ = nullptr;
    int imageScaling_ = 0;
    DNProgressIndicator *spinner_ = nullptr;
};

// The preview of a photo-folder row: the thumbnail fills the view, with no play button.
class DNCellPhotoImageView : public DNCellTrackImageView
{
    Q_OBJECT
public:
    explicit DNCellPhotoImageView(const QRect &frame, QWidget *parent = nullptr);
};

// The two-button profile control: the left button shows the output profile's icon (choose a
// profile), the right one a settings icon (edit the profile). The pair looks like one split
// button: under the pointer both show their frames, and holding one down shows the other's frame
// in the pressed look.
class DNCellProfileImageView : public QWidget
{
    Q_OBJECT
public:
    explicit DNCellProfileImageView(const QRect &frame, QWidget *parent = nullptr);
    // The profile icon "<name>_nor.png" / "<name>_on.png"; "icon_default" for an empty name.
    void updateDisplayImage(const QString &iconName);
    QString iconName() const { return iconName_; }
    DNButton *leftButton() const { return setting1_; }
    DNButton *rightButton() const { return setting2_; }
    // The row's pointer entered (hover look: both frames) or left (plain look: icons alone).
    void setHoverLook(bool hover);

Q_SIGNALS:
    void changeCurProfileClicked();
    void changeProfileTypeClicked();

private:
    void onSetting1MouseDown();
    void onSetting2MouseDown();

    DNButton *setting1_ = nullptr;
    DNButton *setting2_ = nullptr;
    QString iconName_;
    QPixmap leftIconOn_;
    QPixmap leftIconNormal_;
    QPixmap rightIconOn_;
    QPixmap rightIconNormal_;
};

// An editable name field without a frame that shows white only while it is being edited. It
// shows a name on one line (DNDisplayName); a name too long for it is cut in the middle with an
// ellipsis, so that its extension stays in view, until the user edits it; the whole name is the
// tooltip.
class DNTextField : public QLineEdit
{
    Q_OBJECT
public:
    explicit DNTextField(QWidget *parent = nullptr);
    // The name shown; a field being edited shows it whole at once.
    void setName(const QString &name);
    QString name() const { return name_; }
    // The user typed into the field since the name was shown.
    bool isEdited() const { return text() != shown_; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The name whole while the field has the focus, else cut to its width.
    void showName(bool whole);

    QString name_;
    QString shown_;
};

// The small toolbar under a file or group row: information, edit and tags buttons of 70 x 20 at
// x 0, 160 and 320, 390 points wide in all.
class DNCellToolbar : public QWidget
{
    Q_OBJECT
public:
    explicit DNCellToolbar(QWidget *parent = nullptr);
    DNButton *infoButton() const { return info_; }
    DNButton *editButton() const { return edit_; }
    DNButton *renameButton() const { return rename_; }
    // 1 shows the hover ("_on") pictures of buttons, 0 their normal ("_nor") ones; other values
    // change nothing.
    static void setButtonsState(int state, const QList<DNButton *> &buttons);

Q_SIGNALS:
    void infoClicked();
    void editClicked();
    void renameClicked();

private:
    DNButton *info_ = nullptr;
    DNButton *edit_ = nullptr;
    DNButton *rename_ = nullptr;
};

// A pop-up of tagged items that reports when it is about to open (rows select themselves then).
class DNPopUpButton : public QComboBox
{
    Q_OBJECT
public:
    explicit DNPopUpButton(QWidget *parent = nullptr);
    void addItemWithTag(const QString &title, int tag);
    int tagAt(int position) const;
    // The position of the first item with tag, or -1.
    int positionOfTag(int tag) const;
    int selectedTag() const { return tagAt(currentIndex()); }
    QStringList itemTitles() const;
    void showPopup() override;

Q_SIGNALS:
    void willPopUp();
};

// A small label for the rows: the small font, no frame, clear background. It shows its text as
// plain text (rows name files, folders and titles); a row's own markup asks for rich text.
class QLabel;
QLabel *DNCellLabel(const QString &text, QWidget *parent);
// A borderless picture button with a normal and a pressed picture.
DNButton *DNCellImageButton(const QString &image, const QString &pressedImage, QWidget *parent);
// The expand button of a DVD or group row: "expand.png" while the members are shown, "pick.png"
// while they are hidden.
void DNShowOpenupState(DNButton *button, bool open);
class DNNodeInfo;
class DNProfile;
// The name typed into field, with the output profile's extension, becomes info's output name
// and is shown so (nothing without info). A field left as it was keeps the name it shows (its
// line breaks too, shown as marks).
void DNStoreEditedOutputName(DNTextField *field, DNNodeInfo *info, const DNProfile *profile);
// The name the output file is written under, shown in field: info's output name with the output
// profile's extension in place of its own, as the conversion names the file. Stored back as the
// output name when store is true.
void DNShowOutputName(DNTextField *field, DNNodeInfo *info, const DNProfile *profile, bool store);
