// Measures the image-to-video engine: frames per second of HarnvaleAVEngine making a slideshow
// of the same photos at 1280x720 and at 1920x1080, against a bare ffmpeg slideshow of those
// photos (the concat demuxer over stills, each shown as long, no transitions, the same encoder
// settings) as the floor: what encoding the frames costs without drawing any.
//
// usage: talvane-bench-slideshow [PHOTOS] [SECONDS_PER_PHOTO]
//   PHOTOS             how many photos (default 12), drawn here as 4000x3000 JPEGs
//   SECONDS_PER_PHOTO  the slideshow's interval (default 2; each photo's slot is one more)

#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"
#include "slideshow/engine/NXImageEngineJob.h"
#include "slideshow/engine/NXSlideshowTimeline.h"
#include "slideshow/transitions/NXEffectManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr double kFps = 25;

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(-1))
        return false;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program), process.readAll().right(2000).constData());
        return false;
    }
    return true;
}

// Seconds to run, or -1.
double timed(const QString &program, const QStringList &arguments)
{
    QElapsedTimer clock;
    clock.start();
    return run(program, arguments) ? clock.elapsed() / 1000.0 : -1;
}

QStringList makePhotos(const QString &folder, int count)
{
    QStringList photos;
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("%1/photo%2.jpg").arg(folder).arg(i, 3, 10, QLatin1Char('0'));
        // Camera-sized pictures with detail, so that loading and scaling cost what they cost.
        run(QStringLiteral("ffmpeg"), {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                       QStringLiteral("testsrc2=size=4000x3000:rate=1,hue=h=%1").arg(i * 30),
                                       "-frames:v", "1", "-q:v", "3", path});
        photos << path;
    }
    return photos;
}

double engineSeconds(const QString &dir, const QStringList &photos, const QString &music, double interval, QSize size)
{
    QVariantList photoList, effects;
    for (const QString &p : photos)
        photoList << p;
    for (int type = 0; type < NXTransitionChoiceCount; ++type)
        effects << type;
    const QString target = QStringLiteral("%1/engine-%2x%3.mov").arg(dir).arg(size.width()).arg(size.height());
    const QVariantMap job{{NXImageEngineKey::showDuration, interval},
                          {NXImageEngineKey::effectList, effects},
                          {NXImageEngineKey::imageSquenes, photoList},
                          {NXImageEngineKey::audioList, QVariantList{music}},
                          {NXImageEngineKey::videoFPS, kFps},
                          {NXImageEngineKey::videoSize, NXStringFromSize(QSizeF(size))},
                          {NXImageEngineKey::targetPath, target},
                          {NXImageEngineKey::shadingImage, NXEffectManager::shadingImagePath()},
                          {NXImageEngineKey::blankImage, NXEffectManager::blankImagePath()}};
    const QString jobPath = dir + QStringLiteral("/job.plist");
    writePropertyList(job, jobPath, DNPropertyListFormat::XML);
    QFile::remove(target);
    return timed(DNBundle::pathForCompanion(QStringLiteral("HarnvaleAVEngine")), {jobPath});
}

// The same photos as stills through the concat demuxer, each its whole slot, fitted to the size
// on black, with the music, encoded as the engine encodes.
double floorSeconds(const QString &dir, const QStringList &photos, const QString &music, double slot, QSize size)
{
    const QString list = dir + QStringLiteral("/stills.txt");
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    for (const QString &photo : photos)
        file.write(QStringLiteral("file '%1'\nduration %2\n").arg(photo).arg(slot).toUtf8());
    // The demuxer takes the last duration only with the file named once more.
    file.write(QStringLiteral("file '%1'\n").arg(photos.last()).toUtf8());
    file.close();
    const QString w = QString::number(size.width()), h = QString::number(size.height());
    const QString fit = QStringLiteral("scale=%1:%2:force_original_aspect_ratio=decrease,pad=%1:%2:(ow-iw)/2:(oh-ih)/2,"
                                       "fps=%3,format=yuv420p").arg(w, h).arg(kFps);
    const double seconds = photos.size() * slot;
    return timed(QStringLiteral("ffmpeg"),
                 {"-nostdin", "-v", "error", "-y", "-f", "concat", "-safe", "0", "-i", list, "-i", music,
                  "-filter_complex", QStringLiteral("[1:a]aloop=loop=-1:size=2147483647,atrim=duration=%1[music]").arg(seconds),
                  "-map", "0:v", "-map", "[music]", "-vf", fit, "-t", QString::number(seconds),
                  "-c:a", "aac", "-b:a", "256k", "-c:v", "libx264", "-preset", "veryfast", "-crf", "16",
                  QStringLiteral("%1/floor-%2x%3.mov").arg(dir, w, h)});
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(2, atoi(argv[1])) : 12;
    const double interval = argc > 2 ? std::max(0.5, atof(argv[2])) : 2.0;
    QTemporaryDir dir;
    std::fprintf(stderr, "drawing %d photos...\n", count);
    const QStringList photos = makePhotos(dir.path(), count);
    const QString music = dir.filePath(QStringLiteral("music.m4a"));
    run(QStringLiteral("ffmpeg"), {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                   "sine=frequency=440:sample_rate=48000:duration=7", "-ac", "2", "-c:a", "aac", music});
    const NXSlideshowTimeline timeline(count, interval, kFps, {});
    const int frames = timeline.totalFrames();
    std::printf("%d photos, %.1f s each plus 1 s of transition: %d frames (%.1f s) at %.0f fps\n", count, interval,
                frames, timeline.duration(), kFps);
    std::printf("%-10s %14s %14s %8s\n", "size", "engine fps", "floor fps", "ratio");
    for (const QSize size : {QSize(1280, 720), QSize(1920, 1080)}) {
        const double engine = engineSeconds(dir.path(), photos, music, interval, size);
        const double floor = floorSeconds(dir.path(), photos, music, interval + NXSlideshowTimeline::kTransitionSeconds, size);
        if (engine <= 0 || floor <= 0) {
            std::fprintf(stderr, "a run failed at %dx%d\n", size.width(), size.height());
            return 1;
        }
        std::printf("%-10s %14.1f %14.1f %8.2f\n", qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())),
                    frames / engine, frames / floor, engine / floor);
    }
    return 0;
}
