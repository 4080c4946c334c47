#include "platform/RecordingSurface.h"

#include "platform/Picture.h"
#include "platform/TextMetrics.h"

namespace vt {

namespace {

// UTF-8 characters in a text: every byte that does not continue a sequence
// starts a character.
std::size_t CharacterCount(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

RecordingSurface::RecordingSurface(double originX, double originY)
    : originX_(originX), originY_(originY), width_(TextWidthMm) {}

RecordingSurface::WidthFunction RecordingSurface::FixedWidth(double mmPerCharacter) {
    return [mmPerCharacter](const std::string&, double, std::string_view utf8) {
        return mmPerCharacter * static_cast<double>(CharacterCount(utf8));
    };
}

RecordedOp RecordingSurface::stateOp(SurfaceOp kind) const {
    RecordedOp op;
    op.kind = kind;
    op.x = x_;
    op.y = y_;
    op.fontName = fontName_;
    op.fontSize = fontSize_;
    op.color = color_;
    return op;
}

void RecordingSurface::setCurrentX(double x) {
    x_ = x;
    ops_.push_back(stateOp(SurfaceOp::SetX));
}

void RecordingSurface::setCurrentY(double y) {
    y_ = y;
    ops_.push_back(stateOp(SurfaceOp::SetY));
}

void RecordingSurface::setFontName(const std::string& name) {
    fontName_ = name;
    ops_.push_back(stateOp(SurfaceOp::SetFontName));
}

void RecordingSurface::setFontSize(double points) {
    fontSize_ = points;
    ops_.push_back(stateOp(SurfaceOp::SetFontSize));
}

void RecordingSurface::setForeColor(int paletteIndex) {
    color_ = paletteIndex;
    ops_.push_back(stateOp(SurfaceOp::SetForeColor));
}

void RecordingSurface::print(std::string_view text) {
    RecordedOp op = stateOp(SurfaceOp::Print);
    op.text = std::string(text);
    ops_.push_back(std::move(op));
}

double RecordingSurface::textWidth(std::string_view text) const { return width_(fontName_, fontSize_, text); }

void RecordingSurface::recordShape(
    SurfaceOp kind, double x1, double y1, double x2, double y2, std::optional<int> paletteIndex) {
    RecordedOp op = stateOp(kind);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    if (paletteIndex) op.color = *paletteIndex;
    ops_.push_back(std::move(op));
}

void RecordingSurface::line(double x1, double y1, double x2, double y2) {
    recordShape(SurfaceOp::Line, x1, y1, x2, y2, std::nullopt);
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, int paletteIndex) {
    recordShape(SurfaceOp::ColoredLine, x1, y1, x2, y2, paletteIndex);
}

void RecordingSurface::fillBox(double x1, double y1, double x2, double y2, int paletteIndex) {
    recordShape(SurfaceOp::FillBox, x1, y1, x2, y2, paletteIndex);
}

void RecordingSurface::paintPicture(const Picture& picture,
                                    const SheetRect& dest,
                                    const std::optional<SheetRect>& source) {
    RecordedOp op = stateOp(SurfaceOp::PaintPicture);
    op.pictureName = picture.name();
    op.dest = dest;
    op.source = source;
    ops_.push_back(std::move(op));
}

std::vector<PrintedText> RecordingSurface::texts() const {
    std::vector<PrintedText> out;
    for (const RecordedOp& op : ops_)
        if (op.kind == SurfaceOp::Print) out.push_back({op.x, op.y, op.text, op.fontName, op.fontSize, op.color});
    return out;
}

std::optional<PrintedText> RecordingSurface::findText(std::string_view text) const {
    for (const PrintedText& t : texts())
        if (t.text == text) return t;
    return std::nullopt;
}

std::vector<PrintedText> RecordingSurface::textsAtY(double y) const {
    std::vector<PrintedText> out;
    for (const PrintedText& t : texts())
        if (t.y == y) out.push_back(t);
    return out;
}

std::vector<DrawnLine> RecordingSurface::lines() const {
    std::vector<DrawnLine> out;
    for (const RecordedOp& op : ops_)
        if (op.kind == SurfaceOp::Line || op.kind == SurfaceOp::ColoredLine)
            out.push_back({op.x, op.y, op.x2, op.y2, op.color});
    return out;
}

int RecordingSurface::count(SurfaceOp kind) const {
    int n = 0;
    for (const RecordedOp& op : ops_)
        if (op.kind == kind) ++n;
    return n;
}

}  // namespace vt
