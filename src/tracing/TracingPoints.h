#pragma once
// The points of a tracing: the 25 landmarks as clicked on the radiograph
// (picture units: twips of the picture at its nominal size, y downwards) and
// as laid on the result sheet (millimetres, Sella at (70, 90)), with the
// eight points constructed from them.

#include "tracing/Landmarks.h"

namespace vt {

struct Point {
    double x = 0;
    double y = 0;
};

// What the digitizing form hands to the measurement: the landmarks and the
// scale.
struct TracingInput {
    LandmarkArray<Point> landmarks{};
    double MmPerPixel = 0;
};

struct TracingRecord;
// The landmarks and scale as the digitizing form holds them.
TracingInput InputOf(const TracingRecord& clicked);

// Sheet millimetres of every landmark and constructed point.
struct TracingPoints {
    // The landmarks, indexed by Landmark.
    LandmarkArray<Point> landmarks{};
    // Constructed: gonion, gnathion, the two ends of the occlusal line, the
    // feet of A and B on it, the upper incisor axis on S-N and the lower
    // incisor axis on the mandibular plane.
    Point Gonion, Gnathion, IncisalMid, MolarMid, AO, BO, U1SN, L1MP;

    Point& operator[](Landmark l) { return landmarks[l]; }
    const Point& operator[](Landmark l) const { return landmarks[l]; }
};

// Where Sella lies on the result sheet.
inline constexpr double kSellaSheetX = 70;
inline constexpr double kSellaSheetY = 90;

// Lays the landmarks on the sheet: one picture unit becomes MmPerPixel
// millimetres and Sella lands at (70, 90). Then constructs the eight points.
TracingPoints PointsOnSheet(const TracingInput& input);

}  // namespace vt
