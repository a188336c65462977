#include "NXFolderChoice.h"

#include "ui/controls/DNAlertSheet.h"
#include "ui/controls/DNPlainText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryFile>

QFileDialog *NXBeginFolderPanel(QWidget *window, const QString &startFolder,
                                std::function<void(int returnCode, const QString &path)> done)
{
    auto *panel = new QFileDialog(window);
    panel->setObjectName(QStringLiteral("NXFolderPanel"));
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly, true);
    panel->setOption(QFileDialog::ReadOnly, false);
    panel->setAcceptMode(QFileDialog::AcceptOpen);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    if (!startFolder.isEmpty())
        panel->setDirectory(startFolder);
    QObject::connect(panel, &QFileDialog::finished, panel, [panel, done = std::move(done)](int result) {
        const QStringList chosen = panel->selectedFiles();
        if (!done)
            return;
        if (result == QDialog::Accepted && !chosen.isEmpty())
            done(1, chosen.last());
        else
            done(0, QString());
    });
    panel->open();
    return panel;
}

bool NXIsWritableFolder(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return false;
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".talvane-write-test-XXXXXX")));
    return probe.open();
}

bool NXAcceptChosenFolder(QWidget *window, const QString &path)
{
    if (NXIsWritableFolder(path))
        return true;
    auto *alert = new QMessageBox(QMessageBox::Warning, QObject::tr("Cannot Use This Folder"),
                                  QObject::tr("The folder \"%1\" cannot be written to.").arg(QDir::toNativeSeparators(path)),
                                  QMessageBox::Ok, window);
    alert->setObjectName(QStringLiteral("NXUnwritableFolderAlert"));
    alert->setInformativeText(QObject::tr("Nothing could be saved there. Choose a folder you may write to; "
                                          "the former folder is kept."));
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    DNShowAsPlainText(alert);
    DNFitAlertToTitle(alert);
    alert->open();
    return false;
}
