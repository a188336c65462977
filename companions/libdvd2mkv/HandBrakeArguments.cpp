#include "libdvd2mkv/HandBrakeArguments.h"

#include <algorithm>

HandBrakeTranslation translateHandBrakeArguments(const std::vector<std::string> &argv, int endpos)
{
    HandBrakeTranslation out;
    std::vector<std::string> &a = out.arguments;
    if (argv.size() > 1)
        a.assign(argv.begin() + 1, argv.end());

    for (size_t i = 0; i + 1 < a.size(); ++i) {
        if ((a[i] == "-E" || a[i] == "--aencoder") && a[i + 1].starts_with("copy:")) {
            const std::string before = a[i] + " " + a[i + 1];
            a[i + 1] = "copy";
            a.insert(a.begin() + long(i) + 2,
                     {"--audio-copy-mask", "aac,ac3,eac3,dts,mp2,mp3,flac", "--audio-fallback", "av_aac"});
            out.notes.push_back(before + " -> -E copy --audio-copy-mask aac,ac3,eac3,dts,mp2,mp3,flac "
                                         "--audio-fallback av_aac");
            i += 5;
        }
    }

    const bool bounded = std::find(a.begin(), a.end(), "--stop-at") != a.end();
    if (endpos > 0 && !bounded) {
        const std::string value = "duration:" + std::to_string(endpos);
        const auto output = std::find(a.begin(), a.end(), "-o");
        a.insert(output, {"--stop-at", value});
        out.notes.push_back("(length " + std::to_string(endpos) + " s) -> --stop-at " + value);
    }

    if (std::find(a.begin(), a.end(), "--json") == a.end())
        a.insert(a.begin(), "--json");
    return out;
}
