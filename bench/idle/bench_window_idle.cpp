// The program left alone with a window open, as a user leaves it: the processor time the
// program and every engine it runs use while nobody touches anything, as a share of one core.
// Each run is a fresh process (this program started again with --run) that opens the main
// window and the window asked for, lets it settle, and then measures it untouched.
//
// usage: talvane-bench-idle [WINDOW] [SECONDS] [RUNS]
//   WINDOW   slideshow-editor: the slideshow editor on a slideshow of 12 camera photos, as Edit
//            opens it (default)
//   SECONDS  how long it is left alone (default 30)
//   RUNS     fresh processes (default 3)
// The window is drawn on the X display of DISPLAY when one is set (as a user sees it; run under
// tests/support/with-display.sh for a display of its own), else offscreen.

#include "common/Median.h"
#include "common/ProcessTree.h"
#include "common/RunMeasure.h"

#include "app/DNMainInterface.h"
#include "core/util/DNSystemActions.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "ui/mainwindow/DNWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <functional>

namespace {

constexpr int kSettleMs = 5000;
constexpr int kPhotos = 12;

// Processor time of this process, of the children it waited for, and of those still running.
double treeCpuSeconds()
{
    double seconds = usageSeconds(RUSAGE_SELF) + childrenCpuSeconds();
    for (pid_t pid : processtree::descendants(::getpid()))
        seconds += processtree::cpuSeconds(pid);
    return seconds;
}

struct Window
{
    const char *name;
    // Opens the window over the main interface; false when it cannot.
    std::function<bool(DNMainInterface &shell, const QString &media)> open;
};

const Window kWindows[] = {
    {"slideshow-editor",
     [](DNMainInterface &shell, const QString &media) {
         const std::atomic_bool never{false};
         const DNGraphicsNodePtr node = DNGraphicsNode::graphicsNodeWithDirs({media + QStringLiteral("/idle-photos")}, &never);
         if (!node)
             return false;
         shell.controller.openEditorForNode(node, 0);
         return true;
     }},
};

const Window *windowNamed(const QString &name)
{
    for (const Window &window : kWindows)
        if (name == QLatin1String(window.name))
            return &window;
    return nullptr;
}

// One run, in this process: prints "settle-cpu idle-cpu idle-wall".
int runOnce(int argc, char **argv, const Window &window, const QString &media, int seconds)
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Harnvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane"));
    DNSetOpenHandler([](const QString &) { return true; });
    std::unique_ptr<DNMainInterface> shell = DNLoadMainInterface();
    shell->ui.window->show();
    if (!shell->delegate.applicationDidFinishLaunching() || !window.open(*shell, media))
        return 1;
    const double opened = treeCpuSeconds();
    double settled = 0, idle = 0, idleWall = 0;
    QElapsedTimer clock;
    QTimer::singleShot(kSettleMs, [&] {
        settled = treeCpuSeconds();
        clock.start();
        QTimer::singleShot(seconds * 1000, [&] {
            idle = treeCpuSeconds() - settled;
            idleWall = clock.elapsed() / 1000.0;
            QCoreApplication::quit();
        });
    });
    QApplication::exec();
    std::printf("%.3f %.3f %.3f\n", settled - opened, idle, idleWall);
    std::fflush(stdout);
    std::_Exit(0);
}

bool makePhotos(const QString &folder)
{
    QDir().mkpath(folder);
    for (int i = 0; i < kPhotos; ++i) {
        const QString path = QStringLiteral("%1/photo%2.jpg").arg(folder).arg(i, 2, 10, QLatin1Char('0'));
        if (QFile::exists(path))
            continue;
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"),
                     {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                      QStringLiteral("testsrc2=size=4000x3000:rate=1,hue=h=%1,noise=alls=12:allf=t").arg(i * 30),
                      "-frames:v", "1", "-q:v", "3", path});
        if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitCode() != 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const QString media = QStringLiteral(TALVANE_BUILD_DIR "/bench-media");
    if (argc >= 4 && QByteArray(argv[1]) == "--run") {
        const Window *window = windowNamed(QString::fromLocal8Bit(argv[2]));
        return window ? runOnce(argc, argv, *window, media, std::max(1, atoi(argv[3]))) : 1;
    }
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString name = arguments.value(0, QStringLiteral("slideshow-editor"));
    const int seconds = std::max(1, arguments.value(1, QStringLiteral("30")).toInt());
    const int runs = std::max(1, arguments.value(2, QStringLiteral("3")).toInt());
    if (!windowNamed(name)) {
        std::fprintf(stderr, "no window %s; known: slideshow-editor\n", qPrintable(name));
        return 1;
    }
    if (!makePhotos(media + QStringLiteral("/idle-photos")))
        return 1;
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY");
    std::printf("%s left alone for %d s after %d s to settle, %d runs, drawn %s\n", qPrintable(name), seconds,
                kSettleMs / 1000, runs, display ? "on the X display" : "offscreen");
    std::printf("%4s %10s %10s %9s %6s %6s\n", "run", "settle s", "idle cpu s", "% core", "load0", "load1");
    std::vector<double> shares;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir home;
        QProcessEnvironment environment = benchEnvironment(home.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), display ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
        const RunFigures figures = measureRun(QCoreApplication::applicationFilePath(),
                                              {QStringLiteral("--run"), name, QString::number(seconds)}, environment);
        const QStringList words = QString::fromUtf8(figures.output).trimmed().split(QLatin1Char(' '));
        if (!figures.ok || words.size() != 3) {
            std::fprintf(stderr, "run %d failed:\n%s\n", run + 1, figures.errors.right(3000).constData());
            return 1;
        }
        const double share = 100.0 * words[1].toDouble() / words[2].toDouble();
        shares.push_back(share);
        std::printf("%4d %10.2f %10.3f %9.2f %6.2f %6.2f\n", run + 1, words[0].toDouble(), words[1].toDouble(), share,
                    figures.loadBefore, figures.loadAfter);
        std::fflush(stdout);
    }
    std::printf("%4s %10s %10s %9.2f\n", "med", "", "", median(shares));
    return 0;
}
