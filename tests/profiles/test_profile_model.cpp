#include "core/plist/DNPropertyList.h"
#include "profiles/DNProfile.h"
#include "profiles/NXProfileValue.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QVariantMap listField(const char *valuesKey, const QStringList &values, const QString &current, bool custom = true)
{
    return {{QStringLiteral("Customizable"), custom},
            {QStringLiteral("DefaultValue"), current},
            {QString::fromLatin1(valuesKey), values}};
}

// A profile with every field, its flags stored in the three ways hand-written lists use.
QVariantMap fullProfile()
{
    QVariantMap p;
    p.insert(QStringLiteral("ID"), 2001005);
    p.insert(QStringLiteral("Titles"), QVariantMap{{QStringLiteral("en"), QStringLiteral("Phone")},
                                                   {QStringLiteral("ja"), QStringLiteral("電話")}});
    p.insert(QStringLiteral("Description"), QStringLiteral("A phone"));
    p.insert(QStringLiteral("IconID"), QStringLiteral("icon_phone"));
    p.insert(QStringLiteral("Recommend"), true);
    p.insert(QStringLiteral("TwoPassEncode"), QStringLiteral("1"));
    p.insert(QStringLiteral("UseVBR"), 1);
    p.insert(QStringLiteral("KeepChapters"), QStringLiteral("YES"));
    p.insert(QStringLiteral("ToiTunes"), QStringLiteral("0"));
    p.insert(QStringLiteral("FileFormat"), QStringLiteral("MP4"));
    p.insert(QStringLiteral("FileNameSuffix"), QStringLiteral("mp4"));
    p.insert(QStringLiteral("ArgvAssembler"), QStringLiteral("DVD_To_iPhone5_H264_With_MEncoder"));
    p.insert(QStringLiteral("Version"), QStringLiteral("1.0"));
    p.insert(QStringLiteral("QualityPhase"), 2);
    p.insert(QStringLiteral("VideoQuality"),
             QVariantMap{{QStringLiteral("Customizable"), true},
                         {QStringLiteral("DefaultValue"), QStringLiteral("1500")},
                         {QStringLiteral("MinVideoBitrate"), 500},
                         {QStringLiteral("MaxVideoBitrate"), QStringLiteral("5000")},
                         {QStringLiteral("VideoBitratePhases"), QStringList{"1000", "1500", "2500"}},
                         {QStringLiteral("BitrateModel"),
                          QVariantMap{{QStringLiteral("DefaultValue"), QStringLiteral("VBR")},
                                      {QStringLiteral("Editable"), true}}}});
    p.insert(QStringLiteral("VideoFrameRate"), listField("FrameRates", {"keep origin", "29.97"}, "29.97"));
    p.insert(QStringLiteral("VideoCodec"), listField("VideoCodecs", {"H264"}, "H264", false));
    p.insert(QStringLiteral("VideoResolution"), listField("Resolutions", {"1136x640", "640x480"}, "1136x640"));
    p.insert(QStringLiteral("VideoAspect"), listField("AspectRatios", {"keep origin", "16x9"}, "16x9"));
    p.insert(QStringLiteral("AudioQuality"), listField("AudioBitrates", {"96", "128"}, "128"));
    p.insert(QStringLiteral("AudioSampleRate"), listField("SampleRates", {"44100", "48000"}, "44100"));
    p.insert(QStringLiteral("AudioCodec"), listField("AudioCodecs", {"AAC", "MP3"}, "AAC"));
    p.insert(QStringLiteral("AudioChannel"), listField("AllowChannels", {"2", "1"}, "2"));
    p.insert(QStringLiteral("SubtitleBurnOption"), listField("SubtitleBurnOptionsValue", {"YES", "NO"}, "YES"));
    return p;
}

class ProfileModel : public ::testing::Test
{
protected:
    QString write(const QString &name, const QVariantMap &dictionary)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writePropertyList(dictionary, path, DNPropertyListFormat::XML));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ProfileModel, ReadsEveryKeyOfTheFile)
{
    const auto profile = DNProfile::parserFromContentOfFile(write("p.plist", fullProfile()));
    EXPECT_EQ(profile->GlobalID(), 2001005);
    EXPECT_EQ(profile->majorClassID(), 2);
    EXPECT_EQ(profile->secondaryClassID(), 1);
    EXPECT_EQ(profile->profileClassID(), 5);
    EXPECT_EQ(NXLocalizedText(profile->internationalTitles(), "ja"), QStringLiteral("電話"));
    EXPECT_EQ(NXLocalizedText(profile->internationalTitles(), "fr"), QStringLiteral("Phone"));
    EXPECT_EQ(NXLocalizedText(profile->internationalDescription(), "ja"), QStringLiteral("A phone"));
    EXPECT_TRUE(profile->isRecommend());
    EXPECT_TRUE(profile->isTwoPassEncode());
    EXPECT_TRUE(profile->isUseVBR());
    EXPECT_TRUE(profile->isKeepChapters());
    EXPECT_FALSE(profile->isToiTunes());
    EXPECT_FALSE(profile->isCustomFormat());
    EXPECT_EQ(profile->fileNameSuffix(), QStringLiteral("mp4"));
    EXPECT_EQ(profile->argvAssembler(), QStringLiteral("DVD_To_iPhone5_H264_With_MEncoder"));
    EXPECT_EQ(profile->qualityPhase(), 2);
    ASSERT_TRUE(profile->videoQuality());
    EXPECT_EQ(profile->videoQuality()->maxVideoBitrate(), 5000);
    EXPECT_EQ(profile->videoQuality()->minVideoBitrate(), 500);
    EXPECT_EQ(profile->videoQuality()->curBitrateModel(), 0);
    EXPECT_TRUE(profile->videoQuality()->canEditCVCBR());
    EXPECT_EQ(profile->videoQuality()->supportBitrateModel(), QStringList({"VBR", "CBR"}));
    EXPECT_EQ(profile->videoResolution()->values(), QStringList({"1136x640", "640x480"}));
    EXPECT_EQ(profile->videoResultion(), QSizeF(1136, 640));
    EXPECT_EQ(profile->videoFrameRateIntegerValue(), 30);
    EXPECT_EQ(profile->subtitleOptions()->currentValue(), QStringLiteral("YES"));
    EXPECT_FALSE(profile->isVideoCopy());
    EXPECT_FALSE(profile->isAudioCopy());
    EXPECT_EQ(profile->profileSummary(), QStringLiteral("Codec: H264+AAC/MP3 , Resolution: 1136x640"));
}

TEST_F(ProfileModel, MissingFileGivesAnEmptyProfileWithDefaultSubtitleOptions)
{
    const auto profile = DNProfile::parserFromContentOfFile(dir.filePath("none.plist"));
    EXPECT_EQ(profile->GlobalID(), 0);
    EXPECT_FALSE(profile->videoQuality());
    EXPECT_FALSE(profile->videoCodec());
    EXPECT_TRUE(profile->argvAssembler().isNull());
    ASSERT_TRUE(profile->subtitleOptions());
    EXPECT_EQ(profile->subtitleOptions()->currentValue(), QStringLiteral("NO"));
    EXPECT_EQ(profile->subtitleOptions()->values(), QStringList({"YES", "NO"}));
    EXPECT_FALSE(profile->subtitleOptions()->canCustom());
    // No codec fields count as copying.
    EXPECT_TRUE(profile->isVideoCopy());
    EXPECT_TRUE(profile->isAudioCopy());
    EXPECT_EQ(profile->videoResultion(), QSizeF(720, 480));
    EXPECT_EQ(profile->profileSummary(), QString(""));
    EXPECT_FALSE(profile->loadValueFromDictionary(QVariant()));
}

TEST_F(ProfileModel, BitrateModelDefaults)
{
    QVariantMap withoutModel = fullProfile();
    QVariantMap quality = withoutModel.value("VideoQuality").toMap();
    quality.remove("BitrateModel");
    withoutModel.insert("VideoQuality", quality);
    const auto cbr = DNProfile::parserFromContentOfFile(write("cbr.plist", withoutModel));
    EXPECT_EQ(cbr->videoQuality()->defaultBitrateModel(), QStringLiteral("CBR"));
    EXPECT_FALSE(cbr->videoQuality()->canEditCVCBR());
    EXPECT_EQ(cbr->videoQuality()->curBitrateModel(), 1);
}

TEST_F(ProfileModel, QualityPhaseSetsTheBitrateAndIgnoresAPhaseOutsideTheList)
{
    const auto profile = DNProfile::parserFromContentOfFile(write("p.plist", fullProfile()));
    profile->setQualityPhase(0);
    EXPECT_EQ(profile->videoQuality()->currentValue(), QStringLiteral("1000"));
    profile->setQualityPhase(2);
    EXPECT_EQ(profile->videoQuality()->currentValue(), QStringLiteral("2500"));
    profile->setQualityPhase(7);
    EXPECT_EQ(profile->qualityPhase(), 7);
    EXPECT_EQ(profile->videoQuality()->currentValue(), QStringLiteral("2500"));
}

TEST_F(ProfileModel, CopiesAreIndependent)
{
    const auto original = DNProfile::parserFromContentOfFile(write("p.plist", fullProfile()));
    original->setUserEnableTwopassCode(true);
    const auto copy = original->copy();
    EXPECT_TRUE(copy->userEnableTwopassCode());
    EXPECT_EQ(copy->videoQuality()->currentValue(), QStringLiteral("1500"));
    copy->videoQuality()->setCurrentValue("9999");
    copy->audioCodec()->setCurrentValue("keep origin");
    copy->updateFlag();
    EXPECT_EQ(original->videoQuality()->currentValue(), QStringLiteral("1500"));
    EXPECT_EQ(original->audioCodec()->currentValue(), QStringLiteral("AAC"));
    EXPECT_TRUE(copy->isAudioCopy());
    EXPECT_FALSE(original->isAudioCopy());

    // A field handed to a setter is copied too.
    auto codec = std::make_shared<NXVideoCodec>();
    codec->setCurrentValue("XVID");
    original->setVideoCodec(codec);
    codec->setCurrentValue("DIVX");
    EXPECT_EQ(original->videoCodec()->currentValue(), QStringLiteral("XVID"));
}

TEST_F(ProfileModel, ArchiveRoundTripKeepsEveryFieldButNotTheTwoPassChoice)
{
    const auto original = DNProfile::parserFromContentOfFile(write("p.plist", fullProfile()));
    original->setUserEnableTwopassCode(true);
    original->videoQuality()->setCurBitrateModel(1);
    original->audioQuality()->setCurrentValue("96");
    const auto restored = DNProfile::profileWithCoder(original->encodeWithCoder());
    ASSERT_TRUE(restored);
    EXPECT_FALSE(restored->userEnableTwopassCode());
    EXPECT_EQ(restored->archive2Dictionary(), original->archive2Dictionary());
    EXPECT_EQ(restored->profilePath(), original->profilePath());
    EXPECT_EQ(restored->audioQuality()->currentValue(), QStringLiteral("96"));
    EXPECT_EQ(restored->videoQuality()->curBitrateModel(), 1);
}

TEST_F(ProfileModel, ArchiveOfAnotherVersionIsReloadedFromItsFile)
{
    const QString path = write("p.plist", fullProfile());
    const auto original = DNProfile::parserFromContentOfFile(path);
    original->audioQuality()->setCurrentValue("96");
    QVariantMap coded = original->encodeWithCoder();
    QVariantMap archive = coded.value(NXProfileParser::archiveKey()).toMap();
    archive.insert(NXProfileParser::archiveVersionKey(), 2);
    coded.insert(NXProfileParser::archiveKey(), archive);
    const auto restored = DNProfile::profileWithCoder(coded);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->profilePath(), path);
    EXPECT_EQ(restored->audioQuality()->currentValue(), QStringLiteral("128"));

    EXPECT_FALSE(DNProfile::profileWithCoder(QVariantMap{{"other", 1}}));
}

TEST_F(ProfileModel, ResetValueReturnsToTheFile)
{
    const auto profile = DNProfile::parserFromContentOfFile(write("p.plist", fullProfile()));
    profile->videoResolution()->setCurrentValue("640x480");
    profile->setVideoCodec(nullptr);
    EXPECT_TRUE(profile->resetValue());
    EXPECT_EQ(profile->videoResolution()->currentValue(), QStringLiteral("1136x640"));
    ASSERT_TRUE(profile->videoCodec());
}

TEST_F(ProfileModel, AudioOnlySummaryAndFrameRateRounding)
{
    QVariantMap audio;
    audio.insert("AudioCodec", listField("AudioCodecs", {"MP3"}, "MP3"));
    audio.insert("AudioQuality", listField("AudioBitrates", {"192"}, "192"));
    audio.insert("VideoFrameRate", listField("FrameRates", {"keep origin"}, "keep origin"));
    const auto profile = DNProfile::parserFromContentOfFile(write("a.plist", audio));
    EXPECT_EQ(profile->profileSummary(), QStringLiteral("Codec: MP3, Bit Rate: 192kbps"));
    EXPECT_EQ(profile->videoFrameRateIntegerValue(), 24);
    profile->audioQuality()->setCurrentValue("Smart Match (source)");
    EXPECT_EQ(profile->profileSummary(), QStringLiteral("Codec: MP3, Bit Rate: Smart Match (source)"));
}

TEST_F(ProfileModel, RecommendedBitrate)
{
    const auto profile = DNProfile::parserFromContentOfFile(write("p.plist", fullProfile()));
    EXPECT_EQ(profile->recommendBitrate(nullptr, QSizeF(640, 480)), 1500.0f);
    // 1280x720 is the reference size: 3000 kbps at the normal phase, 2400 at the low one.
    EXPECT_EQ(profile->recommendFileBitrate(QSizeF(1280, 720), QSizeF(1280, 720), 1), 3000.0f);
    EXPECT_EQ(profile->recommendFileBitrate(QSizeF(1280, 720), QSizeF(1280, 720), 0), 2400.0f);
    // Kept within the profile's limits.
    EXPECT_EQ(profile->recommendFileBitrate(QSizeF(1920, 1080), QSizeF(1920, 1080), 2), 5000.0f);
    EXPECT_EQ(profile->recommendFileBitrate(QSizeF(160, 120), QSizeF(160, 120), 1), 500.0f);
}

} // namespace
