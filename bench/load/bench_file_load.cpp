// 200 files given to the program at start, as main() starts it: how long until every one is a
// row of the list, until every row has its thumbnail, how long the window's thread was ever kept
// from answering, and the memory it took. Each run is a fresh process (this program started
// again with --run), so no run inherits another's loaded library, queue or cache.
//
// usage: talvane-bench-load [MEDIA_DIR] [RUNS] [OTHER_BENCH]
//   MEDIA_DIR    where tests/fixtures/make-many-files.sh writes (default <build>/bench-media)
//   RUNS         runs of each program (default 5)
//   OTHER_BENCH  the same benchmark built from another commit: runs alternate between the two
//                and the ratios of their medians are printed

#include "app/DNMainInterface.h"
#include "core/util/DNSystemActions.h"
#include "dvd/file/DNFileNode.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/medialist/DNCell.h"
#include "ui/medialist/NXMediaTableView.h"

#include "common/Median.h"
#include "common/ProcessTree.h"
#include "common/RunMeasure.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

const int kFiles = 200;
const int kGiveUpMs = 300000;

struct Figures
{
    double listSeconds = -1;   // every file is a row
    double thumbSeconds = -1;  // every row has its thumbnail
    double longestStallMs = 0; // the longest time the window's thread did not serve its events
    double peakMB = 0;         // the program's resident memory at its peak
    double childPeakMB = 0;    // the largest engine process it started, at its peak
    double cpuSeconds = -1;    // processor time of the program itself (its engines not counted)
    double engineCpuSeconds = -1; // processor time of the engines it started
    double loadAverage = -1;   // the machine's one-minute load average when the run ended
};

// One run, in this process: prints "list thumbs stall peak childpeak cpu".
int runOnce(int argc, char **argv, const QString &mediaDir)
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Harnvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane"));
    // A first run opens the start page; here that only happens on paper.
    DNSetOpenHandler([](const QString &) { return true; });

    QStringList paths;
    const QDir folder(mediaDir + QStringLiteral("/many"));
    for (const QString &name : folder.entryList({QStringLiteral("movie-*")}, QDir::Files, QDir::Name))
        if (!name.endsWith(QLatin1String(".srt")))
            paths << folder.filePath(name);
    if (paths.size() != kFiles) {
        std::fprintf(stderr, "%s holds %d clips, not %d\n", qPrintable(folder.path()), int(paths.size()), kFiles);
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<DNMainInterface> shell = DNLoadMainInterface();
    shell->delegate.openFiles(paths);
    shell->ui.window->show();
    if (!shell->delegate.applicationDidFinishLaunching())
        return 1;

    Figures figures;
    // A timer due every 10 ms: the gaps between its ticks are how long the thread was away.
    qint64 lastTick = clock.elapsed();
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        figures.longestStallMs = std::max(figures.longestStallMs, double(now - lastTick));
        lastTick = now;
    });
    heartbeat.start(10);

    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        // An engine's own peak: the accounting of finished children would give the program's
        // size instead, since each child begins as a copy of it before it becomes the engine.
        for (pid_t engine : processtree::descendants(::getpid()))
            figures.childPeakMB = std::max(figures.childPeakMB, processtree::peakResidentMB(engine));
        const NXMediaNodeList &entries = *shell->controller.mediaFiles;
        int rows = 0;
        int thumbnails = 0;
        for (const NXMediaNodePtr &entry : entries) {
            rows += DNCell::cellOfNode(entry.get()) != nullptr;
            if (auto file = std::dynamic_pointer_cast<DNFileNode>(entry))
                thumbnails += !file->thumbnail().isNull();
        }
        const double seconds = clock.elapsed() / 1000.0;
        if (figures.listSeconds < 0 && rows == kFiles)
            figures.listSeconds = seconds;
        if (figures.thumbSeconds < 0 && thumbnails == kFiles)
            figures.thumbSeconds = seconds;
        if ((figures.listSeconds >= 0 && figures.thumbSeconds >= 0) || clock.elapsed() > kGiveUpMs)
            QCoreApplication::quit();
    });
    watch.start(50);
    QApplication::exec();

    figures.peakMB = processtree::peakResidentMB(::getpid());
    figures.engineCpuSeconds = childrenCpuSeconds();
    for (pid_t engine : processtree::descendants(::getpid()))
        figures.engineCpuSeconds += processtree::cpuSeconds(engine);
    figures.cpuSeconds = usageSeconds(RUSAGE_SELF);
    std::printf("%.3f %.3f %.1f %.1f %.1f %.2f %.2f\n", figures.listSeconds, figures.thumbSeconds,
                figures.longestStallMs, figures.peakMB, figures.childPeakMB, figures.cpuSeconds, figures.engineCpuSeconds);
    std::fflush(stdout);
    // The capture queue and the list go down with the process; nothing here needs tearing down.
    std::_Exit(0);
}

// Starts one run of program in a fresh home and reads its figures.
bool runChild(const QString &program, const QString &mediaDir, Figures &figures)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // With an X display at hand the offscreen platform takes OpenGL from it, which the preview's
    // OpenGL view cannot use ("QOpenGLWidget is not supported on this platform"); without one it
    // draws as it does in the tests.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("TMPDIR"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {QStringLiteral("--run"), mediaDir});
    if (!process.waitForFinished(kGiveUpMs + 60000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        return false;
    }
    const QStringList words = QString::fromUtf8(process.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
    // A build from before the processor time was measured prints one figure less.
    if (words.size() < 5)
        return false;
    figures = {words[0].toDouble(), words[1].toDouble(), words[2].toDouble(), words[3].toDouble(),
               words[4].toDouble(), words.value(5, QStringLiteral("-1")).toDouble(),
               words.value(6, QStringLiteral("-1")).toDouble(), loadAverage()};
    return true;
}

struct Column
{
    const char *name;
    double Figures::*field;
};
const Column kColumns[] = {{"list s", &Figures::listSeconds},
                           {"thumbs s", &Figures::thumbSeconds},
                           {"stall ms", &Figures::longestStallMs},
                           {"peak MB", &Figures::peakMB},
                           {"engine MB", &Figures::childPeakMB},
                           {"cpu s", &Figures::cpuSeconds},
                           {"engine cpu", &Figures::engineCpuSeconds},
                           {"load", &Figures::loadAverage}};

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--run")
        return runOnce(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString mediaDir = arguments.value(0, QStringLiteral(TALVANE_BUILD_DIR "/bench-media"));
    const int runs = std::max(1, arguments.value(1, QStringLiteral("5")).toInt());
    QStringList programs = {QCoreApplication::applicationFilePath()};
    if (arguments.size() > 2)
        programs << arguments.at(2);
    QProcess make;
    make.setProcessChannelMode(QProcess::ForwardedChannels);
    make.start(QStringLiteral("bash"), {QStringLiteral(TALVANE_SOURCE_DIR "/tests/fixtures/make-many-files.sh"), mediaDir});
    if (!make.waitForFinished(-1) || make.exitCode() != 0)
        return 1;

    std::map<QString, std::vector<Figures>> results;
    std::printf("%d files given at start, %d runs each, alternating\n", kFiles, runs);
    std::printf("%-10s %4s", "program", "run");
    for (const Column &c : kColumns)
        std::printf(" %10s", c.name);
    std::printf("\n");
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < programs.size(); ++p) {
            Figures figures;
            if (!runChild(programs[p], mediaDir, figures))
                return 1;
            results[programs[p]].push_back(figures);
            std::printf("%-10s %4d", p == 0 ? "this" : "other", run + 1);
            for (const Column &c : kColumns)
                std::printf(" %10.2f", figures.*c.field);
            std::printf("\n");
            std::fflush(stdout);
        }
    }
    std::vector<std::vector<double>> medians(programs.size());
    for (int p = 0; p < programs.size(); ++p) {
        std::printf("%-10s %4s", p == 0 ? "this" : "other", "med");
        for (const Column &c : kColumns) {
            std::vector<double> values;
            for (const Figures &f : results[programs[p]])
                values.push_back(f.*c.field);
            medians[p].push_back(median(values));
            std::printf(" %10.2f", medians[p].back());
        }
        std::printf("\n");
    }
    if (programs.size() > 1) {
        std::printf("%-10s %4s", "this/other", "");
        for (size_t i = 0; i < std::size(kColumns); ++i)
            std::printf(" %10.3f", medians[1][i] > 0 ? medians[0][i] / medians[1][i] : 0.0);
        std::printf("\n");
    }
    return 0;
}
