#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>

#include <functional>
#include <type_traits>
#include <memory>
#include <mutex>

// A completion callback handed to loaders and sheets: a target and the call to make on it,
// with up to two arguments, run now, after a delay, or on the main thread, with an argument
// supplied at run time (the chosen profile, the loaded item).
//
// Actions are shared, not copied: they are held by std::shared_ptr, and copy() returns the
// same action. Arguments are held by value (a QVariant keeps a shared_ptr it carries alive),
// so an argument given to a delayed run stays valid until the run. A target that is destroyed
// before a run is not called.
class NXAction : public std::enable_shared_from_this<NXAction>
{
public:
    // The call: receives the first and second arguments (invalid when unset).
    using Call = std::function<void(const QVariant &first, const QVariant &second)>;

    static std::shared_ptr<NXAction> action();
    // target may be null (then only the call matters); when given, its destruction disarms
    // the action.
    static std::shared_ptr<NXAction> actionWithTarget(QObject *target, Call call);
    static std::shared_ptr<NXAction> actionWithTarget(QObject *target, Call call,
                                                      const QVariant &object);
    // A lone second object (first invalid) becomes the first argument.
    static std::shared_ptr<NXAction> actionWithTarget(QObject *target, Call call,
                                                      const QVariant &first,
                                                      const QVariant &second);

    // A member function of the target taking no argument, or one or two QVariant arguments,
    // with the creation arguments as above.
    template <typename T, typename Method>
        requires std::is_member_function_pointer_v<Method>
    static std::shared_ptr<NXAction> actionWithTarget(T *target, Method method,
                                                      const QVariant &first = QVariant(),
                                                      const QVariant &second = QVariant())
    {
        Call call = [target, method](const QVariant &a, const QVariant &b) {
            if constexpr (std::is_invocable_v<Method, T *, const QVariant &, const QVariant &>)
                (target->*method)(a, b);
            else if constexpr (std::is_invocable_v<Method, T *, const QVariant &>)
                (target->*method)(a);
            else
                (target->*method)();
        };
        return actionWithTarget(static_cast<QObject *>(target), std::move(call), first, second);
    }

    // Runs now, on the calling thread.
    void exe();
    // Runs after seconds on the calling thread's event loop. A thread that runs no event loop
    // could never deliver it, so there the run goes to the main thread instead.
    void exeDelay(double seconds);
    // A valid object replaces the first argument (an invalid one keeps the earlier argument);
    // the replacement stays for later runs.
    void exeWithObject(const QVariant &object);
    void exeWithObject(const QVariant &object, double delaySeconds);
    // Objects placed as at creation: a lone second object becomes the first argument.
    void exeWithObject(const QVariant &first, const QVariant &second);
    void exeWithObject(const QVariant &first, const QVariant &second, double delaySeconds);
    // Runs on the main thread; waitUntilDone blocks the caller until it has run. From the
    // main thread with waitUntilDone it runs at once.
    void exeOnMainThread(bool waitUntilDone = false);
    void exeWithObjectOnMainThread(const QVariant &object, bool waitUntilDone = false);

    std::shared_ptr<NXAction> copy();

    QVariant firstArgument() const;
    QVariant secondArgument() const;
    bool hasCall() const;

private:
    NXAction() = default;
    void setArguments(const QVariant &first, const QVariant &second);
    void run();
    void runOn(QObject *context, int delayMs);

    mutable std::mutex m_mutex;
    bool m_hasTarget = false;
    QPointer<QObject> m_target;
    Call m_call;
    QVariant m_first;
    QVariant m_second;
};
