#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// One notification: its name (used exactly as written, e.g. "NXMediaFileLoadFinished o.o"),
// the posting object (any value; invalid when there is none) and the user information.
struct DNNotification
{
    QString name;
    QVariant object;
    QVariantMap userInfo;
};

using DNNotificationHandler = std::function<void(const DNNotification &)>;

// The process-wide notification centre. A post is delivered synchronously, on the posting
// thread, to every observer registered for its name (or for every name) whose object filter
// matches (an invalid filter matches any object; otherwise the filter must equal the posted
// object, so a QObject pointer or a shared_ptr filters by identity).
//
// Observers may add or remove observers, and post, from inside a handler. An observer removed
// while a post is running is not called after removeObserver() returns on that thread.
class DNNotificationCenter
{
public:
    using ObserverId = quint64;

    static DNNotificationCenter &defaultCenter();

    // name empty: every notification. Returns an id for removeObserver(ObserverId).
    ObserverId addObserver(const QString &name, DNNotificationHandler handler,
                           const QVariant &object = QVariant());
    // The same, owned by receiver: removeObserver(receiver) drops it, and it goes away by
    // itself when the receiver is destroyed.
    ObserverId addObserver(QObject *receiver, const QString &name, DNNotificationHandler handler,
                           const QVariant &object = QVariant());

    void removeObserver(ObserverId id);
    // Every registration of receiver, or only those for name.
    void removeObserver(const QObject *receiver);
    void removeObserver(const QObject *receiver, const QString &name);

    void postNotification(const DNNotification &notification);
    void postNotification(const QString &name, const QVariant &object = QVariant(),
                          const QVariantMap &userInfo = QVariantMap());

    // Posts on the main thread. waitUntilDone blocks the calling thread until the observers
    // have run (directly when already on the main thread). Without an application object the
    // post happens at once on the calling thread.
    void postNotificationOnMainThread(const QString &name, const QVariant &object = QVariant(),
                                      const QVariantMap &userInfo = QVariantMap(),
                                      bool waitUntilDone = false);
    // Queues a post on the main thread's event loop: after delayMs, or as soon as possible
    // when 0. Never posts before the caller returns to the event loop.
    void enqueueNotification(const QString &name, const QVariant &object = QVariant(),
                             const QVariantMap &userInfo = QVariantMap(), int delayMs = 0);

    DNNotificationCenter();
    ~DNNotificationCenter();
    DNNotificationCenter(const DNNotificationCenter &) = delete;
    DNNotificationCenter &operator=(const DNNotificationCenter &) = delete;

private:
    struct Observer;
    ObserverId add(QObject *receiver, const QString &name, DNNotificationHandler handler,
                   const QVariant &object);
    void removeIf(const std::function<bool(const Observer &)> &match);

    std::mutex m_mutex;
    std::vector<std::shared_ptr<Observer>> m_observers;
    ObserverId m_nextId = 1;
};
