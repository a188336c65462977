#include "hvvideocore/MEncoderWords.h"

#include <algorithm>
#include <array>

namespace mencoder_words {

// mencoder options that take no value; every other "-word" takes the word after it.
constexpr std::array<std::string_view, 16> kFlagOptions{
    "-nosound", "-novideo", "-forcedsubsonly", "-dumpstream", "-noskip", "-quiet", "-really-quiet",
    "-noautosub", "-nocache", "-idx", "-forceidx", "-noidx", "-nosub", "-noodml", "-utf8", "-unicode",
};

bool isFlag(std::string_view word)
{
    return std::find(kFlagOptions.begin(), kFlagOptions.end(), word) != kFlagOptions.end();
}

std::vector<std::string> splitOn(const std::string &text, char separator)
{
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find(separator, start);
        const std::string item = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!item.empty())
            items.push_back(item);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return items;
}

std::string joinWith(const std::vector<std::string> &items, char separator)
{
    std::string text;
    for (const std::string &i : items) {
        if (!text.empty())
            text += separator;
        text += i;
    }
    return text;
}

std::string joined(const std::vector<std::string> &words)
{
    return joinWith(words, ' ');
}

// ---- sub-option lists ("key=value:flag:key=value") -------------------------------------------

std::vector<std::string> splitColons(const std::string &text)
{
    return splitOn(text, ':');
}

std::string joinColons(const std::vector<std::string> &items)
{
    return joinWith(items, ':');
}

std::string itemKey(const std::string &item)
{
    return item.substr(0, item.find('='));
}

std::string itemValue(const std::vector<std::string> &items, const std::string &key)
{
    for (const std::string &i : items) {
        const size_t eq = i.find('=');
        if (eq != std::string::npos && i.compare(0, eq, key) == 0)
            return i.substr(eq + 1);
    }
    return {};
}

// Removes the items whose key is one of keys; true when one was there.
bool removeItems(std::vector<std::string> &items, std::initializer_list<std::string_view> keys)
{
    const auto before = items.size();
    items.erase(std::remove_if(items.begin(), items.end(),
                               [&](const std::string &i) {
                                   const std::string k = itemKey(i);
                                   return std::find(keys.begin(), keys.end(), k) != keys.end();
                               }),
                items.end());
    return items.size() != before;
}

// Writes a -lavcopts list back; an emptied list leaves the option out (mencoder refuses "").
void setLavcopts(Words &words, const std::vector<std::string> &items)
{
    if (!words.has("-lavcopts"))
        return;
    if (items.empty())
        words.remove("-lavcopts");
    else
        words.set("-lavcopts", joinColons(items));
}

bool isDvdUrl(const std::string &word)
{
    return word.rfind("dvd://", 0) == 0 || word.rfind("dvdnav://", 0) == 0;
}

std::string lowerExtension(const std::string &path)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

} // namespace mencoder_words
