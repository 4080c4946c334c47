// The virtual set-ups' title, lengths and paste rectangles; the tooth outlines as pasted.
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>
#include "model/ToothOutlines.h"
#include "model/VirtualSetup.h"
#include "platform/PainterSurface.h"

namespace vt {
namespace {

// Male mean widths, Normal arch form, overjet 2.5.
ModelRecord MeanMale(std::int16_t archForm = 1, std::int16_t ext = 0, float overjet = 2.5f) {
    ModelRecord m;
    m.U1 = 8.6, m.U2 = 7.1, m.U3 = 8.1, m.U4 = 7.4, m.U5 = 6.9, m.U6 = 10.4f;
    m.L1 = 5.4, m.L2 = 6.1, m.L3 = 7.2, m.L4 = 7.2, m.L5 = 7.1, m.L6 = 11.4f;
    m.ArchForm = archForm, m.ExtChoice = ext, m.Overjet = overjet;
    return m;
}

// An arch form the form never sets counts as Normal.
TEST(ModelVirtualSetup, Title) {
    const struct {
        std::int16_t archForm;
        float overjet;
        const char* want;
    } cases[] = {
        {.archForm = 0, .overjet = 3.0f, .want = "가상 Model Setup (Narrow Arch Form, Overjet 3.0 mm)"},
        {.archForm = 1, .overjet = 2.5f, .want = "가상 Model Setup (Normal Arch Form, Overjet 2.5 mm)"},
        {.archForm = 2, .overjet = 4.0f, .want = "가상 Model Setup (Broad Arch Form, Overjet 4.0 mm)"},
        {.archForm = 7, .overjet = 2.0f, .want = "가상 Model Setup (Normal Arch Form, Overjet 2.0 mm)"},
    };
    for (const auto& c : cases) {
        ModelRecord m = MeanMale(c.archForm);
        m.Overjet = c.overjet;
        EXPECT_EQ(PlanVirtualSetups(m).title, c.want) << "ArchForm " << c.archForm;
    }
}

// Projected row lengths of the male mean widths, by arch form, to 4 decimals.
struct TypedLengths {
    double SU, SUx, SL, SLx, SLi;
};
const TypedLengths kMeanMaleLengths[3] = {
    {.SU = 54.3421, .SUx = 46.9421, .SL = 50.5731, .SLx = 43.3731, .SLi = 47.9303},  // Narrow
    {.SU = 52.2151, .SUx = 44.8151, .SL = 48.5851, .SLx = 41.3851, .SLi = 46.6045},  // Normal
    {.SU = 49.4601, .SUx = 42.0601, .SL = 46.4101, .SLx = 39.2101, .SLi = 44.9905},  // Broad
};

TEST(ModelVirtualSetup, LengthsByArchForm) {
    for (int archForm = 0; archForm < 3; ++archForm) {
        SCOPED_TRACE("ArchForm " + std::to_string(archForm));
        const TypedLengths& want = kMeanMaleLengths[archForm];
        const SetupLengths len = ComputeSetupLengths(MeanMale(), kArchFormCoefs[archForm]);
        EXPECT_NEAR(len.SU, want.SU, 5e-5);
        EXPECT_NEAR(len.SUx, want.SUx, 5e-5);
        EXPECT_NEAR(len.SL, want.SL, 5e-5);
        EXPECT_NEAR(len.SLx, want.SLx, 5e-5);
        EXPECT_NEAR(len.SLi, want.SLi, 5e-5);
    }
}

const SetupPaste* Find(const SetupPlan& setup, ToothPic pic) {
    for (const SetupPaste& p : setup.pastes)
        if (p.picture == pic) return &p;
    return nullptr;
}

struct PasteCase {
    int setup;  // [1] .. [4]
    ToothPic pic;
    double left, width;
};

// The worked examples: the male mean widths with extraction pattern 1, to 4 decimals.
using P = ToothPic;
const PasteCase kPastes[] = {
    {.setup = 1, .pic = P::Mx1, .left = 80.1076, .width = 11},
    {.setup = 1, .pic = P::Mx7, .left = 38.8924, .width = 9.6720},
    {.setup = 1, .pic = P::Mx4, .left = 65.8644, .width = 7.4},
    {.setup = 1, .pic = P::Mx3, .left = 73.2644, .width = 7.371},
    {.setup = 1, .pic = P::Mn1, .left = 80.2076, .width = 8.4},
    {.setup = 1, .pic = P::Mn7, .left = 40.0224, .width = 10.6020},
    {.setup = 1, .pic = P::Mn3, .left = 76.3244, .width = 6.2640},
    {.setup = 3, .pic = P::Mx1, .left = 81.4076, .width = 11},
    {.setup = 4, .pic = P::Mx1, .left = 161.4076, .width = 11},
    {.setup = 4, .pic = P::Mx7, .left = 127.5924, .width = 9.6720},
    {.setup = 4, .pic = P::Mx3, .left = 154.5644, .width = 7.371},
    {.setup = 4, .pic = P::Mn1, .left = 161.5076, .width = 8.4},
    {.setup = 4, .pic = P::Mn7, .left = 123.3030, .width = 10.6020},
    {.setup = 4, .pic = P::Mn4, .left = 152.4050, .width = 7.2},
    {.setup = 4, .pic = P::Mn3, .left = 159.6050, .width = 6.2640},
};

TEST(ModelVirtualSetup, PasteRectangles) {
    const VirtualSetups plan = PlanVirtualSetups(MeanMale(1, 1));
    ASSERT_EQ(plan.setups.size(), 4u);
    for (const PasteCase& c : kPastes) {
        std::string trace = "[";
        ((trace += std::to_string(c.setup)) += "] ") += ToothPicName(c.pic);
        SCOPED_TRACE(trace);
        const SetupPaste* paste = Find(plan.setups[c.setup - 1], c.pic);
        ASSERT_NE(paste, nullptr);
        EXPECT_NEAR(paste->rect.left, c.left, 5e-5);
        EXPECT_NEAR(paste->rect.width, c.width, 5e-5);
    }
}

// Top edge of each picture in the upper row pair (set-up [1]) and the lower one (set-up [4], pattern 2, which
// pastes all twelve), and its height.
TEST(ModelVirtualSetup, RowHeights) {
    const struct {
        ToothPic pic;
        float top1, top2;
        double height;
    } tops[] = {
        {.pic = P::Mx1, .top1 = 178.2f, .top2 = 230.7f, .height = 17.8},
        {.pic = P::Mx7, .top1 = 177.5f, .top2 = 230.0f, .height = 18},
        {.pic = P::Mx6, .top1 = 177.5f, .top2 = 230.0f, .height = 18},
        {.pic = P::Mx5, .top1 = 177.5f, .top2 = 230.0f, .height = 18},
        {.pic = P::Mx4, .top1 = 177.2f, .top2 = 229.7f, .height = 18.5},
        {.pic = P::Mx3, .top1 = 176.5f, .top2 = 229.0f, .height = 19.5},
        {.pic = P::Mn1, .top1 = 196.0f, .top2 = 248.5f, .height = 17.4},
        {.pic = P::Mn7, .top1 = 196.5f, .top2 = 249.0f, .height = 18},
        {.pic = P::Mn6, .top1 = 196.5f, .top2 = 249.0f, .height = 18},
        {.pic = P::Mn5, .top1 = 196.5f, .top2 = 249.0f, .height = 18},
        {.pic = P::Mn4, .top1 = 196.3f, .top2 = 248.8f, .height = 18.5},
        {.pic = P::Mn3, .top1 = 196.0f, .top2 = 248.5f, .height = 19.5},
    };
    const VirtualSetups plan = PlanVirtualSetups(MeanMale(1, 2));
    for (const auto& s : tops) {
        const SetupPaste* upperPair = Find(plan.setups[0], s.pic);
        const SetupPaste* lowerPair = Find(plan.setups[3], s.pic);
        ASSERT_NE(upperPair, nullptr) << ToothPicName(s.pic);
        ASSERT_NE(lowerPair, nullptr) << ToothPicName(s.pic);
        EXPECT_EQ(upperPair->rect.top, double(s.top1)) << ToothPicName(s.pic) << " top, upper pair";
        EXPECT_EQ(lowerPair->rect.top, double(s.top2)) << ToothPicName(s.pic) << " top, lower pair";
        EXPECT_EQ(upperPair->rect.height, s.height) << ToothPicName(s.pic) << " height, upper pair";
        EXPECT_EQ(lowerPair->rect.height, s.height) << ToothPicName(s.pic) << " height, lower pair";
    }
}

// Every set-up by arch form and overjet: in its pair of rows; the upper row, second molar to incisor, centred on its
// base x and as long as its length; the lower incisor ending the overjet short of the upper one, the lower row as long
// as its length; molars, premolars and canine side by side, each touching the one before.
TEST(ModelVirtualSetup, RowsAreCentredAndClosed) {
    using T = TypedLengths;
    const struct {
        const char* name;
        int index;  // in the plan
        std::int16_t ext;
        int pair;  // of rows: 1 above, 2 below
        double base;
        double T::*upper;
        double T::*lower;
    } setups[] = {
        {.name = "[1]", .index = 0, .ext = 0, .pair = 1, .base = 65, .upper = &T::SU, .lower = &T::SL},
        {.name = "[2]", .index = 1, .ext = 0, .pair = 1, .base = 145, .upper = &T::SUx, .lower = &T::SLx},
        {.name = "[3]", .index = 2, .ext = 0, .pair = 2, .base = 70, .upper = &T::SUx, .lower = &T::SL},
        {.name = "[4] /44", .index = 3, .ext = 0, .pair = 2, .base = 145, .upper = &T::SU, .lower = &T::SLx},
        {.name = "[4] 44/1", .index = 3, .ext = 1, .pair = 2, .base = 150, .upper = &T::SUx, .lower = &T::SLi},
        {.name = "[4] /1", .index = 3, .ext = 2, .pair = 2, .base = 145, .upper = &T::SU, .lower = &T::SLi},
    };
    for (const auto& c : setups)
        for (std::int16_t archForm = 0; archForm < 3; ++archForm)
            for (float overjet : {2.0f, 4.0f}) {
                SCOPED_TRACE(std::string(c.name) + ", ArchForm " + std::to_string(archForm) + ", Overjet " +
                             std::to_string(overjet));
                const VirtualSetups plan = PlanVirtualSetups(MeanMale(archForm, c.ext, overjet));
                const SetupPlan& s = plan.setups.at(c.index);
                const SetupPaste *mx1 = Find(s, P::Mx1), *mx7 = Find(s, P::Mx7), *mn1 = Find(s, P::Mn1),
                                 *mn7 = Find(s, P::Mn7);
                for (ToothPic pic : {P::Mx1, P::Mx7, P::Mn1, P::Mn7})
                    ASSERT_NE(Find(s, pic), nullptr) << ToothPicName(pic);
                const double upperEnd = mx1->rect.left + mx1->rect.width, lowerEnd = mn1->rect.left + mn1->rect.width;
                EXPECT_EQ(mx1->rect.top, c.pair == 1 ? double(178.2f) : double(230.7f)) << "top of the upper incisor";
                EXPECT_NEAR((mx7->rect.left + upperEnd) / 2, c.base, 1e-9) << "centre of the upper row";
                EXPECT_NEAR(upperEnd - mx7->rect.left, kMeanMaleLengths[archForm].*c.upper, 5e-5) << "upper row";
                EXPECT_NEAR(upperEnd - lowerEnd, overjet, 1e-9) << "overjet";
                EXPECT_NEAR(lowerEnd - mn7->rect.left, kMeanMaleLengths[archForm].*c.lower, 5e-5) << "lower row";
                for (std::size_t k = 1; k < s.pastes.size(); ++k) {
                    // Each incisor is pasted ahead of its row, whose second molar starts afresh.
                    const SetupPaste &before = s.pastes[k - 1], &p = s.pastes[k];
                    if (p.picture == P::Mx7 || p.picture == P::Mn1 || p.picture == P::Mn7) continue;
                    EXPECT_NEAR(p.rect.left, before.rect.left + before.rect.width, 1e-9)
                        << ToothPicName(p.picture) << " after " << ToothPicName(before.picture);
                }
            }
}

// Outlines pasted on a sheet of `fill`, 10 pixels to the millimetre, its corner at (x0, y0) mm.
QImage Paint(
    const std::vector<SetupPaste>& pastes, QColor fill, QSize size = {400, 300}, double x0 = 0, double y0 = 0) {
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);  // the outline's width follows the device's resolution
    image.setDotsPerMeterY(10000);
    image.fill(fill);
    QPainter painter(&image);
    PainterSurface surface(painter, x0, y0, 10);
    for (const SetupPaste& p : pastes) surface.paintPicture(ToothOutline(p.picture), p.rect, std::nullopt);
    return image;
}

bool Dark(QRgb c) { return qGray(c) < 128; }

// A pasted outline is opaque: nothing of the red sheet shows inside its rectangle (5, 5, 9 x 18 mm).
TEST(ModelToothOutlines, PasteIsOpaque) {
    for (ToothPic id : kAllToothPics) {
        const QImage image = Paint({{id, {5, 5, 9, 18}}}, Qt::red);
        int red = 0;
        for (int y = 51; y < 229; ++y)
            for (int x = 51; x < 139; ++x) red += image.pixel(x, y) == qRgb(255, 0, 0);
        EXPECT_EQ(red, 0) << ToothPicName(id);
    }
}

// The outline stays thin however far the picture is stretched: at most 3 pixels across at 10 pixels a millimetre.
TEST(ModelToothOutlines, OutlineDoesNotGrowWithTheStretch) {
    for (double width : {6.0, 36.0}) {
        const QImage image = Paint({{ToothPic::Mx6, {2, 5, width, 18}}}, Qt::white);
        int longest = 0, run = 0;
        for (int x = 21; x < 20 + int(width * 10) - 1; ++x)
            longest = std::max(longest, run = Dark(image.pixel(x, 90)) ? run + 1 : 0);
        EXPECT_GT(longest, 0) << "width " << width;
        EXPECT_LE(longest, 3) << "width " << width;
    }
}

// Set-up [1], each row alone: no two columns along its crowns are empty, so every tooth touches its neighbours.
TEST(ModelToothOutlines, TeethOfASetupRowTouchTheirNeighbours) {
    const VirtualSetups setups = PlanVirtualSetups(MeanMale());
    const struct {
        const char* name;
        bool upper;
        int firstRow, lastRow;  // the crown band: sheet y 188 .. 196.5 above, 195.5 .. 204 below
    } rows[] = {
        {.name = "upper", .upper = true, .firstRow = 280, .lastRow = 365},
        {.name = "lower", .upper = false, .firstRow = 355, .lastRow = 440},
    };
    for (const auto& r : rows) {
        std::vector<SetupPaste> row;
        for (const SetupPaste& p : setups.setups[0].pastes)
            if (IsUpper(p.picture) == r.upper) row.push_back(p);
        const QImage image = Paint(row, Qt::white, {1000, 500}, 30, 160);
        std::string columns;  // '#' where the column has ink
        for (int x = 0; x < image.width(); ++x) {
            bool ink = false;
            for (int y = r.firstRow; y <= r.lastRow; ++y) ink = ink || qGray(image.pixel(x, y)) < 200;
            columns += ink ? '#' : ' ';
        }
        const std::string inked = columns.substr(columns.find('#'), columns.rfind('#') - columns.find('#') + 1);
        EXPECT_GT(inked.size(), 450u) << r.name;  // molar to incisor
        EXPECT_EQ(inked.find("  "), std::string::npos) << r.name << ": " << columns;
    }
}

}  // namespace
}  // namespace vt
