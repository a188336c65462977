// The source's chapters in the converted file: all of them in a whole-file conversion (whose
// length, as nearly always, has a fraction of a second), and in a trimmed one those inside the
// trim, moved to its start and cut at its end, whether the trim goes before the input or after it
// (a subtitle chosen); the trimmed file is no longer than the trim. Containers without chapters
// convert as before.

#include "FileRoadTestSupport.h"

#include <QJsonArray>

using namespace fileroadtest;

namespace {

struct Chapter
{
    QString title;
    double start;
    double end;
};

QList<Chapter> chaptersOf(const QJsonObject &probe)
{
    QList<Chapter> chapters;
    for (const QJsonValue &value : probe.value(QStringLiteral("chapters")).toArray()) {
        const QJsonObject chapter = value.toObject();
        chapters.append({chapter.value(QStringLiteral("tags")).toObject().value(QStringLiteral("title")).toString(),
                         chapter.value(QStringLiteral("start_time")).toString().toDouble(),
                         chapter.value(QStringLiteral("end_time")).toString().toDouble()});
    }
    return chapters;
}

// The fixture's chapters: Opening 0-1.2 s, Middle 1.2-2.4 s, End 2.4-3.52 s.
const QList<Chapter> kWhole{{"Opening", 0.0, 1.2}, {"Middle", 1.2, 2.4}, {"End", 2.4, 3.52}};
// Those of the trim from 1 s to 3 s.
const QList<Chapter> kTrimmed{{"Opening", 0.0, 0.2}, {"Middle", 0.2, 1.4}, {"End", 1.4, 2.0}};

enum class Trim { None, BeforeInput, AfterInput };

using FileChapters = FileRoadTest;

} // namespace

TEST_F(FileChapters, StayInTheWholeFileAndInsideATrim)
{
    struct Row { const char *profile; Trim trim; QList<Chapter> chapters; double seconds; };
    const Row rows[] = {
        {"Video_MP4_H264.plist", Trim::None, kWhole, 3.52},
        {"Video_MP4_H264.plist", Trim::BeforeInput, kTrimmed, 2.0},
        {"Video_MP4_H264.plist", Trim::AfterInput, kTrimmed, 2.0},
        {"Video_MKV.plist", Trim::None, kWhole, 3.52},
        {"Video_MKV.plist", Trim::BeforeInput, kTrimmed, 2.0},
        {"Video_MKV.plist", Trim::AfterInput, kTrimmed, 2.0},
        {"Video_HD_MKV.plist", Trim::None, kWhole, 3.52},
        {"Audio_M4R.plist", Trim::None, kWhole, 3.52},
        {"Audio_M4R.plist", Trim::BeforeInput, kTrimmed, 2.0},
        // AVI has no chapters.
        {"Video_AVI.plist", Trim::None, {}, 3.52},
        {"Video_AVI.plist", Trim::BeforeInput, {}, 2.0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.profile) + " trim " + std::to_string(int(row.trim)));
        const QString output = convertWith(
            "fileroad/timedtext.mp4",
            [&](DNFileNode &item) {
                if (row.trim == Trim::None)
                    return;
                item.setEnableTrimming(true);
                item.setTrimStartTime(1);
                item.setTrimEndTime(3);
                // A chosen subtitle puts the trim after the input (burnt in, or carried in Matroska).
                item.setting()->setSubtitleIndex(row.trim == Trim::AfterInput ? 0 : -1);
            },
            row.profile);
        ASSERT_FALSE(output.isEmpty());
        const QJsonObject probe = testsupport::ffprobe(output);
        EXPECT_NEAR(durationOf(probe), row.seconds, 0.15);
        const QList<Chapter> chapters = chaptersOf(probe);
        ASSERT_EQ(chapters.size(), row.chapters.size());
        for (qsizetype i = 0; i < chapters.size(); ++i) {
            EXPECT_EQ(chapters[i].title, row.chapters[i].title);
            EXPECT_NEAR(chapters[i].start, row.chapters[i].start, 0.05) << chapters[i].title.toStdString();
            EXPECT_NEAR(chapters[i].end, row.chapters[i].end, 0.05) << chapters[i].title.toStdString();
        }
    }
}
