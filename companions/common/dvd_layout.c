#include "dvd_layout.h"

#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>

#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { Block = DVD_VIDEO_LB_LEN };

/* A VOB file holds at most 1 GiB; longer title sets are split into VTS_nn_1.VOB, VTS_nn_2.VOB... */
static const long long PartBytes = 1073741824LL;

static const long long MostDiscSectors = DVDMostDiscSectors;

/* The most title sets a disc may have (VTS_01 to VTS_99). */
enum { MostTitleSets = 99 };

/* Longer than any IFO: its tables fit in a few hundred sectors. */
static const long long MostInfoBytes = 16LL * 1024 * 1024;

/* The first problem found is the one the report names; returns 1 when this one is it. */
static int problem(DVDLayoutReport *report, const char *format, ...) __attribute__((format(printf, 2, 3)));
static int problem(DVDLayoutReport *report, const char *format, ...)
{
    if (!report->whole)
        return 0;
    report->whole = 0;
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(report->problem, sizeof report->problem, format, arguments);
    va_end(arguments);
    return 1;
}

static void infoName(char *out, size_t size, int set, int backup)
{
    if (set == 0)
        snprintf(out, size, backup ? "VIDEO_TS.BUP" : "VIDEO_TS.IFO");
    else
        snprintf(out, size, backup ? "VTS_%02d_0.BUP" : "VTS_%02d_0.IFO", set);
}

/* Notes that the records of set's IFO (of title, or of the set when title is 0) are damaged: no
 * missing data explains what they say, and their figures mean nothing to a reader. */
static void damagedRecords(int set, int title, DVDLayoutReport *report)
{
    char name[DVDLayoutFileNameSize];
    infoName(name, sizeof name, set, 0);
    const int first = title > 0 ? problem(report, "the records of title %d in %s are damaged", title, name)
                                : problem(report, "the records in %s are damaged", name);
    if (first)
        snprintf(report->damagedRecords, sizeof report->damagedRecords, "%s", name);
}

/* False, noting it, when a figure that the IFO of set gives (of title, or of the set when title is
 * 0) lies past what any DVD holds: a damaged sector count would read as terabytes missing. */
static int withinADisc(long long sectors, int set, int title, DVDLayoutReport *report)
{
    if (sectors <= MostDiscSectors)
        return 1;
    damagedRecords(set, title, report);
    return 0;
}

/* Records of set's IFO that a reader may get past are damaged; the first such IFO is named. */
static void suspectRecords(int set, DVDLayoutReport *report)
{
    if (!report->suspectRecords[0])
        infoName(report->suspectRecords, sizeof report->suspectRecords, set, 0);
}

/* The whole of one IFO or backup file; NULL when it cannot be read (size set to its length). */
static unsigned char *infoBytes(dvd_reader_t *dvd, int set, dvd_read_domain_t domain, long long *size)
{
    dvd_stat_t st;
    if (DVDFileStat(dvd, set, domain, &st) != 0 || st.size <= 0 || st.size > MostInfoBytes)
        return NULL;
    dvd_file_t *file = DVDOpenFile(dvd, set, domain);
    unsigned char *bytes = file ? malloc((size_t)st.size) : NULL;
    if (bytes && DVDReadBytes(file, bytes, (size_t)st.size) != (ssize_t)st.size) {
        free(bytes);
        bytes = NULL;
    }
    if (file)
        DVDCloseFile(file);
    *size = (long long)st.size;
    return bytes;
}

/* An IFO and its backup are one record written twice: when both read and they differ, one of
 * them was damaged. libdvdread reads the IFO and turns to the backup only when the IFO does not
 * parse at all, so the engines follow an IFO whose records were changed, wherever they lead. */
static void compareWithBackup(dvd_reader_t *dvd, int set, DVDLayoutReport *report)
{
    long long infoSize = 0, backupSize = 0;
    unsigned char *info = infoBytes(dvd, set, DVD_READ_INFO_FILE, &infoSize);
    unsigned char *backup = info ? infoBytes(dvd, set, DVD_READ_INFO_BACKUP_FILE, &backupSize) : NULL;
    if (info && backup && (infoSize != backupSize || memcmp(info, backup, (size_t)infoSize) != 0))
        suspectRecords(set, report);
    free(info);
    free(backup);
}

/* The VOB files of a domain; returns 1 when the name stands for several files. */
static int vobName(char *out, size_t size, int set, dvd_read_domain_t domain, long long blocks)
{
    if (set == 0) {
        snprintf(out, size, "VIDEO_TS.VOB");
        return 0;
    }
    if (domain == DVD_READ_MENU_VOBS) {
        snprintf(out, size, "VTS_%02d_0.VOB", set);
        return 0;
    }
    const long long parts = (blocks * Block + PartBytes - 1) / PartBytes;
    if (parts <= 1) {
        snprintf(out, size, "VTS_%02d_1.VOB", set);
        return 0;
    }
    snprintf(out, size, "VTS_%02d_1.VOB to VTS_%02d_%lld.VOB", set, set, parts);
    return 1;
}

static double megabytes(long long blocks)
{
    return (double)blocks * Block / 1e6;
}

/* An IFO and its backup that libdvdread cannot read, with what is there of them. */
static void unreadableInfo(dvd_reader_t *dvd, int set, DVDLayoutReport *report)
{
    char ifo[32], bup[32], ifoSize[48] = "missing", bupSize[48] = "missing";
    infoName(ifo, sizeof ifo, set, 0);
    infoName(bup, sizeof bup, set, 1);
    dvd_stat_t st;
    if (DVDFileStat(dvd, set, DVD_READ_INFO_FILE, &st) == 0)
        snprintf(ifoSize, sizeof ifoSize, "%lld bytes", (long long)st.size);
    if (DVDFileStat(dvd, set, DVD_READ_INFO_BACKUP_FILE, &st) == 0)
        snprintf(bupSize, sizeof bupSize, "%lld bytes", (long long)st.size);
    problem(report, "%s (%s) and its backup %s (%s) are damaged or cut short: neither reads", ifo, ifoSize, bup, bupSize);
}

/* The IFO, or its backup, holds the length its header gives and reads to its end. A disc without
 * backup files is whole without them (the ISO backup writes the IFO in their place). */
static void infoFileWhole(dvd_reader_t *dvd, int set, int backup, long long blocks, DVDLayoutReport *report)
{
    if (!withinADisc(blocks, set, 0, report))
        return;
    char name[32];
    infoName(name, sizeof name, set, backup);
    const dvd_read_domain_t domain = backup ? DVD_READ_INFO_BACKUP_FILE : DVD_READ_INFO_FILE;
    const long long want = blocks * Block;
    dvd_stat_t st;
    if (DVDFileStat(dvd, set, domain, &st) != 0) {
        if (!backup)
            problem(report, "%s is missing", name);
        return;
    }
    if ((long long)st.size < want) {
        problem(report, "%s holds %lld of the %lld bytes its header gives", name, (long long)st.size, want);
        return;
    }
    dvd_file_t *file = DVDOpenFile(dvd, set, domain);
    unsigned char *bytes = malloc((size_t)want);
    const ssize_t got = file && bytes ? DVDReadBytes(file, bytes, (size_t)want) : -1;
    free(bytes);
    if (file)
        DVDCloseFile(file);
    if (got != want)
        problem(report, "%s cannot be read to its end", name);
}

/* How many of the first `want` sectors of a domain's VOB files are there to read. A file system
 * lists the files of a cut image whole, so the last sector must read too; when it does not, the
 * end of what reads is looked for. */
static long long readableBlocks(dvd_reader_t *dvd, int set, dvd_read_domain_t domain, long long want)
{
    dvd_stat_t st;
    if (want <= 0 || DVDFileStat(dvd, set, domain, &st) != 0)
        return 0;
    long long have = (long long)st.size / Block;
    if (have > want)
        have = want;
    if (have <= 0)
        return 0;
    dvd_file_t *file = DVDOpenFile(dvd, set, domain);
    if (!file)
        return 0;
    unsigned char block[Block];
    if (DVDReadBlocks(file, (int)(have - 1), 1, block) != 1) {
        long long low = 0, high = have - 1; /* sectors below low read; sector high does not */
        while (low < high) {
            const long long middle = low + (high - low) / 2;
            if (DVDReadBlocks(file, (int)middle, 1, block) == 1)
                low = middle + 1;
            else
                high = middle;
        }
        have = low;
    }
    DVDCloseFile(file);
    return have;
}

static void vobsWhole(dvd_reader_t *dvd, int set, dvd_read_domain_t domain, long long want, DVDLayoutReport *report)
{
    if (want <= 0 || !report->whole)
        return;
    const long long have = readableBlocks(dvd, set, domain, want);
    if (have >= want)
        return;
    char name[64];
    const int several = vobName(name, sizeof name, set, domain, want);
    if (have == 0)
        problem(report, "%s %s missing or empty", name, several ? "are" : "is");
    else
        problem(report, "%s hold%s %lld of the %lld sectors its IFO gives: %.1f MB are missing", name, several ? "" : "s",
                have, want, megabytes(want - have));
}

/* One past the last sector a cell address table names. */
static long long cellsEnd(const c_adt_t *table)
{
    if (!table || !table->cell_adr_table || table->last_byte + 1 < C_ADT_SIZE)
        return 0;
    const size_t count = (table->last_byte + 1 - C_ADT_SIZE) / sizeof(cell_adr_t);
    long long end = 0;
    for (size_t i = 0; i < count; ++i)
        if (table->cell_adr_table[i].last_sector + 1LL > end)
            end = table->cell_adr_table[i].last_sector + 1LL;
    return end;
}

/* The sectors a domain's VOB files must hold: what the layout of the title set gives them, and at
 * least what its cells name. Cells past the layout are an IFO at odds with itself. */
static long long wantedBlocks(long long layout, long long cells, int set, DVDLayoutReport *report)
{
    if (!withinADisc(layout, set, 0, report) || !withinADisc(cells, set, 0, report))
        return 0;
    if (layout > 0 && cells > layout) {
        char name[32];
        infoName(name, sizeof name, set, 0);
        problem(report, "the cells of %s reach sector %lld, past the %lld sectors its header gives their VOB files", name,
                cells, layout);
    }
    return layout > cells ? layout : cells;
}

static void checkTitleSet(dvd_reader_t *dvd, int set, DVDLayoutReport *report)
{
    ifo_handle_t *vts = ifoOpen(dvd, set);
    if (!vts || !vts->vtsi_mat) {
        unreadableInfo(dvd, set, report);
        if (vts)
            ifoClose(vts);
        return;
    }
    /* A title set lies on the disc as IFO, menu VOB, title VOBs and backup IFO, one after another;
     * its header gives where each begins and where the set ends. */
    const vtsi_mat_t *mat = vts->vtsi_mat;
    const long long infoBlocks = mat->vtsi_last_sector + 1LL;
    infoFileWhole(dvd, set, 0, infoBlocks, report);
    infoFileWhole(dvd, set, 1, infoBlocks, report);
    if (mat->vtsm_vobs) {
        const long long layout = mat->vtstt_vobs > mat->vtsm_vobs ? (long long)mat->vtstt_vobs - mat->vtsm_vobs : 0;
        vobsWhole(dvd, set, DVD_READ_MENU_VOBS, wantedBlocks(layout, cellsEnd(vts->menu_c_adt), set, report), report);
    }
    const long long titleEnd = (long long)mat->vts_last_sector + 1 - infoBlocks;
    const long long layout = mat->vtstt_vobs && titleEnd > mat->vtstt_vobs ? titleEnd - mat->vtstt_vobs : 0;
    vobsWhole(dvd, set, DVD_READ_TITLE_VOBS, wantedBlocks(layout, cellsEnd(vts->vts_c_adt), set, report), report);
    ifoClose(vts);
}

/* A title set that no title names and whose IFO and backup are both missing: the count of title
 * sets in the video manager's records is what is wrong, not a set the disc lost. */
static int unnamedAndAbsent(dvd_reader_t *dvd, const tt_srpt_t *titles, int set)
{
    for (int i = 0; titles && titles->title && i < titles->nr_of_srpts; ++i)
        if (titles->title[i].title_set_nr == set)
            return 0;
    dvd_stat_t st;
    return DVDFileStat(dvd, set, DVD_READ_INFO_FILE, &st) != 0
           && DVDFileStat(dvd, set, DVD_READ_INFO_BACKUP_FILE, &st) != 0;
}

static void checkWholeDisc(dvd_reader_t *dvd, DVDLayoutReport *report)
{
    ifo_handle_t *vmg = ifoOpen(dvd, 0);
    if (!vmg || !vmg->vmgi_mat) {
        unreadableInfo(dvd, 0, report);
        if (vmg)
            ifoClose(vmg);
        return;
    }
    const vmgi_mat_t *mat = vmg->vmgi_mat;
    const int sets = mat->vmg_nr_of_title_sets;
    const long long infoBlocks = mat->vmgi_last_sector + 1LL;
    infoFileWhole(dvd, 0, 0, infoBlocks, report);
    infoFileWhole(dvd, 0, 1, infoBlocks, report);
    /* The video manager may leave room between its parts, so only its menu cells count. */
    if (mat->vmgm_vobs && withinADisc(cellsEnd(vmg->menu_c_adt), 0, 0, report))
        vobsWhole(dvd, 0, DVD_READ_MENU_VOBS, cellsEnd(vmg->menu_c_adt), report);
    /* The disc's last sector: players never read it, image makers take the IFO's place from it. */
    if (mat->vmg_last_sector + 1LL > MostDiscSectors)
        suspectRecords(0, report);
    compareWithBackup(dvd, 0, report);
    if (sets > MostTitleSets)
        damagedRecords(0, 0, report);
    for (int set = 1; set <= sets && set <= MostTitleSets && report->whole; ++set) {
        if (unnamedAndAbsent(dvd, vmg->tt_srpt, set)) {
            damagedRecords(0, 0, report);
            break;
        }
        checkTitleSet(dvd, set, report);
        compareWithBackup(dvd, set, report);
    }
    ifoClose(vmg);
}

static int fromBCD(uint8_t value)
{
    return (value >> 4) > 9 || (value & 0x0f) > 9 ? -1 : (value >> 4) * 10 + (value & 0x0f);
}

/* -1 when the time is no time (digits out of range, no frame rate). */
static double playbackSeconds(const dvd_time_t *time)
{
    const int rate = (time->frame_u & 0xc0) >> 6;
    const int hours = fromBCD(time->hour), minutes = fromBCD(time->minute), seconds = fromBCD(time->second);
    const int frames = fromBCD(time->frame_u & 0x3f);
    if (hours < 0 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59 || frames < 0 || (rate != 1 && rate != 3))
        return -1;
    return hours * 3600.0 + minutes * 60.0 + seconds + frames / (rate == 1 ? 25.0 : 30.0);
}

static uint32_t bigEndian32(const unsigned char *bytes)
{
    return (uint32_t)bytes[0] << 24 | (uint32_t)bytes[1] << 16 | (uint32_t)bytes[2] << 8 | bytes[3];
}

/* The presentation start and end (90 kHz) of the VOBU whose navigation pack is at sector: a pack
 * header, a system header, then the PCI packet (00 00 01 BF, its length, substream 0), whose
 * general information gives the times at bytes 12 and 16. */
static int navigationTimes(dvd_file_t *file, uint32_t sector, uint32_t *start, uint32_t *end)
{
    unsigned char pack[Block];
    static const unsigned char packStart[] = {0, 0, 1, 0xBA}, pciStart[] = {0, 0, 1, 0xBF};
    if (DVDReadBlocks(file, (int)sector, 1, pack) != 1 || memcmp(pack, packStart, 4) != 0
        || memcmp(pack + 38, pciStart, 4) != 0 || pack[44] != 0)
        return 0;
    *start = bigEndian32(pack + 45 + 12);
    *end = bigEndian32(pack + 45 + 16);
    return 1;
}

/* The time the program chain's cells span by their own navigation packs; -1 when one cannot tell. */
static double navigationSeconds(dvd_reader_t *dvd, int set, const pgc_t *pgc)
{
    dvd_file_t *file = DVDOpenFile(dvd, set, DVD_READ_TITLE_VOBS);
    if (!file || !pgc->cell_playback)
        return -1;
    double total = 0;
    for (int i = 0; i < pgc->nr_of_cells; ++i) {
        const cell_playback_t *cell = &pgc->cell_playback[i];
        /* The cells of an angle block play side by side: the first one stands for the time. */
        if (cell->block_type == BLOCK_TYPE_ANGLE_BLOCK && cell->block_mode != BLOCK_MODE_FIRST_CELL)
            continue;
        uint32_t start = 0, end = 0, unused = 0;
        if (!navigationTimes(file, cell->first_sector, &start, &unused)
            || !navigationTimes(file, cell->last_vobu_start_sector, &unused, &end) || end <= start) {
            total = -1;
            break;
        }
        total += (end - start) / 90000.0;
    }
    DVDCloseFile(file);
    return total;
}

static void checkProgramChain(dvd_reader_t *dvd, int title, int set, const pgc_t *pgc, int spanTime,
                              DVDLayoutReport *report)
{
    report->ifoSeconds = playbackSeconds(&pgc->playback_time);
    long long end = 0;
    for (int i = 0; pgc->cell_playback && i < pgc->nr_of_cells; ++i)
        if (pgc->cell_playback[i].last_sector + 1LL > end)
            end = pgc->cell_playback[i].last_sector + 1LL;
    if (!withinADisc(end, set, title, report))
        return;
    const long long have = readableBlocks(dvd, set, DVD_READ_TITLE_VOBS, end);
    if (have < end) {
        long long missing = 0;
        for (int i = 0; i < pgc->nr_of_cells; ++i) {
            const long long first = pgc->cell_playback[i].first_sector, last = pgc->cell_playback[i].last_sector;
            const long long from = first > have ? first : have;
            missing += last + 1 > from ? last + 1 - from : 0;
        }
        char name[64];
        const int several = vobName(name, sizeof name, set, DVD_READ_TITLE_VOBS, end);
        problem(report, "title %d needs %lld sectors of %s, which hold%s %lld: %.1f MB of the title are missing", title, end,
                name, several ? "" : "s", have, megabytes(missing));
        return;
    }
    if (spanTime)
        report->dataSeconds = navigationSeconds(dvd, set, pgc);
}

static void checkTitle(dvd_reader_t *dvd, int title, int spanTime, DVDLayoutReport *report)
{
    ifo_handle_t *vmg = ifoOpen(dvd, 0);
    if (!vmg || !vmg->tt_srpt || !vmg->vmgi_mat) {
        unreadableInfo(dvd, 0, report);
        if (vmg)
            ifoClose(vmg);
        return;
    }
    if (title > vmg->tt_srpt->nr_of_srpts) {
        problem(report, "the disc has no title %d", title);
        ifoClose(vmg);
        return;
    }
    const title_info_t info = vmg->tt_srpt->title[title - 1];
    const int sets = vmg->vmgi_mat->vmg_nr_of_title_sets;
    ifoClose(vmg);

    /* A title set number the disc cannot have is a figure of damaged records, not a set to name. */
    const int set = info.title_set_nr;
    if (set < 1 || set > sets || set > MostTitleSets) {
        damagedRecords(0, title, report);
        compareWithBackup(dvd, 0, report);
        return;
    }
    ifo_handle_t *vts = ifoOpen(dvd, set);
    if (!vts || !vts->vtsi_mat || !vts->vts_ptt_srpt || !vts->vts_pgcit) {
        unreadableInfo(dvd, set, report);
        if (vts)
            ifoClose(vts);
        return;
    }
    const pgc_t *pgc = NULL;
    if (info.vts_ttn >= 1 && info.vts_ttn <= vts->vts_ptt_srpt->nr_of_srpts) {
        const ttu_t *ttu = &vts->vts_ptt_srpt->title[info.vts_ttn - 1];
        const int number = ttu->nr_of_ptts >= 1 && ttu->ptt ? ttu->ptt[0].pgcn : 0;
        if (number >= 1 && number <= vts->vts_pgcit->nr_of_pgci_srp)
            pgc = vts->vts_pgcit->pgci_srp[number - 1].pgc;
    }
    if (pgc)
        checkProgramChain(dvd, title, set, pgc, spanTime, report);
    else
        problem(report, "title %d has no program chain in title set %d", title, set);
    ifoClose(vts);
    /* The records the title plays by: its title set's, then the video manager's table of titles. */
    compareWithBackup(dvd, set, report);
    compareWithBackup(dvd, 0, report);
}

void dvdLayoutCheck(struct dvd_reader_s *dvd, int title, int spanTime, DVDLayoutReport *report)
{
    memset(report, 0, sizeof *report);
    report->whole = 1;
    report->ifoSeconds = -1;
    report->dataSeconds = -1;
    if (!dvd)
        problem(report, "the source cannot be opened as a DVD");
    else if (title <= 0)
        checkWholeDisc(dvd, report);
    else
        checkTitle(dvd, title, spanTime, report);
}
