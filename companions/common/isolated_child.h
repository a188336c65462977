#pragma once
/*
 * Work that may crash or hang, run in a child process (fork, no exec) so that it costs only its
 * result: libdvdread reading a damaged disc can end its process with SIGSEGV or SIGABRT, or never
 * return. The child hands its result back through a pipe; the caller gets everything it wrote,
 * how it ended, and never waits longer than its time limit (the child is killed then).
 *
 * Plain C and POSIX, so that every companion can build it.
 */
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Runs in the child with the pipe's writing end; the child ends with status 0 when it returns. */
typedef void (*IsolatedWork)(int fd, void *argument);

typedef struct
{
    char *data;      /* what the child wrote (malloc'ed, may be NULL), to free with isolatedResultFree */
    size_t size;
    int complete;    /* the child closed the pipe within the time limit, and its end was read */
    int waitError;   /* errno of a wait that could not read the child's end, 0 when it could */
    int signal;      /* the signal that ended the child, 0 when it exited */
    int exitStatus;  /* its exit status when it exited */
} IsolatedResult;

/* 1 when the child could be started (result filled), 0 otherwise. */
int isolatedRun(IsolatedWork work, void *argument, int timeoutMs, IsolatedResult *result);
void isolatedResultFree(IsolatedResult *result);

/* Writes all of data to fd (going on after short writes); 1 on success. */
int isolatedWriteAll(int fd, const void *data, size_t size);

#ifdef __cplusplus
}
#endif
