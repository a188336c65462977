#pragma once

#include "builders/common/Argument.h"

#include <QSize>
#include <QString>

class DNFileNode;
class NXBasicMediaNode;

// The functions every AV-encoder builder for files shares: where the output goes, the subtitle
// copy the encoder reads, the stream marks, the volume and picture filters, and the join of a
// file group. None keeps state. Failures never end the program: a function that cannot give
// what it must returns a null text (or nullptr) after a log line, and the builder then makes no
// vector, so the pass fails.

// --- output path and subtitle copy

// The output file: folder/<name without extension>.<suffix>, or with " (n)" before the
// extension when that exists. A null name gives "Untitled", and so does a name of nothing but
// blanks and dots (the output's extension aside) unless sourcePath gives its name; a null or empty
// folder the home folder; a name whose extension is the suffix (letter case ignored), or the
// other one of mp4/m4v, keeps its own extension.
QString makeAVOutputPath(const QString &folder, const QString &outputName, const QString &suffix,
                         const QString &sourcePath = QString());
// The output file of item in folder as its builder names it: makeAVOutputPath of its tags' output
// name, its profile's suffix and its own path. The driver names a file group's output with it
// before the members are converted, so that the joined file is known all along.
QString avOutputPathOf(const DNFileNode &item, const QString &folder);

// A copy of a subtitle text file in the temporary folder (prefix "qvsub", the source's
// extension) for the encoder's subtitle filter. Text in UTF-16 (a byte-order mark honoured),
// Big5 or Shift_JIS (charset named in any letter case) is re-encoded to UTF-8 and charset
// becomes "UTF-8"; anything else is copied byte for byte and charset stays. Null on failure:
// "can not read srt subtitle file" or "convert srt file to utf-8 failed" goes to standard error
// for a re-encoding, a failed copy is silent.
QString ConvertSRTToUTF8(const QString &path, QString &charset);

// The same copy in UTF-8 whatever the charset (any ICU knows, GB18030 and windows-1252 among
// them), for a subtitle carried into the output as a text stream: its bytes reach the output as
// they are, and text streams are UTF-8. Null, with the same messages, on failure.
QString CopySubtitleAsUTF8(const QString &path, QString &charset);

// --- stream marks and volume

// The selected video, audio or subtitle stream of item as the encoder names it: by stream id
// ("0:#2") when the item's streams have ids of their own, all different, that the encoder reads
// (not in Matroska, WebM, MPEG program streams or Ogg), and the engine's safe mode is off; else
// by position among the streams of its kind ("0:v:0", "0:a:1", "0:s:0").
// bracketed gives the filter-graph form ("[0:#2]"). A null text, with a log line, when the item
// has no track of that kind at the selected index.
QString GenVideoStreamMark(const DNFileNode &item, const VideoConvertOptions &options, bool bracketed);
QString GenAudioStreamMark(const DNFileNode &item, const VideoConvertOptions &options, bool bracketed);
QString GenSubtitleStreamMark(const DNFileNode &item, const VideoConvertOptions &options, bool bracketed);

// The audio filter for the item's volume: null at 100, else "volume=<factor>[audio]" with the
// factor volume / 100 written with its fraction (50 gives 0.5, 200 gives 2).
QString GenVolumeFilter(const DNFileNode &item, const VideoConvertOptions &options);

// --- picture filters

// The whole "-filter_complex" graph of the item's picture edits, from the selected video
// stream's mark to the output label "[video]": deinterlace, crop, scale to the profile's frame,
// rotate and mirror, pad to the frame, the burnt-in subtitle (withSubtitle), the watermark and
// extraFilter last. Null when there is nothing to filter. When the item has no track the graph
// needs (the selected video or subtitle track), or the chosen subtitle cannot be burnt in (its
// text cannot be taken out of the movie, or its file read), the result is null and *failure,
// when given, says why; the builder must then fail.
QString GenVideoFilterChain(DNFileNode &item, const VideoConvertOptions &options, const QString &extraFilter,
                            bool withSubtitle, QString *failure = nullptr);

// The frame the picture filters fit the picture into, keeping its shape as shown.
struct AVPictureFrame
{
    QString resolution;          // "keep origin" or "<w>x<h>"
    bool expand = false;         // padded out to the frame
    double displayAspect = 0.0;  // the display aspect (width / height) the vector flags; 0: none
    bool squarePixels = false;   // the output cannot flag a pixel aspect: its pixels are shown square
};

// The display aspect an "-aspect" word flags, read as the encoder reads it ("16:9", "1.78"); 0
// for a word that gives none.
double AspectWordRatio(const QString &word);

// The frame GenVideoFilterChain takes: the profile's resolution, the profile's aspect unless it
// is "keep origin", and the item's own choice to pad.
AVPictureFrame ProfilePictureFrame(const DNFileNode &item);

// GenVideoFilterChain with the picture fitted into frame in place of the profile's: a builder
// whose frame is fixed (a DVD's, a DV stream's), whose vector flags another aspect, or whose
// output shows only square pixels.
QString GenVideoFilterChainForFrame(DNFileNode &item, const VideoConvertOptions &options, const QString &extraFilter,
                                    bool withSubtitle, const AVPictureFrame &frame, QString *failure = nullptr);

// The size of the picture the filters hand the encoder for frame (the source's own when nothing
// is filtered); an empty size when the item has no selected video track.
QSize GenPictureOutputSize(const DNFileNode &item, const AVPictureFrame &frame);

// The width over the height of the item's edited picture (cropped, turned) as it is shown; 0
// when the item has no selected video track.
double GenShownPictureRatio(const DNFileNode &item);

// The subtitle stage for a subtitle text file: "[VA]subtitles=filename=<copy>", with
// ":charenc=<charset>" for an SRT copy that is not UTF-8. Null when the copy cannot be made.
QString GenExtSubtitleFilter(const QString &path, const QString &charset);

// --- joining a file group

// The join of a file group (exactly a DNFileGroupNode) whose members were converted on their
// own: a concat list of the members' outputs in the temporary folder (prefix "qvfl"), copied
// into the group's output without encoding again. Members without video are left out. nullptr,
// with a log line, when the list cannot be written or the item is not a file group.
Argument *Video_Concat_With_AVEncoder(NXBasicMediaNode *group, int titleIndex, VideoConvertOptions options);

// One line of a concat list for path, quoted so that blanks, quotes and any letters survive.
QString concatListLine(const QString &path);
