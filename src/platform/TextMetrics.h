#pragma once
// Width of a printed text in millimetres, measured without hinting and
// without reference to any device, so that a comment breaks at the same
// words on screen, in the saved image and on paper.

#include <string>
#include <string_view>

class QFont;

namespace vt {

double TextWidthMm(const std::string& faceName, double points, std::string_view utf8);
// Height of one line of the font in millimetres (ascent + descent).
double LineHeightMm(const std::string& faceName, double points);

// The font text is measured and drawn with, and the factor that turns its
// units into millimetres at a size in points.
QFont DesignFont(const std::string& faceName);
double DesignScaleMm(double points);

}  // namespace vt
