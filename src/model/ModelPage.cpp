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
    s.printAt(30, 163, plan.title);
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

    s.printAt(kLabelX, 33, "Model Analysis");
    s.printAt(kMeanX, 33, "Mean");
    s.printAt(kSdX, 33, "SD");
    s.printAt(kValueX, 33, "Patient");

    s.printAt(kLabelX, 43, "Tooth Size Analysis");
    for (int k = 1; k <= kToothSizeRows; ++k) PrintToothSizeRow(s, ToothSizeNorms[k - 1], 43 + 5 * k, m, p.Sex);

    PrintResultLine(s, 123, "Sum of Incisor", m.SoiText);
    PrintResultLine(s, 128, "Bolton Analysis", m.BoltonText);

    if (BasalArchBlockDrawn(m)) {
        s.printAt(kLabelX, 138, "Basal Arch Analysis");
        PrintToothSizeRow(s, ToothSizeNorms[kUpperBasalRow], 143, m, p.Sex);
        PrintToothSizeRow(s, ToothSizeNorms[kLowerBasalRow], 148, m, p.Sex);
        PrintResultLine(s, 153, "Howes' Analysis", m.HowesText);
    }

    DrawVirtualSetups(s, m);
}

}  // namespace vt
