#pragma once
// The 44 measurements of a digitized tracing, constructed from its points on
// the sheet. Angles in degrees, distances in millimetres, PFHAFH in percent.

#include "tracing/TracingPoints.h"

namespace vt {

struct TracingMeasures {
    double SA = 0, AA = 0, GA = 0, Sum = 0, UGA = 0, LGA = 0;
    double SNA = 0, SNB = 0, ANB = 0, SNPg = 0, FA = 0, FC = 0, ABA = 0, YA = 0;
    double SNMP = 0, FMA = 0, PPMP = 0, ABMP = 0;
    double ACB = 0, PCB = 0, RH = 0, BL = 0, FD = 0, FL = 0, PFH = 0, AFH = 0, PFHAFH = 0;
    double Wits = 0, ODI = 0, APDI = 0, OPMP = 0;
    double UISN = 0, UIPP = 0, IMPA = 0, FMIA = 0, IIA = 0, UIOP = 0, LIOP = 0;
    double UIFP = 0, LIFP = 0, UIAP = 0, LIAP = 0, UL = 0, LL = 0;
};

// Direction from p to q in degrees, counter-clockwise as seen on the sheet
// (whose y grows downwards), in (-180, 180].
double Dir(const Point& p, const Point& q);

// An angle between two directions, brought into (-180, 180] by one turn, so
// that a head rotated on the film measures like an upright one.
double AngleBetween(double direction, double minusDirection);

// Distance of p from the line through far end t and reference end r,
// positive on the side that faces forward when the face looks right.
double SignedDistance(const Point& p, const Point& t, const Point& r);

// All 44 values in their order; later ones read earlier ones as stored.
TracingMeasures MeasureTracing(const TracingPoints& pts);

}  // namespace vt
