#pragma once
// What a click on the cephalogram display means, and how the tool buttons
// and the mouse move it on. Pure: each handler takes the form's digitizing
// state and the tracing record, changes them, and returns what the form
// must then do to its controls.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tracing/Landmarks.h"
#include "tracing/ToolEnabling.h"
#include "tracing/TracingRecord.h"
#include "tracing/ViewTransform.h"

namespace vt {

// Values of ClickMode. The landmarks are placed one after another in modes
// counted from 10 (Nasion in 11) and one of them is placed again in a mode
// counted from 40 (Nasion in 41): blocks of 30 modes, the next of which
// holds the pan mode.
namespace ClickModes {
inline constexpr std::int16_t Idle = 0;
inline constexpr std::int16_t ScaleStart = 1;
inline constexpr std::int16_t ScaleEnd = 2;
inline constexpr std::int16_t PlacingBase = 10;
inline constexpr std::int16_t ReplacingBase = 40;
inline constexpr std::int16_t PanBlock = ReplacingBase + (ReplacingBase - PlacingBase);
inline constexpr std::int16_t FirstLandmark = PlacingBase + 1;
inline constexpr std::int16_t LastLandmark = static_cast<std::int16_t>(FirstLandmark + kLandmarkCount - 1);
inline constexpr std::int16_t FirstReplace = ReplacingBase + 1;
inline constexpr std::int16_t LastReplace = static_cast<std::int16_t>(FirstReplace + kLandmarkCount - 1);
inline constexpr std::int16_t Pan = 91;
inline constexpr std::int16_t AllPlaced = 100;

static_assert(LastLandmark < ReplacingBase && LastReplace < PanBlock, "more landmarks than a block holds");
static_assert(Pan >= PanBlock && Pan < AllPlaced);
}  // namespace ClickModes

// The mode that places `l` in the placing sequence, and the one that places it again.
constexpr std::int16_t PlacingMode(Landmark l) {
    return static_cast<std::int16_t>(ClickModes::FirstLandmark + IndexOf(l));
}
constexpr std::int16_t ReplacingMode(Landmark l) {
    return static_cast<std::int16_t>(ClickModes::FirstReplace + IndexOf(l));
}
constexpr bool IsReplacingMode(int mode) { return mode >= ClickModes::FirstReplace && mode <= ClickModes::LastReplace; }
// The landmark that a placing mode, or a replacing mode, places.
constexpr Landmark PlacedIn(int mode) { return LandmarkAt(static_cast<std::size_t>(mode - ClickModes::FirstLandmark)); }
constexpr Landmark ReplacedIn(int mode) {
    return LandmarkAt(static_cast<std::size_t>(mode - ClickModes::FirstReplace));
}
// The pointer is a crosshair in the modes that place a point: the scale's,
// the placing and the replacing modes, every mode below the pan mode's block.
constexpr bool ShowsCrosshair(int mode) { return mode >= ClickModes::ScaleStart && mode < ClickModes::PanBlock; }

// Pointer styles over the display, numbered as the platform numbers them.
enum class PointerShape : std::int16_t { Arrow = 0, Crosshair = 2, FourWay = 5 };

// Mouse buttons as the handlers number them; a move reports the sum of the
// buttons held.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;

// The display's drawing area, inside its border, in display units from its
// top-left corner. A press on the border lies outside it.
struct DrawingArea {
    float width = 0;
    float height = 0;
};
constexpr bool InsideDrawingArea(const DrawingArea& area, float X, float Y) {
    return X >= 0 && Y >= 0 && X < area.width && Y < area.height;
}

// The digitizing form's own state, apart from the record.
struct DigitizeState {
    std::int16_t ClickMode = 0;
    std::int16_t SavedMode = 0;
    View view;                      // Zoom, ViewX, ViewY
    double DragX = 0, DragY = 0;    // picture point grabbed for a pan
    double MouseX = 0, MouseY = 0;  // pointer position / Zoom during a pan
};

// The ruler lengths the scale list offers, as listed, and their millimetres.
struct ScaleChoice {
    std::string_view text;
    std::int16_t millimetres;
};
inline constexpr ScaleChoice kScaleChoices[] = {{"2 cm", 20}, {"5 cm", 50}, {"10 cm", 100}};

inline constexpr char kScaleStartPrompt[] = "시작점";
inline constexpr char kScaleEndPrompt[] = "끝점";
// Two scale clicks on one point would give no scale.
inline constexpr char kSameScalePoints[] = "Scale의 시작점과 끝점이 같습니다. 끝점을 다시 눌러 주세요.";

// What the form does after a handler. Unset fields leave the control as it is.
struct Reaction {
    std::optional<std::string> lblScale;
    std::optional<std::string> lblLandmark;
    std::optional<PointerShape> pointer;
    std::optional<ToolEvent> tools;
    bool clearDisplay = false;   // wipe the display before repainting
    std::vector<View> repaints;  // repaint the display at each view, in order
    std::string message;         // shown in a message box when not empty
};

// A picture of the given sizes was opened: fitted whole, every point unplaced.
Reaction OnOpened(DigitizeState& state, TracingRecord& record, const DisplaySizes& sizes);
// The scale button with the scale list's text.
Reaction OnScaleButton(DigitizeState& state, TracingRecord& record, std::string_view scaleText);
Reaction OnLandmarkButton(DigitizeState& state);
// The re-place button with the landmark list's text.
Reaction OnModifyButton(DigitizeState& state, std::string_view landmarkText);
Reaction OnMagnifyButton(DigitizeState& state, const DisplaySizes& sizes);
Reaction OnMoveButton(DigitizeState& state);

// Mouse events on the display; X and Y in display units from the drawing
// area's corner. A press on the border places nothing and changes no mode;
// only a pan, which grabs the picture from anywhere, takes it.
Reaction OnMouseDown(
    DigitizeState& state, TracingRecord& record, std::int16_t button, float X, float Y, const DrawingArea& area);
Reaction OnMouseMove(DigitizeState& state, std::int16_t buttons, float X, float Y, const DisplaySizes& sizes);
Reaction OnMouseUp(DigitizeState& state);

}  // namespace vt
