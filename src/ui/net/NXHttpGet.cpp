#include "NXHttpGet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

NXHttpGetResult NXHttpGet(const QUrl &url, int timeoutMs, qint64 maximumBody, const std::function<bool()> &cancelled)
{
    NXHttpGetResult result;
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return result;
    // Cancelled before it starts: nothing is asked.
    if (cancelled && cancelled())
        return result;
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(), [&](qint64 received, qint64) {
        if (received > maximumBody)
            reply->abort();
    });
    QTimer poll;
    if (cancelled) {
        QObject::connect(&poll, &QTimer::timeout, reply.get(), [&] {
            if (cancelled())
                reply->abort();
        });
        poll.start(100);
    }
    if (!reply->isFinished())
        loop.exec();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 404 || status == 410) {
        result.outcome = NXHttpGetResult::Outcome::NotFound;
        return result;
    }
    if (reply->error() != QNetworkReply::NoError || (status != 0 && (status < 200 || status >= 300)))
        return result;
    result.outcome = NXHttpGetResult::Outcome::Ok;
    result.body = reply->readAll();
    return result;
}
