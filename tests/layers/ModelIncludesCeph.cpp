// Must not build: the model analysis sits beside the cephalometric one and
// reaches it only through records the program hands over.
#include "ceph/CephRecord.h"

int ModelReadsCeph() { return static_cast<int>(vt::Ceph().SNA); }
