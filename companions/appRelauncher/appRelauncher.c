/* appRelauncher PROGRAM PID: waits until the process PID has ended, then starts PROGRAM again
 * (detached, in a session of its own) and exits. The program asks for the restart after a
 * change of its interface language and then quits, so the new process starts only when the old
 * one has saved its settings and gone.
 *
 * The old process is not our child, so its end is watched by polling: kill(pid, 0) fails with
 * ESRCH once it is gone. A process that never ends is waited for at most a few minutes, after
 * which nothing is started (two copies must never run side by side). */
#define _GNU_SOURCE
#include "enginekit/InheritedDescriptors.h"

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

enum { POLL_MS = 100, MAX_WAIT_SECONDS = 300 };

static int process_alive(pid_t pid)
{
    if (kill(pid, 0) == 0)
        return 1;
    return errno == EPERM; /* exists, but belongs to someone else */
}

static int parse_pid(const char *text, pid_t *pid)
{
    char *end = NULL;
    errno = 0;
    long value = strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value <= 0)
        return 0;
    *pid = (pid_t)value;
    return 1;
}

int main(int argc, char *argv[])
{
    pid_t old_pid;
    if (argc != 3 || !parse_pid(argv[2], &old_pid)) {
        fprintf(stderr, "usage: appRelauncher PROGRAM PID\n");
        return 2;
    }
    const char *program = argv[1];
    struct stat info;
    if (stat(program, &info) != 0 || !(info.st_mode & S_IXUSR)) {
        fprintf(stderr, "appRelauncher: %s is not a program: %s\n", program, strerror(errno ? errno : EACCES));
        return 1;
    }

    struct timespec pause = {0, POLL_MS * 1000000L};
    long waited_ms = 0;
    while (process_alive(old_pid)) {
        if (waited_ms >= MAX_WAIT_SECONDS * 1000L) {
            fprintf(stderr, "appRelauncher: process %d did not end; not restarting\n", (int)old_pid);
            return 1;
        }
        nanosleep(&pause, NULL);
        waited_ms += POLL_MS;
    }

    pid_t child = fork();
    if (child < 0) {
        perror("appRelauncher: fork");
        return 1;
    }
    if (child == 0) {
        setsid();
        /* The program starts afresh: with none of the descriptors this tool was started with. */
        keepOnlyDescriptorsAcrossExec(NULL, 0);
        char *const args[] = {(char *)program, NULL};
        execv(program, args);
        perror("appRelauncher: exec");
        _exit(127);
    }
    return 0;
}
