#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Words from outside the program (file names, engine lines) written where one line is one
// record: the log, the developer aid's output. A name may hold a line break, a tab or a terminal
// escape; written as they are, they would cut a record in two or forge one. Here every such
// character is written as a C-style escape instead, so the text reads the same and stays on its
// line: "\n", "\r", "\t", "\xHH" for the other control characters (C0, DEL and C1) and "\u2028"
// / "\u2029" for the Unicode line and paragraph separators. Backslashes stay as they are: the
// engines' own lines hold many (filter texts), and no backslash can start a new line.
QString DNPrintableText(QStringView text);

// The same for a name as the system gives it: bytes that are not UTF-8 are written "\xHH" (the
// name has no text of its own to show), the rest as above.
QString DNPrintableBytes(QByteArrayView bytes);
