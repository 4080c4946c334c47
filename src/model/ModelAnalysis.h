#pragma once
// The incisor ratio and the whole model analysis: reading the typed widths,
// their range checks and the result lines. Pure functions over a working
// copy of the model record; the form shows the outcome.

#include <array>
#include <string>

#include "model/ModelRecord.h"

namespace vt {

// A width is accepted only strictly between its bounds.
struct WidthRange {
    double lower, upper;
    constexpr bool contains(double v) const { return v > lower && v < upper; }
};

// Tooth widths in the order of the form's boxes txtSize_0 .. txtSize_11:
// upper central incisor .. first molar, then the lower teeth likewise.
// The lower first molar may be wider than the upper one.
inline constexpr std::array<WidthRange, 12> kToothWidthRanges{{
    {2, 16},
    {1, 14},
    {2, 16},
    {2, 16},
    {2, 16},
    {3, 20},
    {1, 14},
    {1, 14},
    {2, 16},
    {2, 16},
    {2, 16},
    {3, 22},
}};
inline constexpr WidthRange kBasalArchRange{10, 80};

// The four incisor boxes that the incisor ratio reads.
inline constexpr std::array<int, 4> kIncisorBoxes{0, 1, 6, 7};

// Shown when a tooth width is refused, by both analysis buttons.
inline constexpr const char* kToothSizeMessage =
    "치아 크기가 정상적으로 입력되지 않았습니다. 확인하시고 [분석] 단추를 다시 눌러 주세요!";

// The texts typed on the model form.
struct ModelEntries {
    std::array<std::string, 12> size;  // txtSize_0 .. txtSize_11
    std::string UBAW, LBAW;            // txtUBAW, txtLBAW
};

struct ModelRun {
    ModelRecord record;  // the working copy after the run
    bool accepted = false;
};

// Width of box i (0..11) as the record holds it, and storing one.
double ToothWidth(const ModelRecord& m, int box);
void SetToothWidth(ModelRecord& m, int box, double value);

// Incisor ratio alone: stores the four incisor widths; when all four pass,
// SOI and SoiText, otherwise SoiText is emptied and SOI kept.
ModelRun RunIncisorRatio(ModelRecord working, const ModelEntries& entries);

// Whole analysis: stores all twelve widths; when all pass, SOI, the sums,
// the Bolton and Howes lines and the basal arch widths. A basal arch width
// that is empty or out of range is absent after the run. A refused run
// changes nothing but the widths.
ModelRun RunModelAnalysis(ModelRecord working, const ModelEntries& entries);

// The result lines, each beginning with a blank.
std::string SoiLine(double upperIncisors, double lowerIncisors, double soi);
std::string BoltonLine(double anteriorRatio, double overallRatio);
std::string HowesLine(double ubaw, double u12t, float howes);

}  // namespace vt
