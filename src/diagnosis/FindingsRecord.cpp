#include "diagnosis/FindingsRecord.h"

namespace vt {

FindingsRecord& Findings() {
    static FindingsRecord record;
    return record;
}

void ResetOnLoad(FindingsRecord& r) {
    r.ALDMx = r.ALDMn = r.COS = r.OB = r.OJ = 0;
    r.OBc = r.OJc = r.OBv = r.APIdx = 0;
    r.MolarRt = r.MolarLt = r.CrossRt = 0;
    r.CrossLt = 0;
    r.optMolarRtIdx = r.optMolarLtIdx = r.optCrossRtIdx = r.optCrossLtIdx = 0;
    r.Severity = 0;
}

}  // namespace vt
