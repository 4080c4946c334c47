#pragma once
// Where the radiograph meets the display. Three spaces are joined here and
// nowhere else:
// - picture units: twips of the radiograph at its nominal size (a pixel is
//   15), origin at its top-left corner, y downwards;
// - display units: twips of the display's drawing area, origin at its
//   top-left corner; the mouse reports positions in them;
// - device pixels of the display, 15 display units each.
// Zoom is display units per picture unit, (ViewX, ViewY) the picture point
// shown at the display's origin.

namespace vt {

struct View {
    double Zoom = 0;
    double ViewX = 0;
    double ViewY = 0;
};

// Sizes as the controls report them, in single precision: the display's
// outer size (border included) and the picture's size, in twips.
struct DisplaySizes {
    float boxWidth = 0;
    float boxHeight = 0;
    float W = 0;
    float H = 0;
};

// Picture point -> display position, formed in double precision.
inline double PictureToDisplayX(const View& v, double x) { return (x - v.ViewX) * v.Zoom; }
inline double PictureToDisplayY(const View& v, double y) { return (y - v.ViewY) * v.Zoom; }
// Mouse position (display units) -> picture point; the exact inverse.
inline double DisplayToPictureX(const View& v, float X) { return X / v.Zoom + v.ViewX; }
inline double DisplayToPictureY(const View& v, float Y) { return Y / v.Zoom + v.ViewY; }

// Display units <-> device pixels of the display.
double DisplayToPixels(double displayUnits);
float PixelsToDisplay(double pixels);

// The zoom at which the whole picture width, or height, fills the display.
double WidthFit(const DisplaySizes& s);
double HeightFit(const DisplaySizes& s);
// An opened picture shows whole: the smaller fit (equal fits: the width fit).
double OpeningZoom(const DisplaySizes& s);
// The magnify button switches between the two fits, starting from the one
// the picture was opened with.
double ToggledZoom(double zoom, const DisplaySizes& s);

// Whether a pan may show picture point `v` at the display's edge along one
// axis: only when the zoomed picture is larger than the display there and
// no space outside the picture would show. `extent` is W or H, `box` the
// display's outer width or height.
bool PanAccepted(double v, float extent, double zoom, float box);

}  // namespace vt
