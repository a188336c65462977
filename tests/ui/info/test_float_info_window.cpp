// The floating media-information window: what it shows for a real DVD and a real file, the
// edge cases of its values, when it shows, hides and follows the selection, and where it goes.
#include "../medialist/medialist_test_support.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"

#include "convert/files/DNMediaFileProbe.h"
#include "dvd/DNDVDTExtSubtitle.h"
#include "dvd/file/DNFileGroupNode.h"
#include "ui/info/NXFloatInfoContent.h"
#include "ui/info/NXFloatInfoWindowController.h"

#include <QTreeWidget>

using namespace medialisttest;

namespace {

// The outline as "key=value" lines, children indented by two blanks per level.
QStringList flatten(const QList<NXObjKV> &rows, int depth = 0)
{
    QStringList lines;
    for (const NXObjKV &row : rows) {
        lines << QString(depth * 2, QLatin1Char(' ')) + row.key + (row.value.isNull() ? QString() : QLatin1Char('=') + row.value);
        lines << flatten(row.children, depth + 1);
    }
    return lines;
}

QStringList outlineOf(const NXMediaNodePtr &node)
{
    return flatten(NXFloatInfoContent::forNode(node).rows);
}

TEST(FloatInfoContent, ARealDVDShowsItsSourceAndEverySelectedTitleWithTheDiscsTracks)
{
    uitest::app();
    const DNDVDNodePtr dvd = dvdbuildertest::loadDisc(QStringLiteral("dvd/ntsc"), QString());
    ASSERT_TRUE(dvd);
    for (const DNDVDTitlePtr &title : dvd->titles())
        title->setIsSelected(title->index() != 1);
    // A subtitle file of the user's is not part of the disc.
    auto external = std::make_shared<DNDVDTExtSubtitle>();
    external->setSubtitleName(QStringLiteral("mine"));
    dvd->titles().at(2)->subtitleTracks() << external;

    const NXFloatInfoContent content = NXFloatInfoContent::forNode(dvd);
    EXPECT_EQ(content.title, QStringLiteral("ntsc"));
    const QString source = dvd->sourceInfo()->path();
    const QStringList titleRows = {QStringLiteral("  Codec=mpeg2"), QStringLiteral("  Resolution=720x480"),
                                   QString(), QStringLiteral("  Audio 1"), QStringLiteral("    Codec=ac3"),
                                   QStringLiteral("    Channels=2"), QStringLiteral("    Language=English"),
                                   QStringLiteral("  Audio 2"), QStringLiteral("    Codec=ac3"),
                                   QStringLiteral("    Channels=2"), QStringLiteral("    Language=French"),
                                   QStringLiteral("  Subtitle 1"), QStringLiteral("    Index=0"),
                                   QStringLiteral("    Language=English")};
    QStringList expected = {QStringLiteral("General"), QStringLiteral("  Source=") + source, QStringLiteral("  Titles=3"),
                            QStringLiteral("  MainTitle=2")};
    for (const auto &[number, duration] : {std::pair{1, "00:00:06"}, std::pair{3, "00:00:04"}}) {
        expected << QStringLiteral("Title %1").arg(number);
        for (const QString &line : titleRows)
            expected << (line.isNull() ? QStringLiteral("  Duration=") + QString::fromLatin1(duration) : line);
    }
    EXPECT_EQ(flatten(content.rows), expected);

    NXFloatInfoWindowController &window = NXFloatInfoWindowController::shareInstance();
    window.showWindowWithNode(dvd);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ntsc"));
    uitest::savePicture(&window, QStringLiteral("ui_info"), QStringLiteral("info_window_dvd"));
    window.hiddenTheWindow();
}

TEST(FloatInfoContent, ARealFileShowsItsStreamCountsDurationAndEveryStream)
{
    uitest::app();
    QString error;
    const DNFileNodePtr file = fileNodeWithFile(testsupport::fixturePath(QStringLiteral("media/clip.mkv")), false, &error);
    ASSERT_TRUE(file) << error.toStdString();
    const NXFloatInfoContent content = NXFloatInfoContent::forNode(file);
    EXPECT_EQ(content.title, QStringLiteral("clip.mkv"));
    EXPECT_EQ(flatten(content.rows),
              (QStringList{"General", "  Total Video Streams=1", "  Total Audio Streams=2", "  Total Subtitle Streams=0",
                           "  Duration=" + file->videoTracks().first()->durationString,
                           "Video 1", "  Video Codec=AVC", "  Stream BitRate=0 Kbps", "  Frame Size=640x360 pixels",
                           "  Aspect Ratio=16:9", "  Frame Rate=25.00 fps",
                           "Audio 1", "  Audio Codec=AC3", "  Channels=2", "  Stream BitRate=192 Kbps", "  Language=English",
                           "Audio 2", "  Audio Codec=AAC", "  Channels=2", "  Stream BitRate=0 Kbps", "  Language=French"}));

    NXFloatInfoWindowController &window = NXFloatInfoWindowController::shareInstance();
    window.showWindowWithNode(file);
    EXPECT_EQ(window.outline_view()->topLevelItemCount(), 4);
    uitest::savePicture(&window, QStringLiteral("ui_info"), QStringLiteral("info_window_file"));
    window.hiddenTheWindow();

    // Subtitle files beside a movie are its subtitle streams.
    const DNFileNodePtr subtitled =
        fileNodeWithFile(testsupport::fixturePath(QStringLiteral("media/subtitled/movie.mp4")), false, &error);
    ASSERT_TRUE(subtitled) << error.toStdString();
    const QStringList lines = outlineOf(subtitled);
    EXPECT_TRUE(lines.contains(QStringLiteral("  Total Subtitle Streams=%1").arg(subtitled->subtitleTracks().size())));
    EXPECT_TRUE(lines.contains(QStringLiteral("Subtitle 1")));
    EXPECT_TRUE(lines.contains(QStringLiteral("  Format=Unknown")));
}

TEST(FloatInfoContent, ValuesTheTracksDoNotHave)
{
    auto file = makeFile(QStringLiteral("/m/a.mp4"));
    file->videoTracks().first()->bitRate = 1500000;
    file->videoTracks().first()->durationString = QStringLiteral("2 mn");
    auto second = std::make_shared<DNTVideo>(*file->videoTracks().first());
    second->bitRate = 0;
    file->videoTracks() << second;
    for (const char *language : {"", "e", "en"}) {
        auto audio = std::make_shared<DNTAudio>();
        audio->language = QString::fromLatin1(language);
        audio->bitRate = 128000;
        file->audioTracks() << audio;
        auto subtitle = std::make_shared<DNTSubtitle>();
        subtitle->language = QString::fromLatin1(language);
        subtitle->format = QStringLiteral("UTF-8");
        file->subtitleTracks() << subtitle;
    }
    const QStringList lines = outlineOf(file);
    EXPECT_EQ(lines.count(QStringLiteral("  Stream BitRate=1500 Kbps")), 1);
    EXPECT_EQ(lines.count(QStringLiteral("  Stream BitRate=0 Kbps")), 1);
    EXPECT_EQ(lines.count(QStringLiteral("  Stream BitRate=128 Kbps")), 3);
    EXPECT_EQ(lines.count(QStringLiteral("  Language=Unknown")), 4);
    EXPECT_EQ(lines.count(QStringLiteral("  Language=en")), 2);
    EXPECT_TRUE(lines.contains(QStringLiteral("  Duration=2 mn")));

    // An audio-only file takes its duration from its first audio track.
    auto audioOnly = makeFile(QStringLiteral("/m/tone.mp3"));
    audioOnly->videoTracks().clear();
    auto tone = std::make_shared<DNTAudio>();
    tone->durationString = QStringLiteral("3 s");
    audioOnly->audioTracks() << tone;
    EXPECT_TRUE(outlineOf(audioOnly).contains(QStringLiteral("  Duration=3 s")));

    // Only a file or a DVD item fills the outline.
    auto group = DNFileGroupNode::fileGroupNodeWithNodes({makeFile(QStringLiteral("/m/a.mp4")), makeFile(QStringLiteral("/m/b.mp4"))});
    EXPECT_TRUE(outlineOf(group).isEmpty());
    EXPECT_TRUE(outlineOf(std::make_shared<NXBasicMediaNode>()).isEmpty());
}

TEST(FloatInfoContent, ADVDShowsOnlyItsSelectedTitlesNumberedByTheirPlace)
{
    QList<int> lengths(12, 60);
    auto dvd = makeDVD(lengths);
    for (const DNDVDTitlePtr &title : dvd->titles())
        title->setIsSelected(title->index() == 0 || title->index() == 3);
    const QStringList lines = outlineOf(dvd);
    EXPECT_TRUE(lines.contains(QStringLiteral("  Titles=12")));
    EXPECT_TRUE(lines.contains(QStringLiteral("  MainTitle=1"))) << "no title is the main title";
    QStringList titles;
    for (const QString &line : lines)
        if (line.startsWith(QLatin1String("Title ")))
            titles << line;
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Title 1"), QStringLiteral("Title 4")}));
}

struct InfoWindow : ::testing::Test
{
    NXFloatInfoWindowController &window = (uitest::app(), NXFloatInfoWindowController::shareInstance());
    void TearDown() override { window.hiddenTheWindow(); }
};

TEST_F(InfoWindow, ShowsForFilesAndDVDsHidesForTitlesGroupsAndSlideshowsAndFollowsOnlyWhileShown)
{
    auto clip = makeFile(QStringLiteral("/m/clip.mp4"));
    auto other = makeFile(QStringLiteral("/m/other.mp4"));
    auto dvd = makeDVD({5, 9});
    window.showWindowWithNode(nullptr);
    EXPECT_FALSE(window.isVisible());
    window.showWindowWithNode(clip);
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("clip.mp4"));
    EXPECT_EQ(window.outline_view()->topLevelItemCount(), 2);
    EXPECT_TRUE(window.outline_view()->topLevelItem(0)->isExpanded());

    window.onSelectionDidChangedNotification(dvd);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("MOVIE"));
    window.onSelectionDidChangedNotification(nullptr);
    EXPECT_TRUE(window.isVisible()) << "nil changes nothing";

    auto slideshow = std::make_shared<NXBasicMediaNode>();
    slideshow->setMediaType(NXMediaTypeGraphics);
    auto group = std::make_shared<NXBasicMediaNode>();
    group->setMediaType(NXMediaTypeFileGroup);
    for (const NXMediaNodePtr &hides : {NXMediaNodePtr(dvd->titles().first()), slideshow, group}) {
        window.showWindowWithNode(clip);
        window.onSelectionDidChangedNotification(hides);
        EXPECT_FALSE(window.isVisible()) << hides->mediaType();
    }
    // Hidden, it ignores the selection until it is asked to show again.
    window.onSelectionDidChangedNotification(other);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("clip.mp4"));
    window.showWindowWithNode(group);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(InfoWindow, AppearsBesideTheMainWindowWhereThereIsRoom)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize info(380, 460);
    const struct
    {
        QRect main;
        QPoint expected;
    } cases[] = {
        // Room on the left: left of it, bottoms aligned.
        {QRect(600, 100, 800, 600), QPoint(220, 240)},
        // At the left edge with room to the right: right of it.
        {QRect(0, 100, 800, 600), QPoint(800, 240)},
        // No room on either side: centred on the screen.
        {QRect(200, 100, 1500, 600), QPoint(770, 310)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NXFloatInfoWindowController::perfectPosition(c.main, screen, info), c.expected) << c.main.x();
}

} // namespace
