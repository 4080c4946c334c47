#include "model/VirtualSetup.h"

#include "platform/NumberText.h"

namespace vt {

namespace {

enum class UpperLength { All, NoFirstPremolar };
enum class LowerLength { All, NoFirstPremolar, NoIncisor };

struct SetupKind {
    const char* caption;
    double captionX, captionY;
    double base;  // B: the x the upper row is centred on
    int pair;     // 0: upper row pair, 1: the pair 52.5 mm lower
    UpperLength upper;
    LowerLength lower;
};

constexpr std::array<SetupKind, 3> kFixedSetups{{
    {"[1] 비발치", 40, 170.5, 65, 0, UpperLength::All, LowerLength::All},
    {"[2] 44/44 발치", 120, 170.5, 145, 0, UpperLength::NoFirstPremolar, LowerLength::NoFirstPremolar},
    {"[3] 44/ 발치", 40, 223, 70, 1, UpperLength::NoFirstPremolar, LowerLength::All},
}};

// The fourth set-up by the extraction pattern chosen on the form.
constexpr std::array<SetupKind, 3> kChosenSetups{{
    {"[4] /44 발치", 120, 223, 145, 1, UpperLength::All, LowerLength::NoFirstPremolar},
    {"[4] 44/1 발치", 120, 223, 150, 1, UpperLength::NoFirstPremolar, LowerLength::NoIncisor},
    {"[4] /1 발치", 120, 223, 145, 1, UpperLength::All, LowerLength::NoIncisor},
}};

constexpr std::array<const char*, 3> kArchFormNames{"Narrow Arch Form", "Normal Arch Form", "Broad Arch Form"};

// Top edge (single precision, by row pair) and height of a kind of tooth
// rectangle. Upper rectangles end at the occlusal line, lower ones begin there.
struct RowSlot {
    std::array<float, 2> top;
    double height;
};
constexpr RowSlot kUpperIncisor{{178.2f, 230.7f}, 17.8};
constexpr RowSlot kUpperTooth{{177.5f, 230.0f}, 18};
constexpr RowSlot kUpperFirstPremolar{{177.2f, 229.7f}, 18.5};
constexpr RowSlot kUpperCanine{{176.5f, 229.0f}, 19.5};
constexpr RowSlot kLowerIncisor{{196.0f, 248.5f}, 17.4};
constexpr RowSlot kLowerTooth{{196.5f, 249.0f}, 18};
constexpr RowSlot kLowerFirstPremolar{{196.3f, 248.8f}, 18.5};
constexpr RowSlot kLowerCanine{{196.0f, 248.5f}, 19.5};

// The incisor pictures have a fixed width whatever the measured incisors.
constexpr double kUpperIncisorWidth = 11;
constexpr double kLowerIncisorWidth = 8.4;
// The second molar is drawn this fraction of the first molar's width.
constexpr double kSecondMolarRatio = 0.93;
constexpr double kBothMolarsRatio = 1.93;

class SetupBuilder {
public:
    explicit SetupBuilder(int pair) : pair_(pair) {}
    void paste(ToothPic pic, double x, double width, const RowSlot& slot) {
        pastes_.push_back({pic, {x, static_cast<double>(slot.top[pair_]), width, slot.height}});
    }
    std::vector<SetupPaste> take() { return std::move(pastes_); }

private:
    int pair_;
    std::vector<SetupPaste> pastes_;
};

SetupPlan PlanSetup(const SetupKind& kind, const ModelRecord& m, const ArchFormCoefs& c, const SetupLengths& len) {
    const double lenU = kind.upper == UpperLength::All ? len.SU : len.SUx;
    const double lenL = kind.lower == LowerLength::All         ? len.SL
                        : kind.lower == LowerLength::NoIncisor ? len.SLi
                                                               : len.SLx;
    const bool upperFirstPremolar = kind.upper == UpperLength::All;
    const bool lowerFirstPremolar = kind.lower != LowerLength::NoFirstPremolar;
    const double B = kind.base;

    SetupBuilder b(kind.pair);
    // Upper row: the incisor picture ends the row, then the row from the
    // second molar forwards; the canine is pasted last so it shows over the
    // incisor picture where they overlap.
    b.paste(ToothPic::Mx1, B + lenU / 2 - kUpperIncisorWidth, kUpperIncisorWidth, kUpperIncisor);
    const double xU = B - lenU / 2;
    b.paste(ToothPic::Mx7, xU, kSecondMolarRatio * m.U6, kUpperTooth);
    double x = xU + kSecondMolarRatio * m.U6;
    b.paste(ToothPic::Mx6, x, m.U6, kUpperTooth);
    x = x + m.U6;
    b.paste(ToothPic::Mx5, x, m.U5, kUpperTooth);
    x = x + m.U5;
    if (upperFirstPremolar) {
        b.paste(ToothPic::Mx4, x, m.U4, kUpperFirstPremolar);
        x = x + m.U4;
    }
    b.paste(ToothPic::Mx3, x, c.c3 * m.U3, kUpperCanine);

    // Lower row: ends the overjet short of the upper row's end. Where a lower
    // incisor is left out the picture keeps its width; only the row shortens.
    const double lowerEnd = B + lenU / 2 - m.Overjet;
    b.paste(ToothPic::Mn1, lowerEnd - kLowerIncisorWidth, kLowerIncisorWidth, kLowerIncisor);
    const double xL = B + lenU / 2 - m.Overjet - lenL;
    b.paste(ToothPic::Mn7, xL, kSecondMolarRatio * m.L6, kLowerTooth);
    x = xL + kSecondMolarRatio * m.L6;
    b.paste(ToothPic::Mn6, x, m.L6, kLowerTooth);
    x = x + m.L6;
    b.paste(ToothPic::Mn5, x, m.L5, kLowerTooth);
    x = x + m.L5;
    if (lowerFirstPremolar) {
        b.paste(ToothPic::Mn4, x, m.L4, kLowerFirstPremolar);
        x = x + m.L4;
    }
    b.paste(ToothPic::Mn3, x, static_cast<double>(c.c6) * m.L3, kLowerCanine);

    return {kind.caption, kind.captionX, kind.captionY, b.take()};
}

}  // namespace

int ArchFormIndex(std::int16_t archForm) { return archForm >= 0 && archForm <= 2 ? archForm : 1; }

std::string SetupTitle(std::int16_t archForm, float overjet) {
    return std::string("가상 Model Setup (") + kArchFormNames[ArchFormIndex(archForm)] + ", Overjet " +
           FormatNumber(overjet, "0.0") + " mm)";
}

SetupLengths ComputeSetupLengths(const ModelRecord& m, const ArchFormCoefs& c) {
    SetupLengths len;
    // The lateral incisors' share of the incisor stretch.
    len.upperIncExtra = 1.7 * (m.U1 + m.U2) / 15.4;
    len.lowerIncExtra = 0.7 * (m.L1 + m.L2) / 11.4;
    const double c6 = c.c6;
    // Sums run left to right as written; 1.93 x the first molar stands for
    // the first and the second molar.
    len.SU = c.c1 * m.U1 + c.c2 * m.U2 + c.c3 * m.U3 + m.U4 + m.U5 + kBothMolarsRatio * m.U6 + len.upperIncExtra;
    len.SUx = c.c1 * m.U1 + c.c2 * m.U2 + c.c3 * m.U3 + m.U5 + kBothMolarsRatio * m.U6 + len.upperIncExtra;
    len.SL = c.c4 * m.L1 + c.c5 * m.L2 + c6 * m.L3 + m.L4 + m.L5 + kBothMolarsRatio * m.L6 + len.lowerIncExtra;
    len.SLx = c.c4 * m.L1 + c.c5 * m.L2 + c6 * m.L3 + m.L5 + kBothMolarsRatio * m.L6 + len.lowerIncExtra;
    len.SLi = (0.3 * c.c4) * m.L1 + (0.8 * c.c5) * m.L2 + c6 * m.L3 + m.L4 + m.L5 + kBothMolarsRatio * m.L6 +
              len.lowerIncExtra;
    return len;
}

VirtualSetups PlanVirtualSetups(const ModelRecord& m) {
    VirtualSetups result;
    result.title = SetupTitle(m.ArchForm, m.Overjet);
    const ArchFormCoefs& c = kArchFormCoefs[ArchFormIndex(m.ArchForm)];
    const SetupLengths len = ComputeSetupLengths(m, c);
    for (const SetupKind& kind : kFixedSetups) result.setups.push_back(PlanSetup(kind, m, c, len));
    if (m.ExtChoice >= 0 && m.ExtChoice <= 2) result.setups.push_back(PlanSetup(kChosenSetups[m.ExtChoice], m, c, len));
    return result;
}

}  // namespace vt
