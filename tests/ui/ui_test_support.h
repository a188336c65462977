#pragma once

// Shared by the DVD, progress and tag sheet tests: one application object, waiting on the event
// loop for something that another thread or a timer does, and saving pictures of windows.
#include "convert/files/DNCaptureController.h"
#include "core/platform/DNBundle.h"
#include "support/paths.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QThread>
#include <QTranslator>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

namespace uitest {

// Thumbnails still being made when the tests end would paint while the process tears Qt down:
// the tests' end waits for them, before any exit handler runs.
class CaptureQueueDrain : public ::testing::Environment
{
public:
    void TearDown() override { DNCaptureController::shareCaptureQueue().waitForDone(); }
};

inline void drainCapturesAtTheEnd()
{
    static const bool added = (::testing::AddGlobalTestEnvironment(new CaptureQueueDrain), true);
    Q_UNUSED(added);
}

inline QApplication &app()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    // Never destroyed: torn down among other static objects at exit it would outlive the
    // platform's input devices it owns.
    static QApplication *application = new QApplication(argc, argv);
    drainCapturesAtTheEnd();
    return *application;
}

// Serves events until done() holds; false when it still does not hold after a generous time
// (a hang, not a speed measure).
inline bool waitFor(const std::function<bool()> &done, int timeoutMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

// Serves events for a while (timers that are due, queued calls).
inline void serve(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

// How readable the text in area of a picture is: the contrast ratio (1 to 21, counted as the web's
// accessibility guidelines count it) between the area's most common colour, its background, and
// the colour that stands out most from it, the ink.
inline double inkContrast(const QImage &picture, const QRect &area)
{
    const auto luminance = [](QRgb rgb) {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
    };
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000u];
    if (counts.isEmpty())
        return 1.0;
    QRgb background = counts.constBegin().key();
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    const double back = luminance(background);
    double best = 1.0;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        const double ink = luminance(it.key());
        best = std::max(best, (std::max(ink, back) + 0.05) / (std::min(ink, back) + 0.05));
    }
    return best;
}

// The interface in language ("" for English) while it lives.
class InterfaceLanguage
{
public:
    explicit InterfaceLanguage(const char *language)
    {
        if (!*language)
            return;
        // The application first: without it the translator would go nowhere and the test would run
        // in English.
        app();
        EXPECT_TRUE(translator_.load(
            DNBundle::pathForResource(QStringLiteral("translations/talvane_%1.qm").arg(QString::fromLatin1(language)))));
        EXPECT_TRUE(QCoreApplication::installTranslator(&translator_));
    }
    ~InterfaceLanguage() { QCoreApplication::removeTranslator(&translator_); }
    InterfaceLanguage(const InterfaceLanguage &) = delete;
    InterfaceLanguage &operator=(const InterfaceLanguage &) = delete;

private:
    QTranslator translator_;
};

// Whether shown is whole, or whole cut with one ellipsis where the room ran out: how wide a label
// is depends on the machine's fonts, so a test of the words shown accepts either.
inline bool showsWholeOrCut(const QString &shown, const QString &whole)
{
    if (shown == whole)
        return true;
    const qsizetype cut = shown.indexOf(QChar(0x2026));
    if (cut < 0 || shown.indexOf(QChar(0x2026), cut + 1) >= 0 || shown.size() > whole.size())
        return false;
    return whole.startsWith(shown.left(cut)) && whole.endsWith(shown.mid(cut + 1));
}

inline QString savePicture(QWidget *widget, const QString &test, const QString &name)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/test-output/") + test;
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

} // namespace uitest
