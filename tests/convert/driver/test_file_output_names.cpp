// Output names: every part of the source's name but its own extension is kept, so clips named
// alike but for a part before the extension keep apart; a name field left empty or holding only
// dots gives the source's name, never a hidden file.

#include "FileRoadTestSupport.h"

using namespace fileroadtest;

using FileOutputNames = FileRoadTest;

TEST_F(FileOutputNames, KeepEveryPartOfTheSourceNameButItsExtension)
{
    QTemporaryDir sources;
    for (const char *name : {"Trip.day1.mp4", "Trip.day2.mp4"})
        ASSERT_TRUE(QFile::copy(testsupport::fixturePath(QStringLiteral("fileroad/h264_aac.mp4")),
                                sources.filePath(QString::fromUtf8(name))));

    // Converted one after the other into one folder: a name taken earlier is counted up.
    struct Row { const char *source; const char *profile; const char *outputName; const char *expected; };
    const Row rows[] = {
        {"Trip.day1.mp4", "Video_MP4_H264.plist", nullptr, "Trip.day1.mp4"},
        {"Trip.day2.mp4", "Video_MP4_H264.plist", nullptr, "Trip.day2.mp4"},
        {"Trip.day1.mp4", "Video_MKV.plist", nullptr, "Trip.day1.mkv"},
        {"Trip.day1.mp4", "Video_MKV.plist", "", "Trip.day1 (1).mkv"},
        {"Trip.day1.mp4", "Video_MKV.plist", ".", "Trip.day1 (2).mkv"},
        // A name field cleared in the tag sheet, which puts the suffix on whatever is typed.
        {"Trip.day1.mp4", "Video_MKV.plist", ".mkv", "Trip.day1 (3).mkv"},
        {"Trip.day2.mp4", "Video_MKV.plist", "Holiday.v2.mkv", "Holiday.v2.mkv"},
    };
    QStringList expected;
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.source) + " " + row.profile + " " + (row.outputName ? row.outputName : "(loaded)"));
        QString error;
        DNFileNodePtr item = fileNodeWithFile(sources.filePath(QString::fromUtf8(row.source)), false, &error);
        ASSERT_TRUE(item) << error.toStdString();
        item->setProfile(videoProfile(QString::fromLatin1(row.profile)));
        if (row.outputName)
            item->nodeInfo()->setOutputName(QString::fromUtf8(row.outputName));
        ASSERT_EQ(convert(item.get()), 0) << readText(logFile).right(3000).toStdString();
        EXPECT_EQ(item->outputName(), out.filePath(QString::fromUtf8(row.expected)));
        expected << QString::fromUtf8(row.expected);
    }
    expected.sort();
    EXPECT_EQ(filesIn(out.path()), expected);
}
