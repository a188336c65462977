#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// Names whose bytes are not UTF-8, as a user makes them with mkdir $'\xff\xfe' or a copy from an
// old disk. Qt reads such names with U+FFFD and so cannot make, list or remove them itself; these
// work on the bytes.
namespace testsupport {

// A temporary folder that removes what it holds by its bytes, names that are not text included.
class RawNameFolder
{
public:
    RawNameFolder();
    ~RawNameFolder();
    RawNameFolder(const RawNameFolder &) = delete;
    RawNameFolder &operator=(const RawNameFolder &) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QByteArray bytes() const;
    // The bytes of name inside the folder.
    QByteArray bytesOf(const QByteArray &name) const { return bytes() + '/' + name; }

private:
    QTemporaryDir dir_;
};

// Makes the folder at path (bytes); false when it cannot.
bool makeRawFolder(const QByteArray &path);
// Moves from (a path Qt made) to the bytes to; false when it cannot.
bool renameToRaw(const QString &from, const QByteArray &to);
// The names in folder (bytes), "." and ".." left out, sorted.
QList<QByteArray> rawEntriesOf(const QByteArray &folder);
// The path Qt reads for path's bytes: U+FFFD for each byte that is not text, as an open panel,
// a drop or a command line gives it to the program.
QString lossyReading(const QByteArray &path);

} // namespace testsupport
