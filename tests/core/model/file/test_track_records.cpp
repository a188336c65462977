#include "core/model/file/DNTAudio.h"
#include "core/model/file/DNTSubtitle.h"
#include "core/model/file/DNTVideo.h"
#include "core/model/file/MediaInfoValues.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(MediaInfoValues, LastIntValueTakesTheLastDigitRun)
{
    const struct { const char *text; int value; } cases[] = {
        {"4113", 4113}, {"0x1011 (4113)", 4113}, {"V_MPEG4", 4}, {"", 0}, {"no digits", 0},
        {"2 channels", 2}, {"48000", 48000},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetLastIntValue(QString::fromUtf8(c.text)), c.value) << c.text;
    // Only the first 127 characters are read.
    EXPECT_EQ(GetLastIntValue(QString(127, QLatin1Char('x')) + QLatin1String("55")), 0);
}

TEST(MediaInfoValues, FloatValueAcceptsOnlyPlainDecimals)
{
    const struct { const char *text; float value; } good[] = {
        {"5005.000", 5005.0f}, {"25.000", 25.0f}, {"", 0.0f}, {"12", 12.0f}, {"0.5", 0.5f},
    };
    for (const auto &c : good)
        EXPECT_FLOAT_EQ(GetFloatValue(QString::fromUtf8(c.text)), c.value) << c.text;
    for (const char *bad : {"12a", "1.2.3", "-1", "1,5", "25 fps"}) {
        try {
            GetFloatValue(QString::fromUtf8(bad));
            ADD_FAILURE() << bad << " was accepted";
        } catch (const DNMediaValueError &e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("convert %1 to float value failed...").arg(QString::fromUtf8(bad)));
        }
    }
}

TEST(MediaInfoValues, AspectCodecAndBitrateModeTables)
{
    const struct { const char *text; float aw; float ah; } aspects[] = {
        {"16:9", 16, 9}, {"4:3", 4, 3}, {"2.35", 2.35f, 1}, {"1:1", 1, 1}, {"2.35:1:7", 2.35f, 1},
    };
    for (const auto &a : aspects) {
        const DNAspectNumbers n = GetAspectRatio(QString::fromUtf8(a.text));
        EXPECT_FLOAT_EQ(n.aw, a.aw) << a.text;
        EXPECT_FLOAT_EQ(n.ah, a.ah) << a.text;
    }
    const struct { const char *in; const char *out; } codecs[] = {
        {"MPA1L3", "MP3"}, {"MPA2L3", "MP3"}, {"MPA1L2", "MP2"}, {"161", "WMA"},
        {"A_AAC/MPEG4/LC", "AAC"}, {"", "undef"}, {"AC-3", "AC-3"},
    };
    for (const auto &c : codecs)
        EXPECT_EQ(normalizedAudioCodec(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
    EXPECT_EQ(bitRateModeFromText(QStringLiteral("VBR")), 2);
    EXPECT_EQ(bitRateModeFromText(QStringLiteral("cbr")), 1);
    EXPECT_EQ(bitRateModeFromText(QStringLiteral("Vbr")), 0);
}

TEST(TrackRecords, DefaultsOfNewRecords)
{
    const DNTVideo video;
    EXPECT_EQ(video.vid, -1);
    EXPECT_EQ(video.bitRate, -1);
    const DNTAudio audio;
    EXPECT_EQ(audio.aid, -1);
    EXPECT_EQ(audio.bitRate, 0);
    DNTSubtitle subtitle;
    EXPECT_EQ(subtitle.sid, -1);
    EXPECT_FALSE(subtitle.isTextformat());
    subtitle.codecID = QStringLiteral("S_TEXT/UTF8");
    EXPECT_TRUE(subtitle.isTextformat());

    const auto ext = DNTExtAudio::extAudioTrack(QStringLiteral("/music/Théme.m4a"));
    EXPECT_EQ(ext->language, QStringLiteral("Théme.m4a"));
    EXPECT_EQ(ext->aid, -1);
}

TEST(TrackRecords, ExternalSubtitleDetectsTheCharsetOfEachFile)
{
    const struct { const char *file; const char *charset; } cases[] = {
        {"media/subtitled/movie.srt", "UTF-8"},
        {"media/subtitled/movie.zh.srt", "GB18030"},
        {"media/subtitled/movie.fr.srt", "WINDOWS-1252"},
        {"media/subtitled/missing.srt", "UTF-8"},
    };
    for (const auto &c : cases) {
        const auto track = DNTExtSubtitle::extSubtitleTrack(testsupport::fixturePath(QString::fromUtf8(c.file)));
        EXPECT_EQ(track->codePage().toUpper(), QString::fromUtf8(c.charset)) << c.file;
        EXPECT_EQ(track->fontSize(), 12u);
    }
    // A new path is detected again.
    auto track = DNTExtSubtitle::extSubtitleTrack(testsupport::fixturePath(QStringLiteral("media/subtitled/movie.zh.srt")));
    track->setPath(testsupport::fixturePath(QStringLiteral("media/subtitled/movie.srt")));
    EXPECT_EQ(track->codePage().toUpper(), QStringLiteral("UTF-8"));
}
