#pragma once

#include <QFile>
#include <QString>

#include <dlfcn.h>

// The structure-reader companion (fws/libiforead.so), open for one read and closed on every way
// out of it.
class IfoReaderLibrary
{
public:
    static constexpr const char *fileName = "libiforead.so";

    explicit IfoReaderLibrary(const QString &path)
        : handle_(dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_LOCAL))
    {
    }
    ~IfoReaderLibrary()
    {
        if (handle_)
            dlclose(handle_);
    }
    IfoReaderLibrary(const IfoReaderLibrary &) = delete;
    IfoReaderLibrary &operator=(const IfoReaderLibrary &) = delete;

    bool isOpen() const { return handle_ != nullptr; }
    template <class F>
    F symbol(const char *name) const { return reinterpret_cast<F>(dlsym(handle_, name)); }

private:
    void *handle_;
};
