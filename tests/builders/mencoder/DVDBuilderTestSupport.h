#pragma once

// What the DVD builder tests share: the authored discs loaded as the program loads them, a
// shipped profile on them, and a pass record.

#include "../ArgumentTestSupport.h"
#include "core/platform/DNBundle.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/NXDVDUtilities.h"
#include "profiles/DNProfile.h"
#include "support/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

namespace dvdbuildertest {

inline std::shared_ptr<DNProfile> shippedProfile(const QString &fileName)
{
    const QString path = DNBundle::pathForResource(QStringLiteral("profiles/DVD/") + fileName);
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    return DNProfile::parserFromContentOfFile(path);
}

// disc is a path below the fixtures folder ("dvd/ntsc", "dvd/pal.iso").
inline DNDVDNodePtr loadDisc(const QString &disc, const QString &profileFile)
{
    QString error;
    DNDVDNodePtr node = NXDVDUtilities::loadDVDNode(
        NXDVDUtilities::sourceInfoForDVDPath(testsupport::fixturePath(disc)), &error);
    EXPECT_TRUE(node) << disc.toStdString() << ": " << error.toStdString();
    if (node && !profileFile.isEmpty())
        node->setProfile(shippedProfile(profileFile));
    return node;
}

// What "-dvd-device" must name for a fixture disc: its folder or image as the source holds it.
inline QString devicePathOf(const DNDVDNode &node)
{
    return node.sourceInfo()->path();
}

inline VideoConvertOptions passOptions(const QString &outputFolder, bool navigation = true, bool safeMode = false)
{
    VideoConvertOptions options = MakeVideoConvertOptions();
    options.useDVDNav = navigation ? 1 : 0;
    options.safeMode = safeMode ? 1 : 0;
    options.engineSafeMode = options.safeMode;
    options.cpuCore = 4;
    EXPECT_TRUE(SetOptionText(options.outputDirectory, outputFolder));
    return options;
}

using buildertest::words;

inline QString outputNameOf(const DNDVDNode &node)
{
    return node.nodeInfo() ? node.nodeInfo()->outputName() : QString();
}

} // namespace dvdbuildertest
