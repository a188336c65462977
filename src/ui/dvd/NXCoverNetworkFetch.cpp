#include "ui/dvd/NXCoverNetworkFetch.h"

#include "dvd/cover/NXDVDInfoCapture.h"

#include "ui/net/NXHttpGet.h"

namespace {

// A stalled service must not hold the lookup queue (and every later DVD's cover) for ever.
constexpr int kTransferTimeoutMs = 30000;
constexpr qint64 kMaximumBody = 32 * 1024 * 1024;

std::optional<QByteArray> download(const QUrl &url)
{
    NXHttpGetResult result = NXHttpGet(url, kTransferTimeoutMs, kMaximumBody);
    if (result.outcome != NXHttpGetResult::Outcome::Ok)
        return std::nullopt;
    return std::move(result.body);
}

} // namespace

void NXInstallCoverNetworkFetcher()
{
    NXDVDInfoCapture::setURLFetcher(&download);
}
