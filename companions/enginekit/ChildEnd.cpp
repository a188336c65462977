#include "enginekit/ChildEnd.h"

#include <cerrno>
#include <cstring>

#include <sys/wait.h>

std::string ChildEnd::problem() const
{
    if (state != Unknown)
        return {};
    return std::string("its end cannot be read: ") + std::strerror(error);
}

ChildEnd waitForChild(pid_t child, bool block, const std::function<void()> &onInterrupted)
{
    ChildEnd end;
    int waitStatus = 0;
    for (;;) {
        const pid_t r = ::waitpid(child, &waitStatus, block ? 0 : WNOHANG);
        if (r == child)
            break;
        if (r == 0)
            return end;
        if (errno != EINTR) {
            end.state = ChildEnd::Unknown;
            end.error = errno;
            return end;
        }
        if (onInterrupted)
            onInterrupted();
    }
    if (WIFEXITED(waitStatus)) {
        end.state = ChildEnd::Ended;
        end.status = WEXITSTATUS(waitStatus);
    } else if (WIFSIGNALED(waitStatus)) {
        end.state = ChildEnd::Ended;
        end.status = 128 + WTERMSIG(waitStatus);
    } else {
        // Stopped or continued children are not asked for: no other report can come here.
        end.state = ChildEnd::Unknown;
        end.error = EINVAL;
    }
    return end;
}
