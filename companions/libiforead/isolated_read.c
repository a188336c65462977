/*
 * get_dvd_info reads the disc in a child process and rebuilds the record from what the child
 * sends back. libdvdread can crash or hang on damaged IFO data; in a child that costs the read,
 * not the program. The child sends frames: 'L' log line, 'T' one title (the entry followed by
 * its video, audio and subtitle arrays), 'E' end of a successful read.
 */
#define _GNU_SOURCE
#include "iforead_internal.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { ReadTimeoutMs = 120000, MaxVideoTracks = 9 };

static int writeAll(int fd, const void *data, size_t size)
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

static size_t titleArraysSize(const DVDInfoTitleEntry *t)
{
    return t->video_count * sizeof(DVDInfoVideoEntry) + t->audio_count * sizeof(DVDInfoAudioEntry)
           + t->subtitle_count * sizeof(DVDInfoSubtitleEntry);
}

static void childRead(int fd, const char *path)
{
    ifoLogToPipe(fd);
    DVDInfoRecord *record = ifoReadRecord(path);
    int ok = record != NULL;
    for (unsigned int i = 0; ok && i < record->title_count; ++i) {
        const DVDInfoTitleEntry *t = &record->titles[i];
        const uint32_t length = (uint32_t)(sizeof *t + titleArraysSize(t));
        const char type = 'T';
        ok = writeAll(fd, &type, 1) && writeAll(fd, &length, sizeof length) && writeAll(fd, t, sizeof *t)
             && writeAll(fd, t->videos, t->video_count * sizeof(DVDInfoVideoEntry))
             && writeAll(fd, t->audios, t->audio_count * sizeof(DVDInfoAudioEntry))
             && writeAll(fd, t->subtitles, t->subtitle_count * sizeof(DVDInfoSubtitleEntry));
    }
    if (ok) {
        const char type = 'E';
        const uint32_t length = 0;
        ok = writeAll(fd, &type, 1) && writeAll(fd, &length, sizeof length);
    }
    _exit(ok ? 0 : 1);
}

/* Everything the child wrote, until it closes the pipe or the time is up (returns 0 then). */
static int readAll(int fd, char **data, size_t *size)
{
    size_t capacity = 65536;
    *size = 0;
    *data = malloc(capacity);
    if (!*data)
        return 0;
    struct timespec start;
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (;;) {
        struct timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long elapsed = (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
        if (elapsed >= ReadTimeoutMs)
            return 0;
        struct pollfd p = {fd, POLLIN, 0};
        const int ready = poll(&p, 1, (int)(ReadTimeoutMs - elapsed));
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

/* Rebuilds the record from the frames; NULL unless the child reached its end frame. */
static DVDInfoRecord *recordOfFrames(const char *data, size_t size)
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
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        ifoLog("iforead: %s: cannot make a pipe for the reading process", path);
        return NULL;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        ifoLog("iforead: %s: cannot start the reading process", path);
        return NULL;
    }
    if (pid == 0) {
        close(fds[0]);
        childRead(fds[1], path);
    }
    close(fds[1]);

    char *data = NULL;
    size_t size = 0;
    const int complete = readAll(fds[0], &data, &size);
    close(fds[0]);
    if (!complete)
        kill(pid, SIGKILL); /* our own child, stuck on the disc */
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }

    DVDInfoRecord *record = NULL;
    if (complete && data)
        record = recordOfFrames(data, size);
    free(data);
    if (!complete)
        ifoLog("iforead: %s: reading the disc took too long and was stopped", path);
    else if (WIFSIGNALED(status))
        ifoLog("iforead: %s: the disc's structure is damaged (the reader stopped with signal %d)", path,
               WTERMSIG(status));
    return record;
}
