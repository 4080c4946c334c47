// Scrolling steps and tracing-page turns of the preview, and the age typed
// on the start form, as pure functions.

#include <gtest/gtest.h>

#include "intake/AgeEntry.h"
#include "intake/PreviewPaging.h"

namespace vt {
namespace {

TEST(PreviewPaging, ScrollStepsStopExactlyAtTheSheetsEdges) {
    struct Up { float top, want; bool atEnd; };
    for (const Up& r : {Up{40, 20, false}, Up{20, 0, true}, Up{20.5f, 0.5f, false}, Up{7, 0, true}}) {
        EXPECT_EQ(ScrollUp(r.top).top, r.want) << r.top;
        EXPECT_EQ(ScrollUp(r.top).atEnd, r.atEnd) << r.top;
    }

    struct Down { float top, visible, want; bool atEnd; };
    const Down downs[] = {
        {0, 250, 20, false},
        {40, 250, 47, true},   // 250 + 60 would pass the foot: the window's foot meets the sheet's
        {0, 277, 20, true},    // 277 + 20 reaches the foot exactly
        {0, 276.9f, 20, false},
    };
    for (const Down& r : downs) {
        const ScrollStep step = ScrollDown(r.top, r.visible);
        EXPECT_FLOAT_EQ(step.top, r.want) << r.top << " " << r.visible;
        EXPECT_EQ(step.atEnd, r.atEnd) << r.top << " " << r.visible;
    }
    EXPECT_TRUE(CanScrollDownFromTop(297));
    EXPECT_FALSE(CanScrollDownFromTop(297.01f));
}

// Each turn and the buttons it leaves are checked on the preview form.
TEST(PreviewPaging, OnlyTheTracingPagesTurnAndNotPastTheirEnds) {
    using S = PreviewState;
    EXPECT_EQ(NextPage(S::Tracing1)->state, S::Tracing2);
    EXPECT_EQ(PreviousPage(S::Tracing3)->state, S::Tracing2);
    EXPECT_FALSE(NextPage(S::Tracing3) || PreviousPage(S::Tracing1));
    for (S other : {S::None, S::ModelPage, S::CephPage, S::DiagnosisPage})
        EXPECT_FALSE(NextPage(other) || PreviousPage(other));
}

TEST(AgeEntry, BoundsOfYearsAndMonths) {
    struct Row { const char* year; const char* month; bool valid; double wantYear; int wantMonth; };
    const Row rows[] = {
        {"12", "3", true, 12, 3},       {"0", "0", false, 0, 0},       {"0.1", "0", true, 0.1, 0},
        {"99.9", "11", true, 99.9, 11}, {"100", "0", false, 100, 0},   {"12", "12", false, 12, 12},
        {"12", "11.5", false, 12, 12},  {"12", "10.5", true, 12, 10},  // months round halves to even
        {"12", "-0.4", true, 12, 0},    {"12", "-1", false, 12, -1},   {"12abc", "", true, 12, 0},
        {"1e400", "0", false, 0, 0},    {"12", "40000", false, 12, 0}, {"", "", false, 0, 0},
    };
    for (const Row& r : rows) {
        const AgeEntry age = ReadAgeEntry(r.year, r.month);
        EXPECT_EQ(age.valid, r.valid) << r.year << "/" << r.month;
        EXPECT_EQ(age.month, r.wantMonth) << r.year << "/" << r.month;
        if (age.valid) {
            EXPECT_EQ(age.year, r.wantYear) << r.year;
        }
    }
}

}  // namespace
}  // namespace vt
