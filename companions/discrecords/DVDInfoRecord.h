#pragma once

/*
 * The disc record that the structure-reader companion (lib/talvane/fws/libiforead.so) hands to the
 * DVD reader. It crosses a dlopen boundary, so it is plain C and its field order and meaning are
 * fixed; widths follow the platform (pointers are 8 bytes on 64-bit Linux), so readers use the
 * fields, never byte offsets. Fields the reader does not use are filled for the developer tool.
 */

#ifdef __cplusplus
extern "C" {
#endif

enum {
    DVDInfoRecordVersion = 1,
    DVDInfoMaxAudioTracks = 8,      /* a title's audio tracks beyond these are not read */
    DVDInfoMaxSubtitleTracks = 32   /* likewise for subtitle tracks */
};

typedef struct DVDInfoVideoEntry {
    int codec;          /* 0 MPEG-1, 1 MPEG-2 */
    int standard;       /* 0 NTSC, 1 PAL */
    int aspect;         /* 0 4:3, 3 16:9 */
    int picture_size;   /* 0 720 wide, 1 704, 2 352 full height, 3 352 half height */
} DVDInfoVideoEntry;

typedef struct DVDInfoAudioEntry {
    int stream_id;      /* the id in the program stream: AC-3 0x80+s, DTS 0x88+s, LPCM 0xA0+s, MPEG s */
    int codec;          /* 0 AC-3, 2 MPEG-1, 3 MPEG-2, 4 LPCM, 6 DTS */
    char language[12];  /* ISO 639 code, NUL-terminated, empty when the disc names none */
    int channels;
    int sample_rate;    /* Hz */
    int language_extension;
} DVDInfoAudioEntry;

typedef struct DVDInfoSubtitleEntry {
    int stream_id;      /* 0x20+s */
    int language_extension;
    int coding_mode;
    char language[8];   /* ISO 639 code, NUL-terminated */
} DVDInfoSubtitleEntry;

typedef struct DVDInfoTitleEntry {
    int title_number;   /* 1-based number of the title on the disc */
    int title_set;      /* the title set (VTS) that holds it */
    int hours;
    int minutes;
    int seconds;
    unsigned int frames;
    int frame_rate;     /* 1 = 25 fps, 3 = 29.97 fps */
    unsigned int video_count;
    DVDInfoVideoEntry *videos;
    unsigned int audio_count;
    DVDInfoAudioEntry *audios;
    unsigned int subtitle_count;
    DVDInfoSubtitleEntry *subtitles;
    unsigned int chapter_count;
    int angle_count;
    int title_set_title; /* the title's number inside its title set */
    int pgc_number;
    int main_title;     /* 1 when the disc marks this title as its main title */
    int milliseconds;   /* the part of the playing time below a second */
    unsigned int sectors; /* the 2048-byte sectors its cells span (one angle), 0 when unknown */
} DVDInfoTitleEntry;

typedef struct DVDInfoRecord {
    int version;
    unsigned int title_count;
    DVDInfoTitleEntry *titles;
} DVDInfoRecord;

typedef void (*DVDInfoDebugLogFunction)(const char *message);

/* Entry points of the companion, looked up by name. */
typedef DVDInfoRecord *(*DVDInfoGetFunction)(const char *path);
typedef void (*DVDInfoFreeFunction)(DVDInfoRecord *record);
typedef void (*DVDInfoSetDebugLogFunction)(DVDInfoDebugLogFunction function);

#ifdef __cplusplus
}
#endif
