#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

// A folder on a file system that holds at most a given number of bytes, for tests of what a full
// disk does. Where this process may mount, a tmpfs of that size is mounted on a new folder;
// elsewhere the folder is a plain one and the size limit for files this process and the engines it
// starts write is set instead (the way "ulimit -f" does, with SIGXFSZ ignored so that an oversized
// write fails with an error rather than ending the writer).
namespace testsupport {
class SmallFileSystem
{
public:
    explicit SmallFileSystem(qint64 bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool isValid() const { return m_valid; }
    bool isMounted() const { return m_mounted; }
    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    bool m_valid = false;
    bool m_mounted = false;
    rlimit m_savedLimit {};
    void (*m_savedHandler)(int) = nullptr;
};
} // namespace testsupport
