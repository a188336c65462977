#pragma once

#include <QImage>
#include <QString>

// Puts a DVD's cover image into an MP4, M4V or 3GP output with the metadata tool (AtomicParsley).
// The output is tagged through a hidden copy beside it; whatever happens, the output path ends
// up holding either the tagged file or the untouched original, and the temporary image is
// removed. Returns true when the tool tagged the file; false when the step did not apply (other
// extension, no image, no output, no tool) or failed.
bool addCoverToDVDOutput(const QString &outputPath, const QImage &cover);

// Where the metadata tool is: the companion folder's copy when there is one, else the system's.
// Empty when there is none.
QString atomicParsleyPath();
