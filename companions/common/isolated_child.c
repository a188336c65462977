#define _GNU_SOURCE
#include "isolated_child.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

int isolatedWriteAll(int fd, const void *data, size_t size)
{
    const char *p = data;
    while (size > 0) {
        const ssize_t n = write(fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return 0;
        p += n;
        size -= (size_t)n;
    }
    return 1;
}

static long elapsedMs(const struct timespec *start)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - start->tv_sec) * 1000 + (now.tv_nsec - start->tv_nsec) / 1000000;
}

/* Everything the child wrote, until it closes the pipe (1) or the time is up (0). */
static int readAll(int fd, int timeoutMs, char **data, size_t *size)
{
    size_t capacity = 65536;
    *size = 0;
    *data = malloc(capacity);
    if (!*data)
        return 0;
    struct timespec start;
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (;;) {
        const long elapsed = elapsedMs(&start);
        if (elapsed >= timeoutMs)
            return 0;
        struct pollfd p = {fd, POLLIN, 0};
        const int ready = poll(&p, 1, (int)(timeoutMs - elapsed));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return 0;
        if (*size == capacity) {
            char *grown = realloc(*data, capacity * 2);
            if (!grown)
                return 0;
            *data = grown;
            capacity *= 2;
        }
        const ssize_t n = read(fd, *data + *size, capacity - *size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return 0;
        if (n == 0)
            return 1;
        *size += (size_t)n;
    }
}

int isolatedRun(IsolatedWork work, void *argument, int timeoutMs, IsolatedResult *result)
{
    memset(result, 0, sizeof *result);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return 0;
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return 0;
    }
    if (pid == 0) {
        close(fds[0]);
        work(fds[1], argument);
        _exit(0);
    }
    close(fds[1]);
    result->complete = readAll(fds[0], timeoutMs, &result->data, &result->size);
    close(fds[0]);
    if (!result->complete)
        kill(pid, SIGKILL); /* our own child, stuck */
    int status = 0;
    pid_t waited;
    do
        waited = waitpid(pid, &status, 0);
    while (waited < 0 && errno == EINTR);
    if (waited != pid) {
        /* How the child ended is unknown: what it wrote counts for nothing. */
        result->complete = 0;
        result->waitError = errno;
        return 1;
    }
    if (WIFSIGNALED(status))
        result->signal = WTERMSIG(status);
    else if (WIFEXITED(status))
        result->exitStatus = WEXITSTATUS(status);
    return 1;
}

void isolatedResultFree(IsolatedResult *result)
{
    free(result->data);
    result->data = NULL;
    result->size = 0;
}
