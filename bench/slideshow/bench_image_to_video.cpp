// Measures the whole Convert of a slideshow, as `talvane-devtool slideshow` runs it (the
// image-to-video engine, then the conversion with the profile), against a floor: the same photos
// made into the same movie by ffmpeg alone, with transitions (each photo decoded once, fitted,
// held, cross-faded into the next with xfade), the same music and the same final encoder and
// profile options, taken from the command the conversion ran. The two roads run in paired rounds,
// each round beginning with the other road; each run prints its wall and processor time (of the
// whole process tree) with the load average of the machine while it ran.
//
// usage: talvane-bench-slideshow [ROUNDS] [PHOTOS] [SECONDS_PER_PHOTO] [PROFILE]
//   ROUNDS             paired rounds (default 3)
//   PHOTOS             how many photos (default 30), drawn here as 4000x3000 JPEGs with grain
//   SECONDS_PER_PHOTO  the slideshow's interval (default 2; each photo's slot is one more, so
//                      30 photos last 90 s)
//   PROFILE            the output profile (default Video_HD_H264.plist)
//
// The first run of each road is also weighed for its pictures: the SSIM of the frames where a
// photo stands alone against that photo fitted to the frame (scaled with Lanczos on black), and
// the SSIM of the transition frames against the same road's pictures before their final encode
// (Talvane's: the image-to-video engine's movie; the floor's: its graph written without loss).

#include "common/Median.h"
#include "common/SsimStats.h"
#include "common/RunMeasure.h"

#include "convert/slideshow/NXImageEngine.h"
#include "convert/slideshow/NXSlideshowConversion.h"
#include "core/platform/DNBundle.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"
#include "slideshow/engine/NXSlideshowTimeline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

constexpr double kFps = 25;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

bool make(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("ffmpeg"), QStringList{"-nostdin", "-v", "error", "-y"} + arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "ffmpeg failed:\n%s\n", process.readAll().right(2000).constData());
        return false;
    }
    return true;
}

// Camera-sized pictures with detail and grain, so that decoding and scaling cost what a
// camera's photos cost; made once and kept.
QStringList makePhotos(const QString &folder, int count)
{
    QDir().mkpath(folder);
    QStringList photos;
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("%1/photo%2.jpg").arg(folder).arg(i, 3, 10, QLatin1Char('0'));
        if (!QFile::exists(path)
            && !make({"-f", "lavfi", "-i",
                      QStringLiteral("testsrc2=size=4000x3000:rate=1,hue=h=%1,noise=alls=12:allf=t").arg(i * 12),
                      "-frames:v", "1", "-q:v", "3", path}))
            return {};
        photos << path;
    }
    return photos;
}

// The words of a command as the AV encoder logs it: blanks between words, a word with a blank
// or a quote in it between single quotes.
QStringList loggedWords(const QString &command)
{
    QStringList words;
    QString word;
    bool quoted = false, any = false;
    for (const QChar c : command) {
        if (c == QLatin1Char('\'') && (quoted || word.isEmpty())) {
            quoted = !quoted;
            any = true;
        } else if (c == QLatin1Char(' ') && !quoted) {
            if (any || !word.isEmpty())
                words << word;
            word.clear();
            any = false;
        } else {
            word += c;
        }
    }
    if (any || !word.isEmpty())
        words << word;
    return words;
}

// The final conversion's output options, from the command the conversion logged: everything
// between its input and its output, less what maps and filters that input.
QStringList encoderOptions(const QString &logPath)
{
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QString command;
    for (const QByteArray &line : log.readAll().split('\n')) {
        const int at = line.indexOf("engine command: ffmpeg ");
        if (at >= 0)
            command = QString::fromUtf8(line.mid(at + int(qstrlen("engine command: "))));
    }
    const QStringList words = loggedWords(command.trimmed());
    const qsizetype input = words.indexOf(QStringLiteral("-i"));
    if (input < 0 || words.size() < input + 3)
        return {};
    QStringList options;
    for (qsizetype i = input + 2; i < words.size() - 1; ++i) {
        const QString &word = words.at(i);
        if (word == QLatin1String("-filter_complex") || word == QLatin1String("-map") || word == QLatin1String("-metadata")
            || word == QLatin1String("-vf") || word == QLatin1String("-af")) {
            ++i;
            continue;
        }
        options << word;
    }
    return options;
}

// The floor's ffmpeg arguments: a blank second, then each photo decoded once, fitted to the frame
// on black, held for its slot and the transition out of it, and cross-faded into from the one
// before with one of xfade's transitions in turn; the music cut to the movie's length.
QStringList floorArguments(const QStringList &photos, const QString &music, double interval,
                           const QStringList &options, const QString &output)
{
    // Eighteen of the transitions of the installed ffmpeg's xfade, as many as the slideshow's.
    static const char *const transitions[] = {"fade",     "wipeleft",  "slideleft", "circleopen", "dissolve",
                                              "pixelize", "radial",    "smoothleft", "hblur",     "fadeblack",
                                              "rectcrop", "distance",  "diagtl",    "hlslice",    "squeezeh",
                                              "vertopen", "circleclose", "wipetl"};
    const int n = int(photos.size());
    const double slot = interval + NXSlideshowTimeline::kTransitionSeconds;
    const QString size = QStringLiteral("%1x%2").arg(kWidth).arg(kHeight);
    QStringList args{"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                     QStringLiteral("color=black:s=%1:r=%2:d=1,format=yuv420p").arg(size).arg(kFps)};
    for (const QString &photo : photos)
        args << "-framerate" << QString::number(kFps) << "-i" << photo;
    args << "-i" << music;
    QStringList graph;
    for (int k = 0; k < n; ++k) {
        const double held = k < n - 1 ? slot + 1 : slot;
        graph << QStringLiteral("[%1:v]scale=%2:%3:force_original_aspect_ratio=decrease,pad=%2:%3:(ow-iw)/2:(oh-ih)/2,"
                                "setsar=1,format=yuv420p,loop=loop=%4:size=1,setpts=N/%5/TB[p%6]")
                     .arg(k + 1).arg(kWidth).arg(kHeight).arg(qRound(held * kFps) - 1).arg(kFps).arg(k);
    }
    QString previous = QStringLiteral("0:v");
    for (int k = 0; k < n; ++k) {
        graph << QStringLiteral("[%1][p%2]xfade=transition=%3:duration=1:offset=%4[x%2]")
                     .arg(previous).arg(k).arg(QString::fromLatin1(transitions[k % std::size(transitions)])).arg(k * slot);
        previous = QStringLiteral("x%1").arg(k);
    }
    graph << QStringLiteral("[%1:a]aresample=48000,aloop=loop=-1:size=2147483647,atrim=duration=%2[music]")
                 .arg(n + 1).arg(n * slot);
    args << "-filter_complex" << graph.join(QLatin1Char(';')) << "-map" << QStringLiteral("[%1]").arg(previous)
         << "-map" << "[music]";
    return args + options + QStringList{output};
}

double videoSeconds(const QString &path)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"), {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                             "format=duration", "-of", "json", path});
    if (!probe.waitForFinished(60000))
        return -1;
    return QJsonDocument::fromJson(probe.readAllStandardOutput())
        .object().value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
}

// The photos fitted to the frame on black, as a slideshow should show them: a still of each,
// scaled with Lanczos, made once and kept in a folder beside the photos' (not in it: the
// slideshow would take them for photos of its own).
QStringList fittedStills(const QStringList &photos)
{
    QStringList stills;
    for (const QString &photo : photos) {
        const QFileInfo info(photo);
        const QString folder = info.path() + QStringLiteral("-fitted-%1x%2").arg(kWidth).arg(kHeight);
        QDir().mkpath(folder);
        const QString still = folder + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".png");
        if (!QFile::exists(still)
            && !make({"-i", photo, "-vf",
                      QStringLiteral("scale=%1:%2:force_original_aspect_ratio=decrease:flags=lanczos,"
                                     "pad=%1:%2:(ow-iw)/2:(oh-ih)/2,setsar=1")
                          .arg(kWidth).arg(kHeight),
                      still}))
            return {};
        stills << still;
    }
    return stills;
}

// The SSIM of each frame of movie (in order) against the reference that the inputs and graph
// make as [ref]; both read from their first frame, at the movie's frame size, in 4:2:0.
std::vector<double> ssimPerFrame(const QString &movie, const QStringList &referenceInputs, const QString &referenceGraph)
{
    QTemporaryDir folder;
    const QString stats = folder.filePath(QStringLiteral("ssim.txt"));
    const QString graph = QStringLiteral("[0:v]setpts=PTS-STARTPTS,scale=%1:%2,format=yuv420p[movie];%3;"
                                         "[ref]setpts=PTS-STARTPTS,scale=%1:%2,format=yuv420p[reference];"
                                         "[movie][reference]ssim=shortest=1:stats_file='%4'")
                              .arg(kWidth).arg(kHeight).arg(referenceGraph, stats);
    if (!make(QStringList{"-i", movie} + referenceInputs + QStringList{"-lavfi", graph, "-f", "null", "-"}))
        return {};
    return readSsimStats(stats);
}

struct PictureFigures
{
    double stills = -1;       // SSIM of the frames where a photo stands alone, against the photo
    double transitions = -1;  // SSIM of the transition frames, against the road's own pictures
};

// Whether frame lies in the transition second that opens each photo's slot.
bool inTransition(int frame, double interval)
{
    const double slot = interval + NXSlideshowTimeline::kTransitionSeconds;
    const double into = std::fmod(frame / kFps, slot);
    return into < NXSlideshowTimeline::kTransitionSeconds - 1e-9;
}

double meanWhere(const std::vector<double> &values, double interval, bool transitions)
{
    double sum = 0;
    int count = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        if (inTransition(int(i), interval) == transitions) {
            sum += values[i];
            ++count;
        }
    }
    return count ? sum / count : -1;
}

PictureFigures pictureFigures(const QString &movie, const QStringList &stills, double interval, const QString &lossless)
{
    PictureFigures figures;
    const int slotFrames = qRound((interval + NXSlideshowTimeline::kTransitionSeconds) * kFps);
    QStringList inputs, graph, joined;
    for (int k = 0; k < stills.size(); ++k) {
        inputs << "-i" << stills.at(k);
        graph << QStringLiteral("[%1:v]loop=loop=%2:size=1,setpts=N/%3/TB[s%4]").arg(k + 1).arg(slotFrames - 1).arg(kFps).arg(k);
        joined << QStringLiteral("[s%1]").arg(k);
    }
    graph << joined.join(QString()) + QStringLiteral("concat=n=%1:v=1:a=0[ref]").arg(stills.size());
    figures.stills = meanWhere(ssimPerFrame(movie, inputs, graph.join(QLatin1Char(';'))), interval, false);
    figures.transitions = meanWhere(ssimPerFrame(movie, {"-i", lossless}, QStringLiteral("[1:v]null[ref]")), interval, true);
    return figures;
}

// Talvane's pictures before the final encode: the image-to-video engine's movie of the photos,
// as the slideshow's Convert renders it first, written into outFolder.
QString talvaneEngineMovie(const QString &folder, const QString &profileName, const QString &music, const QString &outFolder)
{
    DNGraphicsNodePtr node;
    try {
        const std::atomic_bool never{false};
        node = DNGraphicsNode::graphicsNodeWithDirs({folder}, &never);
    } catch (const std::exception &) {
        return {};
    }
    QString profilePath;
    for (const char *place : {"profiles/Video/", "profiles/DVD/"})
        if (const QString path = DNBundle::pathForResource(QLatin1String(place) + profileName); QFileInfo(path).isFile())
            profilePath = path;
    if (QFileInfo(profileName).isFile())
        profilePath = profileName;
    if (profilePath.isEmpty())
        return {};
    node->setProfile(DNProfile::parserFromContentOfFile(profilePath));
    node->audioTracks().append(DNGraphicsAudio::graphicsAudio(music));
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(outFolder);
    NXImageEngine engine;
    NXFillImageEngineJob(engine, *node);
    engine.beginEncoding();
    return engine.finiallyVideoPath();
}

struct Road
{
    const char *name;
    std::vector<RunFigures> runs;
    PictureFigures pictures;
};

} // namespace

int main(int argc, char **argv)
{
    // The engine run for the pictures reads and stores settings: a home of the benchmark's own.
    QTemporaryDir benchHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(benchHome.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(benchHome.filePath(QStringLiteral("data"))));
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const int rounds = std::max(1, arguments.value(0, QStringLiteral("3")).toInt());
    const int count = std::max(2, arguments.value(1, QStringLiteral("30")).toInt());
    const double interval = std::max(0.5, arguments.value(2, QStringLiteral("2")).toDouble());
    const QString profile = arguments.value(3, QStringLiteral("Video_HD_H264.plist"));

    const QString media = QStringLiteral(TALVANE_BUILD_DIR "/bench-media/slideshow");
    std::fprintf(stderr, "drawing %d photos into %s...\n", count, qPrintable(media));
    const QStringList photos = makePhotos(QStringLiteral("%1/photos-%2").arg(media).arg(count), count);
    const QString music = media + QStringLiteral("/music.m4a");
    if (photos.isEmpty()
        || (!QFile::exists(music)
            && !make({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=200", "-ac", "2", "-c:a",
                      "aac", music})))
        return 1;
    const QString folder = QFileInfo(photos.first()).path();
    const QStringList stills = fittedStills(photos);
    if (stills.isEmpty())
        return 1;
    const NXSlideshowTimeline timeline(count, interval, kFps, {});
    std::printf("%d photos of 4000x3000, %.1f s each plus 1 s of transition: %.1f s at %dx%d, %s, %d rounds\n",
                count, interval, timeline.duration(), kWidth, kHeight, qPrintable(profile), rounds);
    std::printf("talvane: talvane-devtool slideshow (engine and conversion); floor: ffmpeg alone with xfade\n");
    std::printf("%-8s %5s %9s %9s %6s %6s %8s\n", "road", "round", "wall s", "cpu s", "load0", "load1", "movie s");

    QStringList floorOptions;
    Road roads[] = {{"talvane", {}, {}}, {"floor", {}, {}}};
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (round + turn) % 2;
            QTemporaryDir home;
            const QString out = home.filePath(QStringLiteral("out"));
            QDir().mkpath(out);
            RunFigures figures;
            QString movie;
            if (which == 0) {
                QProcessEnvironment environment = benchEnvironment(home.path());
                environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
                const QString devtool = QStringLiteral(TALVANE_BUILD_DIR "/bin/talvane-devtool");
                figures = measureRun(devtool, {QStringLiteral("slideshow"), profile, out, folder, QStringLiteral("--music"), music},
                                     environment);
                movie = QString::fromUtf8(figures.output).trimmed().split(QLatin1Char('\n')).last();
                if (floorOptions.isEmpty())
                    floorOptions = encoderOptions(home.filePath(QStringLiteral("data/Harnvale/Talvane/Talvane.log")));
            } else {
                if (floorOptions.isEmpty()) {
                    std::fprintf(stderr, "the conversion's command was not found in its log\n");
                    return 1;
                }
                movie = out + QStringLiteral("/floor.") + floorOptions.value(floorOptions.indexOf(QStringLiteral("-f")) + 1, QStringLiteral("mp4"));
                figures = measureRun(QStringLiteral("ffmpeg"), floorArguments(photos, music, interval, floorOptions, movie),
                                     QProcessEnvironment::systemEnvironment());
            }
            if (!figures.ok) {
                std::fprintf(stderr, "the %s road failed:\n%s\n", roads[which].name, figures.errors.right(3000).constData());
                return 1;
            }
            roads[which].runs.push_back(figures);
            if (roads[which].pictures.stills < 0) {
                // The road's pictures without the final encode's loss; made outside the timed run.
                QTemporaryDir lossless;
                QString reference;
                if (which == 0) {
                    reference = talvaneEngineMovie(folder, profile, music, lossless.path());
                } else {
                    reference = lossless.filePath(QStringLiteral("floor.mkv"));
                    if (!make(floorArguments(photos, music, interval, {"-c:v", "ffv1", "-c:a", "pcm_s16le"}, reference)))
                        reference.clear();
                }
                if (reference.isEmpty()) {
                    std::fprintf(stderr, "the %s road's pictures before their final encode were not made\n", roads[which].name);
                    return 1;
                }
                roads[which].pictures = pictureFigures(movie, stills, interval, reference);
            }
            std::printf("%-8s %5d %9.2f %9.2f %6.2f %6.2f %8.2f\n", roads[which].name, round + 1, figures.wallSeconds,
                        figures.cpuSeconds, figures.loadBefore, figures.loadAfter, videoSeconds(movie));
            std::fflush(stdout);
        }
        if (round == 0)
            std::printf("floor encoder options: %s\n", qPrintable(floorOptions.join(QLatin1Char(' '))));
    }
    printPairedSummary(roads[0].name, roads[0].runs, roads[1].name, roads[1].runs);
    std::printf("\nSSIM (first run of each road)   standing photos   transitions\n");
    for (const Road &road : roads)
        std::printf("%-32s %15.4f %13.4f\n", road.name, road.pictures.stills, road.pictures.transitions);
    std::printf("talvane - floor                  %+15.4f %+13.4f\n", roads[0].pictures.stills - roads[1].pictures.stills,
                roads[0].pictures.transitions - roads[1].pictures.transitions);
    return 0;
}
