// The file builder table: every row of its name list, found and built, byte for byte; the
// stand-in for a row whose builder is not built answers no vector; and the self-checks over a
// folder of file profiles and over the table.

#include "builders/avencoder/DNAVVideoArgv_H264.h"
#include "core/platform/DNBundle.h"
#include "convert/registry/ArgvAssemblerNames.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "dvd/file/DNFileNode.h"
#include "registry_test_support.h"
#include "support/capture.h"

TEST(FileBuilderTable, HoldsEveryRowInTableOrder)
{
    const auto table = VideoArgvAssemblerTable();
    const auto names = VideoArgvAssemblerNames();
    ASSERT_EQ(table.size(), names.size());
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_STREQ(table[i].name, names[i]);
        EXPECT_NE(table[i].function, nullptr) << names[i];
        EXPECT_FALSE(IsPendingArgvAssembler(names[i])) << names[i];
    }
}

TEST(FileBuilderTable, LooksNamesUpByteForByte)
{
    EXPECT_EQ(VideoArgvAssemblerForName("Video_To_H264_With_AVEncoder"), &Video_To_H264_With_AVEncoder);
    EXPECT_EQ(ArgvAssemblerForName("Video_To_H264_With_AVEncoder"), &Video_To_H264_With_AVEncoder);
    EXPECT_EQ(VideoArgvAssemblerForName("video_to_h264_with_avencoder"), nullptr);
    EXPECT_EQ(VideoArgvAssemblerForName("Video_To_H264_With_AVEncoder "), nullptr);
    EXPECT_NE(VideoArgvAssemblerForName("Video_To_ProRes422Poxy_With_AVEncoder"), nullptr);
    EXPECT_EQ(VideoArgvAssemblerForName("Video_To_ProRes422Proxy_With_AVEncoder"), nullptr);
    // Common builders behind the named ones have no row.
    EXPECT_EQ(VideoArgvAssemblerForName("Video_To_DVD_With_AVEncoder"), nullptr);
    EXPECT_EQ(VideoArgvAssemblerForName("Video_To_ProRes_With_AVEncoder"), nullptr);
    // A DVD row is found in the DVD table, not here.
    EXPECT_EQ(VideoArgvAssemblerForName("DVD_To_iPhone5_H264_With_MEncoder"), nullptr);
    EXPECT_NE(ArgvAssemblerForName("DVD_To_iPhone5_H264_With_MEncoder"), nullptr);
}

TEST(FileBuilderTable, APendingRowAnswersNoVector)
{
    constexpr ArgvAssemblerRow row = PendingRow<"Video_To_Later_With_AVEncoder">();
    EXPECT_STREQ(row.name, "Video_To_Later_With_AVEncoder");
    EXPECT_TRUE(row.pending);
    DNFileNode item;
    VideoConvertOptions options = MakeVideoConvertOptions();
    EXPECT_EQ(row.function(&item, 0, options), nullptr);
    EXPECT_EQ(row.function(nullptr, 0, options), nullptr);
}

TEST(CheckVideoArgvAssemblers, ReportsEveryProfileWithoutABuiltBuilder)
{
    QTemporaryDir dir;
    const auto profile = [&](const char *file, const QVariant &builder) { registrytest::writeProfile(dir, file, builder); };
    profile("A.plist", QStringLiteral("Video_To_H264_With_AVEncoder"));
    profile("B.plist", QStringLiteral("Video_To_H264_With_AVEncoder"));
    profile("C.plist", QStringLiteral("Video_To_FLV_With_AVEncoder"));
    profile("D.plist", QStringLiteral("Video_To_Nothing_With_AVEncoder"));
    profile("Category_Major_Profile.plist", QVariant());
    profile(".hidden", QVariant());

    bool passed = true;
    const QString report = testsupport::capturedText([&](std::FILE *f) { passed = CheckVideoArgvAssemblers(dir.path(), f); });
    EXPECT_FALSE(passed);
    EXPECT_EQ(report, QStringLiteral("Plist没有定义转换函数: .hidden\n"
                                     "Code没有实现转换函数: Video_To_Nothing_With_AVEncoder\n"
                                     "Video:  总计5个Profile, 3个函数, 检查失败 ❌\n"));

    QTemporaryDir good;
    registrytest::writeProfile(good, "Video_MP4_H264.plist", QStringLiteral("Video_To_H264_With_AVEncoder"));
    const QString ok = testsupport::capturedText([&](std::FILE *f) { passed = CheckVideoArgvAssemblers(good.path(), f); });
    EXPECT_TRUE(passed);
    EXPECT_EQ(ok, QStringLiteral("Video:  总计1个Profile, 1个函数, 检查成功 ✅\n"));
}

// Every row of the table is built, every shipped file profile names one of them, and every row
// is named by one.
TEST(CheckVideoArgvAssemblerTable, EveryRowIsBuiltAndEveryShippedProfileFindsItsBuilder)
{
    bool passed = false;
    const QString table = testsupport::capturedText([&](std::FILE *f) { passed = CheckVideoArgvAssemblerTable(f); });
    EXPECT_TRUE(passed);
    EXPECT_EQ(table, QStringLiteral("Video table:  42 rows, 42 built, check passed ✅\n"));

    passed = false;
    const QString shipped = testsupport::capturedText([&](std::FILE *f) {
        passed = CheckVideoArgvAssemblers(DNBundle::pathForResource(QStringLiteral("profiles/Video")), f);
    });
    EXPECT_TRUE(passed);
    EXPECT_EQ(shipped, QStringLiteral("Video:  总计42个Profile, 42个函数, 检查成功 ✅\n"));
}
