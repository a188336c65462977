#include "support/smallfs.h"

#include <QFile>

#include <csignal>

#include <sys/mount.h>

namespace testsupport {
SmallFileSystem::SmallFileSystem(qint64 bytes)
{
    if (!m_folder.isValid())
        return;
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
    if (::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData())
        == 0) {
        m_mounted = m_valid = true;
        return;
    }
    if (::getrlimit(RLIMIT_FSIZE, &m_savedLimit) != 0)
        return;
    rlimit limit = m_savedLimit;
    limit.rlim_cur = rlim_t(bytes);
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    m_valid = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
    else if (m_valid) {
        ::setrlimit(RLIMIT_FSIZE, &m_savedLimit);
        std::signal(SIGXFSZ, m_savedHandler);
    }
}
} // namespace testsupport
