#include "hvvideocore/MEncoderTranslation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {
using Words = std::vector<std::string>;

Words split(const std::string &text)
{
    Words words;
    std::istringstream in(text);
    std::string w;
    while (in >> w)
        words.push_back(w);
    return words;
}

// A disc whose title 2 lasts 10 s and carries an AC-3 track then an MPEG track (MPEG stream 0),
// and join inputs of 4 s with sound and picture. Without titleShape the IFO tells neither the
// titles' lengths nor their picture shape, so the rules that follow from those stay out of the way.
MEncoderEnvironment fakeEnvironment(int *temporaries, bool titleShape = true)
{
    MEncoderEnvironment e;
    e.dvdTitle = [titleShape](const std::string &device, int title) {
        MEncoderDvdTitle t;
        if (device == "/unreadable")
            return t;
        t.known = true;
        t.audioStreamIds = {128, 0};
        t.subtitleStreams = {0, 2, 3};   // stream 1 is not in this title
        if (titleShape) {
            t.seconds = title == 2 ? 10 : 6;
            t.displayAspect = device == "/wide" ? "16:9" : "4:3";
        }
        return t;
    };
    e.inputFacts = [](const std::string &) {
        MEncoderInputFacts f;
        f.readable = true;
        f.seconds = 4;
        f.hasAudio = f.hasVideo = true;
        return f;
    };
    e.temporaryPath = [temporaries](const std::string &extension) {
        return "/tmp/t/part" + std::to_string(++*temporaries) + extension;
    };
    return e;
}

const std::string kHead = "-nostdin -hide_banner -nostats -v error -progress pipe:1 -y ";
} // namespace

// Every rule, with the vector a builder writes and what runs in its place. Words after "encoder".
TEST(MEncoderTranslation, RulesTurnBuilderVectorsIntoRunnableSteps)
{
    struct Case
    {
        const char *rule;       // the rule that must fire ("" when none may)
        std::string vector;
        std::string mencoder;   // "" when no mencoder run is left
        std::string ffmpeg;     // "" when no ffmpeg run follows
        bool streamed = false;  // ffmpeg reads mencoder's intermediate, a FIFO, as it is written
    };
    const Case cases[] = {
        {"dvd-audio-stream-id",   // a track position becomes the title's stream id (MPEG track: 0)
         "dvd://2 -dvd-device /d -ss 0 -ovc lavc -lavcopts vcodec=mpeg4 -oac mp3lame -aid 1 -of avi -o /o/a.avi",
         "dvd://2 -dvd-device /d -ss 0 -ovc lavc -lavcopts vcodec=mpeg4 -oac mp3lame -aid 0 -of avi -o /o/a.avi -ac a52,",
         ""},
        {"copied-sound-sync",   // a stream id already given stays; a copied stream needs no decoder; every
                                // copied picture once (the main title backup keeps mencoder's muxer)
         "dvdnav://1 -dvd-device /d -ovc copy -oac copy -of mpeg -mpegopts format=dvd:tsaf -aid 129 -o /o/b.mpg",
         "dvdnav://1 -dvd-device /d -ovc copy -oac copy -of mpeg -mpegopts format=dvd:tsaf -aid 129 -o /o/b.mpg -mc 0", ""},
        {"dvd-subtitle-stream",   // the second subtitle track is sub-picture stream 2
         "dvd://1 -dvd-device /d -ovc lavc -oac copy -sid 1 -spualign 0 -subpos 100 -aid 0 -o /o/s.avi",
         "dvd://1 -dvd-device /d -ovc lavc -oac copy -sid 2 -spualign 0 -subpos 100 -aid 128 -o /o/s.avi -mc 0", ""},
        {"lavf-format-wmv",
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=wmv -ovc lavc -lavcopts aglobal=1:vglobal=1:vcodec=wmv2:autoaspect "
         "-oac mp3lame -lameopts mode=0:cbr:br=128 -nosound -o /o/c.wmv",
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=asf -ovc lavc -lavcopts aglobal=1:vglobal=1:vcodec=wmv2:autoaspect "
         "-oac mp3lame -lameopts mode=0:cbr:br=128 -nosound -o /o/c.wmv",
         ""},
        {"lavc-mv0-cbp",
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=flv -ovc lavc -lavcopts vcodec=flv:vbitrate=500:mbd=2:mv0:trell:v4mv:cbp:last_pred=3 "
         "-oac mp3lame -nosound -o /o/f.flv",
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=flv -ovc lavc -lavcopts "
         "vcodec=flv:vbitrate=500:mbd=2:trell:v4mv:last_pred=3:o=mpv_flags=+mv0+cbp_rd -oac mp3lame -nosound -o /o/f.flv",
         ""},
        {"lavc-coder-mpeg4",
         "dvd://1 -dvd-device /d -ovc lavc -lavcopts vcodec=mpeg4:coder=1:vbitrate=900 -oac mp3lame -nosound -of avi -o /o/g.avi",
         "dvd://1 -dvd-device /d -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=900 -oac mp3lame -nosound -of avi -o /o/g.avi", ""},
        {"lavc-audio-mp2",
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=mpegts -oac lavc -ovc lavc "
         "-lavcopts vcodec=mpeg2video:vbitrate=5000:acodec=mp2:abitrate=224 -aid 0 -o /o/h.ts",
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=mpegts -oac twolame -ovc lavc -lavcopts vcodec=mpeg2video:vbitrate=5000 "
         "-aid 128 -o /o/h.ts -ac a52, -twolameopts br=224",
         ""},
        {"audio-through-ffmpeg",   // MP2 into an MPEG program stream: mencoder's muxer would cut its end; ffmpeg writes it
         "dvd://1 -dvd-device /d -of mpeg -mpegopts format=mpeg2 -oac lavc -ovc lavc "
         "-lavcopts vcodec=mpeg2video:vbitrate=5000:acodec=mp2:abitrate=224 -aid 0 -o /o/h.mpg",
         "dvd://1 -dvd-device /d -of lavf -oac pcm -ovc lavc -lavcopts vcodec=mpeg2video:vbitrate=5000 "
         "-aid 128 -o /tmp/t/part1.nut -ac a52, -lavfopts format=nut",
         kHead + "-i /tmp/t/part1.nut -map 0:v? -map 0:a? -c:v copy -c:a mp2 -b:a 224k -f vob /o/h.mpg", true},
        {"copied-sound-sync",   // copied sound in an AVI: every picture once, none doubled or dropped
         "dvd://1 -dvd-device /d -of avi -ovc xvid -xvidencopts bitrate=3000 -aid 0 -oac copy -channels 2 -o /o/x.avi",
         "dvd://1 -dvd-device /d -of avi -ovc xvid -xvidencopts bitrate=3000 -aid 128 -oac copy -channels 2 -o /o/x.avi -mc 0",
         ""},
        {"mpeg-copied-sound",   // copied sound into a DVD program stream: through a streamed AVI, ffmpeg muxes
         "dvd://1 -dvd-device /d -oac copy -channels 2 -ovc lavc -of mpeg -mpegopts format=dvd:tsaf "
         "-lavcopts vcodec=mpeg2video:vbitrate=5000 -aid 0 -o /o/p.mpg -mc 0",
         "dvd://1 -dvd-device /d -oac copy -channels 2 -ovc lavc -of avi -lavcopts vcodec=mpeg2video:vbitrate=5000 "
         "-aid 128 -o /tmp/t/part1.avi -mc 0",
         kHead + "-fflags +genpts -i /tmp/t/part1.avi -map 0:v? -map 0:a? -c copy -f dvd /o/p.mpg", true},
        {"",   // copied sound alone: no picture to keep in step
         "dvd://1 -dvd-device /d -ovc frameno -of rawaudio -oac copy -aid 128 -o /o/m.ac3",
         "dvd://1 -dvd-device /d -ovc frameno -of rawaudio -oac copy -aid 128 -o /o/m.ac3", ""},
        {"",   // DVD LPCM stays with mencoder's muxer, the one that writes it as the disc has it
         "dvd://1 -dvd-device /d -oac copy -ovc lavc -of mpeg -mpegopts format=dvd:tsaf -aid 160 -o /o/l.mpg -mc 0",
         "dvd://1 -dvd-device /d -oac copy -ovc lavc -of mpeg -mpegopts format=dvd:tsaf -aid 160 -o /o/l.mpg -mc 0", ""},
        {"audio-through-ffmpeg",   // faac: video and PCM into a streamed intermediate, ffmpeg writes AAC into the container
         "dvd://2 -dvd-device /d -of lavf -lavfopts format=ipod -ovc x264 -x264encopts bitrate=800 "
         "-oac faac -faacopts br=128:mpeg=4:object=2:raw -aid 0 -o /o/d.mp4",
         "dvd://2 -dvd-device /d -of lavf -lavfopts format=nut -ovc x264 -x264encopts bitrate=800 -oac pcm -aid 128 "
         "-o /tmp/t/part1.nut -ac a52,",
         kHead + "-i /tmp/t/part1.nut -map 0:v? -map 0:a? -c:v copy -c:a aac -b:a 128k -f ipod /o/d.mp4", true},
        {"audio-through-ffmpeg",   // lavc AC-3 into a transport stream
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=mpegts -oac lavc -ovc lavc -lavcopts vcodec=mpeg4:acodec=ac3:abitrate=384 "
         "-aid 0 -o /o/i.ts",
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=nut -oac pcm -ovc lavc -lavcopts vcodec=mpeg4 -aid 128 "
         "-o /tmp/t/part1.nut -ac a52,",
         kHead + "-i /tmp/t/part1.nut -map 0:v? -map 0:a? -c:v copy -c:a ac3 -b:a 384k -f mpegts /o/i.ts", true},
        {"audio-through-ffmpeg",   // lavc libfaac into an MPEG program stream muxer: the DVD muxer of ffmpeg
         "dvd://1 -dvd-device /d -of mpeg -mpegopts format=dvd:tsaf -oac lavc -ovc lavc -lavcopts vcodec=mpeg2video:acodec=libfaac "
         "-aid 0 -o /o/k.mpg",
         "dvd://1 -dvd-device /d -of lavf -oac pcm -ovc lavc -lavcopts vcodec=mpeg2video -aid 128 -o /tmp/t/part1.nut -ac a52, "
         "-lavfopts format=nut",
         kHead + "-i /tmp/t/part1.nut -map 0:v? -map 0:a? -c:v copy -c:a aac -b:a 128k -f dvd /o/k.mpg", true},
        {"audio-through-ffmpeg",   // audio only: the PCM goes through an AVI, ffmpeg writes an ADTS stream
         "dvd://1 -dvd-device /d -ovc frameno -of rawaudio -oac faac -faacopts br=160:mpeg=4:object=2 -aid 0 -o /o/e.aac",
         "dvd://1 -dvd-device /d -ovc frameno -of avi -oac pcm -aid 128 -o /tmp/t/part1.avi -ac a52,",
         kHead + "-i /tmp/t/part1.avi -map 0:a:0 -vn -c:a aac -b:a 160k -f adts /o/e.aac"},
        {"audio-through-ffmpeg",   // a first pass of two: the run of the second, its output thrown away
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=ipod -ovc lavc -lavcopts vcodec=mpeg4:vpass=1:acodec=libfaac:abitrate=128 "
         "-oac lavc -passlogfile /tmp/HV_x -aid 0 -o /dev/null",
         "dvd://1 -dvd-device /d -of lavf -lavfopts format=nut -ovc lavc -lavcopts vcodec=mpeg4:vpass=1 -oac pcm "
         "-passlogfile /tmp/HV_x -aid 128 -o /dev/null -ac a52,",
         ""},
        {"lavf-copy-join",   // joined MP4 parts: ffmpeg's concat reader, streams copied
         "/t/a.mp4 /t/b'c.mp4 -of lavf -lavfopts format=ipod -aspect 16:9 -oac faac -faacopts br=128:mpeg=4:object=2:raw "
         "-ovc copy -o /o/j.mp4 -cache 8192",
         "",
         kHead + "-f concat -safe 0 -i /tmp/t/part1.txt -map 0 -c copy -aspect 16:9 -f ipod /o/j.mp4"},
        {"",   // AVI joins still work in mencoder
         "/t/a.avi /t/b.avi -of avi -oac copy -ovc copy -o /o/j.avi -cache 8192",
         "/t/a.avi /t/b.avi -of avi -oac copy -ovc copy -o /o/j.avi -cache 8192", ""},
        {"",   // words this mencoder takes as they are
         "dvd://1 -dvd-device /d -ss 0 -ovc x264 -x264encopts bitrate=900:threads=4 -oac mp3lame -lameopts abr:br=128 "
         "-vf pp,scale=640:-2,harddup,fixpts -ofps 30000/1001 -nosound -o /o/m.mp4 -of lavf -lavfopts format=mp4",
         "dvd://1 -dvd-device /d -ss 0 -ovc x264 -x264encopts bitrate=900:threads=4 -oac mp3lame -lameopts abr:br=128 "
         "-vf pp,scale=640:-2,harddup,fixpts -ofps 30000/1001 -nosound -o /o/m.mp4 -of lavf -lavfopts format=mp4",
         ""},
        {"identity-eq2",   // the builders' neutral eq2 changes no pixel: mencoder is spared it
         "dvd://1 -dvd-device /d -ss 0 -ovc x264 -x264encopts bitrate=900 -vf pp,scale=640:-2,eq2=1:1:0:1,harddup,fixpts "
         "-nosound -o /o/m.mp4 -of lavf -lavfopts format=mp4",
         "dvd://1 -dvd-device /d -ss 0 -ovc x264 -x264encopts bitrate=900 -vf pp,scale=640:-2,harddup,fixpts "
         "-nosound -o /o/m.mp4 -of lavf -lavfopts format=mp4",
         ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.vector);
        int temporaries = 0;
        Words argv = split(c.vector);
        argv.insert(argv.begin(), "encoder");
        const MEncoderPlan plan = planMEncoderPass(argv, fakeEnvironment(&temporaries, false));
        EXPECT_EQ(plan.error, "");
        EXPECT_EQ(plan.mencoder, split(c.mencoder));
        EXPECT_EQ(plan.ffmpeg, split(c.ffmpeg));
        bool fired = false;
        for (const std::string &note : plan.notes) {
            // Each note names its rule and shows both forms.
            EXPECT_NE(note.find(" -> "), std::string::npos) << note;
            fired = fired || note.rfind(std::string(c.rule) + ": ", 0) == 0;
        }
        if (*c.rule)
            EXPECT_TRUE(fired) << c.rule;
        else
            EXPECT_TRUE(plan.notes.empty());
        // Intermediates go away after the pass; the builder's output is what the pass must leave.
        EXPECT_EQ(plan.temporaries.size(), size_t(temporaries));
        // A streamed intermediate is a FIFO that ffmpeg reads while mencoder writes it; another one a file.
        EXPECT_EQ(plan.streamPath, c.streamed ? mencoderOptionValue(plan.mencoder, "-o") : std::string());
        EXPECT_EQ(plan.output, mencoderOptionValue(argv, "-o"));
    }
}

// A title's picture shape and its end, from the IFO: mencoder scales from the shape the disc
// shows, and a pass that runs to the end of a title reads the title's cells (dvdnav:// goes on
// into whatever the disc plays next) with the title's length, plus a margin, as its bound.
TEST(MEncoderTranslation, TitleShapeAndEndComeFromTheDisc)
{
    struct Case
    {
        std::string vector;
        std::string mencoder;
        Words notes;
    };
    const std::string tail = "-ovc x264 -vf scale=-2:480 -oac mp3lame -nosound -o /o/a.mp4";
    const Case cases[] = {
        {"dvdnav://2 -dvd-device /d -ss 0 " + tail, "dvd://2 -dvd-device /d -ss 0 " + tail + " -aspect 4:3 -endpos 11",
         {"dvd-display-aspect: (no -aspect) -> -aspect 4:3",
          "dvd-title-end: dvdnav://2 (no -endpos) -> dvd://2 -endpos 11"}},
        {"dvd://1 -dvd-device /wide -ss 2.5 " + tail, "dvd://1 -dvd-device /wide -ss 2.5 " + tail + " -aspect 16:9 -endpos 4.5",
         {"dvd-display-aspect: (no -aspect) -> -aspect 16:9", "dvd-title-end: (no -endpos) -> -endpos 4.5"}},
        // A trim that reaches the title's end: its -endpos stays, the input cannot be dvdnav://.
        {"dvdnav://2 -dvd-device /d -ss 4 -endpos 6 -aspect 16:9 " + tail,
         "dvd://2 -dvd-device /d -ss 4 -endpos 6 -aspect 16:9 " + tail, {"dvd-title-end: dvdnav://2 -> dvd://2"}},
        // A trim inside the title stays on dvdnav://.
        {"dvdnav://2 -dvd-device /d -ss 4 -endpos 5 -aspect 16:9 " + tail,
         "dvdnav://2 -dvd-device /d -ss 4 -endpos 5 -aspect 16:9 " + tail, {}},
        // Nothing known of the disc: nothing added.
        {"dvdnav://2 -dvd-device /unreadable " + tail, "dvdnav://2 -dvd-device /unreadable " + tail, {}},
        // Files have no IFO.
        {"/t/a.mpg " + tail, "/t/a.mpg " + tail, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.vector);
        int temporaries = 0;
        const MEncoderPlan plan = planMEncoderPass(split("encoder " + c.vector), fakeEnvironment(&temporaries));
        EXPECT_EQ(plan.mencoder, split(c.mencoder));
        EXPECT_EQ(plan.notes, c.notes);
    }
}

// The record's length, when the driver gives it, is the bound; the title still ends the run.
TEST(MEncoderTranslation, RecordLengthOfAWholeTitleReadsTheTitlesCells)
{
    int temporaries = 0;
    const MEncoderPlan plan = planMEncoderPass(
        split("encoder dvdnav://1 -dvd-device /d -ss 0 -ovc lavc -oac mp3lame -nosound -aspect 4:3 -o /o/a.avi"),
        fakeEnvironment(&temporaries), 6);
    EXPECT_EQ(mencoderOptionValue(plan.mencoder, "-endpos"), "6");
    EXPECT_EQ(plan.mencoder.front(), "dvd://1");
}

TEST(MEncoderTranslation, JoinListQuotesPathsForTheConcatReader)
{
    int temporaries = 0;
    const MEncoderPlan plan = planMEncoderPass(
        split("encoder /t/a.mp4 /t/b'c.mp4 -of lavf -lavfopts format=ipod -oac copy -ovc copy -o /o/j.mp4"),
        fakeEnvironment(&temporaries));
    EXPECT_EQ(plan.concatListPath, "/tmp/t/part1.txt");
    EXPECT_EQ(plan.concatList, "ffconcat version 1.0\nfile '/t/a.mp4'\nfile '/t/b'\\''c.mp4'\n");
    EXPECT_DOUBLE_EQ(plan.partSeconds, 8);
}

// What the output is checked against: the length of the part and the streams it must hold.
TEST(MEncoderTranslation, PlanKnowsWhatTheOutputMustHold)
{
    struct Case
    {
        std::string vector;
        double partSeconds;
        bool expectVideo;
        bool expectAudio;
    };
    const Case cases[] = {
        {"dvd://2 -dvd-device /d -ss 2 -endpos 5 -ovc lavc -oac mp3lame -aid 0 -o /o/a.avi", 5, true, true},
        {"dvd://2 -dvd-device /d -ss 2 -ovc lavc -oac mp3lame -aid 0 -o /o/a.avi", 8, true, true},
        {"dvd://2 -dvd-device /d -ss 0:04 -endpos 00:00:30 -ovc lavc -oac mp3lame -o /o/a.avi", 6, true, true},
        {"dvd://1 -dvd-device /d -ovc lavc -oac mp3lame -nosound -o /o/a.avi", 6, true, false},
        {"dvd://1 -dvd-device /d -ovc frameno -of rawaudio -oac mp3lame -aid 0 -o /o/a.mp3", 6, false, true},
        {"dvd://1 -dvd-device /d -endpos 10mb -ovc lavc -oac mp3lame -aid 0 -o /o/a.avi", 6, true, true},
        {"dvd://1 -dvd-device /unreadable -ss 1 -endpos 3 -ovc lavc -oac mp3lame -aid 0 -o /o/a.avi", 3, true, true},
        {"dvd://1 -dvd-device /unreadable -ovc lavc -oac mp3lame -aid 0 -o /o/a.avi", 0, true, true},
        {"dvd://1 -dvd-device /d -ovc lavc -oac lavc -aid 0 -passlogfile /tmp/HV_1 -o /dev/null", 6, false, false},
        {"/t/a.avi /t/b.avi /t/c.avi -of avi -oac copy -ovc copy -o /o/j.avi", 12, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.vector);
        int temporaries = 0;
        const MEncoderPlan plan = planMEncoderPass(split("encoder " + c.vector), fakeEnvironment(&temporaries));
        EXPECT_DOUBLE_EQ(plan.partSeconds, c.partSeconds);
        EXPECT_EQ(plan.expectVideo, c.expectVideo);
        EXPECT_EQ(plan.expectAudio, c.expectAudio);
    }
}

// The argument record's length stops the engine when the vector does not say it.
TEST(MEncoderTranslation, RecordLengthBecomesTheEndPosition)
{
    int temporaries = 0;
    const Words vector = split("encoder dvd://2 -dvd-device /d -ss 3 -ovc lavc -oac mp3lame -nosound -aspect 4:3 -o /o/a.avi");
    const MEncoderPlan withLength = planMEncoderPass(vector, fakeEnvironment(&temporaries), 4);
    EXPECT_EQ(mencoderOptionValue(withLength.mencoder, "-endpos"), "4");
    EXPECT_DOUBLE_EQ(withLength.partSeconds, 4);
    EXPECT_EQ(withLength.notes, Words{"record-endpos: (no -endpos) -> -endpos 4"});

    Words trimmed = vector;
    trimmed.insert(trimmed.end(), {"-endpos", "2"});
    const MEncoderPlan kept = planMEncoderPass(trimmed, fakeEnvironment(&temporaries), 4);
    EXPECT_EQ(mencoderOptionValue(kept.mencoder, "-endpos"), "2");
    EXPECT_TRUE(kept.notes.empty());
    EXPECT_DOUBLE_EQ(planMEncoderPass(vector, fakeEnvironment(&temporaries), 0).partSeconds, 7);
}

TEST(MEncoderTranslation, UnreadableDiscKeepsTheTrackPositionAndSaysSo)
{
    int temporaries = 0;
    const MEncoderPlan plan = planMEncoderPass(
        split("encoder dvd://1 -dvd-device /unreadable -ovc lavc -oac mp3lame -aid 1 -o /o/a.avi"),
        fakeEnvironment(&temporaries));
    EXPECT_EQ(mencoderOptionValue(plan.mencoder, "-aid"), "1");
    ASSERT_FALSE(plan.notes.empty());
    EXPECT_NE(plan.notes.front().find("could not be read"), std::string::npos) << plan.notes.front();
}

TEST(MEncoderTranslation, VectorsThatCannotRunAreRefused)
{
    int temporaries = 0;
    EXPECT_NE(planMEncoderPass({}, fakeEnvironment(&temporaries)).error, "");
    EXPECT_NE(planMEncoderPass({"encoder"}, fakeEnvironment(&temporaries)).error, "");
    EXPECT_NE(planMEncoderPass(split("encoder dvd://1 -ovc lavc -oac mp3lame"), fakeEnvironment(&temporaries)).error, "");

    // An intermediate is needed but no temporary folder can be made.
    MEncoderEnvironment noTemporaries = fakeEnvironment(&temporaries);
    noTemporaries.temporaryPath = [](const std::string &) { return std::string(); };
    const MEncoderPlan plan = planMEncoderPass(
        split("encoder dvd://1 -dvd-device /d -ovc lavc -oac faac -of lavf -lavfopts format=ipod -o /o/a.mp4"), noTemporaries);
    EXPECT_NE(plan.error, "");
}

TEST(MEncoderTranslation, TimeValues)
{
    const std::pair<const char *, double> cases[] = {
        {"90", 90}, {"0", 0}, {"1:30", 90}, {"00:01:30.5", 90.5}, {"2.5", 2.5},
        {"10mb", -1}, {"", -1}, {"-3", -1}, {"1::2", -1},
    };
    for (const auto &[text, seconds] : cases)
        EXPECT_DOUBLE_EQ(mencoderTimeValue(text), seconds) << text;
}

// Rules that only save time: what goes is what changes no picture, and the decoder's threads are
// given only where mencoder decodes a DVD's picture.
TEST(MEncoderTranslation, TimeSavingRulesKeepEveryWordThatChangesThePicture)
{
    struct Case
    {
        std::string vector;
        unsigned processors;
        std::string mencoder;
    };
    const std::string tail = " -ovc lavc -nosound -o /o/a.avi";
    const Case cases[] = {
        {"/t/a.mpg -vf eq2" + tail, 0, "/t/a.mpg" + tail},
        {"/t/a.mpg -vf scale=320:-2,eq2=1.0:1:0:1:1:1:1:0.5,harddup" + tail, 0, "/t/a.mpg -vf scale=320:-2,harddup" + tail},
        {"/t/a.mpg -vf eq2=1:1.2:0:1,harddup" + tail, 0, "/t/a.mpg -vf eq2=1:1.2:0:1,harddup" + tail},
        {"/t/a.mpg -vf eq2=1:1:0.1,eq2=1:1:0:1" + tail, 0, "/t/a.mpg -vf eq2=1:1:0.1" + tail},
        {"/t/a.mpg -vf eq2=1:1:0:1:1:0.9,eq2=x" + tail, 0, "/t/a.mpg -vf eq2=1:1:0:1:1:0.9,eq2=x" + tail},
        {"dvd://1 -dvd-device /d -aspect 4:3 -endpos 6" + tail, 8,
         "dvd://1 -dvd-device /d -aspect 4:3 -endpos 6" + tail + " -lavdopts threads=4"},
        {"dvd://1 -dvd-device /d -aspect 4:3 -endpos 6" + tail, 2,
         "dvd://1 -dvd-device /d -aspect 4:3 -endpos 6" + tail + " -lavdopts threads=2"},
        {"dvd://1 -dvd-device /d -aspect 4:3 -endpos 6" + tail, 1, "dvd://1 -dvd-device /d -aspect 4:3 -endpos 6" + tail},
        {"dvd://1 -dvd-device /d -aspect 4:3 -endpos 6 -lavdopts threads=1" + tail, 8,
         "dvd://1 -dvd-device /d -aspect 4:3 -endpos 6 -lavdopts threads=1" + tail},
        {"dvd://1 -dvd-device /d -aspect 4:3 -endpos 6 -ovc copy -nosound -o /o/a.mpg", 8,
         "dvd://1 -dvd-device /d -aspect 4:3 -endpos 6 -ovc copy -nosound -o /o/a.mpg"},
        {"/t/a.mpg" + tail, 8, "/t/a.mpg" + tail},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.vector);
        int temporaries = 0;
        MEncoderEnvironment environment = fakeEnvironment(&temporaries, false);
        environment.processors = c.processors;
        const MEncoderPlan plan = planMEncoderPass(split("encoder " + c.vector), environment);
        EXPECT_EQ(plan.mencoder, split(c.mencoder));
    }
}
