#include "model/ModelPage.h"

#include <cmath>

#include "model/ToothOutlines.h"
#include "model/ToothSizeNorms.h"
#include "model/VirtualSetup.h"
#include "pages/NormRow.h"
#include "pages/PageFrame.h"
#include "platform/NumberText.h"

namespace vt {

namespace {

// Columns of the tooth-size table.
constexpr double kLabelX = 30, kMeanX = 90, kSdX = 110, kValueX = 140, kMarkX = 160;
// Result lines print their text where the mean column stands.
constexpr double kLineTextX = kMeanX;

// Lines of the page, from the top: column heads, the tooth-size table (its
// title, then row k at kToothSizeTitleY + kRowPitch * k), the result lines,
// the basal arch block and the title of the virtual set-ups.
constexpr double kHeadsY = 33;
constexpr double kToothSizeTitleY = 43;
constexpr double kRowPitch = 5;
constexpr double kSumOfIncisorY = 123;
constexpr double kBoltonY = 128;
constexpr double kBasalArchTitleY = 138;
constexpr double kUpperBasalY = 143;
constexpr double kLowerBasalY = 148;
constexpr double kHowesY = 153;
constexpr double kSetupTitleY = 163;

void PrintToothSizeRow(ResultSurface& s, const ToothSizeNorm& row, double y, const ModelRecord& m, int sex) {
    // A sum not yet computed leaves its value and mark cells empty.
    PrintNormRow(
        s, {kLabelX, kMeanX, kSdX, kValueX, kMarkX}, {row.label, row.mean(sex), row.sd, "#0.0", row.value(m)}, y);
}

void PrintResultLine(ResultSurface& s, double y, std::string_view heading, const std::string& text) {
    s.printAt(kLabelX, y, heading);
    s.printAt(kLineTextX, y, WithoutFirstCharacter(text));
}

// A paste the sheet cannot show (positions or widths left from a refused
// entry) is skipped rather than painted mirrored, empty, at no place or far
// off the sheet, where the painter's device coordinates would overflow.
bool Paintable(const SheetRect& r) {
    constexpr double kSheetWidth = 210, kSheetHeight = 297;
    const bool finite =
        std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.width) && std::isfinite(r.height);
    return finite && r.width > 0 && r.height > 0 && r.width <= kSheetHeight && r.height <= kSheetHeight &&
           r.left < kSheetWidth && r.left + r.width > 0 && r.top < kSheetHeight && r.top + r.height > 0;
}

void DrawVirtualSetups(ResultSurface& s, const ModelRecord& m) {
    const VirtualSetups plan = PlanVirtualSetups(m);
    s.printAt(kLabelX, kSetupTitleY, plan.title);
    for (const SetupPlan& setup : plan.setups) {
        s.printAt(setup.captionX, setup.captionY, setup.caption);
        for (const SetupPaste& paste : setup.pastes)
            if (Paintable(paste.rect)) s.paintPicture(ToothOutline(paste.picture), paste.rect);
    }
}

}  // namespace

std::string_view WithoutFirstCharacter(std::string_view text) {
    if (text.empty()) return text;
    // Skip one whole UTF-8 character, not just its first byte.
    std::size_t n = 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
    return text.substr(n);
}

bool BasalArchBlockDrawn(const ModelRecord& m) {
    return m.UBAW && m.LBAW && *m.UBAW > 10 && *m.UBAW < 80 && *m.LBAW > 10 && *m.LBAW < 80;
}

void ModelAx(ResultSurface& s, const ModelRecord& m, const PatientRecord& p) {
    PrintPageFrame(s, p, true);

    s.printAt(kLabelX, kHeadsY, "Model Analysis");
    s.printAt(kMeanX, kHeadsY, "Mean");
    s.printAt(kSdX, kHeadsY, "SD");
    s.printAt(kValueX, kHeadsY, "Patient");

    s.printAt(kLabelX, kToothSizeTitleY, "Tooth Size Analysis");
    for (int k = 1; k <= kToothSizeRows; ++k)
        PrintToothSizeRow(s, ToothSizeNorms[k - 1], kToothSizeTitleY + kRowPitch * k, m, p.Sex);

    PrintResultLine(s, kSumOfIncisorY, "Sum of Incisor", m.SoiText);
    PrintResultLine(s, kBoltonY, "Bolton Analysis", m.BoltonText);

    if (BasalArchBlockDrawn(m)) {
        s.printAt(kLabelX, kBasalArchTitleY, "Basal Arch Analysis");
        PrintToothSizeRow(s, ToothSizeNorms[kUpperBasalRow], kUpperBasalY, m, p.Sex);
        PrintToothSizeRow(s, ToothSizeNorms[kLowerBasalRow], kLowerBasalY, m, p.Sex);
        PrintResultLine(s, kHowesY, "Howes' Analysis", m.HowesText);
    }

    DrawVirtualSetups(s, m);
}

}  // namespace vt
