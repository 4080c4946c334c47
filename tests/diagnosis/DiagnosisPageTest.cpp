// The diagnosis page on the recording surface: words, formula and verdict slices, places.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "diagnosis/DiagnosisPage.h"
#include "platform/RecordingSurface.h"

namespace vt {
namespace {

TEST(DiagnosisPage, WordTables) {
    for (auto [cos, word] : {std::pair{1.0, "(Flat)"},
                             {-2.0, "(Flat)"},
                             {1.05, "(Shallow)"},
                             {2.0, "(Shallow)"},
                             {3.0, "(Mild)"},
                             {3.05, "(Deep)"}})
        EXPECT_STREQ(CurveClass(cos), word) << cos;
    // No fourth option.
    EXPECT_STREQ(ClassWord(3), "") << "class word of option 3";
    EXPECT_STREQ(CrossBiteWord(-1), "") << "cross-bite word of option -1";
    const struct {
        std::int16_t index;
        const char *classWord, *crossBiteWord;
    } words[] = {{0, "Class I", "Normal"}, {1, "Class II", "Cross-bite"}, {2, "Class III", "Scissors-bite"}};
    for (const auto& row : words)
        EXPECT_EQ((std::pair<std::string, std::string>{ClassWord(row.index), CrossBiteWord(row.index)}),
                  (std::pair<std::string, std::string>{row.classWord, row.crossBiteWord}))
            << "option " << row.index;
}

// A line shorter than its verdict prints what it has and never more.
TEST(DiagnosisPage, FormulaAndVerdictSlices) {
    const std::string x18(18, 'x'), x19(19, 'x'), x15(15, 'x');
    const struct {
        std::string line;
        std::size_t length;
        std::string formula, verdict;
    } rows[] = {{" 0.5          (non-ext)", 19, " 0.5 ", "      (non-ext)"},
                {" 151.5" + std::string(48, ' ') + "(border-line)", 61, " 151.5 ", "  (border-line)"},
                {"", 19, "", ""},
                {"abc", 61, "", "abc"},
                {x18, 19, "", x15},
                {x19, 19, "x", x15}};
    for (const auto& row : rows)
        EXPECT_EQ((std::pair{FormulaPart(row.line, row.length), VerdictPart(row.line)}),
                  (std::pair<std::string_view, std::string_view>{row.formula, row.verdict}))
            << row.line;
}

TEST(DiagnosisPage, ValuesAtTheirPlaces) {
    FindingsRecord r;
    r.ALDMx = 2.25, r.ALDMn = -4, r.COS = 3, r.OB = 2, r.OBc = 1.2, r.OJ = 4, r.OJc = 2.8;
    r.optMolarRtIdx = 2, r.MolarRt = -3;  // Class III with 3 mm
    r.optMolarLtIdx = 1, r.MolarLt = 0;   // Class II with 0 mm: no value
    r.optCrossRtIdx = 0, r.CrossRt = 2;   // Normal: no value whatever was typed
    r.JarabakText = " -4.0/2 + 3.0/2 + (5.0-5) = -0.5          (non-ext)";
    r.KimsText = " 72.0 + 81.5 - (125-130.0)/5 - (1.0+2.0) = 151.5" + std::string(48, ' ') + "(border-line)";
    r.DxText = std::string(61, 'a') + " 하나 둘 셋 ";  // two lines of comment
    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(2.0));
    Diagnosis(s, r, {});
    const struct {
        double x, y;
        std::string text;
    } rows[] = {{110, 48, "2.3"},
                {110, 53, "-4.0"},
                {90, 63, "3.0"},
                {110, 63, "(Mild)"},
                {110, 73, "2.0 (1.2)"},
                {110, 78, "4.0 (2.8)"},
                {110, 88, "Class III"},
                {140, 88, "-3.0 mm"},
                {110, 93, "Class II"},
                {40, 128, " -4.0/2 + 3.0/2 + (5.0-5) = -0.5 "},
                {130, 133, "      (non-ext)"},
                {40, 153, " 72.0 + 81.5 - (125-130.0)/5 - (1.0+2.0) = 151.5 "},
                {130, 158, "  (border-line)"},
                {40, 178, std::string(61, 'a') + " "},
                {40, 183, "하나 둘 셋 "}};
    for (const auto& row : rows) {
        const auto printed = s.findText(row.text);
        EXPECT_TRUE(printed) << row.text << " not printed";
        if (!printed) continue;
        EXPECT_EQ(printed->x, row.x) << row.text;
        EXPECT_EQ(printed->y, row.y) << row.text;
    }
    EXPECT_EQ(s.findText("Class III")->fontName, "돋움체") << "font of Class III";
    EXPECT_EQ(s.findText("Class III")->fontSize, 11) << "font size of Class III";
    for (double y : {93.0, 103.0})
        for (const PrintedText& t : s.textsAtY(y)) EXPECT_NE(t.x, 140) << y;
}

// The texts printed on the line at y, from left to right, as "x:text" joined by "|".
std::string Line(const RecordingSurface& s, double y) {
    std::vector<PrintedText> texts = s.textsAtY(y);
    std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    std::string out;
    for (const PrintedText& t : texts)
        out.append(out.empty() ? "" : "|").append(std::to_string(int(t.x)) + ":" + t.text);
    return out;
}

// Every caption on its line and in its column, and each side's class or cross-bite word with its millimetres;
// Class I prints no millimetres. The comment is empty.
TEST(DiagnosisPage, CaptionsAndSideLines) {
    FindingsRecord r;
    r.optMolarRtIdx = 1, r.MolarRt = 1.5;
    r.optCrossRtIdx = 1, r.CrossRt = 2;
    r.optCrossLtIdx = 2, r.CrossLt = -3;
    RecordingSurface s;
    Diagnosis(s, r, {});
    const struct {
        const char* name;
        double y;
        std::string line;
    } rows[] = {
        {"title", 33, "74:Extraction Analysis & Diagnosis"},
        {"upper arch length", 48, "30:Arch Length Discrepancy|90:상악:|110:0.0"},
        {"lower arch length", 53, "90:하악:|110:0.0"},
        {"curve of Spee", 63, "30:Curve of Spee|90:0.0|110:(Flat)"},
        {"overbite", 73, "30:Incisor Relation|90:Overbite:|110:0.0 (0.0)"},
        {"overjet", 78, "90:Overjet:|110:0.0 (0.0)"},
        {"right molar, Class II", 88, "30:Molar Relation|90:Right:|110:Class II|140:1.5 mm"},
        {"left molar, Class I", 93, "90:Left:|110:Class I"},
        {"right cross-bite", 103, "30:Molar Cross-bite|90:Right:|110:Cross-bite|140:2.0 mm"},
        {"left scissors-bite", 108, "90:Left:|110:Scissors-bite|140:-3.0 mm"},
        {"Jarabak's caption", 118, "30:Jarabak Analysis:"},
        {"Kim's caption", 143, "30:Kim's Analysis:"},
        {"comments caption", 168, "30:Comments:"},
        {"an empty comment's one line", 178, "40:"},
    };
    for (const auto& row : rows) EXPECT_EQ(Line(s, row.y), row.line) << row.name;
}

}  // namespace
}  // namespace vt
