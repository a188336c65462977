#include "EncoderPipe.h"

#include "enginekit/ChildEnd.h"
#include "enginekit/ChildStart.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

EncoderPipe::~EncoderPipe()
{
    kill();
}

bool EncoderPipe::start(const std::string &program, const std::vector<std::string> &args)
{
    errorText_.clear();
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        errorText_ = "could not start " + program + ": " + std::strerror(errno);
        return false;
    }
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    ChildStartPlan plan;
    plan.program = program;
    plan.args = args;
    plan.input = fds[0];
    plan.output = null;
    // The engine's stop signals are for the engine; the encoder is ended by it.
    plan.ignoreInterrupt = true;
    const pid_t child = startChild(plan, errorText_);
    ::close(fds[0]);
    if (null >= 0)
        ::close(null);
    if (child < 0) {
        ::close(fds[1]);
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
