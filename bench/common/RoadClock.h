#pragma once

#include <QElapsedTimer>

#include <cstdlib>

#include <sys/resource.h>

// Wall time and processor time of one road of a benchmark from the moment it is made. Processor
// time is this process's and that of every child it has waited for (the engines a road starts),
// so a road that keeps more cores busy shows it even where its wall time ties.
class RoadClock
{
public:
    RoadClock() : m_processorStart(processorNow()) { m_wall.start(); }

    double wallSeconds() const { return m_wall.nsecsElapsed() / 1e9; }
    double processorSeconds() const { return processorNow() - m_processorStart; }

    // The machine's load over the last minute: a figure measured beside other work says so.
    static double loadAverage()
    {
        double load[1] = {-1};
        return getloadavg(load, 1) == 1 ? load[0] : -1;
    }

private:
    static double processorNow()
    {
        double total = 0;
        for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
            rusage usage{};
            getrusage(who, &usage);
            total += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        }
        return total;
    }

    QElapsedTimer m_wall;
    double m_processorStart;
};
