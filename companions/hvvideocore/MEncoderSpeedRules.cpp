#include "hvvideocore/MEncoderRules.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace mencoder_words {

namespace {

// eq2's parameters in order (gamma, contrast, brightness, saturation, red, green and blue gamma,
// weight) and the value of each that leaves a picture as it is; weight only scales the gamma
// correction, so it matters to nothing once the gammas are neutral.
constexpr std::array<double, 7> kNeutralEq2{1, 1, 0, 1, 1, 1, 1};

bool isNeutralEq2(const std::string &filter)
{
    if (filter == "eq2")
        return true;
    if (filter.rfind("eq2=", 0) != 0)
        return false;
    const std::vector<std::string> values = splitColons(filter.substr(4));
    if (values.size() > kNeutralEq2.size() + 1)
        return false;
    for (size_t i = 0; i < values.size() && i < kNeutralEq2.size(); ++i) {
        char *end = nullptr;
        const double v = std::strtod(values[i].c_str(), &end);
        if (end == values[i].c_str() || *end != '\0' || v != kNeutralEq2[i])
            return false;
    }
    return true;
}

// Threads enough to keep the filters fed; MPEG-2 at DVD size gains nothing from more.
constexpr unsigned kMostDecoderThreads = 4;

} // namespace

std::string ruleIdentityEq2(Context &c)
{
    std::string note;
    for (size_t i = 0; i + 1 < c.words.list.size(); ++i) {
        if (c.words.list[i] != "-vf")
            continue;
        std::vector<std::string> filters = splitOn(c.words.list[i + 1], ',');
        const auto kept = std::remove_if(filters.begin(), filters.end(), isNeutralEq2);
        if (kept == filters.end())
            continue;
        filters.erase(kept, filters.end());
        const std::string before = c.words.list[i + 1];
        if (filters.empty()) {
            c.words.list.erase(c.words.list.begin() + long(i), c.words.list.begin() + long(i) + 2);
            note = "-vf " + before + " -> (no -vf)";
            --i;
        } else {
            c.words.list[i + 1] = joinWith(filters, ',');
            note = "-vf " + before + " -> -vf " + c.words.list[i + 1];
        }
    }
    return note;
}

std::string ruleDvdDecoderThreads(Context &c)
{
    const std::string ovc = c.words.value("-ovc");
    const bool decodesPicture = !ovc.empty() && ovc != "copy" && ovc != "frameno" && !c.words.has("-novideo");
    if (!c.dvdInput || !decodesPicture || c.words.has("-lavdopts"))
        return {};
    const unsigned threads = std::min(c.environment.processors, kMostDecoderThreads);
    if (threads < 2)
        return {};
    c.words.list.emplace_back("-lavdopts");
    c.words.list.push_back("threads=" + std::to_string(threads));
    return "(no -lavdopts) -> -lavdopts threads=" + std::to_string(threads);
}

} // namespace mencoder_words
