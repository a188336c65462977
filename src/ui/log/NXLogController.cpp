#include "NXLogController.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QVBoxLayout>

NXLogController *NXLogController::instance()
{
    // Owned by the application object, so it goes before the logger's own end.
    static QPointer<NXLogController> shared;
    if (!shared) {
        shared = new NXLogController;
        if (QCoreApplication *app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, shared.data(), &QObject::deleteLater);
    }
    return shared;
}

NXLogController::NXLogController(DNLogger &logger, QWidget *parent)
    : QWidget(parent, Qt::Window), logger_(logger)
{
    setObjectName(QStringLiteral("NXLogWindow"));
    setWindowTitle(tr("Log"));
    resize(720, 420);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    loggerView_ = new QPlainTextEdit(this);
    loggerView_->setReadOnly(true);
    loggerView_->setMaximumBlockCount(kMaximumLines);
    loggerView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    loggerView_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    loggerView_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #15171b; border: 1px solid #0b0c0e; }"));
    layout->addWidget(loggerView_, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *clear = new QPushButton(tr("Clear"), this);
    connect(clear, &QPushButton::clicked, this, &NXLogController::clearLog);
    buttons->addWidget(clear);
    layout->addLayout(buttons);

    QString backlog;
    // The listener runs under the logger's lock and the destructor removes it under that lock
    // first thing, so the window is alive whenever the listener runs.
    listenerId_ = logger_.addListener(
        [this](DNLogger::EntryKind kind, const QString &text) {
            if (kind == DNLogger::EntryKind::Message)
                appendLogMsg(text);
            else
                printLogMsg(text);
        },
        &backlog);
    // What was written before the window existed, as the file holds it.
    delayerPrintMsg(backlog);
}

NXLogController::~NXLogController()
{
    logger_.removeListener(listenerId_);
}

void NXLogController::showLogView()
{
    show();
    raise();
    activateWindow();
}

void NXLogController::appendLogMsg(const QString &message)
{
    // Queued even on the main thread, so lines keep the order in which they were sent.
    QMetaObject::invokeMethod(this, [this, message] { delayerShowMsg(message); }, Qt::QueuedConnection);
}

void NXLogController::printLogMsg(const QString &text)
{
    QMetaObject::invokeMethod(this, [this, text] { delayerPrintMsg(text); }, Qt::QueuedConnection);
}

void NXLogController::delayerShowMsg(const QString &message)
{
    appendColoured(currentTime() + QStringLiteral("  :  ") + message + QLatin1Char('\n'), textColor());
}

void NXLogController::delayerPrintMsg(const QString &text)
{
    appendColoured(text, printColor());
}

void NXLogController::appendColoured(const QString &text, const QColor &colour)
{
    if (text.isEmpty())
        return;
    // The view follows new lines only while the reader is at the end.
    QScrollBar *bar = loggerView_->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    QTextCursor cursor(loggerView_->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(colour);
    // Each line of the text becomes a block of the document, so the view's line limit holds.
    cursor.insertText(text, format);
    if (atEnd)
        bar->setValue(bar->maximum());
}

void NXLogController::clearLog()
{
    loggerView_->clear();
}

QColor NXLogController::textColor()
{
    return QColor(0, 204, 68);
}

QColor NXLogController::printColor()
{
    return QColor::fromRgbF(0.6f, 1.0f, 0.0f, 1.0f);
}

QString NXLogController::currentTime()
{
    return timeText(QDateTime::currentDateTime());
}

QString NXLogController::timeText(const QDateTime &time)
{
    int hour = time.time().hour() % 12;
    if (hour == 0)
        hour = 12;
    return time.toString(QStringLiteral("yyyy-MM-dd  ")) + QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'))
           + time.toString(QStringLiteral("-mm-ss"));
}
