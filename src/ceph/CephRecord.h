#pragma once
// The cephalometric record: typed measurements, derived values and the
// evaluation comment. Angles in degrees, distances in millimetres.

#include <string>

namespace vt {

struct CephRecord {
    double SNA = 0;
    double SNB = 0;
    double ANB = 0;
    double SNPg = 0;
    double FA = 0;
    double ABMP = 0;
    double ABA = 0;
    double Sum = 0;
    double ODI = 0;
    double APDI = 0;
    double PFH = 1;
    double AFH = 1;
    double PFHAFH = 0;
    double SNMP = 0;
    double FMA = 0;
    double PPMP = 0;
    double Wits = 100;
    double OPMP = 0;
    double UISN = 0;
    double UIPP = 0;
    double IMPA = 0;
    double FMIA = 0;
    double IIA = 0;
    double UIOP = 0;
    double LIOP = 0;
    double UIFP = 100;
    double LIFP = 100;
    double UL = 100;
    double LL = 100;
    std::string MsgCephalo;
};

// The cephalometric record of the session's patient: the last accepted run,
// typed or traced.
CephRecord& Ceph();

}  // namespace vt
