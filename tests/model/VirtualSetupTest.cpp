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
ModelRecord MeanMale(std::int16_t archForm = 1, std::int16_t ext = 0) {
    ModelRecord m;
    m.U1 = 8.6, m.U2 = 7.1, m.U3 = 8.1, m.U4 = 7.4, m.U5 = 6.9, m.U6 = 10.4f;
    m.L1 = 5.4, m.L2 = 6.1, m.L3 = 7.2, m.L4 = 7.2, m.L5 = 7.1, m.L6 = 11.4f;
    m.ArchForm = archForm, m.ExtChoice = ext, m.Overjet = 2.5f;
    return m;
}

// An arch form the form never sets counts as Normal.
TEST(ModelVirtualSetup, Title) {
    const struct {
        std::int16_t archForm;
        float overjet;
        const char* want;
    } cases[] = {
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
TEST(ModelVirtualSetup, LengthsByArchForm) {
    const struct {
        int archForm;
        double SU, SUx, SL, SLx, SLi;
    } cases[] = {
        {.archForm = 0, .SU = 54.3421, .SUx = 46.9421, .SL = 50.5731, .SLx = 43.3731, .SLi = 47.9303},
        {.archForm = 1, .SU = 52.2151, .SUx = 44.8151, .SL = 48.5851, .SLx = 41.3851, .SLi = 46.6045},
        {.archForm = 2, .SU = 49.4601, .SUx = 42.0601, .SL = 46.4101, .SLx = 39.2101, .SLi = 44.9905},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("ArchForm " + std::to_string(c.archForm));
        const SetupLengths len = ComputeSetupLengths(MeanMale(), kArchFormCoefs[c.archForm]);
        EXPECT_NEAR(len.SU, c.SU, 5e-5);
        EXPECT_NEAR(len.SUx, c.SUx, 5e-5);
        EXPECT_NEAR(len.SL, c.SL, 5e-5);
        EXPECT_NEAR(len.SLx, c.SLx, 5e-5);
        EXPECT_NEAR(len.SLi, c.SLi, 5e-5);
    }
}

struct PasteCase {
    int setup;  // [1] .. [4]
    ToothPic pic;
    double left, top, width, height;
};

// The male mean widths with extraction pattern 1, to 4 decimals.
using P = ToothPic;
const PasteCase kPastes[] = {
    {.setup = 1, .pic = P::Mx1, .left = 80.1076, .top = 178.2, .width = 11, .height = 17.8},
    {.setup = 1, .pic = P::Mx4, .left = 65.8644, .top = 177.2, .width = 7.4, .height = 18.5},
    {.setup = 1, .pic = P::Mx3, .left = 73.2644, .top = 176.5, .width = 7.371, .height = 19.5},
    {.setup = 1, .pic = P::Mn7, .left = 40.0224, .top = 196.5, .width = 10.6020, .height = 18},
    {.setup = 1, .pic = P::Mn3, .left = 76.3244, .top = 196.0, .width = 6.2640, .height = 19.5},
    {.setup = 3, .pic = P::Mx1, .left = 81.4076, .top = 230.7, .width = 11, .height = 17.8},
    {.setup = 4, .pic = P::Mx1, .left = 161.4076, .top = 230.7, .width = 11, .height = 17.8},
    {.setup = 4, .pic = P::Mn7, .left = 123.3030, .top = 249.0, .width = 10.6020, .height = 18},
    {.setup = 4, .pic = P::Mn3, .left = 159.6050, .top = 248.5, .width = 6.2640, .height = 19.5},
};

TEST(ModelVirtualSetup, PasteRectangles) {
    const VirtualSetups plan = PlanVirtualSetups(MeanMale(1, 1));
    ASSERT_EQ(plan.setups.size(), 4u);
    for (const PasteCase& c : kPastes) {
        SCOPED_TRACE("[" + std::to_string(c.setup) + "] " + ToothPicName(c.pic));
        const std::vector<SetupPaste>& pastes = plan.setups[c.setup - 1].pastes;
        const auto paste = std::find_if(pastes.begin(), pastes.end(), [&](auto& p) { return p.picture == c.pic; });
        ASSERT_NE(paste, pastes.end());
        EXPECT_NEAR(paste->rect.left, c.left, 5e-5);
        EXPECT_NEAR(paste->rect.top, c.top, 5e-5);
        EXPECT_NEAR(paste->rect.width, c.width, 5e-5);
        EXPECT_NEAR(paste->rect.height, c.height, 5e-5);
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
