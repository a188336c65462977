// Profile values no engine could take are repaired from the field's own list where the profile is
// read, each with a log line, or left for the conversion to refuse; never passed on.

#include "core/log/DNLogger.h"
#include "core/plist/DNPropertyList.h"
#include "profiles/DNProfile.h"
#include "profiles/NXProfileValueCheck.h"
#include "support/testname.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *what;
    const char *key;        // the field's dictionary in the profile
    const char *listKey;    // its list
    QStringList list;
    const char *current;
    const char *repaired;   // null: nothing valid to repair with
    QStringList listAfter;
};

const Case cases[] = {
    {"sample rate not a number", "AudioSampleRate", "SampleRates", {"abc", "44100", "48000"}, "abc", "44100",
     {"44100", "48000"}},
    {"nine channels", "AudioChannel", "AllowChannels", {"2", "6"}, "9", "2", {"2", "6"}},
    {"aspect with a zero side", "VideoAspect", "AspectRatios", {"keep origin", "16x9"}, "1x0", "keep origin",
     {"keep origin", "16x9"}},
    {"audio codec with a command in it", "AudioCodec", "AudioCodecs", {"AAC;rm", "AAC"}, "AAC;rm", "AAC", {"AAC"}},
    {"frame rate in capitals", "VideoFrameRate", "FrameRates", {"25", "keep origin"}, "Keep Origin", "25",
     {"25", "keep origin"}},
    {"frame rate with nothing valid", "VideoFrameRate", "FrameRates", {"abc"}, "abc", nullptr, {}},
    {"aspect as a frame's size left alone", "VideoAspect", "AspectRatios", {"16x9"}, "718x478", "718x478", {"16x9"}},
    {"valid resolution left alone", "VideoResolution", "Resolutions", {"640x480"}, "1280X720", "1280X720", {"640x480"}},
};

class ProfileValueCheck : public ::testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        DNLogger::shareRoughLog().redirect(logs.path());
    }

    std::shared_ptr<DNProfile> profileWith(const QVariantMap &fields)
    {
        QVariantMap dictionary{{"ID", 1001001}, {"ArgvAssembler", "DVD_To_AVI_Default_With_MEncoder"}};
        dictionary.insert(fields);
        const QString path = dir.filePath(QStringLiteral("Damaged.plist"));
        EXPECT_TRUE(writePropertyList(dictionary, path, DNPropertyListFormat::XML));
        return DNProfile::parserFromContentOfFile(path);
    }

    static QString logText()
    {
        QFile log(DNCurrentRoughLogPath());
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    QTemporaryDir dir;
    QTemporaryDir logs;
};

QString currentOf(const DNProfile &profile, const char *key)
{
    const QVariantMap archived = profile.archive2Dictionary().value(QString::fromLatin1(key)).toMap();
    return archived.value(QStringLiteral("DefaultValue")).toString();
}

QStringList listOf(const DNProfile &profile, const char *key, const char *listKey)
{
    return profile.archive2Dictionary().value(QString::fromLatin1(key)).toMap().value(QString::fromLatin1(listKey)).toStringList();
}

} // namespace

TEST_P(ProfileValueCheck, RepairsFromTheFieldsListOrRefuses)
{
    const Case &c = GetParam();
    const auto profile = profileWith({{QString::fromLatin1(c.key),
                                       QVariantMap{{"Customizable", true},
                                                   {"DefaultValue", QString::fromLatin1(c.current)},
                                                   {QString::fromLatin1(c.listKey), c.list}}}});
    ASSERT_TRUE(profile);
    if (c.repaired) {
        EXPECT_EQ(currentOf(*profile, c.key), QString::fromLatin1(c.repaired));
        EXPECT_TRUE(profileValueProblems(*profile).isEmpty()) << profileValueProblems(*profile).join(';').toStdString();
        if (QLatin1String(c.repaired) != QLatin1String(c.current)) {
            EXPECT_TRUE(logText().contains(QStringLiteral("\"%1\" is not a valid value; %2 from its list is used")
                                               .arg(QLatin1String(c.current), QLatin1String(c.repaired))))
                << logText().toStdString();
        }
    } else {
        EXPECT_EQ(currentOf(*profile, c.key), QString::fromLatin1(c.current));
        ASSERT_EQ(profileValueProblems(*profile).size(), 1);
        EXPECT_TRUE(logText().contains(QStringLiteral("the profile cannot be used")));
    }
    EXPECT_EQ(listOf(*profile, c.key, c.listKey), c.listAfter);
}

INSTANTIATE_TEST_SUITE_P(Fields, ProfileValueCheck, ::testing::ValuesIn(cases),
                         [](const auto &info) { return testsupport::testName(info.param.what); });

// The video bitrate takes the entry of the profile's quality phase; an archive is checked as a file
// is; a value set after reading is caught where the conversion asks.
TEST(ProfileValueCheckOther, BitratePhaseArchivesAndLaterChanges)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Bitrate.plist"));
    ASSERT_TRUE(writePropertyList(QVariantMap{{"ID", 1001002},
                                              {"QualityPhase", 1},
                                              {"VideoQuality", QVariantMap{{"DefaultValue", "-500"},
                                                                           {"VideoBitratePhases",
                                                                            QStringList{"600", "1200", "1800"}}}}},
                                  path, DNPropertyListFormat::XML));
    const auto profile = DNProfile::parserFromContentOfFile(path);
    EXPECT_EQ(profile->videoQuality()->currentValue(), QStringLiteral("1200"));

    QVariantMap archive = profile->encodeWithCoder();
    QVariantMap inner = archive.value(NXProfileParser::archiveKey()).toMap();
    QVariantMap quality = inner.value(QStringLiteral("VideoQuality")).toMap();
    quality.insert(QStringLiteral("DefaultValue"), QStringLiteral("12abc"));
    inner.insert(QStringLiteral("VideoQuality"), quality);
    archive.insert(NXProfileParser::archiveKey(), inner);
    const auto restored = DNProfile::profileWithCoder(archive);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->videoQuality()->currentValue(), QStringLiteral("1200"));

    restored->videoQuality()->setCurrentValue(QStringLiteral("0"));
    const QStringList problems = profileValueProblems(*restored);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems.first(), QStringLiteral("its video bitrate \"0\" is not a valid value"));
}
