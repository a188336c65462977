#pragma once

#include "convert/engine/EngineCallbacks.h"
#include "convert/slideshow/NXImageEngine.h"

#include <QSizeF>

#include <functional>

class DNGraphicsNode;
class DNProfile;

// The road of a slideshow item to its output file, without windows: the image-to-video job
// filled from the item and its profile, the movie rendered by the engine, then converted as a
// file item with the item's profile by the driver. The Convert command and the developer aid
// both take it.

// The frame rate of the movie: the profile's, or 25 where it keeps the source's (photos have
// none).
float NXSlideshowFrameRate(const DNProfile *profile);
// The frame size of the movie: the profile's, or where it keeps the source's, the size of the
// biggest photo as shown, fitted into 1920 x 1080 (1280 x 720 when no photo gives its size).
QSizeF NXSlideshowFrameSize(const DNGraphicsNode &node, const DNProfile *profile);

// Fills engine's job from node: its photos in order, its transitions, its music in order, its
// seconds per photo, and the frame rate and size above.
void NXFillImageEngineJob(NXImageEngine &engine, const DNGraphicsNode &node);

// The file the conversion of node's movie writes into folder, as the file road names it: the
// slideshow's output name with its profile's suffix, or " (n)" when that is taken. Known before
// the movie is rendered.
QString NXSlideshowOutputPath(const DNGraphicsNode &node, const QString &folder);

struct NXSlideshowConversionSteps
{
    // Called once the movie is rendered and given to the item, before its conversion starts.
    std::function<void()> rendered;
    // Whether the user stopped the batch (looked at between the steps).
    std::function<bool()> stopped;
};

// Renders node with engine (on the calling thread, which it blocks; EncodeStateStarted goes to
// the state callback as the engine starts), gives node the file item of the movie (the file item
// of an earlier road is let go first) and converts
// that through the driver. The driver's result, ConvertResultFailed when
// no movie was rendered, ConvertResultStopped when stopped. The rendered movie is an
// intermediate under a hidden name: it is removed once the road has ended, whatever its end. On
// a failure, failure (when given) receives why: the slideshow was not made, for the reason of the
// step that failed.
int NXConvertSlideshowItem(DNGraphicsNode &node, NXImageEngine &engine, EngineStateCallback stateCallback,
                           void *callbackContext, const NXSlideshowConversionSteps &steps = {},
                           ConvertFailureReason *failure = nullptr);
