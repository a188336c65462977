#include "core/platform/DNBundle.h"
#include "core/platform/DNTemporaryFolder.h"
#include "dvd/file/DNFileFormatTests.h"
#include "dvd/file/DNFileGroupNode.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKind.h"
#include "profiles/DNProfileManager.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

namespace {

DNTVideoPtr video(int width, int height, float duration)
{
    auto track = std::make_shared<DNTVideo>();
    track->width = width;
    track->height = height;
    track->duration = duration;
    return track;
}

DNTAudioPtr audio(const char *language, int channels, int aid = 0)
{
    auto track = std::make_shared<DNTAudio>();
    track->language = QString::fromUtf8(language);
    track->channel = channels;
    track->aid = aid;
    return track;
}

DNFileNodePtr fileWithVideo(const QString &path = QStringLiteral("/films/clip.mov"))
{
    auto node = std::make_shared<DNFileNode>();
    node->setPath(path);
    node->videoTracks() << video(1280, 720, 120.0f);
    return node;
}

} // namespace

TEST(FileNode, TagsComeFromTheProbeAndTheFileName)
{
    auto node = fileWithVideo();
    node->setMovie(QStringLiteral("Alpha"));
    node->setPerformer(QStringLiteral("Beta"));
    node->setComment(QStringLiteral("Gamma"));
    node->initializeConfigOnDidLoadVideoInfo();
    EXPECT_EQ(node->nodeInfo()->displayName(), QStringLiteral("Alpha"));
    // The whole file name: the output path replaces its one extension.
    EXPECT_EQ(node->nodeInfo()->outputName(), QStringLiteral("clip.mov"));
    EXPECT_EQ(node->nodeInfo()->genre(), QStringLiteral("Video"));
    EXPECT_EQ(node->nodeInfo()->artist(), QStringLiteral("Beta"));
    EXPECT_EQ(node->nodeInfo()->comments(), QStringLiteral("Gamma"));

    auto untagged = fileWithVideo(QStringLiteral("/films/my.holiday.mp4"));
    untagged->initializeConfigOnDidLoadVideoInfo();
    EXPECT_EQ(untagged->nodeInfo()->displayName(), QStringLiteral("my.holiday"));
    EXPECT_EQ(untagged->nodeInfo()->outputName(), QStringLiteral("my.holiday.mp4"));
    EXPECT_EQ(untagged->nodeInfo()->artist(), QStringLiteral("Talvane"));

    DNNodeInfo other;
    other.setDisplayName(QStringLiteral("Other"));
    other.setOutputName(QStringLiteral("other-output"));
    node->setNodeInfoOfSelectTrack(other);
    EXPECT_EQ(node->nodeInfo()->displayName(), QStringLiteral("Other"));
    EXPECT_EQ(node->nodeInfo()->outputName(), QStringLiteral("clip.mov"));
}

TEST(FileNode, DefaultAudioTrackFollowsTheLanguages)
{
    const struct {
        const char *name;
        QList<DNTAudioPtr> tracks;
        const char *preferred;
        const char *system;
        int expected;
    } cases[] = {
        {"most channels, first of equals",
         {audio("French", 2), audio("English", 2), audio("English", 6), audio("English", 6)}, "English", "en", 2},
        {"system language", {audio("French", 2), audio("German", 2)}, "English", "de", 1},
        {"system language cut to two letters", {audio("French", 2), audio("Chinese", 2)}, "Korean", "zh-Hans", 1},
        {"letter case ignored", {audio("French", 2), audio("ENGLISH", 2)}, "english", "fr", 1},
        {"no match", {audio("French", 2), audio("Spanish", 2)}, "English", "de", 0},
        {"unknown system code", {audio("French", 2)}, "English", "xx", 0},
        {"no audio", {}, "English", "en", -1},
    };
    for (const auto &c : cases) {
        auto node = fileWithVideo();
        node->audioTracks() = c.tracks;
        node->chooseDefaultAudio(QString::fromUtf8(c.preferred), QString::fromUtf8(c.system));
        EXPECT_EQ(node->setting()->audioIndex(), c.expected) << c.name;
    }
    auto node = fileWithVideo();
    node->audioTracks() << audio("English", 2);
    node->chooseDefaultAudio(QString(), QStringLiteral("en"));
    EXPECT_EQ(node->setting()->audioIndex(), -1) << "no preferred language";
}

TEST(FileNode, PlayerParametersAddressTheAudioTrack)
{
    auto ts = fileWithVideo(QStringLiteral("/films/a.ts"));
    ts->setFileFormat(QStringLiteral("MPEG-TS"));
    ts->audioTracks() << audio("English", 2, 4352);
    ts->setting()->setAudioIndex(0);
    EXPECT_EQ(ts->NXMPlayerPlaybackParameters(),
              (QStringList{"/films/a.ts", "-identify", "-slave", "-aid", "4352"}));

    auto mp4 = fileWithVideo(QStringLiteral("/films/b.mp4"));
    mp4->setFileFormat(QStringLiteral("MPEG-4"));
    mp4->audioTracks() << audio("English", 2, 1) << audio("French", 2, 2);
    mp4->setting()->setAudioIndex(1);
    EXPECT_EQ(mp4->NXMPlayerPlaybackParameters().mid(3), (QStringList{"-aid", "1"}));
    mp4->setting()->setAudioIndex(-1);
    EXPECT_EQ(mp4->NXMPlayerPlaybackParameters().mid(3), (QStringList{"-nosound"}));
    EXPECT_TRUE(mp4->NXMPlayerPlaybackRequestNewUpdateCommands().isEmpty());
}

TEST(FileNode, EditorUnitsConvertAgainstTheSelectedTrack)
{
    auto node = fileWithVideo();
    node->setTrimStartTime(30);
    EXPECT_FLOAT_EQ(node->setting()->trimStartPercent(), 0.25f);
    EXPECT_EQ(node->trimStartTime(), 30u);
    node->setTrimEndTime(90);
    EXPECT_EQ(node->trimEndTime(), 90u);

    node->setCropRect(QRectF(128, 72, 640, 360));
    EXPECT_EQ(node->setting()->cropRectPercent(), (DNRelativeRect{0.1f, 0.1f, 0.5f, 0.5f}));
    node->setCropRect(QRectF(0, 0, 0, 0));
    EXPECT_EQ(node->cropRect().toRect(), QRect(128, 72, 640, 360)) << "the all-zero rectangle is ignored";
    node->setWatermarkRect(QRectF(0, 0, 0, 0));
    EXPECT_EQ(node->setting()->watermarkRectPercent(), DNRelativeRect{});

    EXPECT_EQ(node->aspectOfSelectedVideoTrack(), QSizeF(-1, -1));
    EXPECT_EQ(node->currentVideoTrackDuration(), 120);
    node->setCurrentVideoTrackDuration(50);
    EXPECT_EQ(node->currentVideoTrackDuration(), 120) << "a probed length stays";

    // A track whose size and length probing did not find: nothing is divided by zero, and the
    // editor's later report fills them in.
    auto unknown = std::make_shared<DNFileNode>();
    unknown->videoTracks() << video(0, 0, 0.0f);
    unknown->setTrimStartTime(30);
    unknown->setCropRect(QRectF(10, 10, 100, 100));
    EXPECT_FLOAT_EQ(unknown->setting()->trimStartPercent(), 0.0f);
    EXPECT_EQ(unknown->setting()->cropRectPercent(), DNNodeSetting().cropRectPercent());
    unknown->setCurrentVideoTrackDuration(50);
    unknown->setResolutionOfSelectedVideoTrack(QSizeF(640.7, 360.2));
    EXPECT_EQ(unknown->currentVideoTrackDuration(), 50);
    EXPECT_EQ(unknown->resolutionOfSelectedVideoTrack(), QSizeF(640, 360));
}

TEST(FileNode, SubtitleFacadeKeepsOneExternalTrackLast)
{
    auto node = fileWithVideo();
    for (const char *language : {"English", "", "French"}) {
        auto track = std::make_shared<DNTSubtitle>();
        track->language = QString::fromUtf8(language);
        node->subtitleTracks() << track;
    }
    EXPECT_EQ(node->extraSubtitlePath(), QString());
    EXPECT_EQ(node->extraSubtitleCodePage(), QStringLiteral("UTF-8"));
    EXPECT_EQ(node->extraSubtitleLanguage(), QStringLiteral("en"));
    EXPECT_EQ(node->extraSubtitleFontSize(), 12u);
    node->setExtraSubtitleLanguage(QStringLiteral("fr")); // no external track: nothing happens
    EXPECT_EQ(node->extraSubtitleLanguage(), QStringLiteral("en"));

    node->addExtraSubtitle(QStringLiteral("/subs/first.srt"));
    node->addExtraSubtitle(QStringLiteral("/subs/second.srt"));
    ASSERT_EQ(node->subtitleTracks().size(), 4);
    EXPECT_EQ(node->extraSubtitlePath(), QStringLiteral("/subs/second.srt"));
    EXPECT_EQ(node->countOfInnerSubtitle(), 3);
    EXPECT_EQ(node->innerSubtitlesName(),
              (QStringList{"Track1 [English]", "Track2 [undef]", "Track3 [French]"}));

    node->setting()->setSubtitleIndex(3);
    EXPECT_EQ(node->indexOfSubtitleType(), 1u);
    EXPECT_EQ(node->indexOfInnerSubtitle(), 0u);
    node->setting()->setSubtitleIndex(1);
    EXPECT_EQ(node->indexOfSubtitleType(), 0u);
    EXPECT_EQ(node->indexOfInnerSubtitle(), 1u);

    node->selectSubtitleAtIndex(2, true);
    EXPECT_EQ(node->setting()->subtitleIndex(), -1) << "subtitles switched off choose none";
    node->setEnableSubtitleEdit(true);
    node->selectSubtitleAtIndex(0, true);
    EXPECT_EQ(node->setting()->subtitleIndex(), 3);
    node->selectSubtitleAtIndex(9, false);
    EXPECT_EQ(node->setting()->subtitleIndex(), -1);

    auto bare = fileWithVideo();
    EXPECT_EQ(bare->innerSubtitlesName(), (QStringList{"No Subtitle"}));
    EXPECT_EQ(bare->indexOfSubtitleType(), 1u);
}

TEST(FileNode, GroupTakesTheFirstMembersNamesAndFewestChannels)
{
    QList<DNFileNodePtr> members;
    for (const char *path : {"/films/first.mp4", "/films/second.mp4", "/films/third.mp4"})
        members << fileWithVideo(QString::fromUtf8(path));
    members[0]->audioTracks() << audio("English", 6);
    members[1]->audioTracks() << audio("English", 2);
    members[2]->audioTracks() << audio("English", 1);
    members[2]->setting()->setAudioIndex(-1);
    const auto group = DNFileGroupNode::fileGroupNodeWithNodes(members);
    EXPECT_EQ(group->path(), QStringLiteral("/films/first.mp4"));
    EXPECT_EQ(group->nodeInfo()->displayName(), QStringLiteral("first"));
    EXPECT_EQ(group->outputName(), QStringLiteral("first"));
    EXPECT_EQ(group->mediaType(), 5);
    EXPECT_EQ(group->children().size(), 3);
    for (const auto &member : members) {
        EXPECT_EQ(member->mediaType(), 6);
        EXPECT_EQ(member->parent(), group.get());
    }
    EXPECT_EQ(group->audioChannelOfSelectTrack(), 2);

    const auto silent = DNFileGroupNode::fileGroupNodeWithNodes({fileWithVideo()});
    EXPECT_EQ(silent->audioChannelOfSelectTrack(), 100);
    EXPECT_EQ(fileWithVideo()->audioChannelOfSelectTrack(), 100);
}

// A group's first profile is the last-used file profile with the profile's normal quality phase,
// whatever bitrate the user left in it; a single file's waits for its probe.
TEST(FileNode, AGroupsFirstProfileTakesTheNormalQualityPhase)
{
    const QString path = DNBundle::pathForResource(QStringLiteral("profiles/Video/Video_MP4_H264.plist"));
    const auto lastUsed = DNProfile::parserFromContentOfFile(path);
    ASSERT_TRUE(lastUsed) << path.toStdString();
    const QStringList phases = lastUsed->videoQuality()->videoBitratePhases();
    ASSERT_EQ(phases.size(), 3);
    lastUsed->videoQuality()->setCurrentValue(QStringLiteral("4321"));
    DNProfileManager::profileManager().recordCurrentUsingProfile(lastUsed.get(), DNProfileKindVideo);

    const auto group = DNFileGroupNode::fileGroupNodeWithNodes({fileWithVideo(), fileWithVideo()});
    ASSERT_TRUE(group->profile());
    EXPECT_EQ(group->profile()->videoQuality()->currentValue(), QString::number(phases.at(1).toInt()));
    EXPECT_EQ(DNFileNode().profile()->videoQuality()->currentValue(), QStringLiteral("4321"))
        << "a file item without tracks keeps the value until its probe";
    DNProfileManager::profileManager().recordCurrentUsingProfile(nullptr, DNProfileKindVideo);
}

TEST(FileNode, ContainerTestsLookAtTheExactClass)
{
    auto mkv = fileWithVideo();
    mkv->setFileFormat(QStringLiteral("Matroska"));
    auto group = DNFileGroupNode::fileGroupNodeWithNodes({fileWithVideo()});
    group->setFileFormat(QStringLiteral("Matroska"));
    EXPECT_TRUE(IsMatroskaFile(mkv.get()));
    EXPECT_FALSE(IsMatroskaFile(group.get()));
    EXPECT_FALSE(IsNeitherMatroskaWebMNorPS(mkv.get()));
    EXPECT_TRUE(IsNeitherMatroskaWebMNorPS(group.get()));
    group->setFileFormat(QStringLiteral("avi"));
    EXPECT_TRUE(IsAVIFile(group.get()));
    EXPECT_FALSE(IsMatroskaFile(nullptr));
    mkv->videoTracks().first()->codecCC = QStringLiteral("DRMI");
    EXPECT_TRUE(HasDrmiVideoTrack(mkv.get()));
    EXPECT_FALSE(IsFreeOfDrmiVideoTrack(mkv.get()));
}

class FileNodeWatermark : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_file_node";
        static char *argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv);
    }
};

TEST_F(FileNodeWatermark, NothingIsWrittenWithoutAPicture)
{
    const QString folder = DNTemporaryFolder::path();
    const auto before = QDir(folder).entryList(QDir::Files);
    auto node = fileWithVideo();
    EXPECT_TRUE(node->pathOfWatermarkFile(QSizeF(100, 50), 1.0f).isEmpty()) << "disabled";
    node->setEnableWatermark(true);
    node->setTypeOfWatermark(1);
    node->setTextOfWatermark(QString());
    EXPECT_TRUE(node->pathOfWatermarkFile(QSizeF(100, 50), 1.0f).isEmpty()) << "empty text";
    node->setTypeOfWatermark(0);
    node->setImagePathOfWatermark(QStringLiteral("/nowhere/logo.png"));
    EXPECT_TRUE(node->pathOfWatermarkFile(QSizeF(100, 50), 1.0f).isEmpty()) << "missing image";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), before);
}

TEST_F(FileNodeWatermark, ImageIsScaledWithOpacityAndRemovedWithTheItem)
{
    QTemporaryDir dir;
    QImage logo(40, 20, QImage::Format_ARGB32);
    logo.fill(QColor(0, 0, 255));
    const QString logoPath = dir.filePath(QStringLiteral("logo.png"));
    ASSERT_TRUE(logo.save(logoPath));

    QString written;
    {
        auto node = fileWithVideo();
        node->setEnableWatermark(true);
        node->setTypeOfWatermark(0);
        node->setImagePathOfWatermark(logoPath);
        written = node->pathOfWatermarkFile(QSizeF(120, 60), 0.5f);
        ASSERT_FALSE(written.isEmpty());
        EXPECT_TRUE(written.startsWith(DNTemporaryFolder::path()));
        EXPECT_TRUE(QFileInfo(written).fileName().startsWith(QLatin1String("qvwm")));
        EXPECT_TRUE(written.endsWith(QLatin1String(".tiff")));
        const QImage picture(written);
        ASSERT_EQ(picture.size(), QSize(120, 60));
        const QColor pixel = picture.pixelColor(60, 30);
        EXPECT_NEAR(pixel.alpha(), 128, 2);
        EXPECT_EQ(pixel.blue(), 255);

        node->setTypeOfWatermark(1);
        node->setTextOfWatermark(QStringLiteral("Talvane"));
        node->setTextWatermarkColor(DNColor::rgb(0, 255, 0));
        const QString text = node->pathOfWatermarkFile(QSizeF(200, 40), 1.0f);
        ASSERT_FALSE(text.isEmpty());
        const QImage textPicture(text);
        bool green = false;
        for (int y = 0; y < textPicture.height() && !green; ++y)
            for (int x = 0; x < textPicture.width() && !green; ++x)
                green = textPicture.pixelColor(x, y).green() > 200 && textPicture.pixelColor(x, y).alpha() > 200;
        EXPECT_TRUE(green) << "the text is drawn in its colour";
    }
    EXPECT_FALSE(QFile::exists(written));
}

// The converted file shows the text in the face the user chose, not in the family's regular one.
TEST_F(FileNodeWatermark, TheTextIsDrawnInItsChosenFace)
{
    auto node = fileWithVideo();
    node->setEnableWatermark(true);
    node->setTypeOfWatermark(1);
    node->setTextOfWatermark(QStringLiteral("Talvane"));
    node->setTextWatermarkColor(DNColor::rgb(0, 0, 0));
    const auto drawn = [&](const QString &style) {
        node->setTextWatermarkFont(DNFont::font(QStringLiteral("DejaVu Serif"), 30, style));
        return QImage(node->pathOfWatermarkFile(QSizeF(400, 80), 1.0f));
    };
    const auto ink = [](const QImage &picture) {
        int covered = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                covered += picture.pixelColor(x, y).alpha() > 128;
        return covered;
    };
    const QImage regular = drawn(QString());
    const QImage bold = drawn(QStringLiteral("Bold"));
    const QImage boldItalic = drawn(QStringLiteral("Bold Italic"));
    ASSERT_FALSE(regular.isNull());
    EXPECT_GT(ink(bold), ink(regular) * 1.2) << "bold strokes are heavier";
    EXPECT_GT(ink(boldItalic), ink(regular) * 1.2);
    EXPECT_NE(boldItalic, bold) << "the italic face is slanted";
}
