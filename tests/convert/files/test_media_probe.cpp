#include "convert/files/DNMediaFileProbe.h"
#include "convert/files/DNMediaInfo.h"
#include "core/model/file/MediaInfoValues.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "dvd/file/DNFileFormatTests.h"
#include "files_test_support.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKind.h"
#include "profiles/DNProfileManager.h"
#include "support/ffprobe.h"
#include "support/fixturecopy.h"
#include "support/process.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using filestest::media;

namespace {

int ffprobeCount(const QJsonObject &probe, const char *type)
{
    int n = 0;
    for (const auto &stream : probe.value(QStringLiteral("streams")).toArray())
        n += stream.toObject().value(QStringLiteral("codec_type")).toString() == QLatin1String(type);
    return n;
}

} // namespace

class MediaProbe : public ::testing::Test
{
protected:
    void SetUp() override
    {
        filestest::app();
        logFile = filestest::freshLog(logDir);
    }
    QTemporaryDir logDir;
    QString logFile;
};

TEST_F(MediaProbe, FixtureFilesBecomeFileItems)
{
    const struct {
        const char *file;
        const char *format;
        const char *movie;
        const char *performer;
        int width;
        int height;
        const char *videoCodec;
        QStringList audioCodecs;
        const char *outputName;
    } cases[] = {
        {"clip.mp4", "MPEG-4", "MP4 Clip", "Talvane Tests", 320, 240, "AVC", {"AAC"}, "clip.mp4"},
        {"clip.mov", "MPEG-4", "MOV Clip", "Talvane Tests", 320, 240, "AVC", {"AAC"}, "clip.mov"},
        // MediaInfo reports no performer for Matroska's ARTIST tag.
        {"clip.mkv", "Matroska", "MKV Clip", "", 640, 360, "AVC", {"AC3", "AAC"}, "clip.mkv"},
        {"clip.avi", "AVI", "AVI Clip", "", 320, 240, "MPEG-4 Visual", {"MP3"}, "clip.avi"},
        {"clip.mpg", "MPEG-PS", "", "", 320, 240, "MPEG Video", {"MP2"}, "clip.mpg"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = media(QString::fromUtf8(c.file));
        QString why;
        const auto node = fileNodeWithFile(path, false, &why);
        ASSERT_TRUE(node) << why.toStdString();
        EXPECT_EQ(node->fileFormat(), QString::fromUtf8(c.format));
        EXPECT_EQ(node->movie(), QString::fromUtf8(c.movie));
        EXPECT_EQ(node->performer(), QString::fromUtf8(c.performer));
        ASSERT_EQ(node->videoTracks().size(), 1);
        const auto &video = *node->videoTracks().first();
        EXPECT_EQ(video.width, c.width);
        EXPECT_EQ(video.height, c.height);
        EXPECT_EQ(video.codec, QString::fromUtf8(c.videoCodec));
        EXPECT_NEAR(video.duration, 4.0, 0.1);
        EXPECT_NEAR(video.fps, 25.0, 0.01);
        QStringList audioCodecs;
        for (const auto &a : node->audioTracks()) {
            audioCodecs << a->codec;
            EXPECT_EQ(a->channel, 2);
            EXPECT_EQ(a->samplingRate, 48000);
            EXPECT_EQ(a->duration, 4.0f) << "whole seconds";
        }
        EXPECT_EQ(audioCodecs, c.audioCodecs);
        // The tags and names the output gets.
        EXPECT_EQ(node->nodeInfo()->outputName(), QString::fromUtf8(c.outputName));
        EXPECT_EQ(node->nodeInfo()->displayName(), *c.movie ? QString::fromUtf8(c.movie) : QStringLiteral("clip"));
        EXPECT_EQ(node->nodeInfo()->artist(), *c.performer ? QString::fromUtf8(c.performer) : QStringLiteral("Talvane"));
        EXPECT_EQ(node->nodeInfo()->genre(), QStringLiteral("Video"));
        // Both probes count the same streams, and ffprobe agrees with them.
        EXPECT_TRUE(node->sameStreams());
        const QJsonObject probe = testsupport::ffprobe(path);
        EXPECT_EQ(ffprobeCount(probe, "video"), node->videoTracks().size());
        EXPECT_EQ(ffprobeCount(probe, "audio"), node->audioTracks().size());
    }
    EXPECT_FALSE(filestest::readText(logFile).contains(streamCountWarning()));
}

TEST_F(MediaProbe, MatroskaTracksLanguagesAndDefaultAudio)
{
    const auto app = DNSetting::shareSetting().appSetting();
    const QString saved = app->audioLanguage();
    app->setAudioLanguage(QStringLiteral("French"));
    const auto node = fileNodeWithFile(media(QStringLiteral("clip.mkv")), false);
    app->setAudioLanguage(saved);
    ASSERT_TRUE(node);
    ASSERT_EQ(node->audioTracks().size(), 2);
    EXPECT_EQ(node->audioTracks().at(0)->language, QStringLiteral("English"));
    EXPECT_EQ(node->audioTracks().at(1)->language, QStringLiteral("French"));
    EXPECT_EQ(node->setting()->audioIndex(), 1);
    EXPECT_TRUE(IsMatroskaFile(node.get()));
    const auto &video = *node->videoTracks().first();
    EXPECT_FLOAT_EQ(video.aw, 16.0f);
    EXPECT_FLOAT_EQ(video.ah, 9.0f);
    // The player addresses the French track by position in a Matroska file.
    EXPECT_EQ(node->NXMPlayerPlaybackParameters().mid(3), (QStringList{"-aid", "1"}));
}

// The pixel aspect of a DVD rip and of a phone clip stored turned (shown as the picture stands
// upright), and the ids of streams whose container gives them none: -1, not 0 for all.
TEST_F(MediaProbe, PixelAspectsAndStreamIdsAsTheFilesHaveThem)
{
    const struct {
        const char *file;
        QSize shown;
        float pixelAspect;
        int videoId;
        QList<int> audioIds;
    } cases[] = {
        {"shapes/anamorphic.mpg", {720, 576}, 64.0f / 45.0f, 224, {192}},
        {"shapes/square.mp4", {640, 360}, 1.0f, 1, {2}},
        {"shapes/phone.mp4", {180, 320}, 1.0f, 1, {2}},
        {"shapes/flash.flv", {320, 240}, 1.0f, -1, {-1}},
        {"shapes/tracks.mkv", {640, 360}, 1.0f, 1, {2, 3}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        QString why;
        const auto node = fileNodeWithFile(testsupport::fixturePath(QString::fromLatin1(c.file)), false, &why);
        ASSERT_TRUE(node) << why.toStdString();
        const auto &video = *node->videoTracks().first();
        EXPECT_EQ(QSize(video.width, video.height), c.shown);
        EXPECT_NEAR(video.pixelAspect, c.pixelAspect, 0.005);
        EXPECT_EQ(video.vid, c.videoId);
        QList<int> audioIds;
        for (const auto &audio : node->audioTracks())
            audioIds << audio->aid;
        EXPECT_EQ(audioIds, c.audioIds);
    }
}

TEST_F(MediaProbe, NewItemGetsTheBitrateRecommendedForItsTrack)
{
    auto &catalogue = DNProfileManager::profileManager();
    const QString folder = DNProfileFolderOfType(DNProfileKindVideo);
    const struct { const char *profile; const char *file; const char *bitrate; } cases[] = {
        {"Video_MKV.plist", "clip.mkv", "600"},     // 640x360 kept: 750 kbps x 0.8
        {"Video_HD_MKV.plist", "clip.mkv", "5400"}, // fitted into 1920x1080: 6750 x 0.8
        {"Video_MKV.plist", "clip.mp4", "500"},     // 320x240: 200, raised to the minimum
    };
    for (const auto &c : cases) {
        const auto profile = DNProfile::parserFromContentOfFile(folder + QLatin1Char('/') + QString::fromUtf8(c.profile));
        ASSERT_TRUE(profile->videoQuality()) << c.profile;
        catalogue.recordCurrentUsingProfile(profile.get(), DNProfileKindVideo);
        const auto node = fileNodeWithFile(media(QString::fromUtf8(c.file)), false);
        ASSERT_TRUE(node);
        ASSERT_TRUE(node->profile());
        EXPECT_EQ(node->profile()->videoQuality()->currentValue(), QString::fromUtf8(c.bitrate)) << c.profile << " " << c.file;
        // A later profile is kept as given.
        node->setProfile(profile);
        EXPECT_EQ(node->profile()->videoQuality()->currentValue(), profile->videoQuality()->currentValue());
    }
    catalogue.recordCurrentUsingProfile(nullptr, DNProfileKindVideo);
}

TEST_F(MediaProbe, SideCarSubtitlesWithTheirCharsets)
{
    const auto node = fileNodeWithFile(media(QStringLiteral("subtitled/movie.mp4")), false);
    ASSERT_TRUE(node);
    QStringList found;
    for (const auto &track : node->subtitleTracks()) {
        const auto ext = std::dynamic_pointer_cast<DNTExtSubtitle>(track);
        ASSERT_TRUE(ext);
        found << QFileInfo(ext->path()).fileName() + QLatin1Char('=') + ext->codePage().toUpper();
    }
    EXPECT_EQ(found, (QStringList{"movie.fr.srt=WINDOWS-1252", "movie.srt=UTF-8", "movie.zh.srt=GB18030"}));
    EXPECT_EQ(node->countOfInnerSubtitle(), 0);

    // Names are compared without regard to case; other movies' files, other extensions and
    // files in sub-folders (whose relative path does not start with the name) are left out.
    QTemporaryDir dir;
    const QString movie = dir.filePath(QStringLiteral("Clip.MOV"));
    ASSERT_TRUE(QFile::copy(media(QStringLiteral("clip.mov")), movie));
    for (const char *name : {"clip.srt", "clip.en.SRT", "other.srt", "clip.txt", "sub/clip.srt"}) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(QFile::copy(media(QStringLiteral("subtitled/movie.srt")), path));
    }
    const auto local = fileNodeWithFile(movie, false);
    ASSERT_TRUE(local);
    QStringList names;
    for (const auto &track : local->subtitleTracks())
        names << QFileInfo(std::static_pointer_cast<DNTExtSubtitle>(track)->path()).fileName();
    EXPECT_EQ(names, (QStringList{"clip.en.SRT", "clip.srt"}));
}

// A side-car lies where its path below the movie's folder starts with the movie's name: in the
// folder itself, or in a sub-folder whose own path starts that way. Only those folders are read.
TEST_F(MediaProbe, SideCarsInSubFoldersWhosePathsStartWithTheName)
{
    const struct
    {
        const char *movie;
        std::vector<const char *> files;
        QStringList found;
    } cases[] = {
        {"Clip.mov",
         {"clip.srt", "clips/a.srt", "CLIP extras/deep/b.SRT", "cl/ip.srt", "c/lip.srt", "other/clip.srt",
          "clip.d/.hidden.srt"},
         {"CLIP extras/deep/b.SRT", "clip.d/.hidden.srt", "clip.srt", "clips/a.srt"}},
        // "?" stands for any one character, "/" included; a "*" for any run.
        {"c?ip.mov", {"c/ip.srt", "cxip.srt", "cx/ip.srt", "dxip.srt"}, {"c/ip.srt", "cxip.srt"}},
        {"a*b.mov", {"a/x/b.srt", "ab.srt", "b/a.srt"}, {"a/x/b.srt", "ab.srt"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.movie);
        QTemporaryDir dir;
        const QString movie = dir.filePath(QString::fromUtf8(c.movie));
        ASSERT_TRUE(QFile::copy(media(QStringLiteral("clip.mov")), movie));
        for (const char *name : c.files) {
            const QString path = dir.filePath(QString::fromUtf8(name));
            QDir().mkpath(QFileInfo(path).absolutePath());
            ASSERT_TRUE(QFile::copy(media(QStringLiteral("subtitled/movie.srt")), path));
        }
        DNFileNode node;
        node.setPath(movie);
        loadExtraSubtitleAtPath(node, dir.path());
        QStringList found;
        for (const auto &track : node.subtitleTracks())
            found << QDir(dir.path()).relativeFilePath(std::static_pointer_cast<DNTExtSubtitle>(track)->path());
        EXPECT_EQ(found, c.found);
    }
}

TEST_F(MediaProbe, UnusableFilesGiveNoItem)
{
    QTemporaryDir dir;
    // The first 4 KiB of a real file (its index lies at the end) and bytes of noise.
    const QString truncated = dir.filePath(QStringLiteral("truncated.mp4"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.mp4"));
    {
        QFile source(media(QStringLiteral("clip.mp4")));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QFile cut(truncated);
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write(source.read(4096));
        QFile out(damaged);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(4096, '\xAB'));
    }
    const QString text = dir.filePath(QStringLiteral("notes.mp4"));
    {
        QFile out(text);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("This is not a film, only some words.\n");
    }
    const QString empty = dir.filePath(QStringLiteral("empty.mkv"));
    QFile(empty).open(QIODevice::WriteOnly);

    const QString cases[] = {
        media(QStringLiteral("audio.mp3")), media(QStringLiteral("audio.m4a")), damaged, text, empty,
        dir.filePath(QStringLiteral("missing.mp4")), dir.path(),
    };
    for (const QString &path : cases) {
        QString why;
        EXPECT_FALSE(fileNodeWithFile(path, false, &why)) << path.toStdString();
        EXPECT_FALSE(why.isEmpty()) << path.toStdString();
    }

    // MediaInfo still finds the video stream of the cut file in its index, the AV encoder
    // library cannot read it: an item whose probes disagree, which is not logged.
    const auto cut = fileNodeWithFile(truncated, false);
    ASSERT_TRUE(cut);
    EXPECT_FALSE(cut->sameStreams());
    EXPECT_FALSE(filestest::readText(logFile).contains(streamCountWarning()));
}

TEST_F(MediaProbe, PathsWithSpacesQuotesAndNonAsciiCharacters)
{
    QTemporaryDir dir;
    const QString odd = dir.filePath(QStringLiteral("Été «clip» 'one' \"two\" 你好.mkv"));
    ASSERT_TRUE(QFile::copy(media(QStringLiteral("clip.mkv")), odd));
    const auto node = fileNodeWithFile(odd, false);
    ASSERT_TRUE(node);
    EXPECT_EQ(node->nodeInfo()->outputName(), QStringLiteral("Été «clip» 'one' \"two\" 你好.mkv"));
    EXPECT_EQ(node->audioTracks().size(), 2);
    EXPECT_TRUE(node->sameStreams()) << "the AV encoder's probe reads the path too";
}

TEST_F(MediaProbe, DisagreeingStreamCountsAreLoggedOnce)
{
    EXPECT_TRUE(compareStreamCounts(1, 2, 1, 2));
    EXPECT_FALSE(compareStreamCounts(1, 2, 1, 1));
    EXPECT_FALSE(compareStreamCounts(2, 1, 1, 1));
    EXPECT_TRUE(compareStreamCounts(1, 0, 1, 0));
    EXPECT_EQ(filestest::readText(logFile).count(streamCountWarning()), 2);
}

TEST_F(MediaProbe, MissingMediaInfoFailsTheProbeNotTheProgram)
{
    DNMediaInfo::setLibraryNameForTesting(QStringLiteral("libmediainfo-not-installed.so.0"));
    QString why;
    const auto node = fileNodeWithFile(media(QStringLiteral("clip.mp4")), false, &why);
    DNMediaInfo::setLibraryNameForTesting(QString());
    EXPECT_FALSE(node);
    EXPECT_TRUE(why.startsWith(QLatin1String("Load dylib error: "))) << why.toStdString();
    EXPECT_TRUE(fileNodeWithFile(media(QStringLiteral("clip.mp4")), false)) << "the library is found again";
}

TEST_F(MediaProbe, DevtoolPrintsTheItemAsJson)
{
    const QString tool = testsupport::buildDir() + QStringLiteral("/bin/talvane-devtool");
    const auto result = testsupport::runProcess(tool, {QStringLiteral("probe"), media(QStringLiteral("subtitled/movie.mp4"))});
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    const QJsonObject item = QJsonDocument::fromJson(result.output).object();
    EXPECT_EQ(item.value("fileFormat").toString(), QStringLiteral("MPEG-4"));
    EXPECT_EQ(item.value("output").toObject().value("outputName").toString(), QStringLiteral("movie.mp4"));
    EXPECT_EQ(item.value("defaultAudio").toInt(), 0);
    EXPECT_EQ(item.value("videoTracks").toArray().first().toObject().value("width").toInt(), 320);
    const QJsonArray subtitles = item.value("subtitleTracks").toArray();
    ASSERT_EQ(subtitles.size(), 3);
    EXPECT_EQ(subtitles.at(2).toObject().value("codePage").toString().toUpper(), QStringLiteral("GB18030"));

    const auto audioOnly = testsupport::runProcess(tool, {QStringLiteral("probe"), media(QStringLiteral("audio.mp3"))});
    EXPECT_EQ(audioOnly.exitCode, 1);
    EXPECT_TRUE(audioOnly.output.contains("has no video stream"));
}

// A file cut short is called damaged, not videoless, where the cut took the index that names its
// streams (an MP4 whose index comes last). Where the streams can still be seen (an MP4 whose index
// comes first, Matroska, AVI) it loads as far as its data goes. The whole files load.
TEST_F(MediaProbe, AFileCutShortIsDamagedWhereItsStreamsAreLost)
{
    QTemporaryDir dir;
    const struct
    {
        const char *source;
        const char *copy;
        QStringList muxing;
        bool loadsCut;
    } cuts[] = {
        {"clip.mp4", "index_last.mp4", {}, false},
        {"clip.mp4", "index_first.mp4", {"-movflags", "+faststart"}, true},
        {"clip.mkv", "cut.mkv", {}, true},
        {"clip.avi", "cut.avi", {}, true},
    };
    for (const auto &cut : cuts) {
        SCOPED_TRACE(cut.copy);
        const QString path = dir.filePath(QString::fromLatin1(cut.copy));
        const auto muxed = testsupport::runProcess(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-i", media(cut.source),
                                                                                         "-map", "0", "-c", "copy"}
                                                                                 + cut.muxing + QStringList{path});
        ASSERT_EQ(muxed.exitCode, 0) << muxed.output.toStdString();
        ASSERT_TRUE(fileNodeWithFile(path, false));

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(file.size() / 2));
        file.close();
        QString why;
        const bool loads = bool(fileNodeWithFile(path, false, &why));
        EXPECT_EQ(loads, cut.loadsCut) << why.toStdString();
        if (!cut.loadsCut)
            EXPECT_EQ(DNFileRefusalLine(path, why), QStringLiteral("%1 is damaged: it is cut short").arg(cut.copy));
    }
}
