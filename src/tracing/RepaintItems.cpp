#include "tracing/RepaintItems.h"

#include <array>

namespace vt {

namespace {

using R = TracingRecord;

struct PointRef {
    double R::*x;
    double R::*y;
};

enum class Kind { Mark, Segment, OcclusalLine };

// A mark names one point, a segment two, the occlusal line the four points
// whose midpoints it joins (upper and lower incisor, upper and lower molar).
struct Item {
    Kind kind;
    std::array<PointRef, 4> points;
};

constexpr PointRef ScaleStart{&R::ScaleX1, &R::ScaleY1};
constexpr PointRef ScaleEnd{&R::ScaleX2, &R::ScaleY2};
constexpr PointRef Nasion{&R::NasionX, &R::NasionY};
constexpr PointRef Sella{&R::SellaX, &R::SellaY};
constexpr PointRef Porion{&R::PorionX, &R::PorionY};
constexpr PointRef Orbitale{&R::OrbitaleX, &R::OrbitaleY};
constexpr PointRef ANS{&R::ANSX, &R::ANSY};
constexpr PointRef PNS{&R::PNSX, &R::PNSY};
constexpr PointRef APoint{&R::APointX, &R::APointY};
constexpr PointRef BPoint{&R::BPointX, &R::BPointY};
constexpr PointRef Pogonion{&R::PogonionX, &R::PogonionY};
constexpr PointRef Menton{&R::MentonX, &R::MentonY};
constexpr PointRef CorpusLeft{&R::CorpusLeftX, &R::CorpusLeftY};
constexpr PointRef RamusDown{&R::RamusDownX, &R::RamusDownY};
constexpr PointRef Articulare{&R::ArticulareX, &R::ArticulareY};
constexpr PointRef Mx1Crown{&R::Mx1CrownX, &R::Mx1CrownY};
constexpr PointRef Mx1Root{&R::Mx1RootX, &R::Mx1RootY};
constexpr PointRef Mn1Crown{&R::Mn1CrownX, &R::Mn1CrownY};
constexpr PointRef Mn1Root{&R::Mn1RootX, &R::Mn1RootY};
constexpr PointRef Mx6Distal{&R::Mx6DistalX, &R::Mx6DistalY};
constexpr PointRef Mx6Root{&R::Mx6RootX, &R::Mx6RootY};
constexpr PointRef Mn6Distal{&R::Mn6DistalX, &R::Mn6DistalY};
constexpr PointRef Mn6Root{&R::Mn6RootX, &R::Mn6RootY};
constexpr PointRef NoseTip{&R::NoseTipX, &R::NoseTipY};
constexpr PointRef UpperLip{&R::UpperLipX, &R::UpperLipY};
constexpr PointRef LowerLip{&R::LowerLipX, &R::LowerLipY};
constexpr PointRef SoftPogonion{&R::SoftPogonionX, &R::SoftPogonionY};

constexpr Item Mark(PointRef p) { return {Kind::Mark, {p, p, p, p}}; }
constexpr Item Segment(PointRef a, PointRef b) { return {Kind::Segment, {a, b, a, b}}; }

// The drawing order: each structure's marks, then its segment, so a
// clinician sees the tracing grow as the landmarks are placed. The lip and
// nose marks come in the order Upper Lip, Lower Lip, Nose Tip, Soft Pogonion.
const Item kItems[] = {
    Mark(ScaleStart),
    Mark(ScaleEnd),
    Segment(ScaleStart, ScaleEnd),
    Mark(Nasion),
    Mark(Sella),
    Segment(Nasion, Sella),
    Mark(Porion),
    Mark(Orbitale),
    Segment(Porion, Orbitale),
    Mark(ANS),
    Mark(PNS),
    Segment(ANS, PNS),
    Mark(APoint),
    Segment(Nasion, APoint),
    Mark(BPoint),
    Segment(Nasion, BPoint),
    Mark(Pogonion),
    Segment(Nasion, Pogonion),
    Mark(Menton),
    Mark(CorpusLeft),
    Segment(Menton, CorpusLeft),
    Mark(RamusDown),
    Mark(Articulare),
    Segment(RamusDown, Articulare),
    Mark(Mx1Crown),
    Mark(Mx1Root),
    Segment(Mx1Crown, Mx1Root),
    Mark(Mn1Crown),
    Mark(Mn1Root),
    Segment(Mn1Crown, Mn1Root),
    Mark(Mx6Distal),
    Mark(Mx6Root),
    Segment(Mx6Distal, Mx6Root),
    Mark(Mn6Distal),
    Mark(Mn6Root),
    Segment(Mn6Distal, Mn6Root),
    {Kind::OcclusalLine, {Mx1Crown, Mn1Crown, Mx6Distal, Mn6Distal}},
    Mark(UpperLip),
    Mark(LowerLip),
    Mark(NoseTip),
    Mark(SoftPogonion),
    Segment(NoseTip, SoftPogonion),
};

struct Point {
    double x, y;
};

Point Get(const TracingRecord& r, PointRef p) { return {r.*p.x, r.*p.y}; }
bool Placed(Point p) { return IsPlaced(p.x, p.y); }

// Display positions are formed in double precision and drawn in single.
DisplayLine Line(double x1, double y1, double x2, double y2) {
    return {static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2)};
}

DisplayLine Between(const View& v, Point a, Point b) {
    return Line(
        PictureToDisplayX(v, a.x), PictureToDisplayY(v, a.y), PictureToDisplayX(v, b.x), PictureToDisplayY(v, b.y));
}

void AddMark(std::vector<DisplayLine>& lines, const View& v, Point p) {
    const double x = PictureToDisplayX(v, p.x);
    const double y = PictureToDisplayY(v, p.y);
    lines.push_back(Line(x + kMarkHalf, y + kMarkHalf, x - kMarkHalf, y - kMarkHalf));
    lines.push_back(Line(x + kMarkHalf, y - kMarkHalf, x - kMarkHalf, y + kMarkHalf));
}

// Midpoints are formed in picture units as the sum of the halves.
Point Midpoint(Point a, Point b) { return {a.x / 2 + b.x / 2, a.y / 2 + b.y / 2}; }

}  // namespace

PictureTarget PictureTargetOf(const View& view, float W, float H) {
    return {-view.ViewX * view.Zoom, -view.ViewY * view.Zoom, W * view.Zoom, H * view.Zoom};
}

std::vector<DisplayLine> RepaintLines(const TracingRecord& record, const View& view) {
    std::vector<DisplayLine> lines;
    lines.reserve(69);
    for (const Item& item : kItems) {
        const Point a = Get(record, item.points[0]);
        const Point b = Get(record, item.points[1]);
        switch (item.kind) {
            case Kind::Mark:
                if (Placed(a)) AddMark(lines, view, a);
                break;
            case Kind::Segment:
                if (Placed(a) && Placed(b)) lines.push_back(Between(view, a, b));
                break;
            case Kind::OcclusalLine: {
                const Point c = Get(record, item.points[2]);
                const Point d = Get(record, item.points[3]);
                if (Placed(a) && Placed(b) && Placed(c) && Placed(d))
                    lines.push_back(Between(view, Midpoint(a, b), Midpoint(c, d)));
                break;
            }
        }
    }
    return lines;
}

}  // namespace vt
