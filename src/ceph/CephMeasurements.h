#pragma once
// The typed cephalometric measurements and the values derived from them,
// each listed once. The form, the range checks and the tracing's hand-over
// walk these tables; a new measurement is one row here (and its evaluation).

#include <cstddef>
#include <iterator>
#include <string_view>

#include "ceph/CephRecord.h"

namespace vt {

// The angles tell whether a tracing's landmarks are plausible, the other
// values whether its scale is; the two groups are checked apart.
enum class RangeGroup { ValidAngle, ValidOther };

// The form lays its measurements and result labels out in a grid of three
// columns and seven rows, every cell taken.
inline constexpr int kFormColumns = 3;
inline constexpr int kFormRows = 7;

struct FormCell {
    int column;
    int row;
};

struct TypedMeasurement {
    std::string_view name;
    double CephRecord::*value;
    const char* box;
    const char* caption;
    double low;  // accepted when low < value < high: a value on a bound fails
    double high;
    RangeGroup group;
    FormCell cell;
    int captionWidth = 1095;  // twips
};

// In the form's tab order: down each column, left to right.
inline constexpr TypedMeasurement kTypedMeasurements[] = {
    {"SNA", &CephRecord::SNA, "txtSNA", "SNA", 42, 121, RangeGroup::ValidAngle, {0, 0}},
    {"SNB", &CephRecord::SNB, "txtSNB", "SNB", 39, 118, RangeGroup::ValidAngle, {0, 1}},
    {"FA", &CephRecord::FA, "txtFA", "Facial A", 49, 127, RangeGroup::ValidAngle, {0, 3}, 1215},
    {"ABMP", &CephRecord::ABMP, "txtABMP", "AB/MP", 29, 113, RangeGroup::ValidAngle, {0, 4}},
    {"PFH", &CephRecord::PFH, "txtPFH", "PFH", 13, 161, RangeGroup::ValidOther, {1, 0}},
    {"AFH", &CephRecord::AFH, "txtAFH", "AFH", 41, 206, RangeGroup::ValidOther, {1, 1}},
    {"SNMP", &CephRecord::SNMP, "txtSNMP", "SN/MP", 2, 68, RangeGroup::ValidAngle, {1, 3}},
    {"FMA", &CephRecord::FMA, "txtFMA", "FMA", -6, 60, RangeGroup::ValidAngle, {1, 4}},
    {"PPMP", &CephRecord::PPMP, "txtPPMP", "PP/MP", -6, 60, RangeGroup::ValidAngle, {1, 5}},
    {"OPMP", &CephRecord::OPMP, "txtOPMP", "OP/MP", -12, 52, RangeGroup::ValidAngle, {1, 6}},
    {"Wits", &CephRecord::Wits, "txtWits", "Wits", -30, 26, RangeGroup::ValidOther, {2, 0}},
    {"UISN", &CephRecord::UISN, "txtUISN", "&1 / SN", 55, 157, RangeGroup::ValidAngle, {2, 1}},
    {"IMPA", &CephRecord::IMPA, "txtIMPA", "IMPA", 45, 145, RangeGroup::ValidAngle, {2, 2}},
    {"UIFP", &CephRecord::UIFP, "txtUIFP", "&1 to FP", -15, 39, RangeGroup::ValidOther, {2, 3}},
    {"LIFP", &CephRecord::LIFP, "txtLIFP", "1 to FP", -18, 36, RangeGroup::ValidOther, {2, 4}},
    {"UL", &CephRecord::UL, "txtUL", "UL", -14, 21, RangeGroup::ValidOther, {2, 5}},
    {"LL", &CephRecord::LL, "txtLL", "LL", -13, 22, RangeGroup::ValidOther, {2, 6}},
};

// A value derived from the typed ones (DeriveCephValues computes them) that a
// tracing measures too. Those with a result label show it on the form with
// one decimal. Sum is not here: a tracing leaves the record's Sum alone.
struct DerivedValue {
    std::string_view name;
    double CephRecord::*value;
    const char* label = nullptr;  // none: not shown on the form
    const char* caption = nullptr;
    FormCell cell = {};
};

inline constexpr DerivedValue kDerivedValues[] = {
    {"ANB", &CephRecord::ANB, "lblANB", "ANB", {0, 2}},
    {"SNPg", &CephRecord::SNPg},
    {"ABA", &CephRecord::ABA},
    {"ODI", &CephRecord::ODI, "lblODI", "ODI", {0, 5}},
    {"APDI", &CephRecord::APDI, "lblAPDI", "APDI", {0, 6}},
    {"PFHAFH", &CephRecord::PFHAFH, "lblPFHAFH", "PFH/AFH", {1, 2}},
    {"UIPP", &CephRecord::UIPP},
    {"FMIA", &CephRecord::FMIA},
    {"IIA", &CephRecord::IIA},
    {"UIOP", &CephRecord::UIOP},
    {"LIOP", &CephRecord::LIOP},
};

// The typed measurement or shown derived value in a cell of the form's grid;
// null where there is none.
constexpr const TypedMeasurement* TypedAt(FormCell cell) {
    for (const TypedMeasurement& m : kTypedMeasurements)
        if (m.cell.column == cell.column && m.cell.row == cell.row) return &m;
    return nullptr;
}
constexpr const DerivedValue* ShownAt(FormCell cell) {
    for (const DerivedValue& d : kDerivedValues)
        if (d.label && d.cell.column == cell.column && d.cell.row == cell.row) return &d;
    return nullptr;
}

namespace measurement_checks {

constexpr bool Named(std::string_view control, std::string_view prefix, std::string_view name) {
    return control.size() == prefix.size() + name.size() && control.starts_with(prefix) && control.ends_with(name);
}

constexpr bool ControlsNamedAfterValues() {
    for (const TypedMeasurement& m : kTypedMeasurements)
        if (!Named(m.box, "txt", m.name)) return false;
    for (const DerivedValue& d : kDerivedValues)
        if (d.label && !Named(d.label, "lbl", d.name)) return false;
    return true;
}

constexpr bool InTabOrder() {
    for (std::size_t i = 1; i < std::size(kTypedMeasurements); ++i) {
        const FormCell a = kTypedMeasurements[i - 1].cell, b = kTypedMeasurements[i].cell;
        if (a.column > b.column || (a.column == b.column && a.row >= b.row)) return false;
    }
    return true;
}

// Each cell holds exactly one typed measurement or shown derived value.
constexpr bool GridFilledOnce() {
    int taken[kFormColumns][kFormRows] = {};
    auto take = [&taken](FormCell c) {
        if (c.column < 0 || c.column >= kFormColumns || c.row < 0 || c.row >= kFormRows) return false;
        return ++taken[c.column][c.row] == 1;
    };
    for (const TypedMeasurement& m : kTypedMeasurements)
        if (!take(m.cell)) return false;
    for (const DerivedValue& d : kDerivedValues)
        if (d.label && !take(d.cell)) return false;
    for (const auto& column : taken)
        for (int count : column)
            if (count != 1) return false;
    return true;
}

constexpr bool NamesUnique() {
    auto count = [](std::string_view name) {
        std::size_t n = 0;
        for (const TypedMeasurement& m : kTypedMeasurements) n += m.name == name;
        for (const DerivedValue& d : kDerivedValues) n += d.name == name;
        return n;
    };
    for (const TypedMeasurement& m : kTypedMeasurements)
        if (count(m.name) != 1) return false;
    for (const DerivedValue& d : kDerivedValues)
        if (count(d.name) != 1) return false;
    return true;
}

static_assert(ControlsNamedAfterValues(), "a box is txt + its value's name, a result label lbl + its value's name");
static_assert(InTabOrder(), "kTypedMeasurements runs down each column of the form, left to right");
static_assert(GridFilledOnce(), "every cell of the form's grid holds exactly one row");
static_assert(NamesUnique(), "every value is listed once");

}  // namespace measurement_checks

}  // namespace vt
