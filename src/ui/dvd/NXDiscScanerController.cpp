#include "ui/dvd/NXDiscScanerController.h"

#include "ui/dvd/NXCoverNetworkFetch.h"
#include "ui/dvd/NXDVDDiscTransformer.h"

#include "core/log/DNLogger.h"
#include "core/notify/DNNotificationCenter.h"
#include "dvd/DVDMountTable.h"
#include "dvd/NXDVDUtilities.h"
#include "dvd/loading/NXDVDSourceLoading.h"
#include "ui/controls/DNAlertSheet.h"
#include "ui/controls/DNOpenPanelFolder.h"
#include "ui/controls/DNPlainText.h"
#include "ui/progress/NXConvertFailureText.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTabWidget>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <thread>

namespace {

const QString kLoadFinished = QStringLiteral("NXMediaFileLoadFinished o.o");

// Runs f on the main thread; waitUntilDone blocks the loading thread until it has run.
template <class F>
void onMainThread(F f, bool waitUntilDone)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    if (QThread::currentThread() == app->thread()) {
        f();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(f),
                              waitUntilDone ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void showSheet(QDialog *sheet, QWidget *window)
{
    if (window && sheet->parentWidget() != window)
        sheet->setParent(window, sheet->windowFlags() | Qt::Dialog);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->open();
}

} // namespace

NXDiscScanerController::NXDiscScanerController(QObject *parent) : QObject(parent)
{
    NXInstallCoverNetworkFetcher();
    buildPanels();
    watchMountTable();
}

NXDiscScanerController::~NXDiscScanerController()
{
    if (mountTableFd_ >= 0)
        ::close(mountTableFd_);
    // The sheets may have been given the main window as parent; delete them only if that window
    // has not done so already.
    QPointer<QDialog> chooser(dvdLoadPanel_);
    QPointer<QDialog> progress(progressPanel_);
    delete chooser;
    delete progress;
}

// The kernel flags the mount table of a process as changed (an exceptional condition on its
// descriptor) whenever anything is mounted or unmounted.
void NXDiscScanerController::watchMountTable()
{
    mountTableFd_ = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (mountTableFd_ < 0)
        return;
    mountWatcher_ = new QSocketNotifier(mountTableFd_, QSocketNotifier::Exception, this);
    connect(mountWatcher_, &QSocketNotifier::activated, this, [this] {
        char buffer[4096];
        ::lseek(mountTableFd_, 0, SEEK_SET);
        while (::read(mountTableFd_, buffer, sizeof buffer) > 0) {
        }
        scanDisc();
    });
}

void NXDiscScanerController::setDiscSearchRoots(const QString &sysBlockRoot, const QString &mountInfoPath)
{
    sysBlockRoot_ = sysBlockRoot;
    mountInfoPath_ = mountInfoPath;
}

int NXDiscScanerController::selectedDiscIndex() const
{
    return chooseList_->currentIndex() < 0 ? 0 : chooseList_->currentIndex();
}

void NXDiscScanerController::setSelectedDiscIndex(int index)
{
    chooseList_->setCurrentIndex(index);
}

// --- entry points

void NXDiscScanerController::showScanerPanel(QWidget *window, std::shared_ptr<NXAction> action)
{
    attenchWindow_ = window;
    chooseList_->clear();
    discs_.clear();
    showPanelWithAction(std::move(action), TabDisc);
    QTimer::singleShot(kActionDelayMs, this, &NXDiscScanerController::scanDisc);
}

void NXDiscScanerController::loadDVDFolderPanel(QWidget *window, std::shared_ptr<NXAction> action)
{
    actionForFinish_ = action;
    attenchWindow_ = window;
    showPanelWithAction(std::move(action), TabDVDFolder);
}

void NXDiscScanerController::loadISOFilePanel(QWidget *window, std::shared_ptr<NXAction> action)
{
    attenchWindow_ = window;
    showPanelWithAction(std::move(action), TabISO);
}

void NXDiscScanerController::loadDVDFoldersProgressWithoutOpenPanel(QWidget *window, const QStringList &files,
                                                                    std::shared_ptr<NXAction> action)
{
    loadPathsWithoutOpenPanel(window, files, std::move(action));
}

void NXDiscScanerController::loadISOsProgressWithoutOpenPanel(QWidget *window, const QStringList &files,
                                                              std::shared_ptr<NXAction> action)
{
    loadPathsWithoutOpenPanel(window, files, std::move(action));
}

// Folders and images may be dropped together, so each path's kind comes from the path itself.
void NXDiscScanerController::loadPathsWithoutOpenPanel(QWidget *window, const QStringList &files,
                                                       std::shared_ptr<NXAction> action)
{
    actionForFinish_ = std::move(action);
    attenchWindow_ = window;
    showProgressSelector();
    QList<NXDVDSourceInfoPtr> sources;
    for (const QString &path : files)
        if (NXDVDSourceInfoPtr source = NXDVDSourceLoading::sourceInfoForPath(path))
            sources.append(source);
    startLoadingThread(sources, false);
}

// --- chooser

void NXDiscScanerController::showPanelWithAction(std::shared_ptr<NXAction> action, int type)
{
    actionForFinish_ = std::move(action);
    const QSignalBlocker quiet(tabView_);
    tabView_->setCurrentIndex(type);
    tabViewDidSelectTabViewItem(type);
    showSheet(dvdLoadPanel_, attenchWindow_);
}

void NXDiscScanerController::scanDisc()
{
    discs_ = NXDVDUtilities::getMountedDiscs(sysBlockRoot_, mountInfoPath_);
    if (discs_.isEmpty()) {
        auto placeholder = NXDVDSourceInfo::sourceInfo();
        placeholder->setName(tr("No Disc Found"));
        discs_.append(placeholder);
        isReadHaveDVD_ = false;
    } else {
        isReadHaveDVD_ = true;
    }
    if (tabView_->currentIndex() == TabDisc)
        okbutton_->setEnabled(isReadHaveDVD_);
    chooseList_->clear();
    chooseList_->addItems(NXDVDDiscTransformer::transformedValue(discs_));
    setSelectedDiscIndex(0);
}

void NXDiscScanerController::tabViewDidSelectTabViewItem(int index)
{
    switch (index) {
    case TabISO:
        okbutton_->setEnabled(!isoFilePath_.isEmpty());
        break;
    case TabDVDFolder:
        okbutton_->setEnabled(!dvdFolderPath_.isEmpty());
        break;
    case TabDisc:
        if (discs_.isEmpty())
            QTimer::singleShot(0, this, &NXDiscScanerController::scanDisc);
        okbutton_->setEnabled(isReadHaveDVD_);
        break;
    default:
        break;
    }
}

void NXDiscScanerController::broweToSelectISOFile()
{
    auto *panel = new QFileDialog(dvdLoadPanel_, tr("Choose a DVD image"));
    panel->setObjectName(QStringLiteral("browseISOPanel"));
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setNameFilter(tr("DVD image (*.iso *.ISO)"));
    DNPrepareOpenPanel(panel, QStringLiteral("DVDImage"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QFileDialog::fileSelected, this,
            [this](const QString &path) { browseISOPanelDidEnd(1, path); });
    panel->open();
}

void NXDiscScanerController::broweToSelectDVDFolder()
{
    auto *panel = new QFileDialog(dvdLoadPanel_, tr("Choose a DVD folder"));
    panel->setObjectName(QStringLiteral("browseDVDFolderPanel"));
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    DNPrepareOpenPanel(panel, QStringLiteral("DVDFolder"));
    connect(panel, &QFileDialog::fileSelected, this,
            [this](const QString &path) { browseDVDFolderPanelDidEnd(1, path); });
    panel->open();
}

void NXDiscScanerController::browseISOPanelDidEnd(int returnCode, const QString &path)
{
    if (returnCode != 1 || path.isEmpty())
        return;
    if (const QString notText = NXSourceNameNotTextLine(path); !notText.isEmpty()) {
        showReadFailedAlert(dvdLoadPanel_, notText);
        return;
    }
    isoFilePath_ = path;
    okbutton_->setEnabled(true);
    isoPathFeild_->setText(path);
}

void NXDiscScanerController::browseDVDFolderPanelDidEnd(int returnCode, const QString &path)
{
    if (returnCode != 1)
        return;
    if (const QString notText = NXSourceNameNotTextLine(path); !notText.isEmpty()) {
        showReadFailedAlert(dvdLoadPanel_, notText);
        return;
    }
    const QString folder = NXDVDSourceLoading::dvdFolderForChosenFolder(path);
    if (folder.isEmpty()) {
        showReadFailedAlert(dvdLoadPanel_);
        return;
    }
    dvdFolderPath_ = folder;
    dvdFolderPathFeild_->setText(folder);
    okbutton_->setEnabled(true);
}

void NXDiscScanerController::makeChoose()
{
    QTimer::singleShot(kActionDelayMs, this, &NXDiscScanerController::showProgressSelector);
    dvdLoadPanel_->done(QDialog::Accepted);
    switch (tabView_->currentIndex()) {
    case TabDisc:
        DNRoughLog(QStringLiteral("-->user add disc"));
        QTimer::singleShot(kActionDelayMs, this, &NXDiscScanerController::findDVDSelector);
        break;
    case TabISO: {
        DNRoughLog(QStringLiteral("-->user add iso:%@"), isoFilePath_);
        const QString path = isoFilePath_;
        QTimer::singleShot(kActionDelayMs, this, [this, path] { loadISOFileFromContentOfFile(path); });
        break;
    }
    case TabDVDFolder: {
        DNRoughLog(QStringLiteral("-->user add dvd folder:%@"), dvdFolderPath_);
        const QString path = dvdFolderPath_;
        QTimer::singleShot(kActionDelayMs, this, [this, path] { loadDVDFolderFromContentOfFile(path); });
        break;
    }
    default:
        break;
    }
    isoPathFeild_->clear();
    dvdFolderPathFeild_->clear();
    dvdFolderPath_.clear();
    isoFilePath_.clear();
}

void NXDiscScanerController::cancelChoose()
{
    dvdLoadPanel_->done(QDialog::Rejected);
    isoPathFeild_->clear();
    dvdFolderPathFeild_->clear();
    dvdFolderPath_.clear();
    isoFilePath_.clear();
}

void NXDiscScanerController::findDVDSelector()
{
    if (!isReadHaveDVD_)
        return;
    const int index = selectedDiscIndex();
    if (index < 0 || index >= discs_.size())
        return;
    startLoadingThread({discs_.at(index)}, true);
}

void NXDiscScanerController::loadISOFileFromContentOfFile(const QString &path)
{
    if (!path.isEmpty())
        startLoadingThread({NXDVDSourceInfo::sourceInfoWithPath(path)}, true);
}

void NXDiscScanerController::loadDVDFolderFromContentOfFile(const QString &path)
{
    if (!path.isEmpty())
        startLoadingThread({NXDVDSourceInfo::sourceInfoWithPath(path)}, true);
}

// --- progress sheet and hand-over

void NXDiscScanerController::showProgressSelector()
{
    showSheet(progressPanel_, attenchWindow_);
    QTimer::singleShot(kActionDelayMs, this, [this] { progress_->setRange(0, 0); });
}

void NXDiscScanerController::endProgressSheet()
{
    progressPanel_->done(QDialog::Accepted);
    progress_->setRange(0, 1);
    analysis_textLebal_->setText(tr("Loading DVD ..."));
}

// One thread per load. It reads and builds on its own; everything that touches the windows or
// the completion action is done on the main thread: the hand-over and the alert without
// waiting, the sheet's end and the notification waiting, so the item arrives before the sheet
// closes. A controller destroyed meanwhile is simply no longer called.
void NXDiscScanerController::startLoadingThread(QList<NXDVDSourceInfoPtr> sources, bool pauseFirst)
{
    QPointer<NXDiscScanerController> self(this);
    const QString listPath = mainTitleListPath_;
    std::thread([self, sources = std::move(sources), pauseFirst, listPath] {
        if (pauseFirst)
            QThread::msleep(kReadDelayMs);
        for (const NXDVDSourceInfoPtr &source : sources) {
            const QString shown = QFileInfo(QDir::cleanPath(source->path())).fileName();
            onMainThread(
                [self, shown] {
                    if (self)
                        self->analysis_textLebal_->setText(tr("Analyzing %1, Please wait...").arg(shown));
                },
                true);
            // A name that is not text reads as another folder's: refused with its reason before
            // the reader is given that other name.
            if (const QString notText = NXSourceNameNotTextLine(source->path()); !notText.isEmpty()) {
                DNRoughLog(QStringLiteral("read DVD structure refused: %@"), notText);
                onMainThread([self, notText] { if (self) self->showReadFailedAlert(nullptr, notText); }, false);
                continue;
            }
            QString error;
            DNDVDNodePtr node = NXDVDSourceLoading::analysisDVDSource(source, &error, listPath);
            if (node) {
                onMainThread([self, node] { if (self) self->runAtMainThreadAndAddNode(node); }, false);
            } else {
                DNRoughLog(QStringLiteral("read DVD structure failed: %@"), error);
                onMainThread([self] { if (self) self->alterRunAtMainThreadStyleOne(); }, false);
            }
        }
        onMainThread([self] { if (self) self->endProgressSheet(); }, true);
        onMainThread([self] { if (self) self->sendNotificationOnMainThread(); }, true);
    }).detach();
}

void NXDiscScanerController::runAtMainThreadAndAddNode(const DNDVDNodePtr &node)
{
    DNRoughLog(QStringLiteral("%@"), QStringLiteral("runAtMainThreadAndAddNode"));
    if (actionForFinish_)
        actionForFinish_->exeWithObject(QVariant::fromValue(node));
}

void NXDiscScanerController::alterRunAtMainThreadStyleOne()
{
    showReadFailedAlert(nullptr);
}

void NXDiscScanerController::showReadFailedAlert(QWidget *parent, const QString &why)
{
    auto *alert = new QMessageBox(parent);
    alert->setIcon(QMessageBox::Critical);
    alert->setWindowTitle(tr("Read DVD Structure Failed!"));
    alert->setText(tr("Read DVD Structure Failed!"));
    DNShowAsPlainText(alert);
    alert->setInformativeText(why.isEmpty() ? tr("Please check the input DVD and try again.") : why);
    alert->addButton(tr("OK"), QMessageBox::AcceptRole);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    lastAlert_ = alert;
    DNFitAlertToTitle(alert);
    alert->open();
}

void NXDiscScanerController::sendNotificationOnMainThread()
{
    DNNotificationCenter::defaultCenter().enqueueNotification(
        kLoadFinished, QVariant(), {{QStringLiteral("keyMediaLoadType_"), 2}}, kNotificationDelayMs);
}
