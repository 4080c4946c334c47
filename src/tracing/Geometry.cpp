#include "tracing/Geometry.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "platform/ProcedureError.h"

namespace vt {

namespace {

// The procedures trap overflow of their arithmetic: any intermediate or the
// result not finite although the arguments were. The coordinate differences
// are intermediates too: one that overflows can turn into a finite slope of
// 0 further on.
double Trapped(std::string_view procedure, std::initializer_list<double> args, std::initializer_list<double> values) {
    for (double a : args)
        if (!std::isfinite(a)) return *(values.end() - 1);
    for (double v : values) {
        if (!std::isfinite(v)) {
            ReportProcedureError(procedure, "Error: 6. Overflow");
            return 0;
        }
    }
    return *(values.end() - 1);
}

double Degrees(double radians) { return radians * 180 / kPi; }

}  // namespace

double ArcTangent(double dx, double dy) {
    if (dx == 0 && dy == 0) return 0;
    if (dx == 0) return dy > 0 ? 90 : -90;
    if (dy == 0) return dx > 0 ? 0 : 180;
    if (dx > 0) {
        const double q = dy / dx;
        return Trapped("ArcTangent", {dx, dy}, {q, Degrees(std::atan(q))});
    }
    const double q = std::fabs(dy / dx);
    const double r = (180 - Degrees(std::atan(q))) * (dy > 0 ? 1 : -1);
    return Trapped("ArcTangent", {dx, dy}, {q, r});
}

double LineCrossX(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
    if (x1 == x2 && x3 == x4) return x1;
    if (x1 == x2) return x1;
    if (x3 == x4) return x3;
    const double m1 = (y2 - y1) / (x2 - x1);
    const double m2 = (y4 - y3) / (x4 - x3);
    // Equal slopes that overflowed on the way (both infinite, or zero from
    // an infinite x difference) are an overflow, not parallel lines.
    const std::initializer_list<double> args = {x1, y1, x2, y2, x3, y3, x4, y4};
    if (m1 == m2) return Trapped("LineCrossX", args, {x2 - x1, y2 - y1, x4 - x3, y4 - y3, m1, m2, x1});
    const double num = (y2 - y1) * x1 / (x2 - x1) - (y4 - y3) * x3 / (x4 - x3) + y3 - y1;
    const double den = (y2 - y1) / (x2 - x1) - (y4 - y3) / (x4 - x3);
    return Trapped("LineCrossX", args, {x2 - x1, y2 - y1, x4 - x3, y4 - y3, m1, m2, num, den, num / den});
}

double LineCrossY(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
    if (y1 == y2 && y3 == y4) return y1;
    if (y1 == y2) return y1;
    if (y3 == y4) return y3;
    const double k1 = (x2 - x1) / (y2 - y1);
    const double k2 = (x4 - x3) / (y4 - y3);
    const std::initializer_list<double> args = {x1, y1, x2, y2, x3, y3, x4, y4};
    if (k1 == k2) return Trapped("LineCrossY", args, {y2 - y1, x2 - x1, y4 - y3, x4 - x3, k1, k2, y1});
    const double num = (x2 - x1) * y1 / (y2 - y1) - (x4 - x3) * y3 / (y4 - y3) + x3 - x1;
    const double den = (x2 - x1) / (y2 - y1) - (x4 - x3) / (y4 - y3);
    return Trapped("LineCrossY", args, {y2 - y1, x2 - x1, y4 - y3, x4 - x3, k1, k2, num, den, num / den});
}

double VerticalX(double px, double py, double x1, double y1, double x2, double y2) {
    if (x1 == x2 && y1 == y2) return x1;
    if (x1 == x2) return x1;
    if (y1 == y2) return px;
    const double num = (x2 - x1) * px / (y2 - y1) + (y2 - y1) * x1 / (x2 - x1) + py - y1;
    const double den = (y2 - y1) / (x2 - x1) + (x2 - x1) / (y2 - y1);
    return Trapped("VerticalX", {px, py, x1, y1, x2, y2}, {x2 - x1, y2 - y1, num, den, num / den});
}

double VerticalY(double px, double py, double x1, double y1, double x2, double y2) {
    if (x1 == x2 && y1 == y2) return y1;
    if (y1 == y2) return y1;
    if (x1 == x2) return py;
    const double num = (y2 - y1) * py / (x2 - x1) + (x2 - x1) * y1 / (y2 - y1) + px - x1;
    const double den = (y2 - y1) / (x2 - x1) + (x2 - x1) / (y2 - y1);
    return Trapped("VerticalY", {px, py, x1, y1, x2, y2}, {x2 - x1, y2 - y1, num, den, num / den});
}

double DistPoint(double x1, double y1, double x2, double y2) {
    return std::pow(std::pow(x1 - x2, 2) + std::pow(y1 - y2, 2), 0.5);
}

double DistLine(double px, double py, double x1, double y1, double x2, double y2) {
    const double fx = VerticalX(px, py, x1, y1, x2, y2);
    const double fy = VerticalY(px, py, x1, y1, x2, y2);
    return std::pow(std::pow(px - fx, 2) + std::pow(py - fy, 2), 0.5);
}

}  // namespace vt
