#pragma once
// The model record: the tooth widths and basal arch widths typed on the
// model form, the analysis results, and the set-up choices. The model page
// and the diagnosis read it. Widths in millimetres.
//
// The first molars, the lower basal arch width and the Howes ratio are kept
// in single precision; every later sum and comparison uses the rounded value.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/SinglePrecision.h"

namespace vt {

struct ModelRecord {
    // Tooth widths, one side: central incisor .. first molar.
    double U1 = 0, U2 = 0, U3 = 0, U4 = 0, U5 = 0;
    float U6 = 0;
    double L1 = 0, L2 = 0, L3 = 0, L4 = 0, L5 = 0;
    float L6 = 0;

    // Basal arch widths: present only when the last accepted analysis read
    // them inside their range.
    std::optional<double> UBAW;
    std::optional<float> LBAW;

    // Sums of the last accepted analysis (both sides of the arch).
    std::optional<double> U6T, U12T, L6T, L12T;

    double SOI = 0;   // incisor ratio, 4 x lower incisors / upper incisors
    float Howes = 0;  // upper basal arch width in percent of U12T

    // Result lines as the form's labels show them; each begins with a blank
    // when it holds a result.
    std::string SoiText, BoltonText, HowesText;

    // Set-up choices.
    std::int16_t ArchForm = 1;   // 0 Narrow, 1 Normal, 2 Broad
    float Overjet = 2.5f;        // millimetres, 2.0 .. 4.0 in steps of 0.5
    std::int16_t ExtChoice = 0;  // extraction pattern of the fourth set-up
};

// The model record of the session's patient.
ModelRecord& Model();

}  // namespace vt
