// What the player executable and a frame receiver share: the names of their meeting place, the
// messages on the socket, the yuv4mpeg stream the player reads and the translation of the
// arguments it is given.
#include "playerchannel/HVPlayerChannel.h"
#include "playerchannel/HVPlayerTranslation.h"
#include "playerchannel/MPlayerOSXVOWire.h"
#include "playerchannel/Y4MStreamReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using Args = std::vector<std::string>;

TEST(PlayerChannel, NamesDependOnTheFolderAndTheBufferName)
{
    const std::string dir = "/tmp/talvane-x/player";
    EXPECT_EQ(HVPlayerChannel::socketPath(dir, "NXMPlayerBufferName"), dir + "/NXMPlayerBufferName");
    EXPECT_EQ(HVPlayerChannel::socketPath(dir, "a/b"), dir + "/a_b");
    const std::string shm = HVPlayerChannel::sharedMemoryName(dir, "ONLINE_VIDEO_BUFFER_NAME<->1");
    EXPECT_EQ(shm.rfind("/hvplayer-", 0), 0u);
    EXPECT_EQ(shm.find('/', 1), std::string::npos);
    EXPECT_NE(shm, HVPlayerChannel::sharedMemoryName("/tmp/talvane-y/player", "ONLINE_VIDEO_BUFFER_NAME<->1"));
    // A path too long for a socket address gets a short name of its own.
    const std::string longName(200, 'n');
    const std::string path = HVPlayerChannel::socketPath(dir, longName);
    EXPECT_LT(path.size(), 108u);
    EXPECT_NE(path, HVPlayerChannel::socketPath(dir, longName + "2"));
    EXPECT_LE(HVPlayerChannel::sharedMemoryName(dir, std::string(300, 'n')).size(), 255u);
}

TEST(PlayerChannel, MessagesRoundTrip)
{
    using MPlayerOSXVOWire::Method;
    MPlayerOSXVOWire::Message start{Method::Start, 720, 576, 2, 178};
    EXPECT_EQ(MPlayerOSXVOWire::format(start), "startWithWidth:withHeight:withBytes:withAspect: 720 576 2 178\n");
    const auto back = MPlayerOSXVOWire::parse("startWithWidth:withHeight:withBytes:withAspect: 720 576 2 178");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 720);
    EXPECT_EQ(back->aspect, 178);
    for (Method m : {Method::Stop, Method::Render, Method::ToggleFullscreen, Method::Ontop}) {
        const std::string line = MPlayerOSXVOWire::format({m});
        const auto parsed = MPlayerOSXVOWire::parse(line.substr(0, line.size() - 1));
        ASSERT_TRUE(parsed) << line;
        EXPECT_EQ(parsed->method, m);
    }
    for (const char *bad : {"", "hello", "render now", "startWithWidth:withHeight:withBytes:withAspect: 720 576 2",
                            "startWithWidth:withHeight:withBytes:withAspect: 0 576 2 178",
                            "startWithWidth:withHeight:withBytes:withAspect: 720 x 2 178"})
        EXPECT_FALSE(MPlayerOSXVOWire::parse(bad)) << bad;

    std::uint32_t format = 0;
    EXPECT_TRUE(MPlayerOSXVOWire::parseStartReply("1 2vuy", format));
    EXPECT_EQ(format, MPlayerOSXVOWire::kPixelFormat2VUY);
    EXPECT_TRUE(MPlayerOSXVOWire::parseStartReply(MPlayerOSXVOWire::formatStartReply(true, MPlayerOSXVOWire::kPixelFormatYUVS), format));
    EXPECT_EQ(format, MPlayerOSXVOWire::kPixelFormatYUVS);
    EXPECT_FALSE(MPlayerOSXVOWire::parseStartReply("0", format));
    EXPECT_FALSE(MPlayerOSXVOWire::parseStartReply("", format));

    MPlayerOSXVOWire::LineReader reader;
    reader.append("ren", 3);
    EXPECT_FALSE(reader.nextLine());
    reader.append("der\nstop\nto", 11);
    EXPECT_EQ(reader.nextLine(), std::optional<std::string>("render"));
    EXPECT_EQ(reader.nextLine(), std::optional<std::string>("stop"));
    EXPECT_FALSE(reader.nextLine());
}

// A peer that writes on without a line break: what the reader keeps stays within its bound, the
// line is handed out cut at the bound, and the messages after it are read whole.
TEST(PlayerChannel, AnEndlessLineOnTheSocketKeepsItsMemoryBounded)
{
    constexpr std::size_t kMost = MPlayerOSXVOWire::LineReader::kMostLineBytes;
    MPlayerOSXVOWire::LineReader reader;
    const std::string chunk(64 * 1024, 'x');
    std::vector<std::string> lines;
    std::size_t mostBuffered = 0;
    for (int i = 0; i < 128; ++i) {   // 8 MiB
        reader.append(chunk.data(), chunk.size());
        mostBuffered = std::max(mostBuffered, reader.bufferedBytes());
        while (auto line = reader.nextLine())
            lines.push_back(*line);
    }
    const std::string rest = "the overlong line's end\nrender\n";
    reader.append(rest.data(), rest.size());
    while (auto line = reader.nextLine())
        lines.push_back(*line);
    EXPECT_LE(mostBuffered, 2 * kMost);
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(kMost, 'x'), "render"}));
}

namespace {
std::string frame(std::size_t bytes, char fill)
{
    return "FRAME\n" + std::string(bytes, fill);
}

struct Collected
{
    std::vector<Y4MStreamReader::Format> headers;
    std::vector<std::string> frames;
    Y4MStreamReader reader{[this](const Y4MStreamReader::Format &f) { headers.push_back(f); },
                           [this](const Y4MStreamReader::Format &f, const std::uint8_t *p) {
                               frames.emplace_back(reinterpret_cast<const char *>(p), f.frameBytes);
                           }};
    void feed(const std::string &bytes, std::size_t piece)
    {
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            const std::string part = bytes.substr(at, piece);
            reader.feed(reinterpret_cast<const std::uint8_t *>(part.data()), part.size());
        }
    }
};
} // namespace

// Pieces of any size make the same frames; a second header (mplayer opening its output again)
// may change the size.
TEST(PlayerChannel, StreamReaderFollowsHeadersAndFramesInAnyPieces)
{
    const std::string stream = "YUV4MPEG2 W4 H2 F25:1 Ip A1:1\n" + frame(12, 'a') + frame(12, 'b') +
                               "YUV4MPEG2 W2 H2 F25:1 Ip A64:45 C422\n" + frame(8, 'c');
    for (std::size_t piece : {std::size_t(1), std::size_t(5), stream.size()}) {
        SCOPED_TRACE(piece);
        Collected c;
        c.feed(stream, piece);
        EXPECT_FALSE(c.reader.failed()) << c.reader.error();
        ASSERT_EQ(c.headers.size(), 2u);
        EXPECT_EQ(c.headers[0].frameBytes, 12u);
        EXPECT_EQ(c.headers[1].chroma, Y4MStreamReader::Chroma::C422);
        EXPECT_EQ(c.headers[1].frameBytes, 8u);
        ASSERT_EQ(c.frames.size(), 3u);
        EXPECT_EQ(c.frames[1], std::string(12, 'b'));
        EXPECT_EQ(c.frames[2], std::string(8, 'c'));
    }
}

TEST(PlayerChannel, StreamHeaderAspectAndRefusals)
{
    Y4MStreamReader::Format f;
    std::string why;
    ASSERT_TRUE(Y4MStreamReader::parseHeader("YUV4MPEG2 W720 H576 F25:1 Ip A64:45", f, why));
    EXPECT_EQ(f.displayAspectHundredths(), 178);
    ASSERT_TRUE(Y4MStreamReader::parseHeader("YUV4MPEG2 W720 H480 F30000:1001 It A0:0 C420mpeg2", f, why));
    EXPECT_EQ(f.displayAspectHundredths(), 150);
    EXPECT_EQ(f.frameBytes, 720u * 480u * 3u / 2u);
    ASSERT_TRUE(Y4MStreamReader::parseHeader("YUV4MPEG2 W5 H3 Cmono", f, why));
    EXPECT_EQ(f.frameBytes, 15u);
    for (const char *bad : {"YUV4MPEG2 W720", "YUV4MPEG2 W720 H576 C420p10", "MPEG2 W720 H576", "YUV4MPEG2 W0 H0"})
        EXPECT_FALSE(Y4MStreamReader::parseHeader(bad, f, why)) << bad;

    Collected c;
    c.feed("YUV4MPEG2 W2 H2\nFRAMX\n", 64);
    EXPECT_TRUE(c.reader.failed());
}

// The translation table, one rule at a time, and what stays as it was.
TEST(PlayerChannel, PreviewArgumentsAreTranslatedForTheInstalledMplayer)
{
    const std::string pipe = "/dev/fd/7";
    const Args given{"/m/a.mp4", "-identify", "-slave", "-aid", "0", "-osdlevel", "0", "-ao", "coreaudio", "-vf",
                     "screenshot", "-vo", "corevideo:shared_buffer:buffer_name=\"NXMPlayerBufferName\"",
                     "-volume", "35.00"};
    const auto run = HVPlayerTranslation::translatePreview(given, pipe);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->bufferName, "NXMPlayerBufferName");
    EXPECT_EQ(run->arguments, (Args{"-noconfig", "all", "/m/a.mp4", "-identify", "-slave", "-aid", "0", "-osdlevel",
                                    "0", "-ao", "pulse,alsa,null,", "-vf", "screenshot", "-vo",
                                    "yuv4mpeg:file=/dev/fd/7", "-volume", "35.00"}));
    EXPECT_EQ(run->changes.size(), 2u);
}

TEST(PlayerChannel, EachTranslationRuleIsLogged)
{
    const struct
    {
        Args given;
        std::string from, to;
    } rules[] = {
        {{"-vo", "corevideo:buffer_name=\"EDIT_VIDEO_BUFFER_NAME_1->1\""},
         "-vo corevideo:buffer_name=\"EDIT_VIDEO_BUFFER_NAME_1->1\"", "-vo yuv4mpeg:file=P"},
        {{"-ao", "coreaudio", "-vo", "corevideo:buffer_name=\"B\""}, "-ao coreaudio", "-ao pulse,alsa,null,"},
        {{"dvdnav://1", "-vf", "yadif=0", "-vf", "screenshot", "-vo", "corevideo:buffer_name=\"B\""},
         "-vf yadif=0 -vf screenshot", "-vf yadif=0,screenshot"},
        {{"dvdnav://2", "-dvd-device", "/d/pal.iso", "-ss", "3", "-vo", "corevideo:buffer_name=\"B\"", "-loop", "0"},
         "dvdnav://2", "dvd://2"},
        {{"dvdnav://2", "-ss", "0", "-vo", "corevideo:buffer_name=\"B\"", "-loop", "0"}, "-ss 0", "(no -ss)"},
    };
    for (const auto &rule : rules) {
        const auto run = HVPlayerTranslation::translatePreview(rule.given, "P");
        ASSERT_TRUE(run);
        bool logged = false;
        for (const auto &[from, to] : run->changes)
            logged = logged || (from == rule.from && to == rule.to);
        EXPECT_TRUE(logged) << rule.from;
    }
    // Filters keep their order and their place.
    const auto dvd = HVPlayerTranslation::translatePreview(
        {"dvdnav://1", "-vf", "yadif=0", "-osdlevel", "0", "-vf", "screenshot", "-vo", "corevideo:buffer_name=\"B\""},
        "P");
    EXPECT_EQ(dvd->arguments, (Args{"-noconfig", "all", "dvd://1", "-vf", "yadif=0,screenshot", "-osdlevel", "0",
                                    "-vo", "yuv4mpeg:file=P"}));
    // A start later than 0 stays; a start at 0, written any way, goes.
    const auto at = [](const char *start) {
        return HVPlayerTranslation::translatePreview({"dvdnav://2", "-ss", start, "-vo", "corevideo:buffer_name=\"B\""}, "P")
            ->arguments;
    };
    EXPECT_EQ(at("3"), (Args{"-noconfig", "all", "dvd://2", "-ss", "3", "-vo", "yuv4mpeg:file=P"}));
    EXPECT_EQ(at("0.5"), (Args{"-noconfig", "all", "dvd://2", "-ss", "0.5", "-vo", "yuv4mpeg:file=P"}));
    for (const char *zero : {"0", "-0", "0.0"})
        EXPECT_EQ(at(zero), (Args{"-noconfig", "all", "dvd://2", "-vo", "yuv4mpeg:file=P"})) << zero;
}

TEST(PlayerChannel, DumpsAndOtherRunsAreNoPreview)
{
    EXPECT_FALSE(HVPlayerTranslation::translatePreview({"dvd://1", "-dumpstream", "-dumpfile", "/o/x.vob"}, "P"));
    EXPECT_FALSE(HVPlayerTranslation::translatePreview({"a.mp4", "-vo", "x11"}, "P"));
    EXPECT_FALSE(HVPlayerTranslation::bufferNameOfVideoOutput("corevideo:buffer_name=\"\""));
    EXPECT_EQ(HVPlayerTranslation::bufferNameOfVideoOutput("corevideo:buffer_name=plain"), std::optional<std::string>("plain"));
}
