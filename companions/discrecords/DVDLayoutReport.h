#pragma once

/*
 * What the structure-reader companion found when it compared a DVD's data with what its IFO files
 * say (check_dvd_layout). Plain C: it crosses the dlopen boundary and the pipe of the isolated
 * reading process.
 */

#ifdef __cplusplus
extern "C" {
#endif

enum { DVDLayoutProblemSize = 512, DVDLayoutFileNameSize = 32 };

/* The most sectors a DVD holds: one side of two layers, 8.5 GB. A figure of a disc's records past
 * it is damage, never data. */
enum { DVDMostDiscSectors = 4173824 };

typedef struct DVDLayoutReport {
    int whole;            /* 1 when every sector and byte the IFO files give is there */
    double ifoSeconds;    /* one title: its playing time as its program chain gives it; -1 unknown */
    double dataSeconds;   /* one title: the time its cells' navigation packs span; -1 unknown */
    char problem[DVDLayoutProblemSize]; /* when not whole: what is missing, NUL-terminated */
    /* When what is wrong is the IFO's own records (they place data past what any DVD holds, which
     * no missing data explains): the IFO's name ("VTS_01_0.IFO"); else empty. */
    char damagedRecords[DVDLayoutFileNameSize];
    /* Records that are damaged in a way a reader may get past, so the disc still counts as whole:
     * an IFO whose backup holds other records (one of the two was damaged), or a figure that
     * players do not read placed past what any DVD holds. The IFO's name; else empty. An engine
     * that fails on such a disc may have been led astray by them. */
    char suspectRecords[DVDLayoutFileNameSize];
} DVDLayoutReport;

/* check_dvd_layout(path, title, report): title 0 checks the whole disc (every title set's IFO,
 * backup and VOB files against the IFO headers and cell tables), title n > 0 the data title n
 * plays. Returns 1 when the check ran (report filled), 0 when it could not be made. */
typedef int (*DVDLayoutCheckFunction)(const char *path, int title, DVDLayoutReport *report);

#ifdef __cplusplus
}
#endif
