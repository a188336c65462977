#pragma once

#include <QString>

class QFileDialog;

// Open panels start where the user last chose something of the same kind: the folder of the
// file chosen, or the folder that holds the folder chosen. The place is kept in the user settings
// under "NXOpenPanelFolder_<kind>"; the first time, and when that folder is gone, the panel
// starts in the home folder.
QString DNOpenPanelFolder(const QString &kind);
void DNRememberOpenPanelChoice(const QString &kind, const QString &chosenPath);
// Starts panel in the kind's folder and remembers what the user chooses in it.
void DNPrepareOpenPanel(QFileDialog *panel, const QString &kind);
