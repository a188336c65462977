#pragma once

#include "convert/driver/ConvertFailureReason.h"
#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileNode.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class StopOnSignal;

// What the argv, convert and join commands share: finding a profile, loading the item a source
// names, the edit flags, and running the driver with progress on standard error.

// A profile file: the path itself, or a file name from the shipped DVD or Video profiles.
// Empty when there is none.
QString devtoolProfilePath(const QString &argument);
// The profile a command's PROFILE argument names and its OUTDIR, made when missing; false with
// *error set when there is no such profile, a name along OUTDIR is not text or the folder cannot
// be made.
bool devtoolProfileAndOutDir(const QString &profileArgument, const QString &outDirArgument, QString *profilePath,
                             QString *outDir, QString *error);

// Why a path argument cannot be used because a name along it is not UTF-8 text (kind's English
// reason, naming it); empty when every name is text. The command line's own bytes are read, so
// that a folder still to be made is found too: made by the name's text, it would be a twin
// beside the one asked for.
QString devtoolNameNotText(const QString &argument, ConvertFailureKind kind);
// Why a SOURCE argument cannot be loaded before it is read: a name that is not text, or nothing
// there; empty when it may be loaded.
QString devtoolSourceProblem(const QString &argument);

// A media file (any file that is not an ISO image) rather than a DVD source.
bool devtoolIsMediaFile(const QString &source);

// The edit flags after the positional arguments.
struct DevtoolEditFlags
{
    QString outDir;          // --out DIR (argv only)
    bool nav = true;         // --nav 0|1 (DVD only)
    bool trim = false;       // --trim S E
    int trimStart = 0;
    int trimEnd = 0;
    int volume = -1;         // --volume V
    int rotate = -1;         // --rotate DEG (files only)
    bool crop = false;       // --crop W:H:X:Y, pixels from the top-left corner (files only)
    QRect cropRect;
    QString subtitle;        // --subtitle FILE (files only)

    // Which of the flags a command takes.
    enum Accept { Out = 1, Nav = 2, FileEdits = 4 };
    // Reads arguments from index first on; false with *error set for an unknown or bad flag.
    bool parse(const QStringList &arguments, int first, int accept, QString *error);
    bool hasFileEdits() const { return rotate >= 0 || crop || !subtitle.isEmpty(); }
};

// A probed file item with the profile at profilePath; null with *error set when the file
// cannot be read.
DNFileNodePtr devtoolLoadFileItem(const QString &path, const QString &profilePath, QString *error);

// The item a source names (a media file, or title titleIndex of a DVD) with the profile and the
// flags' edits, and where its conversion writes; node is null with *error set when it cannot be
// loaded or edited.
struct DevtoolItem
{
    NXMediaNodePtr node;
    std::function<QString()> outputName;
};
DevtoolItem devtoolLoadItem(const QString &source, int titleIndex, const QString &profilePath,
                            const DevtoolEditFlags &flags, QString *error);

// Converts node through the driver into outDir with the real engines, progress on standard
// error; the driver's result. What killed runs left goes first, as at the program's start; a
// signal stop caught (before or during the run) stops the conversion.
int devtoolRunConversion(NXBasicMediaNode *node, int titleIndex, const QString &outDir, const StopOnSignal &stop);

// The exit status of a command whose conversion ended with the non-zero result: 128 + the
// signal's number when a signal stopped it, otherwise 1 with the driver's reason.
int devtoolConversionFailed(const char *command, int result, const StopOnSignal &stop);
// Exit status 1, with reason's English text (the result where there is none) and the log's path
// on standard error.
int devtoolFailWithReason(const char *command, const ConvertFailureReason &reason, int result);

// What a conversion of the developer aid needs set: what killed runs left removed, as at the
// program's start, the output folder and every core.
void devtoolUseOutputFolder(const QString &outDir);
// Runs work, writing progressLine() to standard error every second meanwhile; work's result.
int devtoolRunWithProgress(const std::function<int()> &work, const std::function<QString()> &progressLine);
// The driver's progress as one line.
QString devtoolConversionProgressLine();
// The state callback that says on standard error when a pass starts.
int devtoolPrintState(void *context, int code);
