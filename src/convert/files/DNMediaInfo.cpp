#include "DNMediaInfo.h"

#include <QByteArray>
#include <QFile>

#include <dlfcn.h>

#include <mutex>
#include <string>

namespace {

// The library's wide-character C interface (MediaInfo_Char is wchar_t in the Linux build).
enum MediaInfoInfo { InfoName = 0, InfoText = 1 };
using NewFunction = void *(*)();
using DeleteFunction = void (*)(void *);
using OpenFunction = size_t (*)(void *, const wchar_t *);
using OpenBufferInitFunction = size_t (*)(void *, quint64, quint64);
using OpenBufferContinueFunction = size_t (*)(void *, const quint8 *, size_t);
using OpenBufferGoToFunction = quint64 (*)(void *);
using OpenBufferFinalizeFunction = size_t (*)(void *);
using CloseFunction = void (*)(void *);
using GetFunction = const wchar_t *(*)(void *, int, size_t, const wchar_t *, int, int);
using CountFunction = size_t (*)(void *, int, size_t);

struct Library
{
    void *module = nullptr;
    NewFunction create = nullptr;
    DeleteFunction destroy = nullptr;
    OpenBufferInitFunction bufferInit = nullptr;
    OpenBufferContinueFunction bufferContinue = nullptr;
    OpenBufferGoToFunction bufferGoTo = nullptr;
    OpenBufferFinalizeFunction bufferFinalize = nullptr;
    CloseFunction close = nullptr;
    GetFunction get = nullptr;
    CountFunction count = nullptr;
    QString error;
};

std::mutex libraryMutex;
QString libraryName = QStringLiteral("libmediainfo.so.0");
std::unique_ptr<Library> loaded;

template <class F>
bool bind(Library &library, F &slot, const char *name)
{
    slot = reinterpret_cast<F>(::dlsym(library.module, name));
    if (!slot)
        library.error = QStringLiteral("MediaInfo library lacks %1").arg(QString::fromLatin1(name));
    return slot != nullptr;
}

// The loaded library, or one whose error says why it is missing. Loaded once per name.
const Library &library()
{
    std::lock_guard<std::mutex> lock(libraryMutex);
    if (loaded)
        return *loaded;
    loaded = std::make_unique<Library>();
    Library &lib = *loaded;
    lib.module = ::dlopen(QFile::encodeName(libraryName).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!lib.module) {
        const char *why = ::dlerror();
        lib.error = QStringLiteral("Load dylib error: %1").arg(QString::fromLocal8Bit(why ? why : "unknown error"));
        return lib;
    }
    const bool complete = bind(lib, lib.create, "MediaInfo_New") && bind(lib, lib.destroy, "MediaInfo_Delete")
        && bind(lib, lib.bufferInit, "MediaInfo_Open_Buffer_Init")
        && bind(lib, lib.bufferContinue, "MediaInfo_Open_Buffer_Continue")
        && bind(lib, lib.bufferGoTo, "MediaInfo_Open_Buffer_Continue_GoTo_Get")
        && bind(lib, lib.bufferFinalize, "MediaInfo_Open_Buffer_Finalize")
        && bind(lib, lib.close, "MediaInfo_Close") && bind(lib, lib.get, "MediaInfo_Get")
        && bind(lib, lib.count, "MediaInfo_Count_Get");
    if (!complete) {
        ::dlclose(lib.module);
        lib.module = nullptr;
    }
    return lib;
}

std::wstring wide(const QString &text)
{
    return text.toStdWString();
}

} // namespace

void DNMediaInfo::setLibraryNameForTesting(const QString &name)
{
    std::lock_guard<std::mutex> lock(libraryMutex);
    libraryName = name.isEmpty() ? QStringLiteral("libmediainfo.so.0") : name;
    // The old module stays mapped: objects made from it may still be alive.
    loaded.release();
}

DNMediaInfo::DNMediaInfo()
{
    const Library &lib = library();
    if (!lib.module) {
        error_ = lib.error;
        return;
    }
    handle_ = lib.create();
    if (!handle_)
        error_ = QStringLiteral("MediaInfo could not make a query object");
}

DNMediaInfo::~DNMediaInfo()
{
    if (!handle_)
        return;
    const Library &lib = library();
    lib.close(handle_);
    lib.destroy(handle_);
}

bool DNMediaInfo::open(const QString &path)
{
    if (!handle_)
        return false;
    // The file is read here and handed over in pieces: MediaInfo's own opening converts the
    // name through the C locale and fails on names outside ASCII.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const Library &lib = library();
    lib.bufferInit(handle_, quint64(file.size()), 0);
    // Small pieces: handed a whole file at once, MediaInfo skips parts of some streams (the layer
    // of MPEG audio in AVI).
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got <= 0)
            break;
        const size_t state = lib.bufferContinue(handle_, reinterpret_cast<const quint8 *>(buffer.constData()), size_t(got));
        // Bit 3 set: MediaInfo has all it wants.
        if (state & 0x08)
            break;
        const quint64 seekTo = lib.bufferGoTo(handle_);
        if (seekTo != quint64(-1)) {
            if (!file.seek(qint64(seekTo)))
                break;
            lib.bufferInit(handle_, quint64(file.size()), seekTo);
        }
    }
    lib.bufferFinalize(handle_);
    // Format is empty when MediaInfo recognised nothing in the bytes.
    return !get(General, 0, QStringLiteral("Format")).isEmpty();
}

QString DNMediaInfo::get(StreamKind kind, int stream, const QString &parameter) const
{
    if (!handle_)
        return {};
    const std::wstring name = wide(parameter);
    const wchar_t *value = library().get(handle_, int(kind), size_t(stream), name.c_str(), InfoText, InfoName);
    return value ? QString::fromWCharArray(value) : QString();
}

int DNMediaInfo::count(StreamKind kind) const
{
    if (!handle_)
        return 0;
    return int(library().count(handle_, int(kind), size_t(-1)));
}
