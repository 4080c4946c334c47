#pragma once
// The rule ladders of the evaluation: rungs tested from the top, the first
// rung that holds decides, a last branch applies when none holds. Every
// ladder of the evaluation is a table of these rows walked by the functions
// below; the tables themselves live beside the section that uses them.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vt {

// Column of a threshold row: 0..2 male under 11, 11 to under 14, 14 and over;
// 3..5 the same bands for female. Empty for a sex other than 0 or 1, which
// lets no rung hold.
using EvalGroup = std::optional<int>;
EvalGroup EvalGroupOf(std::int16_t sex, double ageYear);

enum class Cmp { Below, Above, Equal };

// Below and Above are strict: a value equal to the bound does not pass.
bool Passes(Cmp cmp, double value, double bound);

using GroupThresholds = std::array<double, 6>;

// The same threshold for all six groups.
constexpr GroupThresholds AllGroups(double t) { return {t, t, t, t, t, t}; }

// One rung of a measurement ladder: the measurement passes the threshold of
// the patient's group, and the rung gives a score and a text piece.
struct ScoreRung {
    Cmp cmp;
    GroupThresholds threshold;
    int score;
    const char* piece;  // "" when the ladder appends nothing
};

struct ScoreLadder {
    std::span<const ScoreRung> rungs;
    const char* lastPiece;  // with score 0 when no rung holds
};

struct LadderStep {
    int score;
    const char* piece;
};

// The score and text piece of a measurement: those of the first rung whose
// threshold for the group it passes, else 0 and the last piece.
LadderStep GradeMeasurement(const ScoreLadder& ladder, double value, EvalGroup group);

// One rung of a sentence ladder on a score: the same bound for everyone.
struct SentenceRung {
    Cmp cmp;
    double bound;
    const char* text;
};

struct SentenceLadder {
    std::span<const SentenceRung> rungs;
    const char* otherwise;
};

const char* PickSentence(const SentenceLadder& ladder, double score);

// One grade of a pair of scores (upper and lower incisor, upper and lower
// lip). When both scores pass the same rung, tried in order, its joint
// sentence is used; otherwise the upper piece and the lower sentence are
// chosen each by its own first passing rung, the last row serving as the
// otherwise branch.
struct PairRung {
    Cmp cmp;
    double bound;
    const char* joint;
    const char* upper;
    const char* lower;
};

std::string PairSentence(std::span<const PairRung> rungs, double upper, double lower);

}  // namespace vt
