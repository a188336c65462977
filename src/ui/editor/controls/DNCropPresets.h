#pragma once

#include <QVariantList>

// The crop presets shipped as "cropConfigure.plist" in the resources: an array of
// dictionaries, each with a kind ("NXCropCfgCode"), a ratio for the kinds that use one
// ("NXCropCfgWidth", "NXCropCfgHeight") and the key of its display name ("NXCropCfgName").
// The file keeps "Free" first, which the editor's crop reset chooses, and the black-border
// removal at index 1: the crop box applies that preset again on every choice, and the editor
// on every switch-on of the crop, so the picture is looked at anew each time.
namespace DNCropPresets {

inline constexpr char kCode[] = "NXCropCfgCode";
inline constexpr char kWidth[] = "NXCropCfgWidth";
inline constexpr char kHeight[] = "NXCropCfgHeight";
inline constexpr char kName[] = "NXCropCfgName";

enum Code {
    LockRatio = 0,        // lock the ratio; the box stays
    FitRatio = 1,         // lock the ratio and fit the box to it, centred
    KeepShape = 2,        // lock the box's present shape
    WholePicture = 3,     // lock the picture's ratio and select all of it
    RemoveBlackBorders = 100, // the picture without its black borders, unlocked
};

// The presets in file order; empty when the file is missing or is not an array.
QVariantList read();

} // namespace DNCropPresets
