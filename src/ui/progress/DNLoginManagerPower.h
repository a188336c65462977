#pragma once

#include "core/util/DNSystemActions.h"

#include <QDBusMessage>

// Power requests through systemd-logind on the system bus. The start-up installs
// DNLoginManagerPowerRequest as the handler of DNSetPowerRequestHandler; tests install their
// own, so no test can end a session or power a machine off.

// The call made for a request: Manager.PowerOff / Reboot (interactive) or
// Manager.TerminateSession of this session.
QDBusMessage DNLoginManagerMessageForRequest(DNPowerRequest request);
// Sends it; true when logind accepted the request.
bool DNLoginManagerPowerRequest(DNPowerRequest request);
void DNInstallLoginManagerPowerHandler();
