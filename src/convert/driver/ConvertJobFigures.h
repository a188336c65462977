#pragma once

#include "convert/engine/ConvertProgressInfo.h"

// The figures of a whole job (seconds converted, frames, speed) from those of the pass now
// running.
//
// A job may run several passes: both passes of a two-pass item, and for a merge group each
// member's passes and then the joining pass. Every engine counts its pass from nothing, so the
// job adds what the passes that ended counted to the running pass's own: its figures rise from
// the first pass to the last and never fall back to nothing between two. Each of an item's passes
// goes over the whole item, so the item has done the share of its passes' sum that one pass is;
// the joining pass only copies what the members made and adds nothing.
//
// An engine keeps showing the figures of its last pass until its next pass has figures of its
// own, so a pass's figures count only once its seconds or frames differ from what the engine
// showed when the pass began: the pass before must not be counted twice.
class ConvertJobFigures
{
public:
    // What the engine shows of the running pass.
    struct Reading
    {
        ConvertProgressInfo info;  // seconds, speed, frame (percent unused)
        float percent = 0;
    };

    // A pass begins. work is the seconds of media it goes over (0: not known); counts is false
    // for a group's joining pass; before is what the engine shows now.
    void beginPass(double work, bool counts, const Reading &before);
    // The pass ended; last is the engine's final reading of it.
    void endPass(const Reading &last);
    // An item's pass that was not run, as it would only have repeated the pass before: it did
    // what that one did.
    void repeatPass();

    // Takes a reading of the running pass in (it may be its first own one).
    void note(const Reading &reading);

    // The job's figures, with reading (noted first) the running pass's; passesPerItem is the
    // passes of each item. The speed is the last one a pass of the job measured, so that a pass
    // that has not measured its own yet does not show a standstill; -1 (not known) when the
    // engine measures none, or while work is done and no pass has measured one yet.
    ConvertProgressInfo jobFigures(const Reading &reading, int passesPerItem, bool engineMeasuresSpeed) const;

    // For the percent of the job: the seconds the item passes that ended went over, the running
    // pass's, whether its percent is its own yet, and whether it is a joining pass.
    double doneWork() const { return m_doneWork; }
    double passWork() const { return m_passWork; }
    bool passLive() const { return m_inPass && m_live; }
    bool joining() const { return m_inPass && !m_counts; }

private:
    bool counting() const { return m_inPass && m_live && m_counts; }

    double m_doneSeconds = 0;
    double m_doneFrames = 0;
    double m_doneWork = 0;
    // The last item pass that ended, for a pass that repeats it.
    double m_lastSeconds = 0;
    double m_lastFrames = 0;
    double m_lastWork = 0;

    bool m_inPass = false;
    bool m_counts = true;
    bool m_live = false;
    double m_passWork = 0;
    Reading m_stale;
    // The highest figures the running pass showed (an engine's last reading may come short).
    int m_bestSeconds = 0;
    int m_bestFrames = 0;
    // The last speed a pass of the job measured.
    int m_lastSpeed = 0;
};
