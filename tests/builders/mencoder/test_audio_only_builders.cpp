// The audio-only vectors (MP3, AAC, AC-3) for the authored discs' titles.

#include "DVDBuilderTestSupport.h"

#include "builders/mencoder/DNMEDVDArgvAudio.h"
#include "builders/mencoder/common/DVDBuilderHelpers.h"

#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

struct AudioCase
{
    const char *what;
    ArgvAssemblerFunction builder;
    const char *profileFile;
    int titleIndex;
    bool navigation;
    bool safeMode;
    bool trim;
    float trimStart, trimEnd;
    int lengthOverride;    // -1: the disc's own length
    int audioIndex;
    quint32 volume;
    const char *outputSuffix;
    QStringList expected;  // $DEV, $OUT and $TAGS stand for the disc path, the output path, the tags
    int expectedEndpos;
};

const AudioCase cases[] = {
    {"mp3, first title, navigation, whole title", DVD_To_MP3_Default_With_MEncoder, "Music_MP3.plist", 0, true, false,
     false, 0, 0, -1, 0, 100, "_T1.mp3",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-srate", "44100", "-ovc", "frameno", "-oac",
      "mp3lame", "-lameopts", "vbr=0:br=192:vol=1:mode=0", "-of", "rawaudio", "-aid", "0", "-o", "$OUT", "-info",
      "$TAGS"},
     0},
    {"mp3, trimmed, plain input, second track, double volume", DVD_To_MP3_Default_With_MEncoder, "Music_MP3.plist", 1,
     false, true, true, 0.25f, 0.75f, -1, 1, 200, "_T2.mp3",
     {"encoder", "dvd://2", "-dvd-device", "$DEV", "-ss", "2", "-srate", "44100", "-af", "volume=10", "-ovc",
      "frameno", "-oac", "mp3lame", "-lameopts", "vbr=0:br=192:vol=1:mode=0", "-of", "rawaudio", "-aid", "1", "-o", "$OUT", "-info",
      "$TAGS", "-endpos", "5"},
     5},
    {"mp3, no audio chosen, half volume attenuates", DVD_To_MP3_Default_With_MEncoder, "Music_MP3.plist", 2, true,
     false, false, 0, 0, -1, -1, 50, "_T3.mp3",
     {"encoder", "dvdnav://3", "-dvd-device", "$DEV", "-ss", "0", "-srate", "44100", "-af", "volume=-10", "-ovc",
      "frameno", "-oac", "mp3lame", "-lameopts", "vbr=0:br=192:vol=1:mode=0", "-of", "rawaudio", "-o", "$OUT",
      "-info", "$TAGS"},
     0},
    {"mp3, volume 0 silences, trimming on a title of length 0 is no trimming", DVD_To_MP3_Default_With_MEncoder,
     "Music_MP3.plist", 0, true, false, true, 0.25f, 0.5f, 0, 0, 0, "_T1.mp3",
     {"encoder", "dvdnav://1", "-dvd-device", "$DEV", "-ss", "0", "-srate", "44100", "-af", "volume=-200", "-ovc",
      "frameno", "-oac", "mp3lame", "-lameopts", "vbr=0:br=192:vol=1:mode=0", "-of", "rawaudio", "-aid", "0", "-o",
      "$OUT", "-info", "$TAGS"},
     0},
    {"aac ignores the volume and never writes -mc", DVD_To_AAC_Default_With_MEncoder, "Music_AAC.plist", 1, true, true,
     false, 0, 0, -1, 0, 50, "_T2.m4a",
     {"encoder", "dvdnav://2", "-dvd-device", "$DEV", "-ss", "0", "-srate", "44100", "-ovc", "frameno", "-oac",
      "faac", "-faacopts", "br=160:mpeg=4:object=2", "-of", "rawaudio", "-aid", "0", "-o", "$OUT", "-info", "$TAGS"},
     0},
    {"ac3 copies, -aid before the container", DVD_To_AC3_Default_With_MEncoder, "Music_AC3.plist", 0, false, false,
     false, 0, 0, -1, 1, 100, "_T1.ac3",
     {"encoder", "dvd://1", "-dvd-device", "$DEV", "-ss", "0", "-ovc", "frameno", "-oac", "copy", "-aid", "1", "-of",
      "rawaudio", "-o", "$OUT", "-info", "$TAGS"},
     0},
    {"ac3 in safe mode ends with -mc 0 after -endpos", DVD_To_AC3_Default_With_MEncoder, "Music_AC3.plist", 1, true,
     true, true, 0.5f, 1.0f, -1, 0, 100, "_T2.ac3",
     {"encoder", "dvdnav://2", "-dvd-device", "$DEV", "-ss", "5", "-ovc", "frameno", "-oac", "copy", "-aid", "0",
      "-of", "rawaudio", "-o", "$OUT", "-info", "$TAGS", "-endpos", "5", "-mc", "0"},
     5},
};

QString tagsOf(const DNDVDNode &node)
{
    const DNNodeInfoPtr &info = node.nodeInfo();
    const QString name = info->displayName().isNull() ? info->outputName() : info->displayName();
    return QStringLiteral("name=\"%1\":artist=\"unknown\":genre=\"unknown\"").arg(sanitizeInfoText(name));
}

} // namespace

TEST(AudioOnlyBuilders, VectorsForFixtureTitles)
{
    for (const AudioCase &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(c.profileFile));
        ASSERT_TRUE(node);
        node->nodeInfo()->setArtist(QString());
        node->nodeInfo()->setGenre(QString());
        DNDVDTitlePtr title = node->titleAt(c.titleIndex);
        ASSERT_TRUE(title);
        ASSERT_EQ(title->length(), QList<int>({6, 10, 4}).at(c.titleIndex));
        if (c.lengthOverride >= 0)
            title->setLength(c.lengthOverride);
        auto setting = title->setting();
        setting->setTrimEnable(c.trim);
        setting->setTrimStartPercent(c.trimStart);
        setting->setTrimEndPercent(c.trimEnd);
        setting->setAudioIndex(c.audioIndex);
        setting->setVolume(c.volume);

        ArgumentPtr argument(c.builder(node.get(), c.titleIndex, passOptions(out.path(), c.navigation, c.safeMode)));
        ASSERT_TRUE(argument);
        const QString output = QDir(out.path()).filePath(outputNameOf(*node) + QLatin1String(c.outputSuffix));
        QStringList expected = c.expected;
        expected.replaceInStrings(QStringLiteral("$DEV"), devicePathOf(*node));
        expected.replaceInStrings(QStringLiteral("$OUT"), output);
        expected.replaceInStrings(QStringLiteral("$TAGS"), tagsOf(*node));
        EXPECT_EQ(words(argument.get()), expected);
        EXPECT_EQ(argument->argc, expected.size());
        EXPECT_EQ(argument->endpos, c.expectedEndpos);
        EXPECT_EQ(title->outputName(), output);
    }
}

TEST(AudioOnlyBuilders, TakenOutputNameIsNumbered)
{
    QTemporaryDir out;
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("Music_MP3.plist"));
    ASSERT_TRUE(node);
    const QString taken = QDir(out.path()).filePath(outputNameOf(*node) + QStringLiteral("_T3.mp3"));
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ArgumentPtr argument(DVD_To_MP3_Default_With_MEncoder(node.get(), 2, passOptions(out.path())));
    ASSERT_TRUE(argument);
    const QString numbered = QDir(out.path()).filePath(outputNameOf(*node) + QStringLiteral("_T3 (1).mp3"));
    EXPECT_TRUE(words(argument.get()).contains(numbered));
    EXPECT_EQ(node->titleAt(2)->outputName(), numbered);
}

TEST(AudioOnlyBuilders, RefuseGroupsMissingNodesAndBrokenChoices)
{
    QTemporaryDir out;
    const VideoConvertOptions options = passOptions(out.path());
    for (ArgvAssemblerFunction builder :
         {DVD_To_MP3_Default_With_MEncoder, DVD_To_AAC_Default_With_MEncoder, DVD_To_AC3_Default_With_MEncoder}) {
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("Music_MP3.plist"));
        ASSERT_TRUE(node);
        node->setMergeIntoOne(true);
        for (const DNDVDTitlePtr &title : node->titles())
            title->setIsSelected(true);
        const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
        ASSERT_TRUE(group);
        EXPECT_EQ(builder(group.get(), -1, options), nullptr);
        EXPECT_EQ(builder(nullptr, 0, options), nullptr);
        EXPECT_EQ(builder(node.get(), 7, options), nullptr);
        node->titleAt(0)->setting()->setAudioIndex(5);
        EXPECT_EQ(builder(node.get(), 0, options), nullptr);
    }
}
