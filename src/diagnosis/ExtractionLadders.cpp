// The extraction and anchorage recommendation: the skeletal sagittal
// pattern chooses a branch, the space indices choose between extraction,
// borderline and non-extraction, and the molar relations with the corrected
// overjet choose the rung.

#include "diagnosis/DiagnosisSections.h"

namespace vt {

namespace {

using enum Fact;
using namespace rules;

// A Class II, or Class III, pattern of at least this size: either molar
// relation reaching a, or the corrected overjet reaching b, and the
// corrected overjet reaching c. All bounds included.
constexpr Condition II(double a, double b, double c) {
    return All(Any(Ge(MolarRt, a), Ge(MolarLt, a), Ge(OJc, b)), Ge(OJc, c));
}
constexpr Condition III(double a, double b, double c) {
    return All(Any(Le(MolarRt, a), Le(MolarLt, a), Le(OJc, b)), Le(OJc, c));
}
// The severe Class III rung of the skeletal Class III branch: any one suffices.
constexpr Condition kIII6 = Any(Le(MolarRt, -6), Le(MolarLt, -6), Le(OJc, -1));
constexpr Condition kJ9 = Ge(J, 9);

// Space conditions; J is the adjusted Jarabak value.
constexpr Condition kExtIndicated = Any(Ge(J, 7),
                                        All(Ge(J, 5), Any(Ge(ALDMn, 7), All(Ge(ALDMn, 4), Lt(KimNet, 150)))),
                                        All(Ge(J, 5), Any(Ge(ALDSum, 9), Ge(LipALD, 9))),
                                        All(Ge(J, 3), Any(Ge(ALDSum, 12), Ge(LipALD, 12))));
constexpr Condition kExtBorder = Any(
    Ge(J, 5), All(Ge(J, 2), Any(Ge(ALDSum, 8), Ge(LipALD, 8))), All(Ge(J, -1), Any(Ge(ALDSum, 11), Ge(LipALD, 11))));
constexpr Condition kMaxAnchorBoth = Any(Ge(J, 11),
                                         All(Ge(J, 9), Any(Ge(ALDMn, 10), All(Ge(ALDMn, 7), Lt(KimNet, 150)))),
                                         All(Ge(J, 9), Any(Ge(ALDSum, 14), Ge(LipALD, 14))));
constexpr Condition kDistalOK = All(Any(Ge(J, 2), All(Ge(J, -1), Any(Ge(ALDSum, 8), Ge(LipALD, 8)))), II(2, 5, 3));

constexpr const char* X1 = "상하악 치열궁의 부조화가 매우 심하므로 이에 대한 전문적인 진단이 필요하다. ";
constexpr const char* X2 = "상악 소구치만 발치하거나 ";
constexpr const char* X3 = "상하악 소구치 발치 후 상악 구치부를 maximum anchorage로 치료하는 방법이 추천된다. ";
constexpr const char* X4 = "상하악 소구치 발치 후 하악 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
constexpr const char* X5 = "상하악 소구치 발치 후 상악 구치부를 maximum anchorage로, 또는 ";
constexpr const char* X6 = "하악 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
constexpr const char* X7 = "상악 대구치를 원심 이동하거나 상악 소구치만 발치하거나 ";
constexpr const char* X8 = "상하악 소구치 발치 후 하악 구치부를 maximum anchorage로 치료하는 방법이 추천된다. ";
constexpr const char* X9 = "상하악 소구치 발치 후 상악 구치부를 anchor loss로, 또는 ";
constexpr const char* X10 = "하악 구치부를 maximum anchorage로 치료하는 방법이 추천된다. ";
constexpr const char* X11 = "상하악 소구치 발치 후 상하악 구치부 모두 maximum anchorage로 치료하는 방법이 추천된다. ";
constexpr const char* X12 = "상하악 소구치 발치 후 공간을 폐쇄하는 방법이 추천된다. ";
constexpr const char* X13 = "Class III elastics를 이용하거나 ";
constexpr const char* X14 = "상하악 소구치 발치 후 상악 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
constexpr const char* X15 = "상악이나 하악 대구치를 원심 이동하거나 ";
constexpr const char* X16 = "상하악 소구치 발치 후 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
constexpr const char* X17 = "상악 대구치를 원심 이동하거나 상악 소구치만 발치하여 치료하는 방법이 추천된다. ";
constexpr const char* X18 = "상하악의 전후방 성장관계와 치열궁의 부조화가 모순되므로 ";
constexpr const char* X19 = "상악 대구치를 원심 이동하고 하악 대구치를 근심 이동하여 치료하는 방법이 추천된다. ";
constexpr const char* X20 = "상악 대구치를 원심 이동하거나 하악 대구치를 근심 이동하여 치료하는 방법이 추천된다. ";
constexpr const char* X21 = "Class III elastics를 이용하여 치료하는 방법이 추천된다. ";
constexpr const char* X22 = "소구치 발치 없이 치료하는 방법이 추천된다. ";
constexpr const char* X23 = "상하악 소구치 발치 후 상악 구치부를 maximum anchorage로, ";
constexpr const char* X24 = "이에 대한 전문적인 진단이 필요하다. ";
constexpr const char* X25 = "상하악 소구치 발치 후 상악 구치부를 anchor loss로, ";

// The extraction ladders hold for every age group.
constexpr Rung R(int number, const Condition& when, Pieces say) { return {number, kAllGroups, when, say}; }

// Branch SagittalMild: the jaws in or near Class I.
constexpr Rung kMildExtraction[] = {
    R(1, II(10, 16, 12), {X1}),
    R(2, All(II(3, 6, 4), kJ9), {X2, X3}),
    R(3, II(3, 6, 4), {X2, X4}),
    R(4, All(II(1, 4, 2), kJ9), {X3}),
    R(5, II(1, 4, 2), {X5, X6}),
    R(6, III(-6, -3, -1), {X1}),
    R(7, All(III(-2, 0, 2), kJ9), {X8}),
    R(8, III(-2, 0, 2), {X9, X10}),
    R(9, kMaxAnchorBoth, {X11}),
    R(10, Always(), {X12}),
};
constexpr Rung kMildBorderline[] = {
    R(1, II(10, 16, 12), {X1}),
    R(2, II(3, 6, 4), {X2, X4}),
    R(3, II(2, 5, 3), {X7, X4}),
    R(4, III(-6, -3, -1), {X1}),
    R(5, III(-2, 0, 2), {X13, X14}),
    R(6, Always(), {X15, X16}),
};
constexpr Rung kMildNonExtraction[] = {
    R(1, II(10, 16, 12), {X1}),
    R(2, kDistalOK, {X17}),
    R(3, II(3, 7, 5), {X19}),
    R(4, II(2, 5, 3), {X20}),
    R(5, III(-6, -3, -1), {X1}),
    R(6, III(-2, 0, 2), {X21}),
    R(7, Always(), {X22}),
};

// Branch SkeletalII: a Class III occlusion contradicts the skeletal Class II.
constexpr Rung kClassIIExtraction[] = {
    R(1, II(10, 16, 12), {X1}),
    R(2, All(II(3, 6, 4), kJ9), {X2, X3}),
    R(3, II(3, 6, 4), {X2, X4}),
    R(4, All(II(1, 4, 2), kJ9), {X3}),
    R(5, II(1, 4, 2), {X23, X6}),
    R(6, III(-4, -2, 0), {X18, X24}),
    R(7, III(-2, 0, 2), {X8}),
    R(8, kMaxAnchorBoth, {X11}),
    R(9, Always(), {X12}),
};
constexpr Rung kClassIIBorderline[] = {
    R(1, II(10, 16, 12), {X1}),
    R(2, II(3, 6, 4), {X2, X4}),
    R(3, II(2, 5, 3), {X7, X4}),
    R(4, III(-4, -2, 0), {X18, X24}),
    R(5, III(-2, 0, 2), {X13, X14}),
    R(6, Always(), {X15, X16}),
};
constexpr Rung kClassIINonExtraction[] = {
    R(1, II(10, 16, 12), {X1}),
    R(2, kDistalOK, {X17}),
    R(3, II(3, 7, 5), {X19}),
    R(4, II(2, 5, 3), {X20}),
    R(5, III(-4, -2, 0), {X18, X24}),
    R(6, III(-2, 0, 2), {X21}),
    R(7, Always(), {X22}),
};

// Branch SkeletalIII: a Class II occlusion contradicts the skeletal Class III.
constexpr Rung kClassIIIExtraction[] = {
    R(1, II(4, 7, 5), {X18, X24}),
    R(2, All(II(2, 5, 3), kJ9), {X3}),
    R(3, II(2, 5, 3), {X23, X6}),
    R(4, kIII6, {X1}),
    R(5, All(III(-2, 0, 2), kJ9), {X8}),
    R(6, III(-2, 0, 2), {X25, X10}),
    R(7, kMaxAnchorBoth, {X11}),
    R(8, Always(), {X12}),
};
constexpr Rung kClassIIIBorderline[] = {
    R(1, II(4, 7, 5), {X18, X24}),
    R(2, II(3, 6, 4), {X2, X4}),
    R(3, II(2, 5, 3), {X7, X4}),
    R(4, kIII6, {X1}),
    R(5, III(-2, 0, 2), {X13, X14}),
    R(6, Always(), {X15, X16}),
};
constexpr Rung kClassIIINonExtraction[] = {
    R(1, II(4, 7, 5), {X18, X24}),
    R(2, kDistalOK, {X17}),
    R(3, II(3, 7, 5), {X19}),
    R(4, II(2, 5, 3), {X20}),
    R(5, kIII6, {X1}),
    R(6, III(-2, 0, 2), {X21}),
    R(7, Always(), {X22}),
};

static_assert(WellFormed(kMildExtraction) && WellFormed(kMildBorderline) && WellFormed(kMildNonExtraction));
static_assert(WellFormed(kClassIIExtraction) && WellFormed(kClassIIBorderline) && WellFormed(kClassIINonExtraction));
static_assert(WellFormed(kClassIIIExtraction) && WellFormed(kClassIIIBorderline) && WellFormed(kClassIIINonExtraction));

struct Branch {
    ExtBranch name;
    Condition when;
    std::span<const Rung> extraction, borderline, nonExtraction;
};

// Tried in order; with Severity 2 none holds and nothing is recommended.
constexpr Branch kBranches[] = {
    {ExtBranch::SagittalMild,
     All(Lt(Severity, 2), Any(Between(SkelAP, -5, 5), All(Between(SkelAP, -8, 8), Between(APIdx, -1, 5)))),
     kMildExtraction,
     kMildBorderline,
     kMildNonExtraction},
    {ExtBranch::SkeletalII,
     All(Lt(Severity, 2), Gt(SkelAP, 4)),
     kClassIIExtraction,
     kClassIIBorderline,
     kClassIINonExtraction},
    {ExtBranch::SkeletalIII,
     All(Lt(Severity, 2), Lt(SkelAP, -4)),
     kClassIIIExtraction,
     kClassIIIBorderline,
     kClassIIINonExtraction},
};

}  // namespace

ExtractionChoice ChooseExtraction(const FindingsRecord& r, const DiagnosisSources& s) {
    const Facts facts = FactsOf(r, s);
    for (const Branch& branch : kBranches) {
        if (!Holds(branch.when, facts)) continue;
        const SpaceLadder ladder = Holds(kExtIndicated, facts) ? SpaceLadder::Extraction
                                   : Holds(kExtBorder, facts)  ? SpaceLadder::Borderline
                                                               : SpaceLadder::NonExtraction;
        const std::span<const Rung> rungs = ladder == SpaceLadder::Extraction   ? branch.extraction
                                            : ladder == SpaceLadder::Borderline ? branch.borderline
                                                                                : branch.nonExtraction;
        return {branch.name, ladder, Walk(rungs, AgeGroup::Child, facts)};
    }
    return {};
}

void ExtractionStep(FindingsRecord& r, const DiagnosisSources& s) {
    const ExtractionChoice choice = ChooseExtraction(r, s);
    r.DxText += choice.step.say.first;
    r.DxText += choice.step.say.second;
}

}  // namespace vt
