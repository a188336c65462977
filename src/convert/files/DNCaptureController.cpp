#include "DNCaptureController.h"

#include "convert/engine/DNAVEncoder.h"
#include "core/image/DNImageFunctions.h"
#include "core/platform/DNBackgroundWork.h"
#include "core/util/DNAspect.h"
#include "dvd/file/DNFileFormatTests.h"

#include <QCoreApplication>
#include <QRunnable>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

DNCapture DNCapture::initWithFileNode(const DNFileNodePtr &node)
{
    DNCapture job;
    job.fileNode = node;
    job.captureFile = node ? node->path() : QString();
    return job;
}

DNCapture DNCapture::initWithFile(const QString &path)
{
    DNCapture job;
    job.captureFile = path;
    return job;
}

QImage DNCapture::main() const
{
    if (captureTime < 0)
        return {};
    const QByteArray data = AVEncoderExtractImage(captureFile, float(captureSize.width()), nullptr, captureTime);
    if (data.isEmpty())
        return {};
    return QImage::fromData(data);
}

DNCaptureController &DNCaptureController::shareCaptureQueue()
{
    static std::mutex creation;
    static DNCaptureController *controller = nullptr;
    std::lock_guard<std::mutex> lock(creation);
    if (!controller) {
        controller = new DNCaptureController;
        // The thumbnails reach the items on the main thread, whoever asked first.
        if (QCoreApplication *app = QCoreApplication::instance())
            controller->moveToThread(app->thread());
        // The queue outlives main(): a capture paints, and one still running at the end would
        // meet the painting, the engine bridge and the temporary folder half torn down.
        DNRegisterBackgroundPool(&controller->captureQueue_);
    }
    return *controller;
}

DNCaptureController::DNCaptureController() : captureQueue_(this)
{
    // Most of a grab is the engine starting up, not decoding: a few side by side fill a long
    // list several times as fast, and leave the other cores to the rest of the program.
    captureQueue_.setMaxThreadCount(std::clamp(QThread::idealThreadCount() / 2, 1, 4));
}

DNCaptureController::~DNCaptureController()
{
    captureQueue_.waitForDone();
}

void DNCaptureController::setMaxConcurrentThread(int count)
{
    captureQueue_.setMaxThreadCount(qMax(1, count));
}

QImage DNCaptureController::placeholder(const QString &text)
{
    return DNPlaceholderImage(300, 200, text);
}

DNCapture DNCaptureController::planCapture(const DNFileNodePtr &node, int (*random)())
{
    DNCapture job = DNCapture::initWithFileNode(node);
    if (!node || node->videoTracks().isEmpty())
        return job;
    const auto &track = node->videoTracks().first();
    const QSize fitted = DNAspectFitSize(track->width, track->height, 342, 222);
    job.captureSize = QSizeF(fitted);
    const float d = track->duration;
    if (d > 10.0f)
        job.captureTime = 10;
    else if (d > 1.0f)
        job.captureTime = int(d * 0.5f);
    else if (d > 0.0f)
        job.captureTime = -1;
    else
        job.captureTime = (random ? random() : std::rand()) % 10;
    return job;
}

void DNCaptureController::addJob(const DNFileNodePtr &node)
{
    if (!node)
        return;
    try {
        if (node->videoTracks().isEmpty()) {
            deliver(node, placeholder());
            return;
        }
        if (HasDrmiVideoTrack(node.get())) {
            deliver(node, placeholder(QStringLiteral("DRM")));
            return;
        }
        const DNCapture job = planCapture(node);
        captureQueue_.start([this, job] {
            QImage image;
            try {
                image = job.main();
            } catch (const std::exception &) {
                image = QImage();
            }
            if (!image.isNull())
                captureSucess(job, image);
            else
                captureFailed(job, QStringLiteral("Cannot capture image."));
        });
    } catch (const std::exception &) {
        std::fputs("error: fetch video thumbnail failed.\n", stderr);
    }
}

void DNCaptureController::captureSucess(const DNCapture &job, const QImage &image)
{
    deliver(job.fileNode, image);
}

void DNCaptureController::captureFailed(const DNCapture &job, const QString &)
{
    deliver(job.fileNode, placeholder());
}

void DNCaptureController::deliver(const DNFileNodePtr &node, const QImage &image)
{
    if (!node)
        return;
    const auto set = [this, node, image] {
        node->setThumbnail(image);
        Q_EMIT thumbnailChanged(node);
    };
    if (QThread::currentThread() == thread() || !QCoreApplication::instance())
        set();
    else
        QMetaObject::invokeMethod(this, set, Qt::QueuedConnection);
}

void DNCaptureController::waitForDone()
{
    captureQueue_.waitForDone();
    if (QCoreApplication::instance() && QThread::currentThread() == thread())
        QCoreApplication::sendPostedEvents(this);
}
