#include "convert/engine/DNISOBackUpCore.h"

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
    m_run.setCallback(callback, context);
}

void DNISOBackUpCore::setLogCallback(EngineLogCallback log)
{
    m_log = log;
}

void DNISOBackUpCore::clearCallback()
{
    setCallback(nullptr, nullptr);
    setLogCallback(nullptr);
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
    m_dvdDuration = dvdDuration;
    m_run.resetForPass();
}

void DNISOBackUpCore::onOutput(std::string_view chunk)
{
    m_run.feed(chunk, [this](std::string_view line) { onLine(line); });
}

void DNISOBackUpCore::onLine(std::string_view line)
{
    ISOBackupProgressLine figures;
    if (!parseISOBackupProgress(line, figures))
        return;
    m_progress = figures.percent;
    m_readSectors = figures.readSectors;
    m_totalSectors = figures.totalSectors;
    if (figures.readSectors >= 1)
        m_run.sendStartedOnce();
}

int DNISOBackUpCore::startBackup(const QStringList &arguments, int dvdDuration)
{
    resetForPass(dvdDuration);
    const QString tool = DNBundle::pathForCompanion(QStringLiteral("HVDVDISOBackup"));
    const EngineLogCallback log = m_log.load();
    if (!m_run.start(tool, "HVDVDISOBackup", arguments, DNBundle::frameworksPath())) {
        DNRoughLog("ISO backup cannot start: %s", m_run.errorText().c_str());
        ChildToolRun::tell(log, QByteArray::fromStdString(m_run.errorText()));
        return -1;
    }
    const ChildToolRun::Ending ending = m_run.wait([this](std::string_view line) { onLine(line); });
    // The tool's own lines say why it failed (the last one), for the log and the user.
    for (const QByteArray &line : ending.errors.split('\n'))
        if (line.startsWith("HVDVDISOBackup"))
            ChildToolRun::tell(log, line);
    if (!m_run.errorText().empty())
        ChildToolRun::tell(log, QByteArray::fromStdString(m_run.errorText()));
    ChildToolRun::tellSignalEnd(log, "HVDVDISOBackup", ending);
    if (ending.stopped)
        return ending.status != 0 ? ending.status : 1;
    if (ending.status != 0)
        return ending.status;
    const QString image = arguments.size() > 1 ? arguments.at(1) : QString();
    if (!isReadableISOImage(image)) {
        DNRoughLog("ISO backup reported success but %@ is no readable image", image);
        return 1;
    }
    return 0;
}

void DNISOBackUpCore::stopBackup()
{
    // The tool removes its partial files on SIGTERM; SIGINT and SIGKILL follow if it lingers.
    m_run.requestStop({"", SIGTERM, 3000});
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

void ISOBackup_SetLogCallback(EngineLogCallback log)
{
    DNISOBackUpCore::shareBackupCore().setLogCallback(log);
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
