#pragma once

#include <QByteArray>
#include <QUrl>

#include <functional>

// One blocking HTTP(S) GET on the calling thread (which need not be the main thread): a
// transfer timeout, redirects only where they keep the security, a body cap, and a cancel
// question asked now and then. For the small answers of web services (covers, updates).
struct NXHttpGetResult
{
    enum class Outcome { Ok, NotFound, Failed };
    Outcome outcome = Outcome::Failed;
    QByteArray body; // only for Ok
};

NXHttpGetResult NXHttpGet(const QUrl &url, int timeoutMs, qint64 maximumBody,
                          const std::function<bool()> &cancelled = {});
