// The filter chain, the rotate words, the tag cleaner and the output path of the DVD builders.

#include "support/testname.h"
#include "../DVDBuilderTestSupport.h"

#include "builders/mencoder/common/DVDBuilderHelpers.h"
#include "profiles/NXProfileInfoBase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

struct ChainCase
{
    const char *what;
    QSizeF picture;
    QSizeF discAspect;
    const char *profileAspect;
    const char *profileResolution;
    bool deinterlace;
    bool crop;
    DNRelativeRect cropRect;
    bool expand;
    int rotation;
    bool mirror;
    const char *expected;
};

// One title with one video track, on a shipped profile whose aspect and size the case sets.
DNDVDNodePtr nodeFor(const ChainCase &c)
{
    auto video = std::make_shared<DNDVDTVideo>();
    video->setVideoResolution(c.picture);
    video->setVideoAspect(c.discAspect);
    auto title = std::make_shared<DNDVDTitle>();
    title->videoTracks().append(video);
    title->setLength(60);
    DNDVDTitleSetting &setting = *title->setting();
    setting.setCropEnable(c.crop);
    setting.setCropRectPercent(c.cropRect);
    setting.setAutoExpandToProfile(c.expand);
    setting.setRotationAngle(c.rotation);
    setting.setMirror(c.mirror);
    auto node = DNDVDNode::dvdNodeWithData({title}, NXDVDSourceInfo::sourceInfoWithPath(QStringLiteral("/discs/MOVIE")));
    node->setProfile(shippedProfile(QStringLiteral("iPhone5_H264.plist")));
    node->profile()->videoAspect()->setCurrentValue(QString::fromUtf8(c.profileAspect));
    node->profile()->videoResolution()->setCurrentValue(QString::fromUtf8(c.profileResolution));
    return node;
}

const QSizeF NTSC(720, 480), PAL(720, 576), FourThree(4, 3), Wide(16, 9);
const DNRelativeRect NoCrop{};
const DNRelativeRect CentreCrop{0.125f, 0.25f, 0.75f, 0.5f};

const ChainCase chainCases[] = {
    {"fit to a 4:3 box", NTSC, FourThree, "keep origin", "640x480", false, false, NoCrop, false, 0, false,
     "pp,scale=640:-2,eq2=1:1:0:1,harddup,fixpts"},
    {"fit and expand", NTSC, FourThree, "keep origin", "640x480", false, false, NoCrop, true, 0, false,
     "pp,scale=640:-2,expand=640:480,eq2=1:1:0:1,harddup,fixpts"},
    {"keep origin size, wide disc, expand, deinterlace", PAL, Wide, "keep origin", "keep origin", true, false, NoCrop,
     true, 0, false, "yadif=0,scale=720:-2,expand=720:406,eq2=1:1:0:1,harddup,fixpts"},
    {"a wide box takes the height", NTSC, FourThree, "keep origin", "1136x640", false, false, NoCrop, false, 0, false,
     "pp,scale=-2:640,eq2=1:1:0:1,harddup,fixpts"},
    {"profile aspect overrides the disc's", NTSC, FourThree, "16x9", "640x480", false, false, NoCrop, false, 0, false,
     "pp,scale=640:-2,eq2=1:1:0:1,harddup,fixpts"},
    {"crop, then fit the cropped picture", NTSC, FourThree, "keep origin", "640x480", false, true, CentreCrop, false,
     0, false, "pp,crop=540:240:90:120,scale=640:284,eq2=1:1:0:1,harddup,fixpts"},
    {"crop with keep-origin size keeps the cropped size", NTSC, FourThree, "keep origin", "keep origin", false, true,
     CentreCrop, false, 0, false, "pp,crop=540:240:90:120,scale=540:240,eq2=1:1:0:1,harddup,fixpts"},
    {"odd crop numbers are raised to even", NTSC, FourThree, "keep origin", "keep origin", false, true,
     DNRelativeRect{0.0015f, 0.0f, 0.5f, 0.5f}, false, 0, false,
     "pp,crop=360:240:2:240,scale=360:240,eq2=1:1:0:1,harddup,fixpts"},
    {"quarter turn", NTSC, FourThree, "keep origin", "640x480", false, false, NoCrop, false, 90, false,
     "pp,scale=640:-2,rotate=1,eq2=1:1:0:1,harddup,fixpts"},
    {"half turn mirrored is a flip", NTSC, FourThree, "keep origin", "640x480", false, false, NoCrop, false, 180, true,
     "pp,scale=640:-2,flip,eq2=1:1:0:1,harddup,fixpts"},
    {"full turn is no turn", NTSC, FourThree, "keep origin", "640x480", false, false, NoCrop, false, 360, false,
     "pp,scale=640:-2,eq2=1:1:0:1,harddup,fixpts"},
    {"minus a quarter is three quarters", NTSC, FourThree, "keep origin", "640x480", false, false, NoCrop, false, -90,
     false, "pp,scale=640:-2,rotate=2,eq2=1:1:0:1,harddup,fixpts"},
    {"minus a half", NTSC, FourThree, "keep origin", "640x480", false, false, NoCrop, false, -180, false,
     "pp,scale=640:-2,flip,mirror,eq2=1:1:0:1,harddup,fixpts"},
    {"mirror alone", NTSC, FourThree, "keep origin", "640x480", false, false, NoCrop, false, 0, true,
     "pp,scale=640:-2,mirror,eq2=1:1:0:1,harddup,fixpts"},
    {"unknown picture size keeps only the fixed words", QSizeF(0, 0), FourThree, "keep origin", "640x480", true, true,
     CentreCrop, true, 90, false, "yadif=0,rotate=1,eq2=1:1:0:1,harddup,fixpts"},
};

class FilterChain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(FilterChain, GivesTheChainOfTheCase)
{
    const ChainCase &c = GetParam();
    const DNDVDNodePtr node = nodeFor(c);
    VideoConvertOptions options = MakeVideoConvertOptions();
    options.deinterlace = c.deinterlace ? 1 : 0;
    EXPECT_EQ(buildVideoFilterChain(*node, 0, options).toStdString(), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, FilterChain, ::testing::ValuesIn(chainCases),
                         [](const auto &info) { return testsupport::testName(info.param.what); });

TEST(FilterChainBounds, ATitleTheNodeLacksGivesTheReducedChainInsteadOfAFault)
{
    const DNDVDNodePtr node = nodeFor(chainCases[0]);
    EXPECT_EQ(buildVideoFilterChain(*node, 5, MakeVideoConvertOptions()), QStringLiteral("pp,eq2=1:1:0:1,harddup,fixpts"));
}

TEST(RotationFilterWords, TableOfTurnsAndMirror)
{
    struct Row { int turns; bool mirror; const char *words; };
    const Row rows[] = {
        {0, false, nullptr}, {0, true, "mirror,"}, {1, false, "rotate=1,"}, {1, true, "rotate=1,mirror,"},
        {2, false, "flip,mirror,"}, {2, true, "flip,"}, {3, false, "rotate=2,"}, {3, true, "rotate=2,mirror,"},
        {4, false, nullptr}, {-1, true, nullptr},
    };
    for (const Row &row : rows) {
        const QString words = rotationFilterWords(row.turns, row.mirror);
        if (row.words)
            EXPECT_EQ(words.toStdString(), row.words) << row.turns << " " << row.mirror;
        else
            EXPECT_TRUE(words.isNull()) << row.turns << " " << row.mirror;
    }
}

TEST(SanitizeInfoText, TableOfTexts)
{
    struct Row { QString in; const char *out; };
    const Row rows[] = {
        {QString(), " "}, {QStringLiteral(""), " "}, {QStringLiteral("a"), " "}, {QStringLiteral("\""), " "},
        {QStringLiteral("\"x"), "_x"}, {QStringLiteral("say \"hi\""), "say _hi_"}, {QStringLiteral("Movie"), "Movie"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(sanitizeInfoText(row.in).toStdString(), row.out) << row.in.toStdString();
}

TEST(MakeOutputPath, NamesAndExtensions)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString d = dir.path();
    struct Row { QString source; QString suffix; QString ext; QString expectedName; };
    const Row rows[] = {
        {QStringLiteral("MOVIE"), QStringLiteral("_T3"), QStringLiteral("mp4"), QStringLiteral("MOVIE_T3.mp4")},
        {QStringLiteral("clip.MP4"), QString(), QStringLiteral("mp4"), QStringLiteral("clip.MP4")},
        {QStringLiteral("clip.m4v"), QStringLiteral("_T1"), QStringLiteral("mp4"), QStringLiteral("clip_T1.m4v")},
        {QStringLiteral("clip.mp4"), QStringLiteral("_T1"), QStringLiteral("m4v"), QStringLiteral("clip_T1.mp4")},
        {QStringLiteral("clip.avi"), QStringLiteral("_T1"), QStringLiteral("mov"), QStringLiteral("clip_T1.mov")},
        {QString(), QStringLiteral("_T1"), QStringLiteral("mp4"), QStringLiteral("Untitled_T1.mp4")},
        {QStringLiteral("MOVIE"), QStringLiteral("_T1"), QString(), QStringLiteral("MOVIE_T1.")},
        // A tag that names another folder stays a file name in the output folder.
        {QStringLiteral("../../etc/evil"), QStringLiteral("_T1"), QStringLiteral("mp4"), QStringLiteral(".._.._etc_evil_T1.mp4")},
    };
    for (const Row &row : rows)
        EXPECT_EQ(makeOutputPath(d, row.source, row.suffix, row.ext), d + QLatin1Char('/') + row.expectedName)
            << row.source.toStdString();
}

TEST(MakeOutputPath, NeverNamesAnExistingFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *existing : {"MOVIE_T1.mp4", "MOVIE_T1 (1).mp4"}) {
        QFile file(dir.filePath(QString::fromLatin1(existing)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(makeOutputPath(dir.path(), QStringLiteral("MOVIE"), QStringLiteral("_T1"), QStringLiteral("mp4")),
              dir.filePath(QStringLiteral("MOVIE_T1 (2).mp4")));
}

TEST(MakeOutputPath, NoFolderMeansTheHomeFolder)
{
    const QString path = makeOutputPath(QString(), QString(), QStringLiteral("_T1"), QStringLiteral("mp4"));
    EXPECT_TRUE(path.startsWith(QDir::homePath() + QStringLiteral("/Untitled_T1"))) << path.toStdString();
    EXPECT_TRUE(makeOutputPath(QStringLiteral(""), QStringLiteral("A"), QString(), QStringLiteral("mp4"))
                    .startsWith(QDir::homePath() + QLatin1Char('/')));
}

} // namespace
