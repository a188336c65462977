#pragma once

#include <QString>
#include <QStringList>

class QProcess;

// The programs this one starts through Qt (the player, the disc-identifier tool, the metadata tool,
// the capture-device listing, the mail and open helpers, the relauncher) get standard input,
// output and error and no other descriptor of this process. Qt 6.4 hands on every descriptor not
// marked close-on-exec, so also those this program was itself started with: a file or a pipe end
// kept open in a player or a helper for its whole life.

// Makes process hand its program only the standard descriptors; set before it is started.
void DNKeepOnlyStandardDescriptors(QProcess &process);

// Starts program (looked up in PATH without a "/") with arguments, detached: in a session of its
// own, never waited for, outliving this program, with this program's standard descriptors and no
// other. False, with why set to the reason, when it cannot be started.
bool DNStartDetached(const QString &program, const QStringList &arguments, QString *why = nullptr);
