#include "EncoderPipe.h"

#include "enginekit/ChildEnd.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
// What the child's exec left in the error pipe: nothing when the program runs (the pipe closes
// with the exec), its errno when the exec failed.
int readExecError(int fd)
{
    int error = 0;
    ssize_t got;
    do
        got = ::read(fd, &error, sizeof error);
    while (got < 0 && errno == EINTR);
    return got == ssize_t(sizeof error) ? error : 0;
}
} // namespace

EncoderPipe::~EncoderPipe()
{
    kill();
}

bool EncoderPipe::start(const std::string &program, const std::vector<std::string> &args)
{
    errorText_.clear();
    int fds[2];
    int execReport[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        errorText_ = "could not start " + program + ": " + std::strerror(errno);
        return false;
    }
    if (::pipe2(execReport, O_CLOEXEC) != 0) {
        errorText_ = "could not start " + program + ": " + std::strerror(errno);
        ::close(fds[0]);
        ::close(fds[1]);
        return false;
    }
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        errorText_ = "could not start " + program + ": " + std::strerror(errno);
        for (int fd : {fds[0], fds[1], execReport[0], execReport[1]})
            ::close(fd);
        return false;
    }
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        ::dup2(fds[0], STDIN_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0)
            ::dup2(null, STDOUT_FILENO);
        // The engine's stop signals are for the engine; the encoder is ended by it.
        ::signal(SIGINT, SIG_IGN);
        ::execvp(program.c_str(), argv.data());
        const int error = errno;
        [[maybe_unused]] const ssize_t told = ::write(execReport[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(fds[0]);
    ::close(execReport[1]);
    const int execError = readExecError(execReport[0]);
    ::close(execReport[0]);
    if (execError != 0) {
        // The program never ran: its 127 is no encoder's status.
        waitForChild(child, true);
        ::close(fds[1]);
        errorText_ = "could not start " + program + ": " + std::strerror(execError);
        return false;
    }
    pid_ = child;
    input_ = fds[1];
    return true;
}

bool EncoderPipe::write(const void *data, size_t size, bool (*stopRequested)())
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        if (input_ < 0 || (stopRequested && stopRequested()))
            return false;
        const ssize_t written = ::write(input_, bytes, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += written;
        size -= size_t(written);
    }
    return true;
}

int EncoderPipe::wait(bool (*stopRequested)())
{
    if (pid_ <= 0)
        return -1;
    const pid_t child = pid_;
    const ChildEnd end = waitForChild(child, true, [&] {
        if (stopRequested && stopRequested())
            ::kill(child, SIGKILL);
    });
    pid_ = -1;
    if (end.state != ChildEnd::Ended) {
        errorText_ = "ffmpeg: " + end.problem();
        return -1;
    }
    return end.status;
}

int EncoderPipe::finish(bool (*stopRequested)())
{
    if (input_ >= 0) {
        ::close(input_);
        input_ = -1;
    }
    return wait(stopRequested);
}

void EncoderPipe::kill()
{
    if (input_ >= 0) {
        ::close(input_);
        input_ = -1;
    }
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        wait();
    }
}
