#pragma once

// Shared by the slideshow tests: an application object for the image readers, the authored
// photo folders, solid pictures, and reading a pixel in the transitions' coordinates.
#include "core/log/DNLogger.h"
#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

namespace slideshowtest {

inline QGuiApplication &app()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *application = new QGuiApplication(argc, argv);
    return *application;
}

inline QString photo(const QString &relative)
{
    return testsupport::fixturePath(QStringLiteral("photos/") + relative);
}

inline QImage solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

// The pixel whose area holds the point (x, y) of the transitions' coordinates (origin at the
// bottom left, y upward).
inline QRgb pixelAt(const QImage &image, double x, double y)
{
    return image.pixel(int(x), image.height() - 1 - int(y));
}

// The shared log writes into a fresh folder; returns its file.
inline QString freshLog(const QTemporaryDir &dir)
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

inline QString outputFolder(const QString &test)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/test-output/") + test;
    QDir().mkpath(dir);
    return dir;
}

} // namespace slideshowtest
