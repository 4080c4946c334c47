// The click-mode machine: what each button does in each mode, the prompts
// going forward and back, the tools each step enables, pan and zoom.

#include <gtest/gtest.h>

#include <string>

#include "tracing/ClickMode.h"
#include "tracing/Landmarks.h"

namespace vt {
namespace {

constexpr std::int16_t L = kLeftButton, R = kRightButton;
constexpr int kSame = -1;  // control or mode left as it was

// A picture of 2000 x 1000 picture units on a 9000 x 6000 display.
const DisplaySizes kWide{9000, 6000, 2000, 1000};

struct Transition {
    std::int16_t mode;
    std::int16_t button;
    int next;
    const char* lblScale;     // nullptr: untouched
    const char* lblLandmark;  // nullptr: untouched
    int pointer;
    int repaints;
};

TEST(ClickMode, MouseDownInEveryKindOfMode) {
    const Transition rows[] = {
        {0, L, kSame, nullptr, nullptr, kSame, 1},
        {100, L, kSame, nullptr, nullptr, kSame, 1},
        {1, L, 2, "끝점", nullptr, kSame, 1},
        {2, L, 0, "", nullptr, 0, 1},
        {11, L, 12, nullptr, "Sella", kSame, 1},
        {16, L, 17, nullptr, "A point", kSame, 1},
        {27, L, 28, nullptr, "Mx 6 Distal", kSame, 1},
        {29, L, 30, nullptr, "Mn 6 Distal", kSame, 1},
        {34, L, 35, nullptr, "Soft Pogonion", kSame, 1},
        {35, L, 100, nullptr, "", 0, 1},
        {41, L, 100, nullptr, nullptr, 0, 1},
        {65, L, 100, nullptr, nullptr, 0, 1},
        {91, L, 91, nullptr, nullptr, kSame, 1},
        // Stepping back
        {2, R, 1, "시작점", nullptr, kSame, 0},
        {12, R, 11, nullptr, "Nasion", kSame, 0},
        {13, R, 12, nullptr, "Sella", kSame, 0},
        {18, R, 17, nullptr, "A Point", kSame, 0},
        {29, R, 28, nullptr, "Mx 6 Crown", kSame, 0},
        {31, R, 30, nullptr, "Mn 6 Crown", kSame, 0},
        {35, R, 34, nullptr, "Lower Lip", kSame, 0},
        {0, R, kSame, nullptr, nullptr, kSame, 0},
        {1, R, kSame, nullptr, nullptr, kSame, 0},
        {11, R, kSame, nullptr, nullptr, kSame, 0},
        {42, R, kSame, nullptr, nullptr, kSame, 0},
        {91, R, kSame, nullptr, nullptr, kSame, 0},
        {100, R, kSame, nullptr, nullptr, kSame, 0},
        // Other buttons do nothing at all
        {1, kMiddleButton, kSame, nullptr, nullptr, kSame, 0},
        {20, 3, kSame, nullptr, nullptr, kSame, 0},
        {0, 0, kSame, nullptr, nullptr, kSame, 0},
    };
    for (const Transition& t : rows) {
        DigitizeState state;
        state.view.Zoom = 3;
        state.ClickMode = t.mode;
        TracingRecord record;
        record.ScaleX1 = record.ScaleY1 = 150;  // a start point away from the click
        record.ScaleLength = 50;
        const Reaction r = OnMouseDown(state, record, t.button, 900, 600);
        const std::string where = "mode " + std::to_string(t.mode) + " button " + std::to_string(t.button);
        EXPECT_EQ(state.ClickMode, t.next == kSame ? t.mode : t.next) << where;
        EXPECT_EQ(r.lblScale.has_value(), t.lblScale != nullptr) << where;
        if (t.lblScale && r.lblScale) {
            EXPECT_EQ(*r.lblScale, t.lblScale) << where;
        }
        EXPECT_EQ(r.lblLandmark.has_value(), t.lblLandmark != nullptr) << where;
        if (t.lblLandmark && r.lblLandmark) {
            EXPECT_EQ(*r.lblLandmark, t.lblLandmark) << where;
        }
        EXPECT_EQ(r.pointer ? static_cast<int>(*r.pointer) : kSame, t.pointer) << where;
        EXPECT_EQ(static_cast<int>(r.repaints.size()), t.repaints) << where;
        EXPECT_TRUE(r.message.empty()) << where;
    }
}

TEST(ClickMode, ClicksStoreThePicturePointOfTheirModeOnly) {
    DigitizeState state;
    state.view = {2, 100, 40};  // picture point = X / 2 + (100, 40)
    TracingRecord record;
    state.ClickMode = 17;
    OnMouseDown(state, record, L, 60, 20);
    EXPECT_EQ(record.APointX, 130);
    EXPECT_EQ(record.APointY, 50);
    EXPECT_EQ(record.PNSX, kNotPlaced);
    EXPECT_EQ(record.BPointX, kNotPlaced);

    state.ClickMode = 42;  // re-place Sella
    OnMouseDown(state, record, L, 0, 0);
    EXPECT_EQ(record.SellaX, 100);
    EXPECT_EQ(record.SellaY, 40);

    state.ClickMode = 91;  // a pan grabs the point and stores nothing
    const TracingRecord before = record;
    OnMouseDown(state, record, L, 10, 10);
    EXPECT_EQ(state.DragX, 105);
    EXPECT_EQ(state.DragY, 45);
    EXPECT_EQ(record.SellaX, before.SellaX);

    state.ClickMode = 13;  // stepping back clears nothing
    OnMouseDown(state, record, R, 0, 0);
    EXPECT_EQ(record.SellaX, 100);
}

TEST(ClickMode, ScaleFromTwoClicksAndTheRefusedSecondClickOnTheSamePoint) {
    DigitizeState state;
    state.view.Zoom = 1;
    TracingRecord record;
    const Reaction start = OnScaleButton(state, record, "5 cm");
    EXPECT_EQ(record.ScaleLength, 50);
    EXPECT_EQ(start.tools, ToolEvent::ScaleStarted);
    OnMouseDown(state, record, L, 100, 100);

    const Reaction refused = OnMouseDown(state, record, L, 100, 100);
    EXPECT_EQ(refused.message, kSameScalePoints);
    EXPECT_EQ(state.ClickMode, 2);
    EXPECT_FALSE(refused.lblScale || refused.pointer || refused.tools);
    EXPECT_EQ(record.ScaleX2, kNotPlaced);
    EXPECT_EQ(record.MmPerPixel, 0);

    const Reaction taken = OnMouseDown(state, record, L, 400, 500);  // 500 units apart
    EXPECT_EQ(taken.tools, ToolEvent::SecondScaleClick);
    EXPECT_EQ(record.MmPerPixel, 0.1);
    EXPECT_EQ(state.ClickMode, 0);

    // Text that is not an entry keeps the length; the points are reset.
    OnScaleButton(state, record, "5cm");
    EXPECT_EQ(record.ScaleLength, 50);
    EXPECT_EQ(record.ScaleX1, kNotPlaced);
    EXPECT_EQ(record.ScaleX2, kNotPlaced);
    EXPECT_EQ(record.MmPerPixel, 0.1);  // kept until the next second click
}

TEST(ClickMode, ToolButtonsEnterTheirSequences) {
    DigitizeState state;
    state.ClickMode = 20;
    EXPECT_EQ(OnLandmarkButton(state).lblLandmark, std::string("Nasion"));
    EXPECT_EQ(state.ClickMode, 11);

    for (auto [text, mode] : {std::pair{"Sella", 42}, {"Soft Pogonion", 65}, {"sella", 65}, {"", 65}}) {
        const Reaction r = OnModifyButton(state, text);
        EXPECT_EQ(state.ClickMode, mode) << text;
        EXPECT_EQ(r.pointer, PointerShape::Crosshair);
        EXPECT_EQ(r.tools, ToolEvent::ModifyStarted);
        EXPECT_FALSE(r.lblLandmark);
    }

    // Pan interrupts mode 17 and gives it back with its pointer.
    state.ClickMode = 17;
    EXPECT_EQ(OnMoveButton(state).pointer, PointerShape::FourWay);
    EXPECT_EQ(state.SavedMode, 17);
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
        state.DragX = 7;
        TracingRecord record;
        record.SellaX = 500;
        record.ScaleX1 = 10;
        record.MmPerPixel = 0.1;
        const Reaction opened = OnOpened(state, record, row.sizes);
        EXPECT_EQ(state.view.Zoom, row.open);
        EXPECT_EQ(state.view.ViewX, 0);
        EXPECT_EQ(state.DragX, 0);
        EXPECT_EQ(record.SellaX, kNotPlaced);
        EXPECT_EQ(record.ScaleX1, kNotPlaced);
        EXPECT_EQ(record.MmPerPixel, 0.1);
        EXPECT_EQ(opened.tools, ToolEvent::Opened);
        EXPECT_TRUE(opened.repaints.empty());

        state.ClickMode = 91;  // not below 70: the default pointer
        state.view.ViewX = 40;
        const Reaction magnified = OnMagnifyButton(state, row.sizes);
        EXPECT_EQ(state.view.Zoom, row.second);
        EXPECT_EQ(state.view.ViewX, 0);
        EXPECT_TRUE(magnified.clearDisplay);
        EXPECT_EQ(magnified.repaints.size(), 1u);
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
    const DisplaySizes big{9000, 6000, 4000, 4000};
    state.view = {3, 0, 0};
    state.DragX = state.DragY = 1000;
    const Reaction both = OnMouseMove(state, L, 1500, 1500, big);
    ASSERT_EQ(both.repaints.size(), 2u);
    EXPECT_EQ(both.repaints[0].ViewX, 500);
    EXPECT_EQ(both.repaints[0].ViewY, 0);
    EXPECT_EQ(both.repaints[1].ViewY, 500);
}

TEST(ToolEnabling, ToolsAlongATypicalRun) {
    using T = Tool;
    using E = ToolEvent;
    auto enabled = [](const ToolStates& s) {
        std::string names;
        const char* all[] = {"cboScale", "cmdScale", "cmdLandmark", "cboLandmark", "cmdModify", "cmdMagnify", "cmdMove", "cmdPreview"};
        for (int i = 0; i < kToolCount; ++i)
            if (s[static_cast<std::size_t>(i)]) names += std::string(names.empty() ? "" : " ") + all[i];
        return names;
    };
    ToolStates s;
    s.fill(true);
    struct Step { E event; const char* want; };
    const Step run[] = {
        {E::FormLoad, ""},
        {E::Opened, "cboScale cmdScale cmdMagnify cmdMove"},
        {E::ScaleStarted, "cboScale cmdMagnify cmdMove"},
        {E::FirstScaleClick, "cmdMagnify cmdMove"},
        {E::SecondScaleClick, "cboScale cmdScale cmdLandmark cmdMagnify cmdMove"},
        {E::LandmarksStarted, "cboScale cmdLandmark cmdMagnify cmdMove"},
        {E::LastLandmarkClick, "cboScale cmdScale cmdLandmark cboLandmark cmdMagnify cmdMove cmdPreview"},
        {E::LandmarkChosen, "cboScale cmdScale cmdLandmark cboLandmark cmdModify cmdMagnify cmdMove cmdPreview"},
        {E::ModifyStarted, "cboScale cmdLandmark cboLandmark cmdModify cmdMagnify cmdMove cmdPreview"},
        {E::ScaleChosen, "cboScale cmdScale cmdLandmark cboLandmark cmdModify cmdMagnify cmdMove cmdPreview"},
        {E::Opened, "cboScale cmdScale cmdMagnify cmdMove"},
    };
    for (const Step& step : run) {
        s = ApplyToolEvent(s, step.event);
        EXPECT_EQ(enabled(s), step.want) << static_cast<int>(step.event);
    }
    EXPECT_FALSE(At(s, T::cmdPreview));
}

}  // namespace
}  // namespace vt
