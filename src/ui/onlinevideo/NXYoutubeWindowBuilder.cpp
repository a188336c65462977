#include "NXYoutubeWindowBuilder.h"

#include "NXOVPlayerControl.h"
#include "NXPreloadSlider.h"
#include "NXYTView.h"
#include "NXYoutubeControlller.h"

#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/DNPlainText.h"
#include "ui/controls/NXButton.h"
#include "ui/controls/NXSlider.h"
#include "ui/player/NXMPlayerOpenGLView.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int kVideoWidth = 560;
constexpr int kVideoHeight = 315;
// The address field's frame, padding and clear button around its text.
constexpr int kAddressFieldMargins = 48;

const char *const kStyleSheet = R"(
#youtubeWindow { background: #2b2e35; }
#youtubeTopBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a3e48, stop:1 #23262d);
                 border-bottom: 1px solid #15171b; }
#youtubeTopBar DNButton, #youtubeControls DNButton, #youtubeDownloads DNButton {
                 color: #e8eaef; background: transparent; border: none; padding: 2px 6px; }
#addressField { background: white; border: 1px solid #15171b; border-radius: 3px; padding: 4px; }
#videoArea { background: black; border: 1px solid #0b0c0e; }
#youtubeControls QLabel { color: #c9ccd3; font-size: 11px; }
#youtubeDownloads { background: #33363e; border-top: 1px solid #1d1f24; }
#youtubeDownloads QLabel { color: #9ea3ad; }
#messageLine { color: #dfe2e8; padding: 2px 4px; }
)";

// The window that says when the user closes it.
class YoutubeWindow : public QWidget
{
public:
    explicit YoutubeWindow(std::function<void()> willClose) : willClose_(std::move(willClose))
    {
        // The main window is hidden while this one shows: closing this one brings it back and
        // must not count as closing the program's last window.
        setAttribute(Qt::WA_QuitOnClose, false);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (willClose_)
            willClose_();
        event->accept();
    }

private:
    std::function<void()> willClose_;
};

template <typename Button>
Button *imageButton(QWidget *parent, const QString &title, const char *image, const QString &tip)
{
    auto *button = new Button(title, parent);
    button->setNormalImage(QString::fromLatin1(image));
    button->setToolTip(tip);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QString noDownloadTip()
{
    return QObject::tr("Talvane plays online videos; it does not download them.");
}

// A named strip of the window with its row of controls.
QFrame *strip(QWidget *parent, const char *name, QHBoxLayout *&row, QMargins margins)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    row = new QHBoxLayout(frame);
    row->setContentsMargins(margins);
    row->setSpacing(6);
    return frame;
}

QWidget *buildTopBar(NXYoutubeControlller *c, NXOVPlayerControl *p, QWidget *parent)
{
    QHBoxLayout *row = nullptr;
    QFrame *bar = strip(parent, "youtubeTopBar", row, QMargins(10, 6, 10, 6));
    c->addressField = new QLineEdit(bar);
    c->addressField->setObjectName(QStringLiteral("addressField"));
    c->addressField->setPlaceholderText(QObject::tr("Paste the address of an online video (http:// or https://)"));
    c->addressField->setClearButtonEnabled(true);
    // The whole hint at what to paste shows, in any language, beside the clear button.
    c->addressField->setMinimumWidth(
        c->addressField->fontMetrics().horizontalAdvance(c->addressField->placeholderText()) + kAddressFieldMargins);
    QObject::connect(c->addressField, &QLineEdit::returnPressed, c, &NXYoutubeControlller::playAddress);
    row->addWidget(c->addressField, 1);
    p->addNewPageLink = imageButton<DNButton>(bar, QObject::tr("Play"), "yt_add_url_nor.png",
                                              QObject::tr("Play the video at this address"));
    QObject::connect(p->addNewPageLink, &QPushButton::clicked, c, &NXYoutubeControlller::playAddress);
    p->downloaderSetting = imageButton<DNButton>(bar, QObject::tr("Options"), "yt_setting_nor.png",
                                                 QObject::tr("Download options"));
    QObject::connect(p->downloaderSetting, &QPushButton::clicked, c, &NXYoutubeControlller::showDownloadOptions);
    p->updateDownloader = imageButton<DNButton>(bar, QObject::tr("Update"), "yt_check_new_version_nor.png",
                                                noDownloadTip());
    p->updateDownloader->setEnabled(false);
    for (QWidget *button : {static_cast<QWidget *>(p->addNewPageLink), static_cast<QWidget *>(p->downloaderSetting),
                            static_cast<QWidget *>(p->updateDownloader)})
        row->addWidget(button);
    p->companyLogo_ = new QLabel(bar);
    p->companyLogo_->setPixmap(DNImageNamed(QStringLiteral("yt_company_logo.png")));
    row->addWidget(p->companyLogo_);
    return bar;
}

QWidget *buildVideoArea(NXYoutubeControlller *c, NXOVPlayerControl *p, QWidget *parent)
{
    c->videoArea = new NXYTView(parent);
    c->videoArea->setObjectName(QStringLiteral("videoArea"));
    c->videoArea->setAttribute(Qt::WA_StyledBackground);
    c->videoArea->setMinimumSize(kVideoWidth, kVideoHeight);
    auto *fill = new QVBoxLayout(c->videoArea);
    fill->setContentsMargins(0, 0, 0, 0);
    // Without OpenGL the area stays black and the window says why when asked to play.
    if (NXMPlayerOpenGLView::isOpenGLAvailable()) {
        p->openGLView_ = new NXMPlayerOpenGLView(c->videoArea);
        fill->addWidget(p->openGLView_);
    }
    return c->videoArea;
}

QWidget *buildControls(NXYoutubeControlller *c, NXOVPlayerControl *p, QWidget *parent)
{
    QHBoxLayout *row = nullptr;
    QFrame *bar = strip(parent, "youtubeControls", row, QMargins(10, 4, 10, 4));
    c->pauseButton = imageButton<DNButton>(bar, QString(), "right_pause.png", QObject::tr("Pause or resume"));
    c->pauseButton->setAlternateImage(DNImageNamed(QStringLiteral("right_pause_down.png")));
    QObject::connect(c->pauseButton, &QPushButton::clicked, c, &NXYoutubeControlller::pauseOrContinue);
    c->stopButton = imageButton<DNButton>(bar, QString(), "right_stop.png", QObject::tr("Stop"));
    c->stopButton->setAlternateImage(DNImageNamed(QStringLiteral("right_stop_down.png")));
    QObject::connect(c->stopButton, &QPushButton::clicked, c, &NXYoutubeControlller::stop);
    c->playedTime = new QLabel(QStringLiteral("00:00:00"), bar);
    c->positionSlider = new NXPreloadSlider(bar);
    c->positionSlider->setFixedHeight(15);
    c->positionSlider->setMinValue(0);
    c->positionSlider->setMaxValue(0);
    c->positionSlider->setValue(0.0f, 0.0f);
    c->positionSlider->setContinus(false);
    c->positionSlider->setAction([p](NXSlider *slider) { p->seekToDuration(slider->value()); });
    c->leftTime = new QLabel(QStringLiteral("00:00:00"), bar);
    c->volumeSlider = new NXSlider(bar);
    c->volumeSlider->setFixedSize(70, 15);
    c->volumeSlider->setToolTip(QObject::tr("Volume"));
    p->getSnapshot = imageButton<DNButton>(bar, QString(), "right_snapshot_nor.png",
                                           QObject::tr("Save a picture of the video"));
    QObject::connect(p->getSnapshot, &QPushButton::clicked, c, &NXYoutubeControlller::takeSnapshot);
    p->openTargetFolder = imageButton<DNButton>(bar, QString(), "right_open_video_nor.png",
                                                QObject::tr("Open the download folder"));
    QObject::connect(p->openTargetFolder, &QPushButton::clicked, c, &NXYoutubeControlller::openDownloadFolder);
    row->addWidget(c->pauseButton);
    row->addWidget(c->stopButton);
    row->addWidget(c->playedTime);
    row->addWidget(c->positionSlider, 1);
    row->addWidget(c->leftTime);
    row->addSpacing(8);
    row->addWidget(c->volumeSlider);
    row->addWidget(p->getSnapshot);
    row->addWidget(p->openTargetFolder);
    return bar;
}

QWidget *buildDownloads(NXOVPlayerControl *p, QWidget *parent)
{
    QHBoxLayout *row = nullptr;
    QFrame *bar = strip(parent, "youtubeDownloads", row, QMargins(10, 4, 10, 4));
    row->addWidget(new QLabel(QObject::tr("Downloads: none (playing only)"), bar));
    row->addStretch(1);
    p->clearAllFinishNode =
        imageButton<DNButton>(bar, QObject::tr("Clear Finished"), "yt_clear_finished_nor.png", noDownloadTip());
    p->clearAllNode = imageButton<DNButton>(bar, QObject::tr("Clear All"), "yt_clear_all_nor.png", noDownloadTip());
    p->startDownloadButton = imageButton<NXButton>(bar, QObject::tr("Download Now"), "yt_download_now_nor.png",
                                                   noDownloadTip());
    for (DNButton *button : {static_cast<DNButton *>(p->clearAllFinishNode), static_cast<DNButton *>(p->clearAllNode),
                             static_cast<DNButton *>(p->startDownloadButton)}) {
        button->setEnabled(false);
        row->addWidget(button);
    }
    return bar;
}

} // namespace

QWidget *NXBuildYoutubeWindow(NXYoutubeControlller *c, std::function<void()> willClose)
{
    NXOVPlayerControl *p = c->playerControl();
    auto *window = new YoutubeWindow(std::move(willClose));
    window->setObjectName(QStringLiteral("youtubeWindow"));
    window->setWindowTitle(QObject::tr("Online Video"));
    window->setStyleSheet(QString::fromLatin1(kStyleSheet));
    auto *column = new QVBoxLayout(window);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildTopBar(c, p, window));
    auto *middle = new QVBoxLayout;
    middle->setContentsMargins(10, 10, 10, 4);
    middle->addWidget(buildVideoArea(c, p, window), 1);
    column->addLayout(middle, 1);
    column->addWidget(buildControls(c, p, window));
    c->messageLine = new QLabel(window);
    c->messageLine->setObjectName(QStringLiteral("messageLine"));
    // It names the address typed in and repeats the player's words.
    DNShowAsPlainText(c->messageLine);
    c->messageLine->setContentsMargins(10, 0, 10, 4);
    column->addWidget(c->messageLine);
    column->addWidget(buildDownloads(p, window));
    p->startDownloadButton->awakeFromNib();
    p->awakeFromNib();
    return window;
}
