#include "convert/engine/DNMPlayer.h"

#include "enginekit/EngineFigures.h"
#include "core/platform/PlayerProcessRegistry.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"

#include <QFile>

#include <cctype>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <string>

DNMPlayer &DNMPlayer::shareMPlayer()
{
    static DNMPlayer player;
    return player;
}

void DNMPlayer::setCallback(EngineStateCallback callback, void *context)
{
    m_run.setCallback(callback, context);
}

void DNMPlayer::setLogCallback(EngineLogCallback log)
{
    m_log = log;
}

void DNMPlayer::clearCallback()
{
    setCallback(nullptr, nullptr);
    setLogCallback(nullptr);
}

int DNMPlayer::dumpTime() const
{
    return int(float(m_dumpEndPos.load()) * m_progress.load() / 100.0f);
}

void DNMPlayer::resetForPass(int endPos)
{
    m_progress = 0;
    m_dumpbytes = 0;
    m_dumpEndPos = endPos;
    m_run.resetForPass();
}

namespace {
void skipSpace(std::string_view &text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
}

// The words of the line, blanks between them as the player puts them, or fewer.
bool takeWords(std::string_view &text, std::initializer_list<std::string_view> words)
{
    for (const std::string_view word : words) {
        skipSpace(text);
        if (text.substr(0, word.size()) != word)
            return false;
        text.remove_prefix(word.size());
    }
    return true;
}
} // namespace

int parseMPlayerDumpLine(std::string_view line, int64_t &bytes, float &percent)
{
    // "dump: %lld bytes written (~%f%%)", the numbers read within what they can mean.
    std::string_view text = line;
    long long written = 0;
    if (text.substr(0, 5) != "dump:")
        return 0;
    text.remove_prefix(5);
    skipSpace(text);
    if (!engineWholeNumber(text, std::numeric_limits<int64_t>::max(), written))
        return 0;
    bytes = written;
    if (!takeWords(text, {"bytes", "written", "(~"}))
        return 1;
    skipSpace(text);
    const std::string rest(text.substr(0, 32));
    char *end = nullptr;
    const double read = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str() || !std::isfinite(read) || std::fabs(read) > 1e6)
        return 1;
    percent = float(read);
    return 2;
}

void DNMPlayer::onMPlayerOutputChanged(std::string_view chunk)
{
    m_run.feed(chunk, [this](std::string_view line) { onLine(line); });
}

void DNMPlayer::onLine(std::string_view line)
{
    int64_t bytes = m_dumpbytes.load();
    float percent = m_progress.load();
    if (parseMPlayerDumpLine(line, bytes, percent) == 0)
        return;
    m_dumpbytes = bytes;
    if (percent >= 0 && percent <= 100)
        m_progress = percent;
    if (bytes >= 1)
        m_run.sendStartedOnce();
}

int DNMPlayer::startMplayer(const QStringList &arguments, int endPos)
{
    resetForPass(endPos);
    const QString player = DNBundle::pathForCompanion(QStringLiteral("HVPlayer"));
    DNRoughLog(QStringLiteral("player dump: %@ %@"), player, arguments.join(QLatin1Char(' ')));

    if (!m_run.start(player, "HVPlayer", arguments)) {
        DNRoughLog(QStringLiteral("player dump cannot start: %s"), m_run.errorText().c_str());
        ChildToolRun::tell(m_log.load(), QByteArray::fromStdString(m_run.errorText()));
        return -1;
    }
    // The player is ended at the program's termination like any player it started.
    const PlayerProcessRegistration playerRegistration(m_run.pid());
    const ChildToolRun::Ending ending = m_run.wait([this](std::string_view line) { onLine(line); });
    if (ending.stopped) {
        DNRoughLog(QStringLiteral("player dump stopped"));
        return ending.status != 0 ? ending.status : 1;
    }
    if (ending.status != 0) {
        for (const QByteArray &line : ending.errors.split('\n'))
            if (!line.trimmed().isEmpty())
                ChildToolRun::tell(m_log.load(), line);
        if (!m_run.errorText().empty())
            ChildToolRun::tell(m_log.load(), QByteArray::fromStdString(m_run.errorText()));
        // The player runs as mplayer in its own process (HVPlayer becomes it).
        ChildToolRun::tellSignalEnd(m_log.load(), "mplayer", ending);
        DNRoughLog(QStringLiteral("player dump failed with status %d"), ending.status);
        return ending.status;
    }
    const int at = arguments.indexOf(QStringLiteral("-dumpfile"));
    const QString dump = at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
    if (!isMPEGProgramStreamFile(dump)) {
        DNRoughLog(QStringLiteral("player dump reported success but %@ is no title stream"), dump);
        return 1;
    }
    m_progress = 100;
    return 0;
}

void DNMPlayer::stopMPlayerDump()
{
    // mplayer closes its dump file on SIGTERM; SIGINT and SIGKILL follow if it lingers.
    m_run.requestStop({"", SIGTERM, 800});
}

bool isMPEGProgramStreamFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() < 2048)
        return false;
    const QByteArray head = file.read(4);
    return head == QByteArray("\x00\x00\x01\xba", 4);
}

void MPlayerDump_SetCallback(EngineStateCallback callback, void *context)
{
    DNMPlayer::shareMPlayer().setCallback(callback, context);
}

void MPlayerDump_SetLogCallback(EngineLogCallback log)
{
    DNMPlayer::shareMPlayer().setLogCallback(log);
}

void MPlayerDump_ClearCallback()
{
    DNMPlayer::shareMPlayer().clearCallback();
}

int MPlayerDump_Start(int argc, char *argv[], int endPos)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromUtf8(argv[i] ? argv[i] : "");
    return DNMPlayer::shareMPlayer().startMplayer(arguments, endPos);
}

int MPlayerDump_Progress()
{
    return int(DNMPlayer::shareMPlayer().progress());
}

int MPlayerDump_Time()
{
    return DNMPlayer::shareMPlayer().dumpTime();
}

void MPlayerDump_Stop()
{
    DNMPlayer::shareMPlayer().stopMPlayerDump();
}
