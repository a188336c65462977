#pragma once

// Shared set-up of the profile sheet tests: an application, a catalogue over a settings file
// of the test's own, the shared log pointed into the test's folder, and the folder the windows'
// pictures are saved in.
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "profiles/DNProfileManager.h"
#include "support/paths.h"
#include "ui/ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace profileui {

using uitest::app;

struct Environment
{
    QTemporaryDir dir;
    std::unique_ptr<DNProfileManager> manager;

    Environment()
    {
        app();
        const QString settings = dir.filePath(QStringLiteral("settings.ini"));
        manager = std::make_unique<DNProfileManager>(
            [settings] { return std::make_unique<QSettings>(settings, QSettings::IniFormat); });
        QDir().mkpath(dir.filePath(QStringLiteral("log")));
        DNLogger::shareRoughLog().redirect(dir.filePath(QStringLiteral("log")));
    }

    QString log() const
    {
        QFile file(DNLogger::shareRoughLog().roughLogFile());
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }
};

inline std::shared_ptr<DNProfile> shippedProfile(int kind, const QString &name)
{
    const QString folder = kind == 1 ? QStringLiteral("DVD") : QStringLiteral("Video");
    return DNProfile::parserFromContentOfFile(
        DNBundle::pathForResource(QStringLiteral("profiles/%1/%2.plist").arg(folder, name)));
}

inline QString outputDir(const QString &test)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/test-output/") + test;
    QDir().mkpath(dir);
    return dir;
}

} // namespace profileui
