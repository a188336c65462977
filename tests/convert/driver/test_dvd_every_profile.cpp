// Every shipped DVD profile converted for real through the driver: title 3 of the PAL test disc
// (4 s, with an AC-3 and an MPEG audio track), whole, and the output read back with ffprobe: the
// container its suffix names, the codecs its fields name, a picture that fits its frame, and
// picture and sound that each decode from the start to the title's end, no picture missing on the
// way. The profiles come from the shipped folder, so a new one is converted here without a word
// added. One test per profile, so ctest runs them side by side.

#include "DriverTestSupport.h"
#include "ShippedProfiles.h"

#include "../files/files_test_support.h"
#include "profiles/DNProfileKeepOrigin.h"
#include "support/testname.h"

#include <QTemporaryDir>

#include <map>

using namespace drivertest;

namespace {

constexpr int kTitleIndex = 2;   // title 3: 4 s
// How far a stream may start late, end early or run on: a picture or two that mencoder's A-V
// correction drops, an encoder's last audio block. A muxer that loses the end of a part, or
// pictures doubled all through it, go beyond it.
constexpr double kLengthMargin = 0.25;
constexpr qint32 kISOBackupID = 1000002;

// The words ffprobe's format_name holds for an output of each suffix.
const std::map<QString, QString> kFormatOfSuffix = {
    {QStringLiteral("mp4"), QStringLiteral("mp4")},  {QStringLiteral("m4v"), QStringLiteral("mp4")},
    {QStringLiteral("m4a"), QStringLiteral("mp4")},  {QStringLiteral("mov"), QStringLiteral("mov")},
    {QStringLiteral("3gp"), QStringLiteral("3gp")},  {QStringLiteral("avi"), QStringLiteral("avi")},
    {QStringLiteral("wmv"), QStringLiteral("asf")},  {QStringLiteral("flv"), QStringLiteral("flv")},
    {QStringLiteral("mpg"), QStringLiteral("mpeg")}, {QStringLiteral("vob"), QStringLiteral("mpeg")},
    {QStringLiteral("ts"), QStringLiteral("mpegts")}, {QStringLiteral("mts"), QStringLiteral("mpegts")},
    {QStringLiteral("m2ts"), QStringLiteral("mpegts")}, {QStringLiteral("mkv"), QStringLiteral("matroska")},
    {QStringLiteral("mp3"), QStringLiteral("mp3")},  {QStringLiteral("ac3"), QStringLiteral("ac3")},
};

// ffprobe's codec name for a profile's codec word; "keep origin" copies (or, for the Matroska
// backup, converts) the disc's own, of which only the presence is checked: "".
const std::map<QString, QString> kCodecOfWord = {
    {QStringLiteral("H264"), QStringLiteral("h264")},  {QStringLiteral("MPEG4"), QStringLiteral("mpeg4")},
    {QStringLiteral("XVID"), QStringLiteral("mpeg4")}, {QStringLiteral("DIVX"), QStringLiteral("mpeg4")},
    {QStringLiteral("MPEG2"), QStringLiteral("mpeg2video")}, {QStringLiteral("WMV2"), QStringLiteral("wmv2")},
    {QStringLiteral("FLV"), QStringLiteral("flv1")},   {QStringLiteral("AAC"), QStringLiteral("aac")},
    {QStringLiteral("MP3"), QStringLiteral("mp3")},    {QStringLiteral("AC3"), QStringLiteral("ac3")},
    {QStringLiteral("MP2"), QStringLiteral("mp2")},
};

// The codec a field asks for; "" for "keep origin". A word with no entry fails the test, so that a
// new one is given its expectation.
QString expectedCodec(const std::shared_ptr<NXProfileInfoBase> &field)
{
    const QString word = field->currentValue();
    if (IsKeepOriginString(word))
        return {};
    const auto found = kCodecOfWord.find(word.toUpper());
    if (found == kCodecOfWord.end()) {
        ADD_FAILURE() << "no codec expected for the profile's word " << word.toStdString();
        return {};
    }
    return found->second;
}

class DVDEveryProfile : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        logFile = filestest::freshLog(logDir);
        useOutputFolder(out.path());
    }
    QTemporaryDir logDir;
    QTemporaryDir out;
    QString logFile;
};

// The ISO backup copies the whole disc: the image loads as the same DVD.
void expectTheDiscAgain(const QString &image, const DNDVDNode &disc)
{
    QString error;
    const DNDVDNodePtr copy = NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(image), &error);
    ASSERT_TRUE(copy) << error.toStdString();
    ASSERT_EQ(copy->titleCount(), disc.titleCount());
    for (int i = 0; i < disc.titleCount(); ++i)
        EXPECT_NEAR(copy->titleAt(i)->length(), disc.titleAt(i)->length(), 1);
}

} // namespace

TEST_P(DVDEveryProfile, WritesTheWholeTitleAsItsFieldsAsk)
{
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/pal"), QString::fromStdString(GetParam()));
    ASSERT_TRUE(node);
    const std::shared_ptr<DNProfile> profile = node->profile();
    const DNDVDTitlePtr title = node->titleAt(kTitleIndex);
    ASSERT_TRUE(title);

    ASSERT_EQ(DNVideoConverterStart(node.get(), kTitleIndex, nullptr, nullptr), 0)
        << filestest::readText(logFile).right(4000).toStdString();
    const QString output = title->outputName();
    ASSERT_TRUE(QFileInfo(output).isFile()) << output.toStdString();
    EXPECT_EQ(filesIn(out.path()), QStringList{QFileInfo(output).fileName()});
    if (profile->GlobalID() == kISOBackupID) {
        expectTheDiscAgain(output, *node);
        return;
    }

    const QJsonObject probe = testsupport::ffprobe(output);
    const QString suffix = profile->fileNameSuffix().toLower();
    ASSERT_TRUE(kFormatOfSuffix.count(suffix)) << "no container expected for the suffix " << suffix.toStdString();
    EXPECT_TRUE(formatNameOf(probe).split(QLatin1Char(',')).contains(kFormatOfSuffix.at(suffix)))
        << formatNameOf(probe).toStdString();

    const double seconds = title->length();
    const QStringList videoCodecs = codecsOf(probe, QStringLiteral("video"));
    testsupport::DecodedSpan picture;
    if (profile->videoCodec()) {
        const QString codec = expectedCodec(profile->videoCodec());
        ASSERT_EQ(videoCodecs.size(), 1) << videoCodecs.join(QLatin1Char(' ')).toStdString();
        if (!codec.isEmpty()) {
            EXPECT_EQ(videoCodecs.first(), codec);
        }
        // The picture fits the profile's frame and touches two of its sides.
        const QString frame = profile->videoResolution() ? profile->videoResolution()->currentValue() : QString();
        if (!frame.isEmpty() && !IsKeepOriginResolution(frame)) {
            const QStringList sides = frame.split(QLatin1Char('x'));
            ASSERT_EQ(sides.size(), 2) << frame.toStdString();
            const QJsonObject video = firstStream(probe, QStringLiteral("video"));
            const int width = video.value(QStringLiteral("width")).toInt();
            const int height = video.value(QStringLiteral("height")).toInt();
            SCOPED_TRACE(QStringLiteral("picture %1x%2 in %3").arg(width).arg(height).arg(frame).toStdString());
            EXPECT_LE(width, sides.at(0).toInt());
            EXPECT_LE(height, sides.at(1).toInt());
            EXPECT_TRUE(width == sides.at(0).toInt() || height == sides.at(1).toInt());
        }
        picture = testsupport::decodedSpan(output, QStringLiteral("v"));
        EXPECT_NEAR(picture.seconds(), seconds, kLengthMargin) << picture.frames << " pictures decode";
        // No picture is missing inside: no step between two is half as long again as the others.
        if (picture.frames > 0) {
            EXPECT_LE(picture.longestStep, 1.5 * picture.seconds() / picture.frames) << picture.frames << " pictures decode";
        }
    } else {
        EXPECT_TRUE(videoCodecs.isEmpty()) << videoCodecs.join(QLatin1Char(' ')).toStdString();
    }

    // The title has sound, and the profile's default takes its first track (AC-3, 440 Hz).
    const QStringList audioCodecs = codecsOf(probe, QStringLiteral("audio"));
    ASSERT_FALSE(audioCodecs.isEmpty());
    if (profile->audioCodec()) {
        const QString codec = expectedCodec(profile->audioCodec());
        EXPECT_EQ(audioCodecs.first(), codec.isEmpty() ? QStringLiteral("ac3") : codec);
    }
    const testsupport::DecodedSpan sound = testsupport::decodedSpan(output, QStringLiteral("a"));
    EXPECT_NEAR(sound.seconds(), seconds, kLengthMargin);
    if (picture.frames > 0) {
        // Sound and picture start together, and the sound lasts to the picture's end.
        EXPECT_NEAR(sound.start, picture.start, kLengthMargin);
        EXPECT_GE(sound.end, picture.end - kLengthMargin);
    }
    const auto tone = testsupport::measureTone(output, 0, 0.5, 2.0);
    ASSERT_TRUE(tone);
    EXPECT_GT(tone->rmsDb, -40.0);
    EXPECT_NEAR(tone->frequencyHz, 440.0, 20.0);
}

INSTANTIATE_TEST_SUITE_P(EveryShippedProfile, DVDEveryProfile, ::testing::ValuesIn(shippedProfileFiles(DNProfileKindDVD)),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             return testsupport::testName(info.param.substr(0, info.param.rfind('.')).c_str());
                         });
