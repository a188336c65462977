#pragma once

#include <QByteArray>
#include <QtGlobal>

// A 64-bit identifier of a DVD computed in-process from its VIDEO_TS folder: a CRC-64 over the
// folder's entries (creation time, size, name, sorted by name) and the first 64 KiB of
// VIDEO_TS.IFO and VTS_01_0.IFO. root is the folder that holds VIDEO_TS (UTF-8).
// Returns 1 with *result set, 0 when the folder cannot be listed, is empty or lacks either IFO.
int ComputeDVDDiscID(quint64 *result, const char *root);

// The reflected CRC-64 the identifier uses (polynomial 0x92C64265D32139A4 in reflected form),
// continued from crc over data; start from ~0 and apply no final exclusive-or.
quint64 DNDiscIDCRC64(quint64 crc, const QByteArray &data);
