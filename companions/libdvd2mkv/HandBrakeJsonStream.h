#pragma once

#include <QJsonObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Reads HandBrakeCLI's "--json" output line by line: named blocks such as "Progress: {...}" and
// "JSON Title Set: {...}" span many lines; every other line is plain log text. A block is held to
// kMostBlockBytes: one that never closes (garbled output) is dropped there rather than kept
// growing, and the lines after it are read afresh.
class HandBrakeJsonStream
{
public:
    // Far more than the title set of a disc with 99 titles.
    static constexpr std::size_t kMostBlockBytes = 16 * 1024 * 1024;

    using BlockHandler = std::function<void(const QString &name, const QJsonObject &block)>;
    using LineHandler = std::function<void(std::string_view line)>;

    HandBrakeJsonStream(BlockHandler onBlock, LineHandler onLine);
    void feedLine(std::string_view line);
    // The memory held for the block being read.
    std::size_t bufferedBytes() const { return m_body.capacity(); }

private:
    void scanDepth(std::string_view text);

    BlockHandler m_onBlock;
    LineHandler m_onLine;
    std::string m_name;
    std::string m_body;
    int m_depth = 0;
    bool m_inString = false;
    bool m_escape = false;
};

// The figures a "Progress" block carries while the job scans the source or works.
struct HandBrakeWorkState
{
    QString state;          // "SCANNING", "WORKING", "MUXING", "WORKDONE", ...
    double progress = 0;    // 0..1 of the current pass, or of the scan
    int scanTitle = 0, scanPreview = 0;   // while scanning: the title and the preview being read
    double rate = 0;        // frames per second now
    double rateAvg = 0;
    int etaHours = -1, etaMinutes = -1, etaSeconds = -1;
    int pass = 0, passCount = 0;
    int error = -1;         // WORKDONE's "Error"; 0 is success
};

HandBrakeWorkState readHandBrakeProgress(const QJsonObject &block);

// Tells the steps of HandBrakeCLI's work before it encodes (opening and scanning the source,
// which on a disc of many titles outlasts the program's patience) from output that only repeats:
// HandBrakeCLI prints the same "Progress" block again while nothing moves.
class HandBrakeScanSteps
{
public:
    // True when a "SCANNING" block shows another title, preview or share than the last one did.
    bool isNewStep(const HandBrakeWorkState &scanning);
    // True for a log line, until the encoding begins, that is not the line before again.
    bool isNewLine(std::string_view line);
    // The encoding has begun: its own figures tell its progress from now on.
    void encodingBegan() { m_encoding = true; }

private:
    bool m_encoding = false;
    int m_title = -1, m_preview = -1;
    double m_progress = -1;
    std::string m_lastLine;
};

// Length in whole seconds of the title with this index (1-based) in a "JSON Title Set" block;
// -1 when the title is not listed.
int handBrakeTitleSeconds(const QJsonObject &titleSet, int titleIndex);
