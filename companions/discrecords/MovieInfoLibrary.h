#pragma once

// The calls of the cover-metadata companion (fws/libMovieInfo.so) and the sizes of the buffers
// they fill. The companion and the cover lookup both include this, so the two sides cannot
// drift apart.

#ifdef __cplusplus
extern "C" {
#endif

enum {
    kMovieInfoDiscIDSize = 32,          // identifier text: at most 31 bytes and its NUL
    kMovieInfoUrlSize = 1024,           // the metadata page address GetAMGUrl writes
    kMovieInfoRecordSize = 8904,        // the record GetAMGMovieInfo fills
    kMovieInfoCoverUrlOffset = 1152,    // NUL-terminated cover picture address in the record
};

// Writes the address of the disc's metadata page (NUL-terminated) into a kMovieInfoUrlSize
// buffer; non-zero on success. The second argument is reserved and passed as "".
typedef unsigned char (*GetAMGUrlFunction)(const char *discID, const char *reserved, char *url);
// Fills a kMovieInfoRecordSize record from a saved metadata page; non-zero on success.
typedef unsigned char (*GetAMGMovieInfoFunction)(const char *pagePath, const char *tempFolder, char *record);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
#include <QString>
// The user default that holds the metadata service's address; empty (the default) means there
// is no service, and every lookup ends with the placeholder picture.
inline QString movieInfoServiceAddressKey() { return QStringLiteral("kMovieInfoServiceAddress"); }
#endif
