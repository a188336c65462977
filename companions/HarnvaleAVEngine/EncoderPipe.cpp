#include "EncoderPipe.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

EncoderPipe::~EncoderPipe()
{
    kill();
}

bool EncoderPipe::start(const std::string &program, const std::vector<std::string> &args)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return false;
    }
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        ::dup2(fds[0], STDIN_FILENO);
        const int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0)
            ::dup2(null, STDOUT_FILENO);
        // The engine's stop signals are for the engine; the encoder is ended by it.
        ::signal(SIGINT, SIG_IGN);
        ::execvp(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(fds[0]);
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
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        if (stopRequested && stopRequested())
            ::kill(pid_, SIGKILL);
    }
    pid_ = -1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
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
