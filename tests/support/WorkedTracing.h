#pragma once
// A tracing laid out by hand on the sheet (millimetres, y downwards, Sella at
// (70, 90)) so that every measurement follows from its definition with pencil
// and paper: S-N horizontal, the ramus line Ar-RD vertical at x 40, the
// mandibular plane CL-Me falling 1 in 2, the facial plane N-Pog vertical at
// x 140. The points built from it:
//   gonion Go (40, 165), where x 40 meets y = 180 + (x - 70) / 2;
//   gnathion Gn (140, 215), where x 140 meets the same plane;
//   incisal midpoint IM (144, 160), molar midpoint MM (104, 170);
//   U1SN (116, 90), where the upper incisor's axis (15 back, 34 up) meets S-N;
//   L1MP (122, 206), where the lower incisor's axis (20 back, 44 down) meets CL-Me.

#include "tracing/TracingPoints.h"

namespace vt::testing {

inline constexpr LandmarkArray<Point> kWorkedSheet{{{
    // in placing order
    {140, 90},  {70, 90},   {40, 95},   {120, 105}, {150, 125},  // N S Po Or ANS
    {90, 130},  {136, 130}, {128, 180}, {140, 200}, {130, 210},  // PNS A B Pog Me
    {70, 180},  {40, 180},  {40, 130},                           // CL RD Ar
    {146, 158}, {131, 124}, {142, 162}, {127, 195},              // U1C U1R L1C L1R
    {106, 168}, {108, 140}, {102, 172}, {100, 195},              // U6D U6R L6D L6R
    {170, 125}, {160, 160}, {160, 180}, {150, 210},              // Prn UL' LL' Pog'
}}};

// The worked tracing as clicked on a radiograph of 0.25 mm a picture unit
// with Sella at (1000, 2000): whole picture units, laid back on the sheet exactly.
inline TracingInput WorkedInput() {
    TracingInput in{{}, 0.25};
    for (Landmark l : kAllLandmarks)
        in.landmarks[l] = {1000 + (kWorkedSheet[l].x - 70) * 4, 2000 + (kWorkedSheet[l].y - 90) * 4};
    return in;
}

}  // namespace vt::testing
