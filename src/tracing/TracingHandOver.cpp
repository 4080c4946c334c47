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
    // the typed measurements
    {"SNA", &TracingMeasures::SNA},
    {"SNB", &TracingMeasures::SNB},
    {"FA", &TracingMeasures::FA},
    {"ABMP", &TracingMeasures::ABMP},
    {"PFH", &TracingMeasures::PFH},
    {"AFH", &TracingMeasures::AFH},
    {"SNMP", &TracingMeasures::SNMP},
    {"FMA", &TracingMeasures::FMA},
    {"PPMP", &TracingMeasures::PPMP},
    {"OPMP", &TracingMeasures::OPMP},
    {"Wits", &TracingMeasures::Wits},
    {"UISN", &TracingMeasures::UISN},
    {"IMPA", &TracingMeasures::IMPA},
    {"UIFP", &TracingMeasures::UIFP},
    {"LIFP", &TracingMeasures::LIFP},
    {"UL", &TracingMeasures::UL},
    {"LL", &TracingMeasures::LL},
    // the derived values
    {"ANB", &TracingMeasures::ANB},
    {"SNPg", &TracingMeasures::SNPg},
    {"ABA", &TracingMeasures::ABA},
    {"ODI", &TracingMeasures::ODI},
    {"APDI", &TracingMeasures::APDI},
    {"PFHAFH", &TracingMeasures::PFHAFH},
    {"UIPP", &TracingMeasures::UIPP},
    {"FMIA", &TracingMeasures::FMIA},
    {"IIA", &TracingMeasures::IIA},
    {"UIOP", &TracingMeasures::UIOP},
    {"LIOP", &TracingMeasures::LIOP},
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
