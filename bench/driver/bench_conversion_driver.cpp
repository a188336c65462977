// Converts the long fixture title three ways and compares them: through the conversion driver,
// through the engine commands the driver's MEncoder companion runs for the same vector (run
// directly, without the driver, bridge or companion), and through HandBrakeCLI with matched
// settings. Prints the wall-clock times, their ratios to the direct run, and each output's SSIM
// against the source title.
//
// usage: talvane-bench-driver [MEDIA_DIR] [PROFILE]
//   MEDIA_DIR  where tests/fixtures/make-long-title.sh writes (default <build>/bench-media)
//   PROFILE    a shipped DVD profile file name (default iPod5_H264.plist, H.264 + AAC in MP4)

#include "builders/common/Argument.h"
#include "convert/driver/DNVideoConverter.h"
#include "convert/engine/MEncoderTranslation.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "core/platform/DNBundle.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNMainWindowSetting.h"
#include "core/settings/DNSetting.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/NXDVDUtilities.h"
#include "profiles/DNProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const int benchSeconds = 45;

struct Outcome
{
    QString name;
    double seconds = -1;
    QString output;
    double ssim = -1;
};

QStringList toQt(const std::vector<std::string> &words)
{
    QStringList list;
    for (const std::string &word : words)
        list << QString::fromStdString(word);
    return list;
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

Outcome throughDriver(const QString &source, const QString &profilePath, const QString &folder)
{
    Outcome outcome;
    outcome.name = QStringLiteral("driver");
    DNDVDNodePtr node = loadTitle(source, profilePath);
    if (!node)
        return outcome;
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(folder);
    DNSetting::shareSetting().mainWindowSetting()->setSafemode(true);
    DNSetting::shareSetting().mainWindowSetting()->setCpuCore(QThread::idealThreadCount());
    QElapsedTimer clock;
    clock.start();
    const int result = DNVideoConverterStart(node.get(), 0, nullptr, nullptr);
    if (result == 0) {
        outcome.seconds = clock.elapsed() / 1000.0;
        outcome.output = node->titleAt(0)->outputName();
    } else {
        std::fprintf(stderr, "the driver failed with %d\n", result);
    }
    return outcome;
}

// The same builder vector, planned as the MEncoder companion plans it, its mencoder and ffmpeg
// steps run directly.
Outcome throughEngines(const QString &source, const QString &profilePath, const QString &folder)
{
    Outcome outcome;
    outcome.name = QStringLiteral("engines direct");
    DNDVDNodePtr node = loadTitle(source, profilePath);
    if (!node)
        return outcome;
    const QByteArray name = node->profile()->argvAssembler().toUtf8();
    const ArgvAssemblerFunction builder = ArgvAssemblerForName(name.constData());
    ArgumentPtr argument(builder ? builder(node.get(), 0, optionsFor(folder)) : nullptr);
    if (!ArgumentIsUsable(argument.get())) {
        std::fprintf(stderr, "no vector from %s\n", name.constData());
        return outcome;
    }
    std::vector<std::string> words;
    for (const QString &word : ArgumentList(argument.get()))
        words.push_back(word.toStdString());

    const DNDVDTitlePtr title = node->titleAt(0);
    QTemporaryDir scratch;
    int scratchCount = 0;
    MEncoderEnvironment environment;
    environment.dvdTitle = [&](const std::string &, int) {
        MEncoderDvdTitle facts;
        facts.known = true;
        for (const DNDVDTAudioPtr &audio : title->audioTracks())
            facts.audioStreamIds.push_back(audio->audioID());
        facts.seconds = title->length();
        return facts;
    };
    environment.inputFacts = [](const std::string &) { return MEncoderInputFacts(); };
    environment.temporaryPath = [&](const std::string &extension) {
        return (scratch.path() + QStringLiteral("/part%1").arg(++scratchCount)).toStdString() + extension;
    };
    const MEncoderPlan plan = planMEncoderPass(words, environment, argument->endpos);
    if (!plan.error.empty()) {
        std::fprintf(stderr, "the vector cannot run: %s\n", plan.error.c_str());
        return outcome;
    }
    QElapsedTimer clock;
    clock.start();
    if (!plan.mencoder.empty() && !run(QStringLiteral("mencoder"), toQt(plan.mencoder)))
        return outcome;
    if (!plan.ffmpeg.empty() && !run(QStringLiteral("ffmpeg"), toQt(plan.ffmpeg)))
        return outcome;
    outcome.seconds = clock.elapsed() / 1000.0;
    outcome.output = QString::fromStdString(plan.output);
    return outcome;
}

// HandBrakeCLI with the profile's size, bitrates and codecs.
Outcome throughHandBrake(const QString &source, const QString &profilePath, const QString &folder)
{
    Outcome outcome;
    outcome.name = QStringLiteral("HandBrakeCLI");
    const auto profile = DNProfile::parserFromContentOfFile(profilePath);
    const QSizeF size = profile->videoResultion();
    const QString videoBitrate = profile->videoQuality() ? profile->videoQuality()->currentValue() : QStringLiteral("1500");
    const QString audioBitrate = profile->audioQuality() ? profile->audioQuality()->currentValue() : QStringLiteral("128");
    const QString output = folder + QStringLiteral("/handbrake.") + profile->fileNameSuffix();
    const QStringList arguments = {
        QStringLiteral("-i"), source, QStringLiteral("-t"), QStringLiteral("1"),
        QStringLiteral("-e"), QStringLiteral("x264"), QStringLiteral("-b"), videoBitrate,
        QStringLiteral("-w"), QString::number(int(size.width())), QStringLiteral("-l"), QString::number(int(size.height())),
        QStringLiteral("--custom-anamorphic"), QStringLiteral("--pixel-aspect"), QStringLiteral("1:1"),
        QStringLiteral("-E"), QStringLiteral("av_aac"), QStringLiteral("-B"), audioBitrate,
        QStringLiteral("-a"), QStringLiteral("1"), QStringLiteral("--stop-at"),
        QStringLiteral("duration:%1").arg(benchSeconds), QStringLiteral("-o"), output};
    QElapsedTimer clock;
    clock.start();
    if (!run(QStringLiteral("HandBrakeCLI"), arguments))
        return outcome;
    outcome.seconds = clock.elapsed() / 1000.0;
    outcome.output = output;
    return outcome;
}

// Mean SSIM of output against the source, both scaled to the output's picture size.
double ssimAgainstSource(const QString &output, const QString &sourceVob)
{
    QString text;
    if (!run(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                                         QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                                         QStringLiteral("stream=width,height"), QStringLiteral("-of"),
                                         QStringLiteral("csv=p=0"), output},
             &text))
        return -1;
    const QStringList size = text.trimmed().split(QLatin1Char(','));
    if (size.size() != 2)
        return -1;
    const QString filter = QStringLiteral("[0:v]scale=%1:%2,setsar=1[a];[1:v]scale=%1:%2,setsar=1[b];[a][b]ssim=shortest=1")
                               .arg(size.at(0), size.at(1));
    if (!run(QStringLiteral("ffmpeg"), {QStringLiteral("-hide_banner"), QStringLiteral("-i"), output, QStringLiteral("-i"),
                                        sourceVob, QStringLiteral("-lavfi"), filter, QStringLiteral("-f"),
                                        QStringLiteral("null"), QStringLiteral("-")},
             &text))
        return -1;
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("All:([0-9.]+)")).match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString mediaDir = arguments.value(0, QStringLiteral(TALVANE_BUILD_DIR "/bench-media"));
    const QString profileFile = arguments.value(1, QStringLiteral("iPod5_H264.plist"));
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

    QTemporaryDir driverOut, directOut, handbrakeOut;
    std::vector<Outcome> outcomes = {throughDriver(source, profilePath, driverOut.path()),
                                     throughEngines(source, profilePath, directOut.path()),
                                     throughHandBrake(source, profilePath, handbrakeOut.path())};
    for (Outcome &outcome : outcomes)
        if (!outcome.output.isEmpty())
            outcome.ssim = ssimAgainstSource(outcome.output, sourceVob);

    const double direct = outcomes[1].seconds;
    std::printf("profile %s, source %s: first %d s of its 60 s PAL title\n", qPrintable(profileFile),
                qPrintable(source), benchSeconds);
    std::printf("%-16s %10s %12s %8s\n", "road", "seconds", "vs direct", "SSIM");
    bool ok = true;
    for (const Outcome &outcome : outcomes) {
        if (outcome.seconds < 0) {
            std::printf("%-16s %10s\n", qPrintable(outcome.name), "failed");
            ok = false;
            continue;
        }
        std::printf("%-16s %10.2f %12s %8.4f\n", qPrintable(outcome.name), outcome.seconds,
                    direct > 0 ? qPrintable(QString::number(outcome.seconds / direct, 'f', 3)) : "-", outcome.ssim);
    }
    return ok ? 0 : 1;
}
