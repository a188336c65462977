#pragma once

#include "convert/engine/ChildToolRun.h"
#include "convert/engine/EngineCallbacks.h"

#include <QStringList>

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

// The player dump engine: runs the player (fws/HVPlayer, over mplayer) with a "-dumpstream"
// vector that copies a DVD title's stream unchanged into a file, and reads its
// "dump: N bytes written (~P%)" lines. One shared instance; a start blocks the calling (worker)
// thread until the player ends, while progress, time and stop come from other threads.
class DNMPlayer
{
public:
    static DNMPlayer &shareMPlayer();

    void setCallback(EngineStateCallback callback, void *context);
    // Where the player's own lines go when it fails or cannot start (its reason among them); the
    // log when none.
    void setLogCallback(EngineLogCallback log);
    // Clears both callbacks.
    void clearCallback();

    // Runs the player with arguments (no program word) and returns its status: 0 only when the
    // player said so AND the dump file exists and holds an MPEG program stream; -1 when the
    // player cannot be started; non-zero when stopped or failed (each with a log line).
    int startMplayer(const QStringList &arguments, int endPos);
    void stopMPlayerDump();

    float progress() const { return m_progress.load(); }
    void setProgress(float progress) { m_progress = progress; }
    int64_t dumpbytes() const { return m_dumpbytes.load(); }
    void setDumpbytes(int64_t bytes) { m_dumpbytes = bytes; }
    // Seconds of the title dumped so far: the title length times the percent.
    int dumpTime() const;

    // One chunk of the player's output (public for tests: lines may arrive split or joined).
    void onMPlayerOutputChanged(std::string_view chunk);
    void resetForPass(int endPos);

private:
    DNMPlayer() = default;
    void onLine(std::string_view line);

    std::atomic<float> m_progress{0};
    std::atomic<int64_t> m_dumpbytes{0};
    std::atomic<int> m_dumpEndPos{0};
    std::atomic<EngineLogCallback> m_log{nullptr};
    ChildToolRun m_run;
};

// Reads a player dump line ("dump: 1892352 bytes written (~43.2%)"): returns how many of the two
// figures it read (0, 1 for the byte count alone, 2), in the order bytes, percent.
int parseMPlayerDumpLine(std::string_view line, int64_t &bytes, float &percent);

// True when path holds an MPEG program stream (a pack header at its start), as a title dump is.
bool isMPEGProgramStreamFile(const QString &path);

void MPlayerDump_SetCallback(EngineStateCallback callback, void *context);
void MPlayerDump_SetLogCallback(EngineLogCallback log);
void MPlayerDump_ClearCallback();
int MPlayerDump_Start(int argc, char *argv[], int endPos);
int MPlayerDump_Progress();
int MPlayerDump_Time();
void MPlayerDump_Stop();
