// Converts the long fixture title three ways, in alternating rounds, and compares them: through
// the conversion driver (Talvane); through the engine commands the MEncoder companion plans for
// the same vector, run by hand (mencoder, then the ffmpeg step after it, or both at once where
// the plan overlaps them); and through HandBrakeCLI given the same x264 options, frame size and
// audio bitrate. Prints each run's wall and processor seconds with the machine's load average,
// the medians, the median of each round's ratios, the share of the second (audio) step in a hand
// run, and each road's SSIM against the source title, aligned a second of pictures at a time.
//
// usage: talvane-bench-driver [MEDIA_DIR] [PROFILE] [RUNS]
//   MEDIA_DIR  where tests/fixtures/make-long-title.sh writes (default <build>/bench-media)
//   PROFILE    a shipped DVD profile file name (default iPod5_H264.plist, H.264 + AAC in MP4)
//   RUNS       rounds (default 5)

#include "builders/common/Argument.h"
#include "convert/driver/DNVideoConverter.h"
#include "hvvideocore/MEncoderTranslation.h"
#include "convert/engine/OutputReading.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNMainWindowSetting.h"
#include "core/settings/DNSetting.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/NXDVDUtilities.h"
#include "profiles/DNProfile.h"

#include "common/Median.h"
#include "common/SsimStats.h"
#include "common/RoadClock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>
#include <tuple>
#include <map>

#include <sys/stat.h>

namespace {

const int benchSeconds = 45;

struct Outcome
{
    double seconds = -1;
    double secondStep = 0; // the hand run's second step alone (0: none, or run beside the first)
    double reading = 0;    // the driver's output read to its end, as the driver checks it
    double outside = 0;    // the driver's time before its engines started and after their pass was done
    double processor = 0;  // processor seconds of the road, its engines included
    double load = -1;      // the machine's load average when it ended
    QString output;
};

QStringList toQt(const std::vector<std::string> &words)
{
    QStringList list;
    for (const std::string &word : words)
        list << QString::fromStdString(word);
    return list;
}

QString valueAfter(const QStringList &words, const QString &option)
{
    const qsizetype at = words.lastIndexOf(option);
    return at >= 0 && at + 1 < words.size() ? words.at(at + 1) : QString();
}

bool run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(-1))
        return false;
    const QByteArray text = process.readAll();
    if (output)
        *output = QString::fromUtf8(text);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program), text.right(2000).constData());
        return false;
    }
    return true;
}

DNDVDNodePtr loadTitle(const QString &source, const QString &profilePath)
{
    QString error;
    DNDVDNodePtr node = NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(source), &error);
    if (!node) {
        std::fprintf(stderr, "cannot load %s: %s\n", qPrintable(source), qPrintable(error));
        return nullptr;
    }
    node->setProfile(DNProfile::parserFromContentOfFile(profilePath));
    // The first benchSeconds of the title, given as an explicit part so that every road stops
    // at the same point (mencoder 1.5 does not always exit after the last frame of a title).
    if (const DNDVDTitlePtr title = node->titleAt(0); title && title->length() > 0) {
        title->setting()->setTrimEnable(true);
        title->setting()->setTrimStartPercent(0.0f);
        title->setting()->setTrimEndPercent(std::min(1.0f, float(benchSeconds) / float(title->length())));
    }
    return node;
}

VideoConvertOptions optionsFor(const QString &folder)
{
    VideoConvertOptions options = MakeVideoConvertOptions();
    // Plain title input: navigation input does not end at a title's end on these discs.
    options.useDVDNav = 0;
    options.safeMode = 1;
    options.engineSafeMode = 1;
    options.cpuCore = QThread::idealThreadCount();
    SetOptionText(options.outputDirectory, folder);
    return options;
}

// The builder's vector for the title, as the driver hands it to the companion.
struct Vector
{
    QStringList words;
    int endpos = 0;
    DNDVDNodePtr node;
};

Vector vectorFor(const QString &source, const QString &profilePath, const QString &folder)
{
    Vector v;
    v.node = loadTitle(source, profilePath);
    if (!v.node)
        return v;
    const QByteArray name = v.node->profile()->argvAssembler().toUtf8();
    const ArgvAssemblerFunction builder = ArgvAssemblerForName(name.constData());
    ArgumentPtr argument(builder ? builder(v.node.get(), 0, optionsFor(folder)) : nullptr);
    if (!ArgumentIsUsable(argument.get())) {
        std::fprintf(stderr, "no vector from %s\n", name.constData());
        return v;
    }
    v.words = ArgumentList(argument.get());
    v.endpos = argument->endpos;
    return v;
}

Outcome throughDriver(const QString &source, const QString &profilePath, const QString &folder)
{
    Outcome outcome;
    DNDVDNodePtr node = loadTitle(source, profilePath);
    if (!node)
        return outcome;
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(folder);
    DNSetting::shareSetting().mainWindowSetting()->setSafemode(true);
    DNSetting::shareSetting().mainWindowSetting()->setCpuCore(QThread::idealThreadCount());
    // The companion's log lines mark where its engines start and where its pass is done (its
    // engines ended and their output checked): the rest of the road is the driver's own.
    QElapsedTimer wall;
    std::atomic<qint64> enginesStarted{-1}, passDone{-1};
    DNLogger &log = DNLogger::shareRoughLog();
    const DNLogger::ListenerId listener = log.addListener([&](DNLogger::EntryKind, const QString &text) {
        qint64 unset = -1;
        if (text.contains(QLatin1String("hvvideocore: mencoder: ")) || text.contains(QLatin1String("hvvideocore: ffmpeg")))
            enginesStarted.compare_exchange_strong(unset, wall.nsecsElapsed());
        else if (text.contains(QLatin1String("hvvideocore: pass done")))
            passDone = wall.nsecsElapsed();
    });
    wall.start();
    const RoadClock clock;
    const int result = DNVideoConverterStart(node.get(), 0, nullptr, nullptr);
    const qint64 ended = wall.nsecsElapsed();
    log.removeListener(listener);
    if (enginesStarted >= 0 && passDone >= enginesStarted)
        outcome.outside = (enginesStarted + (ended - passDone)) / 1e9;
    if (result == 0) {
        outcome.seconds = clock.wallSeconds();
        outcome.processor = clock.processorSeconds();
        outcome.output = node->titleAt(0)->outputName();
        // The same reading the driver made of the output before it named it.
        QElapsedTimer reading;
        reading.start();
        if (!readOutputToEnd(QFile::encodeName(outcome.output).toStdString()).readable)
            std::fprintf(stderr, "the driver's output does not read to its end\n");
        outcome.reading = reading.nsecsElapsed() / 1e9;
    } else {
        std::fprintf(stderr, "the driver failed with %d\n", result);
    }
    return outcome;
}

// The same builder vector, planned as the MEncoder companion plans it, its mencoder and ffmpeg
// steps run by hand.
Outcome throughEngines(const QString &source, const QString &profilePath, const QString &folder)
{
    Outcome outcome;
    const Vector v = vectorFor(source, profilePath, folder);
    if (v.words.isEmpty())
        return outcome;
    std::vector<std::string> words;
    for (const QString &word : v.words)
        words.push_back(word.toStdString());

    const DNDVDTitlePtr title = v.node->titleAt(0);
    QTemporaryDir scratch;
    int scratchCount = 0;
    MEncoderEnvironment environment;
    environment.dvdTitle = [&](const std::string &, int) {
        MEncoderDvdTitle facts;
        facts.known = true;
        for (const DNDVDTAudioPtr &audio : title->audioTracks())
            facts.audioStreamIds.push_back(audio->audioID());
        facts.seconds = title->length();
        // As the companion reads the disc: the picture shape decides the scaled height.
        if (const DNDVDTVideoPtr video = title->selectedVideoTrack()) {
            const QSizeF aspect = video->videoAspect();
            if (aspect == QSizeF(16, 9))
                facts.displayAspect = "16:9";
            else if (aspect == QSizeF(4, 3))
                facts.displayAspect = "4:3";
        }
        return facts;
    };
    environment.inputFacts = [](const std::string &) { return MEncoderInputFacts(); };
    environment.processors = std::thread::hardware_concurrency();
    environment.temporaryPath = [&](const std::string &extension) {
        return (scratch.path() + QStringLiteral("/part%1").arg(++scratchCount)).toStdString() + extension;
    };
    const MEncoderPlan plan = planMEncoderPass(words, environment, v.endpos);
    if (!plan.error.empty()) {
        std::fprintf(stderr, "the vector cannot run: %s\n", plan.error.c_str());
        return outcome;
    }
    static bool shown = false;
    if (!std::exchange(shown, true))
        std::printf("by hand: mencoder %s\n         ffmpeg %s\n", qPrintable(toQt(plan.mencoder).join(QLatin1Char(' '))),
                    qPrintable(toQt(plan.ffmpeg).join(QLatin1Char(' '))));
    const RoadClock clock;
    if (!plan.streamPath.empty()) {
        // The plan overlaps the two: ffmpeg reads the FIFO while mencoder writes it.
        if (::mkfifo(plan.streamPath.c_str(), 0600) != 0)
            return outcome;
        QProcess reader;
        reader.setProcessChannelMode(QProcess::MergedChannels);
        reader.start(QStringLiteral("ffmpeg"), toQt(plan.ffmpeg));
        if (!reader.waitForStarted() || !run(QStringLiteral("mencoder"), toQt(plan.mencoder)))
            return outcome;
        if (!reader.waitForFinished(-1) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0) {
            std::fprintf(stderr, "ffmpeg failed:\n%s\n", reader.readAll().right(2000).constData());
            return outcome;
        }
        outcome.seconds = clock.wallSeconds();
        outcome.processor = clock.processorSeconds();
        outcome.output = QString::fromStdString(plan.output);
        return outcome;
    }
    if (!plan.mencoder.empty() && !run(QStringLiteral("mencoder"), toQt(plan.mencoder)))
        return outcome;
    const double first = clock.wallSeconds();
    if (!plan.ffmpeg.empty() && !run(QStringLiteral("ffmpeg"), toQt(plan.ffmpeg)))
        return outcome;
    outcome.seconds = clock.wallSeconds();
    outcome.processor = clock.processorSeconds();
    outcome.secondStep = plan.ffmpeg.empty() ? 0 : outcome.seconds - first;
    outcome.output = QString::fromStdString(plan.output);
    return outcome;
}

// mencoder's x264encopts as x264's own option names (HandBrakeCLI's -x): the words mencoder
// renamed, "noX" as X=0, a bare X as X=1; the rate control and the profile are given to
// HandBrakeCLI by its own options, the container's header is the muxer's. The level goes in -x
// as mencoder sets it: HandBrakeCLI's --encoder-level would also cut the reference frames and
// the rate to the level's limits, which mencoder leaves as the options say.
struct HandBrakeVideo
{
    QString encopts;
    QString bitrate;
    QString quality;
    QString profile;
};

HandBrakeVideo handBrakeVideoOf(const QString &x264encopts)
{
    static const std::map<QString, QString> renamed = {
        {QStringLiteral("frameref"), QStringLiteral("ref")},
        {QStringLiteral("subq"), QStringLiteral("subme")},
        {QStringLiteral("level_idc"), QStringLiteral("level")},
        {QStringLiteral("keyint_min"), QStringLiteral("min-keyint")},
        {QStringLiteral("vbv_maxrate"), QStringLiteral("vbv-maxrate")},
        {QStringLiteral("vbv_bufsize"), QStringLiteral("vbv-bufsize")},
    };
    HandBrakeVideo video;
    QStringList options;
    for (const QString &item : x264encopts.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        QString key = item.section(QLatin1Char('='), 0, 0);
        QString value = item.contains(QLatin1Char('=')) ? item.section(QLatin1Char('='), 1) : QStringLiteral("1");
        if (!item.contains(QLatin1Char('=')) && key.startsWith(QLatin1String("no"))) {
            key = key.mid(2);
            value = QStringLiteral("0");
        }
        if (const auto it = renamed.find(key); it != renamed.end())
            key = it->second;
        // mencoder takes the last rate-control word.
        if (key == QLatin1String("bitrate")) {
            video.bitrate = value;
            video.quality.clear();
        } else if (key == QLatin1String("crf")) {
            video.quality = value;
            video.bitrate.clear();
        } else if (key == QLatin1String("profile")) {
            video.profile = value;
        } else if (key != QLatin1String("global_header") && key != QLatin1String("sar")) {
            options << key + QLatin1Char('=') + value;
        }
    }
    video.encopts = options.join(QLatin1Char(':'));
    return video;
}

// HandBrakeCLI with the vector's x264 options, the driver output's frame size and the vector's
// audio bitrate, rate and channels; no filter, no crop.
Outcome throughHandBrake(const QString &source, const Vector &v, const QSize &size, const QString &folder)
{
    Outcome outcome;
    const HandBrakeVideo video = handBrakeVideoOf(valueAfter(v.words, QStringLiteral("-x264encopts")));
    QString audioBitrate = QStringLiteral("128");
    const QRegularExpression br(QStringLiteral("(?:^|:)(?:br|abitrate)=(\\d+)"));
    for (const QString &options : {valueAfter(v.words, QStringLiteral("-faacopts")), valueAfter(v.words, QStringLiteral("-lavcopts"))})
        if (const QRegularExpressionMatch m = br.match(options); m.hasMatch())
            audioBitrate = m.captured(1);
    const QString rate = valueAfter(v.words, QStringLiteral("-srate"));
    const QString output = folder + QStringLiteral("/handbrake.mp4");
    QStringList arguments = {QStringLiteral("-i"), source, QStringLiteral("-t"), QStringLiteral("1"),
                             QStringLiteral("--start-at"), QStringLiteral("duration:0"), QStringLiteral("--stop-at"),
                             QStringLiteral("duration:%1").arg(benchSeconds), QStringLiteral("-e"),
                             QStringLiteral("x264"), QStringLiteral("-x"), video.encopts};
    if (!video.bitrate.isEmpty())
        arguments << QStringLiteral("-b") << video.bitrate;
    else if (!video.quality.isEmpty())
        arguments << QStringLiteral("-q") << video.quality;
    if (!video.profile.isEmpty())
        arguments << QStringLiteral("--encoder-profile") << video.profile;
    arguments << QStringLiteral("-w") << QString::number(size.width()) << QStringLiteral("-l")
              << QString::number(size.height()) << QStringLiteral("--custom-anamorphic")
              << QStringLiteral("--pixel-aspect") << QStringLiteral("1:1") << QStringLiteral("--crop")
              << QStringLiteral("0:0:0:0");
    for (const char *off : {"--no-comb-detect", "--no-deinterlace", "--no-decomb", "--no-detelecine", "--no-hqdn",
                            "--no-nlmeans", "--no-chroma-smooth", "--no-unsharp", "--no-lapsharp", "--no-deblock"})
        arguments << QString::fromLatin1(off);
    arguments << QStringLiteral("-a") << QStringLiteral("1") << QStringLiteral("-E") << QStringLiteral("av_aac")
              << QStringLiteral("-B") << audioBitrate << QStringLiteral("-6")
              << (valueAfter(v.words, QStringLiteral("-channels")) == QLatin1String("1") ? QStringLiteral("mono")
                                                                                          : QStringLiteral("stereo"));
    if (!rate.isEmpty())
        arguments << QStringLiteral("-R") << QString::number(rate.toDouble() / 1000.0);
    arguments << QStringLiteral("-o") << output;
    static bool shown = false;
    if (!std::exchange(shown, true))
        std::printf("HandBrakeCLI %s\n", qPrintable(arguments.join(QLatin1Char(' '))));
    const RoadClock clock;
    if (!run(QStringLiteral("HandBrakeCLI"), arguments))
        return outcome;
    outcome.seconds = clock.wallSeconds();
    outcome.processor = clock.processorSeconds();
    outcome.output = output;
    return outcome;
}

QSize videoSize(const QString &file)
{
    QString text;
    if (!run(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                                         QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                                         QStringLiteral("stream=width,height"), QStringLiteral("-of"),
                                         QStringLiteral("csv=p=0"), file},
             &text))
        return {};
    const QStringList size = text.trimmed().split(QLatin1Char(','));
    return size.size() == 2 ? QSize(size.at(0).toInt(), size.at(1).toInt()) : QSize();
}

// The SSIM of each of the output's frames against the source, both scaled to the output's picture
// size and compared from their first frames (the VOB's clock does not start at 0), with the
// output's frames moved by offset: frame n of the output against frame n - offset of the source.
std::vector<double> ssimPerFrame(const QString &output, const QString &sourceVob, int offset)
{
    const QSize size = videoSize(output);
    QTemporaryDir folder;
    const QString stats = folder.filePath(QStringLiteral("ssim.txt"));
    if (size.isEmpty())
        return {};
    const QString shift = offset > 0 ? QStringLiteral("trim=start_frame=%1,").arg(offset) : QString();
    const QString sourceShift = offset < 0 ? QStringLiteral("trim=start_frame=%1,").arg(-offset) : QString();
    const QString filter = QStringLiteral("[0:v]%3setpts=PTS-STARTPTS,scale=%1:%2,setsar=1[a];"
                                          "[1:v]%4setpts=PTS-STARTPTS,scale=%1:%2,setsar=1[b];"
                                          "[a][b]ssim=shortest=1:stats_file='%5'")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(shift, sourceShift, stats);
    if (!run(QStringLiteral("ffmpeg"), {QStringLiteral("-hide_banner"), QStringLiteral("-i"), output, QStringLiteral("-i"),
                                        sourceVob, QStringLiteral("-lavfi"), filter, QStringLiteral("-f"),
                                        QStringLiteral("null"), QStringLiteral("-")}))
        return {};
    return readSsimStats(stats);
}

struct AlignedSsim
{
    double ssim = -1;
    int fewestExtra = 0;  // the range of frame offsets the windows took
    int mostExtra = 0;
};

// The mean SSIM when each window of a second of pictures is compared at the frame offset that
// matches it best: a road that repeats or drops a frame somewhere (mencoder's NTSC output drifts
// by one now and then) is scored on its pictures, not on where its frames fall.
AlignedSsim alignedSsim(const QString &output, const QString &sourceVob)
{
    constexpr int kMostOffset = 3;
    constexpr size_t kWindow = 25;
    std::vector<std::vector<double>> byOffset;
    for (int offset = -kMostOffset; offset <= kMostOffset; ++offset)
        byOffset.push_back(ssimPerFrame(output, sourceVob, offset));
    size_t frames = SIZE_MAX;
    for (const std::vector<double> &values : byOffset)
        frames = std::min(frames, values.size());
    AlignedSsim result;
    if (frames == 0 || frames == SIZE_MAX)
        return result;
    double sum = 0;
    result.fewestExtra = kMostOffset;
    result.mostExtra = -kMostOffset;
    for (size_t start = 0; start < frames; start += kWindow) {
        const size_t end = std::min(frames, start + kWindow);
        double best = -1;
        int bestOffset = 0;
        for (size_t i = 0; i < byOffset.size(); ++i) {
            double windowSum = 0;
            for (size_t f = start; f < end; ++f)
                windowSum += byOffset[i][f];
            if (windowSum > best) {
                best = windowSum;
                bestOffset = int(i) - kMostOffset;
            }
        }
        sum += best;
        result.fewestExtra = std::min(result.fewestExtra, bestOffset);
        result.mostExtra = std::max(result.mostExtra, bestOffset);
    }
    result.ssim = sum / double(frames);
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    // The driver reads and stores the settings: a home of the benchmark's own keeps the user's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString mediaDir = arguments.value(0, QStringLiteral(TALVANE_BUILD_DIR "/bench-media"));
    const QString profileFile = arguments.value(1, QStringLiteral("iPod5_H264.plist"));
    const int runs = std::max(1, arguments.value(2, QStringLiteral("5")).toInt());
    const QString profilePath = QFileInfo(profileFile).isFile()
                                    ? profileFile
                                    : DNBundle::pathForResource(QStringLiteral("profiles/DVD/") + profileFile);
    if (!QFileInfo(profilePath).isFile()) {
        std::fprintf(stderr, "no profile %s\n", qPrintable(profileFile));
        return 1;
    }
    if (!run(QStringLiteral("bash"), {QStringLiteral(TALVANE_SOURCE_DIR "/tests/fixtures/make-long-title.sh"), mediaDir}))
        return 1;
    const QString source = mediaDir + QStringLiteral("/dvd/long");
    const QString sourceVob = source + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB");

    QTemporaryDir scratch;
    const Vector vector = vectorFor(source, profilePath, scratch.path());
    if (vector.words.isEmpty())
        return 1;
    std::printf("profile %s, source %s: first %d s of its 60 s PAL title, %d rounds\n", qPrintable(profileFile),
                qPrintable(source), benchSeconds, runs);
    std::printf("vector: %s\n", qPrintable(vector.words.join(QLatin1Char(' '))));

    enum Road { Driver, Direct, HandBrake, RoadCount };
    const char *names[RoadCount] = {"driver", "engines direct", "HandBrakeCLI"};
    std::vector<Outcome> outcomes[RoadCount];
    AlignedSsim ssim[RoadCount];
    // HandBrakeCLI is given the driver's frame size: one driver run, not counted, tells it (and
    // warms the caches for every road alike).
    QSize size;
    {
        QTemporaryDir folder;
        const Outcome first = throughDriver(source, profilePath, folder.path());
        size = first.seconds < 0 ? QSize() : videoSize(first.output);
        if (size.isEmpty()) {
            std::printf("the driver's first run failed\n");
            return 1;
        }
    }
    std::printf("%-16s %4s %9s %11s %9s %11s %10s\n", "road", "run", "seconds", "processor s", "load avg", "2nd step s",
                "outside s");
    for (int round = 0; round < runs; ++round) {
        // Each round begins with another road, so that none always runs on a cold or warm cache.
        for (int i = 0; i < RoadCount; ++i) {
            const Road road = Road((round + i) % RoadCount);
            QTemporaryDir folder;
            Outcome outcome;
            if (road == Driver)
                outcome = throughDriver(source, profilePath, folder.path());
            else if (road == Direct)
                outcome = throughEngines(source, profilePath, folder.path());
            else
                outcome = throughHandBrake(source, vector, size, folder.path());
            if (outcome.seconds < 0) {
                std::printf("%-16s %4d %9s\n", names[road], round + 1, "failed");
                return 1;
            }
            outcome.load = loadAverage();
            if (ssim[road].ssim < 0)
                ssim[road] = alignedSsim(outcome.output, sourceVob);
            outcomes[road].push_back(outcome);
            std::printf("%-16s %4d %9.2f %11.2f %9.2f %11.2f %10.3f\n", names[road], round + 1, outcome.seconds,
                        outcome.processor, outcome.load, outcome.secondStep, outcome.outside);
            std::fflush(stdout);
        }
    }

    // Medians of each road, and of the ratios within a round: the roads of one round ran under the
    // same load, so a paired ratio is steadier than a ratio of medians.
    const auto medianOf = [&](int road, double Outcome::*field) {
        std::vector<double> values;
        for (const Outcome &o : outcomes[road])
            values.push_back(o.*field);
        return median(values);
    };
    const auto pairedRatio = [&](int road, int other) {
        std::vector<double> ratios;
        for (int r = 0; r < runs; ++r)
            ratios.push_back(outcomes[road][size_t(r)].seconds / outcomes[other][size_t(r)].seconds);
        return median(ratios);
    };
    std::vector<double> shares;
    for (const Outcome &o : outcomes[Direct])
        shares.push_back(o.secondStep / o.seconds);
    std::printf("\nmedians of %d rounds (ratios: the median of each round's ratio)\n"
                "%-16s %9s %11s %9s %10s %12s %8s %13s\n",
                runs, "road", "seconds", "processor s", "load avg", "vs direct", "vs HandBrake", "SSIM", "extra frames");
    for (int road = 0; road < RoadCount; ++road)
        std::printf("%-16s %9.2f %11.2f %9.2f %10.3f %12.3f %8.4f %7d..%-5d\n", names[road],
                    medianOf(road, &Outcome::seconds), medianOf(road, &Outcome::processor),
                    medianOf(road, &Outcome::load), pairedRatio(road, Direct), pairedRatio(road, HandBrake),
                    ssim[road].ssim, ssim[road].fewestExtra, ssim[road].mostExtra);
    std::printf("second step of a hand run: %.1f %% of its time%s\n", median(shares) * 100,
                median(shares) == 0 ? " (none after the first, or run beside it)" : "");
    std::printf("SSIM driver - HandBrakeCLI: %+.4f\n", ssim[Driver].ssim - ssim[HandBrake].ssim);
    const double reading = medianOf(Driver, &Outcome::reading);
    std::printf("the driver's check of its output (read to its end): %.3f s, %.2f %% of its pass\n", reading,
                reading / medianOf(Driver, &Outcome::seconds) * 100);
    const double outside = medianOf(Driver, &Outcome::outside);
    std::printf("the driver outside its engines (before they start, after the companion's pass is done): %.3f s, "
                "%.2f %% of its pass\n",
                outside, outside / medianOf(Driver, &Outcome::seconds) * 100);
    return 0;
}
