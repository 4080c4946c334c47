#include "tracing/TracingMeasures.h"

#include "tracing/Geometry.h"

namespace vt {

namespace {

double Dist(const Point& a, const Point& b) { return DistPoint(a.x, a.y, b.x, b.y); }

}  // namespace

double Dir(const Point& p, const Point& q) {
    const double dx = q.x - p.x;
    const double dy = p.y - q.y;  // the sheet's y grows downwards
    return ArcTangent(dx, dy);
}

double AngleBetween(double direction, double minusDirection) {
    double a = direction - minusDirection;
    if (a > 180) {
        a -= 360;
    } else if (a <= -180) {
        a += 360;
    }
    return a;
}

double SignedDistance(const Point& p, const Point& t, const Point& r) {
    const double a1 = Dir(r, p);
    const double d = DistLine(p.x, p.y, t.x, t.y, r.x, r.y);
    const double a2 = Dir(r, t);
    const double turn = AngleBetween(a2, a1);
    const int s = turn > 0 ? 1 : (turn < 0 ? -1 : 0);
    return static_cast<double>(s) * d;
}

TracingMeasures MeasureTracing(const TracingPoints& p) {
    // Each angle: the direction after the minus sign is evaluated first.
    auto angle = [](const Point& p1, const Point& q1, const Point& p2, const Point& q2) {
        const double second = Dir(p2, q2);
        const double first = Dir(p1, q1);
        return AngleBetween(first, second);
    };
    using enum Landmark;
    const Point& S = p[Sella];
    const Point& N = p[Nasion];

    TracingMeasures m;
    m.SA = angle(S, N, S, p[Articulare]);
    m.AA = angle(p[Articulare], S, p[Articulare], p[RamusDown]);
    m.GA = angle(p[RamusDown], p[Articulare], p[CorpusLeft], p[Menton]);
    m.Sum = (m.SA + m.AA) + m.GA;
    m.UGA = angle(p[RamusDown], p[Articulare], p.Gonion, N);
    m.LGA = angle(p.Gonion, N, p[CorpusLeft], p[Menton]);
    m.SNA = angle(p[APoint], N, S, N);
    m.SNB = angle(p[BPoint], N, S, N);
    m.ANB = m.SNA - m.SNB;
    m.SNPg = angle(p[Pogonion], N, S, N);
    m.FA = angle(p[Pogonion], N, p[Porion], p[Orbitale]);
    m.FC = angle(p[APoint], N, p[Pogonion], p[APoint]);
    m.ABA = angle(p[BPoint], p[APoint], p[Pogonion], N);
    m.YA = angle(p[Porion], p[Orbitale], S, p.Gnathion);
    m.SNMP = angle(S, N, p[CorpusLeft], p[Menton]);
    m.FMA = angle(p[Porion], p[Orbitale], p[CorpusLeft], p[Menton]);
    m.PPMP = angle(p[PNS], p[ANS], p[CorpusLeft], p[Menton]);
    m.ABMP = angle(p[Menton], p[CorpusLeft], p[BPoint], p[APoint]);
    m.ACB = Dist(S, N);
    m.PCB = Dist(p[Articulare], S);
    m.RH = Dist(p[Articulare], p.Gonion);
    m.BL = Dist(p.Gonion, p[Menton]);
    m.FD = Dist(N, p.Gonion);
    m.FL = Dist(p.Gnathion, S);
    m.PFH = Dist(S, p.Gonion);
    m.AFH = Dist(N, p[Menton]);
    // Nasion on Menton gives no ratio; 0 keeps the pages free of NaN, and the
    // scale check refuses such a tracing anyway.
    m.PFHAFH = m.AFH == 0 ? 0 : (m.PFH / m.AFH) * 100;
    m.Wits = Dist(p.MolarMid, p.AO) - Dist(p.MolarMid, p.BO);
    m.ODI = (m.FMA - m.PPMP) + m.ABMP;
    m.APDI = (180 - m.ABMP) - m.PPMP;
    m.OPMP = angle(p.MolarMid, p.IncisalMid, p[CorpusLeft], p[Menton]);
    m.UISN = angle(p[Mx1Crown], p[Mx1Root], S, N);
    m.UIPP = angle(p[Mx1Crown], p[Mx1Root], p[PNS], p[ANS]);
    m.IMPA = angle(p[Menton], p[CorpusLeft], p[Mn1Root], p[Mn1Crown]);
    m.FMIA = (180 - m.FMA) - m.IMPA;
    m.IIA = ((360 - m.SNMP) - m.UISN) - m.IMPA;
    m.UIOP = angle(p.MolarMid, p.IncisalMid, p[Mx1Root], p[Mx1Crown]);
    m.LIOP = angle(p[Mn1Root], p[Mn1Crown], p.MolarMid, p.IncisalMid);
    m.UIFP = SignedDistance(p[Mx1Crown], N, p[Pogonion]);
    m.LIFP = SignedDistance(p[Mn1Crown], N, p[Pogonion]);
    m.UIAP = SignedDistance(p[Mx1Crown], p[APoint], p[Pogonion]);
    m.LIAP = SignedDistance(p[Mn1Crown], p[APoint], p[Pogonion]);
    m.UL = SignedDistance(p[UpperLip], p[NoseTip], p[SoftPogonion]);
    m.LL = SignedDistance(p[LowerLip], p[NoseTip], p[SoftPogonion]);
    return m;
}

}  // namespace vt
