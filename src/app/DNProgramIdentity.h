#pragma once

#include <QIcon>

class QGuiApplication;

// What the desktop knows the program by: its icon, drawn by us and shipped in the icon theme's
// sizes (share/talvane/icons/hicolor/<size>/apps/talvane.png, installed into the desktop's
// hicolor theme as well), and its desktop entry "talvane", which names that icon.
QIcon DNProgramIcon();
// Gives every window the icon and ties the running program to its desktop entry.
void DNSetProgramIdentity(QGuiApplication &application);
