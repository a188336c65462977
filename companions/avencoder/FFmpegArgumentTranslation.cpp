#include "avencoder/FFmpegArgumentTranslation.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
// Encoders that this ffmpeg lacks and the built-in encoder that takes their place.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kMissingEncoders{{
    {"libfdk_aac", "aac"},
    {"libfaac", "aac"},
    {"libvo_aacenc", "aac"},
    {"libaacplus", "aac"},
}};

// Option words renamed in ffmpeg: same value, new word.
constexpr std::array<std::pair<std::string_view, std::string_view>, 1> kRenamedOptions{{
    {"-rc_lookahead", "-rc-lookahead"},
}};

// Flags that moved from the global "-flags" to the MPEG video encoders' "-mpv_flags" ("cbp" was
// the old spelling of "cbp_rd").
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kMpvFlags{{
    {"mv0", "mv0"}, {"cbp", "cbp_rd"}, {"cbp_rd", "cbp_rd"}, {"qp_rd", "qp_rd"},
    {"skip_rd", "skip_rd"}, {"strict_gop", "strict_gop"}, {"naq", "naq"},
}};

bool isAudioCodecOption(std::string_view word)
{
    return word == "-acodec" || word == "-c:a" || word == "-codec:a" || word.starts_with("-c:a:")
        || word.starts_with("-codec:a:");
}

bool isVideoProfileOption(std::string_view word)
{
    return word == "-profile:v" || word == "-vprofile" || word == "-profile";
}

std::string joined(const std::vector<std::string> &words, size_t from, size_t count)
{
    std::string text;
    for (size_t i = from; i < from + count && i < words.size(); ++i) {
        if (!text.empty())
            text += ' ';
        text += words[i];
    }
    return text;
}

// Splits "+mv0+aic-cbp" into signed words and rebuilds the two option values.
void splitFlags(const std::string &value, std::string &kept, std::string &moved)
{
    size_t i = 0;
    while (i < value.size()) {
        char sign = '+';
        if (value[i] == '+' || value[i] == '-')
            sign = value[i++];
        size_t end = value.find_first_of("+-", i);
        if (end == std::string::npos)
            end = value.size();
        const std::string word = value.substr(i, end - i);
        i = end;
        if (word.empty())
            continue;
        const auto hit = std::find_if(kMpvFlags.begin(), kMpvFlags.end(),
                                      [&](const auto &row) { return row.first == word; });
        if (hit != kMpvFlags.end())
            moved += sign + std::string(hit->second);
        else
            kept += sign + word;
    }
}
} // namespace

std::string ffmpegOutputPath(const std::vector<std::string> &arguments)
{
    return arguments.empty() ? std::string() : arguments.back();
}

std::string ffmpegOptionValue(const std::vector<std::string> &arguments, const std::string &option)
{
    for (size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == option)
            return arguments[i + 1];
    return {};
}

FFmpegTranslation translateFFmpegArguments(const std::vector<std::string> &argv)
{
    FFmpegTranslation out;
    std::vector<std::string> &a = out.arguments;
    if (argv.size() > 1)
        a.assign(argv.begin() + 1, argv.end());

    // "-d" (the old library's debug switch) before the first input: ffmpeg has no such option.
    for (size_t i = 0; i < a.size() && a[i] != "-i";) {
        if (a[i] == "-d") {
            out.notes.push_back("-d -> (dropped)");
            a.erase(a.begin() + long(i));
        } else {
            ++i;
        }
    }

    for (size_t i = 0; i < a.size(); ++i) {
        const std::string word = a[i];
        const bool hasValue = i + 1 < a.size();

        if (isAudioCodecOption(word) && hasValue) {
            for (const auto &[missing, present] : kMissingEncoders) {
                if (a[i + 1] == missing) {
                    out.notes.push_back(word + " " + a[i + 1] + " -> " + word + " " + std::string(present));
                    a[i + 1] = std::string(present);
                }
            }
        }

        for (const auto &[old, now] : kRenamedOptions) {
            if (word == old) {
                out.notes.push_back(word + " -> " + std::string(now));
                a[i] = std::string(now);
            }
        }

        if (word == "-me_method" && hasValue && a[i + 1] == "full") {
            out.notes.push_back("-me_method full -> -me_method esa");
            a[i + 1] = "esa";
        }

        if (word == "-flags" && hasValue) {
            std::string kept, moved;
            splitFlags(a[i + 1], kept, moved);
            if (!moved.empty()) {
                const std::string before = word + " " + a[i + 1];
                if (kept.empty()) {
                    a[i] = "-mpv_flags";
                    a[i + 1] = moved;
                } else {
                    a[i + 1] = kept;
                    a.insert(a.begin() + long(i) + 2, {"-mpv_flags", moved});
                }
                out.notes.push_back(before + " -> " + joined(a, i, kept.empty() ? 2 : 4));
            }
        }

        if (word == "-f" && hasValue && a[i + 1] == "concat") {
            const bool safeGiven = i >= 2 && a[i - 2] == "-safe";
            if (!safeGiven) {
                a.insert(a.begin() + long(i), {"-safe", "0"});
                out.notes.push_back("-f concat -> -safe 0 -f concat");
                ++i, ++i;
            }
        }
    }

    // libx264 refuses baseline and main for 4:2:2, 4:4:4 and 10-bit sources unless told the
    // output pixel format; the profiles mean plain 8-bit 4:2:0 anyway.
    bool x264 = false, restrictedProfile = false, pixFmt = false;
    for (size_t i = 0; i + 1 < a.size(); ++i) {
        if ((a[i] == "-vcodec" || a[i] == "-c:v" || a[i] == "-codec:v") && a[i + 1] == "libx264")
            x264 = true;
        if (isVideoProfileOption(a[i]) && (a[i + 1] == "baseline" || a[i + 1] == "main"))
            restrictedProfile = true;
        if (a[i] == "-pix_fmt" || a[i] == "-pix_fmt:v")
            pixFmt = true;
    }
    if (x264 && restrictedProfile && !pixFmt && !a.empty()) {
        a.insert(a.end() - 1, {"-pix_fmt", "yuv420p"});
        out.notes.push_back("(no pixel format) -> -pix_fmt yuv420p");
    }
    return out;
}
