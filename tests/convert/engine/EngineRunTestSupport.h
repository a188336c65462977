#pragma once

// What the tests that run DVD builders' vectors through the real MEncoder bridge share: the run
// itself, with the engine's lines kept for the failure message, a title trimmed to its first
// seconds, and the readings of ffprobe's answer they compare (from support/ffprobe.h).

#include "builders/common/Argument.h"
#include "convert/engine/DNMEncoder.h"
#include "dvd/DNDVDTitle.h"
#include "support/ffprobe.h"

#include <QString>
#include <QStringList>

namespace enginerunstest {

inline int ignoreState(void *, int)
{
    return 0;
}

// The engine's own lines of the last run, shown when a run fails.
inline QStringList &engineLines()
{
    static QStringList lines;
    return lines;
}

inline void keepEngineLine(const char *line)
{
    engineLines() << QString::fromUtf8(line);
}

// The bridge's status for the vector: 0 on success, -100 for no usable vector, -101 when the
// bridge cannot be loaded.
inline int runOnMEncoder(Argument *argument)
{
    engineLines().clear();
    if (!argument || !ArgumentIsUsable(argument))
        return -100;
    if (Encoder_SetCallback(ignoreState, nullptr) != 0)
        return -101;
    Encoder_SetLogCallback(keepEngineLine);
    Encoder_Config(0);
    const int result = Encoder_Start(argument->argc, argument->argv, argument->endpos);
    Encoder_Unload();
    return result;
}

// The first seconds of a title: the engines stop at "-endpos".
inline void trimToStart(const DNDVDTitlePtr &title, int seconds)
{
    auto setting = title->setting();
    setting->setTrimEnable(true);
    setting->setTrimStartPercent(0.0f);
    setting->setTrimEndPercent(float(seconds) / float(title->length()) + 0.01f);
}

using testsupport::codecsOf;
using testsupport::durationOf;
using testsupport::firstStream;
using testsupport::formatNameOf;

} // namespace enginerunstest
