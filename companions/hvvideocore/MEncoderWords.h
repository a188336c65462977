#pragma once

#include "hvvideocore/MEncoderTranslation.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The words of one mencoder vector as the translation rules read and change them: options and
// their values, sub-option lists ("key=value:flag:key=value") and what a rule may know of the pass.
namespace mencoder_words {

// mencoder options that take no value; every other "-word" takes the word after it.
bool isFlag(std::string_view word);
// The items of text between separators; empty items are left out.
std::vector<std::string> splitOn(const std::string &text, char separator);
std::string joinWith(const std::vector<std::string> &items, char separator);
std::string joined(const std::vector<std::string> &words);
std::vector<std::string> splitColons(const std::string &text);
std::string joinColons(const std::vector<std::string> &items);
std::string itemKey(const std::string &item);
std::string itemValue(const std::vector<std::string> &items, const std::string &key);
// Removes the items whose key is one of keys; true when one was there.
bool removeItems(std::vector<std::string> &items, std::initializer_list<std::string_view> keys);
bool isDvdUrl(const std::string &word);
std::string lowerExtension(const std::string &path);

struct Words
{
    std::vector<std::string> list;

    // Index of the last occurrence of option, -1 when absent (mencoder takes the last).
    int last(std::string_view option) const
    {
        for (int i = int(list.size()) - 1; i >= 0; --i)
            if (list[size_t(i)] == option)
                return i;
        return -1;
    }
    bool has(std::string_view option) const { return last(option) >= 0; }
    std::string value(std::string_view option) const
    {
        const int i = last(option);
        return (i >= 0 && size_t(i) + 1 < list.size()) ? list[size_t(i) + 1] : std::string();
    }
    // Sets the value of every occurrence; appends the pair when there is none.
    void set(std::string_view option, const std::string &value)
    {
        bool found = false;
        for (size_t i = 0; i + 1 < list.size(); ++i) {
            if (list[i] == option) {
                list[i + 1] = value;
                found = true;
            }
        }
        if (!found) {
            list.emplace_back(option);
            list.push_back(value);
        }
    }
    // Removes every occurrence with its value.
    bool remove(std::string_view option)
    {
        bool found = false;
        for (size_t i = 0; i < list.size();) {
            if (list[i] == option) {
                list.erase(list.begin() + long(i), list.begin() + long(std::min(i + 2, list.size())));
                found = true;
            } else {
                ++i;
            }
        }
        return found;
    }
    // The words that are neither options nor option values: the inputs.
    std::vector<std::string> inputs() const
    {
        std::vector<std::string> found;
        for (size_t i = 0; i < list.size(); ++i) {
            const std::string &w = list[i];
            if (w.size() > 1 && w[0] == '-') {
                if (!isFlag(w))
                    ++i;
            } else {
                found.push_back(w);
            }
        }
        return found;
    }
};

// Writes a -lavcopts list back; an emptied list leaves the option out (mencoder refuses "").
void setLavcopts(Words &words, const std::vector<std::string> &items);

struct Context
{
    Context(Words w, const MEncoderEnvironment &e, MEncoderPlan &p) : words(std::move(w)), environment(e), plan(p) {}

    Words words;
    const MEncoderEnvironment &environment;
    MEncoderPlan &plan;
    bool dvdInput = false;
    std::string dvdDevice;
    int dvdTitleNumber = 0;
    MEncoderDvdTitle dvd;
    std::vector<std::string> fileInputs;
    std::vector<MEncoderInputFacts> fileFacts;
};

// Each rule looks at the words, changes them when it applies, and returns the note for the log
// ("before -> after"); an empty note means it did not apply.
using Rule = std::string (*)(Context &);

} // namespace mencoder_words
