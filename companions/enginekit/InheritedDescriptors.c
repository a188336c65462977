#define _GNU_SOURCE
#include "enginekit/InheritedDescriptors.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stddef.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef CLOSE_RANGE_CLOEXEC
#define CLOSE_RANGE_CLOEXEC (1U << 2)
#endif

static int isPassed(int fd, const int *passed, unsigned count)
{
    for (unsigned i = 0; i < count; ++i)
        if (passed[i] == fd)
            return 1;
    return 0;
}

static void markCloseOnExec(int fd)
{
    const int flags = fcntl(fd, F_GETFD);
    if (flags >= 0 && !(flags & FD_CLOEXEC))
        fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
}

/* The kernel marks whole ranges at once (Linux 5.11 and later): the ranges between the passed
 * descriptors, in ascending order. */
static int markRanges(const int *passed, unsigned count)
{
#ifdef SYS_close_range
    unsigned from = 3;
    for (;;) {
        /* The smallest passed descriptor at or above from. */
        unsigned next = UINT_MAX;
        for (unsigned i = 0; i < count; ++i)
            if (passed[i] >= (int)from && (unsigned)passed[i] < next)
                next = (unsigned)passed[i];
        if (next == UINT_MAX)
            return (int)syscall(SYS_close_range, from, ~0U, CLOSE_RANGE_CLOEXEC);
        if (next > from && syscall(SYS_close_range, from, next - 1, CLOSE_RANGE_CLOEXEC) != 0)
            return -1;
        from = next + 1;
    }
#else
    (void)passed;
    (void)count;
    errno = ENOSYS;
    return -1;
#endif
}

struct DirectoryEntry
{
    unsigned long long inode;
    long long offset;
    unsigned short length;
    unsigned char type;
    char name[];
};

/* Older kernels: the open descriptors as /proc lists them, read with raw system calls (no
 * allocation, which a child of a threaded process may not make). */
static int markListed(const int *passed, unsigned count)
{
    const int directory = open("/proc/self/fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0)
        return -1;
    char buffer[4096] __attribute__((aligned(8)));
    for (;;) {
        const long got = syscall(SYS_getdents64, directory, buffer, sizeof buffer);
        if (got <= 0) {
            close(directory);
            return got == 0 ? 0 : -1;
        }
        for (long at = 0; at < got;) {
            const struct DirectoryEntry *entry = (const struct DirectoryEntry *)(buffer + at);
            at += entry->length;
            int fd = 0;
            const char *c = entry->name;
            if (*c < '0' || *c > '9')
                continue;
            for (; *c >= '0' && *c <= '9'; ++c)
                fd = fd * 10 + (*c - '0');
            if (fd >= 3 && fd != directory && !isPassed(fd, passed, count))
                markCloseOnExec(fd);
        }
    }
}

/* Without /proc: every number up to the limit of open descriptors. */
static void markAll(const int *passed, unsigned count)
{
    struct rlimit limit;
    long most = 65536;
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < (rlim_t)most)
        most = (long)limit.rlim_cur;
    for (long fd = 3; fd < most; ++fd)
        if (!isPassed((int)fd, passed, count))
            markCloseOnExec((int)fd);
}

int keepOnlyDescriptorsAcrossExec(const int *passed, unsigned count)
{
    for (unsigned i = 0; i < count; ++i) {
        const int flags = fcntl(passed[i], F_GETFD);
        if (flags < 0 || fcntl(passed[i], F_SETFD, flags & ~FD_CLOEXEC) != 0)
            return -1;
    }
    if (markRanges(passed, count) == 0)
        return 0;
    if (markListed(passed, count) == 0)
        return 0;
    markAll(passed, count);
    return 0;
}
