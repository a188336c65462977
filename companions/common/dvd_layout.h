#pragma once
/*
 * Compares a DVD's data with what its IFO files say. A disc folder or image whose VOB files were
 * cut, emptied or deleted, or whose IFO and backup were cut, still opens and often still plays
 * its first seconds; engines then write a short file, and image makers fill the gap with bytes
 * that were never on the disc. This check names what is missing before anything is written.
 *
 * The whole disc (title 0): every IFO and BUP file is as long as its header says and reads to
 * its end; every title set's menu and title VOBs hold the sectors the IFO's layout and cell
 * tables give. One title (n > 0): its title set's IFO reads, the sectors of its program chain's
 * cells are there, and the report gives its playing time twice: as the program chain states it
 * and, when spanTime is set, as its cells' navigation packs span it. That takes two reads a cell,
 * cheap in a file and slow on a drive, which seeks for each.
 *
 * Plain C over libdvdread, so that every companion can build it. libdvdread may crash on damaged
 * IFO data: run it in a process that can afford that (a companion executable or an isolated
 * child).
 */
#include "discrecords/DVDLayoutReport.h"

#ifdef __cplusplus
extern "C" {
#endif

struct dvd_reader_s;

void dvdLayoutCheck(struct dvd_reader_s *dvd, int title, int spanTime, DVDLayoutReport *report);

#ifdef __cplusplus
}
#endif
