#include "support/descriptors.h"

#include <QFile>
#include <QRegularExpression>

#include <fcntl.h>
#include <unistd.h>

namespace testsupport {

InheritedDescriptor::InheritedDescriptor(int number) : number_(number)
{
    const int fd = ::open(QFile::encodeName(path()).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    // dup2 leaves the new descriptor without close-on-exec, as a shell's redirection does.
    open_ = ::dup2(fd, number_) == number_;
    ::close(fd);
}

InheritedDescriptor::~InheritedDescriptor()
{
    if (open_)
        ::close(number_);
}

QString InheritedDescriptor::path() const
{
    return folder_.filePath(QStringLiteral("inherited"));
}

QString descriptorListingProgram(const QString &folder, const QString &name, const QString &listFile, int status)
{
    const QString path = folder + QLatin1Char('/') + name;
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(QStringLiteral("#!/bin/sh\nls -l /proc/self/fd > '%1.part' && mv '%1.part' '%1'\nexit %2\n")
                     .arg(listFile)
                     .arg(status)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QMap<int, QString> listedDescriptors(const QString &listFile)
{
    QMap<int, QString> listed;
    QFile file(listFile);
    if (!file.open(QIODevice::ReadOnly))
        return listed;
    static const QRegularExpression entry(QStringLiteral(" (\\d+) -> (.*)$"));
    static const QRegularExpression ownFolder(QStringLiteral("^/proc/\\d+/fd$"));
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QRegularExpressionMatch match = entry.match(QString::fromUtf8(line));
        if (match.hasMatch() && !ownFolder.match(match.captured(2)).hasMatch())
            listed.insert(match.captured(1).toInt(), match.captured(2));
    }
    return listed;
}

DescriptorWatch::DescriptorWatch(const QString &standInName, int status)
    : standIn(descriptorListingProgram(folder.path(), standInName, listing, status))
{
}

QString describeDescriptors(const QMap<int, QString> &listed)
{
    QString text;
    for (auto it = listed.cbegin(); it != listed.cend(); ++it)
        text += QStringLiteral("%1 -> %2\n").arg(it.key()).arg(it.value());
    return text;
}

} // namespace testsupport
