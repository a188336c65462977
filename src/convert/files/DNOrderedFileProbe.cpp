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
    : QObject(parent), paths_(paths), results_(size_t(paths.size())), refusals_(size_t(paths.size()))
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
        QString why;
        try {
            item = fileNodeWithFile(path, false, &why);
        } catch (const std::exception &e) {
            why = QString::fromUtf8(e.what());
        }
        if (!item)
            DNRoughLog(QStringLiteral("Create video node failed %@: %@"), path, why);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            results_[size_t(i)] = item;
            if (!item)
                refusals_[size_t(i)] = DNFileRefusalLine(path, why);
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

QStringList DNOrderedFileProbe::refusals() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    QStringList lines;
    for (const QString &line : refusals_)
        if (!line.isEmpty())
            lines << line;
    return lines;
}

bool DNOrderedFileProbe::isDone() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return taken_ == int(results_.size());
}
