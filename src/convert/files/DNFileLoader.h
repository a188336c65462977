#pragma once

#include "core/action/NXAction.h"
#include "core/model/NXBasicMediaNode.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// Brings media files (and photo folders) into the media list without blocking the interface:
// probes the paths one by one on a thread of its own, hands each good item to the completion
// action on the main thread, and ends the load there. The window side (the progress sheet, the
// open panels, the alert) listens to the signals; this class holds no widget.
//
// A load ends with loadDidEnd() and then the notification "NXMediaFileLoadFinished o.o" with
// {"keyMediaLoadType_": 1}, posted once per load on the main thread. Only one load runs at a time.
class DNFileLoader : public QObject
{
    Q_OBJECT
public:
    // Makes the slideshow item of photo folders; it may watch *stop and must throw (any
    // std::exception, its what() shown to the user) when no photo is found. The slideshow
    // item's own factory unless a test sets another.
    using GraphicsNodeFactory = std::function<NXMediaNodePtr(const QStringList &folders, const std::atomic_bool *stop)>;

    explicit DNFileLoader(QObject *parent = nullptr);
    // Cancels a running load and waits for it.
    ~DNFileLoader() override;

    void setHandlerLoader(std::shared_ptr<NXAction> action) { handlerLoader_ = std::move(action); }
    std::shared_ptr<NXAction> handlerLoader() const { return handlerLoader_; }
    void setGraphicsNodeFactory(GraphicsNodeFactory factory) { graphicsFactory_ = std::move(factory); }

    // Starts a load; false when one is running already. refused holds lines for files the caller
    // left out already (in its own words); they are told with the load's own (filesRefused()).
    bool showLoadVideoProgress(const QStringList &paths, const QStringList &refused = {});
    bool showLoadPhotoPrgress(const QStringList &folders);

    // Cancel: the load stops after the file it is working on.
    void onCancel() { isBreak_ = true; }
    bool isLoading() const { return loading_; }
    // Waits (serving the main thread's events) until the running load has ended.
    void waitForLoad();

    // The pause between files, which leaves the main thread time to show each new row.
    void setPauseBetweenFiles(int milliseconds) { pauseMs_ = milliseconds; }

    static QString finishedNotificationName() { return QStringLiteral("NXMediaFileLoadFinished o.o"); }
    static QString loadTypeKey() { return QStringLiteral("keyMediaLoadType_"); }

Q_SIGNALS:
    // The status line: "Loading <file name>", or "Loading Photos" (English; the sheet translates).
    void statusTextChanged(const QString &text);
    // The load ended (the sheet closes); emitted before the notification is posted.
    void loadDidEnd();
    // A photo load failed; the text describes why ("Load Photo Failed!" is the alert's title).
    void photoLoadFailed(const QString &description);
    // The files of a video load that were not added, one line each naming the file and why;
    // emitted once, at the end of the load, before loadDidEnd() (only when there are any).
    void filesRefused(const QStringList &lines);

private:
    void doLoadVideo(const QStringList &paths, QStringList refused);
    void doLoadPhotos(const QStringList &folders);
    bool begin();
    // Runs on the main thread and waits until done.
    void onMainThread(const std::function<void()> &work);
    void endSheet(const QStringList &refused = {});
    void joinWorker();

    std::shared_ptr<NXAction> handlerLoader_;
    GraphicsNodeFactory graphicsFactory_;
    std::thread loaderQueue_;
    std::atomic_bool isBreak_{false};
    std::atomic_bool loading_{false};
    std::atomic_int pauseMs_{500};
};
