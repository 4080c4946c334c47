// The transverse and vertical ladders, rung by rung at their bounds, for
// each age and sex group, with what each rung does to Severity.

#include <gtest/gtest.h>

#include "DxWorld.h"

namespace vt {
namespace {

using testing::DxWorld;
using testing::Has;
using testing::WellJoined;

TEST(TransverseLadder, RungsAtTheirBounds) {
    const char* severeChild = "심한 비대칭이 존재하므로 이에 대한 전문적인 진단 후 치료를 결정한다. ";
    const char* severeGrowing = "결정하고 경우에 따라 성장 후 악교정수술이 필요할 수도 있다. ";
    const char* severeGrown = "결정하고 경우에 따라 악교정수술이 필요할 수도 있다. ";
    const char* asymmetry = "상하악 교합 관계에서 비대칭이 존재하므로";
    const char* narrow = "상악 치열궁이 좁으므로";
    const char* slightlyNarrow = "상악 치열궁이 약간 좁으므로";
    const char* wide = "상악 치열궁이 넓거나";
    const char* slightlyWide = "상악 치열궁이 약간 넓거나";
    const char* slightAsymmetry = "비대칭이 약간 존재하므로";
    const char* none = "비대칭이나 횡적 부조화는 없거나 미미하다. ";
    const struct { std::int16_t sex; double age, molarRt, molarLt, crossRt; float crossLt; const char* says; int severity; } rows[] = {
        {0, 10.99, 6, 0, 0, 0, severeChild, 1},   {1, 10.99, 0, 0, 4, 0, severeChild, 1},
        {0, 11, 6, 0, 0, 0, severeGrowing, 2},    {0, 17.99, 4, 0, 3, 0, severeGrowing, 2},
        {0, 18, 0, -6, 0, 0, severeGrown, 2},     {1, 15.99, 3, -3, 0, 0, severeGrowing, 2},
        {1, 16, 0, 0, 0, -4, severeGrown, 2},     {1, 13, 5.99, 0, 0, 0, asymmetry, 1},
        {0, 30, 4, 0, 2.9, 0, asymmetry, 1},      {0, 30, 3.9, 0, 0, 3.9f, asymmetry, 1},
        {0, 30, 3, 0, 0, 2, asymmetry, 1},        {0, 30, 2.9, 0, 2.9, 0, slightlyNarrow, 0},
        {0, 30, 0, 0, 4, 3, narrow, 0},           {0, 30, 0, 0, 3, 4, narrow, 0},
        {0, 30, 0, 0, 2, 2, slightlyNarrow, 0},   {0, 30, 0, 0, -3, -3, wide, 0},
        {0, 30, 0, 0, -2, -2.5f, slightlyWide, 0}, {0, 30, 0, 0, -1, -2, slightlyWide, 0},
        {0, 30, 2, 0, 0, 0, slightAsymmetry, 0},  {0, 30, 0, 0, 1, -1, slightAsymmetry, 0},
        {0, 30, 1.99, 0, 0, 0, none, 0},          {1, 5, 0, 0, 0, 0, none, 0},
    };
    for (const auto& row : rows) {
        const DxWorld world(row.sex, row.age);
        FindingsRecord r;
        r.MolarRt = row.molarRt, r.MolarLt = row.molarLt, r.CrossRt = row.crossRt, r.CrossLt = row.crossLt;
        r.DxText = "replaced ";
        TransverseStep(r, world.sources());
        EXPECT_TRUE(Has(r.DxText, row.says)) << row.age << " " << row.molarRt << " " << row.crossRt << ": " << r.DxText;
        EXPECT_FALSE(Has(r.DxText, "replaced"));
        EXPECT_TRUE(WellJoined(r.DxText));
        EXPECT_EQ(r.Severity, row.severity) << row.age << " " << row.molarRt << " " << row.crossRt;
    }
}

TEST(VerticalLadder, RungsAtTheirBounds) {
    const char* veryLargeGrowing = "매우 크므로 성장 후 악교정 수술을";
    const char* veryLargeGrown = "매우 크므로 악교정 수술을";
    const char* largeYoung = "open bite 양이 크므로 이에 대한 전문적인 진단과 치료가";
    const char* largeGrowing = "필요하며 경우에 따라 성장 후 악교정수술이";
    const char* largeGrown = "필요하며 경우에 따라 악교정수술이";
    const char* openChild = "open bite이 있으므로 이를 개선하기";
    const char* openOlder = "open bite이 있으므로 구치부 intrusion";
    const char* openTendency = "전치부 open bite 경향이 있으므로";
    const char* deepChild = "deep bite이 있으므로 이를 개선하기";
    const char* deepOlder = "deep bite이 있으므로 전치부 intrusion";
    const char* deepTendency = "전치부 deep bite 경향이 있으므로";
    const char* skeletalOpen = "골격적으로 open bite 경향이";
    const char* skeletalDeep = "골격적으로 deep bite 경향이";
    const char* none = "전치부 open bite이나 deep bite에 대한 문제는 없거나 미미하다. ";
    const struct { std::int16_t sex; double age, OB, OBv; int skelVert, before; const char* says; int after; } rows[] = {
        {0, 14, -6, 0, 0, 0, veryLargeGrowing, 2},   {0, 17.99, 0, -6, 0, 0, veryLargeGrowing, 2},
        {0, 18, -6, 0, 0, 0, veryLargeGrown, 2},     {1, 15.99, -7, -7, 0, 1, veryLargeGrowing, 2},
        {1, 16, 0, -6, 0, 0, veryLargeGrown, 2},     {0, 13.99, -6, -6, 0, 0, largeYoung, 2},
        {1, 13, -9, 0, 0, 0, largeYoung, 2},         {0, 11, -4, 0, 0, 0, largeYoung, 2},
        {0, 10.99, -6, 0, 0, 0, largeYoung, 1},      {0, 10, -4, 0, 0, 2, largeYoung, 1},
        {0, 14, -4, 0, 0, 0, largeGrowing, 2},       {1, 16, 0, -4, 0, 0, largeGrown, 2},
        {0, 30, -3.99, 0, 0, 0, openOlder, 1},       {0, 30, 0, -2, 0, 2, openOlder, 2},
        {0, 12, -2, 0, 0, 1, openOlder, 1},          {1, 9.9, -2, 0, 0, 2, openChild, 1},
        {0, 30, 0, 0, 0, 1, openTendency, 1},        {0, 30, 3, -1.99, 0, 0, openTendency, 0},
        {0, 10, 6, 1, 0, 0, deepChild, 0},           {0, 11, 1, 6, 0, 0, deepOlder, 0},
        {1, 20, 5.99, 1, 0, 0, deepTendency, 0},     {1, 20, 1, 4, 0, 0, deepTendency, 0},
        {0, 30, 3.99, 3.99, 4, 0, skeletalOpen, 0},  {0, 30, 0.01, 0.01, -4, 0, skeletalDeep, 0},
        {0, 30, 0.01, 3.99, 3, 1, none, 1},          {0, 30, 2, 2, -3, 0, none, 0},
    };
    for (const auto& row : rows) {
        const DxWorld world(row.sex, row.age, row.skelVert);
        FindingsRecord r;
        r.OB = row.OB, r.OBv = row.OBv, r.Severity = static_cast<std::int16_t>(row.before);
        r.DxText = "kept ";
        VerticalStep(r, world.sources());
        EXPECT_TRUE(r.DxText.starts_with("kept ")) << r.DxText;
        EXPECT_TRUE(Has(r.DxText, row.says)) << row.sex << " " << row.age << " " << row.OB << " " << row.OBv << ": "
                                             << r.DxText;
        EXPECT_TRUE(WellJoined(r.DxText));
        EXPECT_EQ(r.Severity, row.after) << row.sex << " " << row.age << " " << row.OB << " " << row.OBv;
    }
}

// The vertical index lowers the overbite by a skeletal open-bite tendency.
TEST(VerticalLadder, ThroughTheVerticalIndex) {
    const struct { int skelVert; const char* says; } rows[] = {
        {0, "전치부 open bite이나 deep bite에 대한 문제는 없거나 미미하다. "},
        {5, "전치부 open bite 경향이 있으므로 이를 고려한 치료가 필요하다. "},
    };
    for (const auto& row : rows) {
        const DxWorld world(0, 30, row.skelVert);
        FindingsRecord r;
        r.OB = 1, r.COS = 1;
        CorrectedIndices(r, world.scores);
        VerticalStep(r, world.sources());
        EXPECT_EQ(r.DxText, row.says);
    }
}

}  // namespace
}  // namespace vt
