// The diagnosis page on the recording surface: its word tables, the values
// at their places, the formula and verdict slices, and the comment.

#include <gtest/gtest.h>

#include "diagnosis/DiagnosisPage.h"
#include "platform/RecordingSurface.h"

namespace vt {
namespace {

TEST(DiagnosisPage, WordTables) {
    for (auto [cos, word] : {std::pair{1.0, "(Flat)"}, {-2.0, "(Flat)"}, {1.05, "(Shallow)"}, {2.0, "(Shallow)"},
                             {3.0, "(Mild)"}, {3.05, "(Deep)"}})
        EXPECT_STREQ(CurveClass(cos), word) << cos;
    const char* const classes[] = {"Class I", "Class II", "Class III", ""};
    const char* const crossBites[] = {"Normal", "Cross-bite", "Scissors-bite", ""};
    for (std::int16_t i = 0; i < 4; ++i) {
        EXPECT_STREQ(ClassWord(i), classes[i]);
        EXPECT_STREQ(CrossBiteWord(i), crossBites[i]);
    }
}

// A line shorter than its verdict prints what it has and never more.
TEST(DiagnosisPage, FormulaAndVerdictSlices) {
    const std::string x18(18, 'x'), x19(19, 'x'), x15(15, 'x');
    const struct { std::string line; std::size_t length; std::string formula, verdict; } rows[] = {
        {" 0.5          (non-ext)", 19, " 0.5 ", "      (non-ext)"},
        {" 151.5" + std::string(48, ' ') + "(border-line)", 61, " 151.5 ", "  (border-line)"},
        {"", 19, "", ""}, {"abc", 61, "", "abc"}, {x18, 19, "", x15}, {x19, 19, "x", x15},
    };
    for (const auto& row : rows)
        EXPECT_EQ((std::pair{FormulaPart(row.line, row.length), VerdictPart(row.line)}),
                  (std::pair<std::string_view, std::string_view>{row.formula, row.verdict})) << row.line;
}

TEST(DiagnosisPage, ValuesAtTheirPlaces) {
    FindingsRecord r;
    r.ALDMx = 2.25, r.ALDMn = -4, r.COS = 3, r.OB = 2, r.OBc = 1.2, r.OJ = 4, r.OJc = 2.8;
    r.optMolarRtIdx = 2, r.MolarRt = -3;  // Class III with 3 mm
    r.optMolarLtIdx = 1, r.MolarLt = 0;   // Class II with 0 mm: no value
    r.optCrossRtIdx = 2, r.CrossRt = -2;  // scissors-bite with 2 mm
    r.optCrossLtIdx = 0, r.CrossLt = 0;
    r.JarabakText = " -4.0/2 + 3.0/2 + (5.0-5) = -0.5          (non-ext)";
    r.KimsText = " 72.0 + 81.5 - (125-130.0)/5 - (1.0+2.0) = 151.5" + std::string(48, ' ') + "(border-line)";
    r.DxText = "하나 둘 셋 ";
    PatientRecord p;
    p.PatientName = "이서연", p.Sex = 1, p.AgeYear = 13;

    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(2.0));
    Diagnosis(s, r, p);
    const struct { double x, y; const char* text; } rows[] = {
        {74, 33, "Extraction Analysis & Diagnosis"}, {110, 48, "2.3"}, {110, 53, "-4.0"}, {90, 63, "3.0"},
        {110, 63, "(Mild)"}, {110, 73, "2.0 (1.2)"}, {110, 78, "4.0 (2.8)"}, {110, 88, "Class III"},
        {140, 88, "-3.0 mm"}, {110, 93, "Class II"}, {110, 103, "Scissors-bite"}, {140, 103, "-2.0 mm"},
        {110, 108, "Normal"}, {40, 128, " -4.0/2 + 3.0/2 + (5.0-5) = -0.5 "}, {130, 133, "      (non-ext)"},
        {40, 153, " 72.0 + 81.5 - (125-130.0)/5 - (1.0+2.0) = 151.5 "}, {130, 158, "  (border-line)"},
        {30, 168, "Comments:"}, {40, 178, "하나 둘 셋 "},
    };
    for (const auto& row : rows) {
        const auto printed = s.findText(row.text);
        ASSERT_TRUE(printed) << row.text;
        EXPECT_EQ(printed->x, row.x) << row.text;
        EXPECT_EQ(printed->y, row.y) << row.text;
        EXPECT_EQ(printed->fontName, "돋움체");
        EXPECT_EQ(printed->fontSize, 11);
    }
    for (double y : {93.0, 108.0}) {
        for (const PrintedText& t : s.textsAtY(y)) EXPECT_NE(t.x, 140) << y;
    }
}

// The comment breaks after the first blank past 120 mm, 5 mm apart from y 178.
TEST(DiagnosisPage, CommentLines) {
    FindingsRecord r;
    r.DxText = std::string(60, 'a') + " " + std::string(10, 'b') + " c ";
    RecordingSurface s;
    s.setWidthFunction(RecordingSurface::FixedWidth(2.0));
    Diagnosis(s, r, {});
    const auto second = s.findText(std::string(10, 'b') + " c ");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->y, 183);
    r.DxText.clear();
    RecordingSurface empty;
    Diagnosis(empty, r, {});
    ASSERT_FALSE(empty.textsAtY(178).empty());
    EXPECT_EQ(empty.textsAtY(178).back().text, "");
}

}  // namespace
}  // namespace vt
