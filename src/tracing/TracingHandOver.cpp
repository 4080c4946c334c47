#include "tracing/TracingHandOver.h"

namespace vt {

CephRecord HandedOver(CephRecord r, const TracingMeasures& m) {
    r.SNA = m.SNA;
    r.SNB = m.SNB;
    r.ANB = m.ANB;
    r.SNPg = m.SNPg;
    r.FA = m.FA;
    r.ABMP = m.ABMP;
    r.ABA = m.ABA;
    r.ODI = m.ODI;
    r.APDI = m.APDI;
    r.PFH = m.PFH;
    r.AFH = m.AFH;
    r.PFHAFH = m.PFHAFH;
    r.SNMP = m.SNMP;
    r.FMA = m.FMA;
    r.PPMP = m.PPMP;
    r.Wits = m.Wits;
    r.OPMP = m.OPMP;
    r.UISN = m.UISN;
    r.UIPP = m.UIPP;
    r.IMPA = m.IMPA;
    r.FMIA = m.FMIA;
    r.IIA = m.IIA;
    r.UIOP = m.UIOP;
    r.LIOP = m.LIOP;
    r.UIFP = m.UIFP;
    r.LIFP = m.LIFP;
    r.UL = m.UL;
    r.LL = m.LL;
    return r;
}

}  // namespace vt
