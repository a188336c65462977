#pragma once

#include "core/model/file/DNTAudio.h"
#include "core/model/file/DNTSubtitle.h"
#include "core/model/file/DNTVideo.h"
#include "dvd/file/DNFileNode.h"

#include <QList>
#include <QString>

class DNMediaInfo;

// Turning a media file into a file item: MediaInfo reads the container, tags and streams, the AV
// encoder library's media information is compared with it, and subtitle files beside the movie
// become external subtitle tracks.
//
// A malformed number in MediaInfo's answer throws DNMediaValueError out of these functions; the
// caller treats that file as failed.

// A probed item for path, or null when the file cannot be read, is no media or has no video
// (error, when given, says why). With snapshot its thumbnail is queued on the thumbnail queue.
DNFileNodePtr fileNodeWithFile(const QString &path, bool snapshot = true, QString *error = nullptr);

// The line that tells the user why path was not added: why (as the probe gave it) in the file's
// name rather than its whole path.
QString DNFileRefusalLine(const QString &path, const QString &why);

// Fills node from path; false when the file cannot be opened or has no video stream (a file cut
// short before the index that names its streams is called damaged).
bool loadMediaFile(DNFileNode &node, const QString &path, QString *error = nullptr);
// Appends an external subtitle track for every "*.srt" under folder (sub-folders included) whose
// path below folder, without the extension, starts with the movie's base name (letter case
// ignored), in name order.
void loadExtraSubtitleAtPath(DNFileNode &node, const QString &folder);

QList<DNTVideoPtr> loadVideoInfo(const DNMediaInfo &info, int count);
QList<DNTAudioPtr> loadAudioInfo(const DNMediaInfo &info, int count);
QList<DNTSubtitlePtr> loadSubtitleInfo(const DNMediaInfo &info, int count);

// The warning logged when the two probes disagree on the stream counts.
inline QString streamCountWarning()
{
    return QStringLiteral("Warning: The streams number read by avencoder is not equal the number parsed by medianinfo.");
}
// Both probes' video and audio counts are equal (text streams are not compared); logs the
// warning when they differ.
bool compareStreamCounts(int mediaInfoVideo, int mediaInfoAudio, int avVideo, int avAudio);
