#pragma once

// What the file-road driver tests share: an application object (watermark text is drawn with
// fonts), the log in a folder of the test's own, a fixture file probed as the loader probes it
// with a shipped file profile, and conversion through the driver.

#include "DriverTestSupport.h"

#include "../files/files_test_support.h"

#include "convert/files/DNMediaFileProbe.h"
#include "dvd/file/DNFileGroupNode.h"
#include "support/frames.h"
#include "support/testname.h"

#include <QTemporaryDir>

#include <span>
#include <string>
#include <vector>

namespace fileroadtest {

using namespace drivertest;

// The probe's application object, log redirection and text reading serve here too.
using filestest::app;
using filestest::freshLog;
using filestest::readText;

inline std::shared_ptr<DNProfile> videoProfile(const QString &fileName)
{
    const QString path = DNBundle::pathForResource(QStringLiteral("profiles/Video/") + fileName);
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    return DNProfile::parserFromContentOfFile(path);
}

// relative is below the fixtures folder ("fileroad/h264_aac.mp4").
inline DNFileNodePtr loadFile(const QString &relative, const QString &profile = QStringLiteral("Video_MP4_H264.plist"))
{
    QString error;
    DNFileNodePtr item = fileNodeWithFile(testsupport::fixturePath(relative), false, &error);
    EXPECT_TRUE(item) << relative.toStdString() << ": " << error.toStdString();
    if (item)
        item->setProfile(videoProfile(profile));
    return item;
}

// A file group of the fixture files sources (each with the H.264 profile), joined with the
// same profile into outputName.
inline DNFileGroupNodePtr groupOf(const QStringList &sources, const QString &outputName)
{
    QList<DNFileNodePtr> members;
    for (const QString &source : sources) {
        DNFileNodePtr member = loadFile(source);
        if (!member)
            return nullptr;
        members << member;
    }
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes(members);
    group->setProfile(videoProfile(QStringLiteral("Video_MP4_H264.plist")));
    group->nodeInfo()->setOutputName(outputName);
    group->nodeInfo()->setDisplayName(QStringLiteral("Joined"));
    return group;
}

// The parts of a group (MP4 files, hidden or not) left in folder.
inline QStringList partsLeftIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.mp4")}, QDir::Files | QDir::Hidden);
}

// Converts item (title 0; a group with -1) through the driver; the driver's result.
inline int convert(NXBasicMediaNode *item, StateLog *log = nullptr)
{
    const bool group = dynamic_cast<DNFileGroupNode *>(item) != nullptr;
    return DNVideoConverterStart(item, group ? -1 : 0, log ? StateLog::callback : nullptr, log);
}

// The position of item's side-car subtitle whose file name ends in sideCar, or for an empty
// sideCar of its first inner subtitle stream; -1 when there is none.
inline int subtitleIndexOf(const DNFileNode &item, const char *sideCar)
{
    for (int i = 0; i < item.subtitleTracks().size(); ++i) {
        const auto file = std::dynamic_pointer_cast<DNTExtSubtitle>(item.subtitleTracks().at(i));
        if (*sideCar ? file && file->path().endsWith(QLatin1String(sideCar)) : !file)
            return i;
    }
    return -1;
}

// A profile field set to value; an empty value leaves the profile's own.
inline void chooseValue(const std::shared_ptr<NXProfileInfoBase> &field, const char *value)
{
    if (*value && field)
        field->setCurrentValue(QString::fromLatin1(value));
}

// The rows of a test that converts every source of one table through every profile of another.
struct FixtureSource
{
    const char *name;
    const char *path;  // below the fixtures folder
};

// A shipped profile with its own choices, or with some of them changed ("" its own).
struct ProfileChoice
{
    const char *name;
    const char *file;
    const char *videoCodec = "";
    const char *resolution = "";
    const char *aspect = "";
};

inline void applyChoice(DNProfile &profile, const ProfileChoice &choice)
{
    chooseValue(profile.videoCodec(), choice.videoCodec);
    chooseValue(profile.videoResolution(), choice.resolution);
    chooseValue(profile.videoAspect(), choice.aspect);
}

struct SourceProfileRow
{
    FixtureSource source;
    ProfileChoice profile;
};

inline void PrintTo(const SourceProfileRow &row, std::ostream *out)
{
    *out << row.source.name << " to " << row.profile.name;
}

inline std::vector<SourceProfileRow> everySourceWithEveryProfile(std::span<const FixtureSource> sources,
                                                                 std::span<const ProfileChoice> profiles)
{
    std::vector<SourceProfileRow> rows;
    for (const FixtureSource &source : sources)
        for (const ProfileChoice &profile : profiles)
            rows.push_back({source, profile});
    return rows;
}

// "<source>__<profile>", so that ctest runs each row as a test of its own.
inline std::string sourceProfileTestName(const ::testing::TestParamInfo<SourceProfileRow> &info)
{
    return testsupport::testName(info.param.source.name) + "__" + testsupport::testName(info.param.profile.name);
}

// A test with a log and an output folder of its own, converting fixtures into that folder.
class FileRoadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app();
        logFile = freshLog(logDir);
        useOutputFolder(out.path());
    }
    // Converts the fixture with a shipped profile after edit; the output path ("" on failure).
    QString convertWith(const char *source, const std::function<void(DNFileNode &)> &edit,
                        const char *profile = "Video_MP4_H264.plist")
    {
        DNFileNodePtr item = loadFile(QString::fromLatin1(source), QString::fromLatin1(profile));
        if (!item)
            return {};
        edit(*item);
        const int result = convert(item.get());
        EXPECT_EQ(result, 0) << readText(logFile).right(3000).toStdString();
        return result == 0 ? item->outputName() : QString();
    }
    QTemporaryDir logDir;
    QTemporaryDir out;
    QString logFile;
};

} // namespace fileroadtest
