#pragma once

// What the file-road driver tests share: an application object (watermark text is drawn with
// fonts), the log in a folder of the test's own, a fixture file probed as the loader probes it
// with a shipped file profile, and conversion through the driver.

#include "DriverTestSupport.h"

#include "convert/files/DNMediaFileProbe.h"
#include "core/log/DNLogger.h"
#include "dvd/file/DNFileGroupNode.h"
#include "support/frames.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace fileroadtest {

using namespace drivertest;

inline QGuiApplication &app()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}

// Points the shared log at dir; returns the log file.
inline QString useLogIn(const QTemporaryDir &dir)
{
    QDir().mkpath(dir.filePath(QStringLiteral("log")));
    QDir().mkpath(dir.filePath(QStringLiteral("previous")));
    DNLogger::shareRoughLog().redirect(dir.filePath(QStringLiteral("log")), dir.filePath(QStringLiteral("previous")));
    return DNLogger::shareRoughLog().roughLogFile();
}

inline QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline std::shared_ptr<DNProfile> videoProfile(const QString &fileName)
{
    const QString path = DNBundle::pathForResource(QStringLiteral("profiles/Video/") + fileName);
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    return DNProfile::parserFromContentOfFile(path);
}

// relative is below the fixtures folder ("fileroad/h264_aac.mp4").
inline DNFileNodePtr loadFile(const QString &relative, const QString &profile = QStringLiteral("Video_MP4_H264.plist"))
{
    QString error;
    DNFileNodePtr item = fileNodeWithFile(testsupport::fixturePath(relative), false, &error);
    EXPECT_TRUE(item) << relative.toStdString() << ": " << error.toStdString();
    if (item)
        item->setProfile(videoProfile(profile));
    return item;
}

// Converts item (title 0; a group with -1) through the driver; the driver's result.
inline int convert(NXBasicMediaNode *item, StateLog *log = nullptr)
{
    const bool group = dynamic_cast<DNFileGroupNode *>(item) != nullptr;
    return DNVideoConverterStart(item, group ? -1 : 0, log ? StateLog::callback : nullptr, log);
}

} // namespace fileroadtest
