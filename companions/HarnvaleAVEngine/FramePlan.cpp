#include "FramePlan.h"

std::vector<PlannedPicture> planPictures(const NXSlideshowTimeline &timeline)
{
    std::vector<PlannedPicture> pictures;
    const int total = timeline.totalFrames();
    for (int frame = 0; frame < total; ++frame) {
        const NXSlideshowTimeline::Moment moment = timeline.momentOfFrame(frame);
        if (!moment.inTransition() && !pictures.empty()) {
            PlannedPicture &last = pictures.back();
            if (!last.moment.inTransition() && last.moment.photo == moment.photo) {
                ++last.frames;
                continue;
            }
        }
        pictures.push_back({frame, 1, moment});
    }
    return pictures;
}
