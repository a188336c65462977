#pragma once

#include "core/model/DNNodeInfoProtocol.h"
#include "core/model/NXBasicMediaNode.h"
#include "core/util/DNGuardedValue.h"
#include "core/model/file/DNTSubtitle.h"
#include "slideshow/records/DNGraphicsAudio.h"
#include "slideshow/records/DNGraphicsSetting.h"
#include "slideshow/records/DNImageNode.h"

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QStringList>

#include <atomic>
#include <memory>
#include <mutex>
#include <stdexcept>

class DNFileNode;
class DNGraphicsNode;
class DNProfile;
using DNGraphicsNodePtr = std::shared_ptr<DNGraphicsNode>;

// What the factories throw when the folders hold no photo; what() is the message the user sees.
class DNNoPhotoFoundError : public std::runtime_error
{
public:
    explicit DNNoPhotoFoundError(const QString &where);
};

// A photo slideshow in the media list (media type 1): the photos of one or more folders, its
// music, display settings, output profile and output tags; a video to be made from them. Made
// on the photo loader's thread; every other use is on the main thread, except the thumbnail,
// which arrives from a thread of its own.
class DNGraphicsNode : public NXBasicMediaNode, public DNNodeInfoProtocol
{
public:
    // A new empty slideshow: the last used video profile, all 18 choosable transitions.
    DNGraphicsNode();
    ~DNGraphicsNode() override;

    // A slideshow of the photos below folder(s), sorted by date and then by position, its
    // thumbnail on its way. Throws DNNoPhotoFoundError when no photo was found (also when *stop
    // ended the scan before one was).
    static DNGraphicsNodePtr graphicsNodeWithDir(const QString &folder);
    static DNGraphicsNodePtr graphicsNodeWithDir(const QString &folder, const std::atomic_bool *stop);
    static DNGraphicsNodePtr graphicsNodeWithDirs(const QStringList &folders, const std::atomic_bool *stop);

    QString className() const { return QStringLiteral("DNGraphicsNode"); }

    // Tags from the folder: display and output name = its name without extension, genre
    // "Video", artist "Talvane".
    void initializeConfigOnDidLoadDVDInfo(const QString &path);
    // Scans: a folder node per folder that holds photos, appended to imageNodes.
    void loadPhotoAtPath(const QString &folder, const std::atomic_bool *stop);
    void loadPhotoAtPaths(const QStringList &folders, const std::atomic_bool *stop);
    // The photos below folder, flat; empty when it is no folder.
    static QList<DNImageNodePtr> loadPhotoInfo(const QString &folder, const std::atomic_bool *stop);
    // The editor's add-folder command: scanned in, not sorted, no new thumbnail.
    void appendingPhotosWithDir(const QStringList &folders);
    // Sorts by a key code (100 to 103) and direction (-1 ascending, 1 descending).
    void sortPhotoNode(int key, int direction);
    // Makes the thumbnail from the first photo on a worker thread; it arrives on the main thread.
    static void fetchThumbnail(const DNGraphicsNodePtr &node);
    // The first photo's path, looking into folders; empty when there is none.
    QString firstPhotoPathInNodes() const;
    // Every photo of every top-level folder, in showing order.
    QList<DNImageNodePtr> allImagesNodesWithoutFolderNode() const;

    int countOfPhotos() const;
    qint32 sizeOfPhotos() const;
    // count x (interval + 1) seconds.
    float videoDuration() const;
    qint32 audioDuration() const;
    // Seconds per photo that make the photos last as long as the music (at least 1).
    float bestDisplayDuration() const;
    QStringList audioTracksPath() const;

    // --- fields
    QImage thumbnail() const;
    // Tells the row that shows the slideshow.
    void setThumbnail(const QImage &image);
    QList<DNImageNodePtr> &imageNodes() { return imageNodes_; }
    const QList<DNImageNodePtr> &imageNodes() const { return imageNodes_; }
    QList<DNGraphicsAudioPtr> &audioTracks() { return audioTracks_; }
    const QList<DNGraphicsAudioPtr> &audioTracks() const { return audioTracks_; }
    // Never filled: a slideshow has no subtitles.
    const QList<DNTSubtitlePtr> &subtitleTracks() const { return subtitleTracks_; }
    const std::shared_ptr<DNGraphicsSetting> &setting() const { return setting_; }
    void setSetting(std::shared_ptr<DNGraphicsSetting> v) { setting_ = std::move(v); }
    const std::shared_ptr<DNProfile> &profile() const { return profile_; }
    // Keeps a copy.
    void setProfile(const std::shared_ptr<DNProfile> &profile);
    const DNNodeInfoPtr &nodeInfo() const { return nodeInfo_; }
    // Keeps a copy.
    void setNodeInfo(const DNNodeInfoPtr &info);
    QString path() const { return path_; }
    void setPath(const QString &v) { path_ = v; }
    // The file item of the rendered video; null until one is made.
    // Set by the conversion on its worker thread while the progress sheet reads it.
    std::shared_ptr<DNFileNode> fileNode() const { return fileNode_.get(); }
    void setFileNode(std::shared_ptr<DNFileNode> v) { fileNode_.set(std::move(v)); }

    // --- profile facade
    std::shared_ptr<DNProfile> curProfileOfSelectTrack() const { return profile_; }
    void setCurProfileOfSelectTrack(const std::shared_ptr<DNProfile> &profile) { setProfile(profile); }
    int audioChannelOfSelectTrack() const { return 2; }
    QSizeF resolutionOfSelectedVideoTrack() const { return QSizeF(0, 0); }

    // --- tag facade
    DNNodeInfoPtr nodeInfoOfSelectTrack() const override { return nodeInfo_; }
    // Takes title, artist, genre and comments; the output name stays.
    void setNodeInfoOfSelectTrack(const DNNodeInfo &info) override;

private:
    static DNGraphicsNodePtr make(const QString &path, const QStringList &folders, const QString &where,
                                  const std::atomic_bool *stop);

    mutable std::mutex thumbnailMutex_;
    QImage thumbnail_;
    QList<DNImageNodePtr> imageNodes_;
    QList<DNGraphicsAudioPtr> audioTracks_;
    QList<DNTSubtitlePtr> subtitleTracks_;
    std::shared_ptr<DNGraphicsSetting> setting_;
    std::shared_ptr<DNProfile> profile_;
    DNNodeInfoPtr nodeInfo_;
    QString path_;
    DNGuardedValue<std::shared_ptr<DNFileNode>> fileNode_;
};
