#pragma once
// The drawing surface that every result page draws on: an A4 sheet in
// millimetres, x 0..210 across, y 0..297 down. Page procedures use these
// operations and nothing else, so the same page lands on the preview, the
// saved image, the printer or a recording surface in tests.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vt {

class Picture;

// A rectangle in sheet millimetres (left, top, width, height).
struct SheetRect {
    double left = 0, top = 0, width = 0, height = 0;
};

class ResultSurface {
public:
    virtual ~ResultSurface() = default;

    // Current position: the top-left corner of the next printed text.
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    void setCurrent(double x, double y) {
        setCurrentX(x);
        setCurrentY(y);
    }
    // Sets the current position and prints there, as the pages always do.
    void printAt(double x, double y, std::string_view text) {
        setCurrent(x, y);
        print(text);
    }

    // Font face ("돋움", "돋움체"), size in points, text colour (palette index).
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setForeColor(int paletteIndex) = 0;
    virtual std::string fontName() const = 0;
    virtual double fontSize() const = 0;
    virtual int foreColor() const = 0;

    // Prints UTF-8 text with its top-left corner at the current position.
    // The current position is left where it was.
    virtual void print(std::string_view text) = 0;
    // Width of the text in the current font, in millimetres, measured the
    // same way on every device.
    virtual double textWidth(std::string_view text) const = 0;

    // A line in the current text colour, or in the given palette colour.
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void line(double x1, double y1, double x2, double y2, int paletteIndex) = 0;
    // A box from corner to corner filled with a palette colour.
    virtual void fillBox(double x1, double y1, double x2, double y2, int paletteIndex) = 0;

    // Paints a picture into the destination rectangle: whole (stretched),
    // or only the source rectangle of it. Source positions are in sheet
    // millimetres counted from this surface's origin, like destinations.
    virtual void paintPicture(const Picture& picture,
                              const SheetRect& dest,
                              const std::optional<SheetRect>& source = std::nullopt) = 0;

    // Where this surface's window on the sheet begins (0,0 for the printer,
    // (0, scroll top) for the preview, (15, 15) for the saved image).
    virtual double originX() const = 0;
    virtual double originY() const = 0;
};

// A page procedure: draws one whole result page on the surface it is given.
using PageProcedure = std::function<void(ResultSurface&)>;

// Fills the whole sheet white, as callers do before a picture surface is drawn.
inline void FillSheetWhite(ResultSurface& s) { s.fillBox(0, 0, 210, 297, 15); }

}  // namespace vt
