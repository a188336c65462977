#pragma once

#include "convert/engine/ChildToolRun.h"
#include "convert/engine/EngineCallbacks.h"
#include "enginekit/ISOBackupProgress.h"

#include <QStringList>

#include <atomic>
#include <string_view>

// Runs the ISO backup tool (fws/HVDVDISOBackup SOURCE OUTPUT iso) as a child process and reads
// its "<percent% read total>" lines. One shared instance; a start blocks the calling (worker)
// thread until the tool ends, while progress, time and stop come from other threads.
class DNISOBackUpCore
{
public:
    static DNISOBackUpCore &shareBackupCore();

    void setCallback(EngineStateCallback callback, void *context);
    // Where the tool's own lines go (its reason for failing among them); the log when none.
    void setLogCallback(EngineLogCallback log);
    // Clears both callbacks.
    void clearCallback();

    // The tool's status: 0 only when it said so AND the image it was asked for exists and is an
    // ISO 9660 image; -1 when the tool cannot be started; non-zero when stopped.
    int startBackup(const QStringList &arguments, int dvdDuration);
    void stopBackup();

    int progress() const { return m_progress.load(); }
    int readSectors() const { return m_readSectors.load(); }
    int totalSectors() const { return m_totalSectors.load(); }
    // The tool's process id while it runs, -1 otherwise (any thread).
    pid_t processId() { return m_run.runningPid(); }
    // Seconds of the disc copied so far, from the percent and the disc's length.
    int backupTime() const;

    // One chunk of the tool's output (public for tests: lines may arrive split or joined).
    void onOutput(std::string_view chunk);
    void resetForPass(int dvdDuration);

private:
    DNISOBackUpCore() = default;
    void onLine(std::string_view line);

    std::atomic<int> m_progress{0};
    std::atomic<int> m_readSectors{0};
    std::atomic<int> m_totalSectors{0};
    std::atomic<int> m_dvdDuration{0};
    std::atomic<EngineLogCallback> m_log{nullptr};
    ChildToolRun m_run;
};

void ISOBackup_SetCallback(EngineStateCallback callback, void *context);
void ISOBackup_SetLogCallback(EngineLogCallback log);
void ISOBackup_ClearCallback();
int ISOBackup_Start(int argc, char *argv[], int endpos);
int ISOBackup_Progress();
int ISOBackup_Time();
void ISOBackup_Stop();

// True when path holds an ISO 9660 image (the "CD001" descriptor at sector 16) of at least one
// sector beyond its descriptors.
bool isReadableISOImage(const QString &path);
