#pragma once

#include "slideshow/engine/NXImageEngineJob.h"
#include "slideshow/engine/NXSlideshowTimeline.h"

#include <QImage>
#include <QString>

#include <string>
#include <vector>

class EncoderPipe;

// One run of the engine over a job: every picture drawn with the slideshow's transitions on
// every processor, encoded here and handed with the music to ffmpeg, which writes a hidden
// file; the movie is checked and then given its name. Progress goes to standard output as
// "progress:TOTAL:DONE:PHOTO" lines, one per frame.
class SlideshowRenderer
{
public:
    explicit SlideshowRenderer(NXImageEngineJob job);

    // The result code; on success *moviePath is where the movie now is (the target, or beside
    // it with " (n)" when a file of that name is there already). Nothing is left behind
    // otherwise.
    NXImageEngineResult run(QString *moviePath);

private:
    bool anyPhotoReadable() const;
    std::vector<std::string> encoderArguments(const std::vector<std::string> &musicInputs,
                                              const std::string &musicGraph, const QString &output) const;
    // Draws and sends every picture; false when the encoder failed or a stop was asked for.
    bool sendPictures(EncoderPipe &encoder);
    void printProgress(int done, int photo) const;

    NXImageEngineJob job_;
    NXSlideshowTimeline timeline_;
    QImage blank_;
};
