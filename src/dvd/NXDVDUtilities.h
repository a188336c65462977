#pragma once

#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/NXDVDSourceInfo.h"

#include <QList>
#include <QString>

#include <optional>

struct DVDInfoRecord;

// What a DVD read yields: the disc's title count and its titles in disc order.
struct NXDVDStructure
{
    quint32 numberOfTitles = 0;
    QList<DNDVDTitlePtr> listOfTitles;
};

// Turns DVD sources into titles and tracks (through the structure-reader companion), finds the
// mounted optical discs and looks a disc's main title up in the shipped list.
class NXDVDUtilities
{
public:
    // Reads the structure of a disc's mount point, a DVD folder, a VIDEO_TS folder or an ISO
    // image. Fails (nullopt, error set, a log line written) when the companion cannot be loaded,
    // the source is no readable DVD, or it yields no title. The device is not used.
    // libraryPath replaces the companion's bundle path (tests).
    static std::optional<NXDVDStructure> readDVDIFO(const QString &path, const QString &device,
                                                    QString *error = nullptr,
                                                    const QString &libraryPath = QString());

    // The path the companion is given for a source: an image as is; a folder whose VIDEO_TS
    // holds IFO files as given; otherwise the optical device the path is mounted from, if any,
    // else the path itself.
    static QString pathForStructureReader(const QString &path, const QString &sysBlockRoot = QString(),
                                          const QString &mountInfoPath = QString());

    // The titles of a companion record (audio tracks beyond 8 and subtitle tracks beyond 32
    // are dropped), each with its default audio track chosen.
    static QList<DNDVDTitlePtr> titlesFromRecord(const DVDInfoRecord &record);

    // The mounted optical discs (drives whose SCSI type is 5) in mount order. The roots are
    // /sys/class/block and /proc/self/mountinfo unless given (tests give fake ones).
    static QList<NXDVDSourceInfoPtr> getMountedDiscs(const QString &sysBlockRoot = QString(),
                                                     const QString &mountInfoPath = QString());

    // The 1-based main-title number the shipped list gives for a disc name (compared without
    // regard to case), or -1 when the disc is not listed or the list cannot be read. listPath
    // replaces the bundle's DVDMajorTitleHelper.plist (tests).
    static int findMainTitleFromConfig(const QString &name, const QString &listPath = QString());

    // Chooses the title to preselect (0-based): the last title the disc marks as main (other
    // marks are cleared); else the list's entry for sourceName when it names an existing
    // title; else the longest title (the first of equals). Marks the choice main and selected.
    static int checkMainTitle(const QList<DNDVDTitlePtr> &titles, const QString &sourceName,
                              const QString &listPath = QString());

    // A folder or image source for a path; a VIDEO_TS folder stands for the folder above it,
    // so all three forms of one DVD get the same source name. A mounted disc's mount point or its
    // drive, and an optical drive with no mount, give a disc source, as the disc chooser would.
    static NXDVDSourceInfoPtr sourceInfoForDVDPath(const QString &path, const QString &sysBlockRoot = QString(),
                                                   const QString &mountInfoPath = QString());
    // Whether a path handed to the program is a DVD rather than a media file: a folder holding
    // VIDEO_TS, a VIDEO_TS folder, an ISO image or a block device (an optical drive).
    static bool isDVDSourcePath(const QString &path);
    // Reads a source and makes its node with the main title chosen and selected (what the
    // loading assistant does on its thread, without the subtitle-file search). Null, with
    // error set, when the read fails.
    static DNDVDNodePtr loadDVDNode(const NXDVDSourceInfoPtr &source, QString *error = nullptr,
                                    const QString &listPath = QString());
};
