#include "NXFolderChoice.h"

#include "core/util/DNNameText.h"
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

namespace {

// The alert that refuses a chosen folder; the caller keeps its former folder.
void refuseFolder(QWidget *window, const QString &text, const QString &informative)
{
    auto *alert = new QMessageBox(QMessageBox::Warning, QObject::tr("Cannot Use This Folder"), text, QMessageBox::Ok, window);
    alert->setObjectName(QStringLiteral("NXUnwritableFolderAlert"));
    DNShowAsPlainText(alert);
    alert->setInformativeText(informative);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    DNFitAlertToTitle(alert);
    alert->open();
}

} // namespace

bool NXAcceptChosenFolder(QWidget *window, const QString &path)
{
    // Checked first: such a folder does not exist by the name the program reads, and anything
    // made by that name would land in a twin beside it.
    if (const DNNameNotText notText = DNNameNotTextOnDisk(path); !notText.isEmpty()) {
        refuseFolder(window, QObject::tr("The name \"%1\" in %2 is not UTF-8 text.").arg(notText.name, notText.folder),
                     QObject::tr("Nothing can be saved in a folder whose path holds a name that is not text. Rename it "
                                 "or choose another folder; the former folder is kept."));
        return false;
    }
    if (NXIsWritableFolder(path))
        return true;
    refuseFolder(window, QObject::tr("The folder \"%1\" cannot be written to.").arg(QDir::toNativeSeparators(path)),
                 QObject::tr("Nothing could be saved there. Choose a folder you may write to; "
                             "the former folder is kept."));
    return false;
}
