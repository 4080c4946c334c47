#include "ceph/CephAxPage.h"

#include "ceph/CephNormTable.h"
#include "pages/PageFrame.h"
#include "pages/PrintWrapped.h"

namespace vt {

double CephRowY(int k) { return kCephFirstRowY + kCephRowPitch * (k - 1); }

void CephAx(ResultSurface& s, const CephRecord& r, const PatientRecord& p) {
    PrintPageFrame(s, p, /*tableRules=*/true);

    s.printAt(kCephNormColumns.label, kCephHeadsY, "Cephalo Analysis");
    s.printAt(kCephNormColumns.norm, kCephHeadsY, "Norm");
    s.printAt(kCephNormColumns.sd, kCephHeadsY, "SD");
    s.printAt(kCephNormColumns.value, kCephHeadsY, "Patient");

    int k = 1;
    for (const CephNormRow& row : CephNormTable) {
        PrintNormRow(s, kCephNormColumns, CephNormRowFor(row, r.*row.value, p), CephRowY(k));
        ++k;
    }

    s.printAt(kCephNormColumns.label, kCephCommentsY, "Comments:");
    PrintWrapped(s, r.MsgCephalo, kCommentX, kCephCommentFirstY, kCephCommentPitch);
}

}  // namespace vt
