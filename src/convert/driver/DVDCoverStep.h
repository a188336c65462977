#pragma once

#include "convert/engine/OutputReading.h"

#include <QImage>
#include <QString>

// Puts a DVD's cover image into an MP4, M4V or 3GP output with the metadata tool (AtomicParsley).
// The tool writes the tagged file under a hidden name beside the output, which replaces the output
// (in one rename) only once it reads whole to its end (by expected) and is no smaller than the
// untagged file. At every moment the output path holds either the untouched original or the whole
// tagged file, and the temporary image is removed. Returns true when the output was tagged; false
// when the step did not apply (other extension, no image, no output, no tool) or failed.
bool addCoverToDVDOutput(const QString &outputPath, const QImage &cover, const OutputExpectation &expected = {});

// Where the metadata tool is: the companion folder's copy when there is one, else the system's.
// Empty when there is none.
QString atomicParsleyPath();
