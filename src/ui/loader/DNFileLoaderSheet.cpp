#include "DNFileLoaderSheet.h"

#include "ui/controls/DNPlainText.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

DNFileLoaderSheet::DNFileLoaderSheet(QWidget *parent) : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Loading"));
    textfield_ = new QLabel(this);
    textfield_->setMinimumWidth(320);
    DNShowAsPlainText(textfield_);
    indicator_ = new QProgressBar(this);
    indicator_->setTextVisible(false);
    indicator_->setRange(0, 1);
    cancelButton_ = new QPushButton(cancel_button_title(), this);
    cancelButton_->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(textfield_);
    layout->addWidget(indicator_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        cancelButton_->setEnabled(false);
        Q_EMIT cancelRequested();
    });
}

void DNFileLoaderSheet::setStatusText(const QString &text)
{
    static const QRegularExpression loadingFile(QStringLiteral("^Loading (.+)$"));
    QString shown;
    if (text == QLatin1String("Loading Photos")) {
        shown = tr("Loading Photos");
    } else if (const auto match = loadingFile.match(text); match.hasMatch()) {
        shown = tr("Loading %1").arg(match.captured(1));
    } else {
        shown = text;
    }
    // Long file names are cut in the middle so the sheet keeps its size.
    const QFontMetrics metrics(textfield_->font());
    textfield_->setText(metrics.elidedText(shown, Qt::ElideMiddle, textfield_->minimumWidth()));
    textfield_->setToolTip(DNPlainToolTip(shown));
}

void DNFileLoaderSheet::beginOn(QWidget *window)
{
    if (window && parentWidget() != window)
        setParent(window, windowFlags());
    setWindowModality(Qt::WindowModal);
    cancelButton_->setEnabled(true);
    indicator_->setRange(0, 0);
    open();
}

void DNFileLoaderSheet::end()
{
    indicator_->setRange(0, 1);
    indicator_->setValue(0);
    accept();
}
