// Which of an engine's last lines tells the user why a pass failed, which reason of a run is
// kept, and how a reason reads.
#include "convert/driver/ConvertFailureNote.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

struct EngineCase
{
    const char *name;
    QStringList lines;
    const char *reason;
};

class EngineReason : public ::testing::TestWithParam<EngineCase>
{
};

TEST_P(EngineReason, IsTheLastLineThatNamesTheProblem)
{
    beginEnginePass();
    for (const QString &line : GetParam().lines)
        noteEngineLine(line);
    EXPECT_EQ(engineFailureReason(), QString::fromUtf8(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Engines, EngineReason,
    ::testing::Values(
        EngineCase{"DamagedInput",
                   {"encoder vector: -i /m/a.mp4 -c:v libx264 /o/a.mp4",
                    "[mov,mp4,m4a,3gp,3g2,mj2 @ 0x55d0] moov atom not found",
                    "[in#0 @ 0x55d1] Error opening input: Invalid data found when processing input",
                    "Error opening input file /m/a.mp4.", "Error opening input files: Invalid data found when processing input",
                    "ffmpeg failed with status 183"},
                   "Error opening input files: Invalid data found when processing input"},
        EngineCase{"FullDisk",
                   {"[out#0/mp4 @ 0x1] Error writing trailer: No space left on device", "Conversion failed!",
                    "ffmpeg failed with status 1"},
                   "Error writing trailer: No space left on device"},
        EngineCase{"MEncoderThroughItsCompanion",
                   {"hvvideocore: mencoder: -dvd-device /d dvd://1 -o /o/a.avi", "hvvideocore: Cannot open file/device.",
                    "hvvideocore: Exiting...", "hvvideocore: pass failed: mencoder ended with status 1"},
                   "Cannot open file/device."},
        EngineCase{"EngineThatNeverRan",
                   {"hvvideocore: ffmpeg: /usr/bin/ffmpeg -i /t/part1.avi /o/a.mp4",
                    "hvvideocore: pass failed: could not start /usr/bin/ffmpeg: No such file or directory"},
                   "pass failed: could not start /usr/bin/ffmpeg: No such file or directory"},
        EngineCase{"HandBrakeThroughItsCompanion",
                   {"dvd2mkv: backup vector: encoder -i /d -m -f mkv -t 9 -o /o/.a_T9.mkv",
                    "[08:17:32] Invalid VTS (title set) number: 0", "No title found.",
                    "dvd2mkv: HandBrakeCLI failed with status 2"},
                   "No title found."},
        EngineCase{"OnlyTheClosingLine", {"frame done", "ffmpeg failed with status 1"}, "ffmpeg failed with status 1"},
        EngineCase{"NoLines", {}, ""}),
    [](const ::testing::TestParamInfo<EngineCase> &info) { return std::string(info.param.name); });

struct FailureCase
{
    const char *name;
    QStringList lines;
    const char *reason;        // in English
    const char *inGerman = ""; // the same with the numbers in German, where it holds any
};

void PrintTo(const FailureCase &failure, std::ostream *out)
{
    *out << failure.name;
}

class EngineFailure : public ::testing::TestWithParam<FailureCase>
{
};

// The output check's finding outweighs what the engine said on its way; its lengths are facts
// written in the reader's locale.
TEST_P(EngineFailure, IsTheOutputChecksFindingElseTheEnginesLineElseItsResult)
{
    beginEnginePass();
    for (const QString &line : GetParam().lines)
        noteEngineLine(line);
    const ConvertFailureReason reason = engineFailure(QStringLiteral("AV encoder"), 1);
    EXPECT_EQ(reason.text(), QString::fromUtf8(GetParam().reason));
    if (*GetParam().inGerman) {
        EXPECT_EQ(reason.text([](const char *english) { return QString::fromUtf8(english); }, QLocale(QLocale::German)),
                  QString::fromUtf8(GetParam().inGerman));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EngineFailure,
    ::testing::Values(
        // A "fast start" MP4 cut to its first 3 %: ffmpeg complains of its input and ends well.
        FailureCase{"CutSourceAfterComplaints",
                    {"[mov,mp4,m4a,3gp,3g2,mj2 @ 0x55aa] stream 1, offset 0x6b3f: partial file",
                     "Error while decoding stream #0:0: Invalid data found when processing input",
                     "ffmpeg reported success but the output lasts 6.1 s where 20.0 s were expected"},
                    "the output lasts 6.1 s where 20.0 s were expected: the source may be cut short",
                    "the output lasts 6,1 s where 20,0 s were expected: the source may be cut short"},
        FailureCase{"OtherFindingOfTheCheck",
                    {"Error while decoding stream #0:0: Invalid data found when processing input",
                     "HandBrakeCLI reported success but the output /o/a.mkv holds no stream"},
                    "the output is not whole: the output /o/a.mkv holds no stream"},
        FailureCase{"NoFindingTheEnginesLine",
                    {"[out#0/mp4 @ 0x1] Error writing trailer: No space left on device", "ffmpeg failed with status 1"},
                    "the AV encoder engine failed: Error writing trailer: No space left on device"},
        FailureCase{"NothingButTheResult", {"frame done"}, "the AV encoder engine failed (result 1)"}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

TEST(ConvertFailureNote, TheFirstReasonOfARunIsKept)
{
    beginConvertFailureNote();
    EXPECT_TRUE(convertFailureNote().isEmpty());
    noteConvertFailure(ConvertFailureKind::Unexplained, {QStringLiteral("  ")});
    noteConvertFailure(ConvertFailureKind::EngineFailed, {QStringLiteral("AV encoder"), QStringLiteral("No space left on device")});
    noteConvertFailure(ConvertFailureKind::GroupMemberNotMedia);
    EXPECT_EQ(convertFailureNote().kind(), ConvertFailureKind::EngineFailed);
    EXPECT_EQ(convertFailureNote().text(), QStringLiteral("the AV encoder engine failed: No space left on device"));
    beginConvertFailureNote();
    EXPECT_TRUE(convertFailureNote().isEmpty());
}

// The framing words come from the reader's translation, sizes and numbers in its locale; the
// facts stay as they are, a "%1" in a path included.
TEST(ConvertFailureReason, FramesItsFactsInTheReadersWords)
{
    const ConvertFailureReason full(ConvertFailureKind::DiskFull, {QStringLiteral("/media/100%1 full"),
                                                                  ConvertFailureDetail::bytes(3 * 1024 * 1024),
                                                                  ConvertFailureDetail::bytes(1536)});
    const ConvertFailureReason slideshow(ConvertFailureKind::SlideshowNotMade, {full});
    EXPECT_EQ(slideshow.text(), QStringLiteral("the slideshow was not made: the disk of /media/100%1 full ran out of space "
                                               "during the pass: the output needs about 3.00 MiB and the disk has 1.50 KiB free"));

    const auto german = [](const char *english) {
        const QString text = QString::fromUtf8(english);
        if (text == QLatin1String("the slideshow was not made: %1"))
            return QStringLiteral("die Diashow wurde nicht erstellt: %1");
        if (text.startsWith(QLatin1String("the disk of %1")))
            return QStringLiteral("auf %1 fehlt Platz: %2 gebraucht, %3 frei");
        return text;
    };
    EXPECT_EQ(slideshow.text(german, QLocale(QLocale::German)),
              QStringLiteral("die Diashow wurde nicht erstellt: auf /media/100%1 full fehlt Platz: 3,00 MiB gebraucht, "
                             "1,50 KiB frei"));
}

} // namespace
