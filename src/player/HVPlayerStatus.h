#pragma once

#include "enginekit/LineSplitter.h"

#include <QString>
#include <QStringList>

// Reading the player's standard output. Pure functions over text, shared by the three players
// (preview, editor, online video).
//
// The preview and the editor read their output line by line: the text is cut into lines at LF,
// VT, FF, CR, NEL and the Unicode line and paragraph separators (CR LF thus ending one line; empty
// lines are left out), a line beginning with "[HVPlayer]:" loses that tag, a line that is blank
// after trimming is skipped, and the rest is classified by how it begins. The online player reads
// each chunk whole.
namespace HVPlayerStatus {

// The status expression: eight optional captures (1 audio time, 2 video time, 3 audio-video
// difference, 4-6 three percentages, 7 the first of two counters, 8 the cache fill percentage).
extern const QString kStatusExpression;

// The lines of the output as it comes, chunk by chunk, cut as the engines' output is
// (LineSplitter): a line cut by the end of a read waits for the next chunk, so no status line is
// read in two halves, and a line is held to the engines' line bound, however it arrives: the
// first kMostLineCharacters of a longer line are handed on as one line, the rest of it dropped.
class OutputLines
{
public:
    static const qsizetype kMostLineCharacters;

    OutputLines();

    // The complete lines this chunk ends (and the start of an overlong one).
    QStringList take(const QString &chunk);
    // The unfinished last line, when the output ended without a line break; starts afresh.
    QStringList finish();

    // The memory held for the unfinished line, in characters.
    qsizetype bufferedCharacters() const { return qsizetype(lines_.bufferedCharacters()); }

private:
    LineSplitter<char16_t> lines_;
};

enum class LineKind {
    Ignored,
    Status,            // "A" or "V": value = capture 2, the video time
    Paused,            // "ID_PAUSED"
    Length,            // "ID_LENGTH": value = seconds
    VideoWidth,        // "ID_VIDEO_WIDTH" (editor only): value = pixels
    VideoHeight,       // "ID_VIDEO_HEIGHT" (editor only): value = pixels
    StartingPlayback,  // "Starting playback..."
};

struct Line
{
    LineKind kind = LineKind::Ignored;
    double value = 0;
    // Status lines: the whole match and the eight captures (a capture that took no part is
    // empty); empty for the other kinds.
    QStringList components;
};

// One line as the preview (editorKeys false) or the editor (true) reads it.
Line classifyLine(const QString &line, bool editorKeys = false);

// The nine components of the status expression on a line (whole match first).
QStringList statusComponents(const QString &line);

// What the online player reads of one chunk.
struct OnlineChunk
{
    bool isStatus = false;
    double currentTime = 0;   // status chunks: capture 2
    int cacheFill = 0;        // status chunks: capture 8, as an integer
    bool hasLength = false;
    double length = 0;        // "ID_LENGTH=" chunks
};
OnlineChunk readOnlineChunk(const QString &chunk);

} // namespace HVPlayerStatus
