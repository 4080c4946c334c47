#include "tracing/TracingPages.h"

#include "ceph/CephRecord.h"
#include "intake/PatientRecord.h"
#include "intake/PreviewPages.h"
#include "tracing/TracingDrawingPages.h"
#include "tracing/TracingNormPage.h"
#include "tracing/TracingResult.h"

namespace vt {

void TracingPage1(ResultSurface& s) { CephAx1(s, LastTracing(), Patient(), Offsets()); }
void TracingPage2(ResultSurface& s) { CephAx2(s, LastTracing(), Patient()); }
void TracingPage3(ResultSurface& s) { CephAx3(s, LastTracing().measures, Patient(), Ceph().MsgCephalo); }

void RegisterTracingPages() {
    RegisterPageProcedure(PreviewState::Tracing1, &TracingPage1);
    RegisterPageProcedure(PreviewState::Tracing2, &TracingPage2);
    RegisterPageProcedure(PreviewState::Tracing3, &TracingPage3);
}

}  // namespace vt
