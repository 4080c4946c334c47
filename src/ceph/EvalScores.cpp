#include "ceph/EvalScores.h"

#include "intake/Session.h"

namespace vt {

EvalScores& Scores() { return CurrentSession().record<EvalScores>(); }

}  // namespace vt
