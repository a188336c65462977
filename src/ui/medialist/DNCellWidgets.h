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
    QImage source_;
    QImage shown_;
    DNButton *playIcon_ = nullptr;
    DNProgressIndicator *spinner_ = nullptr;
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

// An editable name field without a frame that shows white only while it is being edited.
class DNTextField : public QLineEdit
{
    Q_OBJECT
public:
    explicit DNTextField(QWidget *parent = nullptr);
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

// A small label for the rows: the small font, no frame, clear background.
class QLabel;
QLabel *DNCellLabel(const QString &text, QWidget *parent);
// Shows text in label, cut with an ellipsis to the label's width; the whole text is the tooltip.
void DNSetElidedText(QLabel *label, const QString &text);
// A borderless picture button with a normal and a pressed picture.
DNButton *DNCellImageButton(const QString &image, const QString &pressedImage, QWidget *parent);
