// Every descriptor the program and its companions open themselves is close-on-exec: the program
// starts engines and players from many threads, and a child started while a descriptor of another
// thread's is open keeps it for its whole run (a pipe's or a FIFO's writing end kept so means its
// reader never sees the end). Qt's files and processes see to it; the raw system calls must say
// so, and the standard streams cannot. This reads every source of src/ and companions/ for the
// calls that open one and names each that does not.
#include "support/paths.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace {

struct Rule
{
    const char *what;
    const char *keyword;    // found first, cheaply; the call is read around it
    std::regex call;        // group 1: the arguments (or the mode of an fopen)
    const char *required;   // must be among them; nullptr: the call itself is the fault
};

const std::vector<Rule> &rules()
{
    static const std::vector<Rule> table = {
        {"open() with flags", "open", std::regex(R"(\b(?:open|openat|open64)\s*\(([^;]*\bO_[A-Z]+[^;]*))"), "O_CLOEXEC"},
        {"pipe() (pipe2 takes O_CLOEXEC)", "pipe", std::regex(R"(\bpipe\s*\(())"), nullptr},
        {"pipe2()", "pipe2", std::regex(R"(\bpipe2\s*\(([^;]*))"), "O_CLOEXEC"},
        {"socket()", "socket", std::regex(R"(\bsocket(?:pair)?\s*\((\s*AF_[^;]*))"), "SOCK_CLOEXEC"},
        {"accept() (accept4 takes SOCK_CLOEXEC)", "accept", std::regex(R"(::accept\s*\(())"), nullptr},
        {"accept4()", "accept4", std::regex(R"(\baccept4\s*\(([^;]*))"), "SOCK_CLOEXEC"},
        {"fopen() without \"e\" in its mode", "open", std::regex(R"(\b(?:fopen|freopen|popen)\s*\([^;"]*"([a-z+]*)\")"), "e"},
        {"a standard file stream", "fstream", std::regex(R"(\bstd::(?:i|o)?fstream\b())"), nullptr},
        {"dup() (fcntl F_DUPFD_CLOEXEC)", "dup", std::regex(R"((?:^|[^A-Za-z_0-9])dup\s*\(())"), nullptr},
        {"F_DUPFD", "F_DUPFD", std::regex(R"(\bF_DUPFD\b())"), nullptr},
        {"mkstemp() (mkostemp takes O_CLOEXEC)", "mkstemp", std::regex(R"(\bmkstemps?\s*\(())"), nullptr},
        {"mkostemp()", "mkostemp", std::regex(R"(\bmkostemps?\s*\(([^;]*))"), "O_CLOEXEC"},
        {"eventfd()", "eventfd", std::regex(R"(\beventfd\s*\(([^;]*))"), "EFD_CLOEXEC"},
        {"memfd_create()", "memfd_create", std::regex(R"(\bmemfd_create\s*\(([^;]*))"), "MFD_CLOEXEC"},
        {"signalfd()", "signalfd", std::regex(R"(\bsignalfd\s*\(([^;]*))"), "SFD_CLOEXEC"},
        {"timerfd_create()", "timerfd_create", std::regex(R"(\btimerfd_create\s*\(([^;]*))"), "TFD_CLOEXEC"},
        {"epoll_create()", "epoll_create", std::regex(R"(\bepoll_create1?\s*\(([^;]*))"), "EPOLL_CLOEXEC"},
        {"inotify_init()", "inotify_init", std::regex(R"(\binotify_init1?\s*\(([^;]*))"), "IN_CLOEXEC"},
    };
    return table;
}

// The text of a source with its comments blanked (strings kept: an fopen mode is one), line
// breaks kept so that a fault names its line.
std::string withoutComments(const std::string &text)
{
    std::string result = text;
    enum { Code, Line, Block, Text, Letter } state = Code;
    for (std::size_t i = 0; i < result.size(); ++i) {
        const char c = result[i];
        const char next = i + 1 < result.size() ? result[i + 1] : '\0';
        switch (state) {
        case Code:
            if (c == '/' && next == '/')
                state = Line;
            else if (c == '/' && next == '*')
                state = Block;
            else if (c == '"' && i > 0 && result[i - 1] == 'R') {
                // A raw string: nothing in it is a comment or an escape, up to ")delimiter"".
                const std::size_t open = result.find('(', i);
                const std::string close = ")" + result.substr(i + 1, open - i - 1) + "\"";
                const std::size_t end = open == std::string::npos ? open : result.find(close, open);
                if (end == std::string::npos)
                    return result;
                i = end + close.size() - 1;
            } else if (c == '"')
                state = Text;
            else if (c == '\'')
                state = Letter;
            break;
        case Text:
        case Letter:
            if (c == '\\')
                ++i;
            else if (c == (state == Text ? '"' : '\''))
                state = Code;
            continue;
        case Line:
            if (c == '\n')
                state = Code;
            break;
        case Block:
            if (c == '*' && next == '/') {
                result[i] = result[i + 1] = ' ';
                ++i;
                state = Code;
                continue;
            }
            break;
        }
        if ((state == Line || state == Block) && result[i] != '\n')
            result[i] = ' ';
    }
    return result;
}

std::vector<std::string> faultsIn(const QString &relative, const std::string &source)
{
    std::vector<std::string> faults;
    const std::string text = withoutComments(source);
    for (const Rule &rule : rules()) {
        std::size_t last = 0;   // the end of the call read last: one call is read once
        for (std::size_t at = text.find(rule.keyword); at != std::string::npos;
             at = text.find(rule.keyword, at + 1)) {
            const std::size_t from = std::max(last, at < 8 ? 0 : at - 8);
            const std::size_t end = text.find(';', at);
            const std::string call = text.substr(from, end == std::string::npos ? std::string::npos : end + 1 - from);
            std::smatch match;
            if (!std::regex_search(call, match, rule.call))
                continue;
            last = from + std::size_t(match.position() + match.length());
            if (rule.required && match.str(1).find(rule.required) != std::string::npos)
                continue;
            const long line = 1 + long(std::count(text.begin(), text.begin() + long(from + std::size_t(match.position())), '\n'));
            faults.push_back(relative.toStdString() + ":" + std::to_string(line) + ": " + rule.what);
        }
    }
    return faults;
}

TEST(CloseOnExec, EveryDescriptorTheSourcesOpenIsCloseOnExec)
{
    const QString root = testsupport::sourceDir();
    std::vector<std::string> faults;
    int files = 0;
    for (const char *folder : {"src", "companions"}) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(folder),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.c")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            ++files;
            const std::vector<std::string> found =
                faultsIn(file.fileName().mid(root.size() + 1), file.readAll().toStdString());
            faults.insert(faults.end(), found.begin(), found.end());
        }
    }
    ASSERT_GT(files, 0) << "no sources under " << root.toStdString();
    std::string text;
    for (const std::string &fault : faults)
        text += "\n  " + fault;
    EXPECT_TRUE(faults.empty()) << "descriptors opened without close-on-exec:" << text;
}

// The reading itself: each kind of call is caught in its plain form and let pass in its
// close-on-exec form, also when the call runs over more than one line or a comment names it.
TEST(CloseOnExec, TheReadingTellsTheTwoFormsApart)
{
    const struct
    {
        const char *source;
        bool fault;
    } cases[] = {
        {"const int fd = ::open(path.c_str(), side | O_NONBLOCK);", true},
        {"const int fd = ::open(path.c_str(),\n    O_RDONLY | O_NONBLOCK | O_CLOEXEC);", false},
        {"if (!file.open(QIODevice::ReadOnly)) return;", false},
        {"const int fd = shm_open(name.c_str(), O_RDONLY, 0400);", false},
        {"if (pipe(fds) != 0) return;", true},
        {"if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;", false},
        {"m_socket = socket(AF_UNIX, SOCK_STREAM, 0);", true},
        {"const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);", false},
        {"FILE *f = std::fopen(output.c_str(), \"rb\");", true},
        {"FILE *f = std::fopen(output.c_str(), \"rbe\");", false},
        {"std::ofstream list(path, std::ios::binary);", true},
        {"const int copy = dup(fd);", true},
        {"const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);", false},
        {"::dup2(setup->output, STDOUT_FILENO);", false},
        {"// an engine waiting in its open(path, O_RDONLY) is let go", false},
        {"s.wakeFd = ::eventfd(0, EFD_NONBLOCK);", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(!faultsIn(QStringLiteral("case.cpp"), c.source).empty(), c.fault);
    }
}

} // namespace
