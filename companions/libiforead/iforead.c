/*
 * Structure reader over libdvdread: a VIDEO_TS folder, the folder above it, an ISO image or a
 * device goes in, one DVDInfoRecord comes out (NULL when the source is not a readable DVD).
 * libdvdread falls back to the .BUP copy of an IFO file by itself when the .IFO is damaged.
 */
#include "iforead_internal.h"

#include "discrecords/DVDLayoutReport.h"

#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* libdvdread's own errors go to our log instead of standard error. */
static void dvdreadLog(void *priv, dvd_logger_level_t level, const char *format, va_list args)
{
    (void)priv;
    if (level != DVD_LOGGER_LEVEL_ERROR)
        return;
    char text[1024];
    vsnprintf(text, sizeof text, format, args);
    ifoLogText(text);
}

static int fromBCD(uint8_t value)
{
    return (value >> 4) * 10 + (value & 0x0f);
}

static void languageText(uint16_t code, char *out, size_t size)
{
    memset(out, 0, size);
    const char first = (char)(code >> 8), second = (char)(code & 0xff);
    if (first >= 'a' && first <= 'z' && second >= 'a' && second <= 'z') {
        out[0] = first;
        out[1] = second;
    } else if (first >= 'A' && first <= 'Z' && second >= 'A' && second <= 'Z') {
        out[0] = (char)(first - 'A' + 'a');
        out[1] = (char)(second - 'A' + 'a');
    }
}

static int audioStreamId(int format, int stream)
{
    switch (format) {
    case 0: return 0x80 + stream;  /* AC-3 */
    case 6: return 0x88 + stream;  /* DTS */
    case 4: return 0xA0 + stream;  /* LPCM */
    case 2:
    case 3: return stream;         /* MPEG audio, as the players number it */
    default: return 0x80 + stream;
    }
}

static void fillAudio(DVDInfoTitleEntry *entry, const vtsi_mat_t *mat, const pgc_t *pgc)
{
    unsigned int count = mat->nr_of_vts_audio_streams;
    if (count > DVDInfoMaxAudioTracks)
        count = DVDInfoMaxAudioTracks;
    entry->audios = calloc(count ? count : 1, sizeof(DVDInfoAudioEntry));
    if (!entry->audios)
        return;
    for (unsigned int i = 0; i < count; ++i) {
        const uint16_t control = pgc->audio_control[i];
        if (!(control & 0x8000))
            continue; /* the title does not carry this stream */
        const audio_attr_t *attr = &mat->vts_audio_attr[i];
        DVDInfoAudioEntry *audio = &entry->audios[entry->audio_count++];
        const int stream = (control >> 8) & 0x07;
        audio->codec = attr->audio_format;
        audio->stream_id = audioStreamId(attr->audio_format, stream);
        if (attr->lang_type == 1)
            languageText(attr->lang_code, audio->language, sizeof audio->language);
        audio->channels = attr->channels + 1;
        audio->sample_rate = attr->sample_frequency == 1 ? 96000 : 48000;
        audio->language_extension = attr->code_extension;
    }
}

static void fillSubtitles(DVDInfoTitleEntry *entry, const vtsi_mat_t *mat, const pgc_t *pgc)
{
    unsigned int count = mat->nr_of_vts_subp_streams;
    if (count > DVDInfoMaxSubtitleTracks)
        count = DVDInfoMaxSubtitleTracks;
    entry->subtitles = calloc(count ? count : 1, sizeof(DVDInfoSubtitleEntry));
    if (!entry->subtitles)
        return;
    /* A sub-picture track has one stream per display shape; take the one the picture uses. */
    const int shift = mat->vts_video_attr.display_aspect_ratio == 0 ? 24 : 16;
    for (unsigned int i = 0; i < count; ++i) {
        const uint32_t control = pgc->subp_control[i];
        if (!(control & 0x80000000u))
            continue;
        const subp_attr_t *attr = &mat->vts_subp_attr[i];
        DVDInfoSubtitleEntry *subtitle = &entry->subtitles[entry->subtitle_count++];
        subtitle->stream_id = 0x20 + (int)((control >> shift) & 0x1f);
        subtitle->language_extension = attr->code_extension;
        subtitle->coding_mode = attr->code_mode;
        if (attr->type == 1)
            languageText(attr->lang_code, subtitle->language, sizeof subtitle->language);
    }
}

/* The sectors the title's cells span on the disc: what a copy of its streams reads. The cells of
 * an angle block play one at a time, so the first angle stands for them; a figure past any disc
 * is damage and no size. */
static unsigned int titleSectors(const pgc_t *pgc)
{
    unsigned long long total = 0;
    for (int i = 0; pgc->cell_playback && i < pgc->nr_of_cells; ++i) {
        const cell_playback_t *cell = &pgc->cell_playback[i];
        if (cell->block_type == BLOCK_TYPE_ANGLE_BLOCK && cell->block_mode != BLOCK_MODE_FIRST_CELL)
            continue;
        if (cell->last_sector >= cell->first_sector)
            total += (unsigned long long)cell->last_sector - cell->first_sector + 1;
    }
    return total <= DVDMostDiscSectors ? (unsigned int)total : 0;
}

static int fillTitle(DVDInfoTitleEntry *entry, const title_info_t *info, int number, ifo_handle_t *vts)
{
    entry->title_number = number;
    entry->title_set = info->title_set_nr;
    entry->title_set_title = info->vts_ttn;
    entry->chapter_count = info->nr_of_ptts;
    entry->angle_count = info->nr_of_angles;

    if (!vts || !vts->vtsi_mat || !vts->vts_ptt_srpt || !vts->vts_pgcit)
        return 0;
    if (info->vts_ttn < 1 || info->vts_ttn > vts->vts_ptt_srpt->nr_of_srpts)
        return 0;
    const ttu_t *ttu = &vts->vts_ptt_srpt->title[info->vts_ttn - 1];
    if (ttu->nr_of_ptts < 1 || !ttu->ptt)
        return 0;
    const int pgcn = ttu->ptt[0].pgcn;
    if (pgcn < 1 || pgcn > vts->vts_pgcit->nr_of_pgci_srp)
        return 0;
    const pgc_t *pgc = vts->vts_pgcit->pgci_srp[pgcn - 1].pgc;
    if (!pgc)
        return 0;
    entry->pgc_number = pgcn;

    const dvd_time_t *time = &pgc->playback_time;
    entry->hours = fromBCD(time->hour);
    entry->minutes = fromBCD(time->minute);
    entry->seconds = fromBCD(time->second);
    entry->frame_rate = (time->frame_u & 0xc0) >> 6;
    const int frame = fromBCD(time->frame_u & 0x3f);
    const int perSecond = entry->frame_rate == 1 ? 25 : 30;
    const unsigned int wholeSeconds = (unsigned)(entry->hours * 3600 + entry->minutes * 60 + entry->seconds);
    entry->frames = wholeSeconds * (unsigned)perSecond + (unsigned)frame;
    if (entry->frame_rate == 1)
        entry->milliseconds = frame * 40;
    else if (entry->frame_rate == 3)
        entry->milliseconds = (int)(frame * 1001 / 30);

    entry->sectors = titleSectors(pgc);

    const vtsi_mat_t *mat = vts->vtsi_mat;
    entry->videos = calloc(1, sizeof(DVDInfoVideoEntry));
    if (entry->videos) {
        entry->video_count = 1;
        entry->videos[0].codec = mat->vts_video_attr.mpeg_version;
        entry->videos[0].standard = mat->vts_video_attr.video_format;
        entry->videos[0].aspect = mat->vts_video_attr.display_aspect_ratio;
        entry->videos[0].picture_size = mat->vts_video_attr.picture_size;
    }
    fillAudio(entry, mat, pgc);
    fillSubtitles(entry, mat, pgc);
    return 1;
}

IFO_EXPORT void free_dvd_info(DVDInfoRecord *record)
{
    if (!record)
        return;
    for (unsigned int i = 0; i < record->title_count; ++i) {
        free(record->titles[i].videos);
        free(record->titles[i].audios);
        free(record->titles[i].subtitles);
    }
    free(record->titles);
    free(record);
}

static DVDInfoRecord *readRecord(dvd_reader_t *dvd, const char *path)
{
    ifo_handle_t *vmg = ifoOpen(dvd, 0);
    if (!vmg || !vmg->tt_srpt) {
        ifoLog("iforead: %s: no readable VIDEO_TS.IFO or VIDEO_TS.BUP", path);
        if (vmg)
            ifoClose(vmg);
        return NULL;
    }
    const tt_srpt_t *tt = vmg->tt_srpt;
    const int titleSets = vmg->vmgi_mat ? vmg->vmgi_mat->vmg_nr_of_title_sets : 0;

    DVDInfoRecord *record = calloc(1, sizeof *record);
    if (record)
        record->titles = calloc(tt->nr_of_srpts ? tt->nr_of_srpts : 1, sizeof(DVDInfoTitleEntry));
    if (!record || !record->titles) {
        free(record);
        ifoClose(vmg);
        return NULL;
    }
    record->version = DVDInfoRecordVersion;

    /* Title sets are opened once each, however many titles they hold. */
    ifo_handle_t **sets = calloc((size_t)titleSets + 1, sizeof *sets);
    char *tried = calloc((size_t)titleSets + 1, 1);
    for (int i = 0; sets && tried && i < tt->nr_of_srpts; ++i) {
        const title_info_t *info = &tt->title[i];
        const int set = info->title_set_nr;
        if (set < 1 || set > titleSets) {
            ifoLog("iforead: %s: title %d names title set %d, which the disc does not have", path, i + 1, set);
            continue;
        }
        if (!tried[set]) {
            tried[set] = 1;
            sets[set] = ifoOpen(dvd, set);
            if (!sets[set])
                ifoLog("iforead: %s: title set %d is not readable", path, set);
        }
        DVDInfoTitleEntry *entry = &record->titles[record->title_count];
        if (fillTitle(entry, info, i + 1, sets[set]))
            record->title_count++;
        else {
            free(entry->videos);
            free(entry->audios);
            free(entry->subtitles);
            memset(entry, 0, sizeof *entry);
            ifoLog("iforead: %s: title %d is not readable", path, i + 1);
        }
    }
    for (int set = 1; sets && set <= titleSets; ++set)
        if (sets[set])
            ifoClose(sets[set]);
    free(sets);
    free(tried);
    ifoClose(vmg);

    if (record->title_count == 0) {
        ifoLog("iforead: %s: the disc has no readable title", path);
        free_dvd_info(record);
        return NULL;
    }
    return record;
}

DVDInfoRecord *ifoReadRecord(const char *path)
{
    static const dvd_logger_cb logger = { dvdreadLog };
    dvd_reader_t *dvd = DVDOpen2(NULL, &logger, path);
    if (!dvd) {
        ifoLog("iforead: %s: not a DVD that libdvdread can open", path);
        return NULL;
    }
    DVDInfoRecord *record = readRecord(dvd, path);
    DVDClose(dvd);
    return record;
}
