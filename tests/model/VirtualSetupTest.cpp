// The virtual set-ups' lengths and paste rectangles; the tooth outlines as pasted.
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>
#include "model/ToothOutlines.h"
#include "model/VirtualSetup.h"
#include "platform/PainterSurface.h"

namespace vt {
namespace {

// Male mean widths, Normal arch form, overjet 2.5 (the form's start values).
ModelRecord MeanMale(std::int16_t archForm = 1, std::int16_t ext = 0, float overjet = 2.5f) {
    ModelRecord m;
    m.U1 = 8.6, m.U2 = 7.1, m.U3 = 8.1, m.U4 = 7.4, m.U5 = 6.9, m.U6 = 10.4f;
    m.L1 = 5.4, m.L2 = 6.1, m.L3 = 7.2, m.L4 = 7.2, m.L5 = 7.1, m.L6 = 11.4f;
    m.ArchForm = archForm, m.ExtChoice = ext, m.Overjet = overjet;
    return m;
}

const SheetRect& Rect(const SetupPlan& plan, ToothPic pic) {
    for (const SetupPaste& p : plan.pastes)
        if (p.picture == pic) return p.rect;
    static const SheetRect none{-1, -1, -1, -1};  // absent
    return none;
}

double R4(double x) { return std::round(x * 1e4) / 1e4; }

TEST(ModelVirtualSetup, LengthsAndTitleByArchForm) {
    const std::tuple<double, double, double> expects[3] = {
        {54.3421, 50.5731, 47.9303}, {52.2151, 48.5851, 46.6045}, {49.4601, 46.4101, 44.9905}};
    for (int form = 0; form < 3; ++form) {
        const SetupLengths len = ComputeSetupLengths(MeanMale(), kArchFormCoefs[form]);
        EXPECT_EQ(std::tuple(R4(len.SU), R4(len.SL), R4(len.SLi)), expects[form]) << form;
        EXPECT_TRUE(std::abs(len.SU - len.SUx - 7.4) < 1e-12 && std::abs(len.SL - len.SLx - 7.2) < 1e-12) << form;
    }
    const SetupLengths normal = ComputeSetupLengths(MeanMale(), kArchFormCoefs[1]);
    EXPECT_EQ(std::tuple(R4(normal.upperIncExtra), R4(normal.lowerIncExtra)), std::tuple(1.7331, 0.7061));
    EXPECT_NEAR(normal.SL, 48.5851396489729, 1e-9);  // c6 as the single-precision 0.87f: 3.4e-8 more than 0.87
    EXPECT_EQ(std::pair(SetupTitle(0, 3.0f), SetupTitle(2, 4.0f)),
              std::pair(std::string("가상 Model Setup (Narrow Arch Form, Overjet 3.0 mm)"),
                        std::string("가상 Model Setup (Broad Arch Form, Overjet 4.0 mm)")));
}

// Set-up [1], and set-up [4] for pattern 1.
TEST(ModelVirtualSetup, PasteRectanglesOfTheWorkedExamples) {
    using P = ToothPic;
    const std::tuple<int, P, double, double> expects[] = {// set-up, picture, left, width
                                                          {0, P::Mx1, 80.1076, 11},
                                                          {0, P::Mx7, 38.8924, 9.6720},
                                                          {0, P::Mx3, 73.2644, 7.371},
                                                          {0, P::Mn1, 80.2076, 8.4},
                                                          {0, P::Mn7, 40.0224, 10.6020},
                                                          {0, P::Mn3, 76.3244, 6.2640},
                                                          {3, P::Mx1, 161.4076, 11},
                                                          {3, P::Mn7, 123.3030, 10.6020},
                                                          {3, P::Mn4, 152.4050, 7.2}};
    const VirtualSetups plan = PlanVirtualSetups(MeanMale(1, 1));
    for (const auto& [setup, pic, x, width] : expects)
        EXPECT_EQ(std::tuple(R4(Rect(plan.setups[setup], pic).left), R4(Rect(plan.setups[setup], pic).width)),
                  std::tuple(x, width))
            << setup << ToothPicName(pic);
    // Tops (single-precision) of the two row pairs, and heights.
    for (const auto& [pic, top1, top2, height] : {std::tuple{P::Mx1, 178.2f, 230.7f, 17.8},
                                                  {P::Mx7, 177.5f, 230.0f, 18.0},
                                                  {P::Mx3, 176.5f, 229.0f, 19.5},
                                                  {P::Mn1, 196.0f, 248.5f, 17.4},
                                                  {P::Mn4, 196.3f, 248.8f, 18.5},
                                                  {P::Mn3, 196.0f, 248.5f, 19.5}})
        EXPECT_EQ(
            std::tuple(Rect(plan.setups[0], pic).top, Rect(plan.setups[3], pic).top, Rect(plan.setups[0], pic).height),
            std::tuple(double(top1), double(top2), height))
            << ToothPicName(pic);
    EXPECT_EQ(std::pair(Rect(PlanVirtualSetups(MeanMale()).setups[3], P::Mx4).top, Rect(plan.setups[0], P::Mx4).height),
              std::pair(double(229.7f), 18.5));
}

// Every arch form, pattern and overjet: the upper row centred on the base x; the lower incisor the overjet
// short of the upper; each row as long as its set-up's length; the teeth side by side from the second molar on.
TEST(ModelVirtualSetup, RowsAreCentredAndClosed) {
    for (std::int16_t form = 0; form < 3; ++form)
        for (std::int16_t ext = 0; ext < 3; ++ext)
            for (float overjet : {2.0f, 3.5f}) {
                const VirtualSetups plan = PlanVirtualSetups(MeanMale(form, ext, overjet));
                const SetupLengths len = ComputeSetupLengths(MeanMale(form), kArchFormCoefs[form]);
                const double bases[] = {65, 145, 70, ext == 1 ? 150.0 : 145.0},
                             upper[] = {len.SU, len.SUx, len.SUx, ext == 1 ? len.SUx : len.SU},
                             lower[] = {len.SL, len.SLx, len.SL, ext == 0 ? len.SLx : len.SLi};
                for (int i = 0; i < 4; ++i) {
                    const SetupPlan& s = plan.setups[i];
                    const double upperEnd = Rect(s, ToothPic::Mx1).left + 11;
                    const double mx7 = Rect(s, ToothPic::Mx7).left, mn1 = Rect(s, ToothPic::Mn1).left,
                                 mn7 = Rect(s, ToothPic::Mn7).left;
                    const double off[] = {(upperEnd + mx7) / 2 - bases[i],
                                          upperEnd - mx7 - upper[i],
                                          mn1 + 8.4 - (upperEnd - overjet),
                                          upperEnd - overjet - mn7 - lower[i]};
                    for (double d : off) EXPECT_NEAR(d, 0, 1e-9) << form << ext << i;
                    for (std::size_t k = 2; k < s.pastes.size(); ++k) {
                        const ToothPic pic = s.pastes[k].picture, prev = s.pastes[k - 1].picture;
                        if (pic == ToothPic::Mn1 || pic == ToothPic::Mn7 || prev == ToothPic::Mn1) continue;
                        EXPECT_NEAR(
                            s.pastes[k].rect.left, s.pastes[k - 1].rect.left + s.pastes[k - 1].rect.width, 1e-9);
                    }
                }
            }
}

// Outlines pasted on a sheet of `fill`, 10 pixels to the millimetre, its corner at (x0, y0) mm.
QImage Paint(
    const std::vector<SetupPaste>& pastes, QColor fill, QSize size = {400, 300}, double x0 = 0, double y0 = 0) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    QPainter painter(&image);
    PainterSurface surface(painter, x0, y0, 10);
    for (const SetupPaste& p : pastes) surface.paintPicture(ToothOutline(p.picture), p.rect, std::nullopt);
    return image;
}

bool Dark(QRgb c) { return qGray(c) < 128; }

// Each outline covers its whole rectangle and nothing outside it; its black outline does not grow with the stretch.
TEST(ModelToothOutlines, PasteIsOpaqueWithAThinBlackOutline) {
    for (ToothPic id : kAllToothPics) {
        const QImage image = Paint({{id, {5, 5, 9, 18}}}, Qt::red);
        int dark = 0, uncovered = 0;
        for (int y = 51; y < 229; ++y)
            for (int x = 51; x < 139; ++x) {
                const QRgb c = image.pixel(x, y);
                dark += Dark(c), uncovered += qRed(c) > 200 && qGreen(c) < 100;
            }
        EXPECT_EQ(std::tuple(uncovered, dark > 100, image.pixel(45, 100), image.pixel(145, 100)),
                  std::tuple(0, true, qRgb(255, 0, 0), qRgb(255, 0, 0)))
            << ToothPicName(id);
    }
    for (double width : {6.0, 36.0}) {
        const QImage image = Paint({{ToothPic::Mx6, {2, 5, width, 18}}}, Qt::red);
        int longest = 0, run = 0;
        for (int x = 21; x < 20 + int(width * 10) - 1; ++x)
            longest = std::max(longest, run = Dark(image.pixel(x, 90)) ? run + 1 : 0);
        EXPECT_TRUE(longest > 0 && longest <= 3) << width << ": " << longest;
    }
}

// Set-up [1], each row alone: no column along its crowns is empty, so every tooth touches its neighbours.
TEST(ModelToothOutlines, TeethOfASetupRowTouchTheirNeighbours) {
    const VirtualSetups setups = PlanVirtualSetups(MeanMale());
    // Crown bands, sheet y 188..196.5 above and 195.5..204 below.
    for (const auto& [upper, firstRow, lastRow] : {std::tuple{true, 280, 365}, std::tuple{false, 355, 440}}) {
        std::vector<SetupPaste> row;
        for (const SetupPaste& p : setups.setups[0].pastes)
            if (IsUpper(p.picture) == upper) row.push_back(p);
        const QImage image = Paint(row, Qt::white, {1000, 500}, 30, 160);
        std::string columns;  // '#' where the column has ink
        for (int x = 0; x < image.width(); ++x) {
            bool ink = false;
            for (int y = firstRow; y <= lastRow; ++y) ink = ink || qGray(image.pixel(x, y)) < 200;
            columns += ink ? '#' : ' ';
        }
        const std::string inked = columns.substr(columns.find('#'), columns.rfind('#') - columns.find('#') + 1);
        EXPECT_TRUE(inked.size() > 450u && inked.find("   ") == std::string::npos)
            << (upper ? "upper " : "lower ") << columns;  // molar to incisor
    }
}

}  // namespace
}  // namespace vt
