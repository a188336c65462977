// The fourteen audio-only builders: the AAC vector word for word, what each format writes in
// its place, the edits a file keeps (trim, track, volume, tags), and the joined group road.

#include "AVBuilderTestSupport.h"

#include "builders/avencoder/DNAVVideoArgv_AudioOnly.h"

#include <QTemporaryDir>

using namespace avbuildertest;

namespace {

using Builder = Argument *(*)(NXBasicMediaNode *, int, VideoConvertOptions);

// An item of facts with an audio profile on it (profile quality 1000 kbps VBR is the video's).
DNFileNodePtr audioItem(const char *profile, ItemFacts facts = {})
{
    DNFileNodePtr item = makeItem(facts);
    item->setProfile(videoProfile(QString::fromLatin1(profile)));
    return item;
}

QStringList wordsOf(Builder builder, DNFileNode &item, const QString &folder)
{
    const ArgumentPtr argument(builder(&item, 0, passOptions(folder, 2)));
    return argument ? words(argument.get()) : QStringList{QStringLiteral("(no vector)")};
}

struct Format
{
    const char *name;
    Builder builder;
    const char *profile;
    QStringList encoding;   // between "-sn" and "-map"
    QStringList container;  // between the map and the output path
    QStringList joining;    // between the inputs and the output path of a group of two, tags left out
};

const QString kJoin = QStringLiteral("[0:0] [1:0] concat=n=2:v=0:a=1");

const Format formats[] = {
    {"AAC", Video_To_AAC_With_AVEncoder, "Audio_AAC.plist", {"-c:a", "libfaac", "-b:a", "160k", "-ar", "44100", "-ac", "2"},
     {}, {"-c:a", "libfaac", "-b:a", "160k", "-ar", "44100", "-ac", "2", "-filter_complex", kJoin, "-f", "mp4"}},
    {"AC3", Video_To_AC3_With_AVEncoder, "Audio_AC3.plist", {"-c:a", "ac3", "-b:a", "384k", "-ar", "48000", "-ac", "2"},
     {"-f", "ac3"}, {"-c:a", "ac3", "-b:a", "384k", "-ar", "48000", "-ac", "2", "-filter_complex", kJoin, "-f", "ac3"}},
    {"AIFF", Video_To_AIFF_With_AVEncoder, "Audio_AIFF.plist", {"-ar", "44100", "-ac", "2"}, {"-f", "aiff"},
     {"-ac", "2", "-filter_complex", kJoin, "-f", "aiff"}},
    {"ALAC", Video_To_ALAC_With_AVEncoder, "Audio_ALAC.plist", {"-c:a", "alac", "-ar", "44100", "-ac", "2"}, {},
     {"-c:a", "alac", "-ar", "44100", "-ac", "2", "-filter_complex", kJoin}},
    {"AU", Video_To_AU_With_AVEncoder, "Audio_AU.plist", {"-ar", "44100", "-ac", "2"}, {},
     {"-ar", "44100", "-ac", "2", "-filter_complex", kJoin}},
    {"CAF", Video_To_CAF_With_AVEncoder, "Audio_CAF.plist", {"-b:a", "1411k", "-ar", "44100", "-ac", "2"}, {"-f", "caf"},
     {"-b:a", "1411k", "-ar", "44100", "-ac", "2", "-filter_complex", kJoin, "-f", "caf"}},
    {"DTS", Video_To_DTS_With_AVEncoder, "Audio_DTS.plist", {"-c:a", "dts", "-ar", "48000", "-ac", "2", "-strict", "-2"},
     {"-f", "dts"}, {"-c:a", "dts", "-ar", "48000", "-ac", "2", "-strict", "-2", "-filter_complex", kJoin, "-f", "dts"}},
    {"FLAC", Video_To_FLAC_With_AVEncoder, "Audio_FLAC.plist", {"-c:a", "flac", "-ar", "44100", "-ac", "2"}, {"-f", "flac"},
     {"-c:a", "flac", "-ar", "44100", "-ac", "2", "-filter_complex", kJoin, "-f", "flac"}},
    {"M4R", Video_To_M4R_With_AVEncoder, "Audio_M4R.plist", {"-c:a", "libfaac", "-b:a", "128k", "-ar", "44100", "-ac", "2"},
     {"-f", "mp4"}, {"-c:a", "libfaac", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-filter_complex", kJoin, "-f", "mp4"}},
    {"MP3", Video_To_MP3_With_AVEncoder, "Audio_MP3.plist", {"-c:a", "libmp3lame", "-b:a", "192k", "-ar", "44100", "-ac", "2"},
     {"-f", "mp3"}, {"-filter_complex", kJoin, "-c:a", "libmp3lame", "-b:a", "192k", "-ar", "44100", "-ac", "2", "-f", "mp3"}},
    {"OGG", Video_To_OGG_With_AVEncoder, "Audio_OGG.plist", {"-c:a", "libvorbis", "-b:a", "128k", "-ar", "44100", "-ac", "2"},
     {}, {"-c:a", "libvorbis", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-filter_complex", kJoin}},
    {"RA", Video_To_RA_With_AVEncoder, "Audio_RA.plist", {"-c:a", "ac3", "-b:a", "128k", "-ar", "44100", "-ac", "2"},
     {"-f", "rm"}, {"-c:a", "ac3", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-filter_complex", kJoin, "-f", "rm"}},
    {"WAV", Video_To_WAV_With_AVEncoder, "Audio_WAV.plist", {"-ar", "44100", "-ac", "2"}, {"-f", "wav"},
     {"-ar", "44100", "-ac", "2", "-filter_complex", kJoin, "-f", "wav"}},
    {"WMA", Video_To_WMA_With_AVEncoder, "Audio_WMA.plist", {"-c:a", "wmav2", "-b:a", "128k", "-ar", "44100", "-ac", "2"},
     {}, {"-c:a", "wmav2", "-b:a", "128k", "-ar", "44100", "-ac", "2", "-filter_complex", kJoin}},
};

// Two converted members of 10.6 s and 20.7 s of audio, in a group with format's profile.
DNFileGroupNodePtr joinedPair(const Format &format, const QTemporaryDir &out)
{
    QList<DNFileNodePtr> members{audioItem(format.profile), audioItem(format.profile, {.path = QStringLiteral("/media/b.mp4")})};
    const float seconds[] = {10.6f, 20.7f};
    for (int i = 0; i < 2; ++i) {
        members[i]->audioTracks().first()->duration = seconds[i];
        members[i]->setOutputName(out.filePath(QStringLiteral("part%1").arg(i + 1)));
    }
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes(members);
    group->setProfile(videoProfile(QString::fromLatin1(format.profile)));
    group->setNodeInfo(std::make_shared<DNNodeInfo>());
    group->nodeInfo()->setOutputName(QStringLiteral("joined"));
    return group;
}

} // namespace

TEST(AudioOnlyFileBuilders, AACVectorWordForWord)
{
    QTemporaryDir out;
    DNFileNodePtr item = audioItem("Audio_AAC.plist");
    const ArgumentPtr argument(Video_To_AAC_With_AVEncoder(item.get(), 0, passOptions(out.path(), 2)));
    ASSERT_TRUE(argument);
    const QString output = out.filePath(QStringLiteral("clip.m4a"));
    EXPECT_EQ(words(argument.get()),
              (QStringList{"encoder", "-d", "-y", "-i", "/media/clip.mp4", "-vn", "-sn", "-c:a", "libfaac", "-b:a", "160k",
                           "-ar", "44100", "-ac", "2", "-map", "0:a:0", output}));
    EXPECT_EQ(argument->endpos, 100);
    EXPECT_EQ(item->outputName(), output);
}

TEST(AudioOnlyFileBuilders, EachFormatWritesItsCodecAndContainer)
{
    QTemporaryDir out;
    for (const Format &format : formats) {
        SCOPED_TRACE(format.name);
        DNFileNodePtr item = audioItem(format.profile);
        const QStringList w = wordsOf(format.builder, *item, out.path());
        const qsizetype map = w.indexOf(QStringLiteral("-map"));
        ASSERT_GT(map, 7);
        EXPECT_EQ(w.mid(7, map - 7), format.encoding);
        EXPECT_EQ(w.mid(map + 2, w.size() - map - 3), format.container);
        EXPECT_EQ(w.last(), item->outputName());
        EXPECT_EQ(QFileInfo(w.last()).suffix(), item->profile()->fileNameSuffix());
    }
}

TEST(AudioOnlyFileBuilders, TrimGoesBeforeTheInputUnlessASubtitleIsChosen)
{
    QTemporaryDir out;
    DNFileNodePtr item = audioItem("Audio_MP3.plist", {.duration = 61.0f});
    item->setEnableTrimming(true);
    item->setting()->setTrimStartPercent(0.25f);
    item->setting()->setTrimEndPercent(0.75f);
    ArgumentPtr argument(Video_To_MP3_With_AVEncoder(item.get(), 0, passOptions(out.path(), 2)));
    ASSERT_TRUE(argument);
    QStringList w = words(argument.get());
    EXPECT_EQ(w.mid(3, 6), (QStringList{"-ss", "15", "-t", "30", "-i", "/media/clip.mp4"}));
    EXPECT_EQ(argument->endpos, 30);
    // The output's own length too, so that the source's chapters end with it.
    EXPECT_EQ(w.mid(w.size() - 3, 2), (QStringList{"-t", "30"}));

    item->addExtraSubtitle(QStringLiteral("/media/clip.srt"));
    item->setting()->setSubtitleIndex(0);
    argument.reset(Video_To_MP3_With_AVEncoder(item.get(), 0, passOptions(out.path(), 2)));
    ASSERT_TRUE(argument);
    w = words(argument.get());
    EXPECT_EQ(w.mid(3, 7), (QStringList{"-i", "/media/clip.mp4", "-ss", "15", "-t", "30", "-vn"}));
    EXPECT_EQ(w.count(QStringLiteral("-t")), 1);

    // Nothing to keep: no "-t 0" for the engine to choke on.
    item->setting()->setTrimEndPercent(0.25f);
    EXPECT_FALSE(ArgumentPtr(Video_To_MP3_With_AVEncoder(item.get(), 0, passOptions(out.path(), 2))));

    // Trim on a track of no length, and a length with a fraction.
    DNFileNodePtr empty = audioItem("Audio_MP3.plist", {.duration = 0.0f});
    empty->setEnableTrimming(true);
    argument.reset(Video_To_MP3_With_AVEncoder(empty.get(), 0, passOptions(out.path(), 2)));
    ASSERT_TRUE(argument);
    EXPECT_FALSE(words(argument.get()).contains(QStringLiteral("-ss")));
    EXPECT_EQ(argument->endpos, 0);
    DNFileNodePtr longer = audioItem("Audio_MP3.plist", {.duration = 61.9f});
    argument.reset(Video_To_MP3_With_AVEncoder(longer.get(), 0, passOptions(out.path(), 2)));
    ASSERT_TRUE(argument);
    EXPECT_EQ(argument->endpos, 61);
}

TEST(AudioOnlyFileBuilders, TrackVolumeTagsAndOutputName)
{
    QTemporaryDir out;
    DNFileNodePtr item = audioItem("Audio_WAV.plist", {.audioTracks = 3});
    item->setting()->setAudioIndex(2);
    item->setting()->setVolume(150);
    item->nodeInfo()->setDisplayName(QStringLiteral(""));
    item->nodeInfo()->setGenre(QStringLiteral("Pop"));
    QFile existing(out.filePath(QStringLiteral("clip.wav")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    const QStringList w = wordsOf(Video_To_WAV_With_AVEncoder, *item, out.path());
    EXPECT_EQ(w.mid(11), (QStringList{"-af", "volume=1.5[audio]", "-metadata", "title=", "-metadata", "genre=Pop", "-map",
                                      "0:a:2", "-f", "wav", out.filePath(QStringLiteral("clip (1).wav"))}));
    EXPECT_EQ(item->outputName(), w.last());

    item->setting()->setAudioIndex(-1);
    const QStringList none = wordsOf(Video_To_WAV_With_AVEncoder, *item, out.path());
    EXPECT_TRUE(none.contains(QStringLiteral("-an")));
    EXPECT_FALSE(none.contains(QStringLiteral("-map")));
    EXPECT_TRUE(none.contains(QStringLiteral("-vn")));

    item->setting()->setAudioIndex(3);
    EXPECT_FALSE(ArgumentPtr(Video_To_WAV_With_AVEncoder(item.get(), 0, passOptions(out.path(), 2))));
}

TEST(AudioOnlyFileBuilders, AGroupJoinsItsMembersFilesInOrder)
{
    QTemporaryDir out;
    for (const Format &format : formats) {
        SCOPED_TRACE(format.name);
        const DNFileGroupNodePtr group = joinedPair(format, out);
        // A member's own trim and volume are not the join's.
        auto first = std::static_pointer_cast<DNFileNode>(group->children().first());
        first->setEnableTrimming(true);
        first->setting()->setVolume(50);
        const ArgumentPtr argument(format.builder(group.get(), 0, passOptions(out.path(), 2)));
        ASSERT_TRUE(argument);
        const QStringList w = words(argument.get());
        EXPECT_EQ(w.mid(0, 7), (QStringList{"encoder", "-d", "-y", "-i", out.filePath(QStringLiteral("part1")), "-i",
                                            out.filePath(QStringLiteral("part2"))}));
        EXPECT_EQ(w.mid(7, w.size() - 8), format.joining);
        EXPECT_EQ(w.last(), group->outputName());
        EXPECT_EQ(QFileInfo(w.last()).completeBaseName(), QStringLiteral("joined"));
        // 10 after the first member, 30.7 truncated after the second.
        EXPECT_EQ(argument->endpos, 30);
    }
}

TEST(AudioOnlyFileBuilders, AGroupWithAMemberWithoutAudioGivesNoVector)
{
    QTemporaryDir out;
    const DNFileGroupNodePtr group = joinedPair(formats[9], out);
    group->nodeInfo()->setDisplayName(QStringLiteral("Both"));
    ArgumentPtr argument(Video_To_MP3_With_AVEncoder(group.get(), 0, passOptions(out.path(), 2)));
    ASSERT_TRUE(argument);
    EXPECT_TRUE(words(argument.get()).join(' ').contains(QStringLiteral("-ac 2 -metadata title=Both -f mp3")));

    std::static_pointer_cast<DNFileNode>(group->children().last())->audioTracks().clear();
    EXPECT_FALSE(ArgumentPtr(Video_To_MP3_With_AVEncoder(group.get(), 0, passOptions(out.path(), 2))));
}
