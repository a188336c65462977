#pragma once

class QLabel;
class QMessageBox;
class QString;

// Words that come from outside the program (names of files, folders, discs, titles and windows,
// tags, subtitle files, photos and music, the engines' and players' lines) are shown exactly as
// they are. Qt draws a label's, an alert's or a tooltip's text as rich text whenever its start
// looks like markup, so a file named "a <b>b</b>.mp4" would turn bold and a name holding
// "<a href=...>" would become a live link. Every control that may show such words goes through
// these.

// label draws its text as plain text, whatever the text looks like. Set once; later texts keep it.
void DNShowAsPlainText(QLabel *label);
// alert draws its message and its informative text as plain text, also an informative text given
// after this call.
void DNShowAsPlainText(QMessageBox *alert);
// The tooltip text that shows text exactly: text itself where Qt takes it for plain text, else
// the rich text that draws it character for character (spaces and line breaks kept).
QString DNPlainToolTip(const QString &text);
// The window title that shows text exactly: a title's "[*]" is the mark of unsaved changes to Qt,
// which it drops from the title bar.
QString DNPlainWindowTitle(const QString &text);
