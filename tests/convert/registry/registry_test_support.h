#pragma once

// What the builder-table tests share: profile files written for a self-check.

#include "core/plist/DNPropertyList.h"

#include <QTemporaryDir>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace registrytest {

// A profile property list named file in dir naming builder as its "ArgvAssembler" (none when
// builder is invalid).
inline void writeProfile(const QTemporaryDir &dir, const char *file, const QVariant &builder)
{
    QVariantMap map{{QStringLiteral("Title"), QStringLiteral("x")}};
    if (builder.isValid())
        map.insert(QStringLiteral("ArgvAssembler"), builder);
    ASSERT_TRUE(writePropertyList(map, dir.filePath(QString::fromLatin1(file)), DNPropertyListFormat::XML));
}

} // namespace registrytest
