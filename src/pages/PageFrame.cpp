#include "pages/PageFrame.h"

#include "platform/NumberText.h"

namespace vt {

std::string AgeText(double ageYear, std::int16_t ageMonth) {
    return NumberToText(ageYear) + "Y " + NumberToText(ageMonth) + "M";
}

void PrintPageFrame(ResultSurface& s, const PatientRecord& p, bool tableRules) {
    s.line(20, 30, 190, 30, kRuleColor);
    if (tableRules) s.line(20, 40, 190, 40, kRuleColor);
    s.line(20, 275, 190, 275, kRuleColor);

    s.setFontName(kPageFontName);
    s.setFontSize(kPageFontSize);
    s.setForeColor(kTextColor);

    s.printAt(30, 20, "이름: " + p.PatientName);
    s.printAt(70, 20, p.Sex == 0 ? "성별: 남" : "성별: 여");
    s.printAt(100, 20, "나이: " + AgeText(p.AgeYear, p.AgeMonth));
    s.printAt(140, 20, "Chart No.: " + p.ChartNo);

    s.setFontSize(kFooterFontSize);
    s.printAt(80, 276, "Veltrane by TN Vask");
    s.setFontSize(kPageFontSize);
}

}  // namespace vt
