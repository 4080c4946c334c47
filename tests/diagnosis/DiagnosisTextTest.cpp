// Every sentence of the diagnosis comment, read once through a whole diagnosis run: for each ladder one row per
// rung, with findings that reach the rung and the exact text it adds, as the clinic wrote it.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "DxWorld.h"

namespace vt {
namespace {

using testing::DxWorld;

// The sentences that the other ladders add when nothing is found.
const std::string kNoAsymmetry = "상하악 교합 관계에서 비대칭이나 횡적 부조화는 없거나 미미하다. ";
const std::string kNoVerticalProblem = "전치부 open bite이나 deep bite에 대한 문제는 없거나 미미하다. ";
const std::string kSagittalNormal = "상하악의 전후방 골격과 치열 관계는 정상적이다. ";
const std::string kWithoutSurgery = "수술하지 않고 치료할 경우, ";

// What one run reads: the patient, the skeletal scores, and the findings in the clinic's terms. Side values are
// signed (positive Class II or cross-bite, negative Class III or scissors-bite) and typed unsigned with their
// option. The arch lengths are 0 and the curve of Spee is 1 mm, so that the corrected overbite and overjet are the
// overbite and overjet as typed. J is the Jarabak value after its adjustment for sex and vertical pattern; the lower
// incisor position is chosen to give it. The lips are at 0 and Kim's index at 200.
struct Inputs {
    std::int16_t sex = 0;
    double age = 30;
    int skelVert = 0, skelAP = 0;
    double OB = 2, OJ = 2;
    double molarRt = 0, molarLt = 0, crossRt = 0, crossLt = 0;
    double J = 0.5;
};

std::string Typed(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", std::fabs(v));
    return text;
}
std::string TypedSigned(double v) {
    std::string text = v < 0 ? "-" : "";
    return text += Typed(v);
}
std::int16_t OptionOf(double side) { return side > 0 ? 1 : side < 0 ? 2 : 0; }

// The comment of the run, or why there is none.
std::string Comment(const Inputs& in, int* severity = nullptr) {
    DxWorld world(in.sex, in.age, in.skelVert, in.skelAP);
    world.ceph.LIFP = in.J + 4.5 - in.sex / 2.0 - in.skelVert / 4.0;
    world.ceph.UL = 0, world.ceph.LL = 0, world.ceph.ODI = 200, world.ceph.APDI = 0, world.ceph.IIA = 125;
    FindingsRecord options;
    options.Severity = 2;  // a previous run's: every run starts again from 0
    options.optMolarRtIdx = OptionOf(in.molarRt), options.optMolarLtIdx = OptionOf(in.molarLt);
    options.optCrossRtIdx = OptionOf(in.crossRt), options.optCrossLtIdx = OptionOf(in.crossLt);
    const FindingsEntries typed{"0",
                                "0",
                                "1",
                                TypedSigned(in.OB),
                                TypedSigned(in.OJ),
                                Typed(in.molarRt),
                                Typed(in.molarLt),
                                Typed(in.crossRt),
                                Typed(in.crossLt)};
    const auto run = RunDiagnosis(options, typed, world.sources());
    if (!run) return "<refused>";
    if (severity) *severity = run->Severity;
    return run->DxText;
}

// The comment between the end of `after` and the start of `before` (an empty marker: the comment's start or end);
// the comment whole, marked, when a marker is missing.
std::string Between(const std::string& dx, const std::string& after, const std::string& before) {
    const std::size_t from = after.empty() ? 0 : dx.find(after);
    if (from == std::string::npos) return "<no \"" + after + "\"> " + dx;
    const std::size_t start = from + after.size();
    const std::size_t to = before.empty() ? dx.size() : dx.find(before, start);
    if (to == std::string::npos) return "<no \"" + before + "\"> " + dx;
    return dx.substr(start, to - start);
}

struct Row {
    const char* name;
    Inputs in;
    std::string says;
    int severity = 0;
};

// The transverse sentence opens the comment; the vertical one follows.
TEST(DiagnosisText, Transverse) {
    const std::string severe =
        "상하악 교합 관계에서 심한 비대칭이 존재하므로 이에 대한 전문적인 진단 후 치료를 결정하고 ";
    const Row rows[] = {
        {"1 child: molar difference 6",
         {.age = 10.9, .molarRt = 6},
         "상하악 교합 관계에서 심한 비대칭이 존재하므로 이에 대한 전문적인 진단 후 치료를 결정한다. ",
         1},
        {"1 growing girl: left cross-bite 4",
         {.sex = 1, .age = 15.9, .crossLt = 4},
         severe + "경우에 따라 성장 후 악교정수술이 필요할 수도 있다. ",
         2},
        {"1 grown man: scissors-bite difference 4",
         {.age = 18, .crossLt = -4},
         severe + "경우에 따라 악교정수술이 필요할 수도 있다. ",
         2},
        {"2: molar difference 4",
         {.molarRt = 4},
         "상하악 교합 관계에서 비대칭이 존재하므로 이에 대한 전문적인 진단 후 치료를 결정한다. ",
         1},
        {"3: right cross-bite 3, left 2",
         {.crossRt = 3, .crossLt = 2},
         "하악 치열궁에 비하여 상악 치열궁이 좁으므로 상악 확대가 필요할 수 있다. "},
        {"4: right cross-bite 1, left 2",
         {.crossRt = 1, .crossLt = 2},
         "하악 치열궁에 비하여 상악 치열궁이 약간 좁으므로 상악 확대가 필요할 수도 있다. "},
        {"5: right scissors-bite 2, left 3",
         {.crossRt = -2, .crossLt = -3},
         "상악 치열궁이 넓거나 하악 치열궁이 좁으므로 이에 대한 고려가 필요하다. "},
        {"6: right scissors-bite 2, left 1",
         {.crossRt = -2, .crossLt = -1},
         "상악 치열궁이 약간 넓거나 하악 치열궁이 약간 좁으므로 이에 대한 고려가 필요하다. "},
        {"7: molar difference 2",
         {.molarRt = 2},
         "상하악 교합 관계에서 비대칭이 약간 존재하므로 이에 대한 고려가 필요하다. "},
        {"8: nothing found", {}, kNoAsymmetry},
    };
    for (const Row& row : rows) {
        int severity = -1;
        const std::string dx = Comment(row.in, &severity);
        EXPECT_EQ(Between(dx, "", kNoVerticalProblem), row.says) << row.name;
        EXPECT_EQ(severity, row.severity) << row.name;
    }
}

// Each open-bite test holds on the overbite alone here (the vertical index equals it without a skeletal score).
TEST(DiagnosisText, Vertical) {
    const std::string large = "전치부 open bite 양이 크므로 이에 대한 전문적인 진단과 치료가 필요하다. ";
    const Row rows[] = {
        {"1 growing boy: open bite 6",
         {.age = 14, .OB = -6},
         "전치부 open bite 양이 매우 크므로 성장 후 악교정 수술을 고려한 전문적인 진단이 필요하다. ",
         2},
        {"1 grown girl: open bite 6",
         {.sex = 1, .age = 16, .OB = -6},
         "전치부 open bite 양이 매우 크므로 악교정 수술을 고려한 전문적인 진단이 필요하다. ",
         2},
        {"2 child: open bite 6", {.age = 10.9, .OB = -6}, large, 1},
        {"2 early adolescent girl of 13: open bite 4", {.sex = 1, .age = 13, .OB = -4}, large, 2},
        {"2 growing boy: open bite 4",
         {.age = 17.9, .OB = -4},
         "전치부 open bite 양이 크므로 전문적인 진단이 필요하며 경우에 따라 성장 후 악교정수술이 필요할 수 있다. ",
         2},
        {"2 grown man: open bite 5",
         {.age = 18, .OB = -5},
         "전치부 open bite 양이 크므로 전문적인 진단이 필요하며 경우에 따라 악교정수술이 필요할 수 있다. ",
         2},
        {"3 child: open bite 2",
         {.sex = 1, .age = 9, .OB = -2},
         "전치부 open bite이 있으므로 이를 개선하기 위한 치료가 필요하다. ",
         1},
        {"3 grown: open bite 3",
         {.OB = -3},
         "전치부 open bite이 있으므로 구치부 intrusion 등 이를 개선하기 위한 치료가 필요하다. ",
         1},
        {"4: edge to edge", {.OB = 0}, "전치부 open bite 경향이 있으므로 이를 고려한 치료가 필요하다. "},
        {"5 child: overbite 6",
         {.age = 10, .OB = 6},
         "전치부 deep bite이 있으므로 이를 개선하기 위한 치료가 필요하다. "},
        {"5 early adolescent: overbite 7",
         {.age = 11, .OB = 7},
         "전치부 deep bite이 있으므로 전치부 intrusion 등 이를 개선하기 위한 치료가 필요하다. "},
        {"6: overbite 4", {.OB = 4}, "전치부 deep bite 경향이 있으므로 이를 고려한 치료가 필요하다. "},
        {"7: SkelVert 4, vertical index 1.8",
         {.skelVert = 4, .OB = 3},
         "골격적으로 open bite 경향이 있으므로 이에 대한 고려가 필요하다. "},
        {"8: SkelVert -4, vertical index 3.2",
         {.skelVert = -4, .OB = 2},
         "골격적으로 deep bite 경향이 있으므로 이에 대한 고려가 필요하다. "},
        {"9: overbite 2", {}, kNoVerticalProblem},
    };
    for (const Row& row : rows) {
        int severity = -1;
        const std::string dx = Comment(row.in, &severity);
        EXPECT_EQ(Between(dx, kNoAsymmetry, kSagittalNormal), row.says) << row.name;
        EXPECT_EQ(severity, row.severity) << row.name;
    }
}

// The sagittal ladder by age group. With the curve of Spee at 1 mm the sagittal index is 0.7 x OJ + 0.3 x (the
// molar relations + 4) + 0.3 x SkelAP; both molar relations are alike, so nothing is asymmetric.
TEST(DiagnosisText, Sagittal) {
    const std::string veryIII = "상하악은 전후방적으로 매우 심한 3급 부조화가 있으므로 ";
    const std::string severeIII = "상하악은 전후방적으로 심한 3급 부조화가 있으므로 ";
    const std::string classIII = "상하악은 전후방적으로 3급 부조화가 있으므로 ";
    const std::string tendIIIcross = "상하악 3급 부조화 경향과 전치부 반대교합을 개선하기 위하여 ";
    const std::string cross = "상하악 전치부 반대교합이 있으므로 ";
    const std::string tendIII = "상하악은 전후방적으로 3급 부조화 경향이 있으므로 ";
    const std::string slightIII = "상하악은 전후방적으로 약간의 3급 부조화 경향을 보이고 있다. ";
    const std::string severeII = "상하악은 전후방적으로 심한 2급 부조화가 있으므로 ";
    const std::string classII = "상하악은 전후방적으로 2급 부조화가 있으므로 ";
    const std::string tendIIover = "상하악 2급 부조화 경향과 전치부 과잉피개를 개선하기 위하여 ";
    const std::string tendII = "상하악은 전후방적으로 2급 부조화 경향이 있으므로 ";
    const std::string promote = "상악의 성장을 촉진하고 하악의 성장을 억제하기 위한 악정형 치료가 필요할 수 있다. ";
    const std::string promoteF =
        "상악의 성장을 촉진하고 하악의 성장을 억제하기 위한 악정형, 악기능 치료가 필요할 수 있다. ";
    const std::string restrain =
        "상악의 성장을 억제하고 하악의 성장을 촉진하기 위한 악정형, 악기능 치료가 필요할 수 있다. ";
    const std::string consider = "경우에 따라서 악정형, 악기능 치료를 고려할 수 있다. ";
    const std::string ifOrtho = "성장이 많이 남아 있을 경우 악정형 치료가 필요할 수 있다. ";
    const std::string ifNeeded = "성장이 많이 남아 있을 경우 악정형, 악기능 치료가 필요할 수 있다. ";
    const std::string ifConsider = "성장이 많이 남아 있을 경우 악정형, 악기능 치료를 고려할 수 있다. ";
    const std::string fixedIt = "고정식 교정치료시 이를 고려해야 한다. ";
    const std::string surgeryAfterGrowth = "경우에 따라 성장 후 악교정수술이 필요할 수 있다. ";
    const std::string surgery = "경우에 따라 악교정수술이 필요할 수 있다. ";
    const Inputs child{.age = 8}, early{.age = 12}, growing{.age = 15}, grown{.sex = 1, .age = 16};
    const auto with = [](Inputs in, int skelAP, double OJ, double molars = 0, double OB = 2) {
        in.skelAP = skelAP, in.OJ = OJ, in.molarRt = in.molarLt = molars, in.OB = OB;
        return in;
    };
    const Row rows[] = {
        {"child 1", with(child, -8, -3), veryIII + "악정형 치료를 시도해 볼 수 있으나 개선이 어려울 수 있다. ", 1},
        {"child 2", with(child, -8, 2), severeIII + promote, 1},
        {"child 3", with(child, -5, 2), classIII + promote, 1},
        {"child 4", with(child, -3, -1), tendIIIcross + promoteF, 1},
        {"child 5", with(child, -2, -1), cross + consider, 1},
        {"child 6", with(child, -2, 0.5), tendIII + consider, 1},
        {"child 7", with(child, -2, 2), slightIII},
        {"child 8", with(child, 8, 2), severeII + restrain, 1},
        {"child 10", with(child, 6, 2), classII + restrain, 1},
        {"child 11", with(child, 3, 6), tendIIover + restrain, 1},
        {"child 12", with(child, 2, 5), tendII + consider, 1},
        {"child 13", with(child, 2, 2), "상하악 전후방 성장은 약간의 2급 부조화 경향을 보이고 있다. "},
        {"child 14", with(child, 0, -1), "전치부 반대교합을 개선하기 위한 장치가 필요할 수도 있다. "},
        {"child 15", with(child, 0, 0, -1), "상하악 전치부는 약간의 반대교합 경향을 보이고 있다. "},
        {"child 16", with(child, 0, 6), "전치부 과잉피개를 개선하기 위한 장치가 필요할 수도 있다. "},
        {"child 17", with(child, 0, 5), "상하악 전치부는 약간의 과잉피개 경향을 보이고 있다. "},
        {"child 18", with(child, 0, 2), kSagittalNormal},
        {"early 1",
         with(early, -8, -3),
         veryIII + "성장이 많이 남아 있을 경우 악정형 치료를 시도해 볼 수 있으나 개선이 어려울 수 있다. ",
         2},
        {"early 2", with(early, -8, 2), severeIII + ifOrtho, 1},
        {"early 3", with(early, -5, 2), classIII + ifOrtho, 1},
        {"early 4", with(early, -3, -1), tendIIIcross + ifNeeded, 1},
        {"early 5", with(early, -2, -1), cross + ifConsider, 1},
        {"early 6", with(early, -2, 0.5), tendIII + ifConsider},
        {"early 7", with(early, -2, 2), slightIII},
        {"early 8", with(early, 8, 2), severeII + ifNeeded, 1},
        {"early 10", with(early, 6, 2), classII + ifNeeded, 1},
        {"early 11", with(early, 3, 6), tendIIover + ifNeeded, 1},
        {"early 12", with(early, 2, 5), tendII + ifConsider},
        {"early 13", with(early, 2, 2), "상하악 전후방 성장은 약간의 2급 부조화 경향을 보이고 있다. "},
        {"early 14", with(early, 0, -1), "전치부 반대교합을 개선하기 위한 장치가 필요할 수도 있다. "},
        {"early 15", with(early, 0, 0, -1), "상하악 전치부는 약간의 반대교합 경향을 보이고 있다. "},
        {"early 16", with(early, 0, 6), "전치부 과잉피개를 개선하기 위한 장치가 필요할 수도 있다. "},
        {"early 17", with(early, 0, 5), "상하악 전치부는 약간의 과잉피개 경향을 보이고 있다. "},
        {"growing 1", with(growing, -8, -3), veryIII + "성장 후 악교정수술을 고려한 전문적인 진단이 필요하다. ", 2},
        {"grown 1", with(grown, -8, -3), veryIII + "악교정수술을 고려한 전문적인 진단이 필요하다. ", 2},
        {"growing 2", with(growing, -8, 2), severeIII + surgeryAfterGrowth, 1},
        {"grown 2", with(grown, -8, 2), severeIII + surgery, 1},
        {"growing 3", with(growing, -5, 2), classIII + fixedIt, 1},
        {"grown 4", with(grown, -3, -1), "고정식 교정치료시 3급 부조화 경향과 전치부 반대교합을 고려해야 한다. "},
        {"growing 5", with(growing, -2, -1), "고정식 교정치료시 전치부 반대교합을 고려해야 한다. "},
        // The older groups' rung 6 looks at the overbite: the overjet of 2 does not stop it.
        {"grown 6", with(grown, -2, 2, -2, 0.5), "고정식 교정치료시 3급 부조화 경향을 고려해야 한다. "},
        {"growing 7", with(growing, -2, 2), "고정식 교정치료시 약간의 3급 부조화 경향을 고려해야 한다. "},
        {"growing 8", with(growing, 8, 2), severeII + surgeryAfterGrowth, 1},
        {"grown 8", with(grown, 8, 2), severeII + surgery, 1},
        {"grown 9", with(grown, 6, 2), classII + fixedIt, 1},
        {"growing 10", with(growing, 5, 2), classII + fixedIt},
        {"grown 11", with(grown, 3, 6), "고정식 교정치료시 2급 부조화 경향과 전치부 과잉피개를 고려해야 한다. "},
        {"growing 12", with(growing, 2, 5), "고정식 교정치료시 2급 부조화 경향을 고려해야 한다. "},
        // "경향를" is the clinic's own wording.
        {"grown 13", with(grown, 2, 2), "고정식 교정치료시 약간의 2급 부조화 경향를 고려해야 한다. "},
        {"growing 14", with(growing, 0, -1), "고정식 교정치료시 전치부 반대교합을 고려해야 한다. "},
        {"grown 15", with(grown, 0, 0, -1), "고정식 교정치료시 약간의 전치부 반대교합 경향을 고려해야 한다. "},
        {"growing 16", with(growing, 0, 6), "고정식 교정치료시 전치부 과잉피개를 고려해야 한다. "},
        {"grown 17", with(grown, 0, 5), "고정식 교정치료시 약간의 전치부 과잉피개 경향을 고려해야 한다. "},
        {"growing 18", with(growing, 0, 2), kSagittalNormal},
    };
    const std::string before = kNoAsymmetry + kNoVerticalProblem;
    for (const Row& row : rows) {
        int severity = -1;
        const std::string dx = Comment(row.in, &severity);
        EXPECT_EQ(Between(dx, "", before), "") << row.name;
        EXPECT_EQ(dx.substr(std::min(before.size(), dx.size()), row.says.size()), row.says) << row.name;
        EXPECT_EQ(severity, row.severity) << row.name;
    }
}

// What follows the sagittal sentence: the growth timing by age group and Severity (1 from an asymmetric
// cross-bite, 2 from a severe one), then the extraction entry of a neutral occlusion with no space problem.
TEST(DiagnosisText, GrowthTiming) {
    const std::string noExtraction = "소구치 발치 없이 치료하는 방법이 추천된다. ";
    const std::string afterPeak = "최대 성장기가 지난 다음 고정식 교정치료를 결정한다. ";
    const std::string afterJawGrowth =
        "수술이 필요한 경우, 악골 성장이 완료된 후 악교정수술과 교정치료 방법을 결정한다. ";
    const std::string planSurgery =
        "수술이 필요한 경우, 악교정수술과 교정치료 방법을 결정하고 고정식 교정치료를 시행한다. ";
    const Row rows[] = {
        {"boy of 9.9, Severity 0", {.age = 9.9}, "영구치 맹출 후에 고정식 교정치료를 시행한다. "},
        {"boy of 9.9, Severity 1", {.age = 9.9, .crossRt = 3}, "좀 더 성장을 지켜보고 고정식 교정치료를 시행한다. ", 1},
        {"boy of 10, Severity 0", {.age = 10}, noExtraction},
        {"boy of 10, Severity 1", {.age = 10, .crossRt = 3}, afterPeak + "성장 결과가 양호할 경우, " + noExtraction, 1},
        {"girl of 12.9, Severity 1",
         {.sex = 1, .age = 12.9, .crossRt = 3},
         afterPeak + "성장 결과가 양호할 경우, " + noExtraction,
         1},
        {"boy of 13.9, Severity 2",
         {.age = 13.9, .crossRt = 4},
         afterPeak + "성장 결과가 양호하지 않을 경우 성장 후 수술 가능성에 대해 이야기한다. ",
         2},
        {"girl of 13, Severity 0", {.sex = 1, .age = 13}, noExtraction},
        {"girl of 13, Severity 1",
         {.sex = 1, .age = 13, .crossRt = 3},
         afterJawGrowth + kWithoutSurgery + noExtraction,
         1},
        {"boy of 17.9, Severity 2", {.age = 17.9, .crossRt = 4}, afterJawGrowth, 2},
        {"boy of 18, Severity 0", {.age = 18}, noExtraction},
        {"boy of 18, Severity 1", {.age = 18, .crossRt = 3}, planSurgery + kWithoutSurgery + noExtraction, 1},
        {"girl of 16, Severity 2", {.sex = 1, .age = 16, .crossRt = 4}, planSurgery, 2},
    };
    for (const Row& row : rows) {
        int severity = -1;
        const std::string dx = Comment(row.in, &severity);
        EXPECT_EQ(Between(dx, kSagittalNormal, ""), row.says) << row.name;
        EXPECT_EQ(severity, row.severity) << row.name;
    }
}

// The extraction and anchorage entry of each rung of the three ladders of each branch. A man of 30 with an
// asymmetric cross-bite (Severity 1), so that the entry completes "수술하지 않고 치료할 경우, ". Both molar
// relations are alike, and the corrected overjet is the overjet. SkelAP 0 takes the
// mild branch, 8 the skeletal Class II and -8 the skeletal Class III one; J 7 (11 for maximum anchorage in both
// arches, 9 where a rung asks for it) gives the extraction ladder, 5 the borderline and 0.5 (2 for distalizing)
// the non-extraction ladder.
TEST(DiagnosisText, ExtractionAndAnchorage) {
    const std::string severeArches = "상하악 치열궁의 부조화가 매우 심하므로 이에 대한 전문적인 진단이 필요하다. ";
    const std::string upperOnlyOr = "상악 소구치만 발치하거나 ";
    const std::string upperMax = "상하악 소구치 발치 후 상악 구치부를 maximum anchorage로 치료하는 방법이 추천된다. ";
    const std::string lowerLoss = "상하악 소구치 발치 후 하악 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
    const std::string upperMaxOr = "상하악 소구치 발치 후 상악 구치부를 maximum anchorage로, 또는 ";
    const std::string thenLowerLoss = "하악 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
    const std::string distalOrUpperOnlyOr = "상악 대구치를 원심 이동하거나 상악 소구치만 발치하거나 ";
    const std::string lowerMax = "상하악 소구치 발치 후 하악 구치부를 maximum anchorage로 치료하는 방법이 추천된다. ";
    const std::string upperLossOr = "상하악 소구치 발치 후 상악 구치부를 anchor loss로, 또는 ";
    const std::string thenLowerMax = "하악 구치부를 maximum anchorage로 치료하는 방법이 추천된다. ";
    const std::string bothMax =
        "상하악 소구치 발치 후 상하악 구치부 모두 maximum anchorage로 치료하는 방법이 추천된다. ";
    const std::string closeSpace = "상하악 소구치 발치 후 공간을 폐쇄하는 방법이 추천된다. ";
    const std::string elasticsOr = "Class III elastics를 이용하거나 ";
    const std::string upperLoss = "상하악 소구치 발치 후 상악 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
    const std::string distalEitherOr = "상악이나 하악 대구치를 원심 이동하거나 ";
    const std::string buccalLoss = "상하악 소구치 발치 후 구치부를 anchor loss로 치료하는 방법이 추천된다. ";
    const std::string distalOrUpperOnly =
        "상악 대구치를 원심 이동하거나 상악 소구치만 발치하여 치료하는 방법이 추천된다. ";
    const std::string contradict = "상하악의 전후방 성장관계와 치열궁의 부조화가 모순되므로 ";
    const std::string distalAndMesial =
        "상악 대구치를 원심 이동하고 하악 대구치를 근심 이동하여 치료하는 방법이 추천된다. ";
    const std::string distalOrMesial =
        "상악 대구치를 원심 이동하거나 하악 대구치를 근심 이동하여 치료하는 방법이 추천된다. ";
    const std::string elastics = "Class III elastics를 이용하여 치료하는 방법이 추천된다. ";
    const std::string noExtraction = "소구치 발치 없이 치료하는 방법이 추천된다. ";
    const std::string upperMaxComma = "상하악 소구치 발치 후 상악 구치부를 maximum anchorage로, ";
    const std::string specialist = "이에 대한 전문적인 진단이 필요하다. ";
    const std::string upperLossComma = "상하악 소구치 발치 후 상악 구치부를 anchor loss로, ";
    const struct {
        const char* name;
        int skelAP;
        double J, molars, OJc;
        std::string says;
    } rows[] = {
        {"mild A1", 0, 7, 10, 12, severeArches},
        {"mild A2", 0, 9, 3, 4, upperOnlyOr + upperMax},
        {"mild A3", 0, 7, 3, 4, upperOnlyOr + lowerLoss},
        {"mild A4", 0, 9, 1, 2, upperMax},
        {"mild A5", 0, 7, 1, 2, upperMaxOr + thenLowerLoss},
        {"mild A6", 0, 7, -6, -1, severeArches},
        {"mild A7", 0, 9, -2, 2, lowerMax},
        {"mild A8", 0, 7, -2, 2, upperLossOr + thenLowerMax},
        {"mild A9", 0, 11, 0, 2.5, bothMax},
        {"mild A10", 0, 7, 0, 2.5, closeSpace},
        {"mild B1", 0, 5, 10, 12, severeArches},
        {"mild B2", 0, 5, 3, 4, upperOnlyOr + lowerLoss},
        {"mild B3", 0, 5, 2, 3, distalOrUpperOnlyOr + lowerLoss},
        {"mild B4", 0, 5, -6, -1, severeArches},
        {"mild B5", 0, 5, -2, 2, elasticsOr + upperLoss},
        {"mild B6", 0, 5, 0, 2.5, distalEitherOr + buccalLoss},
        {"mild N1", 0, 0.5, 10, 12, severeArches},
        {"mild N2", 0, 2, 2, 3, distalOrUpperOnly},
        {"mild N3", 0, 0.5, 3, 5, distalAndMesial},
        {"mild N4", 0, 0.5, 2, 3, distalOrMesial},
        {"mild N5", 0, 0.5, -6, -1, severeArches},
        {"mild N6", 0, 0.5, -2, 2, elastics},
        {"mild N7", 0, 0.5, 0, 2.5, noExtraction},
        {"Class II A1", 8, 7, 10, 12, severeArches},
        {"Class II A2", 8, 9, 3, 4, upperOnlyOr + upperMax},
        {"Class II A3", 8, 7, 3, 4, upperOnlyOr + lowerLoss},
        {"Class II A4", 8, 9, 1, 2, upperMax},
        {"Class II A5", 8, 7, 1, 2, upperMaxComma + thenLowerLoss},
        {"Class II A6", 8, 7, -4, 0, contradict + specialist},
        {"Class II A7", 8, 7, -2, 2, lowerMax},
        {"Class II A8", 8, 11, 0, 2.5, bothMax},
        {"Class II A9", 8, 7, 0, 2.5, closeSpace},
        {"Class II B1", 8, 5, 10, 12, severeArches},
        {"Class II B2", 8, 5, 3, 4, upperOnlyOr + lowerLoss},
        {"Class II B3", 8, 5, 2, 3, distalOrUpperOnlyOr + lowerLoss},
        {"Class II B4", 8, 5, -4, 0, contradict + specialist},
        {"Class II B5", 8, 5, -2, 2, elasticsOr + upperLoss},
        {"Class II B6", 8, 5, 0, 2.5, distalEitherOr + buccalLoss},
        {"Class II N1", 8, 0.5, 10, 12, severeArches},
        {"Class II N2", 8, 2, 2, 3, distalOrUpperOnly},
        {"Class II N3", 8, 0.5, 3, 5, distalAndMesial},
        {"Class II N4", 8, 0.5, 2, 3, distalOrMesial},
        {"Class II N5", 8, 0.5, -4, 0, contradict + specialist},
        {"Class II N6", 8, 0.5, -2, 2, elastics},
        {"Class II N7", 8, 0.5, 0, 2.5, noExtraction},
        {"Class III A1", -8, 7, 4, 5, contradict + specialist},
        {"Class III A2", -8, 9, 2, 3, upperMax},
        {"Class III A3", -8, 7, 2, 3, upperMaxComma + thenLowerLoss},
        {"Class III A4", -8, 7, -6, 2, severeArches},
        {"Class III A5", -8, 9, -2, 2, lowerMax},
        {"Class III A6", -8, 7, -2, 2, upperLossComma + thenLowerMax},
        {"Class III A7", -8, 11, 0, 2.5, bothMax},
        {"Class III A8", -8, 7, 0, 2.5, closeSpace},
        {"Class III B1", -8, 5, 4, 5, contradict + specialist},
        {"Class III B2", -8, 5, 3, 4, upperOnlyOr + lowerLoss},
        {"Class III B3", -8, 5, 2, 3, distalOrUpperOnlyOr + lowerLoss},
        {"Class III B4", -8, 5, 0, -1, severeArches},
        {"Class III B5", -8, 5, -2, 2, elasticsOr + upperLoss},
        {"Class III B6", -8, 5, 0, 2.5, distalEitherOr + buccalLoss},
        {"Class III N1", -8, 0.5, 4, 5, contradict + specialist},
        {"Class III N2", -8, 2, 2, 3, distalOrUpperOnly},
        {"Class III N3", -8, 0.5, 3, 5, distalAndMesial},
        {"Class III N4", -8, 0.5, 2, 3, distalOrMesial},
        {"Class III N5", -8, 0.5, 0, -1, severeArches},
        {"Class III N6", -8, 0.5, -2, 2, elastics},
        {"Class III N7", -8, 0.5, 0, 2.5, noExtraction},
    };
    for (const auto& row : rows) {
        const Inputs in{.skelAP = row.skelAP,
                        .OJ = row.OJc,
                        .molarRt = row.molars,
                        .molarLt = row.molars,
                        .crossRt = 3,
                        .J = row.J};
        EXPECT_EQ(Between(Comment(in), kWithoutSurgery, ""), row.says) << row.name;
    }
}

}  // namespace
}  // namespace vt
