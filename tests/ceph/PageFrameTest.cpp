// The page frame: rules, header and footer in their order, places, fonts
// and colours, and the font state it leaves for the page.
#include "ceph/PageFrame.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace vt {
namespace {

// What the frame draws, ignoring how the position was set: lines, font
// changes and prints with the state they ran in.
struct FrameStep {
    SurfaceOp kind;
    double x = 0, y = 0, x2 = 0, y2 = 0;
    std::string text = {};
    double fontSize = 0;
    int color = 0;
    std::string fontName = {};
};

std::vector<FrameStep> Steps(const RecordingSurface& s) {
    std::vector<FrameStep> out;
    for (const RecordedOp& op : s.ops()) {
        if (op.kind == SurfaceOp::SetX || op.kind == SurfaceOp::SetY) continue;
        out.push_back({op.kind, op.x, op.y, op.x2, op.y2, op.text, op.fontSize, op.color,
                       op.fontName});
    }
    return out;
}

void ExpectSteps(const std::vector<FrameStep>& actual, const std::vector<FrameStep>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        const FrameStep& a = actual[i];
        const FrameStep& e = expected[i];
        EXPECT_EQ(a.kind, e.kind);
        EXPECT_EQ(a.text, e.text);
        if (e.kind == SurfaceOp::ColoredLine || e.kind == SurfaceOp::Print) {
            EXPECT_EQ(a.x, e.x);
            EXPECT_EQ(a.y, e.y);
            EXPECT_EQ(a.color, e.color);
        }
        if (e.kind == SurfaceOp::ColoredLine) {
            EXPECT_EQ(a.x2, e.x2);
            EXPECT_EQ(a.y2, e.y2);
        }
        if (e.kind == SurfaceOp::Print) {
            EXPECT_EQ(a.fontSize, e.fontSize);
            EXPECT_EQ(a.fontName, e.fontName);
        }
        if (e.kind == SurfaceOp::SetFontSize) {
            EXPECT_EQ(a.fontSize, e.fontSize);
        }
        if (e.kind == SurfaceOp::SetFontName) {
            EXPECT_EQ(a.fontName, e.fontName);
        }
        if (e.kind == SurfaceOp::SetForeColor) {
            EXPECT_EQ(a.color, e.color);
        }
    }
}

PatientRecord Patient(std::int16_t sex, double ageYear, std::int16_t ageMonth) {
    PatientRecord p;
    p.PatientName = "홍길동";
    p.ChartNo = "A-1024";
    p.Sex = sex;
    p.AgeYear = ageYear;
    p.AgeMonth = ageMonth;
    return p;
}

const char* const kFont = "돋움체";

std::vector<FrameStep> HeaderAndFooter(const std::string& sexText, const std::string& ageText) {
    using K = SurfaceOp;
    return {
        {K::SetFontName, 0, 0, 0, 0, "", 0, 0, kFont},
        {K::SetFontSize, 0, 0, 0, 0, "", 11},
        {K::SetForeColor, 0, 0, 0, 0, "", 0, 0},
        {K::Print, 30, 20, 0, 0, "이름: 홍길동", 11, 0, kFont},
        {K::Print, 70, 20, 0, 0, sexText, 11, 0, kFont},
        {K::Print, 100, 20, 0, 0, "나이: " + ageText, 11, 0, kFont},
        {K::Print, 140, 20, 0, 0, "Chart No.: A-1024", 11, 0, kFont},
        {K::SetFontSize, 0, 0, 0, 0, "", 8},
        {K::Print, 80, 276, 0, 0, "Veltrane by TN Vask", 8, 0, kFont},
        {K::SetFontSize, 0, 0, 0, 0, "", 11},
    };
}

TEST(PageFrame, TablePageDrawsThreeRulesThenHeaderThenFooter) {
    RecordingSurface s;
    s.setForeColor(12);  // whatever the page had before
    s.clear();
    PrintPageFrame(s, Patient(0, 12, 6), /*tableRules=*/true);

    using K = SurfaceOp;
    std::vector<FrameStep> expected = {
        {K::ColoredLine, 20, 30, 190, 30, "", 0, 9},
        {K::ColoredLine, 20, 40, 190, 40, "", 0, 9},
        {K::ColoredLine, 20, 275, 190, 275, "", 0, 9},
    };
    for (const FrameStep& step : HeaderAndFooter("성별: 남", "12Y 6M")) expected.push_back(step);
    ExpectSteps(Steps(s), expected);
}

TEST(PageFrame, TracingDrawingPagesHaveNoRuleAtY40) {
    RecordingSurface s;
    PrintPageFrame(s, Patient(1, 8.5, 0), /*tableRules=*/false);

    using K = SurfaceOp;
    std::vector<FrameStep> expected = {
        {K::ColoredLine, 20, 30, 190, 30, "", 0, 9},
        {K::ColoredLine, 20, 275, 190, 275, "", 0, 9},
    };
    for (const FrameStep& step : HeaderAndFooter("성별: 여", "8.5Y 0M")) expected.push_back(step);
    ExpectSteps(Steps(s), expected);
}

TEST(PageFrame, LeavesThePageFontSize11AndColour0) {
    for (bool tableRules : {true, false}) {
        RecordingSurface s;
        s.setFontName("돋움");
        s.setFontSize(20);
        s.setForeColor(12);
        PrintPageFrame(s, Patient(0, 12, 0), tableRules);
        EXPECT_EQ(s.fontName(), "돋움체");
        EXPECT_EQ(s.fontSize(), 11);
        EXPECT_EQ(s.foreColor(), 0);
    }
}

struct HeaderCase {
    std::int16_t sex;
    double ageYear;
    std::int16_t ageMonth;
    const char* sexText;
    const char* ageText;
};

TEST(PageFrame, HeaderSexAndAgeTexts) {
    const HeaderCase cases[] = {
        {0, 12, 0, "성별: 남", "나이: 12Y 0M"},
        {1, 12.5, 3, "성별: 여", "나이: 12.5Y 3M"},
        {1, 8.5, 0, "성별: 여", "나이: 8.5Y 0M"},
        {0, 0.5, 11, "성별: 남", "나이: 0.5Y 11M"},
        {0, 99.75, 1, "성별: 남", "나이: 99.75Y 1M"},
        {0, 0.000001, 0, "성별: 남", "나이: 0.000001Y 0M"},  // no exponent form
        {2, 14, 10, "성별: 여", "나이: 14Y 10M"},  // any Sex but 0 reads female
        {-1, 30, 0, "성별: 여", "나이: 30Y 0M"},
    };
    for (const HeaderCase& c : cases) {
        RecordingSurface s;
        PrintPageFrame(s, Patient(c.sex, c.ageYear, c.ageMonth), true);
        const auto header = s.textsAtY(20);
        ASSERT_EQ(header.size(), 4u);
        EXPECT_EQ(header[1].text, c.sexText) << "Sex " << c.sex;
        EXPECT_EQ(header[2].text, c.ageText) << "AgeYear " << c.ageYear;
    }
}

TEST(PageFrame, NameAndChartNumberPrintAsTyped) {
    RecordingSurface s;
    PatientRecord p = Patient(0, 10, 0);
    p.PatientName = "";
    p.ChartNo = " 007 ";
    PrintPageFrame(s, p, true);
    const auto header = s.textsAtY(20);
    ASSERT_EQ(header.size(), 4u);
    EXPECT_EQ(header[0].text, "이름: ");
    EXPECT_EQ(header[3].text, "Chart No.:  007 ");
}

}  // namespace
}  // namespace vt
