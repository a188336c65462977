// What a capture run asks of ffmpeg and what the device lists read: the sources' input words,
// the movie's timeline, rate and size bound by the preset, and the PulseAudio listing.
#include "convert/capture/DNCaptureDevices.h"
#include "convert/capture/DNCapturePlan.h"
#include "convert/capture/DNScreenCaptureSource.h"
#include "convert/capture/DNSessionPreset.h"

#include <gtest/gtest.h>

namespace {

QString valueAfter(const QStringList &words, const QString &key, int occurrence = 0)
{
    qsizetype from = 0;
    for (int i = 0; i <= occurrence; ++i) {
        from = words.indexOf(key, from) + 1;
        if (from <= 0)
            return QString();
    }
    return from < words.size() ? words.at(from) : QString();
}

TEST(CaptureArguments, ScreenWholeDisplayOrRegion)
{
    DNScreenCaptureInput input;
    input.display = QStringLiteral(":7");
    input.framesPerSecond = 10;
    const QStringList whole = DNScreenCaptureSource(input).inputArguments();
    EXPECT_EQ(valueAfter(whole, QStringLiteral("-f")), QStringLiteral("x11grab"));
    EXPECT_EQ(valueAfter(whole, QStringLiteral("-framerate")), QStringLiteral("10"));
    EXPECT_EQ(valueAfter(whole, QStringLiteral("-draw_mouse")), QStringLiteral("1"));
    EXPECT_EQ(valueAfter(whole, QStringLiteral("-i")), QStringLiteral(":7"));
    EXPECT_FALSE(whole.contains(QStringLiteral("-video_size"))); // x11grab takes the whole display

    input.cropRect = QRect(100, 50, 640, 360);
    input.audioSource = QStringLiteral("alsa_output.monitor");
    const DNScreenCaptureSource region(input);
    const QStringList words = region.inputArguments();
    EXPECT_EQ(valueAfter(words, QStringLiteral("-video_size")), QStringLiteral("640x360"));
    EXPECT_EQ(valueAfter(words, QStringLiteral("-grab_x")), QStringLiteral("100"));
    EXPECT_EQ(valueAfter(words, QStringLiteral("-grab_y")), QStringLiteral("50"));
    // The picture is input 0 and the sound input 1.
    EXPECT_EQ(valueAfter(words, QStringLiteral("-i"), 0), QStringLiteral(":7"));
    EXPECT_EQ(valueAfter(words, QStringLiteral("-f"), 1), QStringLiteral("pulse"));
    EXPECT_EQ(valueAfter(words, QStringLiteral("-i"), 1), QStringLiteral("alsa_output.monitor"));
    EXPECT_TRUE(region.hasAudio());
    // A few pictures wait for the engine, many sound packets.
    EXPECT_EQ(valueAfter(words, QStringLiteral("-thread_queue_size"), 0), QStringLiteral("4"));
    EXPECT_EQ(valueAfter(words, QStringLiteral("-thread_queue_size"), 1), QStringLiteral("512"));
}

TEST(CaptureArguments, AMovieRunsOnOneTimelineFromItsStartAtAConstantRate)
{
    DNCapturePlan plan;
    DNScreenCaptureInput input;
    input.display = QStringLiteral(":7");
    input.framesPerSecond = 12;
    input.audioSource = QStringLiteral("mic");
    plan.source = std::make_shared<DNScreenCaptureSource>(input);
    plan.moviePath = QStringLiteral("/tmp/.movie.mov");
    plan.timelineOriginMicroseconds = 1700000000012345;
    const QStringList words = DNCaptureArguments(plan);
    // Both inputs counted from the run's start, and kept there.
    for (int input = 0; input < 2; ++input) {
        const qsizetype i = words.indexOf(QStringLiteral("-i"), input == 0 ? 0 : words.indexOf(QStringLiteral("-i")) + 1);
        ASSERT_GT(i, 2);
        EXPECT_EQ(words.at(i - 2), QStringLiteral("-itsoffset"));
        EXPECT_EQ(words.at(i - 1), QStringLiteral("-1700000000.012345"));
    }
    EXPECT_GT(words.indexOf(QStringLiteral("-copyts")), words.lastIndexOf(QStringLiteral("-i")));
    EXPECT_EQ(valueAfter(words, QStringLiteral("-fps_mode:v")), QStringLiteral("cfr"));
    EXPECT_EQ(valueAfter(words, QStringLiteral("-r:v")), QStringLiteral("12"));
    // A camera gives its own rate: the movie takes 30; its pictures are stamped by the wall clock.
    plan.source = std::make_shared<DNCameraCaptureSource>(QStringLiteral("/dev/video0"), QString());
    const QStringList camera = DNCaptureArguments(plan);
    EXPECT_EQ(valueAfter(camera, QStringLiteral("-r:v")), QStringLiteral("30"));
    EXPECT_EQ(valueAfter(camera, QStringLiteral("-use_wallclock_as_timestamps")), QStringLiteral("1"));
    // A run that only previews keeps the inputs' own times.
    plan.moviePath.clear();
    plan.timelineOriginMicroseconds = 0;
    plan.previewSize = QSize(160, 90);
    EXPECT_FALSE(DNCaptureArguments(plan).contains(QStringLiteral("-itsoffset")));
}

TEST(CaptureArguments, MovieAndPreviewOutputs)
{
    DNCapturePlan plan;
    plan.source = std::make_shared<DNTestCaptureSource>(QSize(320, 240), 25, true);
    plan.previewSize = QSize(160, 90);
    plan.previewMirrored = true;
    const QStringList preview = DNCaptureArguments(plan);
    // Only a preview: no movie, no progress, the sound left alone.
    EXPECT_FALSE(preview.contains(QStringLiteral("mov")));
    EXPECT_FALSE(preview.contains(QStringLiteral("-progress")));
    EXPECT_FALSE(preview.contains(QStringLiteral("1:a")));
    EXPECT_EQ(preview.last(), QStringLiteral("pipe:1"));
    EXPECT_TRUE(valueAfter(preview, QStringLiteral("-vf")).endsWith(QStringLiteral(",hflip")));

    plan.moviePath = QStringLiteral("/tmp/.movie.mov");
    plan.maxVideoSize = QSize(640, 480);
    const QStringList movie = DNCaptureArguments(plan);
    EXPECT_EQ(movie.at(movie.indexOf(QStringLiteral("/tmp/.movie.mov")) - 1), QStringLiteral("-n"));
    EXPECT_EQ(valueAfter(movie, QStringLiteral("-c:v")), QStringLiteral("libx264"));
    EXPECT_EQ(valueAfter(movie, QStringLiteral("-c:a")), QStringLiteral("aac"));
    EXPECT_TRUE(valueAfter(movie, QStringLiteral("-vf")).contains(QStringLiteral("'min(640,iw)'")));
    // The movie's picture is not mirrored, only the preview.
    EXPECT_FALSE(valueAfter(movie, QStringLiteral("-vf")).contains(QStringLiteral("hflip")));
}

TEST(CaptureArguments, PresetsBoundThePicture)
{
    EXPECT_EQ(DNSessionPresetAtIndex(2), DNSessionPreset::High);
    EXPECT_TRUE(DNSessionPresetMaxSize(DNSessionPreset::High).isEmpty());
    EXPECT_TRUE(DNSessionPresetMaxSize(DNSessionPreset::Photo).isEmpty());
    EXPECT_EQ(DNSessionPresetMaxSize(DNSessionPresetAtIndex(5)), QSize(640, 480));
    EXPECT_EQ(DNSessionPresetAtIndex(42), DNSessionPreset::High);
    // Only 10.8 systems took High as 1280x720; every other preset and system as asked.
    EXPECT_EQ(DNSessionPresetForSystem(DNSessionPreset::High, 0x1085), DNSessionPreset::Size1280x720);
    EXPECT_EQ(DNSessionPresetForSystem(DNSessionPreset::High, 0x1070), DNSessionPreset::High);
    EXPECT_EQ(DNSessionPresetForSystem(DNSessionPreset::High, 0x1090), DNSessionPreset::High);
    EXPECT_EQ(DNSessionPresetForSystem(DNSessionPreset::Low, 0x1085), DNSessionPreset::Low);
}

TEST(CaptureDevices, PulseSourcesListing)
{
    const QByteArray listing = "Auto-detected sources for pulse:\n"
                               "  alsa_output.pci.analog-stereo.monitor [Monitor of Built-in Audio] (none)\n"
                               "* alsa_input.pci.analog-stereo [Built-in Audio [Analog] Stereo] (none)\n"
                               "  bluez_source.00_11 [Headset]\n";
    const DNCaptureDeviceList sources = DNParsePulseSources(listing);
    ASSERT_EQ(sources.size(), 3);
    EXPECT_EQ(sources.at(0).uniqueID, QStringLiteral("alsa_output.pci.analog-stereo.monitor"));
    EXPECT_EQ(sources.at(0).localizedName, QStringLiteral("Monitor of Built-in Audio"));
    EXPECT_TRUE(sources.at(0).isMonitor);
    EXPECT_EQ(sources.at(1).localizedName, QStringLiteral("Built-in Audio [Analog] Stereo"));
    EXPECT_FALSE(sources.at(1).isMonitor);
    EXPECT_EQ(sources.at(2).uniqueID, QStringLiteral("bluez_source.00_11"));
    // No server: ffmpeg says so and lists nothing.
    EXPECT_TRUE(DNParsePulseSources("Auto-detected sources for pulse:\nCannot list sources: Generic error\n").isEmpty());
}

} // namespace
