#include "DNPlainText.h"

#include <QChildEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QString>
#include <QTextDocument>

namespace {

const char kAlertWatchName[] = "DNPlainAlertText";
const char kEliderName[] = "DNElidedLabelText";

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

// Keeps a label's text cut to the label's width as the label is resized.
class LabelElider : public QObject
{
public:
    explicit LabelElider(QLabel *label) : QObject(label), label_(label)
    {
        setObjectName(QLatin1String(kEliderName));
        label->installEventFilter(this);
    }

    void show(const QString &text, Qt::TextElideMode mode)
    {
        text_ = text;
        mode_ = mode;
        label_->setToolTip(DNPlainToolTip(DNDisplayName(text)));
        elide();
    }
    QString text() const { return text_; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
            elide();
        return false;
    }

private:
    void elide()
    {
        const QString shown = label_->fontMetrics().elidedText(DNDisplayName(text_), mode_, label_->contentsRect().width());
        if (label_->text() != shown)
            label_->setText(shown);
    }

    QLabel *label_;
    QString text_;
    Qt::TextElideMode mode_ = Qt::ElideRight;
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

QString DNDisplayName(const QString &name)
{
    QString shown;
    shown.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        const char16_t u = c.unicode();
        if (u == u'\r' && i + 1 < name.size() && name.at(i + 1) == u'\n')
            continue; // the break is its "\n"
        if (u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f' || u == 0x85 || u == 0x2028 || u == 0x2029)
            shown += QChar(0x23CE); // ⏎
        else if (u == u'\t')
            shown += QChar(0x21E5); // ⇥
        else if (c.category() == QChar::Other_Control)
            shown += QChar(QChar::ReplacementCharacter);
        else
            shown += c;
    }
    return shown;
}

void DNShowElided(QLabel *label, const QString &text, Qt::TextElideMode mode)
{
    if (!label)
        return;
    auto *elider = dynamic_cast<LabelElider *>(label->findChild<QObject *>(QLatin1String(kEliderName), Qt::FindDirectChildrenOnly));
    if (!elider) {
        elider = new LabelElider(label);
        // Cut to the room it is given, the label asks for none of its own.
        label->setMinimumWidth(0);
        QSizePolicy policy = label->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Ignored);
        label->setSizePolicy(policy);
    }
    elider->show(text, mode);
}

QString DNElidedFullText(const QLabel *label)
{
    const auto *elider =
        label ? dynamic_cast<const LabelElider *>(label->findChild<QObject *>(QLatin1String(kEliderName), Qt::FindDirectChildrenOnly))
              : nullptr;
    return elider ? elider->text() : QString();
}
