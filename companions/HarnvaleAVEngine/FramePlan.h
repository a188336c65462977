#pragma once

#include "slideshow/engine/NXSlideshowTimeline.h"

#include <vector>

// The movie as pictures to draw: a transition frame is a picture of one frame; a photo standing
// alone (after its transition, or from the start of its slot when cut to) is one picture held
// for all its frames, drawn and encoded once.
struct PlannedPicture
{
    int firstFrame = 0;
    int frames = 1;
    NXSlideshowTimeline::Moment moment;
};

std::vector<PlannedPicture> planPictures(const NXSlideshowTimeline &timeline);
