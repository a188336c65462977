#include "dvd/slideshow/DNGraphicsNode.h"

#include "core/model/NXMediaType.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKind.h"
#include "profiles/DNProfileManager.h"
#include "slideshow/transitions/NXTransitionTypes.h"

#include <QFileInfo>

#include <cmath>
#include <numeric>

DNNoPhotoFoundError::DNNoPhotoFoundError(const QString &where)
    : std::runtime_error(QStringLiteral("There is no photo found at %1.").arg(where).toStdString())
{
}

DNGraphicsNode::DNGraphicsNode()
    : setting_(std::make_shared<DNGraphicsSetting>()), nodeInfo_(std::make_shared<DNNodeInfo>())
{
    setMediaType(NXMediaTypeGraphics);
    setProfile(DNProfileManager::profileManager().lastProfileOfType(DNProfileKindVideo));
    QList<qint32> all;
    for (int type = 0; type < NXTransitionChoiceCount; ++type)
        all << type;
    setting_->setTransitions(all);
}

DNGraphicsNode::~DNGraphicsNode() = default;

void DNGraphicsNode::initializeConfigOnDidLoadDVDInfo(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName();
    nodeInfo_->setDisplayName(name);
    nodeInfo_->setOutputName(name);
    nodeInfo_->setGenre(QStringLiteral("Video"));
    nodeInfo_->setArtist(QStringLiteral("Talvane"));
}

QImage DNGraphicsNode::thumbnail() const
{
    std::lock_guard<std::mutex> lock(thumbnailMutex_);
    return thumbnail_;
}

void DNGraphicsNode::setThumbnail(const QImage &image)
{
    {
        std::lock_guard<std::mutex> lock(thumbnailMutex_);
        thumbnail_ = image;
    }
    if (dataView())
        dataView()->nodeThumbnailChanged();
}

void DNGraphicsNode::setProfile(const std::shared_ptr<DNProfile> &profile)
{
    profile_ = profile ? profile->copy() : nullptr;
}

void DNGraphicsNode::setNodeInfo(const DNNodeInfoPtr &info)
{
    nodeInfo_ = info ? std::make_shared<DNNodeInfo>(*info) : nullptr;
}

void DNGraphicsNode::setNodeInfoOfSelectTrack(const DNNodeInfo &info)
{
    if (nodeInfo_)
        nodeInfo_->applyTagsFrom(info);
}

QList<DNImageNodePtr> DNGraphicsNode::allImagesNodesWithoutFolderNode() const
{
    QList<DNImageNodePtr> photos;
    for (const DNImageNodePtr &folder : imageNodes_)
        if (folder && folder->type() == DNImageNode::Folder)
            photos += folder->imageNodes();
    return photos;
}

int DNGraphicsNode::countOfPhotos() const
{
    return std::accumulate(imageNodes_.cbegin(), imageNodes_.cend(), 0,
                           [](int n, const DNImageNodePtr &folder) { return n + int(folder->imageNodes().size()); });
}

qint32 DNGraphicsNode::sizeOfPhotos() const
{
    quint32 total = 0; // wraps like the 32-bit figure it is
    for (const DNImageNodePtr &folder : imageNodes_)
        for (const DNImageNodePtr &photo : folder->imageNodes())
            total += quint32(photo->size());
    return qint32(total);
}

float DNGraphicsNode::videoDuration() const
{
    return float(double(countOfPhotos()) * (double(setting_->interval()) + 1.0));
}

qint32 DNGraphicsNode::audioDuration() const
{
    qint32 total = 0;
    for (const DNGraphicsAudioPtr &audio : audioTracks_)
        total += audio->audioDuration();
    return total;
}

float DNGraphicsNode::bestDisplayDuration() const
{
    const int n = countOfPhotos();
    const qint32 a = audioDuration();
    if (n <= 0)
        return float(a);
    const int d = int(std::ceil(double(a) / double(n)));
    return d < 1 ? 1.0f : float(d);
}

QStringList DNGraphicsNode::audioTracksPath() const
{
    QStringList paths;
    for (const DNGraphicsAudioPtr &audio : audioTracks_)
        paths << audio->audioPath();
    return paths;
}
