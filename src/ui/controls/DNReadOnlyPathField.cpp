#include "DNReadOnlyPathField.h"

#include <QLineEdit>
#include <QPalette>

void DNMakeReadOnlyPathField(QLineEdit *field)
{
    if (!field)
        return;
    field->setReadOnly(true);
    field->setProperty("readOnlyPath", true);
    QPalette palette = field->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    field->setPalette(palette);
    // A window with a style sheet of its own draws its fields from the sheet, not the palette.
    field->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
}

QLineEdit *DNReadOnlyPathField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    DNMakeReadOnlyPathField(field);
    return field;
}
