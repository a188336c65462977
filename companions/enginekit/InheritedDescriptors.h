#pragma once
/*
 * What a started program may keep of the descriptors of the process that starts it: standard input,
 * output and error, and the descriptors passed on to it on purpose (a pipe it writes its video
 * into, say), and nothing else. Whatever else is open there (a descriptor the program itself was
 * started with, another thread's file) would stay open in the engine for its whole run: a pipe's
 * writing end kept so means its reader never sees the end, a file kept so is never let go.
 *
 * Plain C and system calls only: it runs in a child between its start and its exec (where only
 * async-signal-safe calls may be made), and the C companions build it too.
 */
#ifdef __cplusplus
extern "C" {
#endif

/* Marks every descriptor from 3 up close-on-exec, except the count descriptors in passed, whose
 * close-on-exec flag is cleared. Marking instead of closing leaves the starter's own close-on-exec
 * channels (the pipe through which a failed exec is told) working until the exec, which then
 * closes everything marked. 0 on success; -1 with errno set when a descriptor to pass on is not
 * open or the marks could not be made. */
int keepOnlyDescriptorsAcrossExec(const int *passed, unsigned count);

#ifdef __cplusplus
}
#endif
