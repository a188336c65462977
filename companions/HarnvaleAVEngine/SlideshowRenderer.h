#pragma once

#include "slideshow/engine/NXImageEngineJob.h"
#include "slideshow/engine/NXSlideshowTimeline.h"

#include <QHash>
#include <QImage>
#include <QString>

// One run of the engine over a job: every frame drawn with the slideshow's transitions, piped
// with the music to ffmpeg into a hidden file, the movie checked and then given its name.
// Progress goes to standard output as "progress:TOTAL:DONE:PHOTO" lines.
class SlideshowRenderer
{
public:
    explicit SlideshowRenderer(NXImageEngineJob job);

    // The result code; on success *moviePath is where the movie now is (the target, or beside
    // it with " (n)" when a file of that name is there already). Nothing is left behind
    // otherwise.
    NXImageEngineResult run(QString *moviePath);

private:
    // A photo fitted to the frame on black; the blank frame for index -1 and for a photo that
    // cannot be read.
    const QImage &picture(int index);
    // The frame of a moment: frame-sized, opaque. The same object while one photo stands alone.
    const QImage &frameAt(const NXSlideshowTimeline::Moment &moment);
    bool anyPhotoReadable() const;
    std::vector<std::string> encoderArguments(const std::vector<std::string> &musicInputs,
                                              const std::string &musicGraph, const QString &output) const;
    void printProgress(int done, int photo) const;

    NXImageEngineJob job_;
    NXSlideshowTimeline timeline_;
    QImage blank_;
    QHash<int, QImage> pictures_; // the few photos in use now
    int holdPhoto_ = -2;          // the photo of holdFrame_
    QImage holdFrame_;
    QImage transitionFrame_;
};
