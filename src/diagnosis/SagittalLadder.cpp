// The sagittal sentences: Class III or Class II discrepancy of the jaws,
// anterior cross-bite or excessive overjet, in the words that suit the
// patient's stage of growth. The tests are nearly the same for all four
// groups; the sentences and their weight differ.

#include "diagnosis/DiagnosisSections.h"

namespace vt {

namespace {

using enum Fact;
using enum SeverityEffect;
using namespace rules;

constexpr AgeGroups kSagittalGroups{11, {14, 13}, {18, 16}};
constexpr GroupSet kYoung = kChild | kEarly;
constexpr GroupSet kOlder = kGrowing | kGrown;

// The tests by rung; rung 6 looks at the overjet in the young groups and at
// the overbite in the older ones, and rung 9 exists only for the older.
constexpr Condition kTest1 = All(Lt(SkelAP, -7), Any(All(Lt(APIdx, -2), Lt(OJ, -2)), All(Gt(SkelVert, 2), Lt(OB, 1))));
constexpr Condition kTest2 = Lt(SkelAP, -7);
constexpr Condition kTest3 = Lt(SkelAP, -4);
constexpr Condition kTest4 = All(Lt(SkelAP, -2), Lt(APIdx, 0), Lt(OJ, 0));
constexpr Condition kTest5 = All(Lt(SkelAP, -1), Lt(OJ, 0));
constexpr Condition kTest6Young = All(Lt(SkelAP, -1), Lt(APIdx, 1), Lt(OJ, 1));
constexpr Condition kTest6Older = All(Lt(SkelAP, -1), Lt(APIdx, 1), Lt(OB, 1));
constexpr Condition kTest7 = Lt(SkelAP, -1);
constexpr Condition kTest8 = Gt(SkelAP, 7);
constexpr Condition kTest9 = Gt(SkelAP, 5);
constexpr Condition kTest10 = Gt(SkelAP, 4);
constexpr Condition kTest11 = All(Gt(SkelAP, 2), Gt(APIdx, 5), Gt(OJ, 5));
constexpr Condition kTest12 = All(Gt(SkelAP, 1), Gt(APIdx, 4), Gt(OJ, 4));
constexpr Condition kTest13 = Gt(SkelAP, 1);
constexpr Condition kTest14 = Lt(OJ, 0);
constexpr Condition kTest15 = All(Lt(APIdx, 1), Lt(OJ, 1));
constexpr Condition kTest16 = Gt(OJ, 5);
constexpr Condition kTest17 = All(Gt(APIdx, 4), Gt(OJ, 4));

constexpr const char* kVerySevereIII = "상하악은 전후방적으로 매우 심한 3급 부조화가 있으므로 ";
constexpr const char* kSevereIII = "상하악은 전후방적으로 심한 3급 부조화가 있으므로 ";
constexpr const char* kClassIII = "상하악은 전후방적으로 3급 부조화가 있으므로 ";
constexpr const char* kTendencyIIIAndCross = "상하악 3급 부조화 경향과 전치부 반대교합을 개선하기 위하여 ";
constexpr const char* kAnteriorCross = "상하악 전치부 반대교합이 있으므로 ";
constexpr const char* kTendencyIII = "상하악은 전후방적으로 3급 부조화 경향이 있으므로 ";
constexpr const char* kSlightIII = "상하악은 전후방적으로 약간의 3급 부조화 경향을 보이고 있다. ";
constexpr const char* kSevereII = "상하악은 전후방적으로 심한 2급 부조화가 있으므로 ";
constexpr const char* kClassII = "상하악은 전후방적으로 2급 부조화가 있으므로 ";
constexpr const char* kTendencyIIAndOverjet = "상하악 2급 부조화 경향과 전치부 과잉피개를 개선하기 위하여 ";
constexpr const char* kTendencyII = "상하악은 전후방적으로 2급 부조화 경향이 있으므로 ";

// Child: orthopaedic and functional treatment.
constexpr const char* kPromoteMaxilla =
    "상악의 성장을 촉진하고 하악의 성장을 억제하기 위한 악정형 치료가 필요할 수 있다. ";
constexpr const char* kPromoteMaxillaFunctional =
    "상악의 성장을 촉진하고 하악의 성장을 억제하기 위한 악정형, 악기능 치료가 필요할 수 있다. ";
constexpr const char* kRestrainMaxilla =
    "상악의 성장을 억제하고 하악의 성장을 촉진하기 위한 악정형, 악기능 치료가 필요할 수 있다. ";
constexpr const char* kMayConsider = "경우에 따라서 악정형, 악기능 치료를 고려할 수 있다. ";

// Early growth: the same, while much growth remains.
constexpr const char* kIfGrowthOrthopaedic = "성장이 많이 남아 있을 경우 악정형 치료가 필요할 수 있다. ";
constexpr const char* kIfGrowthNeeded = "성장이 많이 남아 있을 경우 악정형, 악기능 치료가 필요할 수 있다. ";
constexpr const char* kIfGrowthConsider = "성장이 많이 남아 있을 경우 악정형, 악기능 치료를 고려할 수 있다. ";

// Growing and grown: fixed treatment, surgery for the gravest cases.
constexpr const char* kFixedConsiderIt = "고정식 교정치료시 이를 고려해야 한다. ";
constexpr const char* kFixedAnteriorCross = "고정식 교정치료시 전치부 반대교합을 고려해야 한다. ";
constexpr const char* kMaybeSurgeryAfterGrowth = "경우에 따라 성장 후 악교정수술이 필요할 수 있다. ";
constexpr const char* kMaybeSurgery = "경우에 따라 악교정수술이 필요할 수 있다. ";

// Each group's rungs in order; a group skips the rows of the others.
constexpr Rung kSagittal[] = {
    // Child.
    {1, kChild, kTest1, {kVerySevereIII, "악정형 치료를 시도해 볼 수 있으나 개선이 어려울 수 있다. "}, SetTo1},
    {2, kChild, kTest2, {kSevereIII, kPromoteMaxilla}, SetTo1},
    {3, kChild, kTest3, {kClassIII, kPromoteMaxilla}, SetTo1},
    {4, kChild, kTest4, {kTendencyIIIAndCross, kPromoteMaxillaFunctional}, SetTo1},
    {5, kChild, kTest5, {kAnteriorCross, kMayConsider}, SetTo1},
    {6, kChild, kTest6Young, {kTendencyIII, kMayConsider}, SetTo1},
    {7, kChild, kTest7, {kSlightIII}},
    {8, kChild, kTest8, {kSevereII, kRestrainMaxilla}, SetTo1},
    {10, kChild, kTest10, {kClassII, kRestrainMaxilla}, SetTo1},
    {11, kChild, kTest11, {kTendencyIIAndOverjet, kRestrainMaxilla}, SetTo1},
    {12, kChild, kTest12, {kTendencyII, kMayConsider}, SetTo1},

    // Early growth.
    {1,
     kEarly,
     kTest1,
     {kVerySevereIII, "성장이 많이 남아 있을 경우 악정형 치료를 시도해 볼 수 있으나 개선이 어려울 수 있다. "},
     SetTo2},
    {2, kEarly, kTest2, {kSevereIII, kIfGrowthOrthopaedic}, RaiseTo1},
    {3, kEarly, kTest3, {kClassIII, kIfGrowthOrthopaedic}, RaiseTo1},
    {4, kEarly, kTest4, {kTendencyIIIAndCross, kIfGrowthNeeded}, RaiseTo1},
    // Set outright: a 2 of the transverse or vertical ladder becomes 1.
    {5, kEarly, kTest5, {kAnteriorCross, kIfGrowthConsider}, SetTo1},
    {6, kEarly, kTest6Young, {kTendencyIII, kIfGrowthConsider}},
    {7, kEarly, kTest7, {kSlightIII}},
    {8, kEarly, kTest8, {kSevereII, kIfGrowthNeeded}, RaiseTo1},
    {10, kEarly, kTest10, {kClassII, kIfGrowthNeeded}, RaiseTo1},
    {11, kEarly, kTest11, {kTendencyIIAndOverjet, kIfGrowthNeeded}, RaiseTo1},
    {12, kEarly, kTest12, {kTendencyII, kIfGrowthConsider}},

    // Both young groups.
    {13, kYoung, kTest13, {"상하악 전후방 성장은 약간의 2급 부조화 경향을 보이고 있다. "}},
    {14, kYoung, kTest14, {"전치부 반대교합을 개선하기 위한 장치가 필요할 수도 있다. "}},
    {15, kYoung, kTest15, {"상하악 전치부는 약간의 반대교합 경향을 보이고 있다. "}},
    {16, kYoung, kTest16, {"전치부 과잉피개를 개선하기 위한 장치가 필요할 수도 있다. "}},
    {17, kYoung, kTest17, {"상하악 전치부는 약간의 과잉피개 경향을 보이고 있다. "}},

    // Growing and grown.
    {1, kGrowing, kTest1, {kVerySevereIII, "성장 후 악교정수술을 고려한 전문적인 진단이 필요하다. "}, SetTo2},
    {1, kGrown, kTest1, {kVerySevereIII, "악교정수술을 고려한 전문적인 진단이 필요하다. "}, SetTo2},
    {2, kGrowing, kTest2, {kSevereIII, kMaybeSurgeryAfterGrowth}, RaiseTo1},
    {2, kGrown, kTest2, {kSevereIII, kMaybeSurgery}, RaiseTo1},
    {3, kOlder, kTest3, {kClassIII, kFixedConsiderIt}, RaiseTo1},
    {4, kOlder, kTest4, {"고정식 교정치료시 3급 부조화 경향과 전치부 반대교합을 고려해야 한다. "}},
    {5, kOlder, kTest5, {kFixedAnteriorCross}},
    {6, kOlder, kTest6Older, {"고정식 교정치료시 3급 부조화 경향을 고려해야 한다. "}},
    {7, kOlder, kTest7, {"고정식 교정치료시 약간의 3급 부조화 경향을 고려해야 한다. "}},
    {8, kGrowing, kTest8, {kSevereII, kMaybeSurgeryAfterGrowth}, RaiseTo1},
    {8, kGrown, kTest8, {kSevereII, kMaybeSurgery}, RaiseTo1},
    // Rungs 9 and 10 say the same; only 9 weighs on Severity.
    {9, kOlder, kTest9, {kClassII, kFixedConsiderIt}, RaiseTo1},
    {10, kOlder, kTest10, {kClassII, kFixedConsiderIt}},
    {11, kOlder, kTest11, {"고정식 교정치료시 2급 부조화 경향과 전치부 과잉피개를 고려해야 한다. "}},
    {12, kOlder, kTest12, {"고정식 교정치료시 2급 부조화 경향을 고려해야 한다. "}},
    // "경향를" is the clinic's own wording.
    {13, kOlder, kTest13, {"고정식 교정치료시 약간의 2급 부조화 경향를 고려해야 한다. "}},
    {14, kOlder, kTest14, {kFixedAnteriorCross}},
    {15, kOlder, kTest15, {"고정식 교정치료시 약간의 전치부 반대교합 경향을 고려해야 한다. "}},
    {16, kOlder, kTest16, {"고정식 교정치료시 전치부 과잉피개를 고려해야 한다. "}},
    {17, kOlder, kTest17, {"고정식 교정치료시 약간의 전치부 과잉피개 경향을 고려해야 한다. "}},

    {18, kAllGroups, Always(), {"상하악의 전후방 골격과 치열 관계는 정상적이다. "}},
};
static_assert(WellFormed(kSagittal));

}  // namespace

Step SagittalStep(FindingsRecord& r, const DiagnosisSources& s) {
    return ApplyDiagnosisLadder(kSagittal, kSagittalGroups, r, s);
}

}  // namespace vt
