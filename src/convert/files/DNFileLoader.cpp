#include "DNFileLoader.h"

#include "convert/files/DNMediaFileProbe.h"
#include "core/log/DNLogger.h"
#include "core/notify/DNNotificationCenter.h"
#include "dvd/slideshow/DNGraphicsNode.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include <chrono>
#include <exception>

DNFileLoader::DNFileLoader(QObject *parent)
    : QObject(parent), graphicsFactory_([](const QStringList &folders, const std::atomic_bool *stop) {
          return NXMediaNodePtr(DNGraphicsNode::graphicsNodeWithDirs(folders, stop));
      })
{
}

DNFileLoader::~DNFileLoader()
{
    isBreak_ = true;
    waitForLoad();
}

bool DNFileLoader::begin()
{
    if (loading_)
        return false;
    joinWorker();
    isBreak_ = false;
    loading_ = true;
    return true;
}

bool DNFileLoader::showLoadVideoProgress(const QStringList &paths, const QStringList &refused)
{
    if (!begin())
        return false;
    loaderQueue_ = std::thread([this, paths, refused] { doLoadVideo(paths, refused); });
    return true;
}

bool DNFileLoader::showLoadPhotoPrgress(const QStringList &folders)
{
    if (!begin())
        return false;
    loaderQueue_ = std::thread([this, folders] { doLoadPhotos(folders); });
    return true;
}

void DNFileLoader::onMainThread(const std::function<void()> &work)
{
    if (!QCoreApplication::instance() || QThread::currentThread() == thread())
        work();
    else
        QMetaObject::invokeMethod(this, work, Qt::BlockingQueuedConnection);
}

void DNFileLoader::endSheet(const QStringList &refused)
{
    onMainThread([this, refused] {
        if (!refused.isEmpty())
            Q_EMIT filesRefused(refused);
        Q_EMIT loadDidEnd();
        DNNotificationCenter::defaultCenter().postNotification(
            finishedNotificationName(), QVariant(), QVariantMap{{loadTypeKey(), 1}});
    });
}

void DNFileLoader::doLoadVideo(const QStringList &paths, QStringList refused)
{
    for (const QString &path : paths) {
        DNRoughLog(QStringLiteral("start video load file %@"), path);
        const QString name = QFileInfo(path).fileName();
        onMainThread([this, name] { Q_EMIT statusTextChanged(QStringLiteral("Loading %1").arg(name)); });

        DNFileNodePtr item;
        const QFileInfo info(path);
        QString why;
        if (!info.exists()) {
            why = QStringLiteral("the file does not exist");
        } else if (info.isDir()) {
            why = QStringLiteral("%1 is a folder").arg(path);
        } else {
            try {
                item = fileNodeWithFile(path, true, &why);
            } catch (const std::exception &e) {
                why = QString::fromUtf8(e.what());
                item.reset();
            }
            if (item)
                DNRoughLog(QStringLiteral("create video node ok %@"), path);
            else
                DNRoughLog(QStringLiteral("Create video node failed %@: %@"), path, why);
        }
        if (!item)
            refused << DNFileRefusalLine(path, why);
        if (item) {
            DNRoughLog(QStringLiteral("add node to user interface..."));
            if (handlerLoader_)
                handlerLoader_->exeWithObjectOnMainThread(QVariant::fromValue(NXMediaNodePtr(item)), true);
        }
        if (isBreak_)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs_.load()));
        // A Cancel pressed during the pause stops before the next file is begun.
        if (isBreak_)
            break;
    }
    endSheet(refused);
    // Only now: a waiting owner may join this thread, which no longer needs the main thread.
    loading_ = false;
}

void DNFileLoader::doLoadPhotos(const QStringList &folders)
{
    onMainThread([this] { Q_EMIT statusTextChanged(QStringLiteral("Loading Photos")); });
    QString failure;
    try {
        const NXMediaNodePtr item = graphicsFactory_(folders, &isBreak_);
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs_.load()));
        if (handlerLoader_)
            handlerLoader_->exeWithObjectOnMainThread(QVariant::fromValue(item), true);
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
    }
    endSheet();
    if (!failure.isNull()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs_.load() / 2));
        onMainThread([this, failure] { Q_EMIT photoLoadFailed(failure); });
    }
    loading_ = false;
}

void DNFileLoader::joinWorker()
{
    if (loaderQueue_.joinable())
        loaderQueue_.join();
}

void DNFileLoader::waitForLoad()
{
    // The worker waits for the main thread at each step, so the main thread keeps serving it.
    const bool serve = QCoreApplication::instance() && QThread::currentThread() == thread();
    while (loading_) {
        if (serve)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    joinWorker();
}
