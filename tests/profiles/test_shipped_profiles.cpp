#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"
#include "profiles/DNProfileKind.h"
#include "support/paths.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

// Every profile the program ships, checked one by one: it must load, survive a copy and an
// archive round trip unchanged, and hold values its builder can pass to an engine.

namespace {

struct ShippedProfile
{
    int kind;
    QString path;
};

std::vector<ShippedProfile> shippedProfiles()
{
    DNBundle::setPrefixOverride(testsupport::buildDir());
    std::vector<ShippedProfile> result;
    for (int kind : {int(DNProfileKindDVD), int(DNProfileKindVideo)}) {
        const QDir dir(DNProfileFolderOfType(kind));
        for (const QString &name : dir.entryList({QStringLiteral("*.plist")}, QDir::Files, QDir::Name)) {
            if (!name.startsWith(QLatin1String("Category")))
                result.push_back({kind, dir.filePath(name)});
        }
    }
    return result;
}

bool isNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch();
}

class ShippedProfiles : public ::testing::TestWithParam<ShippedProfile>
{
};

TEST_P(ShippedProfiles, LoadsCopiesArchivesAndRestores)
{
    const ShippedProfile &shipped = GetParam();
    const auto profile = DNProfile::parserFromContentOfFile(shipped.path);
    EXPECT_GT(profile->GlobalID(), 0);
    EXPECT_GE(profile->argvAssembler().size(), 4);
    EXPECT_FALSE(profile->fileNameSuffix().isEmpty());
    EXPECT_FALSE(profile->title().isEmpty());
    EXPECT_FALSE(profile->deviceDescription().isEmpty());
    EXPECT_FALSE(profile->iconID().isEmpty());
    EXPECT_TRUE(profile->argvAssembler().startsWith(shipped.kind == DNProfileKindDVD ? QLatin1String("DVD_")
                                                                                      : QLatin1String("Video_To_")));

    const QVariantMap archived = profile->archive2Dictionary();
    EXPECT_EQ(profile->copy()->archive2Dictionary(), archived);
    // Through the stored form the recent lists use: binary property list data.
    const QByteArray data = propertyListData(QVariantList{profile->encodeWithCoder()}, DNPropertyListFormat::Binary);
    ASSERT_FALSE(data.isEmpty());
    const QVariantList back = propertyListFromData(data).toList();
    ASSERT_EQ(back.size(), 1);
    const auto restored = DNProfile::profileWithCoder(back.first().toMap());
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->archive2Dictionary(), archived);
    EXPECT_EQ(restored->profilePath(), shipped.path);
    EXPECT_EQ(restored->profileSummary(), profile->profileSummary());
}

TEST_P(ShippedProfiles, FieldsHandedToEnginesAsNumbersHoldNumbers)
{
    const auto profile = DNProfile::parserFromContentOfFile(GetParam().path);
    const std::pair<const char *, std::shared_ptr<NXOtherVideoInfoBase>> numeric[] = {
        {"audio bitrate", profile->audioQuality()},
        {"sample rate", profile->audioSampleRate()},
        {"channels", profile->audioChannel()},
    };
    for (const auto &[name, field] : numeric) {
        if (!field)
            continue;
        SCOPED_TRACE(name);
        EXPECT_TRUE(isNumber(field->currentValue())) << field->currentValue().toStdString();
        for (const QString &value : field->values())
            EXPECT_TRUE(isNumber(value)) << value.toStdString();
        EXPECT_TRUE(field->values().contains(field->currentValue()));
    }
    if (const auto quality = profile->videoQuality()) {
        ASSERT_EQ(quality->videoBitratePhases().size(), 3);
        for (const QString &phase : quality->videoBitratePhases()) {
            EXPECT_TRUE(isNumber(phase));
            EXPECT_GE(phase.toInt(), quality->minVideoBitrate());
            EXPECT_LE(phase.toInt(), quality->maxVideoBitrate());
        }
        EXPECT_EQ(quality->currentValue(), quality->videoBitratePhases().at(profile->qualityPhase()));
    }
    // The other list fields: "keep origin" or a value of the form the builders parse.
    if (const auto resolution = profile->videoResolution()) {
        for (const QString &value : resolution->values()) {
            EXPECT_TRUE(IsKeepOriginResolution(value) || ResolutionSizeFromString(value, QSizeF()).isValid())
                << value.toStdString();
        }
    }
    if (const auto rate = profile->videoFrameRate()) {
        for (const QString &value : rate->values())
            EXPECT_TRUE(IsKeepOriginFrameRate(value) || isNumber(value)) << value.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ShippedProfiles, ::testing::ValuesIn(shippedProfiles()),
                         [](const ::testing::TestParamInfo<ShippedProfile> &info) {
                             QString name = (info.param.kind == DNProfileKindDVD ? QStringLiteral("DVD_")
                                                                                 : QStringLiteral("Video_"))
                                 + QFileInfo(info.param.path).completeBaseName();
                             name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")), QStringLiteral("_"));
                             return name.toStdString();
                         });

std::vector<std::shared_ptr<DNProfile>> profilesOfKind(int kind)
{
    std::vector<std::shared_ptr<DNProfile>> result;
    for (const auto &shipped : shippedProfiles()) {
        if (shipped.kind == kind)
            result.push_back(DNProfile::parserFromContentOfFile(shipped.path));
    }
    return result;
}

TEST(ShippedCatalogue, IdsAreUniquePerKindAndTheBackupProfilesCarryTheEngineIds)
{
    for (int kind : {int(DNProfileKindDVD), int(DNProfileKindVideo)}) {
        QSet<int> ids;
        for (const auto &profile : profilesOfKind(kind)) {
            EXPECT_FALSE(ids.contains(profile->GlobalID())) << profile->GlobalID();
            ids.insert(profile->GlobalID());
        }
    }
    const struct {
        QString builder;
        int id;
    } backups[] = {
        {QStringLiteral("DVD_Backup_To_ISO"), 1000002},
        {QStringLiteral("DVD_To_DVDFullBackup_MPEG_With_MEncoder"), 1000003},
        {QStringLiteral("DVD_Backup_To_MKV"), 1000005},
    };
    const auto dvd = profilesOfKind(DNProfileKindDVD);
    for (const auto &backup : backups) {
        const auto found = std::find_if(dvd.begin(), dvd.end(),
                                        [&](const auto &p) { return p->argvAssembler() == backup.builder; });
        ASSERT_NE(found, dvd.end()) << backup.builder.toStdString();
        EXPECT_EQ((*found)->GlobalID(), backup.id);
    }
    // The main-title backup runs in the encoder library, so it carries none of the engine ids.
    for (const auto &profile : dvd) {
        if (profile->argvAssembler() != QLatin1String("DVD_To_DVDMainBackup_MPEG_With_MEncoder"))
            continue;
        EXPECT_EQ(profile->majorClassID(), 1);
        EXPECT_FALSE(QList<int>({1000002, 1000003, 1000005}).contains(profile->GlobalID()));
    }
}

TEST(ShippedCatalogue, BuilderSpecificValues)
{
    for (int kind : {int(DNProfileKindDVD), int(DNProfileKindVideo)}) {
        for (const auto &profile : profilesOfKind(kind)) {
            const QString builder = profile->argvAssembler();
            SCOPED_TRACE(builder.toStdString());
            const QString suffix = profile->fileNameSuffix().toLower();
            // Flash containers take only these audio rates.
            if (suffix == QLatin1String("flv") || suffix == QLatin1String("swf")) {
                for (const QString &rate : profile->audioSampleRate()->values())
                    EXPECT_TRUE(QStringList({"44100", "22050", "11025"}).contains(rate)) << rate.toStdString();
            }
            // DivX/Xvid choosers build nothing for any other codec word.
            if (builder.contains(QLatin1String("XviD")) || builder.contains(QLatin1String("DivX"))
                || (kind == DNProfileKindDVD && builder.contains(QLatin1String("_AVI_"))
                    && builder != QLatin1String("DVD_To_Android_GalaxyNote_AVI_With_MEncoder"))) {
                const QString codec = profile->videoCodec()->currentValue().toUpper();
                EXPECT_TRUE(codec == QLatin1String("DIVX") || codec == QLatin1String("XVID")) << codec.toStdString();
                for (const QString &value : profile->videoCodec()->values())
                    EXPECT_TRUE(value.toUpper() == QLatin1String("DIVX") || value.toUpper() == QLatin1String("XVID"));
            }
            // The container word follows the suffix, so the suffix must match the name's container.
            if (builder.contains(QLatin1String("_MOV_"))) {
                EXPECT_EQ(suffix, QStringLiteral("mov"));
            }
            if (builder.contains(QLatin1String("_M4V_"))) {
                EXPECT_EQ(suffix, QStringLiteral("m4v"));
            }
            if (builder.contains(QLatin1String("_3GP_"))) {
                EXPECT_EQ(suffix, QStringLiteral("3gp"));
            }
        }
    }
}

} // namespace
