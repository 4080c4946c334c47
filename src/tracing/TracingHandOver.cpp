#include "tracing/TracingHandOver.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "ceph/CephMeasurements.h"

namespace vt {

namespace {

// The tracing's measurement for each value ceph lists, paired by name.
struct TracedValue {
    std::string_view name;
    double TracingMeasures::*measure;
};
constexpr TracedValue kTracedValues[] = {
    {"SNA", &TracingMeasures::SNA},   {"SNB", &TracingMeasures::SNB},   {"ANB", &TracingMeasures::ANB},
    {"SNPg", &TracingMeasures::SNPg}, {"FA", &TracingMeasures::FA},     {"ABMP", &TracingMeasures::ABMP},
    {"ABA", &TracingMeasures::ABA},   {"ODI", &TracingMeasures::ODI},   {"APDI", &TracingMeasures::APDI},
    {"PFH", &TracingMeasures::PFH},   {"AFH", &TracingMeasures::AFH},   {"PFHAFH", &TracingMeasures::PFHAFH},
    {"SNMP", &TracingMeasures::SNMP}, {"FMA", &TracingMeasures::FMA},   {"PPMP", &TracingMeasures::PPMP},
    {"Wits", &TracingMeasures::Wits}, {"OPMP", &TracingMeasures::OPMP}, {"UISN", &TracingMeasures::UISN},
    {"UIPP", &TracingMeasures::UIPP}, {"IMPA", &TracingMeasures::IMPA}, {"FMIA", &TracingMeasures::FMIA},
    {"IIA", &TracingMeasures::IIA},   {"UIOP", &TracingMeasures::UIOP}, {"LIOP", &TracingMeasures::LIOP},
    {"UIFP", &TracingMeasures::UIFP}, {"LIFP", &TracingMeasures::LIFP}, {"UL", &TracingMeasures::UL},
    {"LL", &TracingMeasures::LL},
};

// Null when no measurement has the name, which the check below refuses.
consteval double TracingMeasures::*MeasureNamed(std::string_view name) {
    for (const TracedValue& t : kTracedValues)
        if (t.name == name) return t.measure;
    return nullptr;
}

struct Transfer {
    double CephRecord::*value;
    double TracingMeasures::*measure;
};

// Every typed and derived value of ceph's tables with its measurement.
consteval auto Transfers() {
    std::array<Transfer, std::size(kTypedMeasurements) + std::size(kDerivedValues)> transfers{};
    std::size_t i = 0;
    for (const TypedMeasurement& m : kTypedMeasurements) transfers[i++] = {m.value, MeasureNamed(m.name)};
    for (const DerivedValue& d : kDerivedValues) transfers[i++] = {d.value, MeasureNamed(d.name)};
    return transfers;
}
constexpr auto kTransfers = Transfers();

static_assert(std::ranges::none_of(kTransfers, [](const Transfer& t) { return t.measure == nullptr; }),
              "every value of ceph's tables has a tracing measurement of its name");
static_assert(std::size(kTracedValues) == std::size(kTransfers), "every tracing measurement here names a ceph value");

}  // namespace

CephRecord HandedOver(CephRecord r, const TracingMeasures& m) {
    for (const Transfer& t : kTransfers) r.*t.value = m.*t.measure;
    return r;
}

}  // namespace vt
