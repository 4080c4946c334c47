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

// The sentences, named after what they recommend. "BothPremolars": upper and
// lower premolars extracted, then the molars held with maximum anchorage or
// let go with anchor loss. A name ending in Or, or And, is the first piece
// of a sentence that the rung's second piece completes.
constexpr const char* kArchDiscrepancyTooSevere =
    "상하악 치열궁의 부조화가 매우 심하므로 이에 대한 전문적인 진단이 필요하다. ";
constexpr const char* kUpperPremolarsOnly = "상악 소구치만 발치하거나 ";
constexpr const char* kBothPremolarsUpperMaxAnchorage =
    "상하악 소구치 발치 후 상악 구치부를 maximum anchorage로 치료하는 방법이 추천된다. ";
constexpr const char* kBothPremolarsLowerAnchorLoss =
    "상하악 소구치 발치 후 하악 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
constexpr const char* kBothPremolarsUpperMaxAnchorageOr =
    "상하악 소구치 발치 후 상악 구치부를 maximum anchorage로, 또는 ";
constexpr const char* kLowerAnchorLoss = "하악 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
constexpr const char* kDistalizeUpperOrUpperPremolarsOr = "상악 대구치를 원심 이동하거나 상악 소구치만 발치하거나 ";
constexpr const char* kBothPremolarsLowerMaxAnchorage =
    "상하악 소구치 발치 후 하악 구치부를 maximum anchorage로 치료하는 방법이 추천된다. ";
constexpr const char* kBothPremolarsUpperAnchorLossOr = "상하악 소구치 발치 후 상악 구치부를 anchor loss로, 또는 ";
constexpr const char* kLowerMaxAnchorage = "하악 구치부를 maximum anchorage로 치료하는 방법이 추천된다. ";
constexpr const char* kBothPremolarsBothMaxAnchorage =
    "상하악 소구치 발치 후 상하악 구치부 모두 maximum anchorage로 치료하는 방법이 추천된다. ";
constexpr const char* kBothPremolarsCloseSpace = "상하악 소구치 발치 후 공간을 폐쇄하는 방법이 추천된다. ";
constexpr const char* kClassIIIElasticsOr = "Class III elastics를 이용하거나 ";
constexpr const char* kBothPremolarsUpperAnchorLoss =
    "상하악 소구치 발치 후 상악 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
constexpr const char* kDistalizeUpperOrLowerOr = "상악이나 하악 대구치를 원심 이동하거나 ";
constexpr const char* kBothPremolarsPosteriorAnchorLoss =
    "상하악 소구치 발치 후 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
constexpr const char* kDistalizeUpperOrUpperPremolars =
    "상악 대구치를 원심 이동하거나 상악 소구치만 발치하여 치료하는 방법이 추천된다. ";
constexpr const char* kGrowthContradictsArches = "상하악의 전후방 성장관계와 치열궁의 부조화가 모순되므로 ";
constexpr const char* kDistalizeUpperMesializeLower =
    "상악 대구치를 원심 이동하고 하악 대구치를 근심 이동하여 치료하는 방법이 추천된다. ";
constexpr const char* kDistalizeUpperOrMesializeLower =
    "상악 대구치를 원심 이동하거나 하악 대구치를 근심 이동하여 치료하는 방법이 추천된다. ";
constexpr const char* kClassIIIElastics = "Class III elastics를 이용하여 치료하는 방법이 추천된다. ";
constexpr const char* kNoExtraction = "소구치 발치 없이 치료하는 방법이 추천된다. ";
constexpr const char* kBothPremolarsUpperMaxAnchorageAnd = "상하악 소구치 발치 후 상악 구치부를 maximum anchorage로, ";
constexpr const char* kSpecialistDiagnosisNeeded = "이에 대한 전문적인 진단이 필요하다. ";
constexpr const char* kBothPremolarsUpperAnchorLossAnd = "상하악 소구치 발치 후 상악 구치부를 anchor loss로, ";

// The extraction ladders hold for every age group.
constexpr Rung R(int number, const Condition& when, Pieces say) { return {number, kAllGroups, when, say}; }

// Branch SagittalMild: the jaws in or near Class I.
constexpr Rung kMildExtraction[] = {
    R(1, II(10, 16, 12), {kArchDiscrepancyTooSevere}),
    R(2, All(II(3, 6, 4), kJ9), {kUpperPremolarsOnly, kBothPremolarsUpperMaxAnchorage}),
    R(3, II(3, 6, 4), {kUpperPremolarsOnly, kBothPremolarsLowerAnchorLoss}),
    R(4, All(II(1, 4, 2), kJ9), {kBothPremolarsUpperMaxAnchorage}),
    R(5, II(1, 4, 2), {kBothPremolarsUpperMaxAnchorageOr, kLowerAnchorLoss}),
    R(6, III(-6, -3, -1), {kArchDiscrepancyTooSevere}),
    R(7, All(III(-2, 0, 2), kJ9), {kBothPremolarsLowerMaxAnchorage}),
    R(8, III(-2, 0, 2), {kBothPremolarsUpperAnchorLossOr, kLowerMaxAnchorage}),
    R(9, kMaxAnchorBoth, {kBothPremolarsBothMaxAnchorage}),
    R(10, Always(), {kBothPremolarsCloseSpace}),
};
constexpr Rung kMildBorderline[] = {
    R(1, II(10, 16, 12), {kArchDiscrepancyTooSevere}),
    R(2, II(3, 6, 4), {kUpperPremolarsOnly, kBothPremolarsLowerAnchorLoss}),
    R(3, II(2, 5, 3), {kDistalizeUpperOrUpperPremolarsOr, kBothPremolarsLowerAnchorLoss}),
    R(4, III(-6, -3, -1), {kArchDiscrepancyTooSevere}),
    R(5, III(-2, 0, 2), {kClassIIIElasticsOr, kBothPremolarsUpperAnchorLoss}),
    R(6, Always(), {kDistalizeUpperOrLowerOr, kBothPremolarsPosteriorAnchorLoss}),
};
constexpr Rung kMildNonExtraction[] = {
    R(1, II(10, 16, 12), {kArchDiscrepancyTooSevere}),
    R(2, kDistalOK, {kDistalizeUpperOrUpperPremolars}),
    R(3, II(3, 7, 5), {kDistalizeUpperMesializeLower}),
    R(4, II(2, 5, 3), {kDistalizeUpperOrMesializeLower}),
    R(5, III(-6, -3, -1), {kArchDiscrepancyTooSevere}),
    R(6, III(-2, 0, 2), {kClassIIIElastics}),
    R(7, Always(), {kNoExtraction}),
};

// Branch SkeletalII: a Class III occlusion contradicts the skeletal Class II.
constexpr Rung kClassIIExtraction[] = {
    R(1, II(10, 16, 12), {kArchDiscrepancyTooSevere}),
    R(2, All(II(3, 6, 4), kJ9), {kUpperPremolarsOnly, kBothPremolarsUpperMaxAnchorage}),
    R(3, II(3, 6, 4), {kUpperPremolarsOnly, kBothPremolarsLowerAnchorLoss}),
    R(4, All(II(1, 4, 2), kJ9), {kBothPremolarsUpperMaxAnchorage}),
    R(5, II(1, 4, 2), {kBothPremolarsUpperMaxAnchorageAnd, kLowerAnchorLoss}),
    R(6, III(-4, -2, 0), {kGrowthContradictsArches, kSpecialistDiagnosisNeeded}),
    R(7, III(-2, 0, 2), {kBothPremolarsLowerMaxAnchorage}),
    R(8, kMaxAnchorBoth, {kBothPremolarsBothMaxAnchorage}),
    R(9, Always(), {kBothPremolarsCloseSpace}),
};
constexpr Rung kClassIIBorderline[] = {
    R(1, II(10, 16, 12), {kArchDiscrepancyTooSevere}),
    R(2, II(3, 6, 4), {kUpperPremolarsOnly, kBothPremolarsLowerAnchorLoss}),
    R(3, II(2, 5, 3), {kDistalizeUpperOrUpperPremolarsOr, kBothPremolarsLowerAnchorLoss}),
    R(4, III(-4, -2, 0), {kGrowthContradictsArches, kSpecialistDiagnosisNeeded}),
    R(5, III(-2, 0, 2), {kClassIIIElasticsOr, kBothPremolarsUpperAnchorLoss}),
    R(6, Always(), {kDistalizeUpperOrLowerOr, kBothPremolarsPosteriorAnchorLoss}),
};
constexpr Rung kClassIINonExtraction[] = {
    R(1, II(10, 16, 12), {kArchDiscrepancyTooSevere}),
    R(2, kDistalOK, {kDistalizeUpperOrUpperPremolars}),
    R(3, II(3, 7, 5), {kDistalizeUpperMesializeLower}),
    R(4, II(2, 5, 3), {kDistalizeUpperOrMesializeLower}),
    R(5, III(-4, -2, 0), {kGrowthContradictsArches, kSpecialistDiagnosisNeeded}),
    R(6, III(-2, 0, 2), {kClassIIIElastics}),
    R(7, Always(), {kNoExtraction}),
};

// Branch SkeletalIII: a Class II occlusion contradicts the skeletal Class III.
constexpr Rung kClassIIIExtraction[] = {
    R(1, II(4, 7, 5), {kGrowthContradictsArches, kSpecialistDiagnosisNeeded}),
    R(2, All(II(2, 5, 3), kJ9), {kBothPremolarsUpperMaxAnchorage}),
    R(3, II(2, 5, 3), {kBothPremolarsUpperMaxAnchorageAnd, kLowerAnchorLoss}),
    R(4, kIII6, {kArchDiscrepancyTooSevere}),
    R(5, All(III(-2, 0, 2), kJ9), {kBothPremolarsLowerMaxAnchorage}),
    R(6, III(-2, 0, 2), {kBothPremolarsUpperAnchorLossAnd, kLowerMaxAnchorage}),
    R(7, kMaxAnchorBoth, {kBothPremolarsBothMaxAnchorage}),
    R(8, Always(), {kBothPremolarsCloseSpace}),
};
constexpr Rung kClassIIIBorderline[] = {
    R(1, II(4, 7, 5), {kGrowthContradictsArches, kSpecialistDiagnosisNeeded}),
    R(2, II(3, 6, 4), {kUpperPremolarsOnly, kBothPremolarsLowerAnchorLoss}),
    R(3, II(2, 5, 3), {kDistalizeUpperOrUpperPremolarsOr, kBothPremolarsLowerAnchorLoss}),
    R(4, kIII6, {kArchDiscrepancyTooSevere}),
    R(5, III(-2, 0, 2), {kClassIIIElasticsOr, kBothPremolarsUpperAnchorLoss}),
    R(6, Always(), {kDistalizeUpperOrLowerOr, kBothPremolarsPosteriorAnchorLoss}),
};
constexpr Rung kClassIIINonExtraction[] = {
    R(1, II(4, 7, 5), {kGrowthContradictsArches, kSpecialistDiagnosisNeeded}),
    R(2, kDistalOK, {kDistalizeUpperOrUpperPremolars}),
    R(3, II(3, 7, 5), {kDistalizeUpperMesializeLower}),
    R(4, II(2, 5, 3), {kDistalizeUpperOrMesializeLower}),
    R(5, kIII6, {kArchDiscrepancyTooSevere}),
    R(6, III(-2, 0, 2), {kClassIIIElastics}),
    R(7, Always(), {kNoExtraction}),
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
