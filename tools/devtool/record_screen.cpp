// record-screen SECONDS OUTDIR [--region W:H:X:Y]: a recording of the session's X display (or a
// rectangle of it, in pixels from the top left) through the screen recorder's own session, with
// its default settings, named as the recorder names its movies; the movie's path on standard
// output, exit status 0 only when it was finished.
#include "DevtoolCommand.h"
#include "DevtoolItems.h"

#include "convert/capture/DNRecordingName.h"
#include "convert/capture/DNScreenRecorder.h"
#include "core/settings/DNScreenRecorderSetting.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>

namespace {

constexpr const char *Name = "record-screen";
// A recording whose engine has written nothing after this long has stalled.
constexpr int kStartLimitMilliseconds = 20000;

struct Outcome : DNScreenRecorderDelegate
{
    bool done = false;
    bool finished = false;
    QString path;
    QString problem;

    void screenRecorderDidFinishRecordingToOutputFileURL(DNScreenRecorder *, const QString &p) override
    {
        done = finished = true;
        path = p;
    }
    void screenRecorderDidFailRecording(DNScreenRecorder *, const QString &p, const QString &why) override
    {
        done = true;
        path = p;
        problem = why;
    }
};

bool parseRegion(const QString &text, QRect *region)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+):(\\d+):(\\d+):(\\d+)$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    *region = QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    return !region->isEmpty();
}

} // namespace

int recordScreenCommand(const QStringList &arguments)
{
    const QString usage = QStringLiteral("usage: talvane-devtool record-screen SECONDS OUTDIR [--region W:H:X:Y]");
    if (arguments.size() != 2 && arguments.size() != 4)
        return devtoolFail(Name, usage);
    bool ok = false;
    const double seconds = arguments.at(0).toDouble(&ok);
    if (!ok || seconds <= 0)
        return devtoolFail(Name, QStringLiteral("SECONDS must be a positive number"));
    QRect region;
    if (arguments.size() == 4 && (arguments.at(2) != QLatin1String("--region") || !parseRegion(arguments.at(3), &region)))
        return devtoolFail(Name, usage);
    switch (DNScreenCaptureAvailable()) {
    case DNScreenCaptureAvailability::WaylandSession:
        return devtoolFail(Name, QStringLiteral("only X11 sessions can be recorded; this one runs on Wayland"));
    case DNScreenCaptureAvailability::NoDisplay:
        return devtoolFail(Name, QStringLiteral("no X display to record ($DISPLAY is not set)"));
    case DNScreenCaptureAvailability::Available: break;
    }
    if (const QString notText = devtoolNameNotText(arguments.at(1), ConvertFailureKind::OutputFolderNameNotText);
        !notText.isEmpty())
        return devtoolFail(Name, notText);
    const QString outDir = QDir(arguments.at(1)).absolutePath();
    if (!QDir().mkpath(outDir))
        return devtoolFail(Name, QStringLiteral("cannot make the folder %1").arg(outDir));

    const DNScreenRecorderSetting defaults;
    Outcome outcome;
    DNScreenRecorder recorder;
    recorder.setDelegate(&outcome);
    recorder.setSessionPreset(DNSessionPresetAtIndex(defaults.sessionPresetIndex()));
    recorder.setMaxScreenInputFramerate(float(defaults.maxFramerate()));
    recorder.addDislayInputTocaptureSession(DNScreenRecorder::kMainDisplayID, region);
    // The engine ends the movie at exactly that length; the poll below only guards a stall.
    recorder.captureSession()->setMaxRecordedDuration(seconds);
    recorder.startRecord(DNRecordingPath(outDir, kScreenRecordingNameFormat, QDateTime::currentDateTime()));

    QElapsedTimer clock;
    clock.start();
    bool stopping = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (outcome.done) {
            QCoreApplication::exit(0);
            return;
        }
        if (!stopping && recorder.recordedSeconds() <= 0 && clock.elapsed() > kStartLimitMilliseconds) {
            stopping = true;
            recorder.stopRecord();
        }
    });
    poll.start(20);
    QCoreApplication::exec();

    if (!outcome.finished)
        return devtoolFail(Name, QStringLiteral("the recording was not finished: %1").arg(outcome.problem));
    devtoolPrintPath(outcome.path);
    return 0;
}
