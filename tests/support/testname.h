#pragma once

#include <cctype>
#include <string>

namespace testsupport {
// A table row's description as a test name (letters, digits and "_" only), so parameterised
// tests are named after their rows rather than after their bytes.
inline std::string testName(const char *text)
{
    std::string name;
    for (const char *c = text; c && *c; ++c)
        name += (std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_');
    return name.empty() ? std::string("row") : name;
}
} // namespace testsupport
