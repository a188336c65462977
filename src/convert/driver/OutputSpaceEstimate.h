#pragma once

#include "core/model/NXBasicMediaNode.h"

#include <QList>
#include <QString>

// The room a batch needs in the output folder, told before it starts: a conversion that fills
// the disk fails after all the time it took. Estimated from each item's profile bitrates and the
// length to be converted (trimmed parts, selected titles), a little on the high side.
struct OutputSpaceEstimate
{
    qint64 neededBytes = 0;
    qint64 availableBytes = -1;   // -1 when the folder's disk cannot be asked
    bool isShort() const { return availableBytes >= 0 && neededBytes > availableBytes; }
};

// Bytes the output of one item would take: a DVD title (node and index), a DVD node's whole disc
// for the image backup, a group or a file item.
qint64 estimatedOutputBytes(NXBasicMediaNode *node, int titleIndex);

// The whole batch, as the conversion run would convert it, against the folder's free space.
OutputSpaceEstimate estimateBatchOutputSpace(const QList<NXMediaNodePtr> &batch, const QString &folder);
