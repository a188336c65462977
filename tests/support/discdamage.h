#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Damages that tests give a copy of a fixture disc folder (one title set, as the NTSC and PAL
// discs have), in the IFO files, where the tools that read a disc look first.
namespace testsupport {

// The big-endian word of an IFO file at byte at.
quint32 ifoWord32(const QByteArray &bytes, qint64 at);

// Changes the title set's IFO and its backup alike, as a damage that hit both would.
bool editTitleSetInfo(const QString &disc, const std::function<void(QByteArray &)> &edit);

// Every cell of the title set, in its program chains and in its cell address table, ends past
// what any DVD holds (the top byte of each last sector becomes 0x55), in the IFO and its backup:
// the disc still loads, with its titles' times, but no reading of its records makes sense.
bool placeTitleSetCellsPastAnyDisc(const QString &disc);

// The video manager's IFO and backup get a 0x55 in the top byte of the disc's last sector (byte
// 12), which no player nor libdvdread reads, but which the image maker takes as part of the IFO's
// name and so refuses the disc ("VIDEO_TS has invalid contents").
bool spoilVideoManagerForTheImageMaker(const QString &disc);

// The title set's IFO alone (its backup stays sound) says that title 3's program chain has no
// programs and no cells: it still parses, so libdvdread, and every engine over it, reads it and
// never the backup. mencoder crashes on it, HandBrakeCLI finds no title.
bool emptyTitle3ChainInTheIfoOnly(const QString &disc);

// The video manager's table of titles, in the IFO and its backup, puts title 3 in title set 139,
// which no disc has (a disc loaded before keeps its title 3).
bool putTitle3InTitleSet139(const QString &disc);

// The video manager's IFO and backup count 139 title sets where the disc has one.
bool count139TitleSets(const QString &disc);

} // namespace testsupport
