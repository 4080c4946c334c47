#include "ceph/RuleLadder.h"

#include "ceph/AgeBand.h"

namespace vt {

EvalGroup EvalGroupOf(std::int16_t sex, double ageYear) {
    if (sex != 0 && sex != 1) return std::nullopt;
    return static_cast<int>(SexAgeColumn(sex, ageYear));
}

bool Passes(Cmp cmp, double value, double bound) {
    switch (cmp) {
        case Cmp::Below: return value < bound;
        case Cmp::Above: return value > bound;
        case Cmp::Equal: return value == bound;
    }
    return false;
}

LadderStep GradeMeasurement(const ScoreLadder& ladder, double value, EvalGroup group) {
    if (group) {
        for (const ScoreRung& rung : ladder.rungs) {
            if (Passes(rung.cmp, value, rung.threshold[*group])) return {rung.score, rung.piece};
        }
    }
    return {0, ladder.lastPiece};
}

const char* PickSentence(const SentenceLadder& ladder, double score) {
    for (const SentenceRung& rung : ladder.rungs) {
        if (Passes(rung.cmp, score, rung.bound)) return rung.text;
    }
    return ladder.otherwise;
}

namespace {

const PairRung& FirstPassing(std::span<const PairRung> rungs, double score) {
    for (const PairRung& rung : rungs) {
        if (Passes(rung.cmp, score, rung.bound)) return rung;
    }
    return rungs.back();
}

}  // namespace

std::string PairSentence(std::span<const PairRung> rungs, double upper, double lower) {
    for (const PairRung& rung : rungs) {
        if (Passes(rung.cmp, upper, rung.bound) && Passes(rung.cmp, lower, rung.bound)) return rung.joint;
    }
    return std::string(FirstPassing(rungs, upper).upper) + FirstPassing(rungs, lower).lower;
}

}  // namespace vt
