#pragma once

#include "discrecords/DVDInfoRecord.h"
#include "discrecords/DVDLayoutReport.h"

#include <stddef.h>

#define IFO_EXPORT __attribute__((visibility("default")))

/* Reads a DVD's structure in this process (libdvdread). NULL when it is not a readable DVD. */
DVDInfoRecord *ifoReadRecord(const char *path);

/* The companion's log: the debug function the reader set, or, inside the isolated reading
 * process, the pipe back to the caller. */
void ifoLog(const char *format, ...) __attribute__((format(printf, 1, 2)));
void ifoLogText(const char *text);
void ifoLogToPipe(int fd);
void ifoLogForward(const char *text); /* to the debug function, whatever the mode */

/* Rebuilds a record from the frames the reading process sent; NULL unless they end with the end
 * frame and hold a title. The frames are untrusted input (a child that went wrong may send
 * anything): every count and length is checked. */
DVDInfoRecord *ifoRecordOfFrames(const char *data, size_t size);

IFO_EXPORT void free_dvd_info(DVDInfoRecord *record);
IFO_EXPORT DVDInfoRecord *get_dvd_info(const char *path);
IFO_EXPORT int check_dvd_layout(const char *path, int title, DVDLayoutReport *report);
IFO_EXPORT void SetDebugLogFunction(DVDInfoDebugLogFunction function);
