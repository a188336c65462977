/* The companion's log: lines go to the debug function the reader set, or, inside the isolated
 * reading process, down the pipe to the caller, which hands them on. */
#include "iforead_internal.h"

#include <errno.h>
#include <stdarg.h>
#include <stdatomic.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

static _Atomic(DVDInfoDebugLogFunction) debugLog; /* zero: none set */
static int logPipe = -1;

IFO_EXPORT void SetDebugLogFunction(DVDInfoDebugLogFunction function)
{
    atomic_store(&debugLog, function);
}

void ifoLogForward(const char *text)
{
    DVDInfoDebugLogFunction log = atomic_load(&debugLog);
    if (log && text)
        log(text);
}

void ifoLogToPipe(int fd)
{
    logPipe = fd;
}

void ifoLogText(const char *text)
{
    if (logPipe < 0) {
        ifoLogForward(text);
        return;
    }
    const uint32_t length = (uint32_t)strlen(text);
    const char type = 'L';
    /* Best effort: a line that cannot be written is dropped, the read goes on. */
    if (write(logPipe, &type, 1) == 1 && write(logPipe, &length, sizeof length) == (ssize_t)sizeof length) {
        size_t done = 0;
        while (done < length) {
            const ssize_t n = write(logPipe, text + done, length - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += (size_t)n;
        }
    }
}

void ifoLog(const char *format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    ifoLogText(text);
}
