// The click-mode machine: what each button does in each mode, the prompts
// going forward and back, the tools each step enables, pan and zoom.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tracing/ClickMode.h"
#include "tracing/Landmarks.h"

namespace vt {
namespace {

constexpr std::int16_t L = kLeftButton, R = kRightButton;
constexpr int kSame = -1;  // pointer or mode left as it was
constexpr const char* U = "-";  // label left untouched

// A picture of 2000 x 1000 picture units on a 9000 x 6000 display.
const DisplaySizes kWide{9000, 6000, 2000, 1000};

struct Transition {
    std::int16_t mode;
    std::int16_t button;
    int next;
    const char* lblScale;
    const char* lblLandmark;
    int pointer;
    int repaints;
};

TEST(ClickMode, MouseDownInEveryKindOfMode) {
    const Transition rows[] = {
        {0, L, kSame, U, U, kSame, 1},
        {100, L, kSame, U, U, kSame, 1},
        {1, L, 2, "끝점", U, kSame, 1},
        {2, L, 0, "", U, 0, 1},
        {11, L, 12, U, "Sella", kSame, 1},
        {16, L, 17, U, "A point", kSame, 1},
        {27, L, 28, U, "Mx 6 Distal", kSame, 1},
        {29, L, 30, U, "Mn 6 Distal", kSame, 1},
        {34, L, 35, U, "Soft Pogonion", kSame, 1},
        {35, L, 100, U, "", 0, 1},
        {41, L, 100, U, U, 0, 1},
        {91, L, 91, U, U, kSame, 1},
        // Stepping back
        {2, R, 1, "시작점", U, kSame, 0},
        {12, R, 11, U, "Nasion", kSame, 0},
        {13, R, 12, U, "Sella", kSame, 0},
        {18, R, 17, U, "A Point", kSame, 0},
        {29, R, 28, U, "Mx 6 Crown", kSame, 0},
        {31, R, 30, U, "Mn 6 Crown", kSame, 0},
        {35, R, 34, U, "Lower Lip", kSame, 0},
        {11, R, kSame, U, U, kSame, 0},
        {42, R, kSame, U, U, kSame, 0},
        {91, R, kSame, U, U, kSame, 0},
        // Other buttons do nothing at all
        {1, kMiddleButton, kSame, U, U, kSame, 0},
        {20, 3, kSame, U, U, kSame, 0},
    };
    for (const Transition& t : rows) {
        DigitizeState state;
        state.view.Zoom = 3;
        state.ClickMode = t.mode;
        TracingRecord record;
        record.ScaleX1 = record.ScaleY1 = 150;  // a start point away from the click
        record.ScaleLength = 50;
        const Reaction r = OnMouseDown(state, record, t.button, 900, 600);
        SCOPED_TRACE("mode " + std::to_string(t.mode) + " button " + std::to_string(t.button));
        auto text = [](const std::optional<std::string>& label) { return label.value_or(U); };
        EXPECT_EQ(state.ClickMode, t.next == kSame ? t.mode : t.next);
        EXPECT_EQ(text(r.lblScale), t.lblScale);
        EXPECT_EQ(text(r.lblLandmark), t.lblLandmark);
        EXPECT_EQ(r.pointer ? static_cast<int>(*r.pointer) : kSame, t.pointer);
        EXPECT_EQ(static_cast<int>(r.repaints.size()), t.repaints);
    }
}

TEST(ClickMode, ToolButtonsEnterTheirSequences) {
    DigitizeState state;
    state.ClickMode = 20;
    EXPECT_EQ(OnLandmarkButton(state).lblLandmark, std::string("Nasion"));
    EXPECT_EQ(state.ClickMode, 11);
    // The list's text must match an entry exactly; other text keeps the mode.
    for (auto [text, mode] : {std::pair{"Sella", 42}, {"Soft Pogonion", 65}, {"sella", 65}, {"", 65}}) {
        EXPECT_EQ(OnModifyButton(state, text).pointer, PointerShape::Crosshair);
        EXPECT_EQ(state.ClickMode, mode) << text;
    }

    // Pan interrupts mode 17 and gives it back with its pointer.
    state.ClickMode = 17;
    EXPECT_EQ(OnMoveButton(state).pointer, PointerShape::FourWay);
    EXPECT_EQ(state.ClickMode, 91);
    EXPECT_EQ(OnMouseUp(state).pointer, PointerShape::Crosshair);
    EXPECT_EQ(state.ClickMode, 17);
    EXPECT_FALSE(OnMouseUp(state).pointer);  // releases outside pan do nothing

    // Pressed twice, pan mode saves itself and outlives its drags.
    state.ClickMode = 100;
    OnMoveButton(state);
    OnMoveButton(state);
    EXPECT_EQ(OnMouseUp(state).pointer, PointerShape::Arrow);
    EXPECT_EQ(state.ClickMode, 91);
}

TEST(ClickMode, OpeningFitsTheWholePictureAndMagnifyToggles) {
    struct Row { DisplaySizes sizes; double open, second, third; };
    const Row rows[] = {
        {{9000, 6000, 2000, 1000}, 4.5, 6, 4.5},
        {{9000, 6000, 1000, 2000}, 3, 9, 3},
        {{9000, 6000, 3000, 2000}, 3, 3, 3},  // equal fits
    };
    for (const Row& row : rows) {
        DigitizeState state;
        state.view = {1, 300, 200};
        TracingRecord record;
        record.SellaX = record.ScaleX1 = 500;
        record.MmPerPixel = 0.1;
        OnOpened(state, record, row.sizes);
        EXPECT_EQ(state.view.Zoom, row.open);
        EXPECT_EQ(state.view.ViewX, 0);
        // A new digitization: every point goes, the last scale stays.
        EXPECT_EQ(record.SellaX, kNotPlaced);
        EXPECT_EQ(record.ScaleX1, kNotPlaced);
        EXPECT_EQ(record.MmPerPixel, 0.1);

        state.ClickMode = 91;  // not below 70: the default pointer
        state.view.ViewX = 40;
        const Reaction magnified = OnMagnifyButton(state, row.sizes);
        EXPECT_EQ(state.view.Zoom, row.second);
        EXPECT_EQ(state.view.ViewX, 0);
        EXPECT_EQ(magnified.pointer, PointerShape::Arrow);
        state.ClickMode = 1;
        EXPECT_EQ(OnMagnifyButton(state, row.sizes).pointer, PointerShape::Crosshair);
        EXPECT_EQ(state.view.Zoom, row.third);
        EXPECT_EQ(state.ClickMode, 1);
    }
}

TEST(ClickMode, PanFollowsEachAxisOnItsOwnWithoutClamping) {
    // At zoom 6 the picture is 12000 x 6000: wider than the display, as high.
    DigitizeState state;
    state.view.Zoom = 6;
    state.ClickMode = 91;
    TracingRecord record;
    OnMouseDown(state, record, L, 3000, 3000);  // grabs (500, 500)
    struct Step { float X, Y; double viewX; int repaints; };
    const Step steps[] = {
        {2400, 1000, 100, 1},  // left by 100 picture units; height never pans
        {3000, 3000, 0, 1},    // back to the edge exactly
        {3600, 3000, 0, 0},    // would show space left of the picture: kept
        {1200, 0, 300, 1},
        {0, 0, 500, 1},        // the right edge meets the display's exactly
        {-6, 0, 500, 0},       // one unit further: kept, not clamped
    };
    for (const Step& s : steps) {
        const Reaction r = OnMouseMove(state, L, s.X, s.Y, kWide);
        EXPECT_DOUBLE_EQ(state.view.ViewX, s.viewX) << s.X;
        EXPECT_EQ(state.view.ViewY, 0) << s.X;
        EXPECT_EQ(static_cast<int>(r.repaints.size()), s.repaints) << s.X;
    }
    EXPECT_TRUE(OnMouseMove(state, L + R, 2400, 0, kWide).repaints.empty());
    EXPECT_DOUBLE_EQ(state.view.ViewX, 500);

    // Both axes move: two repaints, the first with only x moved.
    state.view = {3, 0, 0};
    state.DragX = state.DragY = 1000;
    const Reaction both = OnMouseMove(state, L, 1500, 1500, DisplaySizes{9000, 6000, 4000, 4000});
    ASSERT_EQ(both.repaints.size(), 2u);
    EXPECT_TRUE(both.repaints[0].ViewX == 500 && both.repaints[0].ViewY == 0 && both.repaints[1].ViewY == 500);
}

TEST(ToolEnabling, ToolsAlongATypicalRun) {
    using E = ToolEvent;
    // Enabled tools, in the order cboScale cmdScale cmdLandmark cboLandmark
    // cmdModify cmdMagnify cmdMove cmdPreview.
    struct Step { E event; const char* want; };
    const Step run[] = {
        {E::FormLoad, "00000000"},        {E::Opened, "11000110"},         {E::ScaleStarted, "10000110"},
        {E::FirstScaleClick, "00000110"}, {E::SecondScaleClick, "11100110"}, {E::LandmarksStarted, "10100110"},
        {E::LastLandmarkClick, "11110111"}, {E::LandmarkChosen, "11111111"}, {E::ModifyStarted, "10111111"},
        {E::ScaleChosen, "11111111"},     {E::Opened, "11000110"},
    };
    ToolStates s;
    s.fill(true);
    for (const Step& step : run) {
        s = ApplyToolEvent(s, step.event);
        std::string got;
        for (bool on : s) got += on ? '1' : '0';
        EXPECT_EQ(got, step.want) << static_cast<int>(step.event);
    }
}

}  // namespace
}  // namespace vt
