// The progress sheet's windows: the video face (titles, times, speed, remaining time), the photo
// face (frames of a slideshow and the image being encoded), and the sliding change between them.
#include "ui/progress/NXProgressController.h"

#include "ui/slideshow/ImgEncodeProgressView.h"

#include "core/log/DNLogger.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNPlainText.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QParallelAnimationGroup>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kFaceWidth = 520;
constexpr int kFaceHeight = 220;
// The photo face's picture: the card stack at the left, the movie at the right.
constexpr int kPhotoPictureHeight = 170;

// A value the sheet fills in: names of titles and files among them.
QLabel *valueLabel(const QString &text, const char *name)
{
    auto *label = new QLabel(text);
    DNShowAsPlainText(label);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel *captionLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

void NXProgressController::buildPanel()
{
    progressPanel_ = new QDialog;
    progressPanel_->setObjectName(QStringLiteral("progressPanel"));
    progressPanel_->setWindowTitle(tr("Converting"));
    progressPanel_->setWindowModality(Qt::WindowModal);
    connect(progressPanel_, &QDialog::finished, this, &NXProgressController::progressSheetDidEnd);
    auto *layout = new QVBoxLayout(progressPanel_);

    // --- the item's names, above both faces: a slideshow is named while its photos are rendered
    auto *names = new QGridLayout;
    currentTitle_ = valueLabel(QString(), "currentTitle");
    currentTargetName_ = valueLabel(QString(), "currentTargetName");
    names->addWidget(captionLabel(tr("Title:")), 0, 0);
    names->addWidget(currentTitle_, 0, 1);
    names->addWidget(captionLabel(tr("Output:")), 1, 0);
    names->addWidget(currentTargetName_, 1, 1);
    names->setColumnStretch(1, 1);
    layout->addLayout(names);

    faceArea_ = new QWidget;
    faceArea_->setFixedSize(kFaceWidth, kFaceHeight);
    layout->addWidget(faceArea_);

    // --- video face
    videoConvertView_ = new QWidget(faceArea_);
    videoConvertView_->setObjectName(QStringLiteral("videoConvertView"));
    videoConvertView_->setGeometry(0, 0, kFaceWidth, kFaceHeight);
    auto *video = new QVBoxLayout(videoConvertView_);
    video->setContentsMargins(0, 0, 0, 0);

    auto *bar = new QHBoxLayout;
    curProgress_ = new QProgressBar;
    curProgress_->setObjectName(QStringLiteral("curProgress"));
    curProgress_->setRange(0, 100);
    curProgress_->setTextVisible(false);
    progress_ = valueLabel(QStringLiteral("0 % "), "progress");
    progress_->setMinimumWidth(48);
    bar->addWidget(curProgress_, 1);
    bar->addWidget(progress_);
    video->addLayout(bar);

    auto *status = new QHBoxLayout;
    waitingProgress_ = new QProgressBar;
    waitingProgress_->setObjectName(QStringLiteral("waitingProgress"));
    waitingProgress_->setTextVisible(false);
    waitingProgress_->setFixedSize(60, 12);
    waitingProgress_->setVisible(false);
    state_remain_above_progress_ = valueLabel(QString(), "state_remain_above_progress");
    state_remain_ = valueLabel(QString(), "state_remain");
    status->addWidget(state_remain_above_progress_);
    status->addWidget(waitingProgress_);
    status->addStretch(1);
    status->addWidget(state_remain_);
    video->addLayout(status);

    auto *times = new QGridLayout;
    const QString zero = QStringLiteral("00:00:00");
    startTimeLabel_ = valueLabel(zero, "startTimeLabel");
    endTimeLabel_ = valueLabel(zero, "endTimeLabel");
    medioDuration_ = valueLabel(zero, "medioDuration");
    converttime_ = valueLabel(zero, "converttime");
    timeRemaid_ = valueLabel(zero, "timeRemaid");
    convertfps_ = valueLabel(QStringLiteral("0"), "convertfps");
    totalFrams_ = valueLabel(QStringLiteral("0"), "totalFrams");
    times->addWidget(captionLabel(tr("Start:")), 0, 0);
    times->addWidget(startTimeLabel_, 0, 1);
    times->addWidget(captionLabel(tr("End:")), 0, 2);
    times->addWidget(endTimeLabel_, 0, 3);
    times->addWidget(captionLabel(tr("Duration:")), 0, 4);
    times->addWidget(medioDuration_, 0, 5);
    times->addWidget(captionLabel(tr("Converted:")), 1, 0);
    times->addWidget(converttime_, 1, 1);
    times->addWidget(captionLabel(tr("Remaining:")), 1, 2);
    times->addWidget(timeRemaid_, 1, 3);
    times->addWidget(captionLabel(tr("FPS:")), 1, 4);
    times->addWidget(convertfps_, 1, 5);
    times->addWidget(captionLabel(tr("Frames:")), 2, 4);
    times->addWidget(totalFrams_, 2, 5);
    video->addLayout(times);
    video->addStretch(1);

    // --- photo face
    photoEncodeView_ = new QWidget(faceArea_);
    photoEncodeView_->setObjectName(QStringLiteral("photoEncodeView"));
    photoEncodeView_->setGeometry(0, 0, kFaceWidth, kFaceHeight);
    auto *photo = new QVBoxLayout(photoEncodeView_);
    photo->setContentsMargins(0, 0, 0, 0);
    photoEncodeProgress_ = new ImgEncodeProgressView(QSize(kFaceWidth, kPhotoPictureHeight));
    photoEncodeProgress_->setObjectName(QStringLiteral("photoEncodeProgress"));
    encodePhotoProgress_ = new QProgressBar;
    encodePhotoProgress_->setObjectName(QStringLiteral("encodePhotoProgress"));
    encodePhotoProgress_->setRange(0, 100);
    encodeFrameLabel_ = valueLabel(QString(), "encodeFrameLabel");
    photo->addWidget(photoEncodeProgress_);
    photo->addStretch(1);
    photo->addWidget(encodePhotoProgress_);
    photo->addWidget(encodeFrameLabel_);
    photoEncodeView_->hide();

    // --- after the batch, and Stop
    shutdownButton_ = new QCheckBox(tr("Shut down the computer when done"));
    shutdownButton_->setObjectName(QStringLiteral("shutdownButton"));
    openButton_ = new QCheckBox(tr("Open the output folder when done"));
    openButton_->setObjectName(QStringLiteral("openButton"));
    auto *stop = new DNButton(tr("Stop"));
    stop->setNormalImage(QStringLiteral("Convert_Stop_nor.png"));
    stop->setHighlightImage(QStringLiteral("Convert_Stop_on.png"));
    stop->setFlat(true);
    stop->setCursor(Qt::PointingHandCursor);
    stopButton_ = stop;
    stopButton_->setObjectName(QStringLiteral("stopButton"));
    stopButton_->setEnabled(false);
    connect(stopButton_, &QPushButton::clicked, this, &NXProgressController::stopProgress);
    auto *bottom = new QHBoxLayout;
    auto *checks = new QVBoxLayout;
    checks->addWidget(shutdownButton_);
    checks->addWidget(openButton_);
    bottom->addLayout(checks);
    bottom->addStretch(1);
    bottom->addWidget(stopButton_, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
}

void NXProgressController::placeFace(QWidget *face, bool show)
{
    face->setGeometry(0, 0, faceArea_->width(), faceArea_->height());
    face->setVisible(show);
}

bool NXProgressController::isShowConvertView() const
{
    return !videoConvertView_->isHidden();
}

void NXProgressController::showPhotos2VideoView()
{
    slideFaces(photoEncodeView_, videoConvertView_, +1);
}

void NXProgressController::showConvertViewView()
{
    slideFaces(videoConvertView_, photoEncodeView_, -1);
}

// The incoming face starts one width to one side (+1: right, -1: left) and slides in while the
// outgoing face slides out the other way and leaves the panel.
void NXProgressController::slideFaces(QWidget *incoming, QWidget *outgoing, int direction)
{
    if (!incoming->isHidden() && outgoing->isHidden())
        return;
    const int width = faceArea_->width();
    incoming->move(direction * width, 0);
    incoming->show();
    auto *group = new QParallelAnimationGroup(this);
    auto *in = new QPropertyAnimation(incoming, "pos");
    in->setDuration(kFaceAnimationMs);
    in->setEndValue(QPoint(0, 0));
    auto *out = new QPropertyAnimation(outgoing, "pos");
    out->setDuration(kFaceAnimationMs);
    out->setEndValue(QPoint(-direction * width, 0));
    group->addAnimation(in);
    group->addAnimation(out);
    isAnimationStart_ = true;
    connect(group, &QAbstractAnimation::finished, this, [this, outgoing] {
        outgoing->hide();
        outgoing->move(0, 0);
        isAnimationStart_ = false;
        DNDebugPrint(QStringLiteral("animationDidEnd."));
    });
    group->start(QAbstractAnimation::DeleteWhenStopped);
}
