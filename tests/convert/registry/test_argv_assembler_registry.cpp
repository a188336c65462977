// The builder tables: their names and order, the byte-wise lookups, the forwards of the device
// rows, the group hand-over, the vector print and the profile self-check.

#include "builders/mencoder/DNMEDVDArgvMerge.h"
#include "builders/mencoder/DNMEDVDArgv_AVC.h"
#include "builders/mencoder/DNMEDVDArgv_AVI.h"
#include "builders/mencoder/DNMEDVDArgv_H264.h"
#include "convert/registry/ArgvAssemblerFamilies.h"
#include "convert/registry/ArgvAssemblerNames.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "core/plist/DNPropertyList.h"
#include "dvd/DNDVDGroupTitle.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"
#include "registry_test_support.h"
#include "support/capture.h"

#include <QSet>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <functional>

using namespace dvdbuildertest;

namespace {

using testsupport::capturedText;

TEST(ArgvAssemblerTables, HoldTheirNamesInTableOrder)
{
    const auto names = DVDArgvAssemblerNames();
    ASSERT_EQ(names.size(), 299u);
    EXPECT_STREQ(names[0], "DVD_To_iPhone3GSAndBelow_H264_With_MEncoder");
    EXPECT_STREQ(names[298], "DVD_To_MobileZen_WMV2_With_MEncoder");
    EXPECT_STREQ(names[263], "DVD_to_MSXbox_MPEG4_With_Mencoder");
    EXPECT_STREQ(names[264], "DVD_to_MSXbox_MPEG4_With_Mencoder");
    EXPECT_EQ(VideoArgvAssemblerNames().size(), 42u);

    // Each table is the name list with the rows not yet built left out, in the same order.
    const auto check = [](std::span<const ArgvAssemblerTableRow> table, std::span<const char *const> all) {
        size_t at = 0;
        for (const ArgvAssemblerTableRow &row : table) {
            ASSERT_NE(row.function, nullptr) << row.name;
            while (at < all.size() && std::strcmp(all[at], row.name) != 0)
                ++at;
            ASSERT_LT(at, all.size()) << row.name << " is out of order or not a table name";
            ++at;
        }
    };
    check(DVDArgvAssemblerTable(), DVDArgvAssemblerNames());
    check(VideoArgvAssemblerTable(), VideoArgvAssemblerNames());
}

TEST(ArgvAssemblerTables, EveryForwardIsATableRowOrLeadsOnFromOne)
{
    // A forward that is neither a table name nor the target of another forward can never be
    // reached: its name is misspelt.
    QSet<QByteArray> known;
    for (const char *name : DVDArgvAssemblerNames())
        known.insert(name);
    for (const char *name : VideoArgvAssemblerNames())
        known.insert(name);
    for (const auto family : AllArgvAssemblerFamilies())
        for (const ArgvAssemblerRow &row : family())
            if (row.forwardsTo)
                known.insert(row.forwardsTo);
    for (const auto family : AllArgvAssemblerFamilies())
        for (const ArgvAssemblerRow &row : family())
            if (row.forwardsTo) {
                EXPECT_TRUE(known.contains(QByteArray(row.name))) << row.name << " can never be reached";
            }
}

TEST(ArgvAssemblerLookup, ComparesByteForByte)
{
    const ArgvAssemblerFunction iphone = ArgvAssemblerForName("DVD_To_iPhone5_H264_With_MEncoder");
    EXPECT_EQ(iphone, &DVD_To_H264_ByFileSuffix_With_MEncoder);
    EXPECT_EQ(ArgvAssemblerForName("DVD_To_iphone5_H264_With_MEncoder"), nullptr);
    EXPECT_EQ(ArgvAssemblerForName("DVD_To_iPhone5_H264_With_Mencoder"), nullptr);
    EXPECT_EQ(ArgvAssemblerForName("DVD_To_iPhone5_H264_With_MEncoder "), nullptr);
    EXPECT_EQ(ArgvAssemblerForName(""), nullptr);
    EXPECT_EQ(ArgvAssemblerForName(nullptr), nullptr);
    // A builder that is not a row is not a profile key.
    EXPECT_EQ(ArgvAssemblerForName("DVD_To_H264_ByFileSuffix_With_MEncoder"), nullptr);
    EXPECT_EQ(ArgvAssemblerForName("DVD_To_PS_H264_With_MEncoder"), nullptr);
    EXPECT_EQ(RegisteredArgvAssemblerForName("DVD_To_PS_H264_With_MEncoder"), &DVD_To_PS_H264_With_MEncoder);
}

TEST(ArgvAssemblerLookup, DeviceRowsLeadToTheirCoreBuilders)
{
    struct Row { const char *name; ArgvAssemblerFunction builder; };
    const Row rows[] = {
        {"DVD_To_HTCOneX_H264_With_MEncoder", DVD_To_H264_ByFileSuffix_With_MEncoder},
        {"DVD_to_Pad_Asus_TransformerPad_InfinityTF700T_H264_With_MEncoder", DVD_To_H264_ByFileSuffix_With_MEncoder},
        {"DVD_To_iPodClassic_H264_With_MEncoder", DVD_To_H264_ByFileSuffix_With_MEncoder},
        {"DVD_To_WP8_SamsungAtivS_MOV_H264_With_MEncoder", DVD_To_H264_ByFileSuffix_With_MEncoder},
        {"DVD_to_MSZuneHD_H264_With_Mencoder", DVD_To_H264_ByFileSuffix_With_MEncoder},
        {"DVD_To_Nokia_H264_3GP_With_MEncoder", DVD_To_H264_ByFileSuffix_With_MEncoder},
        {"DVD_To_SonyPSP_AVC_With_MEncoder", DVD_To_H264_PSP_With_MEncoder},
        {"DVD_To_HTCOneX_AVI_With_MEncoder", DVD_To_AVI_ByVideoCodec_With_MEncoder},
        {"DVD_To_Android_MediaPad10FHD_AVI_With_MEncoder", DVD_To_AVI_ByVideoCodec_With_MEncoder},
        {"DVD_to_MSXbox_AVI_With_Mencoder", DVD_To_AVI_ByVideoCodec_With_MEncoder},
        {"DVD_To_MobileZen_DivX_With_MEncoder", DVD_To_AVI_ByVideoCodec_With_MEncoder},
        {"DVD_to_BlackBerry_XviDDviX_With_Mencoder", DVD_To_AVI_ByVideoCodec_With_MEncoder},
        {"DVD_To_PCGen_AVC_With_MEncoder", DVD_To_AVC_Default_With_MEncoder},
    };
    for (const Row &row : rows)
        EXPECT_EQ(DVDArgvAssemblerForName(row.name), row.builder) << row.name;
    // The Galaxy Note "AVI" row goes to the Android MPEG-4 wrapper, not to the AVI choice.
    EXPECT_EQ(DVDArgvAssemblerForName("DVD_To_Android_GalaxyNote_AVI_With_MEncoder"),
              RegisteredArgvAssemblerForName("DVD_To_Android_MPEG4_With_MEncoder"));
    EXPECT_NE(DVDArgvAssemblerForName("DVD_To_Android_GalaxyNote_AVI_With_MEncoder"),
              &DVD_To_AVI_ByVideoCodec_With_MEncoder);
    // The row that stands twice finds the same builder.
    int count = 0;
    ArgvAssemblerFunction twice = nullptr;
    for (const ArgvAssemblerTableRow &row : DVDArgvAssemblerTable()) {
        if (std::strcmp(row.name, "DVD_to_MSXbox_MPEG4_With_Mencoder") == 0) {
            ++count;
            EXPECT_TRUE(twice == nullptr || twice == row.function);
            twice = row.function;
        }
    }
    EXPECT_EQ(count, twice ? 2 : 0);
    EXPECT_EQ(DVDArgvAssemblerForName("DVD_to_MSXbox_MPEG4_With_Mencoder"), twice);
}

TEST(ArgvAssemblerLookup, AndroidSuffixChoosesTheContainer)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("Android_GalaxyS3_H264.plist"));
    ASSERT_TRUE(node);
    const ArgvAssemblerFunction builder = ArgvAssemblerForName("DVD_To_Android_GalaxyS3_H264_With_MEncoder");
    ASSERT_TRUE(builder);
    for (const auto &[suffix, format] : {std::pair{"MOV", "format=mov"}, std::pair{"mp4", "format=ipod"},
                                         std::pair{"m4v", "format=ipod"}}) {
        node->profile()->setFileNameSuffix(QString::fromLatin1(suffix));
        ArgumentPtr argument(builder(node.get(), 0, passOptions(out.path())));
        ASSERT_TRUE(argument);
        EXPECT_TRUE(words(argument.get()).contains(QString::fromLatin1(format))) << suffix;
    }
}

TEST(GroupSources, GoToTheirFamilysJoiningBuilder)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_TRUE(DVDArgvAssemblerTable().size() > 0); // the registry serves the hand-over by name
    struct Row { ArgvAssemblerFunction builder; ArgvAssemblerFunction joiner; int joinerTitle; const char *profile; };
    const Row rows[] = {
        {DVD_To_H264_ByFileSuffix_With_MEncoder, Merge_DVDTitle_To_H264_Default_With_MEncoder, -1, "iPhone5_H264.plist"},
        {DVD_To_PS_H264_With_MEncoder, Merge_DVDTitle_To_H264_Default_With_MEncoder, -1, "PCGen_AVC.plist"},
        {DVD_To_AVC_Default_With_MEncoder, Merge_DVDTitle_To_AVC_Default_With_MEncoder, 0, "PCGen_AVC.plist"},
        {DVD_To_AVI_DIVX_Default_With_MEncoder, Group_DVDTitle_To_AVI_With_MEncoder, 0, "Android_GalaxyS3_AVI.plist"},
        {DVD_To_AVI_XVID_Default_With_MEncoder, Group_DVDTitle_To_AVI_With_MEncoder, 0, "Android_GalaxyS3_AVI.plist"},
    };
    for (const Row &row : rows) {
        DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(row.profile));
        ASSERT_TRUE(node);
        node->setMergeIntoOne(true);
        for (const DNDVDTitlePtr &title : node->titles())
            title->setOutputName(out.filePath(QStringLiteral("part_%1.mp4").arg(title->index())));
        const DNDVDGroupTitlePtr group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(node);
        ASSERT_TRUE(group);
        ArgumentPtr built(row.builder(group.get(), 0, passOptions(out.path())));
        ArgumentPtr joined(row.joiner(group.get(), row.joinerTitle, passOptions(out.path())));
        ASSERT_TRUE(built);
        ASSERT_TRUE(joined);
        EXPECT_EQ(words(built.get()), words(joined.get())) << row.profile;
        EXPECT_EQ(built->endpos, joined->endpos);
    }
}

TEST(PrintArgument, PrintsTheCountAndTheArgumentsBetweenStarLines)
{
    ArgumentPtr argument(CreateArgument());
    ASSERT_TRUE(AppendArguments(argument.get(), {"encoder", "dvd://1", "-o", "a b.mp4"}));
    const QString stars(82, QLatin1Char('*'));
    EXPECT_EQ(capturedText([&](std::FILE *f) { PrintArgument(argument.get(), f); }),
              stars + "\nargument count: 4\n\nencoder dvd://1 -o a b.mp4 \n\n" + stars + "\n");
    EXPECT_EQ(capturedText([](std::FILE *f) { PrintArgument(nullptr, f); }), QString());
}

TEST(CheckDVDArgvAssemblers, NamesEveryFaultAndSummarises)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto profile = [&](const char *file, const QVariant &builder) { registrytest::writeProfile(dir, file, builder); };
    profile("A.plist", QStringLiteral("DVD_To_iPhone5_H264_With_MEncoder"));
    profile("B.plist", QStringLiteral("DVD_To_iPhone5_H264_With_MEncoder"));
    profile("C.plist", QStringLiteral("DVD_To_Nowhere_With_MEncoder"));
    profile("D.plist", QStringLiteral("abc"));
    profile("E.plist", QVariant());
    profile("Category_List.plist", QStringLiteral("abc")); // category lists are not profiles

    bool passed = true;
    const QString report = capturedText([&](std::FILE *f) { passed = CheckDVDArgvAssemblers(dir.path(), f); });
    EXPECT_FALSE(passed);
    EXPECT_EQ(report, QStringLiteral("Code没有实现转换函数: DVD_To_Nowhere_With_MEncoder\n"
                                     "Plist没有定义转换函数: D.plist\n"
                                     "Plist没有定义转换函数: E.plist\n"
                                     "DVD:  总计5个Profile, 2个函数, 检查失败 ❌\n"));

    QTemporaryDir good;
    ASSERT_TRUE(good.isValid());
    ASSERT_TRUE(writePropertyList(QVariantMap{{QStringLiteral("ArgvAssembler"), QStringLiteral("DVD_To_PCGen_AVC_With_MEncoder")}},
                                  good.filePath(QStringLiteral("P.plist")), DNPropertyListFormat::XML));
    EXPECT_EQ(capturedText([&](std::FILE *f) { passed = CheckDVDArgvAssemblers(good.path(), f); }),
              QStringLiteral("DVD:  总计1个Profile, 1个函数, 检查成功 ✅\n"));
    EXPECT_TRUE(passed);
}

TEST(CheckDVDArgvAssemblers, EveryShippedProfileOfTheseFamiliesFindsItsBuilder)
{
    QTemporaryDir dir;
    const QString report = capturedText([](std::FILE *f) {
        CheckDVDArgvAssemblers(DNBundle::pathForResource(QStringLiteral("profiles/DVD")), f);
    });
    EXPECT_FALSE(report.contains(QStringLiteral("Plist没有定义转换函数"))) << report.toStdString();
    // The device, H.264, AVC and AVI rows are all built; any row still missing is another family's.
    for (const QString &line : report.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QStringLiteral("Code没有实现转换函数: ")))
            continue;
        const QString name = line.section(QStringLiteral(": "), 1);
        EXPECT_FALSE(name.contains(QStringLiteral("H264")) || name.contains(QStringLiteral("AVC"))
                     || name.contains(QStringLiteral("AVI")) || name.contains(QStringLiteral("DivX"))
                     || name.contains(QStringLiteral("XviD")))
            << name.toStdString();
    }
}

} // namespace
