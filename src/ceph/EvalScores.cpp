#include "ceph/EvalScores.h"

namespace vt {

EvalScores& Scores() {
    static EvalScores scores;
    return scores;
}

}  // namespace vt
