#include "DNPlainText.h"

#include <QChildEvent>
#include <QLabel>
#include <QMessageBox>
#include <QString>
#include <QTextDocument>

namespace {

const char kAlertWatchName[] = "DNPlainAlertText";

// Keeps the labels an alert makes later (its informative text's label comes with the first
// informative text) as plain as the ones it had.
class PlainAlertLabels : public QObject
{
public:
    explicit PlainAlertLabels(QMessageBox *alert) : QObject(alert)
    {
        setObjectName(QLatin1String(kAlertWatchName));
        alert->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildPolished)
            if (auto *label = qobject_cast<QLabel *>(static_cast<QChildEvent *>(event)->child()))
                DNShowAsPlainText(label);
        return false;
    }
};

} // namespace

void DNShowAsPlainText(QLabel *label)
{
    if (label)
        label->setTextFormat(Qt::PlainText);
}

void DNShowAsPlainText(QMessageBox *alert)
{
    if (!alert)
        return;
    alert->setTextFormat(Qt::PlainText);
    // The message box sets the format of its message only; the informative text has a label of
    // its own that guesses.
    for (QLabel *label : alert->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        DNShowAsPlainText(label);
    if (!alert->findChild<QObject *>(QLatin1String(kAlertWatchName), Qt::FindDirectChildrenOnly))
        new PlainAlertLabels(alert);
}

QString DNPlainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    // Escaped, and laid out as written: no spaces run together, every line break kept.
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString DNPlainWindowTitle(const QString &text)
{
    QString title = text;
    return title.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}
