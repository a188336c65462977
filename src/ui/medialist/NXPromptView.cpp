#include "NXPromptView.h"

#include "NXMediaTableView.h"

#include "core/notify/DNNotificationCenter.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"

NXPromptView::NXPromptView(const QRect &frame, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("NXPromptView"));
    setGeometry(frame);
    DNNotificationCenter::defaultCenter().addObserver(
        this, QStringLiteral("NXMediaTableViewAmountDidChangedNotification >_<"),
        [this](const DNNotification &n) { setPromptEnable(n.object.toBool()); });
    setThreeButton();
}

NXPromptView::~NXPromptView()
{
    DNNotificationCenter::defaultCenter().removeObserver(this);
}

void NXPromptView::setThreeButton()
{
    container_ = new QWidget(this);
    container_->setObjectName(QStringLiteral("promptContainer"));
    container_->resize(430, 215);
    // Frames in the container, from its top edge.
    const struct
    {
        DNButton *NXPromptView::*button;
        const char *image;
        const char *tip;
        const char *word;
        QRect frame;
        void (NXPromptView::*action)();
    } rows[] = {
        {&NXPromptView::buttonOne_, "forceground_video.png", QT_TR_NOOP("DVD Disc"), QT_TR_NOOP("Load a DVD disc"),
         QRect(0, 0, 324, 215), &NXPromptView::addActionForDisc},
        {&NXPromptView::buttonTwo_, "forceground_photo.png", QT_TR_NOOP("DVD Path"), QT_TR_NOOP("DVD folder"),
         QRect(327, 0, 106, 106), &NXPromptView::addActionForFolder},
        {&NXPromptView::buttonThree_, "forceground_dvd.png", QT_TR_NOOP("ISO"), QT_TR_NOOP("ISO image"),
         QRect(327, 109, 106, 106), &NXPromptView::addActionForISO},
    };
    for (const auto &row : rows) {
        auto *button = new DNButton(container_);
        button->setObjectName(QString::fromLatin1(row.image).section(QLatin1Char('.'), 0, 0));
        button->setNormalImage(DNImageNamed(QString::fromLatin1(row.image)));
        button->setAlternateImage(DNImageNamed(QString::fromLatin1(row.image)));
        button->setFlat(true);
        button->setToolTip(tr(row.tip));
        // The word under the picture's icon: the icon takes 45 % of the inner square from 14 %
        // of its height down (as the picture generator draws it).
        const QRectF inner(3, 3, row.frame.width() - 6, row.frame.height() - 6);
        const qreal iconBottom = inner.top() + inner.height() * 0.14 + qMin(inner.width(), inner.height()) * 0.45;
        QFont font = button->font();
        font.setPixelSize(row.frame.height() > 150 ? 17 : 12);
        font.setBold(true);
        button->setFont(font);
        button->setText(tr(row.word));
        button->setTitleInImage({QRectF(inner.left() + 2, iconBottom + 4, inner.width() - 4, inner.bottom() - iconBottom - 6),
                                 QColor(70, 78, 92), {}, {}, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap});
        button->setCursor(Qt::PointingHandCursor);
        button->setGeometry(row.frame);
        connect(button, &QPushButton::clicked, this, row.action);
        this->*row.button = button;
    }
    centreContainer();
}

void NXPromptView::centreContainer()
{
    container_->move((width() - 430) / 2, (height() - 215) / 2);
}

void NXPromptView::resizeEvent(QResizeEvent *)
{
    centreContainer();
}

void NXPromptView::setPromptEnable(bool hide)
{
    for (DNButton *button : {buttonOne_, buttonTwo_, buttonThree_})
        button->setHidden(hide);
    // The prompt covers the list only while it shows its buttons, so it never takes the rows'
    // clicks.
    setHidden(hide);
}

void NXPromptView::addActionForDisc()
{
    if (hoster_)
        hoster_->actionAddDVDDisc();
}

void NXPromptView::addActionForFolder()
{
    if (hoster_)
        hoster_->actionAddDVDFolder();
}

void NXPromptView::addActionForISO()
{
    if (hoster_)
        hoster_->actionAddDVDISO();
}
