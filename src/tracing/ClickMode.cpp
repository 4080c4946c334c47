#include "tracing/ClickMode.h"

#include "tracing/Geometry.h"
#include "tracing/Landmarks.h"

namespace vt {

namespace M = ClickModes;

namespace {

PointerShape PointerFor(std::int16_t mode) {
    return ShowsCrosshair(mode) ? PointerShape::Crosshair : PointerShape::Arrow;
}

void Place(TracingRecord& record, Landmark l, double x, double y) { record.landmarks[l] = {x, y}; }

void ResetScalePoints(TracingRecord& record) {
    record.ScaleX1 = record.ScaleY1 = record.ScaleX2 = record.ScaleY2 = kNotPlaced;
}

void ResetView(DigitizeState& state) {
    state.view.ViewX = state.view.ViewY = 0;
    state.DragX = state.DragY = state.MouseX = state.MouseY = 0;
}

// The second scale click: the scale is taken only from two distinct points.
void PlaceScaleEnd(DigitizeState& state, TracingRecord& record, double x, double y, Reaction& r) {
    const double distance = DistPoint(record.ScaleX1, record.ScaleY1, x, y);
    if (distance == 0) {
        r.message = kSameScalePoints;
        return;
    }
    record.ScaleX2 = x;
    record.ScaleY2 = y;
    state.ClickMode = M::Idle;
    r.tools = ToolEvent::SecondScaleClick;
    r.lblScale = "";
    r.pointer = PointerShape::Arrow;
    record.MmPerPixel = record.ScaleLength / distance;
}

}  // namespace

Reaction OnOpened(DigitizeState& state, TracingRecord& record, const DisplaySizes& sizes) {
    state.view.Zoom = OpeningZoom(sizes);
    ResetView(state);
    ResetScalePoints(record);
    record.landmarks = {};  // every landmark unplaced
    state.ClickMode = M::Idle;
    Reaction r;
    r.pointer = PointerShape::Arrow;
    r.tools = ToolEvent::Opened;
    return r;
}

Reaction OnScaleButton(DigitizeState& state, TracingRecord& record, std::string_view scaleText) {
    for (const ScaleChoice& c : kScaleChoices) {
        if (scaleText == c.text) {
            record.ScaleLength = c.millimetres;
            break;
        }
    }
    Reaction r;
    r.lblScale = kScaleStartPrompt;
    r.pointer = PointerShape::Crosshair;
    r.tools = ToolEvent::ScaleStarted;
    state.ClickMode = M::ScaleStart;
    ResetScalePoints(record);
    return r;
}

Reaction OnLandmarkButton(DigitizeState& state) {
    Reaction r;
    r.lblLandmark = kLandmarks[PlacedIn(M::FirstLandmark)].forwardPrompt;
    r.pointer = PointerShape::Crosshair;
    r.tools = ToolEvent::LandmarksStarted;
    state.ClickMode = M::FirstLandmark;
    return r;
}

Reaction OnModifyButton(DigitizeState& state, std::string_view landmarkText) {
    Reaction r;
    r.pointer = PointerShape::Crosshair;
    r.tools = ToolEvent::ModifyStarted;
    for (Landmark l : kAllLandmarks) {
        if (landmarkText == kLandmarks[l].name) {
            state.ClickMode = ReplacingMode(l);
            break;
        }
    }
    return r;
}

Reaction OnMagnifyButton(DigitizeState& state, const DisplaySizes& sizes) {
    state.view.Zoom = ToggledZoom(state.view.Zoom, sizes);
    Reaction r;
    r.clearDisplay = true;
    ResetView(state);
    r.repaints.push_back(state.view);
    r.pointer = PointerFor(state.ClickMode);
    return r;
}

Reaction OnMoveButton(DigitizeState& state) {
    Reaction r;
    r.pointer = PointerShape::FourWay;
    state.SavedMode = state.ClickMode;
    state.ClickMode = M::Pan;
    return r;
}

Reaction OnMouseDown(
    DigitizeState& state, TracingRecord& record, std::int16_t button, float X, float Y, const DrawingArea& area) {
    Reaction r;
    std::int16_t& mode = state.ClickMode;
    // A point on the border would lie outside the picture (a negative one
    // at the top and left); nothing is placed, stepped back or repainted.
    if (mode != M::Pan && !InsideDrawingArea(area, X, Y)) return r;
    if (button == kLeftButton) {
        // Modes 0 and 100 convert nothing: before an image is opened Zoom is 0.
        auto x = [&] { return DisplayToPictureX(state.view, X); };
        auto y = [&] { return DisplayToPictureY(state.view, Y); };
        if (mode == M::ScaleStart) {
            record.ScaleX1 = x();
            record.ScaleY1 = y();
            mode = M::ScaleEnd;
            r.lblScale = kScaleEndPrompt;
            r.tools = ToolEvent::FirstScaleClick;
        } else if (mode == M::ScaleEnd) {
            PlaceScaleEnd(state, record, x(), y(), r);
        } else if (mode >= M::FirstLandmark && mode < M::LastLandmark) {
            Place(record, PlacedIn(mode), x(), y());
            r.lblLandmark = kLandmarks[PlacedIn(mode + 1)].forwardPrompt;
        } else if (mode == M::LastLandmark) {
            Place(record, PlacedIn(mode), x(), y());
            r.lblLandmark = "";
            r.tools = ToolEvent::LastLandmarkClick;
        } else if (IsReplacingMode(mode)) {
            Place(record, ReplacedIn(mode), x(), y());
        } else if (mode == M::Pan) {
            state.DragX = x();
            state.DragY = y();
        }
        if (mode >= M::FirstLandmark && mode < M::LastLandmark) {
            ++mode;
        } else if (mode >= M::LastLandmark && mode <= M::LastReplace) {
            r.pointer = PointerShape::Arrow;
            mode = M::AllPlaced;
        }
        r.repaints.push_back(state.view);
    } else if (button == kRightButton) {
        if (mode == M::ScaleEnd) {
            r.lblScale = kScaleStartPrompt;
            --mode;
        } else if (mode > M::FirstLandmark && mode <= M::LastLandmark) {
            r.lblLandmark = kLandmarks[PlacedIn(mode - 1)].backPrompt;
            --mode;
        }
    }
    return r;
}

Reaction OnMouseMove(DigitizeState& state, std::int16_t buttons, float X, float Y, const DisplaySizes& sizes) {
    Reaction r;
    if (state.ClickMode != M::Pan || buttons != kLeftButton) return r;
    View& v = state.view;
    state.MouseX = X / v.Zoom;
    state.MouseY = Y / v.Zoom;
    // Each axis on its own, each repainting when it moves.
    const double vx = state.DragX - state.MouseX;
    if (PanAccepted(vx, sizes.W, v.Zoom, sizes.boxWidth)) {
        v.ViewX = vx;
        r.repaints.push_back(v);
    }
    const double vy = state.DragY - state.MouseY;
    if (PanAccepted(vy, sizes.H, v.Zoom, sizes.boxHeight)) {
        v.ViewY = vy;
        r.repaints.push_back(v);
    }
    return r;
}

Reaction OnMouseUp(DigitizeState& state) {
    Reaction r;
    if (state.ClickMode != M::Pan) return r;
    state.ClickMode = state.SavedMode;
    r.pointer = PointerFor(state.ClickMode);
    return r;
}

}  // namespace vt
