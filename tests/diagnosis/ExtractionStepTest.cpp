// The comment's last sections: lips and adjusted Jarabak value, growth timing, the extraction
// entry (branches, ladders, rung bounds) and the closing sentence on incisor sizes.

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <tuple>

#include "DxWorld.h"

namespace vt {
namespace {

using testing::DxWorld;
using testing::Has;

TEST(LipsAndJarabak, SexAndAge) {
    const struct {
        std::int16_t sex;
        double age, UL, LL;
        int skelVert;
        double ULc;
        float LLc;
        double J;
    } rows[] = {{0, 12, 1, 2, 2, 0, 1, 6.5},
                {1, 14, 1, 2, 0, 1.5, 2.5, 6.5},
                {1, 13.99, 1, 2, -3, 0.5, 1.5, 5.75},
                {0, 14, 0, 2.3, 1, 0, 2.3f, 6.25},
                {0, 9.9, 0, 2.3, 0, -1, 1.3f, 6}};
    for (const auto& row : rows) {
        DxWorld world(row.sex, row.age, row.skelVert);
        world.ceph.UL = row.UL, world.ceph.LL = row.LL;
        FindingsRecord r;
        r.JarabakVal = 6;
        LipsAndJarabak(r, world.sources());
        EXPECT_EQ((std::tuple{r.ULc, r.LLc, r.JarabakVal}), (std::tuple{row.ULc, row.LLc, row.J})) << row.age;
    }
}

// Pieces by key, each found by a part of it.
TEST(GrowthTiming, ByAgeSexAndSeverity) {
    const std::map<char, const char*> pieces = {{'1', "좀 더 성장을 지켜보고"},        // kWatchGrowthThenFixed
                                                {'2', "영구치 맹출 후에"},             // kFixedAfterEruption
                                                {'3', "최대 성장기가 지난 다음"},      // kDecideAfterGrowthPeak
                                                {'4', "양호할 경우, "},                // kIfGrowthGoesWell
                                                {'5', "양호하지 않을 경우"},           // kIfGrowthFailsDiscussSurgery
                                                {'6', "악골 성장이 완료된 후"},        // kIfSurgeryAfterGrowthEnds
                                                {'7', "수술하지 않고 치료할 경우, "},  // kIfWithoutSurgery
                                                {'8', "결정하고 고정식 교정치료를"}};  // kIfSurgeryPlanItThenFixed
    const struct {
        std::int16_t sex;
        double age;
        int severity;
        std::string keys;
    } rows[] = {{0, 9.9, 0, "2"},
                {0, 9.9, 1, "1"},
                {1, 9.9, 2, "2"},
                {0, 10, 0, ""},
                {0, 10, 1, "34"},
                {0, 13, 2, "35"},
                {1, 12.99, 2, "35"},
                {1, 13, 2, "6"},
                {1, 13, 1, "67"},
                {0, 17.99, 1, "67"},
                {0, 14, 0, ""},
                {0, 18, 1, "87"},
                {1, 16, 2, "8"},
                {0, 18, 0, ""},
                {1, 16, 1, "87"}};
    for (const auto& row : rows) {
        const DxWorld world(row.sex, row.age);
        FindingsRecord r;
        r.Severity = static_cast<std::int16_t>(row.severity);
        GrowthTimingStep(r, world.sources());
        std::string found;  // keys in the order their pieces appear
        for (std::size_t at = 0; at < r.DxText.size(); ++at)
            for (const auto& [key, piece] : pieces)
                if (r.DxText.compare(at, std::strlen(piece), piece) == 0) found += key;
        EXPECT_EQ(found, row.keys) << row.sex << " " << row.age << " " << row.severity << ": " << r.DxText;
    }
}

using enum ExtBranch;
// The ladders as the clinic letters them.
constexpr SpaceLadder A = SpaceLadder::Extraction, B = SpaceLadder::Borderline, N = SpaceLadder::NonExtraction;
constexpr ExtBranch II = SkeletalII, III = SkeletalIII;

struct ExtCase {
    int skelAP = 0;
    double APIdx = 2;
    int severity = 0;
    double J = 0, ALDMx = 0, ALDMn = 0, ULc = 0;
    float LLc = 0;
    const char* kimEI = "200";
    double molarRt = 0, molarLt = 0, OJc = 2.5;
    ExtBranch branch = SagittalMild;
    SpaceLadder ladder = N;
    int rung = 7;
};

// Neutral occlusion unless stated: molars Class I, corrected overjet 2.5.
TEST(ExtractionStep, BranchesLaddersAndRungs) {
    const ExtCase rows[] = {
        // Branches.
        {.skelAP = 5, .APIdx = 3},
        {.skelAP = -5, .APIdx = -0.9},
        {.skelAP = -4, .APIdx = -5},
        {.skelAP = 5, .APIdx = 5, .branch = SkeletalII},
        {.skelAP = 8, .APIdx = 4.9, .branch = SkeletalII},
        {.skelAP = 7, .APIdx = 4.9, .severity = 1},
        {.skelAP = -5, .APIdx = -1, .branch = SkeletalIII},
        {.severity = 2, .branch = None, .rung = 0},
        // Ladders by the space indices; bounds included, KimNet < 150 strict.
        {.J = 7, .ladder = A, .rung = 10},
        {.J = 6.99, .ALDMn = 7, .ladder = A, .rung = 10},
        {.J = 6.99, .ALDMn = 6.99, .ladder = B, .rung = 6},
        {.J = 5, .ALDMn = 4, .kimEI = "153.99", .ladder = A, .rung = 10},
        {.J = 5, .ALDMn = 4, .kimEI = "154", .ladder = B, .rung = 6},
        {.J = 5, .ALDMx = 4.5, .ALDMn = 4.5, .ladder = A, .rung = 10},
        {.J = 4.99, .ALDMx = 4.5, .ALDMn = 4.5, .ladder = B, .rung = 6},
        {.J = 3, .ALDMx = 6, .ALDMn = 6, .ladder = A, .rung = 10},
        {.J = 2.99, .ALDMx = 6, .ALDMn = 6, .ladder = B, .rung = 6},
        {.J = 2, .ULc = 4, .LLc = 4, .ladder = B, .rung = 6},
        {.J = 1.99, .ULc = 4, .LLc = 4},
        {.J = -1, .ULc = 5, .LLc = 6, .ladder = B, .rung = 6},
        {.J = -1.01, .ULc = 5, .LLc = 6},
        // Kim's index net of half the upper and the whole lower discrepancy: 154.5 - 1 - 4 = 149.5.
        {.J = 5, .ALDMx = 2, .ALDMn = 4, .kimEI = "154.5", .ladder = A, .rung = 10},
        {.J = 9, .ALDMx = 2, .ALDMn = 7, .kimEI = "157.5", .ladder = A, .rung = 9},
        // The arch-length sum at 8 and 11, the lips taking no part.
        {.J = 2, .ALDMx = 4, .ALDMn = 4, .ladder = B, .rung = 6},
        {.J = 2, .ALDMx = 4, .ALDMn = 3.9},
        {.J = -1, .ALDMx = 6, .ALDMn = 5, .ladder = B, .rung = 6},
        {.J = -1, .ALDMx = 6, .ALDMn = 4.9},
        // The lips with the arch lengths at 9, 12 and 14.
        {.J = 5, .ULc = 4.5, .LLc = 4.5, .ladder = A, .rung = 10},
        {.J = 3, .ULc = 6, .LLc = 6, .ladder = A, .rung = 10},
        {.J = 9, .ULc = 7, .LLc = 7, .ladder = A, .rung = 9},
        // SagittalMild, extraction.
        {.J = 7, .molarRt = 10, .OJc = 12, .ladder = A, .rung = 1},
        {.J = 7, .molarRt = 10, .OJc = 11.9, .ladder = A, .rung = 3},
        {.J = 7, .OJc = 16, .ladder = A, .rung = 1},
        {.J = 9, .molarRt = 3, .OJc = 4, .ladder = A, .rung = 2},
        {.J = 8.99, .molarLt = 3, .OJc = 4, .ladder = A, .rung = 3},
        {.J = 9, .molarLt = 1, .OJc = 2, .ladder = A, .rung = 4},
        {.J = 7, .OJc = 4, .ladder = A, .rung = 5},
        {.J = 7, .molarRt = -6, .OJc = -1, .ladder = A, .rung = 6},
        {.J = 9, .OJc = -1, .ladder = A, .rung = 7},
        {.J = 7, .OJc = -1, .ladder = A, .rung = 8},
        {.J = 11, .ladder = A, .rung = 9},
        {.J = 9, .ALDMn = 10, .ladder = A, .rung = 9},
        {.J = 9, .ALDMn = 7, .kimEI = "150", .ladder = A, .rung = 9},
        {.J = 9, .ALDMx = 7, .ALDMn = 7, .ladder = A, .rung = 9},
        {.J = 10.99, .ladder = A, .rung = 10},
        // SagittalMild, borderline and non-extraction.
        {.J = 5, .molarRt = 3, .OJc = 4, .ladder = B, .rung = 2},
        {.J = 5, .molarLt = 2, .OJc = 3, .ladder = B, .rung = 3},
        {.J = 5, .OJc = -3, .ladder = B, .rung = 4},
        {.J = 5, .molarRt = -2, .OJc = 2, .ladder = B, .rung = 5},
        {.J = 2, .molarRt = 2, .OJc = 3, .rung = 2},
        {.J = -1, .ALDMx = 4, .ALDMn = 4, .molarRt = 2, .OJc = 3, .rung = 2},
        {.J = -1, .ULc = 4, .LLc = 4, .molarRt = 2, .OJc = 3, .rung = 2},
        {.J = 1.99, .molarRt = 2, .OJc = 3, .rung = 4},
        {.molarRt = 3, .OJc = 5, .rung = 3},
        {.OJc = -3, .rung = 5},
        {.molarRt = -2, .OJc = 2, .rung = 6},
        // SkeletalII (SkelAP 8): a Class III occlusion contradicts it.
        {.skelAP = 8, .J = 7, .molarRt = -4, .OJc = 0, .branch = II, .ladder = A, .rung = 6},
        {.skelAP = 8, .J = 7, .OJc = 0, .branch = II, .ladder = A, .rung = 7},
        {.skelAP = 8, .J = 5, .OJc = -2, .branch = II, .ladder = B, .rung = 4},
        {.skelAP = 8, .molarLt = -4, .OJc = 0, .branch = II, .rung = 5},
        // SkeletalIII (SkelAP -8): a Class II occlusion contradicts it; one severe Class III value suffices.
        {.skelAP = -8, .J = 7, .molarRt = 4, .OJc = 5, .branch = III, .ladder = A, .rung = 1},
        {.skelAP = -8, .J = 5, .OJc = 7, .branch = III, .ladder = B, .rung = 1},
        {.skelAP = -8, .molarLt = 4, .OJc = 5, .branch = III, .rung = 1},
        {.skelAP = -8, .OJc = 7, .branch = III, .rung = 1},
        {.skelAP = -8, .J = 7, .OJc = -1, .branch = III, .ladder = A, .rung = 4},
        {.skelAP = -8, .J = 9, .OJc = 0, .branch = III, .ladder = A, .rung = 5},
        {.skelAP = -8, .J = 7, .OJc = 0, .branch = III, .ladder = A, .rung = 6},
        {.skelAP = -8, .molarRt = -6, .OJc = 2, .branch = III, .rung = 5},
        {.skelAP = -8, .J = 5, .molarRt = 3, .OJc = 4, .branch = III, .ladder = B, .rung = 2}};
    for (const ExtCase& c : rows) {
        const DxWorld world(0, 30, 0, c.skelAP);
        FindingsRecord r;
        r.APIdx = c.APIdx, r.Severity = static_cast<std::int16_t>(c.severity), r.JarabakVal = c.J;
        r.ALDMx = c.ALDMx, r.ALDMn = c.ALDMn, r.ULc = c.ULc, r.LLc = c.LLc, r.KimEI = c.kimEI;
        r.MolarRt = c.molarRt, r.MolarLt = c.molarLt, r.OJc = c.OJc;
        const ExtractionChoice choice = ChooseExtraction(r, world.sources());
        EXPECT_EQ((std::tuple{choice.branch, c.branch == None ? c.ladder : choice.ladder, choice.step.rung}),
                  (std::tuple{c.branch, c.ladder, c.rung}))
            << "SkelAP " << c.skelAP << " APIdx " << c.APIdx << " J " << c.J << " ALD " << c.ALDMx << "/" << c.ALDMn
            << " molars " << c.molarRt << "/" << c.molarLt << " OJc " << c.OJc;
    }
}

// The boy of 12 that the clinicians worked through by hand.
TEST(ExtractionStep, WorkedExample) {
    DxWorld world(0, 12, 2, 1);
    world.ceph.UL = 1, world.ceph.LL = 2;
    FindingsRecord r;
    r.JarabakVal = 6, r.ALDMx = 4, r.ALDMn = 5, r.KimEI = "145", r.MolarRt = 4, r.OJc = 5, r.APIdx = 3;
    LipsAndJarabak(r, world.sources()), GrowthTimingStep(r, world.sources());
    ASSERT_EQ(r.DxText, "");
    ExtractionStep(r, world.sources());
    EXPECT_EQ(r.DxText,
              "상악 소구치만 발치하거나 상하악 소구치 발치 후 하악 구치부를 anchor loss로 치료하는 방법이 추천된다. ");
}

// The lower lip is stored in single precision: 2.3 lies slightly below, and
// a space sum of exactly 9 in decimals falls just short of its bound.
TEST(ExtractionStep, LowerLipInSinglePrecision) {
    for (auto [UL, LL, ladder] : {std::tuple{4.7, 2.3, B}, {4.5, 2.5, A}}) {
        DxWorld world(0, 14);
        world.ceph.UL = UL, world.ceph.LL = LL;
        FindingsRecord r;
        r.JarabakVal = 5, r.ALDMx = 2, r.ALDMn = 2, r.KimEI = "200", r.OJc = 2.5, r.APIdx = 2;
        LipsAndJarabak(r, world.sources());
        EXPECT_EQ(ChooseExtraction(r, world.sources()).ladder, ladder) << LL;
    }
}

TEST(ClosingSentence, IncisorSizes) {
    for (auto [soi, severity, says] : {std::tuple{2.88, 0, false},
                                       {3.12, 0, false},
                                       {2.87, 0, true},
                                       {3.13, 1, true},
                                       {1.0, 0, false},
                                       {1.01, 0, true},
                                       {6.0, 0, false},
                                       {5.99, 0, true},
                                       {2.87, 2, false},
                                       {0.0, 0, false}}) {
        DxWorld world;
        world.model.SOI = soi;
        FindingsRecord r;
        r.Severity = static_cast<std::int16_t>(severity);
        ClosingStep(r, world.sources());
        EXPECT_EQ(r.DxText.empty(), !says) << soi << " " << severity;
    }
}

}  // namespace
}  // namespace vt
