#include "convert/driver/PassSource.h"

#include "convert/driver/ConvertState.h"
#include "convert/engine/OutputReading.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDNode.h"
#include "dvd/DVDLayoutCheck.h"
#include "dvd/NXDVDSourceInfo.h"

#include <cmath>

namespace {

bool agree(double a, double b)
{
    return std::abs(a - b) <= kOutputLengthMarginSeconds;
}

} // namespace

double loadedTitleSeconds(const DNDVDTitle &title)
{
    // The IFO counts frames at a nominal 25 or 30 a second, whatever the exact rate.
    const double perSecond = title.fps() == 25.0f ? 25.0 : 30.0;
    const double precise = double(title.frames()) / perSecond;
    return title.frames() > 0 && int(precise) == title.length() ? precise : double(title.length());
}

double titleSecondsToExpect(double loadedSeconds, double ifoSeconds, double dataSeconds)
{
    if (loadedSeconds <= 0)
        return dataSeconds > 0 ? dataSeconds : std::max(0.0, ifoSeconds);
    if (dataSeconds > 0 && ifoSeconds >= 0 && agree(loadedSeconds, ifoSeconds) && !agree(loadedSeconds, dataSeconds))
        return dataSeconds;
    return loadedSeconds;
}

ConvertFailureReason failureOverSource(const PassSource &source, const ConvertFailureReason &failure)
{
    if (source.suspectRecords.isEmpty() || failure.isEmpty())
        return failure;
    if (source.titleNumber > 0)
        return ConvertFailureReason(ConvertFailureKind::DamagedTitleRecordsAndFailure,
                                    {ConvertFailureDetail::number(source.titleNumber), source.suspectRecords, failure});
    return ConvertFailureReason(ConvertFailureKind::DamagedDiscRecordsAndFailure, {source.suspectRecords, failure});
}

PassSource checkPassSource(NXBasicMediaNode *node, int titleIndex, int engineKind)
{
    PassSource source;
    auto *dvd = dynamic_cast<DNDVDNode *>(node);
    if (!dvd || dynamic_cast<DNDVDGroupTitle *>(node) || !dvd->sourceInfo())
        return source;
    const DNDVDTitlePtr title = dvd->titleAt(titleIndex);
    if (!title)
        return source;
    const NXDVDSourceInfoPtr &info = dvd->sourceInfo();
    // What the engines are given: the drive of a disc, else the folder or image.
    const QString path = info->sourceType() == NXDVDSourceInfo::SourceDisc ? info->devicePath() : info->path();
    const bool wholeDisc = engineKind == ConvertEngineISOBackup;
    // The builders play a title by its number on the disc, its index plus one.
    const int titleNumber = wholeDisc ? 0 : titleIndex + 1;
    const DVDSourceLayout layout = checkDVDSourceLayout(path, titleNumber);
    source.problem = layout.problem;
    if (layout.damagedRecords.isEmpty() && !layout.problem.isEmpty())
        source.reason = ConvertFailureReason(ConvertFailureKind::DamagedDisc, {layout.problem});
    else if (!layout.damagedRecords.isEmpty() && titleNumber > 0)
        source.reason = ConvertFailureReason(ConvertFailureKind::DamagedTitleRecords,
                                             {ConvertFailureDetail::number(titleNumber), layout.damagedRecords});
    else if (!layout.damagedRecords.isEmpty())
        source.reason = ConvertFailureReason(ConvertFailureKind::DamagedDiscRecords, {layout.damagedRecords});
    source.suspectRecords = layout.suspectRecords;
    source.titleNumber = titleNumber;
    if (!wholeDisc)
        source.titleSeconds = titleSecondsToExpect(loadedTitleSeconds(*title), layout.ifoSeconds, layout.dataSeconds);
    return source;
}
