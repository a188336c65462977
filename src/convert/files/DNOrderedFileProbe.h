#pragma once

#include "dvd/file/DNFileNode.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Probes many media files on a few threads of its own and hands the items back in the order of
// the paths, so that a long list fills from the top while the files further down are still being
// read. Each file is probed as fileNodeWithFile probes it; the thumbnail is queued when the item
// is taken, so the thumbnails too follow the list's order.
class DNOrderedFileProbe : public QObject
{
    Q_OBJECT
public:
    // Starts probing at once; threads 0 picks a number from the machine's cores.
    explicit DNOrderedFileProbe(const QStringList &paths, int threads = 0, QObject *parent = nullptr);
    // Probes no further file, and waits for the files being probed.
    ~DNOrderedFileProbe() override;

    // The items ready since the last call, in path order, up to the first path still being probed.
    // A path that gave no item (unreadable, no video, a malformed answer) is left out.
    QList<DNFileNodePtr> takeReady();
    // Every path has been probed and its item taken.
    bool isDone() const;
    // The paths that gave no item so far, one line each naming the file and why, in path order.
    QStringList refusals() const;

Q_SIGNALS:
    // A file has been probed; emitted on a probing thread.
    void progressed();

private:
    void probeFiles();

    const QStringList paths_;
    std::vector<std::optional<DNFileNodePtr>> results_;
    std::vector<QString> refusals_;
    mutable std::mutex mutex_;
    int taken_ = 0;
    std::atomic_int next_{0};
    std::atomic_bool stop_{false};
    std::vector<std::thread> threads_;
};
