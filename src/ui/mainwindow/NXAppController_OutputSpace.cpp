// The free-space question before a batch: the output folder's disk against an estimate of what
// the batch will write. The user may convert all the same.
#include "NXAppController.h"

#include "DNWindow.h"

#include "convert/driver/OutputSpaceEstimate.h"
#include "core/log/DNLogger.h"
#include "core/settings/DNSetting.h"
#include "ui/controls/DNAlertSheet.h"
#include "ui/controls/DNPlainText.h"

#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

void NXAppController::convertAfterOutputSpaceCheck()
{
    const QString folder = DNSetting::shareSetting().appSetting()->videoOutputDirectory();
    const OutputSpaceEstimate estimate = estimateBatchOutputSpace(*mediaFiles, folder);
    if (!estimate.isShort()) {
        startConvertProgressView();
        return;
    }
    const QLocale locale;
    const QString needed = locale.formattedDataSize(estimate.neededBytes);
    const QString available = locale.formattedDataSize(estimate.availableBytes);
    DNRoughLog(QStringLiteral("The batch needs about %@ and the output folder's disk has %@ free."), needed, available);

    auto *question = new QMessageBox(QMessageBox::Warning, tr("Not enough free space"),
                                     tr("The output folder may not have enough free space."),
                                     QMessageBox::NoButton, mainWindow);
    question->setInformativeText(tr("The conversion needs about %1; the disk of \"%2\" has %3 free. A conversion "
                                    "that fills the disk fails and keeps nothing.")
                                     .arg(needed, folder, available));
    QPushButton *convert = question->addButton(tr("Convert Anyway"), QMessageBox::AcceptRole);
    question->addButton(tr("Cancel"), QMessageBox::RejectRole);
    question->setDefaultButton(convert);
    question->setWindowModality(Qt::WindowModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(question, &QMessageBox::finished, this, [this, question, convert] {
        if (question->clickedButton() == convert)
            startConvertProgressView();
    });
    DNShowAsPlainText(question);
    DNFitAlertToTitle(question);
    question->open();
}
