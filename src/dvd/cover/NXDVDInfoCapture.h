#pragma once

#include "dvd/DNDVDNode.h"
#include "dvd/NXDVDSourceInfo.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QThreadPool>
#include <QUrl>

#include <functional>
#include <mutex>
#include <optional>

// Looks a new DVD item's cover picture up in the background and makes it the item's thumbnail.
// Only a mounted disc is looked up: the disc-identifier companion names the disc, the
// cover-metadata companion turns the name into a metadata page address and the saved page into
// the picture's address. Every other source, and every failure, gets the placeholder picture.
//
// Downloads go through a fetcher that the interface layer installs (this layer has no network
// code of its own); without one every download fails, and so the lookup ends in the placeholder.
class NXDVDInfoCapture
{
public:
    // A synchronous download: the body, or nothing on any failure. Called on the lookup thread.
    using Fetcher = std::function<std::optional<QByteArray>(const QUrl &url)>;

    struct Cover
    {
        QImage image;
        bool isCover = false; // a real cover, not the placeholder
    };

    // The shared instance, made at the first call (loading threads may race to it).
    static NXDVDInfoCapture &DVDInfoCapture();

    static void setURLFetcher(Fetcher fetcher);

    // Queues the lookup for node (one lookup at a time, in call order) and returns at once;
    // the queue keeps the node alive until its lookup has run. The picture and the flag are
    // set on the main thread.
    void captureDVDCoverForNode(const DNDVDNodePtr &node);
    // The lookup itself on the calling thread, then the hand-over to the node.
    void doCaptureDVDCoverForNode(const DNDVDNodePtr &node);
    // The lookup without touching any node.
    Cover lookUpCover(const NXDVDSourceInfoPtr &source);

    // Where the companions are; empty texts go back to the bundle's (tests point elsewhere).
    void setCompanionPaths(const QString &libraryPath, const QString &toolPath);
    // Blocks until the queued lookups have run (tests and shut-down).
    bool waitForDone(int msecs = -1);

    static QString savedPageFileName() { return QStringLiteral("harnvale_html_file"); }

    NXDVDInfoCapture();
    NXDVDInfoCapture(const NXDVDInfoCapture &) = delete;
    NXDVDInfoCapture &operator=(const NXDVDInfoCapture &) = delete;

private:
    QString libraryPath() const;
    QString toolPath() const;
    std::optional<QString> runDiscIdentifierTool(const QString &mountPoint) const;
    std::optional<QImage> coverFromLibrary(void *library, const QString &discID) const;

    QThreadPool taskQueue_;
    mutable std::mutex pathsMutex_;
    QString libraryPath_;
    QString toolPath_;
};
