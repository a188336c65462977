#include "playerchannel/PlayerStartFailure.h"

namespace PlayerStartFailure {
namespace {
constexpr std::string_view kTag = "[HVPlayer]: mplayer did not start: ";
}

std::string line(const std::string &why)
{
    return std::string(kTag) + why + "\n";
}

std::optional<std::string> reasonOf(std::string_view text)
{
    if (text.substr(0, kTag.size()) != kTag || text.size() == kTag.size())
        return std::nullopt;
    return std::string(text.substr(kTag.size()));
}

} // namespace PlayerStartFailure
