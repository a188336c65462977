#include "support/privatemounts.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <sched.h>
#include <sys/mount.h>

namespace testsupport {
PrivateMounts::PrivateMounts()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        failed(QStringLiteral("no mount namespace of its own"));
        return;
    }
    // Nothing mounted from here on may reach the machine's own mounts.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        failed(QStringLiteral("the mounts cannot be made private"));
}

PrivateMounts::~PrivateMounts()
{
    for (auto it = m_mounted.crbegin(); it != m_mounted.crend(); ++it)
        ::umount2(QFile::encodeName(*it).constData(), MNT_DETACH);
}

bool PrivateMounts::failed(const QString &what)
{
    m_why = QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

bool PrivateMounts::bindFile(const QString &source, const QString &target)
{
    if (!isReady())
        return false;
    if (::mount(QFile::encodeName(source).constData(), QFile::encodeName(target).constData(), nullptr, MS_BIND, nullptr)
        != 0)
        return failed(QStringLiteral("%1 cannot be shown at %2").arg(source, target));
    m_mounted << target;
    return true;
}

bool PrivateMounts::makeReadOnly(const QString &folder)
{
    if (!isReady())
        return false;
    const QByteArray path = QFile::encodeName(folder);
    if (::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0)
        return failed(QStringLiteral("%1 cannot be bound").arg(folder));
    m_mounted << folder;
    if (::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        return failed(QStringLiteral("%1 cannot be made read-only").arg(folder));
    return true;
}

bool PrivateMounts::bindStandIn(const QString &program, const QString &standIn, const QByteArray &content,
                                QFile::Permissions permissions)
{
    QFile file(standIn);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) < 0 || !file.setPermissions(permissions)) {
        m_why = QStringLiteral("%1 cannot be made: %2").arg(standIn, file.errorString());
        return false;
    }
    file.close();
    return bindFile(standIn, program);
}

bool PrivateMounts::makeUnrunnable(const QString &program, const QString &folder)
{
    return bindStandIn(program, folder + QStringLiteral("/unrunnable"), "not a program\n",
                       QFile::ReadOwner | QFile::WriteOwner);
}

bool PrivateMounts::replaceWithScript(const QString &program, const QByteArray &script, const QString &folder)
{
    return bindStandIn(program, folder + QStringLiteral("/stand-in-") + QFileInfo(program).fileName(),
                       "#!/bin/sh\n" + script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
} // namespace testsupport
