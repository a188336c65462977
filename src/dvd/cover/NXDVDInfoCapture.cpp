#include "dvd/cover/NXDVDInfoCapture.h"

#include "discrecords/MovieInfoLibrary.h"

#include "core/image/DNImageFunctions.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBackgroundWork.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNChildProcess.h"
#include "core/platform/DNTemporaryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStringDecoder>
#include <QThread>

#include <dlfcn.h>

#include <cstring>
#include <vector>

namespace {

// The tool reads a few IFO files; a drive that has not answered in this long is not going to.
constexpr int kToolTimeoutMs = 120000;

std::mutex &fetcherMutex()
{
    static std::mutex m;
    return m;
}

NXDVDInfoCapture::Fetcher &fetcherSlot()
{
    static NXDVDInfoCapture::Fetcher f;
    return f;
}

std::optional<QByteArray> fetch(const QUrl &url)
{
    NXDVDInfoCapture::Fetcher f;
    {
        std::lock_guard lock(fetcherMutex());
        f = fetcherSlot();
    }
    if (!f || !url.isValid())
        return std::nullopt;
    std::optional<QByteArray> data = f(url);
    if (data && data->isEmpty())
        return std::nullopt;
    return data;
}

// The media list reads the picture on the main thread, so it is set there.
void handOver(const DNDVDNodePtr &node, const NXDVDInfoCapture::Cover &cover)
{
    auto apply = [node, cover] {
        node->setThumbnail(cover.image);
        node->setDvdCover(cover.isCover);
    };
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread())
        QMetaObject::invokeMethod(app, apply, Qt::QueuedConnection);
    else
        apply();
}

} // namespace

NXDVDInfoCapture::NXDVDInfoCapture()
{
    taskQueue_.setMaxThreadCount(1);
}

NXDVDInfoCapture &NXDVDInfoCapture::DVDInfoCapture()
{
    // A function-local static is made exactly once even when two loading threads race here.
    static NXDVDInfoCapture shared;
    static const bool registered = (DNRegisterBackgroundPool(&shared.taskQueue_), true);
    (void)registered;
    return shared;
}

void NXDVDInfoCapture::setURLFetcher(Fetcher fetcher)
{
    std::lock_guard lock(fetcherMutex());
    fetcherSlot() = std::move(fetcher);
}

void NXDVDInfoCapture::setCompanionPaths(const QString &libraryPath, const QString &toolPath)
{
    std::lock_guard lock(pathsMutex_);
    libraryPath_ = libraryPath;
    toolPath_ = toolPath;
}

QString NXDVDInfoCapture::libraryPath() const
{
    std::lock_guard lock(pathsMutex_);
    return libraryPath_.isEmpty() ? DNBundle::pathForCompanion(QStringLiteral("libMovieInfo.so")) : libraryPath_;
}

QString NXDVDInfoCapture::toolPath() const
{
    std::lock_guard lock(pathsMutex_);
    return toolPath_.isEmpty() ? DNBundle::pathForCompanion(QStringLiteral("HVDVDID")) : toolPath_;
}

bool NXDVDInfoCapture::waitForDone(int msecs)
{
    return taskQueue_.waitForDone(msecs);
}

void NXDVDInfoCapture::captureDVDCoverForNode(const DNDVDNodePtr &node)
{
    if (!node)
        return;
    taskQueue_.start([this, node] { doCaptureDVDCoverForNode(node); });
}

void NXDVDInfoCapture::doCaptureDVDCoverForNode(const DNDVDNodePtr &node)
{
    if (!node)
        return;
    handOver(node, lookUpCover(node->sourceInfo()));
}

std::optional<QString> NXDVDInfoCapture::runDiscIdentifierTool(const QString &mountPoint) const
{
    QProcess tool;
    tool.setProgram(toolPath());
    tool.setArguments({mountPoint});
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    DNKeepOnlyStandardDescriptors(tool);
    // What a tool that did not end well printed is no disc identifier: its end says why.
    const auto failed = [&tool](const QString &why) -> std::optional<QString> {
        const QString said = QString::fromUtf8(tool.readAllStandardError()).trimmed();
        DNRoughLog(QStringLiteral("The disc identifier tool %@ %@%@"), tool.program(), why,
                   said.isEmpty() ? QString() : QStringLiteral(": ") + said);
        return std::nullopt;
    };
    tool.start();
    if (!tool.waitForStarted())
        return failed(QStringLiteral("cannot be started: ") + tool.errorString());
    if (!tool.waitForFinished(kToolTimeoutMs)) {
        tool.kill();
        tool.waitForFinished();
        return failed(QStringLiteral("did not end within %1 s").arg(kToolTimeoutMs / 1000));
    }
    if (tool.exitStatus() != QProcess::NormalExit)
        return failed(QStringLiteral("was ended by signal %1").arg(tool.exitCode()));
    if (tool.exitCode() != 0)
        return failed(QStringLiteral("ended with status %1").arg(tool.exitCode()));
    const QByteArray out = tool.readAllStandardOutput();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(out);
    if (utf8.hasError())
        return std::nullopt;
    // The identifier buffer holds 31 bytes; cut on a character boundary so the text stays text.
    QString cut = text;
    while (cut.toUtf8().size() > kMovieInfoDiscIDSize - 1)
        cut.chop(1);
    return cut;
}

std::optional<QImage> NXDVDInfoCapture::coverFromLibrary(void *library, const QString &discID) const
{
    auto getUrl = reinterpret_cast<GetAMGUrlFunction>(dlsym(library, "GetAMGUrl"));
    if (!getUrl)
        return std::nullopt;
    std::vector<char> url(kMovieInfoUrlSize, '\0');
    if (!getUrl(discID.toUtf8().constData(), "", url.data()))
        return std::nullopt;
    url.back() = '\0';
    const QString pageAddress = QString::fromUtf8(url.data());
    if (pageAddress.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> page = fetch(QUrl(pageAddress, QUrl::TolerantMode));
    if (!page)
        return std::nullopt;

    const QString tempFolder = DNTemporaryFolder::path();
    if (tempFolder.isEmpty())
        return std::nullopt;
    const QString pagePath = tempFolder + QLatin1Char('/') + savedPageFileName();
    QSaveFile saved(pagePath);
    if (!saved.open(QIODevice::WriteOnly) || saved.write(*page) != page->size() || !saved.commit())
        return std::nullopt;

    auto getInfo = reinterpret_cast<GetAMGMovieInfoFunction>(dlsym(library, "GetAMGMovieInfo"));
    if (!getInfo)
        return std::nullopt;
    std::vector<char> record(kMovieInfoRecordSize, '\0');
    if (!getInfo(QFile::encodeName(pagePath).constData(), QFile::encodeName(tempFolder).constData(),
                 record.data()))
        return std::nullopt;
    record.back() = '\0';
    const QString coverAddress = QString::fromUtf8(record.data() + kMovieInfoCoverUrlOffset);
    DNRoughLog(QStringLiteral("Movie Cover Image URL: %@"), coverAddress);
    const QUrl coverUrl(coverAddress, QUrl::StrictMode);
    if (coverAddress.isEmpty() || !coverUrl.isValid())
        return std::nullopt;
    const std::optional<QByteArray> picture = fetch(coverUrl);
    if (!picture)
        return std::nullopt;
    QImage image = QImage::fromData(*picture);
    if (image.isNull())
        return std::nullopt;
    return image;
}

NXDVDInfoCapture::Cover NXDVDInfoCapture::lookUpCover(const NXDVDSourceInfoPtr &source)
{
    DNRoughLog(QStringLiteral("Start to Get DVD Cover Image..."));
    if (source && source->sourceType() == NXDVDSourceInfo::SourceDisc) {
        const QByteArray libraryFile = QFile::encodeName(libraryPath());
        if (void *library = dlopen(libraryFile.constData(), RTLD_LAZY | RTLD_LOCAL)) {
            std::optional<QImage> image;
            if (const std::optional<QString> discID = runDiscIdentifierTool(source->path())) {
                DNRoughLog(QStringLiteral("Get DVDID Sucessfully..."));
                image = coverFromLibrary(library, *discID);
            }
            dlclose(library);
            if (image) {
                DNRoughLog(QStringLiteral("Get DVD Cover Image OK ..."));
                return {*image, true};
            }
        }
    }
    Cover placeholder{DNPlaceholderImage(300, 200), false};
    DNRoughLog(QStringLiteral("Get DVD Cover Image Failed ..."));
    return placeholder;
}
