// The DVD node: what it is made with, its source record, and the editing facade that addresses
// the selected title.
#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTExtSubtitle.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

DNDVDTitlePtr titleWith(int index, int length, QSizeF resolution, int discSubtitles)
{
    auto t = std::make_shared<DNDVDTitle>();
    t->setIndex(index);
    t->setLength(length);
    auto v = std::make_shared<DNDVDTVideo>();
    v->setVideoResolution(resolution);
    v->setVideoAspect(QSizeF(16, 9));
    t->videoTracks().append(v);
    for (int i = 0; i < discSubtitles; ++i) {
        auto s = std::make_shared<DNDVDTSubtitle>();
        s->setIndex(i);
        s->setSubtitleName(i == 0 ? QStringLiteral("English") : QStringLiteral("French"));
        t->subtitleTracks().append(s);
    }
    return t;
}

DNDVDNodePtr nodeOf(QList<DNDVDTitlePtr> titles, const QString &path = QStringLiteral("/discs/My.Film.iso"))
{
    return DNDVDNode::dvdNodeWithData(titles, NXDVDSourceInfo::sourceInfoWithPath(path));
}

} // namespace

TEST(DVDNode, MadeFromTitlesAndSource)
{
    const auto node = nodeOf({titleWith(0, 10, {720, 576}, 0), titleWith(1, 20, {720, 576}, 0)});
    EXPECT_EQ(node->mediaType(), NXMediaTypeDVD);
    EXPECT_EQ(node->titleCount(), 2);
    EXPECT_EQ(node->titleAt(1)->parent(), node.get());
    EXPECT_EQ(node->titleAt(2), nullptr);
    EXPECT_EQ(node->nodeInfo()->outputName(), QStringLiteral("My.Film"));
    EXPECT_EQ(node->nodeInfo()->displayName(), QStringLiteral("My.Film"));
    EXPECT_EQ(node->nodeInfo()->genre(), QStringLiteral("Movie"));
    EXPECT_EQ(node->nodeInfo()->artist(), QStringLiteral("Talvane"));
    EXPECT_EQ(node->audioChannelOfSelectTrack(), 100);

    DNNodeInfo tags;
    tags.setOutputName(QStringLiteral("other"));
    tags.setDisplayName(QStringLiteral("Shown"));
    tags.setComments(QStringLiteral("c"));
    node->setNodeInfoOfSelectTrack(tags);
    EXPECT_EQ(node->nodeInfo()->displayName(), QStringLiteral("Shown"));
    EXPECT_EQ(node->nodeInfo()->comments(), QStringLiteral("c"));
    EXPECT_EQ(node->nodeInfo()->outputName(), QStringLiteral("My.Film")); // kept
}

TEST(DVDNode, SourceInfoKindsAndPlaybackPaths)
{
    const struct { QString path; int type; const char *name; QString playback; } cases[] = {
        {QStringLiteral("/m/Film.ISO"), NXDVDSourceInfo::SourceImage, "Film", QStringLiteral("/m/Film.ISO")},
        {QStringLiteral("/m/Film"), NXDVDSourceInfo::SourceFolder, "Film", QStringLiteral("/m/Film/VIDEO_TS")},
    };
    for (const auto &c : cases) {
        const auto info = NXDVDSourceInfo::sourceInfoWithPath(c.path);
        EXPECT_EQ(info->sourceType(), c.type);
        EXPECT_EQ(info->name(), QLatin1String(c.name));
        EXPECT_EQ(info->playbackPath(), c.playback);
    }
    NXDVDSourceInfo disc;
    disc.setSourceType(NXDVDSourceInfo::SourceDisc);
    disc.setDevicePath(QStringLiteral("/dev/sr0"));
    disc.setPath(QStringLiteral("/media/u/FILM"));
    EXPECT_EQ(disc.playbackPath(), QStringLiteral("/dev/sr0"));
    EXPECT_EQ(NXDVDSourceInfo::sourceInfo()->playbackPath(), QString());
}

TEST(DVDNode, PlayerArgumentsAddressTheSelectedTitle)
{
    const auto node = nodeOf({titleWith(0, 10, {720, 576}, 0), titleWith(1, 20, {720, 576}, 0)},
                             QStringLiteral("/m/Film"));
    node->setTitleSelected(1);
    EXPECT_EQ(node->NXMPlayerPlaybackParameters(),
              (QStringList{"dvdnav://2", "-dvd-device", "/m/Film/VIDEO_TS", "-identify", "-slave", "-nosub",
                           "-vf", "yadif=0"}));
}

TEST(DVDNode, EditsGoToTheSelectedTitle)
{
    const auto node = nodeOf({titleWith(0, 100, {720, 480}, 0), titleWith(1, 200, {720, 576}, 0)});
    node->setTitleSelected(1);
    node->setGeneralVolume(180);
    node->setRotationAngle(90);
    node->setTextOfWatermark(QStringLiteral("mark"));
    EXPECT_EQ(node->titleAt(1)->setting()->volume(), 180u);
    EXPECT_EQ(node->titleAt(0)->setting()->volume(), 100u);
    EXPECT_EQ(node->titleAt(1)->setting()->rotationAngle(), 90);
    EXPECT_EQ(node->textOfWatermark(), QStringLiteral("mark"));
    node->resetGeneral();
    EXPECT_EQ(node->generalVolume(), 100u);

    // Trim points against the length; beyond it, the untrimmed ends.
    node->setTrimStartTime(50);
    node->setTrimEndTime(150);
    EXPECT_FLOAT_EQ(node->titleAt(1)->setting()->trimStartPercent(), 0.25f);
    EXPECT_EQ(node->trimStartTime(), 50u);
    EXPECT_EQ(node->trimEndTime(), 150u);
    node->setTrimStartTime(201);
    node->setTrimEndTime(201);
    EXPECT_FLOAT_EQ(node->titleAt(1)->setting()->trimStartPercent(), 0.0f);
    EXPECT_FLOAT_EQ(node->titleAt(1)->setting()->trimEndPercent(), 1.0f);

    // Rectangles in pixels of the selected title's picture.
    node->setCropRect(QRectF(72, 57.6, 360, 288));
    const DNRelativeRect crop = node->titleAt(1)->setting()->cropRectPercent();
    EXPECT_FLOAT_EQ(crop.x, 0.1f);
    EXPECT_FLOAT_EQ(crop.y, 0.1f);
    EXPECT_FLOAT_EQ(crop.width, 0.5f);
    EXPECT_FLOAT_EQ(crop.height, 0.5f);
    EXPECT_NEAR(node->cropRect().width(), 360, 1e-3);
    EXPECT_EQ(node->aspectOfSelectedVideoTrack(), QSizeF(16, 9));

    // A selection outside the titles changes nothing and answers defaults.
    node->setTitleSelected(7);
    node->setGeneralVolume(5);
    node->setCropRect(QRectF(1, 1, 1, 1));
    EXPECT_EQ(node->generalVolume(), 100u);
    EXPECT_EQ(node->cropRect(), QRectF());
    EXPECT_EQ(node->editSetting(), nullptr);
}

TEST(DVDNode, PictureOfUnknownSizeLeavesRectanglesAlone)
{
    const auto node = nodeOf({titleWith(0, 100, QSizeF(), 0)});
    node->setCropRect(QRectF(10, 10, 100, 100));
    EXPECT_EQ(node->titleAt(0)->setting()->cropRectPercent(), (DNRelativeRect{0, 0, 1, 1}));
}

TEST(DVDNode, InnerSubtitleList)
{
    const auto node = nodeOf({titleWith(0, 100, {720, 576}, 3), titleWith(1, 100, {720, 576}, 0)});
    EXPECT_EQ(node->countOfInnerSubtitle(), 4);
    EXPECT_EQ(node->innerSubtitlesName(),
              (QStringList{"Track1 [English]", "Track2 [French]", "Track3 [French]", "Forced Subtitle"}));
    EXPECT_EQ(node->indexOfSubtitleType(), 0u);

    node->setEnableSubtitleEdit(true);
    node->selectSubtitleAtIndex(3, false); // the "Forced Subtitle" entry
    EXPECT_EQ(node->editSetting()->subtitleIndex(), -1);
    EXPECT_TRUE(node->editSetting()->forceSubOnly());
    EXPECT_EQ(node->indexOfInnerSubtitle(), 3u);

    node->selectSubtitleAtIndex(1, false);
    EXPECT_EQ(node->editSetting()->subtitleIndex(), 1);
    EXPECT_FALSE(node->editSetting()->forceSubOnly());
    EXPECT_EQ(node->indexOfInnerSubtitle(), 1u);

    node->setEnableSubtitleEdit(false);
    node->selectSubtitleAtIndex(0, false);
    EXPECT_EQ(node->editSetting()->subtitleIndex(), -1);

    node->setTitleSelected(1);
    EXPECT_EQ(node->countOfInnerSubtitle(), 0);
    EXPECT_TRUE(node->innerSubtitlesName().isEmpty());
    EXPECT_EQ(node->indexOfSubtitleType(), 1u);
}

TEST(DVDNode, OneUserSubtitleFilePerTitle)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("Film.en.srt"));
    const QString second = dir.filePath(QStringLiteral("Other.srt"));
    for (const QString &path : {first, second}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1\n00:00:01,000 --> 00:00:02,000\nHello\n");
    }
    const auto node = nodeOf({titleWith(0, 100, {720, 576}, 1)});
    EXPECT_EQ(node->extraSubtitlePath(), QString());
    EXPECT_EQ(node->extraSubtitleCodePage(), QStringLiteral("UTF-8"));
    EXPECT_EQ(node->extraSubtitleFontSize(), 12u);
    node->setExtraSubtitleLanguage(QStringLiteral("fr")); // no file yet: nothing happens
    EXPECT_EQ(node->extraSubtitleLanguage(), QStringLiteral("en"));

    node->addExtraSubtitle(first);
    node->setExtraSubtitleLanguage(QStringLiteral("fr"));
    node->addExtraSubtitle(second);
    const auto &tracks = node->titleAt(0)->subtitleTracks();
    ASSERT_EQ(tracks.size(), 2);
    EXPECT_EQ(tracks[1]->subtitleName(), QStringLiteral("Film.en"));
    EXPECT_EQ(node->extraSubtitlePath(), second);
    EXPECT_EQ(node->extraSubtitleLanguage(), QStringLiteral("fr"));
    EXPECT_EQ(node->countOfInnerSubtitle(), 2); // the user file is not a disc track

    node->setEnableSubtitleEdit(true);
    node->selectSubtitleAtIndex(0, true);
    EXPECT_EQ(node->editSetting()->subtitleIndex(), 1); // the user file, last in the list
}
