// HarnvaleAVEngine JOB
//
// Makes a movie of a slideshow job (a property list, see slideshow/engine/NXImageEngineJob.h):
// the photos in order, each brought in by one second of transition and then shown alone, drawn
// with the slideshow's own transitions, with the music looped or cut to the movie's length.
// Standard output carries "progress:TOTAL:DONE:PHOTO" lines while frames are made and one
// "result:CODE:PATH" line at the end (CODE 0: PATH is the finished movie). The movie is written
// under a hidden name and named only when it is complete; SIGTERM, SIGINT or SIGHUP stops the
// engine and leaves nothing behind.

#include "SlideshowRenderer.h"
#include "StopSignal.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <malloc.h>

namespace {
int finish(NXImageEngineResult code, const QString &path = {})
{
    std::printf("result:%d:%s\n", int(code), path.toUtf8().constData());
    std::fflush(stdout);
    return code == NXImageEngineSucceeded ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[])
{
    installStopSignals();
    // Pictures of several megabytes come and go many times a second on every thread: kept in the
    // heap, not mapped afresh each time (and faulted in page by page).
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    // Picture formats come as plug-ins, which need the application object.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: HarnvaleAVEngine JOB\n");
        return finish(NXImageEngineBadJob);
    }
    QString error;
    const std::optional<NXImageEngineJob> job = NXImageEngineJob::read(QFile::decodeName(argv[1]), &error);
    if (!job) {
        std::fprintf(stderr, "HarnvaleAVEngine: %s\n", error.toLocal8Bit().constData());
        return finish(NXImageEngineBadJob);
    }
    SlideshowRenderer renderer(*job);
    QString movie;
    const NXImageEngineResult result = renderer.run(&movie);
    return finish(result, movie);
}
