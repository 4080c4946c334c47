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

struct Caption {
    double x, y;
    const char* text;
};
constexpr Caption kCaptions[] = {
    {74, 33, "Extraction Analysis & Diagnosis"},
    {30, 48, "Arch Length Discrepancy"},
    {90, 48, "상악:"},
    {90, 53, "하악:"},
    {30, 63, "Curve of Spee"},
    {30, 73, "Incisor Relation"},
    {90, 73, "Overbite:"},
    {90, 78, "Overjet:"},
    {30, 88, "Molar Relation"},
    {90, 88, "Right:"},
    {90, 93, "Left:"},
    {30, 103, "Molar Cross-bite"},
    {90, 103, "Right:"},
    {90, 108, "Left:"},
    {30, 118, "Jarabak Analysis:"},
    {30, 143, "Kim's Analysis:"},
    {30, 168, "Comments:"},
};

const char* Word(const std::array<const char*, 3>& words, std::int16_t index) {
    return index >= 0 && index < 3 ? words[static_cast<std::size_t>(index)] : "";
}

std::string F(double v) { return FormatNumber(v, "#0.0"); }

// A side value prints only when its option is not the first and the value
// is not 0.
void PrintSide(ResultSurface& s, double y, const char* word, std::int16_t option, double value) {
    s.printAt(110, y, word);
    if (option != 0 && value != 0) s.printAt(140, y, F(value) + " mm");
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

    s.printAt(110, 48, F(r.ALDMx));
    s.printAt(110, 53, F(r.ALDMn));
    // The curve's value stands where the other rows have their sub-label.
    s.printAt(90, 63, F(r.COS));
    s.printAt(110, 63, CurveClass(r.COS));
    s.printAt(110, 73, F(r.OB) + " (" + F(r.OBc) + ")");
    s.printAt(110, 78, F(r.OJ) + " (" + F(r.OJc) + ")");

    PrintSide(s, 88, ClassWord(r.optMolarRtIdx), r.optMolarRtIdx, r.MolarRt);
    PrintSide(s, 93, ClassWord(r.optMolarLtIdx), r.optMolarLtIdx, r.MolarLt);
    PrintSide(s, 103, CrossBiteWord(r.optCrossRtIdx), r.optCrossRtIdx, r.CrossRt);
    PrintSide(s, 108, CrossBiteWord(r.optCrossLtIdx), r.optCrossLtIdx, r.CrossLt);

    s.printAt(40, 128, FormulaPart(r.JarabakText, kJarabakVerdictLength));
    s.printAt(130, 133, VerdictPart(r.JarabakText));
    s.printAt(40, 153, FormulaPart(r.KimsText, kKimsVerdictLength));
    s.printAt(130, 158, VerdictPart(r.KimsText));

    PrintWrapped(s, r.DxText, kCommentX, kDxCommentFirstY, kDxCommentPitch);
}

}  // namespace vt
