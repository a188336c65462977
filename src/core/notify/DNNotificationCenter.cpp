#include "core/notify/DNNotificationCenter.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <atomic>

struct DNNotificationCenter::Observer
{
    ObserverId id = 0;
    const QObject *receiver = nullptr;
    QString name;
    QVariant object;
    DNNotificationHandler handler;
    QMetaObject::Connection receiverGone;
    // Cleared on removal, so a post already holding this entry skips it.
    std::atomic<bool> alive{true};

    bool matches(const DNNotification &n) const
    {
        if (!name.isEmpty() && name != n.name)
            return false;
        return !object.isValid() || object == n.object;
    }
};

DNNotificationCenter &DNNotificationCenter::defaultCenter()
{
    static DNNotificationCenter center;
    return center;
}

DNNotificationCenter::DNNotificationCenter() = default;

DNNotificationCenter::~DNNotificationCenter()
{
    std::lock_guard lock(m_mutex);
    for (auto &o : m_observers) {
        o->alive = false;
        QObject::disconnect(o->receiverGone);
    }
    m_observers.clear();
}

DNNotificationCenter::ObserverId DNNotificationCenter::addObserver(const QString &name,
                                                                   DNNotificationHandler handler,
                                                                   const QVariant &object)
{
    return add(nullptr, name, std::move(handler), object);
}

DNNotificationCenter::ObserverId DNNotificationCenter::addObserver(QObject *receiver,
                                                                   const QString &name,
                                                                   DNNotificationHandler handler,
                                                                   const QVariant &object)
{
    return add(receiver, name, std::move(handler), object);
}

DNNotificationCenter::ObserverId DNNotificationCenter::add(QObject *receiver, const QString &name,
                                                           DNNotificationHandler handler,
                                                           const QVariant &object)
{
    if (!handler)
        return 0;
    auto observer = std::make_shared<Observer>();
    observer->receiver = receiver;
    observer->name = name;
    observer->object = object;
    observer->handler = std::move(handler);
    ObserverId id;
    {
        std::lock_guard lock(m_mutex);
        id = m_nextId++;
        observer->id = id;
        m_observers.push_back(observer);
    }
    if (receiver) {
        // A destroyed receiver can no longer be told anything; drop what it registered.
        observer->receiverGone = QObject::connect(receiver, &QObject::destroyed, [this, id] {
            removeObserver(id);
        });
    }
    return id;
}

void DNNotificationCenter::removeIf(const std::function<bool(const Observer &)> &match)
{
    std::vector<std::shared_ptr<Observer>> removed;
    {
        std::lock_guard lock(m_mutex);
        auto keep = m_observers.begin();
        for (auto it = m_observers.begin(); it != m_observers.end(); ++it) {
            if (match(**it)) {
                (*it)->alive = false;
                removed.push_back(std::move(*it));
            } else {
                if (keep != it)
                    *keep = std::move(*it);
                ++keep;
            }
        }
        m_observers.erase(keep, m_observers.end());
    }
    for (auto &o : removed)
        QObject::disconnect(o->receiverGone);
}

void DNNotificationCenter::removeObserver(ObserverId id)
{
    if (id == 0)
        return;
    removeIf([id](const Observer &o) { return o.id == id; });
}

void DNNotificationCenter::removeObserver(const QObject *receiver)
{
    if (!receiver)
        return;
    removeIf([receiver](const Observer &o) { return o.receiver == receiver; });
}

void DNNotificationCenter::removeObserver(const QObject *receiver, const QString &name)
{
    if (!receiver)
        return;
    removeIf([receiver, &name](const Observer &o) {
        return o.receiver == receiver && o.name == name;
    });
}

void DNNotificationCenter::postNotification(const DNNotification &notification)
{
    std::vector<std::shared_ptr<Observer>> targets;
    {
        std::lock_guard lock(m_mutex);
        for (const auto &o : m_observers) {
            if (o->matches(notification))
                targets.push_back(o);
        }
    }
    // Called outside the lock: handlers add, remove and post freely.
    for (const auto &o : targets) {
        if (o->alive)
            o->handler(notification);
    }
}

void DNNotificationCenter::postNotification(const QString &name, const QVariant &object,
                                            const QVariantMap &userInfo)
{
    postNotification(DNNotification{name, object, userInfo});
}

void DNNotificationCenter::postNotificationOnMainThread(const QString &name,
                                                        const QVariant &object,
                                                        const QVariantMap &userInfo,
                                                        bool waitUntilDone)
{
    QCoreApplication *app = QCoreApplication::instance();
    DNNotification n{name, object, userInfo};
    if (!app || (waitUntilDone && QThread::currentThread() == app->thread())) {
        postNotification(n);
        return;
    }
    QMetaObject::invokeMethod(
        app, [this, n] { postNotification(n); },
        waitUntilDone ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void DNNotificationCenter::enqueueNotification(const QString &name, const QVariant &object,
                                               const QVariantMap &userInfo, int delayMs)
{
    QCoreApplication *app = QCoreApplication::instance();
    DNNotification n{name, object, userInfo};
    if (!app) {
        postNotification(n);
        return;
    }
    auto post = [this, n] { postNotification(n); };
    if (delayMs <= 0) {
        QMetaObject::invokeMethod(app, post, Qt::QueuedConnection);
        return;
    }
    // The timer must be started by the main thread, whichever thread queues the post.
    QMetaObject::invokeMethod(
        app, [app, post, delayMs] { QTimer::singleShot(delayMs, app, post); },
        Qt::QueuedConnection);
}
