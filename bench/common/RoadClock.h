#pragma once

#include "common/ProcessorTime.h"

#include <QElapsedTimer>

// Wall time and processor time of one road of a benchmark from the moment it is made. Processor
// time is this process's and that of every child it has waited for (the engines a road starts),
// so a road that keeps more cores busy shows it even where its wall time ties.
class RoadClock
{
public:
    RoadClock() : m_processorStart(processorNow()) { m_wall.start(); }

    double wallSeconds() const { return m_wall.nsecsElapsed() / 1e9; }
    double processorSeconds() const { return processorNow() - m_processorStart; }

private:
    static double processorNow() { return usageSeconds(RUSAGE_SELF) + usageSeconds(RUSAGE_CHILDREN); }

    QElapsedTimer m_wall;
    double m_processorStart;
};
