#pragma once
// The steps of the diagnosis run after its checks, in the order the run
// takes them. Each works on the run's record; the ladders append to DxText
// (the transverse one replaces it) and move Severity.

#include <span>

#include "diagnosis/DiagnosisRun.h"
#include "diagnosis/DxRules.h"

namespace vt {

// Class I and normal become 0, Class III and scissors-bite negative.
void SignSideValues(FindingsRecord& r);

// OBc, OJc, OBv and APIdx.
void CorrectedIndices(FindingsRecord& r, const EvalScores& scores);

// What the ladders look at, from the record as it stands.
Facts FactsOf(const FindingsRecord& r, const DiagnosisSources& s);

// Walks one ladder for the patient's group, appends its pieces and moves
// Severity; the rung it took.
Step ApplyDiagnosisLadder(std::span<const Rung> ladder,
                          const AgeGroups& groups,
                          FindingsRecord& r,
                          const DiagnosisSources& s);

Step TransverseStep(FindingsRecord& r, const DiagnosisSources& s);
Step VerticalStep(FindingsRecord& r, const DiagnosisSources& s);
Step SagittalStep(FindingsRecord& r, const DiagnosisSources& s);
// ULc, LLc and the Jarabak value adjusted for sex and vertical pattern.
void LipsAndJarabak(FindingsRecord& r, const DiagnosisSources& s);
void GrowthTimingStep(FindingsRecord& r, const DiagnosisSources& s);

// The extraction entry: a branch by the skeletal sagittal pattern, a ladder
// by the space indices, a rung by the molar relations and corrected overjet.
enum class ExtBranch { None, SagittalMild, SkeletalII, SkeletalIII };
enum class SpaceLadder { Extraction, Borderline, NonExtraction };
struct ExtractionChoice {
    ExtBranch branch = ExtBranch::None;  // None while Severity is 2
    SpaceLadder ladder = SpaceLadder::NonExtraction;
    Step step;
};
ExtractionChoice ChooseExtraction(const FindingsRecord& r, const DiagnosisSources& s);
void ExtractionStep(FindingsRecord& r, const DiagnosisSources& s);
// The finishing sentence on incisor sizes.
void ClosingStep(FindingsRecord& r, const DiagnosisSources& s);

// Steps 13 and 14 are for patients of 10 years or more.
inline constexpr double kExtractionAge = 10;

}  // namespace vt
