#pragma once

class QLineEdit;
class QWidget;

// A field that shows a path chosen with the button beside it. Typing into it would change
// nothing, so it takes no typing and is drawn as a field that takes none: the ground of the
// window around it instead of the white of a text box. Its text can still be selected and copied.
QLineEdit *DNReadOnlyPathField(QWidget *parent = nullptr);
// Gives an existing field that look and behaviour.
void DNMakeReadOnlyPathField(QLineEdit *field);
