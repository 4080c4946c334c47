// Digitizing without the form: buttons per click mode, prompts, tools, fits, pan, repaint lines.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "tracing/ClickMode.h"
#include "tracing/Landmarks.h"
#include "tracing/RepaintItems.h"

namespace vt {

void PrintTo(const DisplayLine& l, std::ostream* os) { *os << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2; }
void PrintTo(Landmark l, std::ostream* os) { *os << kLandmarks[l].name; }
void PrintTo(PointerShape p, std::ostream* os) { *os << "pointer " << static_cast<int>(p); }

namespace {

constexpr std::int16_t L = kLeftButton, R = kRightButton;
constexpr int kSame = -1;       // pointer or mode left as it was
constexpr const char* U = "-";  // label left untouched
constexpr DrawingArea kArea{9000, 6000};

TEST(ClickMode, MouseDownInEveryKindOfMode) {
    struct Row {
        std::int16_t mode, button;
        int next;
        const char *lblScale, *lblLandmark;
        int pointer, repaints;
    };
    const Row rows[] = {{0, L, kSame, U, U, kSame, 1},
                        {100, L, kSame, U, U, kSame, 1},
                        {1, L, 2, "끝점", U, kSame, 1},
                        {2, L, 0, "", U, 0, 1},
                        {11, L, 12, U, "Sella", kSame, 1},
                        {16, L, 17, U, "A point", kSame, 1},
                        {27, L, 28, U, "Mx 6 Distal", kSame, 1},
                        {34, L, 35, U, "Soft Pogonion", kSame, 1},
                        {35, L, 100, U, "", 0, 1},
                        {41, L, 100, U, U, 0, 1},
                        {91, L, 91, U, U, kSame, 1},
                        // Stepping back
                        {2, R, 1, "시작점", U, kSame, 0},
                        {12, R, 11, U, "Nasion", kSame, 0},
                        {18, R, 17, U, "A Point", kSame, 0},
                        {29, R, 28, U, "Mx 6 Crown", kSame, 0},
                        {31, R, 30, U, "Mn 6 Crown", kSame, 0},
                        {35, R, 34, U, "Lower Lip", kSame, 0},
                        {11, R, kSame, U, U, kSame, 0},
                        {42, R, kSame, U, U, kSame, 0},
                        {91, R, kSame, U, U, kSame, 0},
                        // Other buttons do nothing at all
                        {1, kMiddleButton, kSame, U, U, kSame, 0},
                        {20, 3, kSame, U, U, kSame, 0}};
    for (const Row& t : rows) {
        DigitizeState state;
        state.view.Zoom = 3, state.ClickMode = t.mode;
        TracingRecord record;
        record.ScaleX1 = record.ScaleY1 = 150, record.ScaleLength = 50;  // a start point away from the click
        const Reaction r = OnMouseDown(state, record, t.button, 900, 600, kArea);
        EXPECT_EQ((std::tuple{state.ClickMode,
                              r.lblScale.value_or(U),
                              r.lblLandmark.value_or(U),
                              r.pointer ? static_cast<int>(*r.pointer) : kSame,
                              static_cast<int>(r.repaints.size())}),
                  (std::tuple{t.next == kSame ? t.mode : t.next,
                              std::string(t.lblScale),
                              std::string(t.lblLandmark),
                              t.pointer,
                              t.repaints}))
            << "mode " << t.mode << " button " << t.button;
    }
}

// The x of the point a press stored (a scale end, a landmark or the pan's
// grab), or kNotPlaced when it stored none.
double StoredX(const DigitizeState& state, const TracingRecord& record) {
    if (record.ScaleX1 != kNotPlaced) return record.ScaleX1;
    for (Landmark l : kAllLandmarks)
        if (record.landmarks[l].x != kNotPlaced) return record.landmarks[l].x;
    return state.ClickMode == ClickModes::Pan ? state.DragX : kNotPlaced;
}

// The drawing area is 9000 x 6000 display units; the border lies outside it.
TEST(ClickMode, APressOnTheBorderPlacesNothingButAPanGrabsThere) {
    struct Row {
        std::int16_t mode, button;
        float X, Y;
        int next;
        double x;             // of the point stored
        const char* prompts;  // lblScale|lblLandmark
        int repaints;
    };
    constexpr double N = kNotPlaced;
    const Row rows[] = {
        // On the left, top, right and bottom border and a corner
        {.mode = 1, .button = L, .X = -22.5f, .Y = 300, .next = kSame, .x = N, .prompts = "-|-", .repaints = 0},
        {.mode = 1, .button = L, .X = 300, .Y = -0.5f, .next = kSame, .x = N, .prompts = "-|-", .repaints = 0},
        {.mode = 1, .button = L, .X = 9000, .Y = 300, .next = kSame, .x = N, .prompts = "-|-", .repaints = 0},
        {.mode = 12, .button = L, .X = 300, .Y = 6000, .next = kSame, .x = N, .prompts = "-|-", .repaints = 0},
        {.mode = 42, .button = L, .X = -15, .Y = -15, .next = kSame, .x = N, .prompts = "-|-", .repaints = 0},
        // The right button steps nothing back there
        {.mode = 2, .button = R, .X = 9010, .Y = 300, .next = kSame, .x = N, .prompts = "-|-", .repaints = 0},
        {.mode = 13, .button = R, .X = -1, .Y = 300, .next = kSame, .x = N, .prompts = "-|-", .repaints = 0},
        // The first and the last positions inside
        {.mode = 1, .button = L, .X = 0, .Y = 0, .next = 2, .x = 100, .prompts = "끝점|-", .repaints = 1},
        {.mode = 12, .button = L, .X = 8999, .Y = 5999, .next = 13, .x = 4599.5, .prompts = "-|Porion", .repaints = 1},
        // A pan grabs the picture wherever it is pressed
        {.mode = 91, .button = L, .X = -22.5f, .Y = -22.5f, .next = kSame, .x = 88.75, .prompts = "-|-", .repaints = 1},
        {.mode = 91, .button = L, .X = 300, .Y = 6030, .next = kSame, .x = 250, .prompts = "-|-", .repaints = 1},
    };
    for (const Row& t : rows) {
        SCOPED_TRACE(::testing::Message() << "press at " << t.X << "," << t.Y << " in mode " << t.mode);
        DigitizeState state;
        state.view = {2, 100, 50}, state.ClickMode = t.mode;
        TracingRecord record;
        const Reaction r = OnMouseDown(state, record, t.button, t.X, t.Y, kArea);
        EXPECT_EQ(state.ClickMode, t.next == kSame ? t.mode : t.next);
        EXPECT_EQ(StoredX(state, record), t.x);
        EXPECT_EQ(r.lblScale.value_or(U) + '|' + r.lblLandmark.value_or(U), t.prompts);
        EXPECT_EQ(static_cast<int>(r.repaints.size()), t.repaints);
    }
}

TEST(ClickMode, ToolButtonsEnterTheirSequences) {
    DigitizeState state;
    state.ClickMode = 20;
    const Reaction landmark = OnLandmarkButton(state);
    EXPECT_EQ(landmark.lblLandmark, std::string("Nasion"));
    EXPECT_EQ(state.ClickMode, 11);
    // The list's text must match an entry exactly; other text keeps the mode.
    for (auto [text, mode] : {std::pair{"Sella", 42}, {"Soft Pogonion", 65}, {"sella", 65}, {"", 65}}) {
        EXPECT_EQ(OnModifyButton(state, text).pointer, PointerShape::Crosshair);
        EXPECT_EQ(state.ClickMode, mode) << text;
    }
    // Pan interrupts mode 17 and gives it back with its pointer.
    state.ClickMode = 17;
    const Reaction pan = OnMoveButton(state);
    EXPECT_EQ(pan.pointer, PointerShape::FourWay);
    EXPECT_EQ(state.ClickMode, 91);
    const Reaction panEnded = OnMouseUp(state);
    EXPECT_EQ(panEnded.pointer, PointerShape::Crosshair);
    EXPECT_EQ(state.ClickMode, 17);
    EXPECT_FALSE(OnMouseUp(state).pointer);  // releases outside pan do nothing
    // Pressed twice, pan mode saves itself and outlives its drags.
    state.ClickMode = 100;
    for (int press = 0; press < 2; ++press) OnMoveButton(state);
    const Reaction dragEnded = OnMouseUp(state);
    EXPECT_EQ(dragEnded.pointer, PointerShape::Arrow);
    EXPECT_EQ(state.ClickMode, 91);
}

// The scale button takes the length of the entry chosen, compared exactly; other text keeps the last length.
TEST(ClickMode, TheScaleButtonTakesTheChosenLength) {
    struct Row {
        const char* text;
        std::int16_t before, length;
    };
    const Row rows[] = {{"2 cm", 100, 20}, {"5 cm", 20, 50}, {"10 cm", 20, 100}, {"10cm", 50, 50}, {"", 0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        DigitizeState state;
        TracingRecord record;
        record.ScaleLength = row.before, record.ScaleX1 = record.ScaleY2 = 300;
        const Reaction r = OnScaleButton(state, record, row.text);
        EXPECT_EQ(record.ScaleLength, row.length);
        EXPECT_EQ(r.lblScale.value_or(U), "시작점");
        EXPECT_EQ(state.ClickMode, 1);
        EXPECT_EQ((std::pair{record.ScaleX1, record.ScaleY2}), (std::pair{kNotPlaced, kNotPlaced}));
    }
}

TEST(ClickMode, EachLandmarkIsPlacedInItsOwnModes) {
    struct Row {
        Landmark landmark;
        std::int16_t placing, replacing;
    };
    const Row rows[] = {
        {.landmark = Landmark::Nasion, .placing = 11, .replacing = 41},
        {.landmark = Landmark::Sella, .placing = 12, .replacing = 42},
        {.landmark = Landmark::Mx6Distal, .placing = 28, .replacing = 58},
        {.landmark = Landmark::LowerLip, .placing = 34, .replacing = 64},
        {.landmark = Landmark::SoftPogonion, .placing = 35, .replacing = 65},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(kLandmarks[row.landmark].name);
        EXPECT_EQ(PlacingMode(row.landmark), row.placing);
        EXPECT_EQ(ReplacingMode(row.landmark), row.replacing);
        for (std::int16_t mode : {row.placing, row.replacing}) {
            DigitizeState state;
            state.view.Zoom = 1, state.ClickMode = mode;
            TracingRecord record;
            OnMouseDown(state, record, L, 900, 600, kArea);
            std::vector<Landmark> placed;
            for (Landmark l : kAllLandmarks)
                if (record.landmarks[l].x != kNotPlaced) placed.push_back(l);
            EXPECT_EQ(placed, std::vector{row.landmark}) << "mode " << mode;
        }
    }
}

// Each landmark k: its entry in the landmark list chooses re-place mode 40 + k; a left click in mode 10 + k
// places it alone and prompts for the next; the prompt for it comes with the click before (for Nasion, with
// the landmark button); a right click in mode 11 + k steps back to it with its back prompt.
TEST(ClickMode, EachLandmarksEntryModesAndPrompts) {
    struct Row {
        Landmark landmark;
        const char* entry;
        const char* forward;
        const char* back;  // none for the last
    };
    using enum Landmark;
    const Row rows[] = {
        {Nasion, "Nasion", "Nasion", "Nasion"},
        {Sella, "Sella", "Sella", "Sella"},
        {Porion, "Porion", "Porion", "Porion"},
        {Orbitale, "Orbitale", "Orbitale", "Orbitale"},
        {ANS, "ANS", "ANS", "ANS"},
        {PNS, "PNS", "PNS", "PNS"},
        {APoint, "A Point", "A point", "A Point"},
        {BPoint, "B Point", "B Point", "B Point"},
        {Pogonion, "Pogonion", "Pogonion", "Pogonion"},
        {Menton, "Menton", "Menton", "Menton"},
        {CorpusLeft, "Corpus Left", "Corpus Left", "Corpus Left"},
        {RamusDown, "Ramus Down", "Ramus Down", "Ramus Down"},
        {Articulare, "Articulare", "Articulare", "Articulare"},
        {Mx1Crown, "Mx 1 Crown", "Mx 1 Crown", "Mx 1 Crown"},
        {Mx1Root, "Mx 1 Root", "Mx 1 Root", "Mx 1 Root"},
        {Mn1Crown, "Mn 1 Crown", "Mn 1 Crown", "Mn 1 Crown"},
        {Mn1Root, "Mn 1 Root", "Mn 1 Root", "Mn 1 Root"},
        {Mx6Distal, "Mx 6 Distal", "Mx 6 Distal", "Mx 6 Crown"},
        {Mx6Root, "Mx 6 Root", "Mx 6 Root", "Mx 6 Root"},
        {Mn6Distal, "Mn 6 Distal", "Mn 6 Distal", "Mn 6 Crown"},
        {Mn6Root, "Mn 6 Root", "Mn 6 Root", "Mn 6 Root"},
        {NoseTip, "Nose Tip", "Nose Tip", "Nose Tip"},
        {UpperLip, "Upper Lip", "Upper Lip", "Upper Lip"},
        {LowerLip, "Lower Lip", "Lower Lip", "Lower Lip"},
        {SoftPogonion, "Soft Pogonion", "Soft Pogonion", nullptr},
    };
    ASSERT_EQ(std::size(rows), kLandmarkCount);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.entry);
        const auto k = static_cast<std::int16_t>(i + 1);
        DigitizeState state;
        state.view.Zoom = 1;
        TracingRecord record;
        OnModifyButton(state, row.entry);
        EXPECT_EQ(state.ClickMode, 40 + k) << "chosen from the list";
        state.ClickMode = static_cast<std::int16_t>(10 + k);
        OnMouseDown(state, record, L, 900, 600, kArea);
        std::vector<Landmark> placed;
        for (Landmark l : kAllLandmarks)
            if (record.landmarks[l].x != kNotPlaced) placed.push_back(l);
        EXPECT_EQ(placed, std::vector{row.landmark}) << "placed in mode " << 10 + k;
        if (k == 1) {
            EXPECT_EQ(OnLandmarkButton(state).lblLandmark.value_or(U), row.forward) << "the landmark button";
        } else {
            state.ClickMode = static_cast<std::int16_t>(10 + k - 1);
            EXPECT_EQ(OnMouseDown(state, record, L, 900, 600, kArea).lblLandmark.value_or(U), row.forward)
                << "the click before";
        }
        if (row.back) {
            state.ClickMode = static_cast<std::int16_t>(10 + k + 1);
            EXPECT_EQ(OnMouseDown(state, record, R, 900, 600, kArea).lblLandmark.value_or(U), row.back)
                << "a step back";
        }
    }
}

TEST(ClickMode, CrosshairInEveryModeBelowThePanBlock) {
    struct Row {
        std::int16_t first, last;
        PointerShape pointer;
    };
    const Row rows[] = {
        {.first = 0, .last = 0, .pointer = PointerShape::Arrow},
        {.first = 1, .last = 69, .pointer = PointerShape::Crosshair},
        {.first = 70, .last = 100, .pointer = PointerShape::Arrow},
    };
    for (const Row& row : rows) {
        for (int mode = row.first; mode <= row.last; ++mode) {
            DigitizeState state;
            state.ClickMode = static_cast<std::int16_t>(mode);
            EXPECT_EQ(OnMagnifyButton(state, DisplaySizes{9000, 6000, 2000, 1000}).pointer, row.pointer)
                << "magnify in mode " << mode;
            OnMoveButton(state);
            EXPECT_EQ(OnMouseUp(state).pointer, row.pointer) << "pan ended back in mode " << mode;
        }
    }
}

TEST(ClickMode, OpeningFitsTheWholePictureAndMagnifyToggles) {
    struct Row {
        DisplaySizes sizes;
        double open, second;
    };
    const Row rows[] = {{{9000, 6000, 2000, 1000}, 4.5, 6},
                        {{9000, 6000, 1000, 2000}, 3, 9},
                        {{9000, 6000, 3000, 2000}, 3, 3},
                        // Fits equal in single precision only: the width fit, kept by the button.
                        {{18990, 15765, 151125, 125460}, 18990.0 / 151125, 18990.0 / 151125}};
    for (const Row& row : rows) {
        DigitizeState state;
        state.view = {1, 300, 200};
        TracingRecord record;
        record.landmarks[Landmark::Sella].x = record.ScaleX1 = 500, record.MmPerPixel = 0.1;
        OnOpened(state, record, row.sizes);
        EXPECT_EQ(state.view.Zoom, row.open) << "opened at " << row.open;
        EXPECT_EQ(state.view.ViewX, 0) << "opened at " << row.open;
        // A new digitization: every point goes, the last scale stays.
        EXPECT_EQ((std::tuple{record.landmarks[Landmark::Sella].x, record.ScaleX1, record.MmPerPixel}),
                  (std::tuple{kNotPlaced, kNotPlaced, 0.1}));
        state.ClickMode = 91, state.view.ViewX = 40;  // not below 70: the default pointer
        EXPECT_EQ(OnMagnifyButton(state, row.sizes).pointer, PointerShape::Arrow);
        EXPECT_EQ(state.view.Zoom, row.second) << "magnified to " << row.second;
        EXPECT_EQ(state.view.ViewX, 0) << "magnified to " << row.second;
        state.ClickMode = 1;
        EXPECT_EQ(OnMagnifyButton(state, row.sizes).pointer, PointerShape::Crosshair);
        EXPECT_EQ(state.view.Zoom, row.open) << "magnified back to " << row.open;
        EXPECT_EQ(state.ClickMode, 1) << "magnified back to " << row.open;
    }
}

TEST(ClickMode, PanFollowsEachAxisOnItsOwnWithoutClamping) {
    // At zoom 6 the picture of 2000 x 1000 is 12000 x 6000 on a display of
    // 9000 x 6000: wider than the display, as high.
    const DisplaySizes wide{9000, 6000, 2000, 1000};
    DigitizeState state;
    state.view.Zoom = 6, state.ClickMode = 91;
    TracingRecord record;
    OnMouseDown(state, record, L, 3000, 3000, kArea);  // grabs (500, 500)
    struct Step {
        float X, Y;
        double viewX;
        int repaints;
    };
    const Step steps[] = {
        {2400, 1000, 100, 1},  // left by 100 picture units; height never pans
        {3000, 3000, 0, 1},    // back to the edge exactly
        {3600, 3000, 0, 0},    // would show space left of the picture: kept
        {1200, 0, 300, 1},
        {0, 0, 500, 1},   // the right edge meets the display's exactly
        {-6, 0, 500, 0},  // one unit further: kept, not clamped
    };
    for (const Step& s : steps) {
        const Reaction r = OnMouseMove(state, L, s.X, s.Y, wide);
        EXPECT_EQ(state.view.ViewX, s.viewX) << s.X;
        EXPECT_EQ(state.view.ViewY, 0) << s.X;
        EXPECT_EQ(static_cast<int>(r.repaints.size()), s.repaints) << s.X;
    }
    EXPECT_TRUE(OnMouseMove(state, L + R, 2400, 0, wide).repaints.empty());
    EXPECT_EQ(state.view.ViewX, 500);
    // Both axes move: two repaints, the first with only x moved.
    state.view = {3, 0, 0}, state.DragX = state.DragY = 1000;
    const Reaction both = OnMouseMove(state, L, 1500, 1500, DisplaySizes{9000, 6000, 4000, 4000});
    ASSERT_EQ(both.repaints.size(), 2u);
    EXPECT_EQ(both.repaints[0].ViewX, 500);
    EXPECT_EQ(both.repaints[0].ViewY, 0);
    EXPECT_EQ(both.repaints[1].ViewY, 500);
}

TEST(ToolEnabling, ToolsAlongATypicalRun) {
    using E = ToolEvent;
    // Enabled tools, in the order cboScale cmdScale cmdLandmark cboLandmark
    // cmdModify cmdMagnify cmdMove cmdPreview.
    const std::pair<E, const char*> run[] = {{E::FormLoad, "00000000"},
                                             {E::Opened, "11000110"},
                                             {E::ScaleStarted, "10000110"},
                                             {E::FirstScaleClick, "00000110"},
                                             {E::SecondScaleClick, "11100110"},
                                             {E::LandmarksStarted, "10100110"},
                                             {E::LastLandmarkClick, "11110111"},
                                             {E::LandmarkChosen, "11111111"},
                                             {E::ModifyStarted, "10111111"},
                                             {E::ScaleChosen, "11111111"},
                                             {E::Opened, "11000110"}};
    ToolStates s;
    s.fill(true);
    for (const auto& [event, want] : run) {
        s = ApplyToolEvent(s, event);
        std::string got;
        for (bool on : s) got += on ? '1' : '0';
        EXPECT_EQ(got, want) << static_cast<int>(event);
    }
}

TEST(RepaintItems, EveryPointPlacedDraws27MarksAnd15Segments) {
    TracingRecord r;  // landmark k at (100 k, 50 k + 7)
    r.ScaleX1 = 10, r.ScaleY1 = 20, r.ScaleX2 = 30, r.ScaleY2 = 20;
    for (Landmark l : kAllLandmarks) {
        const double k = static_cast<double>(IndexOf(l) + 1);
        r.landmarks[l] = {100 * k, 50 * k + 7};
    }
    const auto lines = RepaintLines(r, View{2, 5, 7});
    ASSERT_EQ(lines.size(), 69u);
    // Scale start (10 - 5) * 2 = 10, (20 - 7) * 2 = 26, its two strokes reaching 50 each way; the scale bar;
    // Nasion to Sella after both marks; lip marks before the nose tip's; Nose Tip to Soft Pogonion.
    EXPECT_EQ((std::vector{lines[0], lines[1], lines[4], lines[9], lines[60], lines[68]}),
              (std::vector<DisplayLine>{{60, 76, -40, -24},
                                        {60, -24, -40, 76},
                                        {10, 26, 50, 26},
                                        {190, 100, 390, 200},
                                        {4640, 2350, 4540, 2250},
                                        {4390, 2200, 4990, 2500}}));
    // The occlusal line joins the midpoints only when all four are placed.
    TracingRecord o;
    o.landmarks[Landmark::Mx1Crown] = {1000, 2000}, o.landmarks[Landmark::Mn1Crown] = {1001, 2100};
    o.landmarks[Landmark::Mx6Distal] = {3000, 2200};
    EXPECT_EQ(RepaintLines(o, View{1, 0, 0}).size(), 6u);  // three marks, no line
    o.landmarks[Landmark::Mn6Distal] = {3000, 2301};
    const auto occlusal = RepaintLines(o, View{1, 0, 0});
    ASSERT_EQ(occlusal.size(), 9u);
    EXPECT_EQ(occlusal[8], (DisplayLine{1000.5f, 2050, 3000, 2250.5f}));
}

// Every mark and line of a repaint with every point placed, in drawing order: each structure's marks, then its
// segment; the occlusal line between the midpoints of the crowns and of the molars; the lip marks before the
// nose tip's. Landmark k lies at (100 k, 50 k + 7), the scale from (10, 20) to (30, 20); the view is the picture.
TEST(RepaintItems, EachMarkAndSegmentOnItsOwnPoints) {
    struct At {
        double x, y;
    };
    const auto L = [](Landmark l) {
        const double k = static_cast<double>(IndexOf(l) + 1);
        return At{100 * k, 50 * k + 7};
    };
    const auto mid = [](At a, At b) { return At{a.x / 2 + b.x / 2, a.y / 2 + b.y / 2}; };
    struct Item {
        const char* name;
        At a;
        std::optional<At> b;  // none: a mark at a
    };
    using enum Landmark;
    const At start{10, 20}, end{30, 20};
    const Item items[] = {
        {"mark scale start", start, {}},
        {"mark scale end", end, {}},
        {"scale bar", start, end},
        {"mark Nasion", L(Nasion), {}},
        {"mark Sella", L(Sella), {}},
        {"Nasion-Sella", L(Nasion), L(Sella)},
        {"mark Porion", L(Porion), {}},
        {"mark Orbitale", L(Orbitale), {}},
        {"Porion-Orbitale", L(Porion), L(Orbitale)},
        {"mark ANS", L(ANS), {}},
        {"mark PNS", L(PNS), {}},
        {"ANS-PNS", L(ANS), L(PNS)},
        {"mark A Point", L(APoint), {}},
        {"Nasion-A Point", L(Nasion), L(APoint)},
        {"mark B Point", L(BPoint), {}},
        {"Nasion-B Point", L(Nasion), L(BPoint)},
        {"mark Pogonion", L(Pogonion), {}},
        {"Nasion-Pogonion", L(Nasion), L(Pogonion)},
        {"mark Menton", L(Menton), {}},
        {"mark Corpus Left", L(CorpusLeft), {}},
        {"Menton-Corpus Left", L(Menton), L(CorpusLeft)},
        {"mark Ramus Down", L(RamusDown), {}},
        {"mark Articulare", L(Articulare), {}},
        {"Ramus Down-Articulare", L(RamusDown), L(Articulare)},
        {"mark Mx 1 Crown", L(Mx1Crown), {}},
        {"mark Mx 1 Root", L(Mx1Root), {}},
        {"Mx 1 Crown-Mx 1 Root", L(Mx1Crown), L(Mx1Root)},
        {"mark Mn 1 Crown", L(Mn1Crown), {}},
        {"mark Mn 1 Root", L(Mn1Root), {}},
        {"Mn 1 Crown-Mn 1 Root", L(Mn1Crown), L(Mn1Root)},
        {"mark Mx 6 Distal", L(Mx6Distal), {}},
        {"mark Mx 6 Root", L(Mx6Root), {}},
        {"Mx 6 Distal-Mx 6 Root", L(Mx6Distal), L(Mx6Root)},
        {"mark Mn 6 Distal", L(Mn6Distal), {}},
        {"mark Mn 6 Root", L(Mn6Root), {}},
        {"Mn 6 Distal-Mn 6 Root", L(Mn6Distal), L(Mn6Root)},
        {"occlusal line", mid(L(Mx1Crown), L(Mn1Crown)), mid(L(Mx6Distal), L(Mn6Distal))},
        {"mark Upper Lip", L(UpperLip), {}},
        {"mark Lower Lip", L(LowerLip), {}},
        {"mark Nose Tip", L(NoseTip), {}},
        {"mark Soft Pogonion", L(SoftPogonion), {}},
        {"Nose Tip-Soft Pogonion", L(NoseTip), L(SoftPogonion)},
    };
    TracingRecord r;
    r.ScaleX1 = start.x, r.ScaleY1 = start.y, r.ScaleX2 = end.x, r.ScaleY2 = end.y;
    for (Landmark l : kAllLandmarks) r.landmarks[l] = {L(l).x, L(l).y};
    const std::vector<DisplayLine> lines = RepaintLines(r, View{1, 0, 0});
    std::size_t at = 0;
    auto next = [&] { return at < lines.size() ? std::optional(lines[at++]) : std::nullopt; };
    auto line = [](double x1, double y1, double x2, double y2) {
        return std::optional(DisplayLine{float(x1), float(y1), float(x2), float(y2)});
    };
    for (const Item& item : items) {
        if (item.b) {
            EXPECT_EQ(next(), line(item.a.x, item.a.y, item.b->x, item.b->y)) << item.name;
            continue;
        }
        const double x = item.a.x, y = item.a.y;  // an X reaching 50 display units each way
        EXPECT_EQ(next(), line(x + 50, y + 50, x - 50, y - 50)) << item.name << ", first stroke";
        EXPECT_EQ(next(), line(x + 50, y - 50, x - 50, y + 50)) << item.name << ", second stroke";
    }
    EXPECT_EQ(at, lines.size()) << "lines beyond the last item";
}

TEST(RepaintItems, PointsOnOrBeyondTheTopOrLeftEdgeAreNotPlaced) {
    for (auto [x, y, count] : {std::tuple{0.0, 500.0, 2u}, {500.0, 0.0, 2u}, {-200.0, -200.0, 2u}, {0.5, 0.5, 5u}}) {
        TracingRecord r;
        r.landmarks[Landmark::Nasion] = {300, 300}, r.landmarks[Landmark::Sella] = {x, y};
        EXPECT_EQ(RepaintLines(r, View{1, 0, 0}).size(), count) << x << "," << y;
    }
}

}  // namespace
}  // namespace vt
