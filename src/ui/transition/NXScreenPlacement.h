#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

// Where windows open: every window the program opens lies with its whole frame (the window
// manager's title bar and borders included) inside the available area of the screen it opens
// on, whatever place it was given: one kept from a larger screen, or one worked out from the main
// window standing near an edge. A place that fits is kept as it is.
namespace NXScreenPlacement {

// frame moved the least that puts it inside area. A frame wider than area moves no further than
// to cover it; one taller starts at area's top, so that its title bar stays reachable.
QRect inside(const QRect &frame, const QRect &area);

// The screen a window with frame opens on: the one holding the frame's centre, else the one it
// overlaps most, else the screen of near, else the primary screen.
QScreen *screenFor(const QRect &frame, const QWidget *near = nullptr);

// The margins of the frame the window manager draws around window: measured once it has been
// framed; before that, the last frame measured around any window of the program (its windows
// get alike frames); none before any window was framed, or without a window manager.
QMargins frameMargins(const QWidget *window);

// frame moved inside the available area of the screen it opens on (screenFor).
QRect insideScreen(const QRect &frame, const QWidget *near = nullptr);

// The place for window's content wanted at content, moved so that the frame around it lies
// inside its screen (as inside does). Sizes stay.
QRect fittedContent(const QWidget *window, const QRect &content);

// Puts window (shown or not) with its frame's top left at frameTopLeft, moved inside its screen:
// its content is placed inside the frame it will have.
void place(QWidget *window, const QPoint &frameTopLeft);

// From now on every framed window the program shows is placed inside its screen as it opens,
// and once more when the window manager has framed it and its frame's true size is known.
// Frameless windows (the recorders' overlays, the full-screen player) place themselves.
void keepWindowsOnScreen();

} // namespace NXScreenPlacement
