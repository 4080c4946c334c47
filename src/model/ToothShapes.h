#pragma once
// The drawn shape of each tooth outline, as data: a closed outline through
// points, smoothed between them except at sharp points (cusp tips, grooves,
// the cemento-enamel junction and root furcations).
//
// Every tooth is seen from the cheek or lip side and fills its picture:
// contacts on both sides, the occlusal line and the root apex, so that teeth
// pasted side by side touch. Coordinates are millimetres of the picture's
// nominal size: x from the distal side, v from the occlusal line towards the
// root apex. The picture turns v upwards for upper teeth.

#include <vector>

#include "model/ToothPic.h"

namespace vt {

struct OutlinePoint {
    double x, v;
    bool sharp = false;
};

struct ToothShape {
    double width, height;               // nominal picture size in mm
    std::vector<OutlinePoint> outline;  // closed, clockwise from the distal contact
    int cejStart, cejEnd;               // outline points the neck line joins
};

const ToothShape& ToothShapeOf(ToothPic id);

}  // namespace vt
