#include "ceph/CephAxPage.h"

#include "ceph/CephNormTable.h"
#include "ceph/PageFrame.h"
#include "ceph/PrintWrapped.h"

namespace vt {

double CephRowY(int k) { return kCephFirstRowY + kCephRowPitch * (k - 1); }

void CephAx(ResultSurface& s, const CephRecord& r, const PatientRecord& p) {
    PrintPageFrame(s, p, /*tableRules=*/true);

    s.printAt(kLabelColumnX, kCephHeadsY, "Cephalo Analysis");
    s.printAt(kNormColumnX, kCephHeadsY, "Norm");
    s.printAt(kSdColumnX, kCephHeadsY, "SD");
    s.printAt(kValueColumnX, kCephHeadsY, "Patient");

    int k = 1;
    for (const CephNormRow& row : CephNormTable) {
        PrintNormRow(s, row, CephRowY(k), r.*row.value, p);
        ++k;
    }

    s.printAt(kLabelColumnX, kCephCommentsY, "Comments:");
    PrintWrapped(s, r.MsgCephalo, kCommentX, kCephCommentFirstY, kCephCommentPitch);
}

}  // namespace vt
