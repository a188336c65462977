#include "ui/profiles/NXNumberComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Return ends the edit in the box itself; it does not also press the sheet's default button.
class NXNumberLineEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            emit editingFinished();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

} // namespace

NXNumberComboBox::NXNumberComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setLineEdit(new NXNumberLineEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &NXNumberComboBox::textDidEndEditing);
}

bool NXNumberComboBox::isNumeric(const QString &text, int *value)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (ok && value)
        *value = number;
    return ok;
}

QString NXNumberComboBox::completedString(const QString &typed)
{
    return typed.endsWith(QLatin1Char('K')) ? typed : typed + QLatin1Char('K');
}

QString NXNumberComboBox::textAfterEditing(const QString &text) const
{
    QString number = text;
    if (number.endsWith(QLatin1Char('K')))
        number.chop(1);
    int value = 0;
    if (!isNumeric(number, &value))
        return QStringLiteral("%1K").arg(defaultValue_);
    if (value < minValue_)
        return QStringLiteral("%1K").arg(minValue_);
    if (value > maxValue_)
        return QStringLiteral("%1K").arg(maxValue_);
    return text;
}

void NXNumberComboBox::textDidEndEditing()
{
    const QString corrected = textAfterEditing(currentText());
    if (corrected != currentText())
        setEditText(corrected);
    emit editingEnded(corrected);
}
