// How a structure-reader record becomes titles and tracks: codes to names and sizes, lengths,
// track limits and language names.
#include "discrecords/DVDInfoRecord.h"
#include "dvd/NXDVDUtilities.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A record with one title built from vectors, kept alive by the fixture object.
struct OneTitleRecord
{
    std::vector<DVDInfoVideoEntry> videos;
    std::vector<DVDInfoAudioEntry> audios;
    std::vector<DVDInfoSubtitleEntry> subtitles;
    DVDInfoTitleEntry title{};
    DVDInfoRecord record{};

    const DVDInfoRecord &build()
    {
        title.video_count = unsigned(videos.size());
        title.videos = videos.data();
        title.audio_count = unsigned(audios.size());
        title.audios = audios.data();
        title.subtitle_count = unsigned(subtitles.size());
        title.subtitles = subtitles.data();
        record.title_count = 1;
        record.titles = &title;
        return record;
    }
};

DVDInfoAudioEntry audio(int id, int codec, const char *language, int channels)
{
    DVDInfoAudioEntry entry{};
    entry.stream_id = id;
    entry.codec = codec;
    std::memcpy(entry.language, language, std::min(std::strlen(language), sizeof entry.language));
    entry.channels = channels;
    return entry;
}

DVDInfoSubtitleEntry subtitle(int id, const char *language)
{
    DVDInfoSubtitleEntry entry{};
    entry.stream_id = id;
    std::memcpy(entry.language, language, std::min(std::strlen(language), sizeof entry.language));
    return entry;
}

} // namespace

TEST(DVDRecordTitles, LengthFramesAndRate)
{
    struct Case { int h, m, s, rate; unsigned frames; int length; float fps; };
    const Case cases[] = {
        {1, 2, 3, 3, 111690, 3723, 29.97f},
        {0, 0, 10, 1, 250, 10, 25.0f},
        {0, 1, 0, 0, 0, 60, 0.0f},   // no rate code: fps 0
        {0, 0, 0, 2, 0, 0, 0.0f},
        // A damaged record's time (no disc plays longer than 99:59:59) is an unknown length.
        {1560281088, 0, 0, 1, 0, 0, 25.0f},
        {0, -5, 10, 1, 0, 0, 25.0f},
    };
    for (const Case &c : cases) {
        OneTitleRecord r;
        r.title.hours = c.h;
        r.title.minutes = c.m;
        r.title.seconds = c.s;
        r.title.frame_rate = c.rate;
        r.title.frames = c.frames;
        const auto titles = NXDVDUtilities::titlesFromRecord(r.build());
        ASSERT_EQ(titles.size(), 1);
        EXPECT_EQ(titles[0]->length(), c.length);
        EXPECT_FLOAT_EQ(titles[0]->fps(), c.fps);
        EXPECT_FLOAT_EQ(titles[0]->frames(), float(c.frames));
        EXPECT_EQ(titles[0]->mediaType(), NXMediaTypeDVDTitle);
    }
}

TEST(DVDRecordTitles, VideoCodesBecomeNamesAndSizes)
{
    struct Case { int codec, standard, aspect, size; const char *codecName, *standardName; QSizeF aspectSize, resolution; };
    const Case cases[] = {
        {1, 0, 0, 0, "mpeg2", "ntsc", {4, 3}, {720, 480}},
        {0, 0, 0, 3, "mpeg1", "ntsc", {4, 3}, {352, 240}},
        {1, 1, 3, 1, "mpeg2", "pal", {16, 9}, {704, 576}},
        {1, 1, 3, 2, "mpeg2", "pal", {16, 9}, {352, 576}},
        {1, 1, 3, 3, "mpeg2", "pal", {16, 9}, {352, 288}},
        {2, 2, 1, 1, "unknown codec", "unknown standard", {1, 1}, {}}, // unknown standard: no size
        {1, 0, 2, 7, "mpeg2", "ntsc", {1, 1}, {}},
    };
    for (const Case &c : cases) {
        OneTitleRecord r;
        r.videos.push_back(DVDInfoVideoEntry{c.codec, c.standard, c.aspect, c.size});
        r.videos.push_back(DVDInfoVideoEntry{c.codec, c.standard, c.aspect, c.size});
        const auto titles = NXDVDUtilities::titlesFromRecord(r.build());
        ASSERT_EQ(titles[0]->videoTracks().size(), 2);
        const auto &v = *titles[0]->videoTracks()[1];
        EXPECT_EQ(v.videoCodec(), QString::fromLatin1(c.codecName));
        EXPECT_EQ(v.videoStandard(), QString::fromLatin1(c.standardName));
        EXPECT_EQ(v.videoAspect(), c.aspectSize);
        EXPECT_EQ(v.videoResolution(), c.resolution) << c.standard << " " << c.size;
        EXPECT_EQ(v.index(), 2); // 1-based
    }
}

TEST(DVDRecordTitles, AudioTracksKeepIdsAndGetLanguageNames)
{
    OneTitleRecord r;
    r.audios = {audio(0x80, 0, "en", 6), audio(0x01, 2, "fr  \n", 2), audio(0x88, 6, "xq", 6),
                audio(0xA0, 4, "", 2), audio(0x81, 3, "de", 2), audio(0x82, 5, "es", 2)};
    const auto titles = NXDVDUtilities::titlesFromRecord(r.build());
    const auto &tracks = titles[0]->audioTracks();
    ASSERT_EQ(tracks.size(), 6);
    const struct { const char *codec, *lang; int id, channels; } expected[] = {
        {"ac3", "English", 0x80, 6}, {"mpeg1", "French", 0x01, 2}, {"dts", "??", 0x88, 6},
        {"lpcm", "??", 0xA0, 2},     {"mpeg2", "German", 0x81, 2}, {"unknown codec", "Spanish", 0x82, 2},
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tracks[i]->audioCodec(), QString::fromLatin1(expected[i].codec));
        EXPECT_EQ(tracks[i]->audioLang(), QString::fromLatin1(expected[i].lang));
        EXPECT_EQ(tracks[i]->audioID(), expected[i].id);
        EXPECT_EQ(tracks[i]->channel(), expected[i].channels);
        EXPECT_EQ(tracks[i]->index(), i);
    }
}

TEST(DVDRecordTitles, TrackListsAreCutAtTheirLimits)
{
    OneTitleRecord r;
    for (int i = 0; i < 10; ++i)
        r.audios.push_back(audio(0x80 + i, 0, "en", 2));
    for (int i = 0; i < 40; ++i)
        r.subtitles.push_back(subtitle(0x20 + i, "fr"));
    const auto titles = NXDVDUtilities::titlesFromRecord(r.build());
    EXPECT_EQ(titles[0]->audioTracks().size(), 8);
    ASSERT_EQ(titles[0]->subtitleTracks().size(), 32);
    EXPECT_EQ(titles[0]->subtitleTracks()[31]->subtitleName(), QStringLiteral("French"));
    EXPECT_EQ(titles[0]->subtitleTracks()[31]->subtitleID(), 0x20 + 31);
    EXPECT_EQ(titles[0]->subtitleTracks()[31]->index(), 31);
}

TEST(DVDRecordTitles, UnterminatedLanguageFieldStaysInsideItsField)
{
    OneTitleRecord r;
    DVDInfoSubtitleEntry entry{};
    std::memset(entry.language, 'x', sizeof entry.language); // no NUL at all
    r.subtitles.push_back(entry);
    const auto titles = NXDVDUtilities::titlesFromRecord(r.build());
    EXPECT_EQ(titles[0]->subtitleTracks()[0]->subtitleName(), QStringLiteral("??"));
}

TEST(DVDRecordTitles, DiscMarkedMainTitleIsMainAndSelected)
{
    std::vector<DVDInfoTitleEntry> entries(3);
    entries[1].main_title = 1;
    DVDInfoRecord record{};
    record.title_count = 3;
    record.titles = entries.data();
    const auto titles = NXDVDUtilities::titlesFromRecord(record);
    ASSERT_EQ(titles.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(titles[i]->index(), i);
        EXPECT_EQ(titles[i]->isMainTitle(), i == 1);
        EXPECT_EQ(titles[i]->isSelected(), i == 1);
        EXPECT_EQ(titles[i]->setting()->audioIndex(), -1); // no audio track
    }
}
