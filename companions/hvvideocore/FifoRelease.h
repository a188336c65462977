#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

// The FIFO that joins mencoder and ffmpeg when they run side by side, as the pass sees it: when
// one engine ends before the other has opened its side, the other would wait in its open()
// forever, so the pass opens that side itself for a moment to let it go.

// That one engine of the two has ended, told to the thread that waits for it at once.
class EngineEnd
{
public:
    void set();
    // True once ended; otherwise waits for it at most for the given time.
    bool waitFor(std::chrono::milliseconds most);

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_ended = false;
};

// The FIFO at path opened on side (O_RDONLY or O_WRONLY) without waiting for the other side, and
// close-on-exec: an engine another thread starts meanwhile must not keep a side open, or ffmpeg
// would never read the end of mencoder's stream. -1 when it cannot be opened (a writing side while
// no reader is there).
int openFifoSide(const std::string &path, int side);

// Opens the FIFO from otherSide for a moment, again and again until otherEnd is set: an engine
// still waiting in its open() for the one that has ended is let go (a writer then fails writing,
// a reader reads the end), and one that has it open already is not disturbed.
void releaseUntil(const std::string &path, int otherSide, EngineEnd &otherEnd);
