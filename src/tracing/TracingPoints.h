#pragma once
// The points of a tracing: the 25 landmarks as clicked on the radiograph
// (picture units: twips of the picture at its nominal size, y downwards) and
// as laid on the result sheet (millimetres, Sella at (70, 90)), with the
// eight points constructed from them.

#include <array>
#include <cstddef>

namespace vt {

struct Point {
    double x = 0;
    double y = 0;
};

// What the digitizing form hands to the measurement: the landmarks in their
// placing order (Nasion first, Soft Pogonion last) and the scale.
struct TracingInput {
    std::array<Point, 25> landmarks{};
    double MmPerPixel = 0;
};

struct TracingRecord;
// The landmarks and scale as the digitizing form holds them.
TracingInput InputOf(const TracingRecord& clicked);

// Sheet millimetres of every landmark and constructed point.
struct TracingPoints {
    // The landmarks, in placing order.
    Point Nasion, Sella, Porion, Orbitale, ANS, PNS, APoint, BPoint, Pogonion, Menton;
    Point CorpusLeft, RamusDown, Articulare;
    Point Mx1Crown, Mx1Root, Mn1Crown, Mn1Root, Mx6Distal, Mx6Root, Mn6Distal, Mn6Root;
    Point NoseTip, UpperLip, LowerLip, SoftPogonion;
    // Constructed: gonion, gnathion, the two ends of the occlusal line, the
    // feet of A and B on it, the upper incisor axis on S-N and the lower
    // incisor axis on the mandibular plane.
    Point Gonion, Gnathion, IncisalMid, MolarMid, AO, BO, U1SN, L1MP;
};

// The landmark fields in placing order: TracingInput::landmarks[k] lands on
// kLandmarkPoints[k].
inline constexpr std::array<Point TracingPoints::*, 25> kLandmarkPoints{
    &TracingPoints::Nasion,       &TracingPoints::Sella,     &TracingPoints::Porion,     &TracingPoints::Orbitale,
    &TracingPoints::ANS,          &TracingPoints::PNS,       &TracingPoints::APoint,     &TracingPoints::BPoint,
    &TracingPoints::Pogonion,     &TracingPoints::Menton,    &TracingPoints::CorpusLeft, &TracingPoints::RamusDown,
    &TracingPoints::Articulare,   &TracingPoints::Mx1Crown,  &TracingPoints::Mx1Root,    &TracingPoints::Mn1Crown,
    &TracingPoints::Mn1Root,      &TracingPoints::Mx6Distal, &TracingPoints::Mx6Root,    &TracingPoints::Mn6Distal,
    &TracingPoints::Mn6Root,      &TracingPoints::NoseTip,   &TracingPoints::UpperLip,   &TracingPoints::LowerLip,
    &TracingPoints::SoftPogonion,
};

// Where Sella lies on the result sheet.
inline constexpr double kSellaSheetX = 70;
inline constexpr double kSellaSheetY = 90;

// Lays the landmarks on the sheet: one picture unit becomes MmPerPixel
// millimetres and Sella lands at (70, 90). Then constructs the eight points.
TracingPoints PointsOnSheet(const TracingInput& input);

}  // namespace vt
