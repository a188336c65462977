#include "core/action/NXAction.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include <cmath>

std::shared_ptr<NXAction> NXAction::action()
{
    return std::shared_ptr<NXAction>(new NXAction());
}

std::shared_ptr<NXAction> NXAction::actionWithTarget(QObject *target, Call call)
{
    auto a = action();
    a->m_hasTarget = target != nullptr;
    a->m_target = target;
    a->m_call = std::move(call);
    return a;
}

std::shared_ptr<NXAction> NXAction::actionWithTarget(QObject *target, Call call,
                                                     const QVariant &object)
{
    auto a = actionWithTarget(target, std::move(call));
    a->setArguments(object, QVariant());
    return a;
}

std::shared_ptr<NXAction> NXAction::actionWithTarget(QObject *target, Call call,
                                                     const QVariant &first,
                                                     const QVariant &second)
{
    auto a = actionWithTarget(target, std::move(call));
    a->setArguments(first, second);
    return a;
}

void NXAction::setArguments(const QVariant &first, const QVariant &second)
{
    std::lock_guard lock(m_mutex);
    if (first.isValid()) {
        m_first = first;
        if (second.isValid())
            m_second = second;
    } else if (second.isValid()) {
        m_first = second;
    }
}

void NXAction::run()
{
    Call call;
    QVariant first, second;
    {
        std::lock_guard lock(m_mutex);
        if (!m_call || (m_hasTarget && !m_target))
            return;
        call = m_call;
        first = m_first;
        second = m_second;
    }
    call(first, second);
}

void NXAction::exe()
{
    run();
}

void NXAction::runOn(QObject *context, int delayMs)
{
    auto self = shared_from_this(); // the pending run keeps the action alive
    QTimer::singleShot(delayMs, context, [self] { self->run(); });
}

void NXAction::exeDelay(double seconds)
{
    const int ms = seconds > 0 ? static_cast<int>(std::lround(seconds * 1000.0)) : 0;
    QCoreApplication *app = QCoreApplication::instance();
    QThread *here = QThread::currentThread();
    const bool mainThread = app && here == app->thread();
    const bool hereHasLoop = mainThread || (here->eventDispatcher() && here->loopLevel() > 0);
    if (hereHasLoop) {
        auto self = shared_from_this();
        QTimer::singleShot(ms, [self] { self->run(); });
        return;
    }
    if (!app) {
        // No event loop anywhere: waiting would mean never running.
        run();
        return;
    }
    auto self = shared_from_this();
    QMetaObject::invokeMethod(
        app, [self, app, ms] { self->runOn(app, ms); }, Qt::QueuedConnection);
}

void NXAction::exeWithObject(const QVariant &object)
{
    setArguments(object, QVariant());
    run();
}

void NXAction::exeWithObject(const QVariant &object, double delaySeconds)
{
    setArguments(object, QVariant());
    exeDelay(delaySeconds);
}

void NXAction::exeWithObject(const QVariant &first, const QVariant &second)
{
    setArguments(first, second);
    run();
}

void NXAction::exeWithObject(const QVariant &first, const QVariant &second, double delaySeconds)
{
    setArguments(first, second);
    exeDelay(delaySeconds);
}

void NXAction::exeOnMainThread(bool waitUntilDone)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || (waitUntilDone && QThread::currentThread() == app->thread())) {
        run();
        return;
    }
    auto self = shared_from_this();
    QMetaObject::invokeMethod(
        app, [self] { self->run(); },
        waitUntilDone ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void NXAction::exeWithObjectOnMainThread(const QVariant &object, bool waitUntilDone)
{
    setArguments(object, QVariant());
    exeOnMainThread(waitUntilDone);
}

std::shared_ptr<NXAction> NXAction::copy()
{
    return shared_from_this();
}

QVariant NXAction::firstArgument() const
{
    std::lock_guard lock(m_mutex);
    return m_first;
}

QVariant NXAction::secondArgument() const
{
    std::lock_guard lock(m_mutex);
    return m_second;
}

bool NXAction::hasCall() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<bool>(m_call);
}
