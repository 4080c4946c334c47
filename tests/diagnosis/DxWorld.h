#pragma once
// What a diagnosis run reads of the other analyses, in one place for tests.

#include <string_view>

#include "diagnosis/DiagnosisSections.h"

namespace vt::testing {

struct DxWorld {
    CephRecord ceph;
    EvalScores scores;
    ModelRecord model;
    PatientRecord patient;
    DxWorld(std::int16_t sex = 0, double age = 20, int skelVert = 0, int skelAP = 0) {
        patient.Sex = sex, patient.AgeYear = age, scores.SkelVert = skelVert, scores.SkelAP = skelAP;
    }
    DiagnosisSources sources() const { return {ceph, scores, model, patient}; }
};

inline bool Has(std::string_view text, std::string_view piece) { return text.find(piece) != std::string_view::npos; }
// Every piece ends in exactly one blank: none doubled, one at the end.
inline bool WellJoined(std::string_view text) { return text.ends_with(' ') && !Has(text, "  "); }

}  // namespace vt::testing
