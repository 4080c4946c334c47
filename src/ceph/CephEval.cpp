#include "ceph/CephEval.h"

#include "ceph/CephEvalSections.h"

namespace vt {

CephEvalResult CephEval(const CephRecord& record, const PatientRecord& patient) {
    const EvalGroup group = EvalGroupOf(patient.Sex, patient.AgeYear);
    EvalWork work;
    work.MsgCephalo = "성장 양상이 ";
    EvalVertical(record, group, work);
    EvalSagittal(record, group, work);
    EvalInclination(record, group, work);
    EvalPosition(record, group, work);
    EvalLips(record, group, work);
    return {std::move(work.MsgCephalo), work.scores};
}

}  // namespace vt
