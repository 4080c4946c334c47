#include "diagnosis/DiagnosisRun.h"

#include <cmath>

#include "diagnosis/DiagnosisSections.h"
#include "diagnosis/ExtractionAnalysis.h"
#include "platform/SinglePrecision.h"

namespace vt {

namespace {

using enum Fact;
using namespace rules;

double Signed(double typed, std::int16_t option) {
    if (option == 0) return 0;
    return option == 2 ? -typed : typed;
}

float Signed(float typed, std::int16_t option) {
    if (option == 0) return 0;
    return option == 2 ? -typed : typed;
}

constexpr Condition kIncisorSizes = All(Lt(Severity, 2), Any(Between(SOI, 1, 2.88), Between(SOI, 3.12, 6)));
constexpr const char* kIncisorSizeSentence = "Finishing 과정에서 상하악 전치부 크기 부조화를 고려해야 한다. ";

}  // namespace

void SignSideValues(FindingsRecord& r) {
    r.MolarRt = Signed(r.MolarRt, r.optMolarRtIdx);
    r.MolarLt = Signed(r.MolarLt, r.optMolarLtIdx);
    r.CrossRt = Signed(r.CrossRt, r.optCrossRtIdx);
    r.CrossLt = Signed(r.CrossLt, r.optCrossLtIdx);
}

bool OcclusalEntriesValid(const FindingsRecord& r) {
    const auto inside = [](double v, double limit) { return v > -limit && v < limit; };
    return inside(r.OB, 20) && inside(r.OJ, 30) && inside(r.MolarRt, 30) && inside(r.MolarLt, 30) &&
           inside(r.CrossRt, 20) && inside(r.CrossLt, 20);
}

void CorrectedIndices(FindingsRecord& r, const EvalScores& scores) {
    r.OBc = r.OB - 0.4 * (r.COS - 1);
    r.OJc = (r.OJ - 0.4 * (r.COS - 1)) + 0.4 * (r.ALDMx - r.ALDMn);
    r.OBv = r.OBc - 0.3 * scores.SkelVert;
    r.APIdx = (0.7 * r.OJc + 0.3 * ((r.MolarRt + r.MolarLt) + 4)) + 0.3 * scores.SkelAP;
}

Facts FactsOf(const FindingsRecord& r, const DiagnosisSources& s) {
    Facts f{};
    const auto set = [&f](Fact k, double v) { f[static_cast<std::size_t>(k)] = v; };
    set(OB, r.OB);
    set(OJ, r.OJ);
    set(OBv, r.OBv);
    set(OJc, r.OJc);
    set(APIdx, r.APIdx);
    set(SkelAP, s.scores.SkelAP);
    set(SkelVert, s.scores.SkelVert);
    set(MolarRt, r.MolarRt);
    set(MolarLt, r.MolarLt);
    set(CrossRt, r.CrossRt);
    set(CrossLt, r.CrossLt);
    set(dM, std::fabs(r.MolarRt - r.MolarLt));
    set(dC, std::fabs(r.CrossRt - r.CrossLt));
    set(J, r.JarabakVal);
    set(ALDMn, r.ALDMn);
    set(ALDSum, r.ALDMx + r.ALDMn);
    set(LipALD, r.ULc + r.LLc + r.ALDMx / 2 + r.ALDMn / 2);
    set(KimNet, KimEIValue(r.KimEI) - r.ALDMx / 2 - r.ALDMn);
    set(SOI, s.model.SOI);
    set(Severity, r.Severity);
    return f;
}

Step ApplyDiagnosisLadder(std::span<const Rung> ladder,
                          const AgeGroups& groups,
                          FindingsRecord& r,
                          const DiagnosisSources& s) {
    const Step step = Walk(ladder, GroupOf(groups, s.patient.Sex, s.patient.AgeYear), FactsOf(r, s));
    r.DxText += step.say.first;
    r.DxText += step.say.second;
    r.Severity = Apply(step.effect, r.Severity);
    return step;
}

void ClosingStep(FindingsRecord& r, const DiagnosisSources& s) {
    if (Holds(kIncisorSizes, FactsOf(r, s))) r.DxText += kIncisorSizeSentence;
}

std::optional<FindingsRecord> RunDiagnosis(FindingsRecord r, const FindingsEntries& e, const DiagnosisSources& s) {
    r.Severity = 0;
    const std::optional<double> read[] = {ReadFinding(e.ALDMx),
                                          ReadFinding(e.ALDMn),
                                          ReadFinding(e.COS),
                                          ReadFinding(e.OB),
                                          ReadFinding(e.OJ),
                                          ReadFinding(e.MolarRt),
                                          ReadFinding(e.MolarLt),
                                          ReadFinding(e.CrossRt),
                                          ReadFinding(e.CrossLt)};
    for (const std::optional<double>& value : read) {
        if (!value) return std::nullopt;
    }
    r.ALDMx = *read[0];
    r.ALDMn = *read[1];
    r.COS = *read[2];
    r.OB = *read[3];
    r.OJ = *read[4];
    r.MolarRt = *read[5];
    r.MolarLt = *read[6];
    r.CrossRt = *read[7];
    r.CrossLt = ToSingle(*read[8]);
    SignSideValues(r);

    r.ValidExt = ArchEntriesValid(r.ALDMx, r.ALDMn, r.COS);
    r.ValidDx = OcclusalEntriesValid(r);
    if (!r.ValidExt || !r.ValidDx) return std::nullopt;

    ComputeExtraction(r, s.ceph);
    TransverseStep(r, s);
    CorrectedIndices(r, s.scores);
    VerticalStep(r, s);
    SagittalStep(r, s);
    LipsAndJarabak(r, s);
    GrowthTimingStep(r, s);
    if (s.patient.AgeYear < kExtractionAge) return r;
    ExtractionStep(r, s);
    ClosingStep(r, s);
    return r;
}

}  // namespace vt
