/*
 * check_dvd_layout compares a DVD's data with its IFO files (companions/common/dvd_layout.c) in a
 * child process: the IFO data of a damaged disc may crash libdvdread or make it hang, which must
 * cost the check, not the program. The child sends its report whole; anything else means the
 * disc's structure stopped the reader.
 */
#define _GNU_SOURCE
#include "iforead_internal.h"

#include "dvd_layout.h"
#include "isolated_child.h"

#include <dvdread/dvd_reader.h>

#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum { CheckTimeoutMs = 120000 };

typedef struct
{
    const char *path;
    int title;
} LayoutRequest;

/* libdvdread's notices would go to standard error; the report names what matters. */
static void quiet(void *context, dvd_logger_level_t level, const char *format, va_list arguments)
{
    (void)context;
    (void)level;
    (void)format;
    (void)arguments;
}

static void childCheck(int fd, void *argument)
{
    const LayoutRequest *request = argument;
    static const dvd_logger_cb logger = {quiet};
    dvd_reader_t *dvd = DVDOpen2(NULL, &logger, request->path);
    /* A drive seeks for every navigation pack; its titles keep the time their IFO states. */
    struct stat source;
    const int drive = stat(request->path, &source) == 0 && S_ISBLK(source.st_mode);
    DVDLayoutReport report;
    dvdLayoutCheck(dvd, request->title, !drive, &report);
    if (dvd)
        DVDClose(dvd);
    _exit(isolatedWriteAll(fd, &report, sizeof report) ? 0 : 1);
}

IFO_EXPORT int check_dvd_layout(const char *path, int title, DVDLayoutReport *report)
{
    if (!path || !*path || !report)
        return 0;
    memset(report, 0, sizeof *report);
    report->ifoSeconds = -1;
    report->dataSeconds = -1;
    LayoutRequest request = {path, title};
    IsolatedResult run;
    if (!isolatedRun(childCheck, &request, CheckTimeoutMs, &run))
        return 0;
    if (run.complete && run.signal == 0 && run.data && run.size == sizeof *report) {
        memcpy(report, run.data, sizeof *report);
        report->problem[sizeof report->problem - 1] = '\0';
        report->damagedRecords[sizeof report->damagedRecords - 1] = '\0';
        report->suspectRecords[sizeof report->suspectRecords - 1] = '\0';
        if (!report->whole && !report->problem[0])
            snprintf(report->problem, sizeof report->problem, "the DVD's data is damaged");
    } else if (run.waitError) {
        snprintf(report->problem, sizeof report->problem, "the end of the process reading the disc cannot be read: %s",
                 strerror(run.waitError));
    } else if (!run.complete) {
        snprintf(report->problem, sizeof report->problem, "reading the disc's structure took too long and was stopped");
    } else if (run.signal) {
        snprintf(report->problem, sizeof report->problem,
                 "the disc's structure is damaged (the reader stopped with signal %d)", run.signal);
    } else {
        snprintf(report->problem, sizeof report->problem, "the disc's structure could not be read");
    }
    isolatedResultFree(&run);
    return 1;
}
