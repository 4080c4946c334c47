#include "tracing/TracingPoints.h"

#include "tracing/Geometry.h"
#include "tracing/TracingRecord.h"

namespace vt {

namespace {

Point Cross(const Point& a, const Point& b, const Point& c, const Point& d) {
    return {LineCrossX(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y), LineCrossY(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y)};
}

Point Foot(const Point& p, const Point& a, const Point& b) {
    return {VerticalX(p.x, p.y, a.x, a.y, b.x, b.y), VerticalY(p.x, p.y, a.x, a.y, b.x, b.y)};
}

Point Mid(const Point& a, const Point& b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

}  // namespace

TracingInput InputOf(const TracingRecord& clicked) {
    TracingInput in;
    for (Landmark l : kAllLandmarks) in.landmarks[l] = {clicked.landmarks[l].x, clicked.landmarks[l].y};
    in.MmPerPixel = clicked.MmPerPixel;
    return in;
}

TracingPoints PointsOnSheet(const TracingInput& input) {
    const double m = input.MmPerPixel;
    const Point& sella = input.landmarks[Landmark::Sella];
    // One offset for all landmarks, so every point moves by the same amount.
    const double offsetX = kSellaSheetX - sella.x * m;
    const double offsetY = kSellaSheetY - sella.y * m;

    TracingPoints p;
    for (Landmark l : kAllLandmarks) {
        const Point& q = input.landmarks[l];
        p[l] = {offsetX + q.x * m, offsetY + q.y * m};
    }

    // The order of the points passed matters where lines are degenerate.
    using enum Landmark;
    p.Gonion = Cross(p[Articulare], p[RamusDown], p[CorpusLeft], p[Menton]);
    p.Gnathion = Cross(p[CorpusLeft], p[Menton], p[Pogonion], p[Nasion]);
    p.IncisalMid = Mid(p[Mx1Crown], p[Mn1Crown]);
    p.MolarMid = Mid(p[Mx6Distal], p[Mn6Distal]);
    p.U1SN = Cross(p[Sella], p[Nasion], p[Mx1Crown], p[Mx1Root]);
    p.L1MP = Cross(p[CorpusLeft], p[Menton], p[Mn1Crown], p[Mn1Root]);
    p.AO = Foot(p[APoint], p.IncisalMid, p.MolarMid);
    p.BO = Foot(p[BPoint], p.IncisalMid, p.MolarMid);
    return p;
}

}  // namespace vt
