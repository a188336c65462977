#pragma once

#include <QJsonObject>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

// Reads HandBrakeCLI's "--json" output line by line: named blocks such as "Progress: {...}" and
// "JSON Title Set: {...}" span many lines; every other line is plain log text.
class HandBrakeJsonStream
{
public:
    using BlockHandler = std::function<void(const QString &name, const QJsonObject &block)>;
    using LineHandler = std::function<void(std::string_view line)>;

    HandBrakeJsonStream(BlockHandler onBlock, LineHandler onLine);
    void feedLine(std::string_view line);

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

// The figures a "Progress" block carries while the job works.
struct HandBrakeWorkState
{
    QString state;          // "SCANNING", "WORKING", "MUXING", "WORKDONE", ...
    double progress = 0;    // 0..1 of the current pass
    double rate = 0;        // frames per second now
    double rateAvg = 0;
    int etaHours = -1, etaMinutes = -1, etaSeconds = -1;
    int pass = 0, passCount = 0;
    int error = -1;         // WORKDONE's "Error"; 0 is success
};

HandBrakeWorkState readHandBrakeProgress(const QJsonObject &block);

// Length in whole seconds of the title with this index (1-based) in a "JSON Title Set" block;
// -1 when the title is not listed.
int handBrakeTitleSeconds(const QJsonObject &titleSet, int titleIndex);
