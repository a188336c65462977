#include "DNFileLoaderController.h"

#include "DNFileLoaderSheet.h"
#include "core/util/DNFileTypes.h"
#include "ui/controls/DNAlertSheet.h"
#include "ui/controls/DNOpenPanelFolder.h"
#include "ui/controls/DNPlainText.h"
#include "ui/progress/NXConvertFailureText.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

DNFileLoaderController::DNFileLoaderController(QObject *parent) : QObject(parent)
{
    sheet_ = new DNFileLoaderSheet;
    connect(sheet_, &DNFileLoaderSheet::cancelRequested, this, [this] { loader_.onCancel(); });
    connect(&loader_, &DNFileLoader::statusTextChanged, sheet_, &DNFileLoaderSheet::setStatusText);
    connect(&loader_, &DNFileLoader::loadDidEnd, sheet_, &DNFileLoaderSheet::end);
    connect(&loader_, &DNFileLoader::photoLoadFailed, this, &DNFileLoaderController::displayLoadPhotoFailedWarnning);
    connect(&loader_, &DNFileLoader::filesRefused, this,
            [this](const QStringList &lines) { displayFilesRefused(lines); });
}

DNFileLoaderController::~DNFileLoaderController()
{
    loader_.onCancel();
    loader_.waitForLoad();
    delete sheet_;
}

void DNFileLoaderController::beginSheet()
{
    sheet_->beginOn(attachWindow_);
}

void DNFileLoaderController::showLoadVideoProgress(const QStringList &paths)
{
    if (loader_.isLoading())
        return;
    QStringList loadable = paths;
    const QStringList refused = NXTakeSourcesNamedNotText(loadable);
    beginSheet();
    loader_.showLoadVideoProgress(loadable, refused);
}

void DNFileLoaderController::showLoadPhotoPrgress(const QStringList &folders)
{
    if (loader_.isLoading())
        return;
    QStringList loadable = folders;
    const QStringList refused = NXTakeSourcesNamedNotText(loadable);
    if (!refused.isEmpty()) {
        // The slideshow is made of all the folders or not at all.
        displayLoadPhotoFailedWarnning(refused.join(QLatin1Char('\n')));
        return;
    }
    beginSheet();
    loader_.showLoadPhotoPrgress(folders);
}

void DNFileLoaderController::showVideoLoaderWithOpenPanel(QWidget *window, std::shared_ptr<NXAction> action)
{
    attachWindow_ = window;
    loader_.setHandlerLoader(std::move(action));
    auto *panel = new QFileDialog(window);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFiles);
    QStringList patterns;
    for (const QString &extension : DNVideoExtensions())
        patterns << QStringLiteral("*.") + extension;
    panel->setNameFilter(tr("Video files (%1)").arg(patterns.join(QLatin1Char(' '))));
    DNPrepareOpenPanel(panel, QStringLiteral("Video"));
    connect(panel, &QFileDialog::filesSelected, this, [this](const QStringList &files) {
        QTimer::singleShot(300, this, [this, files] { showLoadVideoProgress(files); });
    });
    panel->open();
}

void DNFileLoaderController::showVideoLoaderWithoutOpenPanel(QWidget *window, const QStringList &files,
                                                             std::shared_ptr<NXAction> action)
{
    attachWindow_ = window;
    loader_.setHandlerLoader(std::move(action));
    showLoadVideoProgress(files);
}

void DNFileLoaderController::showPhotoLoaderWithOpenPanel(QWidget *window, std::shared_ptr<NXAction> action)
{
    attachWindow_ = window;
    loader_.setHandlerLoader(std::move(action));
    auto *panel = new QFileDialog(window);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    // Several folders: the native dialog offers one at a time; Qt's own hands over every selected
    // folder once its views allow a selection of more than one.
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    for (QAbstractItemView *view : panel->findChildren<QAbstractItemView *>())
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DNPrepareOpenPanel(panel, QStringLiteral("Photo"));
    connect(panel, &QFileDialog::filesSelected, this, [this](const QStringList &folders) {
        QTimer::singleShot(300, this, [this, folders] { showLoadPhotoPrgress(folders); });
    });
    panel->open();
}

void DNFileLoaderController::showPhotoLoaderWithoutOpenPanel(QWidget *window, const QStringList &folders,
                                                             std::shared_ptr<NXAction> action)
{
    attachWindow_ = window;
    loader_.setHandlerLoader(std::move(action));
    showLoadPhotoPrgress(folders);
}

void DNFileLoaderController::displayFilesRefused(const QStringList &lines)
{
    displayFilesRefused(attachWindow_, lines);
}

void DNFileLoaderController::displayFilesRefused(QWidget *window, const QStringList &lines)
{
    DNOpenAlertSheet(window, QMessageBox::Warning, tr("Some files were not added"), tr("These files could not be added:"),
                     lines.join(QLatin1Char('\n')), tr("OK"))
        ->setObjectName(QStringLiteral("filesRefusedAlert"));
}

void DNFileLoaderController::displayLoadPhotoFailedWarnning(const QString &description)
{
    auto *alert = new QMessageBox(QMessageBox::Critical, tr("Load Photo Failed!"), tr("Load Photo Failed!"),
                                  QMessageBox::NoButton, attachWindow_);
    alert->setInformativeText(description);
    alert->addButton(tr("OK"), QMessageBox::AcceptRole);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setObjectName(QStringLiteral("loadPhotoFailedAlert"));
    DNShowAsPlainText(alert);
    DNFitAlertToTitle(alert);
    alert->open();
}
