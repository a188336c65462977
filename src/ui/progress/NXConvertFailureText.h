#pragma once

#include "convert/driver/ConvertFailureReason.h"

#include <QString>
#include <QStringList>

// A conversion's reason for failing as the window shows it: our framing texts in the interface's
// language, sizes and numbers in the user's locale, the facts they frame (paths, an engine's own
// words) as they are.
QString NXConvertFailureText(const ConvertFailureReason &reason);

// The line a window that loads sources shows for a source the program cannot read because a name
// along its path is not UTF-8 text: "<name as shown>: <reason>", the reason in the interface's
// language, naming what to rename. Empty when every name along path is text.
QString NXSourceNameNotTextLine(const QString &path);
// Takes the sources whose names are not text out of paths; their lines as above, in order.
QStringList NXTakeSourcesNamedNotText(QStringList &paths);
