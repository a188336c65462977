#pragma once

#include "dvd/NXDVDSourceInfo.h"

#include <QList>
#include <QStringList>

// The names the disc pop-up shows for a list of found discs, in order.
class NXDVDDiscTransformer
{
public:
    static QStringList transformedValue(const QList<NXDVDSourceInfoPtr> &discs)
    {
        QStringList names;
        for (const NXDVDSourceInfoPtr &disc : discs)
            names.append(disc ? disc->name() : QString());
        return names;
    }
};
