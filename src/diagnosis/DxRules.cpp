#include "diagnosis/DxRules.h"

#include <limits>

namespace vt {

namespace {

bool Passes(const Term& t, const Facts& facts) {
    const double v = facts[static_cast<std::size_t>(t.fact)];
    switch (t.rel) {
        case Rel::Below: return v < t.bound;
        case Rel::Above: return v > t.bound;
        case Rel::AtMost: return v <= t.bound;
        case Rel::AtLeast: return v >= t.bound;
    }
    return false;
}

bool Holds(const Clause& clause, const Facts& facts) {
    for (int i = 0; i < clause.count; ++i) {
        if (!Passes(clause.terms[i], facts)) return false;
    }
    return true;
}

// Outside 0 and 1 neither sex: such a patient is never early nor growing.
double SexBound(const std::array<double, 2>& bounds, std::int16_t sex) {
    if (sex == 0 || sex == 1) return bounds[sex];
    return -std::numeric_limits<double>::infinity();
}

}  // namespace

bool Holds(const Condition& condition, const Facts& facts) {
    for (int i = 0; i < condition.count; ++i) {
        if (Holds(condition.clauses[i], facts)) return true;
    }
    return false;
}

std::int16_t Apply(SeverityEffect effect, std::int16_t severity) {
    switch (effect) {
        case SeverityEffect::None: return severity;
        case SeverityEffect::SetTo1: return 1;
        case SeverityEffect::SetTo2: return 2;
        case SeverityEffect::RaiseTo1: return severity == 0 ? 1 : severity;
    }
    return severity;
}

AgeGroup GroupOf(const AgeGroups& groups, std::int16_t sex, double ageYear) {
    if (ageYear < groups.child) return AgeGroup::Child;
    if (ageYear < SexBound(groups.early, sex)) return AgeGroup::Early;
    if (ageYear < SexBound(groups.growing, sex)) return AgeGroup::Growing;
    return AgeGroup::Grown;
}

Step Walk(std::span<const Rung> ladder, AgeGroup group, const Facts& facts) {
    const GroupSet bit = static_cast<GroupSet>(1u << static_cast<unsigned>(group));
    for (const Rung& rung : ladder) {
        if ((rung.groups & bit) && Holds(rung.when, facts)) return {rung.number, rung.say, rung.effect};
    }
    return {};
}

}  // namespace vt
