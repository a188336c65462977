#include "convert/engine/DNMPlayer.h"

#include "convert/engine/EngineProcess.h"
#include "convert/engine/PlayerProcessRegistry.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"

#include <QFile>

#include <csignal>
#include <cstdio>

DNMPlayer &DNMPlayer::shareMPlayer()
{
    static DNMPlayer player;
    return player;
}

void DNMPlayer::setCallback(EngineStateCallback callback, void *context)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_callback = callback;
    m_context = context;
}

void DNMPlayer::clearCallback()
{
    setCallback(nullptr, nullptr);
}

int DNMPlayer::dumpTime() const
{
    return int(float(m_dumpEndPos.load()) * m_progress.load() / 100.0f);
}

void DNMPlayer::resetForPass(int endPos)
{
    m_progress = 0;
    m_dumpbytes = 0;
    m_hasSendMsg = false;
    m_dumpEndPos = endPos;
    m_pending.clear();
}

int parseMPlayerDumpLine(std::string_view line, int64_t &bytes, float &percent)
{
    if (line.substr(0, 4) != "dump")
        return 0;
    const std::string text(line);
    long long b = 0;
    float p = 0;
    const int read = std::sscanf(text.c_str(), "dump: %lld bytes written (~%f", &b, &p);
    if (read >= 1)
        bytes = b;
    if (read >= 2)
        percent = p;
    return read < 0 ? 0 : read;
}

void DNMPlayer::onMPlayerOutputChanged(std::string_view chunk)
{
    for (char c : chunk) {
        if (c == '\n' || c == '\r') {
            onLine(m_pending);
            m_pending.clear();
        } else {
            m_pending.push_back(c);
        }
    }
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
    if (!m_hasSendMsg && bytes >= 1) {
        m_hasSendMsg = true;
        EngineStateCallback callback;
        void *context;
        {
            std::lock_guard<std::mutex> lock(m_lock);
            callback = m_callback;
            context = m_context;
        }
        if (callback)
            callback(context, EncodeStateStarted);
    }
}

int DNMPlayer::startMplayer(const QStringList &arguments, int endPos)
{
    resetForPass(endPos);
    const QString player = DNBundle::pathForCompanion(QStringLiteral("HVPlayer"));
    std::vector<std::string> args{"HVPlayer"};
    for (const QString &a : arguments)
        args.push_back(a.toStdString());
    DNRoughLog(QStringLiteral("player dump: %@ %@"), player, arguments.join(QLatin1Char(' ')));

    EngineProcess process;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!process.start(QFile::encodeName(player).toStdString(), args)) {
            DNRoughLog(QStringLiteral("player dump cannot start: %s"), process.errorText().c_str());
            return -1;
        }
        m_mplayerTask = &process;
    }
    // The player is ended at the program's termination like any player it started.
    const PlayerProcessRegistration playerRegistration(process.pid());
    QByteArray errors;
    const int status = process.wait([this](std::string_view chunk) { onMPlayerOutputChanged(chunk); },
                                    [&](std::string_view chunk) {
                                        if (errors.size() < 64 * 1024)
                                            errors.append(chunk.data(), qsizetype(chunk.size()));
                                    });
    onMPlayerOutputChanged("\n");
    const bool stopped = process.stopRequested();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_mplayerTask = nullptr;
    }
    if (stopped) {
        DNRoughLog(QStringLiteral("player dump stopped"));
        return status != 0 ? status : 1;
    }
    if (status != 0) {
        for (const QByteArray &line : errors.split('\n'))
            if (!line.trimmed().isEmpty())
                DNRoughLogRaw(QStringLiteral("\t%s\n"), line.constData());
        DNRoughLog(QStringLiteral("player dump failed with status %d"), status);
        return status;
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
    std::lock_guard<std::mutex> lock(m_lock);
    // mplayer closes its dump file on SIGTERM; SIGINT and SIGKILL follow if it lingers.
    if (m_mplayerTask)
        m_mplayerTask->requestStop({"", SIGTERM, 800});
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
