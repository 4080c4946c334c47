#include "model/ModelAnalysis.h"

#include "platform/NumberText.h"

namespace vt {

namespace {

// A typed width counts only when it is a number a double can hold and its
// stored value (single precision for the molars) lies inside the range.
bool ReadWidth(ModelRecord& m, int box, const std::string& text) {
    const NumberRead read = ReadNumber(text);
    SetToothWidth(m, box, read.value);
    return !read.overflow && kToothWidthRanges[box].contains(ToothWidth(m, box));
}

// A basal arch width is checked as typed and stored afterwards.
std::optional<double> ReadBasalArch(const std::string& text) {
    const NumberRead read = ReadNumber(text);
    if (read.overflow || !kBasalArchRange.contains(read.value)) return std::nullopt;
    return read.value;
}

double Soi(const ModelRecord& m) { return 4 * ((m.L1 + m.L2) / (m.U1 + m.U2)); }

}  // namespace

double ToothWidth(const ModelRecord& m, int box) {
    switch (box) {
        case 0: return m.U1;
        case 1: return m.U2;
        case 2: return m.U3;
        case 3: return m.U4;
        case 4: return m.U5;
        case 5: return m.U6;
        case 6: return m.L1;
        case 7: return m.L2;
        case 8: return m.L3;
        case 9: return m.L4;
        case 10: return m.L5;
        case 11: return m.L6;
        default: return 0;
    }
}

void SetToothWidth(ModelRecord& m, int box, double value) {
    switch (box) {
        case 0: m.U1 = value; break;
        case 1: m.U2 = value; break;
        case 2: m.U3 = value; break;
        case 3: m.U4 = value; break;
        case 4: m.U5 = value; break;
        case 5: m.U6 = ToSingle(value); break;
        case 6: m.L1 = value; break;
        case 7: m.L2 = value; break;
        case 8: m.L3 = value; break;
        case 9: m.L4 = value; break;
        case 10: m.L5 = value; break;
        case 11: m.L6 = ToSingle(value); break;
        default: break;
    }
}

std::string SoiLine(double upperIncisors, double lowerIncisors, double soi) {
    // Appended piece by piece: a literal in front of a temporary string trips
    // GCC 12's -Wrestrict in optimised builds.
    std::string line = " ";
    line += FormatNumber(upperIncisors, "#0.0");
    line += " : ";
    line += FormatNumber(lowerIncisors, "#0.0");
    line += " = 4 : ";
    line += FormatNumber(soi, "#.00");
    return line;
}

std::string BoltonLine(double anteriorRatio, double overallRatio) {
    // 77% and 91% are the reference ratios printed beside the patient's.
    return " 6 : " + FormatNumber(anteriorRatio, "#0.0") + " (77%), 12 : " + FormatNumber(overallRatio, "#0.0") +
           " (91%)";
}

std::string HowesLine(double ubaw, double u12t, float howes) {
    return " PMUBAW/TM = " + FormatNumber(ubaw, "#0.0") + "/" + FormatNumber(u12t, "#0.0") + " = " +
           FormatNumber(howes, "#0.0");
}

ModelRun RunIncisorRatio(ModelRecord m, const ModelEntries& entries) {
    bool valid = true;
    for (int box : kIncisorBoxes) valid = ReadWidth(m, box, entries.size[box]) && valid;
    if (valid) {
        m.SOI = Soi(m);
        m.SoiText = SoiLine(m.U1 + m.U2, m.L1 + m.L2, m.SOI);
    } else {
        m.SoiText.clear();
    }
    return {m, valid};
}

ModelRun RunModelAnalysis(ModelRecord m, const ModelEntries& entries) {
    bool valid = true;
    for (int box = 0; box < 12; ++box) valid = ReadWidth(m, box, entries.size[box]) && valid;
    if (!valid) return {m, false};

    m.SOI = Soi(m);
    m.SoiText = SoiLine(m.U1 + m.U2, m.L1 + m.L2, m.SOI);
    // Added left to right; the single-precision molars enter as stored.
    const double u6t = 2 * (m.U1 + m.U2 + m.U3);
    const double l6t = 2 * (m.L1 + m.L2 + m.L3);
    const double u12t = 2 * (m.U1 + m.U2 + m.U3 + m.U4 + m.U5 + m.U6);
    const double l12t = 2 * (m.L1 + m.L2 + m.L3 + m.L4 + m.L5 + m.L6);
    m.U6T = u6t;
    m.L6T = l6t;
    m.U12T = u12t;
    m.L12T = l12t;
    m.BoltonText = BoltonLine(100 * (l6t / u6t), 100 * (l12t / u12t));

    m.UBAW = ReadBasalArch(entries.UBAW);
    if (m.UBAW) {
        m.Howes = ToSingle(100 * (*m.UBAW / u12t));
        m.HowesText = HowesLine(*m.UBAW, u12t, m.Howes);
    } else {
        // No ratio of an earlier patient or run may stand for this one.
        m.Howes = 0;
        m.HowesText.clear();
    }
    const std::optional<double> lbaw = ReadBasalArch(entries.LBAW);
    m.LBAW = lbaw ? std::optional<float>(ToSingle(*lbaw)) : std::nullopt;
    return {m, true};
}

}  // namespace vt
