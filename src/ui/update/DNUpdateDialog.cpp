#include "DNUpdateDialog.h"

#include "core/platform/DNBackgroundWork.h"
#include "core/util/DNSystemActions.h"
#include "core/util/DNSystemInfo.h"
#include "ui/controls/DNLinkButton.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

const QString DNUpdateDialog::resultTitleKey = QStringLiteral("kUpdateTitle");

namespace {
std::atomic<double> gPauseScale{1.0};

constexpr int kPanelWidth = 480;
constexpr int kCheckingHeight = 190;
constexpr int kResultHeight = 160;
// A sheet hangs this far below the top of its window.
constexpr int kSheetDrop = 22;
// The panel returns to the checking page this long after it closed.
constexpr int kResetDelayMs = 300;
} // namespace

// One check: its stop flag, shared by the main thread and the check thread, and the dialog
// that started it (looked at on the main thread only).
struct DNUpdateDialog::CheckRun
{
    std::atomic<bool> stop{false};
    QPointer<DNUpdateDialog> owner;
    Style style;
};

DNUpdateDialog::DNUpdateDialog(const Style &style, QObject *parent) : QObject(parent), style_(style)
{
    buildPanel();
}

DNUpdateDialog::~DNUpdateDialog()
{
    if (run_)
        run_->stop = true;
    delete upgradePanel_.data();
}

void DNUpdateDialog::setPauseScale(double scale)
{
    gPauseScale.store(qMax(0.0, scale));
}

QString DNUpdateDialog::getcurrentVersion()
{
    return DNApplicationVersion();
}

void DNUpdateDialog::buildPanel()
{
    upgradePanel_ = new QDialog;
    upgradePanel_->setObjectName(QStringLiteral("TYTBUpdateForm"));
    upgradePanel_->setWindowTitle(tr("Software Update"));
    upgradePanel_->setFixedSize(kPanelWidth, kCheckingHeight);
    auto *layout = new QVBoxLayout(upgradePanel_);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->setSpacing(10);
    appNameField_ = new QLabel(upgradePanel_);
    QFont titleFont = appNameField_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    appNameField_->setFont(titleFont);
    layout->addWidget(appNameField_);
    pages_ = new QStackedWidget(upgradePanel_);
    layout->addWidget(pages_, 1);

    progressView_ = new QWidget(pages_);
    auto *checking = new QVBoxLayout(progressView_);
    checking->setContentsMargins(0, 0, 0, 0);
    checkingCaption_ = new QLabel(tr("Looking for a newer version of %1...").arg(DNApplicationName()), progressView_);
    checking->addWidget(checkingCaption_);
    progressIndicator_ = new QProgressBar(progressView_);
    progressIndicator_->setRange(0, 100);
    progressIndicator_->setTextVisible(false);
    checking->addWidget(progressIndicator_);
    internetFailed_ = new QLabel(progressView_);
    internetFailed_->setWordWrap(true);
    internetFailed_->setStyleSheet(QStringLiteral("color: #b3261e;"));
    checking->addWidget(internetFailed_);
    checkManually_ = new DNLinkButton(tr("Check for a new version on the download page"), progressView_);
    checking->addWidget(checkManually_, 0, Qt::AlignLeft);
    checking->addStretch(1);
    auto *checkingButtons = new QHBoxLayout;
    checkingButtons->addStretch(1);
    cancelCheckButton_ = new QPushButton(tr("Cancel"), progressView_);
    checkingButtons->addWidget(cancelCheckButton_);
    checking->addLayout(checkingButtons);
    pages_->addWidget(progressView_);

    upgradeInfoView_ = new QWidget(pages_);
    auto *result = new QVBoxLayout(upgradeInfoView_);
    result->setContentsMargins(0, 0, 0, 0);
    upgradeTitle_ = new QLabel(upgradeInfoView_);
    upgradeTitle_->setWordWrap(true);
    upgradeTitle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->addWidget(upgradeTitle_, 1);
    auto *resultButtons = new QHBoxLayout;
    resultButtons->addStretch(1);
    vistWebButton_ = new QPushButton(tr("Visit Web Site"), upgradeInfoView_);
    cancelPanel_ = new QPushButton(tr("Close"), upgradeInfoView_);
    resultButtons->addWidget(vistWebButton_);
    resultButtons->addWidget(cancelPanel_);
    result->addLayout(resultButtons);
    pages_->addWidget(upgradeInfoView_);

    connect(cancelCheckButton_, &QPushButton::clicked, this, &DNUpdateDialog::cancelUpdateWindow);
    connect(cancelPanel_, &QPushButton::clicked, this, &DNUpdateDialog::cancelUpdateWindow);
    connect(vistWebButton_, &QPushButton::clicked, this, &DNUpdateDialog::onVisitWebSite);
    connect(checkManually_, &QPushButton::clicked, this, &DNUpdateDialog::onCheckManually);
    connect(upgradePanel_, &QDialog::finished, this, &DNUpdateDialog::upgradeSheetDidEnd);
    resetUpgradePanel();
}

void DNUpdateDialog::resetUpgradePanel()
{
    upgradePanel_->setFixedSize(kPanelWidth, kCheckingHeight);
    pages_->setCurrentWidget(progressView_);
    internetFailed_->hide();
    checkManually_->hide();
    progressIndicator_->show();
    checkingCaption_->show();
    cancelCheckButton_->setText(tr("Cancel"));
}

bool DNUpdateDialog::isChecking() const
{
    return run_ && !run_->stop && upgradePanel_->isVisible() && pages_->currentWidget() == progressView_
           && internetFailed_->isHidden();
}

QString DNUpdateDialog::failureText() const
{
    return internetFailed_->isVisible() ? internetFailed_->text() : QString();
}

int DNUpdateDialog::checkServerInformation(QVariantMap *result, const std::function<bool()> &cancelled)
{
    DNUpgradeController reader;
    if (!reader.checkServerUpdateInfo(cancelled))
        return -1;
    const bool newer = reader.isNewerThanOwnVersion();
    if (result)
        result->insert(resultTitleKey, newer ? newerSentence() : latestSentence());
    storeAddresses(reader);
    return newer ? 1 : 0;
}

void DNUpdateDialog::showUpgradePanel(QWidget *window)
{
    if (style_.modal && window) {
        for (const QDialog *sheet : window->findChildren<QDialog *>())
            if (sheet->isVisible() && sheet->windowModality() != Qt::NonModal)
                return;
    }
    if (run_)
        run_->stop = true;
    attachWindow = window;
    findNewVersion_ = false;
    resetUpgradePanel();
    appNameField_->setText(tr("%1 Update Wizard").arg(DNApplicationName()));
    cancelCheckButton_->setDefault(true);

    if (window && upgradePanel_->parentWidget() != window)
        upgradePanel_->setParent(window, upgradePanel_->windowFlags() | Qt::Dialog);
    upgradePanel_->setWindowModality(Qt::WindowModal);
    if (window) {
        const QRect frame = window->frameGeometry();
        upgradePanel_->move(frame.x() + (frame.width() - kPanelWidth) / 2, frame.y() + kSheetDrop);
    }
    if (DNUpgradeController::hasUpdateService()) {
        setupProcessIndecator();
    } else {
        run_.reset();
        progressIndicator_->hide();
        checkingCaption_->hide();
        cancelCheckButton_->setText(tr("Close"));
        DNUpgradeController reader;
        reader.checkServerUpdateInfo();
        internetFailed_->setText(reader.failureText());
        internetFailed_->show();
    }
    if (style_.modal)
        upgradePanel_->exec();
    else
        upgradePanel_->open();
}

void DNUpdateDialog::setupProcessIndecator()
{
    progressIndicator_->setValue(0);
    cancelCheckButton_->setDefault(true);
    auto run = std::make_shared<CheckRun>();
    run->owner = this;
    run->style = style_;
    run_ = run;
    DNStartBackgroundThread([run] { threadUpdateProgress(run); });
}

void DNUpdateDialog::threadUpdateProgress(const std::shared_ptr<CheckRun> &run)
{
    // Everything the thread changes is handed to the main thread, where the dialog may be
    // asked whether it still exists and whether this check still counts.
    const auto onMain = [run](std::function<void(DNUpdateDialog *)> step) {
        QMetaObject::invokeMethod(
            qApp,
            [run, step = std::move(step)] {
                if (run->owner && !run->stop && run->owner->run_ == run)
                    step(run->owner);
            },
            Qt::QueuedConnection);
    };
    const auto steps = [&](const QList<int> &values, int pauseMs) {
        for (int value : values) {
            if (run->stop)
                return;
            onMain([value](DNUpdateDialog *dialog) { dialog->progressIndicator_->setValue(value); });
            QThread::msleep(ulong(pauseMs * gPauseScale.load()));
        }
    };

    steps(run->style.stepsBefore, run->style.pauseBeforeMs);
    // A check cancelled before it reads asks the server nothing.
    const auto stopped = [run] { return run->stop.load() || DNBackgroundWorkWindingDown(); };
    if (stopped())
        return;
    auto reader = std::make_shared<DNUpgradeController>();
    const bool read = reader->checkServerUpdateInfo(stopped);
    if (run->stop)
        return;
    if (!read) {
        onMain([reader](DNUpdateDialog *dialog) { dialog->showFailure(reader->failureText()); });
        return;
    }
    onMain([reader](DNUpdateDialog *dialog) {
        dialog->findNewVersion_ = reader->isNewerThanOwnVersion();
        dialog->storeAddresses(*reader);
    });
    steps(run->style.stepsAfter, run->style.pauseAfterMs);
    if (run->stop)
        return;
    onMain([reader](DNUpdateDialog *dialog) {
        const QString sentence = reader->isNewerThanOwnVersion() ? dialog->newerSentence() : dialog->latestSentence();
        dialog->endProgressIndecator({{resultTitleKey, sentence}});
    });
}

void DNUpdateDialog::showFailure(const QString &text)
{
    internetFailed_->setText(text);
    internetFailed_->show();
    if (style_.failureShowsLink && !DNUpgradeController::downloadPageAddress().isEmpty())
        checkManually_->show();
}

void DNUpdateDialog::endProgressIndecator(const QVariantMap &result)
{
    upgradeTitle_->setText(result.value(resultTitleKey).toString());
    pages_->setCurrentWidget(upgradeInfoView_);
    cancelPanel_->setDefault(true);
    // The panel grows downwards from where it hangs, as a sheet does.
    const QRect from = upgradePanel_->geometry();
    const QRect to(from.topLeft(), QSize(kPanelWidth, kResultHeight));
    upgradePanel_->setMinimumSize(0, 0);
    upgradePanel_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto *grow = new QPropertyAnimation(upgradePanel_, "geometry", upgradePanel_);
    grow->setDuration(200);
    grow->setStartValue(from);
    grow->setEndValue(to);
    connect(grow, &QPropertyAnimation::finished, upgradePanel_,
            [panel = upgradePanel_] { panel->setFixedSize(kPanelWidth, kResultHeight); });
    grow->start(QAbstractAnimation::DeleteWhenStopped);
}

void DNUpdateDialog::cancelUpdateWindow()
{
    if (run_)
        run_->stop = true;
    endSheet();
}

void DNUpdateDialog::endSheet()
{
    upgradePanel_->done(QDialog::Rejected);
}

void DNUpdateDialog::upgradeSheetDidEnd()
{
    upgradePanel_->hide();
    QTimer::singleShot(kResetDelayMs, this, [this] {
        if (!upgradePanel_->isVisible())
            resetUpgradePanel();
    });
}

void DNUpdateDialog::onCheckManually()
{
    DNOpenWebPage(DNUpgradeController::downloadPageAddress());
}
