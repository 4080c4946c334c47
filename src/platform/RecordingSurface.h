#pragma once
// A result surface that draws nothing and remembers every operation, in
// order, as plain data. Tests draw a page on it and then look at what was
// printed where, in which font and colour.

#include "platform/ResultSurface.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

enum class SurfaceOp {
    SetX,
    SetY,
    SetFontName,
    SetFontSize,
    SetForeColor,
    Print,
    Line,         // in the current text colour
    ColoredLine,  // in a colour given with the line
    FillBox,
    PaintPicture,
};

// One recorded operation. Fields that an operation does not use keep their
// defaults; the font state is the surface's state when the operation ran.
struct RecordedOp {
    SurfaceOp kind = SurfaceOp::SetX;
    double x = 0, y = 0;    // position set, print position, first point
    double x2 = 0, y2 = 0;  // second point of a line or box
    std::string text;       // printed text
    std::string fontName;
    double fontSize = 0;
    int color = 0;  // text colour, or the line's or box's colour
    std::string pictureName;
    SheetRect dest;
    std::optional<SheetRect> source;
};

// A printed text with where and how it was printed.
struct PrintedText {
    double x = 0, y = 0;
    std::string text;
    std::string fontName;
    double fontSize = 0;
    int color = 0;
};

struct DrawnLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = 0;
};

class RecordingSurface : public ResultSurface {
public:
    // Width of a text in millimetres for a face and size.
    using WidthFunction = std::function<double(const std::string& face, double points, std::string_view utf8)>;

    explicit RecordingSurface(double originX = 0, double originY = 0);

    // Replaces the font measurement, for tests that must not depend on fonts.
    void setWidthFunction(WidthFunction width) { width_ = std::move(width); }
    // A width of `mmPerCharacter` for every UTF-8 character, whatever the font.
    static WidthFunction FixedWidth(double mmPerCharacter);

    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }

    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void setForeColor(int paletteIndex) override;
    std::string fontName() const override { return fontName_; }
    double fontSize() const override { return fontSize_; }
    int foreColor() const override { return color_; }

    void print(std::string_view text) override;
    double textWidth(std::string_view text) const override;

    void line(double x1, double y1, double x2, double y2) override;
    void line(double x1, double y1, double x2, double y2, int paletteIndex) override;
    void fillBox(double x1, double y1, double x2, double y2, int paletteIndex) override;
    void paintPicture(const Picture& picture,
                      const SheetRect& dest,
                      const std::optional<SheetRect>& source = std::nullopt) override;

    double originX() const override { return originX_; }
    double originY() const override { return originY_; }

    // Everything recorded, in order.
    const std::vector<RecordedOp>& ops() const { return ops_; }
    void clear() { ops_.clear(); }

    // All printed texts in order, empty texts included.
    std::vector<PrintedText> texts() const;
    // The first print of exactly this text, if any.
    std::optional<PrintedText> findText(std::string_view text) const;
    // Prints at this y (compared exactly), in order.
    std::vector<PrintedText> textsAtY(double y) const;
    // All lines in order, with the colour they were drawn in.
    std::vector<DrawnLine> lines() const;
    // Count of operations of one kind.
    int count(SurfaceOp kind) const;

private:
    RecordedOp stateOp(SurfaceOp kind) const;
    // A line or box in the current colour, or in the given one.
    void recordShape(SurfaceOp kind, double x1, double y1, double x2, double y2, std::optional<int> paletteIndex);

    double originX_, originY_;
    double x_ = 0, y_ = 0;
    std::string fontName_;
    double fontSize_ = 0;
    int color_ = 0;
    WidthFunction width_;
    std::vector<RecordedOp> ops_;
};

}  // namespace vt
