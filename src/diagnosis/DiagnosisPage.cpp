#include "diagnosis/DiagnosisPage.h"

#include <array>
#include <string>

#include "diagnosis/ExtractionAnalysis.h"
#include "pages/PageFrame.h"
#include "pages/PrintWrapped.h"
#include "platform/NumberText.h"

namespace vt {

namespace {

constexpr std::size_t kVerdictShown = 15;

// Depths of the curve of Spee, tested from the top; a bound belongs to its
// own class.
struct CurveRung {
    double atMost;
    const char* word;
};
constexpr CurveRung kCurveClasses[] = {{1, "(Flat)"}, {2, "(Shallow)"}, {3, "(Mild)"}};
constexpr const char* kDeepCurve = "(Deep)";

constexpr std::array<const char*, 3> kClassWords{"Class I", "Class II", "Class III"};
constexpr std::array<const char*, 3> kCrossBiteWords{"Normal", "Cross-bite", "Scissors-bite"};

// Columns: the page title; each finding's label, its sub-label (upper and
// lower, right and left) and its value, with a side's millimetres further
// right; an analysis' formula and its verdict.
constexpr double kTitleX = 74;
constexpr double kLabelX = 30;
constexpr double kSubLabelX = 90;
constexpr double kValueX = 110;
constexpr double kSideMmX = 140;
constexpr double kFormulaX = 40;
constexpr double kVerdictX = 130;

// Lines, from the top. A finding of two lines has its label on the first.
constexpr double kTitleY = 33;
constexpr double kAldUpperY = 48;
constexpr double kAldLowerY = 53;
constexpr double kCurveOfSpeeY = 63;
constexpr double kOverbiteY = 73;
constexpr double kOverjetY = 78;
constexpr double kMolarRightY = 88;
constexpr double kMolarLeftY = 93;
constexpr double kCrossBiteRightY = 103;
constexpr double kCrossBiteLeftY = 108;
constexpr double kJarabakTitleY = 118;
constexpr double kJarabakFormulaY = 128;
constexpr double kJarabakVerdictY = 133;
constexpr double kKimTitleY = 143;
constexpr double kKimFormulaY = 153;
constexpr double kKimVerdictY = 158;
constexpr double kCommentsY = 168;

struct Caption {
    double x, y;
    const char* text;
};
constexpr Caption kCaptions[] = {
    {kTitleX, kTitleY, "Extraction Analysis & Diagnosis"},
    {kLabelX, kAldUpperY, "Arch Length Discrepancy"},
    {kSubLabelX, kAldUpperY, "상악:"},
    {kSubLabelX, kAldLowerY, "하악:"},
    {kLabelX, kCurveOfSpeeY, "Curve of Spee"},
    {kLabelX, kOverbiteY, "Incisor Relation"},
    {kSubLabelX, kOverbiteY, "Overbite:"},
    {kSubLabelX, kOverjetY, "Overjet:"},
    {kLabelX, kMolarRightY, "Molar Relation"},
    {kSubLabelX, kMolarRightY, "Right:"},
    {kSubLabelX, kMolarLeftY, "Left:"},
    {kLabelX, kCrossBiteRightY, "Molar Cross-bite"},
    {kSubLabelX, kCrossBiteRightY, "Right:"},
    {kSubLabelX, kCrossBiteLeftY, "Left:"},
    {kLabelX, kJarabakTitleY, "Jarabak Analysis:"},
    {kLabelX, kKimTitleY, "Kim's Analysis:"},
    {kLabelX, kCommentsY, "Comments:"},
};

const char* Word(const std::array<const char*, 3>& words, std::int16_t index) {
    return index >= 0 && index < 3 ? words[static_cast<std::size_t>(index)] : "";
}

std::string F(double v) { return FormatNumber(v, "#0.0"); }

// A side value prints only when its option is not the first and the value
// is not 0.
void PrintSide(ResultSurface& s, double y, const char* word, std::int16_t option, double value) {
    s.printAt(kValueX, y, word);
    if (option != 0 && value != 0) s.printAt(kSideMmX, y, F(value) + " mm");
}

}  // namespace

const char* CurveClass(double cos) {
    for (const CurveRung& rung : kCurveClasses) {
        if (cos <= rung.atMost) return rung.word;
    }
    return kDeepCurve;
}

const char* ClassWord(std::int16_t index) { return Word(kClassWords, index); }

const char* CrossBiteWord(std::int16_t index) { return Word(kCrossBiteWords, index); }

// The lines hold only ASCII (numbers, signs, blanks, brackets), so a
// character is a byte.
std::string_view FormulaPart(std::string_view line, std::size_t verdictLength) {
    const std::size_t dropped = verdictLength - 1;
    return line.substr(0, line.size() > dropped ? line.size() - dropped : 0);
}

std::string_view VerdictPart(std::string_view line) {
    return line.substr(line.size() > kVerdictShown ? line.size() - kVerdictShown : 0);
}

void Diagnosis(ResultSurface& s, const FindingsRecord& r, const PatientRecord& p) {
    PrintPageFrame(s, p, /*tableRules=*/true);
    for (const Caption& c : kCaptions) s.printAt(c.x, c.y, c.text);

    s.printAt(kValueX, kAldUpperY, F(r.ALDMx));
    s.printAt(kValueX, kAldLowerY, F(r.ALDMn));
    // The curve's value stands where the other rows have their sub-label.
    s.printAt(kSubLabelX, kCurveOfSpeeY, F(r.COS));
    s.printAt(kValueX, kCurveOfSpeeY, CurveClass(r.COS));
    s.printAt(kValueX, kOverbiteY, F(r.OB) + " (" + F(r.OBc) + ")");
    s.printAt(kValueX, kOverjetY, F(r.OJ) + " (" + F(r.OJc) + ")");

    PrintSide(s, kMolarRightY, ClassWord(r.optMolarRtIdx), r.optMolarRtIdx, r.MolarRt);
    PrintSide(s, kMolarLeftY, ClassWord(r.optMolarLtIdx), r.optMolarLtIdx, r.MolarLt);
    PrintSide(s, kCrossBiteRightY, CrossBiteWord(r.optCrossRtIdx), r.optCrossRtIdx, r.CrossRt);
    PrintSide(s, kCrossBiteLeftY, CrossBiteWord(r.optCrossLtIdx), r.optCrossLtIdx, r.CrossLt);

    s.printAt(kFormulaX, kJarabakFormulaY, FormulaPart(r.JarabakText, kJarabakVerdictLength));
    s.printAt(kVerdictX, kJarabakVerdictY, VerdictPart(r.JarabakText));
    s.printAt(kFormulaX, kKimFormulaY, FormulaPart(r.KimsText, kKimsVerdictLength));
    s.printAt(kVerdictX, kKimVerdictY, VerdictPart(r.KimsText));

    PrintWrapped(s, r.DxText, kCommentX, kDxCommentFirstY, kDxCommentPitch);
}

}  // namespace vt
