#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

// Which descriptors a started program holds. A test opens a file at a descriptor number the way a
// shell's "7>file" hands one to a program, starts a program road with it, and has the program at
// the end of the road be a stand-in that lists its own descriptors into a file.
namespace testsupport {

// A file opened at descriptor number, not close-on-exec, for as long as the object lives.
class InheritedDescriptor
{
public:
    explicit InheritedDescriptor(int number = 7);
    ~InheritedDescriptor();
    InheritedDescriptor(const InheritedDescriptor &) = delete;
    InheritedDescriptor &operator=(const InheritedDescriptor &) = delete;

    bool isOpen() const { return open_; }
    int number() const { return number_; }
    QString path() const;   // the file it is open on

private:
    QTemporaryDir folder_;
    int number_;
    bool open_ = false;
};

// A stand-in program (a shell script) that writes the list of its open descriptors to listFile
// (whole, under its final name only once written) and exits with status; made in folder under
// name. Its path, or an empty text when it cannot be made.
QString descriptorListingProgram(const QString &folder, const QString &name, const QString &listFile,
                                 int status = 0);

// The descriptors such a listing names, without the lister's own folder of /proc: number ->
// what it is open on.
QMap<int, QString> listedDescriptors(const QString &listFile);

// What a test needs for it: descriptor 7 open on a file, a folder, a stand-in in it that lists
// into "listing" and exits with status, and what it listed.
struct DescriptorWatch
{
    explicit DescriptorWatch(const QString &standInName = QStringLiteral("engine"), int status = 0);

    bool isReady() const { return inherited.isOpen() && !standIn.isEmpty(); }
    QMap<int, QString> listed() const { return listedDescriptors(listing); }

    InheritedDescriptor inherited{7};
    QTemporaryDir folder;
    QString listing = folder.filePath(QStringLiteral("listing"));
    QString standIn;
};

// The listed descriptors one a line ("7 -> /tmp/...inherited"), for a failure message.
QString describeDescriptors(const QMap<int, QString> &listed);

} // namespace testsupport
