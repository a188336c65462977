#include "DNAlertSheet.h"

QMessageBox *DNOpenAlertSheet(QWidget *window, QMessageBox::Icon icon, const QString &title, const QString &text,
                              const QString &informative, const QString &button)
{
    auto *alert = new QMessageBox(icon, title, text, QMessageBox::NoButton, window);
    alert->setInformativeText(informative);
    alert->addButton(button, QMessageBox::AcceptRole);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
    return alert;
}
