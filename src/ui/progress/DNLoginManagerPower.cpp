#include "ui/progress/DNLoginManagerPower.h"

#include "core/log/DNLogger.h"

#include <QDBusConnection>
#include <QDBusError>

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

} // namespace

QDBusMessage DNLoginManagerMessageForRequest(DNPowerRequest request)
{
    switch (request) {
    case DNPowerRequest::Shutdown: {
        QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("PowerOff"));
        // interactive: logind may ask for authorisation instead of refusing outright.
        m << true;
        return m;
    }
    case DNPowerRequest::Restart: {
        QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Reboot"));
        m << true;
        return m;
    }
    case DNPowerRequest::LogOut: {
        QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("TerminateSession"));
        const QString session = qEnvironmentVariable("XDG_SESSION_ID");
        // "auto" is logind's name for the caller's own session.
        m << (session.isEmpty() ? QStringLiteral("auto") : session);
        return m;
    }
    }
    return QDBusMessage();
}

bool DNLoginManagerPowerRequest(DNPowerRequest request)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        DNRoughLog(QStringLiteral("power request failed: no system bus"));
        return false;
    }
    const QDBusMessage reply = bus.call(DNLoginManagerMessageForRequest(request));
    if (reply.type() == QDBusMessage::ErrorMessage) {
        DNRoughLog(QStringLiteral("power request failed: %@"), reply.errorMessage());
        return false;
    }
    return true;
}

void DNInstallLoginManagerPowerHandler()
{
    DNSetPowerRequestHandler(&DNLoginManagerPowerRequest);
}
