#pragma once

#include "core/log/DNLogger.h"

#include <QColor>
#include <QDateTime>
#include <QPointer>
#include <QWidget>

class QPlainTextEdit;

// The log window: the program's log as it is written, stamped messages in green and the
// engines' raw text in yellow-green. Lines may be sent from any thread; the text view changes
// on the main thread only, in the order the lines were sent.
//
// The one instance is made on first use (from the main thread); it shows what the log file
// already holds and then follows the log through the logger's listener. The window is opened
// from the menu (showLogView).
class NXLogController : public QWidget
{
    Q_OBJECT
public:
    static NXLogController *instance();

    // Follows logger (the shared one by default); not shown yet.
    explicit NXLogController(DNLogger &logger = DNLogger::shareRoughLog(), QWidget *parent = nullptr);
    ~NXLogController() override;

    void showLogView();
    // "<currentTime>  :  <message>\n" in the text colour.
    void appendLogMsg(const QString &message);
    // The text unchanged (no time, no line break added) in yellow-green.
    void printLogMsg(const QString &text);
    void clearLog();

    static QColor textColor();
    static QColor printColor();
    // "yyyy-MM-dd  hh-mm-ss": two blanks between date and time, 12-hour hours without a marker.
    static QString currentTime();
    static QString timeText(const QDateTime &time);

    QPlainTextEdit *loggerView() const { return loggerView_; }
    // The lines the view can hold; the oldest go first.
    static constexpr int kMaximumLines = 20000;

private:
    void delayerShowMsg(const QString &message);
    void delayerPrintMsg(const QString &text);
    void appendColoured(const QString &text, const QColor &colour);

    DNLogger &logger_;
    DNLogger::ListenerId listenerId_ = 0;
    QPlainTextEdit *loggerView_ = nullptr;
};
