#include "HVPlayerTranslation.h"

namespace HVPlayerTranslation {
namespace {
constexpr const char *kBufferKey = "buffer_name=";
constexpr const char *kAudioFallbacks = "pulse,alsa,null,";

// Word-for-word rows: (option, value given, value passed on).
const struct
{
    const char *option;
    const char *given;
    const char *passed;
} kValueRows[] = {
    {"-ao", "coreaudio", kAudioFallbacks},
};
} // namespace

std::vector<std::string> leadingWords()
{
    return {"-noconfig", "all"};
}

std::optional<std::string> bufferNameOfVideoOutput(const std::string &videoOutput)
{
    if (videoOutput.rfind("corevideo:", 0) != 0)
        return std::nullopt;
    const std::size_t key = videoOutput.find(kBufferKey);
    if (key == std::string::npos)
        return std::nullopt;
    std::string name = videoOutput.substr(key + std::char_traits<char>::length(kBufferKey));
    // The launchers put the name between two double-quote characters.
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    if (name.empty())
        return std::nullopt;
    return name;
}

std::optional<PreviewRun> translatePreview(const std::vector<std::string> &arguments,
                                           const std::string &videoPipePath)
{
    PreviewRun run;
    std::vector<std::string> filters;
    std::size_t filterAt = std::string::npos;
    bool preview = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &word = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (word == "-vo" && hasValue) {
            if (const auto name = bufferNameOfVideoOutput(arguments[i + 1])) {
                preview = true;
                run.bufferName = *name;
                const std::string output = "yuv4mpeg:file=" + videoPipePath;
                run.changes.emplace_back("-vo " + arguments[i + 1], "-vo " + output);
                run.arguments.insert(run.arguments.end(), {"-vo", output});
                ++i;
                continue;
            }
        }
        if (word == "-vf" && hasValue) {
            if (filterAt == std::string::npos) {
                filterAt = run.arguments.size();
                run.arguments.insert(run.arguments.end(), {"-vf", ""});
            }
            filters.push_back(arguments[++i]);
            continue;
        }
        bool translated = false;
        for (const auto &row : kValueRows) {
            if (word == row.option && hasValue && arguments[i + 1] == row.given) {
                run.changes.emplace_back(word + " " + row.given, word + " " + row.passed);
                run.arguments.insert(run.arguments.end(), {word, row.passed});
                ++i;
                translated = true;
                break;
            }
        }
        if (!translated)
            run.arguments.push_back(word);
    }
    if (!preview)
        return std::nullopt;
    if (filterAt != std::string::npos) {
        std::string chain;
        std::string given;
        for (const std::string &filter : filters) {
            chain += (chain.empty() ? "" : ",") + filter;
            given += (given.empty() ? "-vf " : " -vf ") + filter;
        }
        run.arguments[filterAt + 1] = chain;
        if (filters.size() > 1)
            run.changes.emplace_back(given, "-vf " + chain);
    }
    const std::vector<std::string> leading = leadingWords();
    run.arguments.insert(run.arguments.begin(), leading.begin(), leading.end());
    return run;
}

} // namespace HVPlayerTranslation
