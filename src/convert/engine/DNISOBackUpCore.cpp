#include "convert/engine/DNISOBackUpCore.h"

#include "convert/engine/EngineProcess.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"

#include <QFile>
#include <QFileInfo>

#include <csignal>

DNISOBackUpCore &DNISOBackUpCore::shareBackupCore()
{
    static DNISOBackUpCore core;
    return core;
}

void DNISOBackUpCore::setCallback(EngineStateCallback callback, void *context)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_callback = callback;
    m_context = context;
}

void DNISOBackUpCore::clearCallback()
{
    setCallback(nullptr, nullptr);
}

int DNISOBackUpCore::backupTime() const
{
    const int product = m_progress.load() * m_dvdDuration.load();
    return int(float(product) / 100.0f);
}

void DNISOBackUpCore::resetForPass(int dvdDuration)
{
    m_progress = 0;
    m_readSectors = 0;
    m_hasSendMsg = false;
    m_dvdDuration = dvdDuration;
    m_pending.clear();
}

void DNISOBackUpCore::onOutput(std::string_view chunk)
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

void DNISOBackUpCore::onLine(std::string_view line)
{
    ISOBackupProgressLine figures;
    if (!parseISOBackupProgress(line, figures))
        return;
    m_progress = figures.percent;
    m_readSectors = figures.readSectors;
    m_totalSectors = figures.totalSectors;
    if (!m_hasSendMsg && figures.readSectors >= 1) {
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

int DNISOBackUpCore::startBackup(const QStringList &arguments, int dvdDuration)
{
    resetForPass(dvdDuration);
    const QString tool = DNBundle::pathForCompanion(QStringLiteral("HVDVDISOBackup"));
    std::vector<std::string> args{"HVDVDISOBackup"};
    for (const QString &a : arguments)
        args.push_back(a.toStdString());

    EngineProcess process;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!process.start(QFile::encodeName(tool).toStdString(), args,
                           QFile::encodeName(DNBundle::frameworksPath()).toStdString())) {
            DNRoughLog("ISO backup cannot start: %s", process.errorText().c_str());
            return -1;
        }
        m_backupTask = &process;
    }
    QByteArray errors;
    const int status = process.wait([this](std::string_view chunk) { onOutput(chunk); },
                                    [&](std::string_view chunk) {
                                        if (errors.size() < 64 * 1024)
                                            errors.append(chunk.data(), qsizetype(chunk.size()));
                                    });
    onOutput("\n");
    const bool stopped = process.stopRequested();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_backupTask = nullptr;
    }
    for (const QByteArray &line : errors.split('\n'))
        if (line.startsWith("HVDVDISOBackup"))
            DNRoughLogRaw("\t%s\n", line.constData());
    if (stopped)
        return status != 0 ? status : 1;
    if (status != 0)
        return status;
    const QString image = arguments.size() > 1 ? arguments.at(1) : QString();
    if (!isReadableISOImage(image)) {
        DNRoughLog("ISO backup reported success but %@ is no readable image", image);
        return 1;
    }
    return 0;
}

void DNISOBackUpCore::stopBackup()
{
    std::lock_guard<std::mutex> lock(m_lock);
    // The tool removes its partial files on SIGTERM; SIGINT and SIGKILL follow if it lingers.
    if (m_backupTask)
        m_backupTask->requestStop({"", SIGTERM, 3000});
}

bool isReadableISOImage(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() <= 17 * 2048)
        return false;
    if (!file.seek(16 * 2048))
        return false;
    const QByteArray descriptor = file.read(6);
    return descriptor.size() == 6 && descriptor.mid(1, 5) == "CD001";
}

void ISOBackup_SetCallback(EngineStateCallback callback, void *context)
{
    DNISOBackUpCore::shareBackupCore().setCallback(callback, context);
}

void ISOBackup_ClearCallback()
{
    DNISOBackUpCore::shareBackupCore().clearCallback();
}

int ISOBackup_Start(int argc, char *argv[], int endpos)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromUtf8(argv[i] ? argv[i] : "");
    return DNISOBackUpCore::shareBackupCore().startBackup(arguments, endpos);
}

int ISOBackup_Progress()
{
    return DNISOBackUpCore::shareBackupCore().progress();
}

int ISOBackup_Time()
{
    return DNISOBackUpCore::shareBackupCore().backupTime();
}

void ISOBackup_Stop()
{
    DNISOBackUpCore::shareBackupCore().stopBackup();
}
