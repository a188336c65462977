#pragma once

// The progress of the running pass as the engines report it to the conversion driver, in this
// order: media seconds converted, speed (frames per second as shown), frame number, percent done.
struct ConvertProgressInfo
{
    int time = 0;
    int speed = 0;
    int frame = 0;
    int percent = 0;
};

static_assert(sizeof(ConvertProgressInfo) == 4 * sizeof(int), "engines fill it as four ints");
