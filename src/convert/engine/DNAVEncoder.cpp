#include "convert/engine/DNAVEncoder.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNTemporaryFolder.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {
const char *const kLibraryName = "avencoder.so";

struct AVEncoderContext
{
    void *handle = nullptr;
    AVEncoderTable *table = nullptr;
    int duration = 0;
    EngineStateCallback callback = nullptr;
    void *callbackContext = nullptr;
    bool noticeStarted = false;
    // The start notice's thread: joined when the pass returns, so that no notice reaches the
    // receiver after the conversion it belongs to has ended.
    std::thread notice;
};

std::mutex AVEncoderMutex;
AVEncoderContext *currentContext = nullptr;

QString libraryPath()
{
    return DNBundle::pathForCompanion(QString::fromLatin1(kLibraryName));
}

// Opens the library and fetches its table; logs why not and returns false.
bool openLibrary(const QString &path, void *&handle, AVEncoderTable *&table)
{
    handle = nullptr;
    table = nullptr;
    if (!QFileInfo::exists(path)) {
        DNRoughLog("AV encoder library missing: %@", path);
        std::fprintf(stderr, "AV encoder library missing: %s\n", qPrintable(path));
        return false;
    }
    handle = ::dlopen(QFile::encodeName(path).constData(), RTLD_LAZY);
    const auto fail = [&]() {
        const char *why = ::dlerror();
        DNRoughLog("%s", why ? why : "the AV encoder library has no table");
        std::fprintf(stderr, "%s\n", why ? why : "the AV encoder library has no table");
        if (handle)
            ::dlclose(handle);
        handle = nullptr;
        table = nullptr;
        return false;
    };
    if (!handle)
        return fail();
    auto get = reinterpret_cast<GetAVEncoderFunction>(::dlsym(handle, "GetAVEncoder"));
    table = get ? get() : nullptr;
    if (!table)
        return fail();
    return true;
}

void setFontConfiguration()
{
    // Text rendering (subtitles burnt in, captions) reads the fonts shipped with the program.
    const QString fontsConf = DNBundle::pathForResource(QStringLiteral("fonts/fonts.conf"));
    if (!QFileInfo::exists(fontsConf)) {
        DNRoughLog("fonts configuration missing: %@; the system's is used", fontsConf);
        return;
    }
    const QByteArray dir = QFile::encodeName(DNBundle::pathForResource(QStringLiteral("fontconfig")));
    if (::setenv("FONTCONFIG_PATH", dir.constData(), 1) != 0)
        std::fprintf(stderr, "set fontconfig path env failed\n");
    if (::setenv("FONTCONFIG_FILE", QFile::encodeName(fontsConf).constData(), 1) != 0)
        std::fprintf(stderr, "set fontconfig file env failed\n");
}

// The library as the one-shot jobs and the media queries use it: loaded on the first of them and
// kept for the life of the process. Its jobs and queries keep to themselves (a process and a
// reader of their own each, the pass's status untouched), so they run beside each other and beside
// a pass without the pass's mutex: a probe never waits for a thumbnail's engine to finish, and a
// progress query from the window never waits for either.
AVEncoderTable *sharedTable()
{
    static std::mutex loading;
    static std::map<QString, AVEncoderTable *> loaded;
    const QString path = libraryPath();
    std::lock_guard<std::mutex> lock(loading);
    if (const auto it = loaded.find(path); it != loaded.end())
        return it->second;
    void *handle = nullptr;
    AVEncoderTable *table = nullptr;
    // A library that cannot be loaded is not remembered: the next call tries again.
    if (!openLibrary(path, handle, table))
        return nullptr;
    loaded.emplace(path, table);
    return table;
}

int runJob(const QStringList &arguments)
{
    AVEncoderTable *table = sharedTable();
    if (!table)
        return -1;
    std::vector<QByteArray> storage;
    std::vector<char *> argv;
    for (const QString &a : arguments)
        storage.push_back(a.toUtf8());
    for (QByteArray &b : storage)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    table->begin();
    const int result = table->run(int(storage.size()), argv.data());
    table->end();
    return result;
}

struct StartNotice
{
    EngineStateCallback callback;
    void *context;
};

// The library reports no start of its own; this reports it once, on a thread of its own, so the
// receiver may call back into the driver while the worker blocks in the pass.
void FFMPEG_Fake_Message_Distribute(StartNotice notice)
{
    if (notice.callback)
        notice.callback(notice.context, EncodeStateStarted);
}

int passDuration(const AVEncoderContext &c)
{
    if (c.duration > 0)
        return c.duration;
    const AVEncoderStatus *s = c.table->status();
    return s ? s->expectedSeconds : 0;
}
} // namespace

int AVEncoderInit(EngineStateCallback callback, void *context)
{
    std::lock_guard<std::mutex> lock(AVEncoderMutex);
    if (currentContext) {
        std::fprintf(stderr, "AVEncoderInit Error...\n");
        return 0;
    }
    auto *c = new AVEncoderContext;
    if (!openLibrary(libraryPath(), c->handle, c->table)) {
        delete c;
        return -1;
    }
    c->callback = callback;
    c->callbackContext = context;
    currentContext = c;
    return 0;
}

int AVEncoderEncode(int argc, char *argv[], int endpos)
{
    AVEncoderContext *c = nullptr;
    {
        std::lock_guard<std::mutex> lock(AVEncoderMutex);
        c = currentContext;
        if (!c) {
            DNRoughLog("AV encoder pass started without a loaded library");
            return -1;
        }
        c->duration = endpos;
    }
    c->table->begin();
    setFontConfiguration();
    if (!c->noticeStarted) {
        c->noticeStarted = true;
        c->notice = std::thread(FFMPEG_Fake_Message_Distribute, StartNotice{c->callback, c->callbackContext});
    }
    const int result = c->table->run(argc, argv);
    c->table->end();
    if (c->notice.joinable())
        c->notice.join();
    return result;
}

void AVEncoderStop()
{
    std::lock_guard<std::mutex> lock(AVEncoderMutex);
    if (currentContext)
        currentContext->table->stop();
}

int AVEncoderRelease()
{
    std::lock_guard<std::mutex> lock(AVEncoderMutex);
    if (!currentContext)
        return -1;
    if (currentContext->notice.joinable())
        currentContext->notice.join();
    const int result = ::dlclose(currentContext->handle);
    delete currentContext;
    currentContext = nullptr;
    return result;
}

int AVEncoderProgress()
{
    std::lock_guard<std::mutex> lock(AVEncoderMutex);
    if (!currentContext)
        return 0;
    const int duration = passDuration(*currentContext);
    const AVEncoderStatus *s = currentContext->table->status();
    if (duration <= 0 || !s)
        return 0;
    const float percent = float(s->secondsDone) / float(duration) * 100.0f;
    return percent >= 100.0f ? 100 : percent <= 0.0f ? 0 : int(percent);
}

int AVEncoderFPS()
{
    std::lock_guard<std::mutex> lock(AVEncoderMutex);
    if (!currentContext)
        return 0;
    const AVEncoderStatus *s = currentContext->table->status();
    return s && s->framesPerSecond > 0 ? int(s->framesPerSecond) : 0;
}

int AVEncoderTime()
{
    std::lock_guard<std::mutex> lock(AVEncoderMutex);
    if (!currentContext)
        return 0;
    const AVEncoderStatus *s = currentContext->table->status();
    if (!s)
        return 0;
    // A figure of a day or more is the engine's "no time yet", not a real position.
    return s->secondsDone >= 86401 ? passDuration(*currentContext) : s->secondsDone;
}

int AVEncoderFrame()
{
    std::lock_guard<std::mutex> lock(AVEncoderMutex);
    if (!currentContext)
        return 0;
    const AVEncoderStatus *s = currentContext->table->status();
    return s && s->framesDone > 0 ? s->framesDone : 0;
}

void AVEncoderSetLogCallback(EngineLogCallback log)
{
    std::lock_guard<std::mutex> lock(AVEncoderMutex);
    if (currentContext)
        currentContext->table->setLogCallback(log);
}

QStringList AVEncoderSubtitleArguments(const QString &input, int index, const QString &output)
{
    return {QStringLiteral("AVED"), QStringLiteral("-d"), QStringLiteral("-y"), QStringLiteral("-i"), input,
            QStringLiteral("-vn"), QStringLiteral("-an"), QStringLiteral("-map"), QStringLiteral("0:s:%1").arg(index),
            QStringLiteral("-c"), QStringLiteral("srt"), output};
}

QStringList AVEncoderImageArguments(const QString &path, float width, int seconds, const QString &output)
{
    const int w = int(width);
    const QString filter = seconds < 11 ? QStringLiteral("scale=%1:-1").arg(w)
                                        : QStringLiteral("thumbnail,scale=%1:-1").arg(w);
    return {QStringLiteral("AVED"), QStringLiteral("-d"), QStringLiteral("-y"), QStringLiteral("-ss"),
            QString::number(seconds), QStringLiteral("-i"), path, QStringLiteral("-vf"), filter,
            QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("mjpeg"), output};
}

int AVEncoderExtractSubFile(const char *input, int index, const char *output)
{
    if (!input || !output || index < 0)
        return -1;
    return runJob(AVEncoderSubtitleArguments(QString::fromUtf8(input), index, QString::fromUtf8(output)));
}

QByteArray AVEncoderExtractImage(const QString &path, float width, const void *, int seconds)
{
    if (path.isEmpty())
        return {};
    const QString output = DNTemporaryFolder::uniqueFilePath(QStringLiteral("qvimg"), QStringLiteral(".jpg"));
    if (output.isEmpty())
        return {};
    const int result = runJob(AVEncoderImageArguments(path, width, seconds, output));
    QByteArray bytes;
    QFile file(output);
    if (result == 0 && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    file.close();
    QFile::remove(output);
    return bytes;
}

std::unique_ptr<AVMediaInformation> AVEncoderMediaInfo(const char *path)
{
    if (!path)
        return nullptr;
    AVEncoderTable *table = sharedTable();
    if (!table)
        return nullptr;
    auto record = std::make_unique<AVMediaInformation>();
    const int result = table->mediaInformation(path, record.get());
    return result == 0 ? std::move(record) : nullptr;
}
