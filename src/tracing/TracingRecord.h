#pragma once
// The digitized cephalogram: the scale and the 25 landmarks as clicked, in
// picture units (twips of the radiograph at its nominal size, 15 per pixel,
// origin at its top-left corner, y downwards). Written by the digitizing
// form's clicks; read by the measurement construction and the tracing pages.

#include <cstdint>

#include "tracing/Landmarks.h"

namespace vt {

// A coordinate that holds this has not been placed since the last reset.
inline constexpr double kNotPlaced = -200;

// A point counts as placed only inside the picture, away from its top and
// left edges: both coordinates strictly above 0.
constexpr bool IsPlaced(double x, double y) { return x > 0 && y > 0; }

// A point clicked on the radiograph; not placed until it is clicked.
struct PicturePoint {
    double x = kNotPlaced;
    double y = kNotPlaced;
};

struct TracingRecord {
    // Ends of the scale segment clicked on the radiograph.
    double ScaleX1 = kNotPlaced, ScaleY1 = kNotPlaced;
    double ScaleX2 = kNotPlaced, ScaleY2 = kNotPlaced;
    // Length of the scale segment in millimetres: 20, 50 or 100 once chosen.
    std::int16_t ScaleLength = 0;
    // Millimetres of anatomy per picture unit; set by the second scale click,
    // always positive once set.
    double MmPerPixel = 0;

    // The landmarks as clicked, indexed by Landmark.
    LandmarkArray<PicturePoint> landmarks;
};

// The tracing being digitized for the session's patient.
TracingRecord& Tracing();

}  // namespace vt
