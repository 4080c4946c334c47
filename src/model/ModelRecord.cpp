#include "model/ModelRecord.h"

#include "intake/Session.h"

namespace vt {

ModelRecord& Model() { return CurrentSession().record<ModelRecord>(); }

}  // namespace vt
