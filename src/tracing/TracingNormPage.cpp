#include "tracing/TracingNormPage.h"

#include "ceph/AgeBand.h"
#include "ceph/CephNormTable.h"
#include "pages/NormRow.h"
#include "pages/PageFrame.h"
#include "pages/PrintWrapped.h"
#include "tracing/TracingNormTable.h"

namespace vt {

void CephAx3(ResultSurface& s, const TracingMeasures& m, const PatientRecord& p, std::string_view msgCephalo) {
    PrintPageFrame(s, p, /*tableRules=*/true);

    const NormColumns& c = kCephNormColumns;
    s.printAt(c.label, kTracingHeadsY, "Cephalo Analysis");
    s.printAt(c.norm, kTracingHeadsY, "Norm");
    s.printAt(c.sd, kTracingHeadsY, "SD");
    s.printAt(c.value, kTracingHeadsY, "Patient");

    const std::size_t column = SexAgeColumn(p.Sex, p.AgeYear);
    int k = 0;
    for (const TracingNormRow& row : TracingNormTable()) {
        const double y = kTracingFirstRowY + kTracingRowPitch * k++;
        PrintNormRow(s, c, {row.label, row.norms[column], static_cast<double>(row.sd), "#0", m.*row.value}, y);
    }

    s.printAt(c.label, kTracingCommentsY, "Comments:");
    PrintWrapped(s, msgCephalo, kCommentX, kTracingCommentFirstY, kTracingRowPitch);
}

}  // namespace vt
