#pragma once

// The authored slideshow (tests/fixtures/sets/slideshow.sh): twelve photos of twelve colours and
// two music files of two pitches, and how to tell from a decoded frame which photo it shows.
#include "support/frames.h"
#include "support/paths.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <cmath>
#include <limits>

namespace slideshowfixture {

inline const QRgb kColours[12] = {
    qRgb(255, 0, 0),   qRgb(0, 255, 0),     qRgb(0, 0, 255),   qRgb(255, 255, 0),
    qRgb(255, 0, 255), qRgb(0, 255, 255),   qRgb(255, 255, 255), qRgb(255, 165, 0),
    qRgb(128, 0, 128), qRgb(128, 128, 128), qRgb(128, 0, 0),   qRgb(0, 128, 128)};
constexpr int kPhotoCount = 12;
// The index of the upright photo.
constexpr int kUprightPhoto = 4;
constexpr double kLowHz = 330;  // music/low.mp3, 3 s
constexpr double kHighHz = 660; // music/high.m4a, 2 s

inline QString photosFolder()
{
    return testsupport::fixturePath(QStringLiteral("slideshow/photos"));
}

inline QString photoPath(int index)
{
    return photosFolder() + QStringLiteral("/p%1.jpg").arg(index + 1, 2, 10, QLatin1Char('0'));
}

inline QStringList photoPaths()
{
    QStringList paths;
    for (int i = 0; i < kPhotoCount; ++i)
        paths << photoPath(i);
    return paths;
}

inline QString lowMusic()
{
    return testsupport::fixturePath(QStringLiteral("slideshow/music/low.mp3"));
}

inline QString highMusic()
{
    return testsupport::fixturePath(QStringLiteral("slideshow/music/high.m4a"));
}

inline int distance(testsupport::Rgb a, QRgb b)
{
    return std::abs(a.red - qRed(b)) + std::abs(a.green - qGreen(b)) + std::abs(a.blue - qBlue(b));
}

// The photo whose colour the middle of frame shows, or -1 when no colour is close.
inline int photoShown(const testsupport::Frame &frame)
{
    const testsupport::Rgb middle = frame.mean(frame.width / 2 - 8, frame.height / 2 - 8, 16, 16);
    int best = -1, bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < kPhotoCount; ++i) {
        const int d = distance(middle, kColours[i]);
        if (d < bestDistance)
            best = i, bestDistance = d;
    }
    return bestDistance <= 60 ? best : -1;
}

} // namespace slideshowfixture
