// The preview's frame path, from the player executable to pixels on the screen: mplayer decodes,
// HVPlayer packs each frame into the shared buffer, the receiver copies it and the OpenGL view
// draws it. For a 720x576 and a 1920x1080 file it prints the frames per second received and
// drawn, and the processor time each stage costs (percent of one core), twice: playing in real
// time as the preview does, and flat out (mplayer -benchmark, no sound) for the path's ceiling.
//
// usage: talvane-bench-player [SECONDS]   (default 10 s of media each)
// Needs a display with OpenGL: run it on a desktop, or under tests/support/with-display.sh.

#include "common/ProcessorTime.h"
#include "core/platform/DNBundle.h"
#include "player/HVPlayerArguments.h"
#include "player/HVPlayerProcess.h"
#include "player/MPlayerFrameReceiver.h"
#include "ui/player/MPlayerVideoRenderer.h"
#include "ui/player/NXMPlayerOpenGLView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

namespace {

// Processor seconds (user + system) a process has used so far, from /proc; 0 when it is gone.
double processSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // Fields after the command name (which may hold blanks) start after the last ')'.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

qint64 firstChild(qint64 pid)
{
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
    if (!children.open(QIODevice::ReadOnly))
        return 0;
    return children.readAll().trimmed().split(' ').value(0).toLongLong();
}


bool author(const QString &path, const QString &size, int seconds)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                  QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc2=size=%1:rate=25:duration=%2").arg(size).arg(seconds), QStringLiteral("-f"),
                  QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("sine=frequency=440:duration=%1").arg(seconds), QStringLiteral("-c:v"),
                  QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("veryfast"),
                  QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-c:a"), QStringLiteral("aac"),
                  path});
    return ffmpeg.waitForFinished(600000) && ffmpeg.exitCode() == 0;
}

struct Measure
{
    double seconds = 0;
    quint64 received = 0;
    quint64 drawn = 0;
    double mplayerCpu = 0;
    double relayCpu = 0;
    double programCpu = 0;
};

Measure play(MPlayerVideoRenderer &renderer, const QStringList &itemParameters)
{
    Measure m;
    HVPlayerProcess process;
    QEventLoop loop;
    QObject::connect(&process, &HVPlayerProcess::terminated, &loop, &QEventLoop::quit);
    const quint64 receivedBefore = renderer.receiver()->framesReceived();
    const quint64 drawnBefore = renderer.framesDrawn();
    const double ownBefore = usageSeconds(RUSAGE_SELF);
    QElapsedTimer clock;
    clock.start();
    process.launch(DNBundle::pathForCompanion(QStringLiteral("HVPlayer")),
                   HVPlayerArguments::previewArguments(itemParameters, 0.0f, renderer.connectionName()),
                   QDir::tempPath(), MPlayerFrameReceiver::channelDirectory());
    const qint64 relay = process.processId();
    qint64 mplayer = 0;
    double relaySeconds = 0, mplayerSeconds = 0;
    // The last sample before the processes go is their total.
    QTimer sample;
    QObject::connect(&sample, &QTimer::timeout, [&] {
        if (!mplayer)
            mplayer = firstChild(relay);
        relaySeconds = std::max(relaySeconds, processSeconds(relay));
        mplayerSeconds = std::max(mplayerSeconds, processSeconds(mplayer));
    });
    sample.start(100);
    if (process.isRunning())
        loop.exec();
    m.seconds = clock.elapsed() / 1000.0;
    m.received = renderer.receiver()->framesReceived() - receivedBefore;
    m.drawn = renderer.framesDrawn() - drawnBefore;
    m.mplayerCpu = 100.0 * mplayerSeconds / m.seconds;
    m.relayCpu = 100.0 * relaySeconds / m.seconds;
    m.programCpu = 100.0 * (usageSeconds(RUSAGE_SELF) - ownBefore) / m.seconds;
    return m;
}

void report(const char *size, const char *mode, const Measure &m, double sourceFrames)
{
    std::printf("%-9s %-10s %6.1f fps received, %6.1f fps drawn (%4.0f%% of the source's frames drawn) over %5.1f s;"
                " CPU: mplayer %5.1f%%, HVPlayer %5.1f%%, program %5.1f%%\n",
                size, mode, m.received / m.seconds, m.drawn / m.seconds, 100.0 * m.drawn / sourceFrames, m.seconds,
                m.mplayerCpu, m.relayCpu, m.programCpu);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(2, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    if (!NXMPlayerOpenGLView::isOpenGLAvailable()) {
        std::fprintf(stderr, "talvane-bench-player: no OpenGL on this display\n");
        return 1;
    }
    QTemporaryDir media;
    NXMPlayerOpenGLView view;
    view.resize(960, 540);
    view.show();
    MPlayerVideoRenderer renderer(&view, HVPlayerArguments::previewBufferName());
    for (const char *size : {"720x576", "1920x1080"}) {
        const QString file = media.path() + QStringLiteral("/%1.mp4").arg(QLatin1String(size));
        if (!author(file, QLatin1String(size), seconds)) {
            std::fprintf(stderr, "talvane-bench-player: ffmpeg could not author %s\n", size);
            return 1;
        }
        renderer.boundsDidChangeTo(QRectF(0, 0, 960, 540), QRectF(0, 0, 960, 540));
        const QStringList realTime{file, QStringLiteral("-identify"), QStringLiteral("-slave"), QStringLiteral("-aid"),
                                   QStringLiteral("0")};
        report(size, "real time", play(renderer, realTime), seconds * 25.0);
        const QStringList flatOut{file, QStringLiteral("-identify"), QStringLiteral("-slave"), QStringLiteral("-nosound"),
                                  QStringLiteral("-benchmark")};
        report(size, "flat out", play(renderer, flatOut), seconds * 25.0);
    }
    return 0;
}
