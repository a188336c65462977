#include "avencoder/FFmpegArgumentTranslation.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
std::vector<std::string> words(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

std::string line(const std::vector<std::string> &w)
{
    std::string s;
    for (const auto &x : w)
        s += (s.empty() ? "" : " ") + x;
    return s;
}

struct Rule
{
    const char *name;
    const char *builderVector;   // as a builder writes it, program word first
    const char *engineVector;    // what ffmpeg must receive
    int notes;                   // rules that must say they fired
};

class FFmpegTranslationRules : public testing::TestWithParam<Rule>
{
};

TEST_P(FFmpegTranslationRules, TurnsTheBuilderWordsIntoOnesFFmpegAccepts)
{
    const Rule &r = GetParam();
    const FFmpegTranslation t = translateFFmpegArguments(words(r.builderVector));
    EXPECT_EQ(line(t.arguments), r.engineVector);
    EXPECT_EQ(int(t.notes.size()), r.notes) << (t.notes.empty() ? "" : t.notes.front());
    for (const std::string &note : t.notes)
        EXPECT_NE(note.find(" -> "), std::string::npos) << "a note shows both forms: " << note;
}

const Rule kRules[] = {
    {"debug_switch_dropped", "encoder -d -y -i in.mkv out.mp4", "-y -i in.mkv out.mp4", 1},
    {"dash_d_after_input_kept", "encoder -i in.mkv -metadata:s:a:0 -d out.mp4",
     "-i in.mkv -metadata:s:a:0 -d out.mp4", 0},
    {"fdk_aac", "encoder -i in.mkv -c:a libfdk_aac -b:a 128k out.mp4", "-i in.mkv -c:a aac -b:a 128k out.mp4", 1},
    {"faac_old_word", "encoder -i in.mkv -acodec libfaac out.m4a", "-i in.mkv -acodec aac out.m4a", 1},
    {"vo_aacenc_per_stream", "encoder -i in.mkv -c:a:1 libvo_aacenc out.mkv", "-i in.mkv -c:a:1 aac out.mkv", 1},
    {"aacplus", "encoder -i in.mkv -codec:a libaacplus out.mp4", "-i in.mkv -codec:a aac out.mp4", 1},
    {"video_codec_untouched", "encoder -i in.mkv -c:v libx264 out.mp4", "-i in.mkv -c:v libx264 out.mp4", 0},
    {"me_method_full", "encoder -i in.mkv -c:v libx264 -me_method full -pix_fmt yuv420p out.mp4",
     "-i in.mkv -c:v libx264 -me_method esa -pix_fmt yuv420p out.mp4", 1},
    {"me_method_hex_kept", "encoder -i in.mkv -me_method hex out.mp4", "-i in.mkv -me_method hex out.mp4", 0},
    {"mv0_moves", "encoder -i in.mkv -c:v mpeg2video -flags +mv0 out.mpg",
     "-i in.mkv -c:v mpeg2video -mpv_flags +mv0 out.mpg", 1},
    {"mv0_beside_a_global_flag", "encoder -i in.mkv -flags +mv0+ildct out.mpg",
     "-i in.mkv -flags +ildct -mpv_flags +mv0 out.mpg", 1},
    {"old_cbp_spelling", "encoder -i in.mkv -flags +cbp+mv0 out.flv", "-i in.mkv -mpv_flags +cbp_rd+mv0 out.flv", 1},
    {"global_flags_alone_kept", "encoder -i in.mkv -flags +global_header out.mp4",
     "-i in.mkv -flags +global_header out.mp4", 0},
    {"rc_lookahead", "encoder -i in.mkv -c:v libx264 -rc_lookahead 30 -pix_fmt yuv420p out.mp4",
     "-i in.mkv -c:v libx264 -rc-lookahead 30 -pix_fmt yuv420p out.mp4", 1},
    {"concat_gets_safe", "encoder -f concat -i /tmp/list.txt -c copy out.mp4",
     "-safe 0 -f concat -i /tmp/list.txt -c copy out.mp4", 1},
    {"concat_already_safe", "encoder -safe 0 -f concat -i /tmp/list.txt -c copy out.mp4",
     "-safe 0 -f concat -i /tmp/list.txt -c copy out.mp4", 0},
    {"baseline_gets_pix_fmt", "encoder -i in.mkv -c:v libx264 -profile:v baseline out.mp4",
     "-i in.mkv -c:v libx264 -profile:v baseline -pix_fmt yuv420p out.mp4", 1},
    {"main_old_words", "encoder -i in.mkv -vcodec libx264 -vprofile main out.mp4",
     "-i in.mkv -vcodec libx264 -vprofile main -pix_fmt yuv420p out.mp4", 1},
    {"high_needs_nothing", "encoder -i in.mkv -c:v libx264 -profile:v high out.mp4",
     "-i in.mkv -c:v libx264 -profile:v high out.mp4", 0},
    {"pix_fmt_given_kept", "encoder -i in.mkv -c:v libx264 -profile:v main -pix_fmt yuvj420p out.mp4",
     "-i in.mkv -c:v libx264 -profile:v main -pix_fmt yuvj420p out.mp4", 0},
    {"several_rules_at_once",
     "encoder -d -y -i in.mkv -c:v libx264 -profile:v baseline -me_method full -c:a libfdk_aac out.mp4",
     "-y -i in.mkv -c:v libx264 -profile:v baseline -me_method esa -c:a aac -pix_fmt yuv420p out.mp4", 4},
};

INSTANTIATE_TEST_SUITE_P(Table, FFmpegTranslationRules, testing::ValuesIn(kRules),
                         [](const testing::TestParamInfo<Rule> &info) { return std::string(info.param.name); });

TEST(FFmpegTranslation, AnEmptyVectorStaysEmpty)
{
    EXPECT_TRUE(translateFFmpegArguments({}).arguments.empty());
    EXPECT_TRUE(translateFFmpegArguments({"encoder"}).arguments.empty());
}
} // namespace
