// A DVD title's default audio choice and the guard on the track indices of its setting.
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileNode.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

DNDVDTAudioPtr track(const char *lang, const char *codec, int channels, int id)
{
    auto a = std::make_shared<DNDVDTAudio>();
    a->setAudioLang(QString::fromLatin1(lang));
    a->setAudioCodec(QString::fromLatin1(codec));
    a->setChannel(channels);
    a->setAudioID(id);
    return a;
}

} // namespace

TEST(DVDTitle, DefaultAudioTrack)
{
    struct Case
    {
        const char *what;
        QList<DNDVDTAudioPtr> tracks;
        const char *preferred;
        const char *system;
        int expected;
    };
    const Case cases[] = {
        {"more channels win, a lower codec rank never replaces a better one",
         {track("English", "ac3", 2, 0x80), track("English", "ac3", 6, 0x81), track("English", "lpcm", 8, 0xA0)},
         "English", "", 1},
        {"equal channels keep the earlier track",
         {track("French", "ac3", 2, 0x80), track("English", "dts", 6, 0x88), track("English", "ac3", 6, 0x81)},
         "english", "", 1},
        {"stream id 0 is never chosen; nothing matches gives 0",
         {track("German", "ac3", 2, 0x80), track("English", "mpeg1", 2, 0)}, "English", "", 0},
        {"system language when the preferred one has no track",
         {track("English", "ac3", 2, 0x80), track("French", "ac3", 2, 0x81)}, "Japanese", "fr", 1},
        {"system code without a name matches nothing",
         {track("English", "ac3", 2, 0x80), track("??", "ac3", 2, 0x81)}, "Japanese", "q", 0},
        {"no audio", {}, "English", "en", -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        DNDVDTitle title;
        for (int i = 0; i < c.tracks.size(); ++i) {
            c.tracks[i]->setIndex(i);
            title.audioTracks().append(c.tracks[i]);
        }
        title.initializeTracksIndexOnDidLoadDVDTitleInfo(QString::fromLatin1(c.preferred), QString::fromLatin1(c.system));
        EXPECT_EQ(title.setting()->audioIndex(), c.expected);
    }
}

TEST(DVDTitle, SetSettingKeepsIndicesThatDoNotFit)
{
    DNDVDTitle title;
    title.videoTracks().append(std::make_shared<DNDVDTVideo>());
    title.audioTracks().append(track("English", "ac3", 2, 0x80));
    title.audioTracks().append(track("French", "ac3", 2, 0x81));
    title.subtitleTracks().append(std::make_shared<DNDVDTSubtitle>());
    title.setting()->setAudioIndex(1);
    title.setting()->setSubtitleIndex(0);
    title.setting()->setSubtitleEnable(true);

    struct Case { int video, audio, subtitle; bool subtitleEnable; int expVideo, expAudio, expSubtitle; bool expEnable; };
    const Case cases[] = {
        {0, 5, -1, false, 0, 1, -1, false},  // audio 5 of 2: keeps 1; subtitle -1 always passes
        {3, -1, 0, true, 0, -1, 0, true},    // video 3 of 1 keeps 0; audio -1 passes
        {0, 0, 1, false, 0, 0, 0, true},     // subtitle 1 of 1: keeps index and switch
        {-2, -7, 9, false, 0, 0, 0, true},
    };
    for (const Case &c : cases) {
        // Each case starts from the state the previous one left, as successive edits do.
        DNDVDTitleSetting edited = *title.setting();
        edited.setVideoIndex(c.video);
        edited.setAudioIndex(c.audio);
        edited.setSubtitleIndex(c.subtitle);
        edited.setSubtitleEnable(c.subtitleEnable);
        edited.setVolume(150);
        title.setSetting(edited);
        EXPECT_EQ(title.setting()->videoIndex(), c.expVideo);
        EXPECT_EQ(title.setting()->audioIndex(), c.expAudio);
        EXPECT_EQ(title.setting()->subtitleIndex(), c.expSubtitle);
        EXPECT_EQ(title.setting()->subtitleEnable(), c.expEnable);
        EXPECT_EQ(title.setting()->volume(), 150u);
        // Stored as a copy: the caller's record stays its own.
        edited.setVolume(10);
        EXPECT_EQ(title.setting()->volume(), 150u);
    }
}

TEST(DVDTitle, AudioCodecPriority)
{
    const struct { const char *codec; int rank; } cases[] = {
        {"ac3", 100}, {"dts", 100}, {"mpeg2", 99}, {"mpeg1", 98}, {"lpcm", -1}, {"unknown codec", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(track("English", c.codec, 2, 1)->audioCodecPriority(), c.rank) << c.codec;
}

TEST(DVDTitle, IndexOfMainTitleIsTheFirstLongest)
{
    const struct { QList<int> lengths; int expected; } cases[] = {
        {{120, 300, 300}, 1},
        {{0, 0}, -1},
        {{}, -1},
        {{5, 0, 4}, 0},
    };
    for (const auto &c : cases) {
        QList<DNDVDTitlePtr> titles;
        for (int i = 0; i < c.lengths.size(); ++i) {
            auto t = std::make_shared<DNDVDTitle>();
            t->setIndex(i);
            t->setLength(c.lengths[i]);
            titles.append(t);
        }
        const auto node = DNDVDNode::dvdNodeWithData(titles, NXDVDSourceInfo::sourceInfoWithPath(QStringLiteral("/x/Film.iso")));
        EXPECT_EQ(node->indexOfMainTitle(), c.expected);
    }
}

// With the preferred audio language absent from the title, the user's interface-language choice
// picks the track, as it does for file items; a regional system language needs no choice.
TEST(DVDTitle, DefaultAudioFollowsTheInterfaceLanguageChoice)
{
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    DNSetting::shareSetting().appSetting()->setAudioLanguage(QStringLiteral("Japanese"));
    const struct
    {
        const char *choice;
        int expected;
    } cases[] = {{"fr", 1}, {"de", 2}, {"pt-PT", 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.choice);
        {
            QSettings user(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
            user.setValue(QStringLiteral("AppleLanguages"), QStringList{QString::fromLatin1(c.choice)});
        }
        DNDVDTitle title;
        const char *languages[] = {"English", "French", "German"};
        for (int i = 0; i < 3; ++i) {
            title.audioTracks().append(track(languages[i], "ac3", 2, 0x80 + i));
            title.audioTracks().last()->setIndex(i);
        }
        title.initializeTracksIndexOnDidLoadDVDTitleInfo();
        EXPECT_EQ(title.setting()->audioIndex(), c.expected);

        DNFileNode file;
        for (const char *language : languages) {
            auto audio = std::make_shared<DNTAudio>();
            audio->language = QString::fromLatin1(language);
            audio->channel = 2;
            file.audioTracks() << audio;
        }
        file.initializeTracksIndexOnDidLoadVideoInfo();
        EXPECT_EQ(file.setting()->audioIndex(), title.setting()->audioIndex()) << "as a file item chooses";
    }
}
