#include "ceph/CephAxPage.h"

#include "ceph/CephNormTable.h"
#include "ceph/PageFrame.h"
#include "ceph/PrintWrapped.h"

namespace vt {

namespace {

void PrintAt(ResultSurface& s, double x, double y, std::string_view text) {
    s.setCurrent(x, y);
    s.print(text);
}

}  // namespace

double CephRowY(int k) { return kCephFirstRowY + kCephRowPitch * (k - 1); }

void CephAx(ResultSurface& s, const CephRecord& r, const PatientRecord& p) {
    PrintPageFrame(s, p, /*tableRules=*/true);

    PrintAt(s, kLabelColumnX, kCephHeadsY, "Cephalo Analysis");
    PrintAt(s, kNormColumnX, kCephHeadsY, "Norm");
    PrintAt(s, kSdColumnX, kCephHeadsY, "SD");
    PrintAt(s, kValueColumnX, kCephHeadsY, "Patient");

    int k = 1;
    for (const CephNormRow& row : CephNormTable) {
        PrintNormRow(s, row, CephRowY(k), r.*row.value, p);
        ++k;
    }

    PrintAt(s, kLabelColumnX, kCephCommentsY, "Comments:");
    PrintWrapped(s, r.MsgCephalo, kCommentX, kCephCommentFirstY, kCephCommentPitch);
}

}  // namespace vt
