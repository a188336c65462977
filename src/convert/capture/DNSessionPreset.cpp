#include "convert/capture/DNSessionPreset.h"

DNSessionPreset DNSessionPresetAtIndex(unsigned index)
{
    return index < kSessionPresetCount ? static_cast<DNSessionPreset>(index) : DNSessionPreset::High;
}

QSize DNSessionPresetMaxSize(DNSessionPreset preset)
{
    switch (preset) {
    case DNSessionPreset::Low: return {192, 144};
    case DNSessionPreset::Medium: return {480, 360};
    case DNSessionPreset::Size320x240: return {320, 240};
    case DNSessionPreset::Size352x288: return {352, 288};
    case DNSessionPreset::Size640x480: return {640, 480};
    case DNSessionPreset::Size960x540: return {960, 540};
    case DNSessionPreset::Size1280x720: return {1280, 720};
    case DNSessionPreset::High:
    case DNSessionPreset::Photo: break;
    }
    return {};
}

DNSessionPreset DNSessionPresetForSystem(DNSessionPreset requested, int systemVersion)
{
    if ((systemVersion & ~0xF) == 0x1080 && requested == DNSessionPreset::High)
        return DNSessionPreset::Size1280x720;
    return requested;
}
