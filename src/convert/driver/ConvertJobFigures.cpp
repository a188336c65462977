#include "convert/driver/ConvertJobFigures.h"

#include <algorithm>

namespace {

// The percent is left out: an engine may learn the new pass's length before it has figures of
// its own, and then shows the pass before's seconds as a share of the new length.
bool sameFigures(const ConvertJobFigures::Reading &a, const ConvertJobFigures::Reading &b)
{
    return a.info.time == b.info.time && a.info.frame == b.info.frame;
}

} // namespace

void ConvertJobFigures::beginPass(double work, bool counts, const Reading &before)
{
    m_inPass = true;
    m_counts = counts;
    m_live = false;
    m_passWork = std::max(0.0, work);
    m_stale = before;
    m_bestSeconds = 0;
    m_bestFrames = 0;
}

void ConvertJobFigures::note(const Reading &reading)
{
    if (!m_inPass)
        return;
    if (!m_live && !sameFigures(reading, m_stale))
        m_live = true;
    if (!m_live)
        return;
    m_bestSeconds = std::max(m_bestSeconds, reading.info.time);
    m_bestFrames = std::max(m_bestFrames, reading.info.frame);
    if (reading.info.speed > 0)
        m_lastSpeed = reading.info.speed;
}

void ConvertJobFigures::endPass(const Reading &last)
{
    if (!m_inPass)
        return;
    note(last);
    if (m_counts) {
        m_lastSeconds = counting() ? m_bestSeconds : 0;
        m_lastFrames = counting() ? m_bestFrames : 0;
        m_lastWork = m_passWork;
        m_doneSeconds += m_lastSeconds;
        m_doneFrames += m_lastFrames;
        m_doneWork += m_lastWork;
    }
    m_inPass = false;
    m_live = false;
    m_passWork = 0;
}

void ConvertJobFigures::repeatPass()
{
    m_doneSeconds += m_lastSeconds;
    m_doneFrames += m_lastFrames;
    m_doneWork += m_lastWork;
}

ConvertProgressInfo ConvertJobFigures::jobFigures(const Reading &reading, int passesPerItem,
                                                  bool engineMeasuresSpeed) const
{
    const double passes = std::max(1, passesPerItem);
    const bool running = counting();
    ConvertProgressInfo job;
    job.time = int((m_doneSeconds + (running ? reading.info.time : 0)) / passes);
    job.frame = int((m_doneFrames + (running ? reading.info.frame : 0)) / passes);
    // Before any pass has measured a speed, a standstill is shown only while nothing is done.
    if (!engineMeasuresSpeed || (m_lastSpeed == 0 && (job.time > 0 || job.frame > 0)))
        job.speed = -1;
    else
        job.speed = m_lastSpeed;
    return job;
}
