#include "ceph/CephRecord.h"

namespace vt {

CephRecord& Ceph() {
    static CephRecord record;
    return record;
}

}  // namespace vt
