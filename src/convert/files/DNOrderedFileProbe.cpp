#include "DNOrderedFileProbe.h"

#include "convert/files/DNCaptureController.h"
#include "convert/files/DNMediaFileProbe.h"
#include "core/log/DNLogger.h"

#include <QThread>

#include <algorithm>
#include <exception>

namespace {
// Four readers keep well ahead of the slides that add the rows; more only crowd the disk and
// hold memory of their own.
constexpr int kMostThreads = 4;
}

DNOrderedFileProbe::DNOrderedFileProbe(const QStringList &paths, int threads, QObject *parent)
    : QObject(parent), paths_(paths), results_(size_t(paths.size()))
{
    if (threads <= 0)
        threads = std::min(kMostThreads, std::max(2, QThread::idealThreadCount()));
    threads = std::min(threads, int(paths.size()));
    for (int i = 0; i < threads; ++i)
        threads_.emplace_back([this] { probeFiles(); });
}

DNOrderedFileProbe::~DNOrderedFileProbe()
{
    stop_ = true;
    for (std::thread &thread : threads_)
        thread.join();
}

void DNOrderedFileProbe::probeFiles()
{
    for (int i = next_++; i < paths_.size() && !stop_; i = next_++) {
        const QString &path = paths_.at(i);
        DNFileNodePtr item;
        try {
            QString why;
            item = fileNodeWithFile(path, false, &why);
            if (!item && !why.isEmpty())
                DNRoughLog(QStringLiteral("cannot load %@: %@"), path, why);
        } catch (const std::exception &) {
            DNRoughLog(QStringLiteral("Create video node failed %@"), path);
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            results_[size_t(i)] = item;
        }
        Q_EMIT progressed();
    }
}

QList<DNFileNodePtr> DNOrderedFileProbe::takeReady()
{
    QList<DNFileNodePtr> ready;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (; taken_ < int(results_.size()) && results_[size_t(taken_)]; ++taken_)
            if (DNFileNodePtr &item = *results_[size_t(taken_)])
                ready << std::move(item);
    }
    for (const DNFileNodePtr &item : std::as_const(ready))
        DNCaptureController::shareCaptureQueue().fetchThumbnail(item);
    return ready;
}

bool DNOrderedFileProbe::isDone() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return taken_ == int(results_.size());
}
