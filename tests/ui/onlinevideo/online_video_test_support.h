#pragma once

// What the online-video tests share: a delegate that writes down the player's events in order.
#include "ui/onlinevideo/NXOVPlayerControl.h"

#include <QStringList>

namespace onlinetest {

struct EventLog : NXOVPlayerControlDelegate
{
    QStringList seen;
    void playbackDidStarted(NXOVPlayerControl *) override { seen << QStringLiteral("started"); }
    void playbackDidEnded(NXOVPlayerControl *) override { seen << QStringLiteral("ended"); }
    void playbackDidPaused(NXOVPlayerControl *) override { seen << QStringLiteral("paused"); }
    void playbackDidContinued(NXOVPlayerControl *) override { seen << QStringLiteral("continued"); }
    void playbackCacheUnavilabled(NXOVPlayerControl *) override { seen << QStringLiteral("cache unavailable"); }
    void playbackCacheAvilabled(NXOVPlayerControl *) override { seen << QStringLiteral("cache available"); }
    int count(const char *event) const { return int(seen.count(QLatin1String(event))); }
};

} // namespace onlinetest
