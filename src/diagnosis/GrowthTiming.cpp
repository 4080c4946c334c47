// Lip values and the adjusted Jarabak value that the extraction rules
// weigh, and the growth-timing advice by age group and Severity.

#include <array>

#include "diagnosis/DiagnosisSections.h"
#include "platform/SinglePrecision.h"

namespace vt {

namespace {

constexpr double kLipReductionAge = 14;

constexpr AgeGroups kGrowthGroups{kExtractionAge, {14, 13}, {18, 16}};

constexpr const char* kWatchGrowthThenFixed = "좀 더 성장을 지켜보고 고정식 교정치료를 시행한다. ";
constexpr const char* kFixedAfterEruption = "영구치 맹출 후에 고정식 교정치료를 시행한다. ";
constexpr const char* kDecideAfterGrowthPeak = "최대 성장기가 지난 다음 고정식 교정치료를 결정한다. ";
constexpr const char* kIfGrowthGoesWell = "성장 결과가 양호할 경우, ";
constexpr const char* kIfGrowthFailsDiscussSurgery =
    "성장 결과가 양호하지 않을 경우 성장 후 수술 가능성에 대해 이야기한다. ";
constexpr const char* kIfSurgeryAfterGrowthEnds =
    "수술이 필요한 경우, 악골 성장이 완료된 후 악교정수술과 교정치료 방법을 결정한다. ";
constexpr const char* kIfWithoutSurgery = "수술하지 않고 치료할 경우, ";
constexpr const char* kIfSurgeryPlanItThenFixed =
    "수술이 필요한 경우, 악교정수술과 교정치료 방법을 결정하고 고정식 교정치료를 시행한다. ";

// By age group (rows) and Severity 0, 1, 2 (columns). A piece ending in
// ", " is completed by the extraction entry that follows it.
constexpr std::array<std::array<Pieces, 3>, 4> kGrowthTiming{{
    {{{kFixedAfterEruption}, {kWatchGrowthThenFixed}, {kFixedAfterEruption}}},
    {{{}, {kDecideAfterGrowthPeak, kIfGrowthGoesWell}, {kDecideAfterGrowthPeak, kIfGrowthFailsDiscussSurgery}}},
    {{{}, {kIfSurgeryAfterGrowthEnds, kIfWithoutSurgery}, {kIfSurgeryAfterGrowthEnds}}},
    {{{}, {kIfSurgeryPlanItThenFixed, kIfWithoutSurgery}, {kIfSurgeryPlanItThenFixed}}},
}};

}  // namespace

void LipsAndJarabak(FindingsRecord& r, const DiagnosisSources& s) {
    const double halfSex = s.patient.Sex / 2.0;
    r.ULc = s.ceph.UL + halfSex;
    r.LLc = ToSingle(s.ceph.LL + halfSex);
    if (s.patient.AgeYear < kLipReductionAge) {
        r.ULc = r.ULc - 1;
        r.LLc = ToSingle(r.LLc - 1.0);
    }
    r.JarabakVal = r.JarabakVal + halfSex + s.scores.SkelVert / 4.0;
}

void GrowthTimingStep(FindingsRecord& r, const DiagnosisSources& s) {
    const AgeGroup group = GroupOf(kGrowthGroups, s.patient.Sex, s.patient.AgeYear);
    const int severity = r.Severity < 0 ? 0 : r.Severity > 2 ? 2 : r.Severity;
    const Pieces& say = kGrowthTiming[static_cast<std::size_t>(group)][static_cast<std::size_t>(severity)];
    r.DxText += say.first;
    r.DxText += say.second;
}

}  // namespace vt
