#include "enginekit/ProcessIdentity.h"

#include "enginekit/FileText.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The marker's one line: this word, a blank, the identity.
constexpr const char *kMarkerWord = "talvane-owner";
// No identity is longer; anything longer is not a marker of ours.
constexpr std::size_t kLongestMarker = 256;

// The /proc files read here are one short line each.
constexpr std::size_t kLongestProcLine = 4096;

std::string firstLine(const std::string &path)
{
    const std::string text = readFileStart(path, kLongestProcLine);
    return text.substr(0, text.find('\n'));
}

std::string bootId()
{
    return firstLine("/proc/sys/kernel/random/boot_id");
}

// When process pid started, in clock ticks after boot (field 22 of its stat line); empty when
// it cannot be read.
std::string startTicks(long long pid)
{
    const std::string line = firstLine("/proc/" + std::to_string(pid) + "/stat");
    // The command name in parentheses may hold blanks and parentheses; the fields after the
    // last ")" are plain.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos)
        return {};
    std::istringstream fields(line.substr(close + 1));
    std::string field;
    // The state is the first field after the name; the start time the twentieth.
    for (int i = 0; i < 20 && (fields >> field); ++i) {
    }
    if (!fields || field.empty() || field.find_first_not_of("0123456789") != std::string::npos)
        return {};
    return field;
}

struct Parsed
{
    long long pid = 0;
    std::string ticks;
    std::string boot;
};

bool parse(const std::string &identity, Parsed &parsed)
{
    std::istringstream words(identity);
    std::string pid, rest;
    if (!(words >> pid >> parsed.ticks >> parsed.boot) || (words >> rest))
        return false;
    if (pid.empty() || pid.size() > 10 || pid.find_first_not_of("0123456789") != std::string::npos)
        return false;
    if (parsed.ticks.size() > 20 || parsed.ticks.find_first_not_of("0123456789") != std::string::npos)
        return false;
    parsed.pid = std::stoll(pid);
    return parsed.pid > 0;
}

} // namespace

std::string ProcessIdentity::current()
{
    const long long pid = ::getpid();
    const std::string ticks = startTicks(pid);
    const std::string boot = bootId();
    return std::to_string(pid) + ' ' + (ticks.empty() ? "0" : ticks) + ' ' + (boot.empty() ? "-" : boot);
}

bool ProcessIdentity::isIdentity(const std::string &text)
{
    Parsed parsed;
    return parse(text, parsed);
}

bool ProcessIdentity::isGone(const std::string &identity)
{
    Parsed owner;
    if (!parse(identity, owner))
        return false;
    const std::string boot = bootId();
    if (!boot.empty() && owner.boot != boot)
        return true;
    if (::kill(pid_t(owner.pid), 0) != 0 && errno == ESRCH)
        return true;
    const std::string ticks = startTicks(owner.pid);
    return !ticks.empty() && owner.ticks != "0" && ticks != owner.ticks;
}

bool ProcessIdentity::markFolder(const std::string &folder, const std::string &identity)
{
    const std::string path = folder + '/' + kFolderMarker;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const std::string text = std::string(kMarkerWord) + ' ' + identity + '\n';
    const bool written = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    return ::close(fd) == 0 && written;
}

std::string ProcessIdentity::makeMarkedTemporaryFolder(const std::string &namePrefix)
{
    const char *base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base && *base ? base : "/tmp") + '/' + namePrefix + '-' + std::to_string(::getpid()) + "-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {};
    markFolder(pattern);
    return pattern;
}

std::string ProcessIdentity::folderOwner(const std::string &folder)
{
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return {};
    const std::string path = folder + '/' + kFolderMarker;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    char buffer[kLongestMarker + 1];
    ssize_t got = -1;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::getuid()
        && std::size_t(info.st_size) <= kLongestMarker)
        got = ::read(fd, buffer, kLongestMarker);
    ::close(fd);
    if (got <= 0)
        return {};
    std::string text(buffer, std::size_t(got));
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    const std::string word = std::string(kMarkerWord) + ' ';
    if (text.compare(0, word.size(), word) != 0)
        return {};
    const std::string identity = text.substr(word.size());
    return isIdentity(identity) ? identity : std::string();
}
