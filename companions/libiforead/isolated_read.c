/*
 * get_dvd_info reads the disc in a child process and rebuilds the record from what the child
 * sends back. libdvdread can crash or hang on damaged IFO data; in a child that costs the read,
 * not the program. The child sends frames: 'L' log line, 'T' one title (the entry followed by
 * its video, audio and subtitle arrays), 'E' end of a successful read.
 */
#define _GNU_SOURCE
#include "iforead_internal.h"

#include "isolated_child.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { ReadTimeoutMs = 120000, MaxVideoTracks = 9 };

static size_t titleArraysSize(const DVDInfoTitleEntry *t)
{
    return t->video_count * sizeof(DVDInfoVideoEntry) + t->audio_count * sizeof(DVDInfoAudioEntry)
           + t->subtitle_count * sizeof(DVDInfoSubtitleEntry);
}

static void childRead(int fd, void *argument)
{
    const char *path = argument;
    ifoLogToPipe(fd);
    DVDInfoRecord *record = ifoReadRecord(path);
    int ok = record != NULL;
    for (unsigned int i = 0; ok && i < record->title_count; ++i) {
        const DVDInfoTitleEntry *t = &record->titles[i];
        const uint32_t length = (uint32_t)(sizeof *t + titleArraysSize(t));
        const char type = 'T';
        ok = isolatedWriteAll(fd, &type, 1) && isolatedWriteAll(fd, &length, sizeof length) && isolatedWriteAll(fd, t, sizeof *t)
             && isolatedWriteAll(fd, t->videos, t->video_count * sizeof(DVDInfoVideoEntry))
             && isolatedWriteAll(fd, t->audios, t->audio_count * sizeof(DVDInfoAudioEntry))
             && isolatedWriteAll(fd, t->subtitles, t->subtitle_count * sizeof(DVDInfoSubtitleEntry));
    }
    if (ok) {
        const char type = 'E';
        const uint32_t length = 0;
        ok = isolatedWriteAll(fd, &type, 1) && isolatedWriteAll(fd, &length, sizeof length);
    }
    _exit(ok ? 0 : 1);
}

static int appendTitle(DVDInfoRecord *record, const char *payload, uint32_t length)
{
    DVDInfoTitleEntry t;
    if (length < sizeof t)
        return 0;
    memcpy(&t, payload, sizeof t);
    if (t.video_count > MaxVideoTracks || t.audio_count > DVDInfoMaxAudioTracks
        || t.subtitle_count > DVDInfoMaxSubtitleTracks || length != sizeof t + titleArraysSize(&t))
        return 0;
    const char *p = payload + sizeof t;
    t.videos = calloc(t.video_count ? t.video_count : 1, sizeof *t.videos);
    t.audios = calloc(t.audio_count ? t.audio_count : 1, sizeof *t.audios);
    t.subtitles = calloc(t.subtitle_count ? t.subtitle_count : 1, sizeof *t.subtitles);
    DVDInfoTitleEntry *titles = realloc(record->titles, (record->title_count + 1) * sizeof *titles);
    if (!t.videos || !t.audios || !t.subtitles || !titles) {
        free(t.videos);
        free(t.audios);
        free(t.subtitles);
        if (titles)
            record->titles = titles;
        return 0;
    }
    memcpy(t.videos, p, t.video_count * sizeof *t.videos);
    p += t.video_count * sizeof *t.videos;
    memcpy(t.audios, p, t.audio_count * sizeof *t.audios);
    p += t.audio_count * sizeof *t.audios;
    memcpy(t.subtitles, p, t.subtitle_count * sizeof *t.subtitles);
    record->titles = titles;
    record->titles[record->title_count++] = t;
    return 1;
}

DVDInfoRecord *ifoRecordOfFrames(const char *data, size_t size)
{
    DVDInfoRecord *record = calloc(1, sizeof *record);
    if (!record)
        return NULL;
    record->version = DVDInfoRecordVersion;
    int ended = 0;
    size_t at = 0;
    while (!ended && at + 5 <= size) {
        const char type = data[at];
        uint32_t length;
        memcpy(&length, data + at + 1, sizeof length);
        at += 5;
        if (length > size - at)
            break;
        const char *payload = data + at;
        at += length;
        if (type == 'L') {
            char *text = strndup(payload, length);
            if (text)
                ifoLogForward(text);
            free(text);
        } else if (type == 'T') {
            if (!appendTitle(record, payload, length))
                break;
        } else if (type == 'E') {
            ended = 1;
        } else {
            break;
        }
    }
    if (!ended || record->title_count == 0) {
        free_dvd_info(record);
        return NULL;
    }
    return record;
}

IFO_EXPORT DVDInfoRecord *get_dvd_info(const char *path)
{
    if (!path || !*path)
        return NULL;
    IsolatedResult run;
    if (!isolatedRun(childRead, (void *)path, ReadTimeoutMs, &run)) {
        ifoLog("iforead: %s: cannot start the reading process", path);
        return NULL;
    }
    DVDInfoRecord *record = NULL;
    if (run.complete && run.data)
        record = ifoRecordOfFrames(run.data, run.size);
    isolatedResultFree(&run);
    if (run.waitError)
        ifoLog("iforead: %s: the end of the reading process cannot be read: %s", path, strerror(run.waitError));
    else if (!run.complete)
        ifoLog("iforead: %s: reading the disc took too long and was stopped", path);
    else if (run.signal)
        ifoLog("iforead: %s: the disc's structure is damaged (the reader stopped with signal %d)", path, run.signal);
    return record;
}
