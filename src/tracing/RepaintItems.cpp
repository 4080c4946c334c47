#include "tracing/RepaintItems.h"

#include <array>

namespace vt {

namespace {

using R = TracingRecord;

// A point the display marks: one end of the scale, or a landmark. Converts
// from either, so the drawing order below names points plainly.
class PointRef {
public:
    constexpr PointRef(double R::*x, double R::*y) : x_(x), y_(y) {}
    constexpr PointRef(Landmark landmark) : landmark_(landmark) {}
    PicturePoint in(const R& r) const { return x_ ? PicturePoint{r.*x_, r.*y_} : r.landmarks[landmark_]; }

private:
    double R::*x_ = nullptr;
    double R::*y_ = nullptr;
    Landmark landmark_{};
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
using enum Landmark;

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

bool Placed(PicturePoint p) { return IsPlaced(p.x, p.y); }

// Display positions are formed in double precision and drawn in single.
DisplayLine Line(double x1, double y1, double x2, double y2) {
    return {static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2)};
}

DisplayLine Between(const View& v, PicturePoint a, PicturePoint b) {
    return Line(
        PictureToDisplayX(v, a.x), PictureToDisplayY(v, a.y), PictureToDisplayX(v, b.x), PictureToDisplayY(v, b.y));
}

void AddMark(std::vector<DisplayLine>& lines, const View& v, PicturePoint p) {
    const double x = PictureToDisplayX(v, p.x);
    const double y = PictureToDisplayY(v, p.y);
    lines.push_back(Line(x + kMarkHalf, y + kMarkHalf, x - kMarkHalf, y - kMarkHalf));
    lines.push_back(Line(x + kMarkHalf, y - kMarkHalf, x - kMarkHalf, y + kMarkHalf));
}

// Midpoints are formed in picture units as the sum of the halves.
PicturePoint Midpoint(PicturePoint a, PicturePoint b) { return {a.x / 2 + b.x / 2, a.y / 2 + b.y / 2}; }

}  // namespace

PictureTarget PictureTargetOf(const View& view, float W, float H) {
    return {-view.ViewX * view.Zoom, -view.ViewY * view.Zoom, W * view.Zoom, H * view.Zoom};
}

std::vector<DisplayLine> RepaintLines(const TracingRecord& record, const View& view) {
    std::vector<DisplayLine> lines;
    lines.reserve(69);
    for (const Item& item : kItems) {
        const PicturePoint a = item.points[0].in(record);
        const PicturePoint b = item.points[1].in(record);
        switch (item.kind) {
            case Kind::Mark:
                if (Placed(a)) AddMark(lines, view, a);
                break;
            case Kind::Segment:
                if (Placed(a) && Placed(b)) lines.push_back(Between(view, a, b));
                break;
            case Kind::OcclusalLine: {
                const PicturePoint c = item.points[2].in(record);
                const PicturePoint d = item.points[3].in(record);
                if (Placed(a) && Placed(b) && Placed(c) && Placed(d))
                    lines.push_back(Between(view, Midpoint(a, b), Midpoint(c, d)));
                break;
            }
        }
    }
    return lines;
}

}  // namespace vt
