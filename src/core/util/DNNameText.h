#pragma once

#include <QByteArray>
#include <QString>

// The system names files with bytes; the program carries names as text, read as UTF-8. A name
// whose bytes are not UTF-8 has no text: reading it gives U+FFFD for each stray byte, and that
// text names another file. A folder made by it is a twin beside the user's, a file read by it
// "does not exist". Such names are refused before anything is read or written, with the name to
// rename; these functions find them.
struct DNNameNotText
{
    QString name;   // the name, its stray bytes written "\xHH" (DNPrintableBytes)
    QString folder; // the folder that holds it, printable (DNPrintableText)

    bool isEmpty() const { return name.isEmpty(); }
};

// The first name along path, given as the system's bytes (an argument of a command line), whose
// bytes are not UTF-8 text; empty when every name is text.
DNNameNotText DNNameNotTextInBytes(const QByteArray &path);

// The first name along path that stands on disk for a name whose bytes are not UTF-8. path was
// read from the system (an open panel, a drop, a command line) and so holds U+FFFD where its
// bytes were not text: a name holding U+FFFD that does not exist as written, while its folder
// holds an entry whose bytes are not UTF-8 and read as that name. Empty when there is none, also
// when the path does not exist at all (that is for the caller to say).
DNNameNotText DNNameNotTextOnDisk(const QString &path);

// Whether path (read from the system as above) stands for a folder on disk, each name that holds
// U+FFFD resolved against its folder's entries. So a caller can tell a folder whose name is not
// text from a path that names nothing, and look inside it, before refusing it with its reason.
bool DNIsFolderOnDisk(const QString &path);
