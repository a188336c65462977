#pragma once

#include <QList>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// The job of the image-to-video engine: the property list the program writes and the engine
// (HarnvaleAVEngine) reads, so both sides share one reading of it. The keys are at the top
// level; "imageSquenes" is spelled as the engine has always read it.
namespace NXImageEngineKey {
inline const QString showDuration = QStringLiteral("showDuration");
inline const QString effectList = QStringLiteral("effectList");
inline const QString imageSquenes = QStringLiteral("imageSquenes");
inline const QString audioList = QStringLiteral("audioList");
inline const QString videoFPS = QStringLiteral("videoFPS");
inline const QString videoSize = QStringLiteral("videoSize");
inline const QString targetPath = QStringLiteral("targetPath");
inline const QString shadingImage = QStringLiteral("shadingImage");
inline const QString blankImage = QStringLiteral("blankImage");
} // namespace NXImageEngineKey

// The code of the engine's "result:" line. 0 is success; the others say why nothing was made.
enum NXImageEngineResult : int {
    NXImageEngineSucceeded = 0,
    NXImageEngineBadJob = 1,        // the job file is missing, unreadable or incomplete
    NXImageEngineNoPhoto = 2,       // no photo of the sequence could be read
    NXImageEngineEncoderFailed = 3, // ffmpeg could not start or failed
    NXImageEngineOutputFailed = 4,  // the movie could not be checked or put in place
    NXImageEngineStopped = 5,       // stopped by a signal before the end
};

// A size as the job writes it: "{width, height}".
QString NXStringFromSize(QSizeF size);
// The size of a "{width, height}" text; an invalid size for anything else.
QSizeF NXSizeFromString(const QString &text);

// Where the engine writes the movie while it is being made: a hidden name beside the target
// with the target's suffix (so ffmpeg knows the container), its name cut at a character boundary
// where it would pass the file system's NAME_MAX; empty when even a cut name cannot fit. Only a
// finished, checked movie carries the target's name.
QString NXHiddenRenderPath(const QString &targetPath);

// The job as the engine uses it. "effectList" holds the transition types the slideshow may use
// (the one into photo k is effects[k mod count]; none: a cut); "imageSquenes" the photo paths
// in showing order; "audioList" the music paths in playing order.
struct NXImageEngineJob
{
    double showDuration = 2.0;
    QList<int> effects;
    QStringList photos;
    QStringList music;
    double fps = 25.0;
    QSize frameSize;
    QString targetPath;
    QString shadingImage;
    QString blankImage;

    // The job of a property list; empty with *error set when a key the engine needs is missing
    // or holds a value it cannot use.
    static std::optional<NXImageEngineJob> fromPropertyList(const QVariant &list, QString *error = nullptr);
    static std::optional<NXImageEngineJob> read(const QString &path, QString *error = nullptr);
};
