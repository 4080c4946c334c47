// The transverse sentence (asymmetry of the molar relations and cross-bites,
// width of the arches) and the vertical sentence (open and deep bite).

#include "diagnosis/DiagnosisSections.h"

namespace vt {

namespace {

using enum Fact;
using enum SeverityEffect;
using namespace rules;

// The transverse ladder has no early group.
constexpr AgeGroups kTransverseGroups{11, {11, 11}, {18, 16}};

constexpr Condition kSevereAsymmetry = Any(Ge(dM, 6), Ge(dC, 4), All(Ge(dM, 4), Ge(dC, 3)));
constexpr Condition kAsymmetry = Any(Ge(dM, 4), Ge(dC, 3), All(Ge(dM, 3), Ge(dC, 2)));
constexpr const char* kSevereAsymmetryDecide =
    "상하악 교합 관계에서 심한 비대칭이 존재하므로 이에 대한 전문적인 진단 후 치료를 결정하고 ";

constexpr Rung kTransverse[] = {
    {1,
     kChild,
     kSevereAsymmetry,
     {"상하악 교합 관계에서 심한 비대칭이 존재하므로 이에 대한 전문적인 진단 후 치료를 결정한다. "},
     SetTo1},
    {1,
     kGrowing,
     kSevereAsymmetry,
     {kSevereAsymmetryDecide, "경우에 따라 성장 후 악교정수술이 필요할 수도 있다. "},
     SetTo2},
    {1, kGrown, kSevereAsymmetry, {kSevereAsymmetryDecide, "경우에 따라 악교정수술이 필요할 수도 있다. "}, SetTo2},
    {2,
     kAllGroups,
     kAsymmetry,
     {"상하악 교합 관계에서 비대칭이 존재하므로 이에 대한 전문적인 진단 후 치료를 결정한다. "},
     SetTo1},
    {3,
     kAllGroups,
     Any(Ge(CrossRt, 3), Ge(CrossLt, 3)),
     {"하악 치열궁에 비하여 상악 치열궁이 좁으므로 상악 확대가 필요할 수 있다. "}},
    {4,
     kAllGroups,
     Any(Ge(CrossRt, 2), Ge(CrossLt, 2)),
     {"하악 치열궁에 비하여 상악 치열궁이 약간 좁으므로 상악 확대가 필요할 수도 있다. "}},
    {5,
     kAllGroups,
     Any(Le(CrossRt, -3), Le(CrossLt, -3)),
     {"상악 치열궁이 넓거나 하악 치열궁이 좁으므로 이에 대한 고려가 필요하다. "}},
    {6,
     kAllGroups,
     Any(Le(CrossRt, -2), Le(CrossLt, -2)),
     {"상악 치열궁이 약간 넓거나 하악 치열궁이 약간 좁으므로 이에 대한 고려가 필요하다. "}},
    {7,
     kAllGroups,
     Any(Ge(dM, 2), Ge(dC, 2)),
     {"상하악 교합 관계에서 비대칭이 약간 존재하므로 이에 대한 고려가 필요하다. "}},
    {8, kAllGroups, Always(), {"상하악 교합 관계에서 비대칭이나 횡적 부조화는 없거나 미미하다. "}},
};
static_assert(WellFormed(kTransverse));

constexpr AgeGroups kVerticalGroups{11, {14, 14}, {18, 16}};
constexpr GroupSet kNotChild = kEarly | kGrowing | kGrown;

// An open bite shows in the vertical index or in the overbite itself.
constexpr Condition OpenBite(double atMost) { return Any(Le(OBv, atMost), Le(OB, atMost)); }
constexpr Condition DeepBite(double atLeast) { return Any(Ge(OBv, atLeast), Ge(OB, atLeast)); }

constexpr const char* kLargeOpenBite = "전치부 open bite 양이 크므로 이에 대한 전문적인 진단과 치료가 필요하다. ";

constexpr Rung kVertical[] = {
    {1,
     kGrowing,
     OpenBite(-6),
     {"전치부 open bite 양이 매우 크므로 성장 후 악교정 수술을 고려한 전문적인 진단이 필요하다. "},
     SetTo2},
    {1,
     kGrown,
     OpenBite(-6),
     {"전치부 open bite 양이 매우 크므로 악교정 수술을 고려한 전문적인 진단이 필요하다. "},
     SetTo2},
    {2, kChild, OpenBite(-4), {kLargeOpenBite}, SetTo1},
    {2, kEarly, OpenBite(-4), {kLargeOpenBite}, SetTo2},
    {2,
     kGrowing,
     OpenBite(-4),
     {"전치부 open bite 양이 크므로 전문적인 진단이 필요하며 경우에 따라 성장 후 악교정수술이 필요할 수 있다. "},
     SetTo2},
    {2,
     kGrown,
     OpenBite(-4),
     {"전치부 open bite 양이 크므로 전문적인 진단이 필요하며 경우에 따라 악교정수술이 필요할 수 있다. "},
     SetTo2},
    {3, kChild, OpenBite(-2), {"전치부 open bite이 있으므로 이를 개선하기 위한 치료가 필요하다. "}, SetTo1},
    {3,
     kNotChild,
     OpenBite(-2),
     {"전치부 open bite이 있으므로 구치부 intrusion 등 이를 개선하기 위한 치료가 필요하다. "},
     RaiseTo1},
    {4, kAllGroups, OpenBite(0), {"전치부 open bite 경향이 있으므로 이를 고려한 치료가 필요하다. "}},
    {5, kChild, DeepBite(6), {"전치부 deep bite이 있으므로 이를 개선하기 위한 치료가 필요하다. "}},
    {5,
     kNotChild,
     DeepBite(6),
     {"전치부 deep bite이 있으므로 전치부 intrusion 등 이를 개선하기 위한 치료가 필요하다. "}},
    {6, kAllGroups, DeepBite(4), {"전치부 deep bite 경향이 있으므로 이를 고려한 치료가 필요하다. "}},
    {7, kAllGroups, Gt(SkelVert, 3), {"골격적으로 open bite 경향이 있으므로 이에 대한 고려가 필요하다. "}},
    {8, kAllGroups, Lt(SkelVert, -3), {"골격적으로 deep bite 경향이 있으므로 이에 대한 고려가 필요하다. "}},
    {9, kAllGroups, Always(), {"전치부 open bite이나 deep bite에 대한 문제는 없거나 미미하다. "}},
};
static_assert(WellFormed(kVertical));

}  // namespace

Step TransverseStep(FindingsRecord& r, const DiagnosisSources& s) {
    r.DxText.clear();
    return ApplyDiagnosisLadder(kTransverse, kTransverseGroups, r, s);
}

Step VerticalStep(FindingsRecord& r, const DiagnosisSources& s) {
    return ApplyDiagnosisLadder(kVertical, kVerticalGroups, r, s);
}

}  // namespace vt
