// The virtual set-ups: lengths, paste rectangles and their order for each
// arch form, overjet and extraction pattern.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/VirtualSetup.h"

namespace vt {
namespace {

// Male mean widths, Normal arch form, overjet 2.5 (the form's start values).
ModelRecord MeanMale() {
    ModelRecord m;
    m.U1 = 8.6, m.U2 = 7.1, m.U3 = 8.1, m.U4 = 7.4, m.U5 = 6.9, m.U6 = 10.4f;
    m.L1 = 5.4, m.L2 = 6.1, m.L3 = 7.2, m.L4 = 7.2, m.L5 = 7.1, m.L6 = 11.4f;
    return m;
}

const SetupPaste* Find(const SetupPlan& plan, ToothPic pic) {
    for (const SetupPaste& p : plan.pastes)
        if (p.picture == pic) return &p;
    return nullptr;
}

std::vector<ToothPic> Order(const SetupPlan& plan) {
    std::vector<ToothPic> order;
    for (const SetupPaste& p : plan.pastes) order.push_back(p.picture);
    return order;
}

constexpr double kTol = 5e-5;

TEST(ModelVirtualSetup, LengthsOfTheWorkedExample) {
    const SetupLengths len = ComputeSetupLengths(MeanMale(), kArchFormCoefs[1]);
    EXPECT_NEAR(len.upperIncExtra, 1.7331, kTol);
    EXPECT_NEAR(len.lowerIncExtra, 0.7061, kTol);
    EXPECT_NEAR(len.SU, 52.2151, kTol);
    EXPECT_NEAR(len.SL, 48.5851, kTol);
    EXPECT_NEAR(len.SUx, 44.8151, kTol);
    EXPECT_NEAR(len.SLx, 41.3851, kTol);
    EXPECT_NEAR(len.SLi, 46.6045, kTol);
}

// c6 enters in single precision: the lower lengths differ from what the
// decimal 0.87 would give.
TEST(ModelVirtualSetup, LowerCanineCoefficientIsSinglePrecision) {
    const ModelRecord m = MeanMale();
    for (int form = 0; form < 3; ++form) {
        const ArchFormCoefs& c = kArchFormCoefs[form];
        const SetupLengths len = ComputeSetupLengths(m, c);
        const double c6 = c.c6;
        const double expected = c.c4 * m.L1 + c.c5 * m.L2 + c6 * m.L3 + m.L4 + m.L5 + 1.93 * m.L6 +
                                0.7 * (m.L1 + m.L2) / 11.4;
        EXPECT_EQ(len.SL, expected) << form;
    }
    EXPECT_EQ(static_cast<double>(kArchFormCoefs[0].c6), 0.9300000071525574);
    EXPECT_EQ(static_cast<double>(kArchFormCoefs[1].c6), 0.8700000047683716);
    EXPECT_EQ(static_cast<double>(kArchFormCoefs[2].c6), 0.7699999809265137);
}

TEST(ModelVirtualSetup, FirstSetupOfTheWorkedExample) {
    const VirtualSetups plan = PlanVirtualSetups(MeanMale());
    ASSERT_EQ(plan.setups.size(), 4u);
    const SetupPlan& s1 = plan.setups[0];
    struct Expect {
        ToothPic pic;
        double x, width;
    };
    const Expect expects[] = {
        {ToothPic::Mx1, 80.1076, 11},      {ToothPic::Mx7, 38.8924, 9.6720},
        {ToothPic::Mx3, 73.2644, 7.371},   {ToothPic::Mn1, 80.2076, 8.4},
        {ToothPic::Mn7, 40.0224, 10.6020}, {ToothPic::Mn3, 76.3244, 6.2640},
    };
    for (const Expect& e : expects) {
        const SetupPaste* p = Find(s1, e.pic);
        ASSERT_NE(p, nullptr) << ToothPicName(e.pic);
        EXPECT_NEAR(p->rect.left, e.x, kTol) << ToothPicName(e.pic);
        EXPECT_NEAR(p->rect.width, e.width, kTol) << ToothPicName(e.pic);
    }
}

TEST(ModelVirtualSetup, FourthSetupWithOneLowerIncisorAndUpperPremolarsOut) {
    ModelRecord m = MeanMale();
    m.ExtChoice = 1;
    const SetupPlan s4 = PlanVirtualSetups(m).setups.at(3);
    EXPECT_EQ(s4.caption, "[4] 44/1 발치");
    struct Expect {
        ToothPic pic;
        double x;
    };
    const Expect expects[] = {
        {ToothPic::Mx1, 161.4076}, {ToothPic::Mx7, 127.5924}, {ToothPic::Mx3, 154.5644},
        {ToothPic::Mn1, 161.5076}, {ToothPic::Mn7, 123.3030}, {ToothPic::Mn4, 152.4050},
        {ToothPic::Mn3, 159.6050},
    };
    for (const Expect& e : expects) {
        const SetupPaste* p = Find(s4, e.pic);
        ASSERT_NE(p, nullptr) << ToothPicName(e.pic);
        EXPECT_NEAR(p->rect.left, e.x, kTol) << ToothPicName(e.pic);
    }
    EXPECT_EQ(Find(s4, ToothPic::Mx4), nullptr);
    // The lower incisor keeps its width although one is left out.
    EXPECT_EQ(Find(s4, ToothPic::Mn1)->rect.width, 8.4);
}

// Captions, their places and the paste order of every set-up, for each
// extraction pattern of the fourth.
TEST(ModelVirtualSetup, CaptionsAndPasteOrder) {
    using P = ToothPic;
    const std::vector<P> all{P::Mx1, P::Mx7, P::Mx6, P::Mx5, P::Mx4, P::Mx3,
                             P::Mn1, P::Mn7, P::Mn6, P::Mn5, P::Mn4, P::Mn3};
    const std::vector<P> noFours{P::Mx1, P::Mx7, P::Mx6, P::Mx5, P::Mx3, P::Mn1, P::Mn7, P::Mn6, P::Mn5, P::Mn3};
    const std::vector<P> noUpperFours{P::Mx1, P::Mx7, P::Mx6, P::Mx5, P::Mx3,
                                      P::Mn1, P::Mn7, P::Mn6, P::Mn5, P::Mn4, P::Mn3};
    const std::vector<P> noLowerFours{P::Mx1, P::Mx7, P::Mx6, P::Mx5, P::Mx4, P::Mx3,
                                      P::Mn1, P::Mn7, P::Mn6, P::Mn5, P::Mn3};
    struct Expect {
        const char* caption;
        double x, y;
        std::vector<P> order;
    };
    const Expect fixed[] = {
        {"[1] 비발치", 40, 170.5, all},
        {"[2] 44/44 발치", 120, 170.5, noFours},
        {"[3] 44/ 발치", 40, 223, noUpperFours},
    };
    const Expect fourth[] = {
        {"[4] /44 발치", 120, 223, noLowerFours},
        {"[4] 44/1 발치", 120, 223, noUpperFours},
        {"[4] /1 발치", 120, 223, all},
    };
    for (std::int16_t ext = 0; ext < 3; ++ext) {
        ModelRecord m = MeanMale();
        m.ExtChoice = ext;
        const VirtualSetups plan = PlanVirtualSetups(m);
        ASSERT_EQ(plan.setups.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            const Expect& e = i < 3 ? fixed[i] : fourth[ext];
            const SetupPlan& s = plan.setups[i];
            EXPECT_EQ(s.caption, e.caption);
            EXPECT_EQ(s.captionX, e.x);
            EXPECT_EQ(s.captionY, e.y);
            EXPECT_EQ(Order(s), e.order) << e.caption;
        }
    }
}

TEST(ModelVirtualSetup, FourthSetupOnlyForTheThreePatterns) {
    ModelRecord m = MeanMale();
    m.ExtChoice = 3;
    EXPECT_EQ(PlanVirtualSetups(m).setups.size(), 3u);
    m.ExtChoice = -1;
    EXPECT_EQ(PlanVirtualSetups(m).setups.size(), 3u);
}

// Rows: the upper row centred on the base x, the incisor at its end; the
// lower row ending the overjet short of it; teeth side by side without gaps.
TEST(ModelVirtualSetup, RowsAreCentredAndClosed) {
    for (std::int16_t form = 0; form < 3; ++form)
        for (std::int16_t ext = 0; ext < 3; ++ext) {
            ModelRecord m = MeanMale();
            m.ArchForm = form;
            m.ExtChoice = ext;
            m.Overjet = 3.5f;
            const std::vector<SetupPlan> setups = PlanVirtualSetups(m).setups;
            const double bases[] = {65, 145, 70, ext == 1 ? 150.0 : 145.0};
            for (int i = 0; i < 4; ++i) {
                const SetupPlan& s = setups[i];
                const SheetRect incisor = Find(s, ToothPic::Mx1)->rect;
                const SheetRect molar = Find(s, ToothPic::Mx7)->rect;
                const double rowEnd = incisor.left + incisor.width;
                EXPECT_NEAR((molar.left + rowEnd) / 2, bases[i], 1e-9) << i;
                EXPECT_NEAR(Find(s, ToothPic::Mn1)->rect.left + 8.4, rowEnd - 3.5, 1e-9);
                // Each back tooth starts where the one before it ends.
                for (std::size_t k = 2; k < s.pastes.size(); ++k) {
                    const SheetRect& prev = s.pastes[k - 1].rect;
                    const SheetRect& cur = s.pastes[k].rect;
                    const bool startsRow = s.pastes[k].picture == ToothPic::Mn1 || s.pastes[k].picture == ToothPic::Mn7;
                    if (!startsRow && s.pastes[k - 1].picture != ToothPic::Mn1)
                        EXPECT_NEAR(cur.left, prev.left + prev.width, 1e-9);
                }
            }
        }
}

TEST(ModelVirtualSetup, RectangleHeightsAndSinglePrecisionTops) {
    struct Expect {
        ToothPic pic;
        float top1, top2;
        double height;
    };
    const Expect expects[] = {
        {ToothPic::Mx1, 178.2f, 230.7f, 17.8}, {ToothPic::Mx7, 177.5f, 230.0f, 18},
        {ToothPic::Mx6, 177.5f, 230.0f, 18},   {ToothPic::Mx5, 177.5f, 230.0f, 18},
        {ToothPic::Mx4, 177.2f, 229.7f, 18.5}, {ToothPic::Mx3, 176.5f, 229.0f, 19.5},
        {ToothPic::Mn1, 196.0f, 248.5f, 17.4}, {ToothPic::Mn7, 196.5f, 249.0f, 18},
        {ToothPic::Mn6, 196.5f, 249.0f, 18},   {ToothPic::Mn5, 196.5f, 249.0f, 18},
        {ToothPic::Mn4, 196.3f, 248.8f, 18.5}, {ToothPic::Mn3, 196.0f, 248.5f, 19.5},
    };
    ModelRecord m = MeanMale();
    m.ExtChoice = 2;  // set-up [4] with every premolar, on the second pair
    const VirtualSetups plan = PlanVirtualSetups(m);
    for (const Expect& e : expects) {
        const SheetRect first = Find(plan.setups[0], e.pic)->rect;
        const SheetRect second = Find(plan.setups[3], e.pic)->rect;
        EXPECT_EQ(first.top, static_cast<double>(e.top1)) << ToothPicName(e.pic);
        EXPECT_EQ(second.top, static_cast<double>(e.top2)) << ToothPicName(e.pic);
        EXPECT_EQ(first.height, e.height);
        EXPECT_EQ(second.height, e.height);
    }
    // 178.2 as a float lies below the decimal.
    EXPECT_LT(Find(plan.setups[0], ToothPic::Mx1)->rect.top, 178.2);
}

TEST(ModelVirtualSetup, OverjetMovesOnlyTheLowerRow) {
    ModelRecord small = MeanMale(), large = MeanMale();
    small.Overjet = 2.0f;
    large.Overjet = 4.0f;
    const VirtualSetups a = PlanVirtualSetups(small), b = PlanVirtualSetups(large);
    for (int i = 0; i < 4; ++i)
        for (std::size_t k = 0; k < a.setups[i].pastes.size(); ++k) {
            const SetupPaste& p = a.setups[i].pastes[k];
            const SetupPaste& q = b.setups[i].pastes[k];
            const double shift = IsUpper(p.picture) ? 0 : -2;
            EXPECT_NEAR(q.rect.left - p.rect.left, shift, 1e-9) << ToothPicName(p.picture);
            EXPECT_EQ(q.rect.width, p.rect.width);
        }
}

TEST(ModelVirtualSetup, BroadArchShortensTheUpperRow) {
    ModelRecord narrow = MeanMale(), broad = MeanMale();
    narrow.ArchForm = 0;
    broad.ArchForm = 2;
    const SetupLengths n = ComputeSetupLengths(narrow, kArchFormCoefs[0]);
    const SetupLengths b = ComputeSetupLengths(broad, kArchFormCoefs[2]);
    EXPECT_NEAR(n.SU, 54.3421, kTol);
    EXPECT_NEAR(b.SU, 49.4601, kTol);
    EXPECT_NEAR(n.SU - b.SU, 0.22 * 8.6 + 0.25 * 7.1 + 0.15 * 8.1, 1e-9);
    const double narrowCanine = Find(PlanVirtualSetups(narrow).setups[0], ToothPic::Mx3)->rect.width;
    const double broadCanine = Find(PlanVirtualSetups(broad).setups[0], ToothPic::Mx3)->rect.width;
    EXPECT_NEAR(narrowCanine, 0.97 * 8.1, 1e-12);
    EXPECT_NEAR(broadCanine, 0.82 * 8.1, 1e-12);
}

TEST(ModelVirtualSetup, TitleNamesArchFormAndOverjet) {
    struct Case {
        std::int16_t form;
        float overjet;
        const char* title;
    };
    const Case cases[] = {
        {1, 2.5f, "가상 Model Setup (Normal Arch Form, Overjet 2.5 mm)"},
        {0, 3.0f, "가상 Model Setup (Narrow Arch Form, Overjet 3.0 mm)"},
        {2, 4.0f, "가상 Model Setup (Broad Arch Form, Overjet 4.0 mm)"},
        {2, 2.0f, "가상 Model Setup (Broad Arch Form, Overjet 2.0 mm)"},
    };
    for (const Case& c : cases) EXPECT_EQ(SetupTitle(c.form, c.overjet), c.title);
}

}  // namespace
}  // namespace vt
