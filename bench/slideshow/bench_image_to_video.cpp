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

#include "common/Median.h"
#include "common/RunMeasure.h"

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

struct Road
{
    const char *name;
    std::vector<RunFigures> runs;
};

} // namespace

int main(int argc, char **argv)
{
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
    const NXSlideshowTimeline timeline(count, interval, kFps, {});
    std::printf("%d photos of 4000x3000, %.1f s each plus 1 s of transition: %.1f s at %dx%d, %s, %d rounds\n",
                count, interval, timeline.duration(), kWidth, kHeight, qPrintable(profile), rounds);
    std::printf("talvane: talvane-devtool slideshow (engine and conversion); floor: ffmpeg alone with xfade\n");
    std::printf("%-8s %5s %9s %9s %6s %6s %8s\n", "road", "round", "wall s", "cpu s", "load0", "load1", "movie s");

    QStringList floorOptions;
    Road roads[] = {{"talvane", {}}, {"floor", {}}};
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
            std::printf("%-8s %5d %9.2f %9.2f %6.2f %6.2f %8.2f\n", roads[which].name, round + 1, figures.wallSeconds,
                        figures.cpuSeconds, figures.loadBefore, figures.loadAfter, videoSeconds(movie));
            std::fflush(stdout);
        }
        if (round == 0)
            std::printf("floor encoder options: %s\n", qPrintable(floorOptions.join(QLatin1Char(' '))));
    }
    printPairedSummary(roads[0].name, roads[0].runs, roads[1].name, roads[1].runs);
    return 0;
}
