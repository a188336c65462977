// One vector of each video family (MPEG-2, transport stream, WMV, FLV, MPEG-4) run through the
// MEncoder bridge on the authored NTSC disc, with the profile's own row, read back with ffprobe.

#include "builders/mencoder/DNMEDVDArgvMPEG4.h"
#include "convert/engine/DNMEncoder.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "support/ffprobe.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"
#include "EngineRunTestSupport.h"

#include <QJsonArray>
#include <QTemporaryDir>

using namespace dvdbuildertest;
using namespace enginerunstest;

namespace {

struct FamilyRun
{
    const char *profileFile;
    ArgvAssemblerFunction builder;   // null: the builder the profile's row leads to
    const char *format;              // ffprobe's format_name contains it
    const char *videoCodec;
    const char *audioCodec;
};

const FamilyRun runs[] = {
    {"PCGen_MPEG2_MP2.plist", nullptr, "mpeg", "mpeg2video", "mp2"},
    {"SonyPS3_MPEG2.plist", nullptr, "mpeg", "mpeg2video", "ac3"},
    {"TS_Video_H264.plist", nullptr, "mpegts", "h264", "aac"},
    {"M2TS_Video_MPEG2.plist", nullptr, "mpegts", "mpeg2video", "mp2"},
    {"MTS_Video_MPEG4.plist", nullptr, "mpegts", "mpeg4", "aac"},
    {"PCGen_WMV_MP3.plist", nullptr, "asf", "wmv2", "mp3"},
    {"Video_Youtube_FLV.plist", nullptr, "flv", "flv1", "mp3"},
    {"MacGen_MOV_MPEG4.plist", nullptr, "mov", "mpeg4", "aac"},
    {"SonyPSP_MPEG4.plist", nullptr, "mp4", "mpeg4", "aac"},
    {"PCGen_MP4_MPEG4.plist", DVD_To_PS_MPEG4_With_MEncoder, "mp4", "mpeg4", "aac"},
};

} // namespace

TEST(DVDVideoFamilyRuns, EachFamilyWritesItsContainerAndCodecs)
{
    for (const FamilyRun &run : runs) {
        SCOPED_TRACE(run.profileFile);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(run.profileFile));
        ASSERT_TRUE(node);
        ArgvAssemblerFunction builder = run.builder;
        if (!builder) {
            const QByteArray row = node->profile()->argvAssembler().toUtf8();
            builder = ArgvAssemblerForName(row.constData());
            ASSERT_NE(builder, nullptr) << row.constData();
        }
        const DNDVDTitlePtr title = node->titleAt(1);
        trimToStart(title, 3);
        title->setting()->setAudioIndex(0);
        ArgumentPtr argument(builder(node.get(), 1, passOptions(out.path())));
        ASSERT_TRUE(argument);
        ASSERT_EQ(runOnMEncoder(argument.get()), 0) << ArgumentText(argument.get()).toStdString() << "\n" << engineLines().join(u'\n').right(3000).toStdString();
        const QJsonObject probe = testsupport::ffprobe(title->outputName());
        EXPECT_TRUE(formatNameOf(probe).split(u',').contains(QLatin1String(run.format))) << formatNameOf(probe).toStdString();
        EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QString::fromLatin1(run.videoCodec)});
        EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), QStringList{QString::fromLatin1(run.audioCodec)});
        EXPECT_NEAR(durationOf(probe), 3.0, 0.7);
    }
}

TEST(DVDVideoFamilyRuns, TwoPassesWriteTheStatisticsThenTheFile)
{
    // Of these families only MPEG-4 reads the pass fields; the others give both passes their
    // single-pass vector, which the driver runs once.
    const struct
    {
        const char *profileFile;
        const char *videoCodec;
    } rows[] = {
        {"TS_Video_MPEG4.plist", "mpeg4"},
        {"MacGen_MOV_MPEG4.plist", "mpeg4"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.profileFile);
        QTemporaryDir out;
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(row.profileFile));
        ASSERT_TRUE(node);
        const QByteArray name = node->profile()->argvAssembler().toUtf8();
        const ArgvAssemblerFunction builder = ArgvAssemblerForName(name.constData());
        ASSERT_NE(builder, nullptr);
        const DNDVDTitlePtr title = node->titleAt(0);
        trimToStart(title, 2);
        VideoConvertOptions options = passOptions(out.path());
        options.twoPass = 1;
        const QString passLog = out.filePath(QStringLiteral("HV_twopass.log"));
        ASSERT_TRUE(SetOptionText(options.passLogFile, passLog));

        options.passIndex = 0;
        ArgumentPtr first(builder(node.get(), 0, options));
        ASSERT_TRUE(first);
        ASSERT_EQ(runOnMEncoder(first.get()), 0) << ArgumentText(first.get()).toStdString() << "\n" << engineLines().join(u'\n').right(3000).toStdString();
        EXPECT_TRUE(QFileInfo(passLog).size() > 0) << "the first pass writes the statistics";
        EXPECT_FALSE(QFileInfo::exists(title->outputName())) << "and no output";

        options.passIndex = 1;
        ArgumentPtr second(builder(node.get(), 0, options));
        ASSERT_TRUE(second);
        ASSERT_EQ(runOnMEncoder(second.get()), 0) << ArgumentText(second.get()).toStdString() << "\n" << engineLines().join(u'\n').right(3000).toStdString();
        const QJsonObject probe = testsupport::ffprobe(title->outputName());
        EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QString::fromLatin1(row.videoCodec)});
        EXPECT_NEAR(durationOf(probe), 2.0, 0.7);
    }
}
