#include "tracing/TracingDrawingPages.h"

#include <optional>
#include <string>
#include <string_view>

#include "pages/PageFrame.h"
#include "platform/NumberText.h"
#include "platform/Units.h"

namespace vt {

namespace {

using TP = TracingPoints;
using TM = TracingMeasures;
using PointOf = Point TP::*;

// A stroke of the tracing: a segment between two points, or a 1 mm cross.
struct Stroke {
    PointOf from;
    PointOf to;  // null for a cross at `from`
};

constexpr Stroke kStrokes[] = {
    {&TP::Sella, &TP::Nasion},         {&TP::Porion, &TP::Orbitale},   {&TP::PNS, &TP::ANS},
    {&TP::IncisalMid, &TP::MolarMid},  {&TP::Gonion, &TP::Gnathion},   {&TP::Sella, &TP::Articulare},
    {&TP::Articulare, &TP::Gonion},    {&TP::Sella, &TP::Gnathion},    {&TP::Sella, &TP::Gonion},
    {&TP::Nasion, &TP::Gonion},        {&TP::Nasion, &TP::Gnathion},   {&TP::Nasion, &TP::APoint},
    {&TP::Nasion, &TP::BPoint},        {&TP::Mx1Crown, &TP::U1SN},     {&TP::Mn1Crown, &TP::L1MP},
    {&TP::NoseTip, &TP::SoftPogonion}, {&TP::Mx1Root, nullptr},        {&TP::Mn1Root, nullptr},
    {&TP::Mx6Distal, &TP::Mx6Root},    {&TP::Mn6Distal, &TP::Mn6Root}, {&TP::UpperLip, nullptr},
    {&TP::LowerLip, nullptr},
};

// One coordinate of a point, or of the midpoint of two.
struct Anchor {
    PointOf a;
    PointOf b = nullptr;
};
constexpr Anchor At(PointOf a) { return {a}; }
constexpr Anchor Mid(PointOf a, PointOf b) { return {a, b}; }

double XOf(const TP& p, const Anchor& an) { return an.b ? ((p.*an.a).x + (p.*an.b).x) / 2 : (p.*an.a).x; }
double YOf(const TP& p, const Anchor& an) { return an.b ? ((p.*an.a).y + (p.*an.b).y) / 2 : (p.*an.a).y; }

struct ValuePlace {
    double TM::*value;
    std::string_view prefix;
    Anchor x;
    double dx;
    Anchor y;
    double dy;
};

constexpr ValuePlace kValues[] = {
    {&TM::SA, "", At(&TP::Sella), -7, At(&TP::Sella), -6},
    {&TM::AA, "", At(&TP::Articulare), -11, At(&TP::Articulare), -2},
    {&TM::GA, "", At(&TP::Gonion), -11, At(&TP::Gonion), 3},
    {&TM::UGA, "", At(&TP::Gonion), 0, At(&TP::Gonion), -12},
    {&TM::LGA, "", At(&TP::Gonion), 5, At(&TP::Gonion), -3},
    {&TM::FA, "", At(&TP::Orbitale), -1, At(&TP::Orbitale), 1},
    {&TM::FC, "", At(&TP::ANS), 1, At(&TP::ANS), -8},
    {&TM::ABA, "", At(&TP::ANS), 1, At(&TP::ANS), 3},
    {&TM::YA, "", Mid(&TP::Porion, &TP::Orbitale), 3, Mid(&TP::Porion, &TP::Orbitale), 2},
    {&TM::SNMP, "", At(&TP::Porion), -15, At(&TP::Sella), 0},
    {&TM::FMA, "", At(&TP::Porion), -15, At(&TP::Porion), 0},
    {&TM::PPMP, "", At(&TP::Porion), -15, At(&TP::PNS), 0},
    {&TM::OPMP, "", At(&TP::Porion), -15, At(&TP::MolarMid), 0},
    {&TM::ACB, "", Mid(&TP::Sella, &TP::Nasion), -5, Mid(&TP::Sella, &TP::Nasion), -5},
    {&TM::PCB, "", Mid(&TP::Sella, &TP::Articulare), -10, Mid(&TP::Sella, &TP::Articulare), -2},
    {&TM::RH, "", Mid(&TP::Articulare, &TP::Gonion), -10, Mid(&TP::Articulare, &TP::Gonion), 0},
    {&TM::BL, "", Mid(&TP::Gonion, &TP::Menton), -5, Mid(&TP::Gonion, &TP::Menton), 3},
    {&TM::FD, "", Mid(&TP::Gonion, &TP::Nasion), 1, Mid(&TP::Gonion, &TP::Nasion), -5},
    {&TM::FL, "", Mid(&TP::Sella, &TP::Gnathion), -8, Mid(&TP::Sella, &TP::Gnathion), -12},
    {&TM::PFH, "", Mid(&TP::Sella, &TP::Gonion), 2, Mid(&TP::Sella, &TP::Gonion), -3},
    {&TM::AFH, "", At(&TP::Nasion), -5, At(&TP::Nasion), -5},
    {&TM::Wits, "", At(&TP::NoseTip), 0, Mid(&TP::UpperLip, &TP::LowerLip), -2},
    {&TM::UISN, "", At(&TP::U1SN), -10, At(&TP::U1SN), 3},
    {&TM::IMPA, "", At(&TP::L1MP), -9, At(&TP::L1MP), 2},
    {&TM::FMIA, "", At(&TP::Orbitale), 32, At(&TP::Orbitale), 1},
    {&TM::ABMP, "", At(&TP::Gnathion), -7, At(&TP::Gnathion), 1},
    {&TM::IIA, "", Mid(&TP::IncisalMid, &TP::MolarMid), -10, Mid(&TP::IncisalMid, &TP::MolarMid), -2},
    {&TM::UIOP, "", Mid(&TP::IncisalMid, &TP::MolarMid), -10, Mid(&TP::IncisalMid, &TP::MolarMid), -8},
    {&TM::LIOP, "", Mid(&TP::IncisalMid, &TP::MolarMid), -10, Mid(&TP::IncisalMid, &TP::MolarMid), 4},
    {&TM::UIFP, "", At(&TP::Mx1Crown), 2, At(&TP::IncisalMid), -5},
    {&TM::LIFP, "", At(&TP::Mn1Crown), 2, At(&TP::IncisalMid), 3},
    {&TM::UIAP, "", At(&TP::Mx1Crown), -13, At(&TP::IncisalMid), -7},
    {&TM::LIAP, "", At(&TP::Mn1Crown), -13, At(&TP::IncisalMid), 1},
    {&TM::UL, "", At(&TP::UpperLip), 3, At(&TP::UpperLip), -2},
    {&TM::LL, "", At(&TP::LowerLip), 3, At(&TP::LowerLip), -2},
    {&TM::ODI, "ODI = ", At(&TP::Porion), -15, At(&TP::Sella), -40},
    {&TM::APDI, "APDI = ", At(&TP::Porion), -15, At(&TP::Sella), -35},
    {&TM::SNA, "", At(&TP::Nasion), 12, At(&TP::Sella), -45},
    {&TM::SNB, "", At(&TP::Nasion), 12, At(&TP::Sella), -40},
    {&TM::ANB, "", At(&TP::Nasion), 12, At(&TP::Sella), -35},
    {&TM::SNPg, "", At(&TP::Nasion), 12, At(&TP::Sella), -30},
    {&TM::Sum, "Sum = ", At(&TP::Porion), -15, At(&TP::Gonion), 40},
    {&TM::PFHAFH, "PFH/AFH = ", At(&TP::Porion), -15, At(&TP::Gonion), 45},
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
        const Point& a = p.*st.from;
        if (st.to) {
            const Point& b = p.*st.to;
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
