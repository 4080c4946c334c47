// The transverse, vertical and sagittal ladders rung by rung at their bounds, per age and sex
// group, with Severity before and after; then the group's own wording of some rungs.

#include <gtest/gtest.h>

#include <tuple>

#include "DxWorld.h"

namespace vt {
namespace {

using testing::DxWorld;

// v: transverse MolarRt, MolarLt, CrossRt, CrossLt; vertical OB, OBv,
// SkelVert; sagittal SkelAP, APIdx, OJ, OB, SkelVert.
struct Case {
    std::int16_t sex;
    double age;
    double v[5];
    int before = 0, rung = 0, after = 0;
};
enum class Ladder { Transverse, Vertical, Sagittal };

Step Climb(Ladder ladder, const Case& c, FindingsRecord& r) {
    DxWorld world(c.sex, c.age);
    r.Severity = static_cast<std::int16_t>(c.before);
    switch (ladder) {
        case Ladder::Transverse:
            r.MolarRt = c.v[0], r.MolarLt = c.v[1], r.CrossRt = c.v[2], r.CrossLt = static_cast<float>(c.v[3]);
            return TransverseStep(r, world.sources());
        case Ladder::Vertical:
            r.OB = c.v[0], r.OBv = c.v[1], world.scores.SkelVert = static_cast<int>(c.v[2]);
            return VerticalStep(r, world.sources());
        case Ladder::Sagittal:
            world.scores.SkelAP = static_cast<int>(c.v[0]), world.scores.SkelVert = static_cast<int>(c.v[4]);
            r.APIdx = c.v[1], r.OJ = c.v[2], r.OB = c.v[3];
            return SagittalStep(r, world.sources());
    }
    return {};
}

void Check(Ladder ladder, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        FindingsRecord r;
        r.DxText = "before ";
        const int rung = Climb(ladder, c, r).rung;
        const auto where = ::testing::Message() << int(ladder) << " sex " << c.sex << " age " << c.age << " v "
                                                << c.v[0] << " " << c.v[1] << " " << c.v[2] << " " << c.v[3];
        // The transverse sentence replaces the comment, the others append; each ends in one blank.
        EXPECT_EQ((std::tuple{rung, int(r.Severity), r.DxText.starts_with("before "), testing::WellJoined(r.DxText)}),
                  (std::tuple{c.rung, c.after, ladder != Ladder::Transverse, true}))
            << where;
    }
}

TEST(SentenceLadders, Transverse) {
    Check(Ladder::Transverse,
          {{0, 10.99, {6, 0, 0, 0}, 0, 1, 1},  {1, 10.99, {0, 0, 4, 0}, 0, 1, 1},  {0, 11, {6, 0, 0, 0}, 0, 1, 2},
           {0, 17.99, {4, 0, 3, 0}, 0, 1, 2},  {0, 18, {0, -6, 0, 0}, 0, 1, 2},    {1, 15.99, {3, -3, 0, 0}, 0, 1, 2},
           {1, 16, {0, 0, 0, -4}, 0, 1, 2},    {1, 13, {5.99, 0, 0, 0}, 0, 2, 1},  {0, 30, {4, 0, 2.9, 0}, 0, 2, 1},
           {0, 30, {3.9, 0, 0, 3.9}, 0, 2, 1}, {0, 30, {3, 0, 0, 2}, 0, 2, 1},     {0, 30, {2.9, 0, 2.9, 0}, 0, 4, 0},
           {0, 30, {0, 0, 4, 3}, 0, 3, 0},     {0, 30, {0, 0, 3, 4}, 0, 3, 0},     {0, 30, {0, 0, 2, 2}, 0, 4, 0},
           {0, 30, {0, 0, -3, -3}, 0, 5, 0},   {0, 30, {0, 0, -2, -2.5}, 0, 6, 0}, {0, 30, {0, 0, -1, -2}, 0, 6, 0},
           {0, 30, {2, 0, 0, 0}, 0, 7, 0},     {0, 30, {0, 0, 1, -1}, 0, 7, 0},    {0, 30, {1.99, 0, 0, 0}, 0, 8, 0}});
}

TEST(SentenceLadders, Vertical) {
    Check(Ladder::Vertical,
          {{0, 14, {-6, 0}, 0, 1, 2},         {0, 17.99, {0, -6}, 0, 1, 2},      {0, 18, {-6, 0}, 0, 1, 2},
           {1, 15.99, {-7, -7}, 1, 1, 2},     {1, 16, {0, -6}, 0, 1, 2},         {0, 13.99, {-6, -6}, 0, 2, 2},
           {0, 11, {-4, 0}, 0, 2, 2},         {0, 10.99, {-6, 0}, 2, 2, 1},      {0, 14, {-4, 0}, 0, 2, 2},
           {1, 16, {0, -4}, 0, 2, 2},         {0, 30, {-3.99, 0}, 0, 3, 1},      {0, 30, {0, -2}, 2, 3, 2},
           {1, 9.9, {-2, 0}, 2, 3, 1},        {0, 30, {0, 0}, 1, 4, 1},          {0, 30, {3, -1.99}, 0, 4, 0},
           {0, 10, {6, 1}, 0, 5, 0},          {0, 11, {1, 6}, 0, 5, 0},          {1, 20, {5.99, 1}, 0, 6, 0},
           {1, 20, {1, 4}, 0, 6, 0},          {0, 30, {3.99, 3.99, 4}, 0, 7, 0}, {0, 30, {0.01, 0.01, -4}, 0, 8, 0},
           {0, 30, {0.01, 3.99, 3}, 1, 9, 1}, {0, 30, {2, 2, -3}, 0, 9, 0}});
}

TEST(SentenceLadders, Sagittal) {
    Check(Ladder::Sagittal,
          {// Child.
           {0, 10.99, {-8, -3, -3, 5}, 2, 1, 1},
           {1, 5, {-8, 0, 0, 0, 3}, 0, 1, 1},
           {1, 5, {-8, 0, 0, 0, 2}, 0, 2, 1},
           {0, 8, {-7, -3, -3}, 0, 3, 1},
           {0, 8, {-3, -0.1, -0.1}, 2, 4, 1},
           {0, 8, {-3, 0, -0.1}, 0, 5, 1},
           {0, 8, {-2, 0.5, 0.5}, 0, 6, 1},
           {0, 8, {-2, 0.5, 2, 0.5}, 0, 7, 0},
           {0, 8, {8}, 0, 8, 1},
           {0, 8, {5}, 2, 10, 1},
           {0, 8, {3, 5.01, 5.01}, 0, 11, 1},
           {0, 8, {3, 5.01, 5}, 0, 12, 1},
           {0, 8, {2, 4, 4.5}, 2, 13, 2},
           {0, 8, {-1, 0, -0.01}, 0, 14, 0},
           {0, 8, {0, 0.5, 0.5}, 0, 15, 0},
           {0, 8, {0, 3, 5.5}, 0, 16, 0},
           {0, 8, {0, 4.5, 4.5}, 0, 17, 0},
           {0, 8, {1, 1, 1}, 1, 18, 1},
           // Early growth.
           {0, 11, {-8, -3, -3}, 0, 1, 2},
           {0, 13.99, {-8, 0, 0, 0, 2}, 2, 2, 2},
           {1, 12.99, {-5}, 0, 3, 1},
           {0, 12, {-2, 1, -0.5}, 2, 5, 1},
           {0, 12, {-2, 0.9, 0.9}, 0, 6, 0},
           {0, 12, {-2, 1, 0.9}, 0, 7, 0},
           {0, 12, {8}, 0, 8, 1},
           {0, 12, {6}, 2, 10, 2},
           {0, 12, {3, 6, 6}, 0, 11, 1},
           {0, 12, {2, 4.5, 4.5}, 0, 12, 0},
           // Growing and grown.
           {0, 14, {-8, -3, -3}, 0, 1, 2},
           {1, 13, {-8, 0, 0, 0.9, 3}, 1, 1, 2},
           {0, 18, {-8, -3, -3}, 0, 1, 2},
           {1, 16, {-8}, 0, 2, 1},
           {0, 17.99, {-8}, 2, 2, 2},
           {1, 15.99, {-5}, 0, 3, 1},
           {0, 30, {-3, -0.1, -0.1}, 0, 4, 0},
           {0, 30, {-2, 3, -1}, 0, 5, 0},
           {0, 30, {-2, 0.5, 2, 0.5}, 0, 6, 0},
           {0, 30, {-2, 0.5, 0.5, 1}, 0, 7, 0},
           {0, 15, {8}, 0, 8, 1},
           {1, 30, {8}, 2, 8, 2},
           {0, 30, {6}, 0, 9, 1},
           {0, 30, {5}, 0, 10, 0},
           {0, 30, {3, 5, 5.5}, 0, 12, 0}});
}

// The sentences that differ by group, exactly as the clinic wrote them.
TEST(SentenceLadders, GroupWording) {
    const struct {
        Ladder ladder;
        Case c;
        const char* says;
    } rows[] = {
        {Ladder::Transverse,
         {0, 10.99, {6}},
         "상하악 교합 관계에서 심한 비대칭이 존재하므로 이에 대한 전문적인 진단 후 치료를 결정한다. "},
        {Ladder::Transverse, {0, 17.99, {6}}, "결정하고 경우에 따라 성장 후 악교정수술이 필요할 수도 있다. "},
        {Ladder::Transverse, {1, 16, {6}}, "결정하고 경우에 따라 악교정수술이 필요할 수도 있다. "},
        {Ladder::Vertical,
         {0, 17.99, {-6}},
         "전치부 open bite 양이 매우 크므로 성장 후 악교정 수술을 고려한 전문적인 진단이 필요하다. "},
        {Ladder::Vertical,
         {1, 16, {-6}},
         "전치부 open bite 양이 매우 크므로 악교정 수술을 고려한 전문적인 진단이 필요하다. "},
        {Ladder::Vertical, {0, 14, {-4}}, "필요하며 경우에 따라 성장 후 악교정수술이 필요할 수 있다. "},
        {Ladder::Vertical,
         {1, 11, {6, 6}},
         "전치부 deep bite이 있으므로 전치부 intrusion 등 이를 개선하기 위한 치료가 필요하다. "},
        {Ladder::Sagittal,
         {0, 10.99, {-8, -3, -3}},
         "있으므로 악정형 치료를 시도해 볼 수 있으나 개선이 어려울 수 있다. "},
        {Ladder::Sagittal,
         {1, 12.9, {-8, -3, -3}},
         "있으므로 성장이 많이 남아 있을 경우 악정형 치료를 시도해 볼 수 있으나"},
        {Ladder::Sagittal, {1, 13, {-8, -3, -3}}, "있으므로 성장 후 악교정수술을 고려한 전문적인 진단이 필요하다. "},
        {Ladder::Sagittal,
         {0, 18, {-8, -3, -3}},
         "상하악은 전후방적으로 매우 심한 3급 부조화가 있으므로 악교정수술을 고려한"},
        {Ladder::Sagittal,
         {0, 13.99, {-2, 1, -0.5}},
         "상하악 전치부 반대교합이 있으므로 성장이 많이 남아 있을 경우 악정형, 악기능 치료를"},
        {Ladder::Sagittal, {1, 20, {2, 4, 4}}, "고정식 교정치료시 약간의 2급 부조화 경향를 고려해야 한다. "},
        {Ladder::Sagittal, {0, 8, {0, 0.5, 0.5}}, "상하악 전치부는 약간의 반대교합 경향을 보이고 있다. "}};
    for (const auto& row : rows) {
        FindingsRecord r;
        Climb(row.ladder, row.c, r);
        EXPECT_TRUE(testing::Has(r.DxText, row.says)) << r.DxText;
    }
}

}  // namespace
}  // namespace vt
