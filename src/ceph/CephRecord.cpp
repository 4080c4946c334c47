#include "ceph/CephRecord.h"

#include "intake/Session.h"

namespace vt {

CephRecord& Ceph() { return CurrentSession().record<CephRecord>(); }

}  // namespace vt
