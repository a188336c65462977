#pragma once

#include <Qt>

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

// A name from outside shown on one line, as it is but for the characters that would break the
// line or vanish: each line break (a Windows one, "\r\n", counts once) shows as "⏎", a tab as
// "⇥" and any other control character as "�". A name holding a line break is still that name: a
// file is written under it with the break; only its showing changes.
QString DNDisplayName(const QString &name);
// label shows text on one line (DNDisplayName), cut with an ellipsis where it does not fit the
// label's width, and cut again whenever the label's size changes: at the end, or in the middle
// (Qt::ElideMiddle) so that a file name keeps its extension in view. The whole text, shown on one
// line too, is the label's tooltip, as plain text; the label no longer asks for the text's width.
void DNShowElided(QLabel *label, const QString &text, Qt::TextElideMode mode = Qt::ElideRight);
// The whole text DNShowElided last gave label (null when it gave none).
QString DNElidedFullText(const QLabel *label);
