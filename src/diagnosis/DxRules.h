#pragma once
// The rule engine of the diagnosis: conditions over the findings written as
// data (any of several clauses, each all of its comparisons), ladders of
// rungs walked from the top, the age groups of the ladders, and the four
// ways a rung moves Severity. The ladders themselves are tables beside the
// step that uses them.

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace vt {

// What a condition can look at. dM and dC are the left-right differences of
// the signed molar relations and cross-bites; J is the Jarabak value as the
// run holds it at that moment; ALDSum, LipALD and KimNet are the derived
// space quantities of the extraction rules.
enum class Fact : std::uint8_t {
    OB,
    OJ,
    OBv,
    OJc,
    APIdx,
    SkelAP,
    SkelVert,
    MolarRt,
    MolarLt,
    CrossRt,
    CrossLt,
    dM,
    dC,
    J,
    ALDMn,
    ALDSum,
    LipALD,
    KimNet,
    SOI,
    Severity,
    Count
};

using Facts = std::array<double, static_cast<std::size_t>(Fact::Count)>;

enum class Rel : std::uint8_t { Below, Above, AtMost, AtLeast };

struct Term {
    Fact fact{};
    Rel rel{};
    double bound = 0;
};

// All of its terms; an empty clause always holds.
struct Clause {
    std::array<Term, 5> terms{};
    int count = 0;
};

// Any of its clauses; a condition without clauses never holds.
struct Condition {
    std::array<Clause, 9> clauses{};
    int count = 0;
};

namespace rules {

constexpr Condition Compare(Fact f, Rel rel, double bound) {
    Condition c;
    c.clauses[0].terms[0] = {f, rel, bound};
    c.clauses[0].count = 1;
    c.count = 1;
    return c;
}

// Strict < and >, and the inclusive <= and >=.
constexpr Condition Lt(Fact f, double bound) { return Compare(f, Rel::Below, bound); }
constexpr Condition Gt(Fact f, double bound) { return Compare(f, Rel::Above, bound); }
constexpr Condition Le(Fact f, double bound) { return Compare(f, Rel::AtMost, bound); }
constexpr Condition Ge(Fact f, double bound) { return Compare(f, Rel::AtLeast, bound); }
constexpr Condition Always() {
    Condition c;
    c.count = 1;
    return c;
}

constexpr Condition Any(const Condition& a) { return a; }
template <class... More>
constexpr Condition Any(const Condition& a, const Condition& b, const More&... more) {
    Condition c = a;
    for (int i = 0; i < b.count; ++i) {
        if (c.count == static_cast<int>(c.clauses.size())) throw std::length_error("too many clauses");
        c.clauses[c.count++] = b.clauses[i];
    }
    return Any(c, more...);
}

// Both: every clause of one joined with every clause of the other.
constexpr Condition Both(const Condition& a, const Condition& b) {
    Condition c;
    for (int i = 0; i < a.count; ++i) {
        for (int j = 0; j < b.count; ++j) {
            if (c.count == static_cast<int>(c.clauses.size())) throw std::length_error("too many clauses");
            Clause joined = a.clauses[i];
            for (int k = 0; k < b.clauses[j].count; ++k) {
                if (joined.count == static_cast<int>(joined.terms.size())) throw std::length_error("too many terms");
                joined.terms[joined.count++] = b.clauses[j].terms[k];
            }
            c.clauses[c.count++] = joined;
        }
    }
    return c;
}

constexpr Condition All(const Condition& a) { return a; }
template <class... More>
constexpr Condition All(const Condition& a, const Condition& b, const More&... more) {
    return All(Both(a, b), more...);
}

// low < value < high.
constexpr Condition Between(Fact f, double low, double high) { return All(Gt(f, low), Lt(f, high)); }

}  // namespace rules

bool Holds(const Condition& condition, const Facts& facts);

// How a rung moves Severity (0 none, 1 treatment or a specialist's
// diagnosis needed, 2 orthognathic surgery possibly needed).
enum class SeverityEffect : std::uint8_t {
    None,
    SetTo1,  // whatever it was: a 2 becomes 1
    SetTo2,
    RaiseTo1,  // only from 0
};

std::int16_t Apply(SeverityEffect effect, std::int16_t severity);

// Age groups of one ladder, by AgeYear (strict) and Sex (0 male, 1 female):
// a child below `child`; otherwise early below early[Sex]; otherwise growing
// below growing[Sex]; otherwise grown.
enum class AgeGroup : std::uint8_t { Child, Early, Growing, Grown };

struct AgeGroups {
    double child;
    std::array<double, 2> early;    // male, female
    std::array<double, 2> growing;  // male, female
};

AgeGroup GroupOf(const AgeGroups& groups, std::int16_t sex, double ageYear);

// The groups a rung applies to, as a set of bits.
using GroupSet = std::uint8_t;
inline constexpr GroupSet kChild = 1, kEarly = 2, kGrowing = 4, kGrown = 8;
inline constexpr GroupSet kAllGroups = kChild | kEarly | kGrowing | kGrown;

// A rung appends one or two texts, in this order.
struct Pieces {
    const char* first = "";
    const char* second = "";
};

struct Rung {
    int number;       // the rung's place in its ladder as the clinic numbers it
    GroupSet groups;  // rungs of other groups are skipped
    Condition when;
    Pieces say;
    SeverityEffect effect = SeverityEffect::None;
};

struct Step {
    int rung = 0;  // 0 when no rung held
    Pieces say;
    SeverityEffect effect = SeverityEffect::None;
};

// Every group meets its rungs in ascending order and ends on one that
// always holds; checked on each table when it is compiled.
constexpr bool WellFormed(std::span<const Rung> ladder) {
    for (unsigned bit = 1; bit <= kAllGroups; bit <<= 1) {
        int last = 0;
        bool endsAlways = false;
        for (const Rung& rung : ladder) {
            if (!(rung.groups & bit)) continue;
            if (rung.number <= last) return false;
            last = rung.number;
            endsAlways = rung.when.count > 0 && rung.when.clauses[0].count == 0;
        }
        if (!endsAlways) return false;
    }
    return true;
}

// The first rung of the group whose condition holds.
Step Walk(std::span<const Rung> ladder, AgeGroup group, const Facts& facts);

}  // namespace vt
