// What the screen recorder window costs while nobody touches it: the window open on a display of
// its own (Xvfb, 1920x1080), its live picture up, then left alone. Per run it prints the processor
// time of the program, of the engines it started and of the X server over the quiet seconds, as
// a share of one core, with the pictures its live view fetched and the machine's load average;
// then the same with a small square elsewhere on the screen changing colour 30 times a second
// (what the live picture costs while there is something to show).
//
// usage: talvane-bench-recorder [SECONDS] [RUNS]
//   SECONDS  how long each run leaves the window alone (default 30)
//   RUNS     fresh windows, one after the other (default 3)

#include "convert/capture/DNScreenPreview.h"
#include "convert/capture/DNScreenRecorder.h"
#include "core/util/DNSystemActions.h"
#include "ui/recorder/DNCapturePreviewView.h"
#include "ui/recorder/DNSRWindowController.h"
#include "ui/recorder/DNToolWindow.h"

#include "common/Median.h"
#include "common/ProcessorTime.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QSize kScreen(1920, 1080);

double clockTicks()
{
    static const double ticks = double(::sysconf(_SC_CLK_TCK));
    return ticks;
}

// The fields of /proc/PID/stat after the command name (which may hold blanks and parentheses),
// from the state on; empty when the process is gone.
QList<QByteArray> statFields(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2).split(' ');
}

// Processor seconds of a process (user and system); -1 when it is gone.
double processSeconds(qint64 pid)
{
    const QList<QByteArray> fields = statFields(pid);
    if (fields.size() < 13)
        return -1;
    return (fields[11].toDouble() + fields[12].toDouble()) / clockTicks();
}


// The processes this one started and still runs (its engines; not the X server), with their
// processor seconds.
std::map<qint64, double> engines(qint64 serverPid)
{
    std::map<qint64, double> found;
    const qint64 self = QCoreApplication::applicationPid();
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok || pid == serverPid)
            continue;
        const QList<QByteArray> fields = statFields(pid);
        if (fields.size() > 1 && fields[1].toLongLong() == self)
            found[pid] = processSeconds(pid);
    }
    return found;
}

// The load averages over one, five and fifteen minutes.
QString loadAverages()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2) : QString();
}

// An X server of the benchmark's own, so a desktop's windows neither add to nor hide the cost.
// Started before the application exists (it needs a display), ended by its id.
struct PrivateDisplay
{
    pid_t pid = -1;
    QString name;

    bool start()
    {
        for (int n = 140; n < 200 && name.isEmpty(); ++n) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            const std::string display = ":" + std::to_string(n);
            const std::string screen = std::to_string(kScreen.width()) + "x" + std::to_string(kScreen.height()) + "x24";
            const char *args[] = {"Xvfb", display.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", nullptr};
            if (::posix_spawnp(&pid, "Xvfb", nullptr, nullptr, const_cast<char *const *>(args), environ) != 0)
                return false;
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
            for (int waited = 0; waited < 10000 && !QFileInfo::exists(socket) && ::waitpid(pid, nullptr, WNOHANG) == 0; waited += 20)
                ::usleep(20000);
            if (QFileInfo::exists(socket) && ::waitpid(pid, nullptr, WNOHANG) == 0) {
                name = QString::fromStdString(display);
            } else {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, nullptr, 0);
                pid = -1;
            }
        }
        return !name.isEmpty();
    }
    ~PrivateDisplay()
    {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

void serve(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
}

struct Figures
{
    double program = 0;  // percent of one core
    double engines = 0;
    double server = 0;
    double pictures = 0; // fetched by the live view
};

// A square in the lower right corner of the screen that changes colour 30 times a second.
struct MovingSquare : QWidget
{
    int hue = 0;
    QTimer timer;
    MovingSquare()
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setGeometry(kScreen.width() - 300, kScreen.height() - 300, 200, 200);
        QObject::connect(&timer, &QTimer::timeout, this, [this] {
            hue = (hue + 7) % 360;
            update();
        });
        timer.start(33);
        show();
    }
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor::fromHsv(hue, 255, 255)); }
};

Figures runOnce(int seconds, qint64 serverPid, bool moving)
{
    std::unique_ptr<MovingSquare> square;
    if (moving)
        square = std::make_unique<MovingSquare>();
    DNSRWindowController controller;
    controller.window()->show();
    // Up and showing the screen, then a few seconds to come to rest.
    QElapsedTimer clock;
    clock.start();
    while ((!controller.screenRecorder || controller.captureView->frame().isNull()) && clock.elapsed() < 30000)
        serve(50);
    if (!controller.screenRecorder || controller.captureView->frame().isNull())
        std::fprintf(stderr, "the window shows no live picture\n");
    serve(3000);

    const int fetchedBefore = controller.screenRecorder ? controller.screenRecorder->preview().picturesFetched() : 0;
    const double programBefore = usageSeconds(RUSAGE_SELF);
    const double serverBefore = processSeconds(serverPid);
    std::map<qint64, double> enginesBefore = engines(serverPid);
    clock.restart();
    serve(seconds * 1000);
    const double wall = clock.elapsed() / 1000.0;
    Figures figures;
    figures.program = 100.0 * (usageSeconds(RUSAGE_SELF) - programBefore) / wall;
    figures.server = 100.0 * (processSeconds(serverPid) - serverBefore) / wall;
    double engineSeconds = 0;
    for (const auto &[pid, now] : engines(serverPid))
        engineSeconds += now - (enginesBefore.count(pid) ? enginesBefore[pid] : 0.0);
    figures.engines = 100.0 * engineSeconds / wall;
    figures.pictures = controller.screenRecorder ? controller.screenRecorder->preview().picturesFetched() - fetchedBefore : 0;
    controller.window()->close();
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    PrivateDisplay display;
    if (!display.start()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    QTemporaryDir home;
    qputenv("DISPLAY", display.name.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("XDG_SESSION_TYPE");
    // The user's settings stay untouched.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Harnvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane"));
    DNSetOpenHandler([](const QString &) { return true; });

    const QStringList arguments = application.arguments().mid(1);
    const int seconds = std::max(1, arguments.value(0, QStringLiteral("30")).toInt());
    const int runs = std::max(1, arguments.value(1, QStringLiteral("3")).toInt());
    std::printf("screen recorder window left alone for %d s on a %dx%d display, %d runs\n", seconds, kScreen.width(),
                kScreen.height(), runs);
    std::printf("%-7s %4s %10s %10s %10s %10s  %s\n", "screen", "run", "program %", "engines %", "X server %", "pictures",
                "load average");
    struct Series
    {
        std::vector<double> program, engines, server, pictures;
    } series[2];
    for (int run = 1; run <= runs; ++run) {
        for (const bool moving : {false, true}) {
            const Figures f = runOnce(seconds, display.pid, moving);
            std::printf("%-7s %4d %10.2f %10.2f %10.2f %10.0f  %s\n", moving ? "moving" : "rest", run, f.program, f.engines,
                        f.server, f.pictures, qPrintable(loadAverages()));
            std::fflush(stdout);
            Series &s = series[moving];
            s.program.push_back(f.program);
            s.engines.push_back(f.engines);
            s.server.push_back(f.server);
            s.pictures.push_back(f.pictures);
        }
    }
    for (const bool moving : {false, true}) {
        const Series &s = series[moving];
        std::printf("%-7s %4s %10.2f %10.2f %10.2f %10.0f\n", moving ? "moving" : "rest", "med", median(s.program),
                    median(s.engines), median(s.server), median(s.pictures));
    }
    std::printf("program and engines at rest: %.2f %% of one core\n", median(series[0].program) + median(series[0].engines));
    return 0;
}
