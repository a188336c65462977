#pragma once

// What the media list tests share: small DVD and file entries made in memory, a delegate that
// makes the real row classes and records the requests it gets, and a recorder of notifications.
#include "../ui_test_support.h"

#include "core/notify/DNNotificationCenter.h"
#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTExtSubtitle.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/file/DNFileNode.h"
#include "ui/medialist/DNDVDRootCell.h"
#include "ui/medialist/DNDVDTitleCell.h"
#include "ui/medialist/DNRootCell.h"
#include "ui/medialist/NXMediaRowFactory.h"
#include "ui/medialist/NXMediaTableView.h"

#include <QVariant>

#include <gtest/gtest.h>

namespace medialisttest {

struct AudioTrackRow
{
    const char *codec;
    const char *lang;
    int channels;
};

// A title of length seconds with the given audio tracks and disc subtitles (names).
inline DNDVDTitlePtr makeTitle(int index, int length, const QList<AudioTrackRow> &audio = {{"ac3", "English", 2}},
                               const QStringList &subtitles = {QStringLiteral("English")})
{
    auto title = std::make_shared<DNDVDTitle>();
    title->setIndex(index);
    title->setLength(length);
    auto video = std::make_shared<DNDVDTVideo>();
    video->setVideoResolution(QSizeF(720, 480));
    video->setVideoAspect(QSizeF(4, 3));
    title->videoTracks() << video;
    for (int i = 0; i < audio.size(); ++i) {
        auto track = std::make_shared<DNDVDTAudio>();
        track->setAudioCodec(QString::fromLatin1(audio[i].codec));
        track->setAudioLang(QString::fromLatin1(audio[i].lang));
        track->setChannel(audio[i].channels);
        track->setIndex(i);
        title->audioTracks() << track;
    }
    for (int i = 0; i < subtitles.size(); ++i) {
        auto track = std::make_shared<DNDVDTSubtitle>();
        track->setSubtitleName(subtitles[i]);
        track->setIndex(i);
        title->subtitleTracks() << track;
    }
    title->setting()->setVolume(100);
    return title;
}

inline DNDVDNodePtr makeDVD(const QList<int> &lengths, const QString &name = QStringLiteral("MOVIE"))
{
    QList<DNDVDTitlePtr> titles;
    for (int i = 0; i < lengths.size(); ++i)
        titles << makeTitle(i, lengths[i]);
    auto dvd = DNDVDNode::dvdNodeWithData(titles, NXDVDSourceInfo::sourceInfoWithPath(QStringLiteral("/discs/") + name));
    dvd->setMediaType(NXMediaTypeDVD);
    return dvd;
}

inline std::shared_ptr<DNFileNode> makeFile(const QString &path)
{
    auto file = std::make_shared<DNFileNode>();
    file->setPath(path);
    auto video = std::make_shared<DNTVideo>();
    video->width = 320;
    video->height = 240;
    video->duration = 120.0f;
    video->codec = QStringLiteral("AVC");
    file->videoTracks() << video;
    file->setting()->setVolume(100);
    return file;
}

// Makes the rows the main window makes and records what rows ask of it.
class RowDelegate : public NXMediaTableViewDelegate
{
public:
    NXMediaTableView *table = nullptr;
    QStringList requests;

    float cellHeightForNodePath(const NXMediaNodePtr &node) override
    {
        return node->mediaType() == NXMediaTypeDVDTitle ? 30.0f : 85.0f;
    }
    DNCell *needNodeCellForNode(const NXMediaNodePtr &node) override
    {
        return NXMediaRowForNode(node, table);
    }
    void movieViewCellRequestPlay() override { requests << QStringLiteral("play"); }
    void movieViewCellRequestEdit(const NXMediaPath &path, int tab) override
    {
        requests << QStringLiteral("edit %1,%2 tab %3").arg(path.mainIndex()).arg(path.childIndex()).arg(tab);
    }
    void movieViewCellRequestLoadSubtitle(const NXMediaPath &path) override
    {
        requests << QStringLiteral("subtitle %1,%2").arg(path.mainIndex()).arg(path.childIndex());
    }
    void movieViewWantAddDVDTypeMedia(int kind) override { requests << QStringLiteral("add dvd %1").arg(kind); }
    void movieViewDragedFilesEntered(const QStringList &paths, int kind) override
    {
        requests << QStringLiteral("drop %1: %2").arg(kind).arg(paths.join(QLatin1Char('|')));
    }
};

// Sizes rows as the main window does (a file or group row of its own holds its toolbar) and
// records the group row's requests too.
class FileRowsDelegate : public RowDelegate
{
public:
    float cellHeightForNodePath(const NXMediaNodePtr &node) override
    {
        switch (node->mediaType()) {
        case NXMediaTypeDVDTitle:
            return 30.0f;
        case NXMediaTypeFile:
        case NXMediaTypeFileGroup:
            return 115.0f;
        default:
            return 85.0f;
        }
    }
    void movieViewCellRequestSetTag(const NXMediaPath &path) override
    {
        requests << QStringLiteral("tag %1,%2").arg(path.mainIndex()).arg(path.childIndex());
    }
    void infoOfSelected() override { requests << QStringLiteral("info"); }
    void editSelected() override { requests << QStringLiteral("edit"); }
    void mergerSelected() override { requests << QStringLiteral("merge"); }
};

// Records the objects posted with one notification name while it lives.
class Posts
{
public:
    explicit Posts(const QString &name)
    {
        id_ = DNNotificationCenter::defaultCenter().addObserver(
            name, [this](const DNNotification &n) { objects << n.object; });
    }
    ~Posts() { DNNotificationCenter::defaultCenter().removeObserver(id_); }
    QList<QVariant> objects;
    QList<bool> bools() const
    {
        QList<bool> out;
        for (const QVariant &v : objects)
            out << v.toBool();
        return out;
    }

private:
    DNNotificationCenter::ObserverId id_ = 0;
};

inline const QString kSelection = QStringLiteral("NXMediaTableViewSelectionDidChangedNotification @_@");
inline const QString kAmount = QStringLiteral("NXMediaTableViewAmountDidChangedNotification >_<");
inline const QString kCleared = QStringLiteral("NXMediaTableViewDidClearViewNotification_");

// A list in a window of its own, with a delegate of the kinds above; animations are cut short.
template <class Delegate>
struct BasicListFixture
{
    bool appReady = (uitest::app(), true);
    QWidget window;
    NXMediaTableView *table = nullptr;
    Delegate delegate;

    explicit BasicListFixture(QSize size = QSize(640, 420))
    {
        NXMediaTableView::setAnimationDurationMs(0);
        window.resize(size);
        table = new NXMediaTableView(&window);
        table->setGeometry(QRect(QPoint(0, 0), size));
        delegate.table = table;
        table->setDelegate(&delegate);
        window.show();
    }
    DNCell *row(int main, int child = -1) const { return table->cellAtPath(NXMediaPath(main, child)); }
};
using ListFixture = BasicListFixture<RowDelegate>;

} // namespace medialisttest
