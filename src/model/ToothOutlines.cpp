#include "model/ToothOutlines.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "model/ToothShapes.h"
#include "platform/Units.h"

namespace vt {

namespace {

// Outline width on paper, the same at any stretch of the picture.
constexpr double kOutlineWidthMm = 0.2;

class ToothOutlinePicture : public Picture {
public:
    explicit ToothOutlinePicture(ToothPic id) : id_(id), shape_(ToothShapeOf(id)) {}

    std::string name() const override { return ToothPicName(id_); }
    double widthMm() const override { return shape_.width; }
    double heightMm() const override { return shape_.height; }

    void draw(QPainter& painter, const QRectF& target, const QRectF& sourceMm) const override {
        if (sourceMm.width() <= 0 || sourceMm.height() <= 0) return;
        const double sx = target.width() / sourceMm.width();
        const double sy = target.height() / sourceMm.height();
        // Picture millimetres (x right, y down from the picture's top) to painter.
        auto toPainter = [&](const OutlinePoint& p) {
            const double y = IsUpper(id_) ? shape_.height - p.v : p.v;
            return QPointF(target.left() + (p.x - sourceMm.left()) * sx, target.top() + (y - sourceMm.top()) * sy);
        };

        painter.save();
        // A pasted picture replaces what its rectangle covered.
        painter.fillRect(target, Qt::white);
        QPen pen(Qt::black);
        pen.setCosmetic(true);
        pen.setWidthF(OutlinePixels(painter));
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::white);
        painter.drawPath(SmoothOutline(toPainter));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(NeckLine(toPainter));
        painter.restore();
    }

private:
    static double OutlinePixels(const QPainter& painter) {
        const QPaintDevice* device = painter.device();
        const double dpi = device ? device->logicalDpiX() : kScreenPixelsPerInch;
        return std::max(1.0, MmToDots(kOutlineWidthMm, dpi));
    }

    // A closed curve through every point: Catmull-Rom tangents between
    // points, none at sharp points so that they stay corners.
    template <class Map>
    QPainterPath SmoothOutline(Map toPainter) const {
        const auto& pts = shape_.outline;
        const int n = static_cast<int>(pts.size());
        std::vector<QPointF> p(n);
        for (int i = 0; i < n; ++i) p[i] = toPainter(pts[i]);
        auto tangent = [&](int i) {
            if (pts[i].sharp) return QPointF(0, 0);
            return (p[(i + 1) % n] - p[(i + n - 1) % n]) / 6.0;
        };
        QPainterPath path(p[0]);
        for (int i = 0; i < n; ++i) {
            const int j = (i + 1) % n;
            path.cubicTo(p[i] + tangent(i), p[j] - tangent(j), p[j]);
        }
        path.closeSubpath();
        return path;
    }

    // The neck (cemento-enamel junction) across the tooth, bowed slightly
    // towards the root.
    template <class Map>
    QPainterPath NeckLine(Map toPainter) const {
        const OutlinePoint& a = shape_.outline[shape_.cejStart];
        const OutlinePoint& b = shape_.outline[shape_.cejEnd];
        const OutlinePoint mid{(a.x + b.x) / 2, (a.v + b.v) / 2 + 0.8};
        QPainterPath path(toPainter(a));
        path.quadTo(toPainter(mid), toPainter(b));
        return path;
    }

    ToothPic id_;
    const ToothShape& shape_;
};

const std::array<ToothOutlinePicture, 12>& Outlines() {
    static const std::array<ToothOutlinePicture, 12> outlines{ToothOutlinePicture(ToothPic::Mx1),
                                                              ToothOutlinePicture(ToothPic::Mx3),
                                                              ToothOutlinePicture(ToothPic::Mx4),
                                                              ToothOutlinePicture(ToothPic::Mx5),
                                                              ToothOutlinePicture(ToothPic::Mx6),
                                                              ToothOutlinePicture(ToothPic::Mx7),
                                                              ToothOutlinePicture(ToothPic::Mn1),
                                                              ToothOutlinePicture(ToothPic::Mn3),
                                                              ToothOutlinePicture(ToothPic::Mn4),
                                                              ToothOutlinePicture(ToothPic::Mn5),
                                                              ToothOutlinePicture(ToothPic::Mn6),
                                                              ToothOutlinePicture(ToothPic::Mn7)};
    return outlines;
}

}  // namespace

const Picture& ToothOutline(ToothPic id) { return Outlines()[static_cast<int>(id)]; }

const Picture* ToothOutlineNamed(std::string_view name) {
    for (ToothPic id : kAllToothPics)
        if (name == ToothPicName(id)) return &ToothOutline(id);
    return nullptr;
}

}  // namespace vt
