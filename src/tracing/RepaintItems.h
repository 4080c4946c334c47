#pragma once
// What a repaint of the cephalogram display draws over the picture: an X on
// every placed point and the tracing segments between placed points, in a
// fixed order, as lines in display units. Pure data; the display widget
// draws them.

#include <vector>

#include "tracing/TracingRecord.h"
#include "tracing/ViewTransform.h"

namespace vt {

// Half the size of a point's X, in display units, at every zoom.
inline constexpr double kMarkHalf = 50;

// One line in display units, as handed to the line drawing.
struct DisplayLine {
    float x1, y1, x2, y2;
    bool operator==(const DisplayLine&) const = default;
};

// Where the whole picture lies on the display, in display units: scaled by
// Zoom, its point (ViewX, ViewY) at the display's origin, so a panned
// picture starts left of and above the display. The display is cleared
// outside it.
struct PictureTarget {
    double left, top, width, height;
};
PictureTarget PictureTargetOf(const View& view, float W, float H);

// The marks and segments of the record over the picture, in drawing order.
std::vector<DisplayLine> RepaintLines(const TracingRecord& record, const View& view);

}  // namespace vt
