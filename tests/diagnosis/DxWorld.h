#pragma once
// What a diagnosis run reads of the other analyses, held in one place for
// the tests, and small helpers to look into a comment.

#include <string>
#include <string_view>

#include "diagnosis/DiagnosisSections.h"

namespace vt::testing {

struct DxWorld {
    CephRecord ceph;
    EvalScores scores;
    ModelRecord model;
    PatientRecord patient;

    DxWorld(std::int16_t sex = 0, double age = 20, int skelVert = 0, int skelAP = 0) {
        patient.Sex = sex;
        patient.AgeYear = age;
        scores.SkelVert = skelVert;
        scores.SkelAP = skelAP;
    }
    DiagnosisSources sources() const { return {ceph, scores, model, patient}; }
};

inline bool Has(std::string_view text, std::string_view piece) { return text.find(piece) != std::string_view::npos; }

// Every piece ends in exactly one blank: no doubled blank, one at the end.
inline bool WellJoined(std::string_view text) {
    return !text.empty() && text.back() == ' ' && !Has(text, "  ");
}

}  // namespace vt::testing
