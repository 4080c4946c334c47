#include "tracing/ViewTransform.h"

#include "platform/SinglePrecision.h"
#include "platform/Units.h"

namespace vt {

double DisplayToPixels(double displayUnits) { return displayUnits / kTwipsPerPixel; }
float PixelsToDisplay(double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

double WidthFit(const DisplaySizes& s) { return static_cast<double>(s.boxWidth) / static_cast<double>(s.W); }
double HeightFit(const DisplaySizes& s) { return static_cast<double>(s.boxHeight) / static_cast<double>(s.H); }

// The fits are compared as single-precision numbers, as the sizes are.
double OpeningZoom(const DisplaySizes& s) {
    const double width = WidthFit(s);
    const double height = HeightFit(s);
    return ToSingle(width) > ToSingle(height) ? height : width;
}

double ToggledZoom(double zoom, const DisplaySizes& s) {
    const double height = HeightFit(s);
    return ToSingle(zoom) == ToSingle(height) ? WidthFit(s) : height;
}

bool PanAccepted(double v, float extent, double zoom, float box) {
    return ToSingle(extent * zoom) > box && v >= 0 && (extent - v) * zoom >= box;
}

}  // namespace vt
