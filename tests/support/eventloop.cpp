#include "support/eventloop.h"

#include <QEventLoop>
#include <QTimer>

namespace testsupport {

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = QCoreApplication::instance()
                                       ? QCoreApplication::instance()
                                       : new QCoreApplication(argc, argv);
    return *app;
}

void spinUntil(const std::function<bool()> &done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
}

} // namespace testsupport
