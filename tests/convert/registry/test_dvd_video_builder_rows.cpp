// The rows that lead to the MPEG-2, transport-stream, WMV, FLV and MPEG-4 builders, and every
// shipped DVD profile that reaches them: the profile's values must be what the builder hands to
// the engine.

#include "builders/mencoder/DNMEDVDArgvFLV.h"
#include "builders/mencoder/DNMEDVDArgvMPEG2.h"
#include "builders/mencoder/DNMEDVDArgvMPEG4.h"
#include "builders/mencoder/DNMEDVDArgvTS.h"
#include "builders/mencoder/DNMEDVDArgvWMV.h"
#include "builders/common/FrameRate.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "profiles/DNProfileKeepOrigin.h"
#include "profiles/NXProfileInfoBase.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace dvdbuildertest;

namespace {

struct RowTarget
{
    const char *row;
    ArgvAssemblerFunction target;
};

const RowTarget rowTargets[] = {
    {"DVD_to_M2TS_Video_H264_With_Mencoder", DVD_To_TS_H264_Default_With_MEncoder},
    {"DVD_to_MTS_Video_H264_With_Mencoder", DVD_To_TS_H264_Default_With_MEncoder},
    {"DVD_to_TS_Video_H264_With_Mencoder", DVD_To_TS_H264_Default_With_MEncoder},
    {"DVD_to_M2TS_Video_MPEG2_With_Mencoder", DVD_To_TS_MPEG2_Default_With_MEncoder},
    {"DVD_to_MTS_Video_MPEG2_With_Mencoder", DVD_To_TS_MPEG2_Default_With_MEncoder},
    {"DVD_to_TS_Video_MPEG2_With_Mencoder", DVD_To_TS_MPEG2_Default_With_MEncoder},
    {"DVD_to_M2TS_Video_MPEG4_With_Mencoder", DVD_To_TS_MPEG4_Default_With_MEncoder},
    {"DVD_to_MTS_Video_MPEG4_With_Mencoder", DVD_To_TS_MPEG4_Default_With_MEncoder},
    {"DVD_to_TS_Video_MPEG4_With_Mencoder", DVD_To_TS_MPEG4_Default_With_MEncoder},
    {"DVD_To_SonyPS3_MPEG2_With_MEncoder", DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder},
    {"DVD_To_SonyPSP_MPEG4_With_MEncoder", DVD_To_PSP_MPEG4_With_MEncoder},
    {"DVD_To_MobileZen_MPEG4_With_MEncoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_to_Sony_Tablet_MPEG4_With_Mencoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_To_SonyPS3_MPEG4_With_MEncoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_To_Nokia_MPEG4_3GP_With_MEncoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_To_Nokia_MPEG4_With_MEncoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_To_MobilePDA_MPEG4_With_MEncoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_to_BlackBerry_MPEG_3GP_With_Mencoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_to_BlackBerry_MPEG_With_Mencoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_to_BlackBerryTORCH9860_MPEG4_With_Mencoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_to_BlackBerry_PB_MPEG4_With_Mencoder", DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder},
    {"DVD_To_MobileZen_WMV2_With_MEncoder", DVD_To_WMV_MP3_Default_With_MEncoder},
    {"DVD_To_SonyPS3_WMV2_With_MEncoder", DVD_To_WMV_MP3_Default_With_MEncoder},
    {"DVD_to_BlackBerry_WMV2_With_Mencoder", DVD_To_WMV_MP3_Default_With_MEncoder},
    {"DVD_To_Video_Youtube_FLV_With_MEncoder", DVD_To_FLV_With_MEncoder},
    {"DVD_To_Video_Facebook_FLV_With_MEncoder", DVD_To_FLV_With_MEncoder},
};

const ArgvAssemblerFunction ourBuilders[] = {
    DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder, DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder,
    DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder, DVD_To_TS_H264_Default_With_MEncoder,
    DVD_To_TS_MPEG2_Default_With_MEncoder, DVD_To_TS_MPEG4_Default_With_MEncoder,
    DVD_To_WMV_MP3_Default_With_MEncoder, DVD_To_FLV_With_MEncoder,
    DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder, DVD_To_PSP_MPEG4_With_MEncoder,
    DVD_To_MP4_MPEG4_With_MEncoder, DVD_To_PS_MPEG4_With_MEncoder,
};

bool isOurs(ArgvAssemblerFunction function)
{
    return std::find(std::begin(ourBuilders), std::end(ourBuilders), function) != std::end(ourBuilders);
}

QString value(const std::shared_ptr<NXProfileInfoBase> &field)
{
    return field ? field->currentValue() : QString();
}

bool isPositiveNumber(const QString &text)
{
    bool ok = false;
    return text.toDouble(&ok) > 0 && ok;
}

} // namespace

TEST(DVDVideoBuilderRows, RowsLeadToTheirBuilders)
{
    for (const RowTarget &row : rowTargets)
        EXPECT_EQ(DVDArgvAssemblerForName(row.row), row.target) << row.row;
    // Entries that no table row names are still offered under their own names.
    EXPECT_EQ(RegisteredArgvAssemblerForName("DVD_To_PS_MPEG4_With_MEncoder"), DVD_To_PS_MPEG4_With_MEncoder);
    EXPECT_EQ(RegisteredArgvAssemblerForName("DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder"),
              DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder);
    EXPECT_EQ(RegisteredArgvAssemblerForName("DVD_To_MP4_MPEG4_With_MEncoder"), DVD_To_MP4_MPEG4_With_MEncoder);
}

// Every shipped profile whose row reaches these builders gets a vector the engine can take: the
// values handed on as numbers are numbers, the rate is one the encoder knows, and the MPEG-4
// codec is an encoder name.
TEST(DVDVideoBuilderRows, ShippedProfilesFitTheirBuilder)
{
    const QString folder = DNBundle::pathForResource(QStringLiteral("profiles/DVD"));
    QDirIterator files(folder, {QStringLiteral("*.plist")}, QDir::Files);
    int reached = 0;
    QTemporaryDir out;
    while (files.hasNext()) {
        const QString path = files.next();
        if (QFileInfo(path).fileName().startsWith(QLatin1String("Category")))
            continue;
        const auto profile = DNProfile::parserFromContentOfFile(path);
        const QByteArray row = profile->argvAssembler().toUtf8();
        const ArgvAssemblerFunction builder = DVDArgvAssemblerForName(row.constData());
        if (!isOurs(builder))
            continue;
        ++reached;
        SCOPED_TRACE(QFileInfo(path).fileName().toStdString());
        EXPECT_TRUE(isPositiveNumber(value(profile->videoQuality()))) << value(profile->videoQuality()).toStdString();
        EXPECT_TRUE(isPositiveNumber(value(profile->audioQuality()))) << value(profile->audioQuality()).toStdString();
        EXPECT_TRUE(isPositiveNumber(value(profile->audioSampleRate())));
        EXPECT_TRUE(isPositiveNumber(value(profile->audioChannel())));
        const QString rate = value(profile->videoFrameRate());
        EXPECT_TRUE(IsKeepOriginFrameRate(rate) || isPositiveNumber(rate)) << rate.toStdString();
        const QString aspect = value(profile->videoAspect());
        EXPECT_TRUE(IsKeepOriginAspect(aspect)
                    || QRegularExpression(QStringLiteral("^[0-9.]+x[0-9.]+$")).match(aspect).hasMatch())
            << aspect.toStdString();
        if (builder == DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder || builder == DVD_To_PSP_MPEG4_With_MEncoder
            || builder == DVD_To_TS_MPEG4_Default_With_MEncoder) {
            EXPECT_EQ(value(profile->videoCodec()), QStringLiteral("mpeg4"));
        }
        if (builder == DVD_To_FLV_With_MEncoder) {
            EXPECT_TRUE(QList<QString>({"11025", "22050", "44100"}).contains(value(profile->audioSampleRate())))
                << "MP3 in FLV takes 11025, 22050 or 44100 Hz";
        }

        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString());
        ASSERT_TRUE(node);
        node->setProfile(profile);
        ArgumentPtr argument(builder(node.get(), 0, passOptions(out.path())));
        ASSERT_TRUE(argument);
        EXPECT_TRUE(ArgumentIsUsable(argument.get()));
        EXPECT_TRUE(node->titleAt(0)->outputName().endsWith(QLatin1Char('.') + profile->fileNameSuffix()));
    }
    EXPECT_GT(reached, 0);
}
