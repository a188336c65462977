#include "ui/dvd/NXCoverNetworkFetch.h"

#include "dvd/cover/NXDVDInfoCapture.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace {

// A stalled service must not hold the lookup queue (and every later DVD's cover) for ever.
constexpr int kTransferTimeoutMs = 30000;
constexpr qint64 kMaximumBody = 32 * 1024 * 1024;

std::optional<QByteArray> download(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return std::nullopt;
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(kTransferTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(), [&](qint64 received, qint64) {
        if (received > kMaximumBody)
            reply->abort();
    });
    if (!reply->isFinished())
        loop.exec();
    if (reply->error() != QNetworkReply::NoError)
        return std::nullopt;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && (status < 200 || status >= 300))
        return std::nullopt;
    return reply->readAll();
}

} // namespace

void NXInstallCoverNetworkFetcher()
{
    NXDVDInfoCapture::setURLFetcher(&download);
}
