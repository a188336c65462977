#include "libdvd2mkv/HandBrakeJsonStream.h"

#include "enginekit/EngineFigures.h"

#include <QJsonArray>
#include <QJsonDocument>

HandBrakeJsonStream::HandBrakeJsonStream(BlockHandler onBlock, LineHandler onLine)
    : m_onBlock(std::move(onBlock)), m_onLine(std::move(onLine))
{
}

void HandBrakeJsonStream::scanDepth(std::string_view text)
{
    for (char c : text) {
        if (m_inString) {
            if (m_escape)
                m_escape = false;
            else if (c == '\\')
                m_escape = true;
            else if (c == '"')
                m_inString = false;
        } else if (c == '"') {
            m_inString = true;
        } else if (c == '{' || c == '[') {
            ++m_depth;
        } else if (c == '}' || c == ']') {
            --m_depth;
        }
    }
}

void HandBrakeJsonStream::feedLine(std::string_view line)
{
    if (m_depth == 0) {
        const size_t colon = line.find(": {");
        const std::string_view name = colon == std::string_view::npos ? std::string_view() : line.substr(0, colon);
        const bool isBlock = !name.empty() && name.find_first_not_of(
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ") == std::string_view::npos;
        if (!isBlock) {
            if (m_onLine)
                m_onLine(line);
            return;
        }
        m_name.assign(name);
        m_body.clear();
        m_inString = m_escape = false;
        line.remove_prefix(colon + 2);
    }
    if (m_body.size() + line.size() >= kMostBlockBytes) {
        m_body = std::string();
        m_depth = 0;
        return;
    }
    m_body.append(line);
    m_body.push_back('\n');
    scanDepth(line);
    if (m_depth <= 0) {
        m_depth = 0;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(m_body.data(), qsizetype(m_body.size())));
        if (doc.isObject() && m_onBlock)
            m_onBlock(QString::fromStdString(m_name), doc.object());
        m_body.clear();
    }
}

HandBrakeWorkState readHandBrakeProgress(const QJsonObject &block)
{
    HandBrakeWorkState s;
    s.state = block.value(QStringLiteral("State")).toString();
    const QJsonObject working = block.value(QStringLiteral("Working")).toObject();
    const QJsonObject muxing = block.value(QStringLiteral("Muxing")).toObject();
    const QJsonObject scanning = block.value(QStringLiteral("Scanning")).toObject();
    const QJsonObject &figures = !working.isEmpty() ? working : !muxing.isEmpty() ? muxing : scanning;
    // Figures within what they can mean: they are turned into floats and ints further on.
    s.progress = engineFigure(figures.value(QStringLiteral("Progress")).toDouble(), 1);
    s.rate = engineFigure(figures.value(QStringLiteral("Rate")).toDouble(), kMostEngineSpeed);
    s.rateAvg = engineFigure(figures.value(QStringLiteral("RateAvg")).toDouble(), kMostEngineSpeed);
    s.etaHours = figures.value(QStringLiteral("Hours")).toInt(-1);
    s.etaMinutes = figures.value(QStringLiteral("Minutes")).toInt(-1);
    s.etaSeconds = figures.value(QStringLiteral("Seconds")).toInt(-1);
    s.pass = figures.value(QStringLiteral("Pass")).toInt();
    s.passCount = figures.value(QStringLiteral("PassCount")).toInt();
    s.scanTitle = scanning.value(QStringLiteral("Title")).toInt();
    s.scanPreview = scanning.value(QStringLiteral("Preview")).toInt();
    const QJsonObject done = block.value(QStringLiteral("WorkDone")).toObject();
    if (!done.isEmpty())
        s.error = done.value(QStringLiteral("Error")).toInt(-1);
    return s;
}

bool HandBrakeScanSteps::isNewStep(const HandBrakeWorkState &scanning)
{
    if (m_encoding || (scanning.scanTitle == m_title && scanning.scanPreview == m_preview
                       && scanning.progress == m_progress))
        return false;
    m_title = scanning.scanTitle;
    m_preview = scanning.scanPreview;
    m_progress = scanning.progress;
    return true;
}

bool HandBrakeScanSteps::isNewLine(std::string_view line)
{
    if (m_encoding || line == m_lastLine)
        return false;
    m_lastLine.assign(line);
    return true;
}

int handBrakeTitleSeconds(const QJsonObject &titleSet, int titleIndex)
{
    const QJsonArray titles = titleSet.value(QStringLiteral("TitleList")).toArray();
    for (const QJsonValue &v : titles) {
        const QJsonObject title = v.toObject();
        if (title.value(QStringLiteral("Index")).toInt() != titleIndex)
            continue;
        const QJsonObject d = title.value(QStringLiteral("Duration")).toObject();
        const double seconds = d.value(QStringLiteral("Hours")).toDouble() * 3600
            + d.value(QStringLiteral("Minutes")).toDouble() * 60 + d.value(QStringLiteral("Seconds")).toDouble();
        return int(engineFigure(seconds, kMostEngineSeconds));
    }
    return -1;
}
