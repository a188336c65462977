#include "DNRecorderWidgets.h"

#include "DNCapturePreviewView.h"
#include "DNToolWindow.h"

#include "ui/controls/DNAlertSheet.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNPlainText.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString DNRecorderStyleSheet()
{
    return QStringLiteral(R"(
DNToolWindow { background: #2b2e35; }
DNToolWindow > QLabel, DNToolWindow > QCheckBox { color: #dfe2e8; }
#recordRegionField { color: white; font-weight: bold; }
#statusItemView, #statusItemWindow { background: #2b2e35; border: 1px solid #15171b; }
#statusItemView QLabel { color: white; font-weight: bold; }
)");
}

QVBoxLayout *DNRecorderWindowLayout(DNToolWindow *window, const QString &objectName)
{
    window->setObjectName(objectName);
    window->setStyleSheet(DNRecorderStyleSheet());
    auto *column = new QVBoxLayout(window);
    column->setContentsMargins(16, 16, 16, 12);
    column->setSpacing(8);
    // The window keeps its layout's size, also when the controller sets pictures later.
    column->setSizeConstraint(QLayout::SetFixedSize);
    return column;
}

DNCapturePreviewView *DNRecorderPreview(QWidget *window, QVBoxLayout *column, QSize size)
{
    auto *view = new DNCapturePreviewView(window);
    view->setFixedSize(size);
    column->addWidget(view, 0, Qt::AlignHCenter);
    return view;
}

DNButton *DNRecorderImageButton(QWidget *parent, int side)
{
    auto *button = new DNButton(parent);
    button->setFixedSize(side, side);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

DNRecorderSheet DNMakeRecorderSheet(QWidget *window, const QString &objectName, const QString &title)
{
    DNRecorderSheet sheet;
    sheet.dialog = new QDialog(window);
    sheet.dialog->setObjectName(objectName);
    sheet.dialog->setWindowTitle(title);
    sheet.form = new QFormLayout;
    sheet.buttons = new QDialogButtonBox(sheet.dialog);
    auto *column = new QVBoxLayout(sheet.dialog);
    column->addLayout(sheet.form);
    column->addWidget(sheet.buttons);
    return sheet;
}

void DNAddRecorderFolderRow(const DNRecorderSheet &sheet, QPointer<QLineEdit> &field, QPointer<QPushButton> &choose)
{
    auto *row = new QHBoxLayout;
    field = new QLineEdit(sheet.dialog);
    field->setReadOnly(true);
    field->setMinimumWidth(240);
    choose = new QPushButton(QObject::tr("Choose..."), sheet.dialog);
    row->addWidget(field, 1);
    row->addWidget(choose);
    sheet.form->addRow(QObject::tr("Save to:"), row);
}

void DNAddRecorderSwitches(const DNRecorderSheet &sheet,
                           std::initializer_list<std::pair<QPointer<QCheckBox> *, QString>> switches)
{
    for (const auto &[box, title] : switches) {
        *box = new QCheckBox(title, sheet.dialog);
        sheet.form->addRow(QString(), *box);
    }
}

void DNRecorderSheetAlert(QWidget *window, QMessageBox::Icon icon, const QString &message, const QString &informative,
                          std::function<void(int)> done)
{
    auto *alert = new QMessageBox(icon, message, message, QMessageBox::Ok, window);
    alert->setInformativeText(informative);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    if (done)
        QObject::connect(alert, &QMessageBox::finished, alert, std::move(done));
    DNShowAsPlainText(alert);
    DNFitAlertToTitle(alert);
    alert->open();
}

void DNRecorderChooseFolder(QWidget *sheet, const QString &folder, std::function<void(int, const QString &)> done)
{
    auto *panel = new QFileDialog(sheet, QObject::tr("Choose a folder"), folder);
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setWindowModality(Qt::WindowModal);
    QObject::connect(panel, &QFileDialog::finished, panel, [panel, done = std::move(done)](int result) {
        const QStringList chosen = panel->selectedFiles();
        done(result == QDialog::Accepted ? 1 : 0, chosen.isEmpty() ? QString() : chosen.last());
    });
    panel->open();
}
