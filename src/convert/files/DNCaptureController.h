#pragma once

#include "dvd/file/DNFileNode.h"

#include <QImage>
#include <QObject>
#include <QSizeF>
#include <QThreadPool>

#include <mutex>

// One thumbnail job: the second of the film to grab (negative: none) and the picture size.
struct DNCapture
{
    qint32 captureTime = 0;
    QSizeF captureSize{342, 222};
    DNFileNodePtr fileNode;
    QString captureFile;

    static DNCapture initWithFileNode(const DNFileNodePtr &node);
    static DNCapture initWithFile(const QString &path);

    // Grabs the frame through the AV encoder library: the picture, or a null image when the
    // film gave none (or no grab was planned).
    QImage main() const;
};

// The process's thumbnail queue: a few jobs at a time, started in the order they were added. Items whose
// picture cannot be grabbed get placeholders (a plain one; "DRM" for protected video). The
// thumbnails are set on the thread this object lives in (the main thread once an application
// exists), and thumbnailChanged tells the media list.
class DNCaptureController : public QObject
{
    Q_OBJECT
public:
    static DNCaptureController &shareCaptureQueue();

    DNCaptureController();
    ~DNCaptureController() override;

    void setMaxConcurrentThread(int count);
    // Plans and queues node's thumbnail; items without video or with protected video get their
    // placeholder at once, without a job.
    void addJob(const DNFileNodePtr &node);
    void fetchThumbnail(const DNFileNodePtr &node) { addJob(node); }

    // The job planned for node (for tests): its grab second and size.
    static DNCapture planCapture(const DNFileNodePtr &node, int (*random)() = nullptr);

    // Blocks until every queued job has run and its result was delivered (tests, shutdown).
    void waitForDone();

    void captureSucess(const DNCapture &job, const QImage &image);
    void captureFailed(const DNCapture &job, const QString &error);

    static QImage placeholder(const QString &text = QString());

Q_SIGNALS:
    void thumbnailChanged(DNFileNodePtr node);

private:
    void deliver(const DNFileNodePtr &node, const QImage &image);

    QThreadPool captureQueue_;
};
