#pragma once
// Plane geometry of the digitized analysis: direction angles, line
// intersections, perpendicular feet and distances. Pure functions; every
// special case is an exact comparison and its result is part of the
// contract, since the measurement construction relies on it.
//
// Coordinates are in any consistent unit with y growing downwards; angles in
// degrees. Lines pass through (x1, y1), (x2, y2) and (x3, y3), (x4, y4).

namespace vt {

// The program's pi; a hair below the double nearest to pi, so that
// ArcTangent(1, 1) gives 45.00000000000005.
inline constexpr double kPi = 3.14159265358979;

// Direction of (dx, dy) in degrees, in (-180, 180]; the zero vector gives 0.
double ArcTangent(double dx, double dy);
// Intersection of two lines; parallel lines give the first line's point.
double LineCrossX(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
double LineCrossY(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
// Foot of the perpendicular from (px, py) to the line through 1 and 2.
double VerticalX(double px, double py, double x1, double y1, double x2, double y2);
double VerticalY(double px, double py, double x1, double y1, double x2, double y2);
double DistPoint(double x1, double y1, double x2, double y2);
// Unsigned distance from (px, py) to the line through 1 and 2.
double DistLine(double px, double py, double x1, double y1, double x2, double y2);

// Arithmetic that overflows (finite arguments, a result that is not) is
// reported in a message titled with the procedure's name, "Error: 6.
// Overflow", and the procedure returns 0.

}  // namespace vt
