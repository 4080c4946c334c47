#include "ceph/PageFrame.h"

#include "platform/NumberText.h"

namespace vt {

namespace {

void PrintAt(ResultSurface& s, double x, double y, std::string_view text) {
    s.setCurrent(x, y);
    s.print(text);
}

}  // namespace

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

    PrintAt(s, 30, 20, "이름: " + p.PatientName);
    PrintAt(s, 70, 20, p.Sex == 0 ? "성별: 남" : "성별: 여");
    PrintAt(s, 100, 20, "나이: " + AgeText(p.AgeYear, p.AgeMonth));
    PrintAt(s, 140, 20, "Chart No.: " + p.ChartNo);

    s.setFontSize(kFooterFontSize);
    PrintAt(s, 80, 276, "Veltrane by TN Vask");
    s.setFontSize(kPageFontSize);
}

}  // namespace vt
