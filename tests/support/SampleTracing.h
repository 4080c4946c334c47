#pragma once
// A plausible tracing of an upright face looking right, in sheet
// millimetres with Sella at (70, 90), and a way to click it on a radiograph.

#include <cmath>

#include "tracing/TracingPoints.h"

namespace vt::testing {

inline constexpr LandmarkArray<Point> kSampleSheet{{{
    // in placing order
    {140, 80},  {70, 90},   {48, 103},  {125, 102}, {145, 130},  // N S Po Or ANS
    {95, 133},  {143, 140}, {137, 185}, {137, 200}, {128, 210},  // PNS A B Pog Me
    {90, 193},  {72, 170},  {62, 118},                           // CL RD Ar
    {146, 163}, {128, 130}, {143, 161}, {126, 190},              // U1C U1R L1C L1R
    {110, 160}, {112, 140}, {108, 164}, {106, 185},              // U6D U6R L6D L6R
    {170, 125}, {160, 160}, {157, 178}, {150, 208},              // Prn UL' LL' Pog'
}}};

// The sample clicked on a radiograph of `mmPerPixel` with Sella at `sella`,
// the head turned `degrees` counter-clockwise and mirrored when asked.
inline TracingInput SampleInput(double mmPerPixel,
                                Point sella = {3000, 4000},
                                double degrees = 0,
                                bool mirrored = false) {
    const double t = degrees * 3.14159265358979323846 / 180;
    TracingInput in{{}, mmPerPixel};
    for (Landmark l : kAllLandmarks) {
        const double dx = (mirrored ? -1 : 1) * (kSampleSheet[l].x - 70), dy = kSampleSheet[l].y - 90;
        in.landmarks[l] = {sella.x + (dx * std::cos(t) + dy * std::sin(t)) / mmPerPixel,
                           sella.y + (dy * std::cos(t) - dx * std::sin(t)) / mmPerPixel};
    }
    return in;
}

}  // namespace vt::testing
