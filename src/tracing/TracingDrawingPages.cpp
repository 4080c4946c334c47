#include "tracing/TracingDrawingPages.h"

#include <optional>
#include <string>
#include <string_view>

#include "pages/PageFrame.h"
#include "platform/NumberText.h"
#include "platform/Units.h"
#include "tracing/Landmarks.h"

namespace vt {

namespace {

using TP = TracingPoints;
using TM = TracingMeasures;

// A point of the sheet: a landmark, or one of the points constructed from
// them. Converts from either, so the tables below name points plainly.
class PointOf {
public:
    constexpr PointOf(Landmark landmark) : landmark_(landmark) {}
    constexpr PointOf(Point TP::*constructed) : constructed_(constructed) {}
    const Point& in(const TP& p) const { return constructed_ ? p.*constructed_ : p[landmark_]; }

private:
    Landmark landmark_{};
    Point TP::*constructed_ = nullptr;
};

using enum Landmark;
constexpr PointOf Gonion{&TP::Gonion};
constexpr PointOf Gnathion{&TP::Gnathion};
constexpr PointOf IncisalMid{&TP::IncisalMid};
constexpr PointOf MolarMid{&TP::MolarMid};
constexpr PointOf U1SN{&TP::U1SN};
constexpr PointOf L1MP{&TP::L1MP};

// A stroke of the tracing: a segment between two points, or a 1 mm cross.
struct Stroke {
    PointOf from;
    std::optional<PointOf> to;  // none for a cross at `from`
};
constexpr Stroke Segment(PointOf from, PointOf to) { return {from, to}; }
constexpr Stroke CrossAt(PointOf at) { return {at, std::nullopt}; }

// In drawing order.
constexpr Stroke kStrokes[] = {
    // planes, skeletal lines, incisor axes and the profile
    Segment(Sella, Nasion),
    Segment(Porion, Orbitale),
    Segment(PNS, ANS),
    Segment(IncisalMid, MolarMid),
    Segment(Gonion, Gnathion),
    Segment(Sella, Articulare),
    Segment(Articulare, Gonion),
    Segment(Sella, Gnathion),
    Segment(Sella, Gonion),
    Segment(Nasion, Gonion),
    Segment(Nasion, Gnathion),
    Segment(Nasion, APoint),
    Segment(Nasion, BPoint),
    Segment(Mx1Crown, U1SN),
    Segment(Mn1Crown, L1MP),
    Segment(NoseTip, SoftPogonion),
    // incisor roots, molars and lips
    CrossAt(Mx1Root),
    CrossAt(Mn1Root),
    Segment(Mx6Distal, Mx6Root),
    Segment(Mn6Distal, Mn6Root),
    CrossAt(UpperLip),
    CrossAt(LowerLip),
};

// One coordinate of a point, or of the midpoint of two.
struct Anchor {
    PointOf a;
    std::optional<PointOf> b;
};
constexpr Anchor At(PointOf a) { return {a, std::nullopt}; }
constexpr Anchor Mid(PointOf a, PointOf b) { return {a, b}; }

double XOf(const TP& p, const Anchor& an) { return an.b ? (an.a.in(p).x + an.b->in(p).x) / 2 : an.a.in(p).x; }
double YOf(const TP& p, const Anchor& an) { return an.b ? (an.a.in(p).y + an.b->in(p).y) / 2 : an.a.in(p).y; }

struct ValuePlace {
    double TM::*value;
    std::string_view prefix;
    Anchor x;
    double dx;
    Anchor y;
    double dy;
};

constexpr ValuePlace kValues[] = {
    {&TM::SA, "", At(Sella), -7, At(Sella), -6},
    {&TM::AA, "", At(Articulare), -11, At(Articulare), -2},
    {&TM::GA, "", At(Gonion), -11, At(Gonion), 3},
    {&TM::UGA, "", At(Gonion), 0, At(Gonion), -12},
    {&TM::LGA, "", At(Gonion), 5, At(Gonion), -3},
    {&TM::FA, "", At(Orbitale), -1, At(Orbitale), 1},
    {&TM::FC, "", At(ANS), 1, At(ANS), -8},
    {&TM::ABA, "", At(ANS), 1, At(ANS), 3},
    {&TM::YA, "", Mid(Porion, Orbitale), 3, Mid(Porion, Orbitale), 2},
    {&TM::SNMP, "", At(Porion), -15, At(Sella), 0},
    {&TM::FMA, "", At(Porion), -15, At(Porion), 0},
    {&TM::PPMP, "", At(Porion), -15, At(PNS), 0},
    {&TM::OPMP, "", At(Porion), -15, At(MolarMid), 0},
    {&TM::ACB, "", Mid(Sella, Nasion), -5, Mid(Sella, Nasion), -5},
    {&TM::PCB, "", Mid(Sella, Articulare), -10, Mid(Sella, Articulare), -2},
    {&TM::RH, "", Mid(Articulare, Gonion), -10, Mid(Articulare, Gonion), 0},
    {&TM::BL, "", Mid(Gonion, Menton), -5, Mid(Gonion, Menton), 3},
    {&TM::FD, "", Mid(Gonion, Nasion), 1, Mid(Gonion, Nasion), -5},
    {&TM::FL, "", Mid(Sella, Gnathion), -8, Mid(Sella, Gnathion), -12},
    {&TM::PFH, "", Mid(Sella, Gonion), 2, Mid(Sella, Gonion), -3},
    {&TM::AFH, "", At(Nasion), -5, At(Nasion), -5},
    {&TM::Wits, "", At(NoseTip), 0, Mid(UpperLip, LowerLip), -2},
    {&TM::UISN, "", At(U1SN), -10, At(U1SN), 3},
    {&TM::IMPA, "", At(L1MP), -9, At(L1MP), 2},
    {&TM::FMIA, "", At(Orbitale), 32, At(Orbitale), 1},
    {&TM::ABMP, "", At(Gnathion), -7, At(Gnathion), 1},
    {&TM::IIA, "", Mid(IncisalMid, MolarMid), -10, Mid(IncisalMid, MolarMid), -2},
    {&TM::UIOP, "", Mid(IncisalMid, MolarMid), -10, Mid(IncisalMid, MolarMid), -8},
    {&TM::LIOP, "", Mid(IncisalMid, MolarMid), -10, Mid(IncisalMid, MolarMid), 4},
    {&TM::UIFP, "", At(Mx1Crown), 2, At(IncisalMid), -5},
    {&TM::LIFP, "", At(Mn1Crown), 2, At(IncisalMid), 3},
    {&TM::UIAP, "", At(Mx1Crown), -13, At(IncisalMid), -7},
    {&TM::LIAP, "", At(Mn1Crown), -13, At(IncisalMid), 1},
    {&TM::UL, "", At(UpperLip), 3, At(UpperLip), -2},
    {&TM::LL, "", At(LowerLip), 3, At(LowerLip), -2},
    {&TM::ODI, "ODI = ", At(Porion), -15, At(Sella), -40},
    {&TM::APDI, "APDI = ", At(Porion), -15, At(Sella), -35},
    {&TM::SNA, "", At(Nasion), 12, At(Sella), -45},
    {&TM::SNB, "", At(Nasion), 12, At(Sella), -40},
    {&TM::ANB, "", At(Nasion), 12, At(Sella), -35},
    {&TM::SNPg, "", At(Nasion), 12, At(Sella), -30},
    {&TM::Sum, "Sum = ", At(Porion), -15, At(Gonion), 40},
    {&TM::PFHAFH, "PFH/AFH = ", At(Porion), -15, At(Gonion), 45},
};
static_assert(std::size(kValues) == 43);

// The strokes in `color`, or in the current text colour when none is given.
void DrawTracing(ResultSurface& s, const TP& p, std::optional<int> color) {
    auto line = [&](double x1, double y1, double x2, double y2) {
        if (color)
            s.line(x1, y1, x2, y2, *color);
        else
            s.line(x1, y1, x2, y2);
    };
    for (const Stroke& st : kStrokes) {
        const Point& a = st.from.in(p);
        if (st.to) {
            const Point& b = st.to->in(p);
            line(a.x, a.y, b.x, b.y);
        } else {
            line(a.x - 0.5, a.y, a.x + 0.5, a.y);
            line(a.x, a.y - 0.5, a.x, a.y + 0.5);
        }
    }
}

void PrintValues(ResultSurface& s, const TP& p, const TM& m) {
    for (const ValuePlace& v : kValues) {
        std::string text(v.prefix);
        text += FormatNumber(m.*v.value, "#0.0");
        s.printAt(XOf(p, v.x) + v.dx, YOf(p, v.y) + v.dy, text);
    }
}

}  // namespace

SheetRect RadiographWindowMm(double sellaX, double sellaY, double m) {
    // Divided by the scale first, then turned into millimetres of the picture.
    return {TwipsToMm(sellaX - 50 / m), TwipsToMm(sellaY - 50 / m), TwipsToMm(170 / m), TwipsToMm(210 / m)};
}

void CephAx1(ResultSurface& s, const TracingResult& t, const PatientRecord& p) {
    if (t.radiograph && t.MmPerPixel > 0) {
        // Source positions count from the surface's origin, as destinations do.
        const double Xchange = s.originX(), Ychange = s.originY();
        SheetRect source = RadiographWindowMm(t.SellaX, t.SellaY, t.MmPerPixel);
        source.left += Xchange;
        source.top += Ychange;
        s.paintPicture(*t.radiograph, kRadiographSheetRect, source);
    }
    PrintPageFrame(s, p, /*tableRules=*/false);
    DrawTracing(s, t.points, kTracingLineColor);
    s.setForeColor(kTracingValueColor);
    PrintValues(s, t.points, t.measures);
}

void CephAx2(ResultSurface& s, const TracingResult& t, const PatientRecord& p) {
    PrintPageFrame(s, p, /*tableRules=*/false);
    DrawTracing(s, t.points, std::nullopt);
    PrintValues(s, t.points, t.measures);
}

}  // namespace vt
