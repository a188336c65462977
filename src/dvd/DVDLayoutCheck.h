#pragma once

#include <QString>

// What a DVD source holds now against what its IFO files say, read by the structure-reader
// companion in a process of its own (a damaged disc may crash the reader).
struct DVDSourceLayout
{
    // Empty when everything the check looked at is there; otherwise what is missing or damaged.
    QString problem;
    // When the problem is the IFO's own records (they place data past what any DVD holds): the
    // IFO's name, "VTS_01_0.IFO"; otherwise empty. Their figures are then nothing to report.
    QString damagedRecords;
    // Records damaged in a way a reader may get past (the disc still counts as whole): an IFO
    // whose backup holds other records, or a figure players skip placed past any DVD. The IFO's
    // name; otherwise empty. An engine that fails on the disc may have followed them.
    QString suspectRecords;
    // One title: its playing time as its program chain states it, and as its cells' own data
    // span it; -1 when unknown.
    double ifoSeconds = -1;
    double dataSeconds = -1;
};

// titleNumber 0 checks the whole disc (every IFO and backup file, every title set's VOB files),
// n > 0 what title n plays. source is what the engines are given: a folder, an image or a device.
// libraryPath replaces the companion's bundle path (tests).
DVDSourceLayout checkDVDSourceLayout(const QString &source, int titleNumber, const QString &libraryPath = QString());
