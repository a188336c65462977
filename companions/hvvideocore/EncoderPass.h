#pragma once

#include "enginekit/EngineProcess.h"
#include "hvvideocore/MEncoderTranslation.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

// One conversion pass of the MEncoder library: the builder's vector translated for the engines
// installed here, mencoder run as a child process (then ffmpeg, or ffmpeg beside it, where the
// translation needs it), progress read from their output, and the output checked before the pass
// counts as done.
class EncoderPass
{
public:
    struct Hooks
    {
        std::function<void(const std::string &)> log;   // one line, no line break
        std::function<void()> started;                   // output has started (once)
    };
    struct Progress
    {
        int seconds = 0;   // media seconds written in this part
        int speed = 0;     // frames per second of the engine
        int frame = 0;     // frames written
        int percent = 0;   // of the part being converted
    };

    static constexpr const char *kMEncoderPath = "/usr/bin/mencoder";
    static constexpr const char *kFFmpegPath = "/usr/bin/ffmpeg";

    explicit EncoderPass(Hooks hooks);
    ~EncoderPass();

    // Runs the pass to its end: 0 when the output is there and sound, -1 otherwise (every failure
    // has its log line). endpos: seconds of output wanted, 0 for the whole input.
    int run(const std::vector<std::string> &argv, int endpos);

    // Thread-safe: ends the running engine (SIGTERM, then harder after a grace period) and keeps
    // any later step from starting. run() then returns -1.
    void stop();

    Progress progress() const;
    // Seconds of the part this pass converts, 0 while unknown.
    int partSeconds() const;

private:
    int runStep(const std::string &program, const std::vector<std::string> &args, bool mencoderOutput);
    // mencoder and ffmpeg at once, joined by the plan's FIFO: the first failure of the two.
    int runSideBySide(const MEncoderPlan &plan, const std::vector<std::string> &mencoderArgs,
                      const std::vector<std::string> &ffmpegArgs);
    void onStatus(double seconds, long frames, int percent, double fps, bool mencoderOutput);
    bool makeTemporaryFolder();
    void removeTemporaryFolder();
    void removeTemporaries(const MEncoderPlan &plan);

    Hooks m_hooks;
    mutable std::mutex m_lock;
    std::vector<EngineProcess *> m_processes;   // the running steps, under m_lock
    bool m_stopped = false;
    bool m_startedSent = false;
    Progress m_progress;
    double m_partSeconds = 0;
    bool m_hasFinishStep = false;
    bool m_sideBySide = false;   // ffmpeg runs beside mencoder: mencoder's progress is the pass's
    std::string m_temporaryFolder;
    int m_temporaryCount = 0;
};
